#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/clock.h"
#include "draw/message_sink.h"

namespace kep {

// Keeps every message instead of showing it.
class RecordingMessageSink : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

// A clock that moves one second further at every reading, so that a pause of n
// seconds ends after n + 1 readings and no test waits.
class SteppingClock : public Clock {
 public:
  std::int64_t NowSeconds() override { return seconds++; }
  std::int64_t seconds = 0;
};

}  // namespace kep
