#pragma once

#include <string>

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

// Installs a sink for this thread while the guard lives, then puts the previous
// one back.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink& sink) : m_previous(SetMessageSink(&sink)) {}
  ~ScopedMessageSink() { SetMessageSink(m_previous); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink* m_previous;
};

}  // namespace kep
