#pragma once

#include "draw/message_sink.h"

namespace kep {

// Shows the computing core's messages in message boxes.
class DialogMessageSink final : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override;
};

}  // namespace kep
