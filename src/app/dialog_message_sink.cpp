#include "app/dialog_message_sink.h"

#include "app/dialog_service.h"

namespace kep {

void DialogMessageSink::ShowMessage(const std::string& text) {
  Dialogs().ShowMessage(nullptr, wxString::FromUTF8(text));
}

}  // namespace kep
