#include "draw/message_sink.h"

#include <cstdio>

namespace kep {

void StderrMessageSink::ShowMessage(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

MessageSink& CurrentMessageSink() {
  return ThreadService<MessageSink, StderrMessageSink>::Current();
}

MessageSink* SetMessageSink(MessageSink* sink) {
  return ThreadService<MessageSink, StderrMessageSink>::Install(sink);
}

}  // namespace kep
