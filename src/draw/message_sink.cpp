#include "draw/message_sink.h"

#include <cstdio>

namespace kep {

namespace {
thread_local MessageSink* t_sink = nullptr;
}

void StderrMessageSink::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

MessageSink& CurrentMessageSink() {
  static StderrMessageSink defaultSink;
  return t_sink ? *t_sink : defaultSink;
}

MessageSink* SetMessageSink(MessageSink* sink) {
  MessageSink* previous = t_sink;
  t_sink = sink;
  return previous;
}

}  // namespace kep
