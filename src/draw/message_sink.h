#pragma once

#include <string>

#include "draw/thread_service.h"

namespace kep {

// Where the computing core sends the system's fixed user messages. The desktop
// shows a message box, the command line writes to standard error, tests record.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

// Writes each message as one line on standard error.
class StderrMessageSink : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override;
};

// The sink in use on this thread; standard error unless a front end sets another.
MessageSink& CurrentMessageSink();
// Installs a sink for this thread (nullptr restores the default) and returns the
// previous one.
MessageSink* SetMessageSink(MessageSink* sink);

using ScopedMessageSink = ScopedService<MessageSink, StderrMessageSink>;

}  // namespace kep
