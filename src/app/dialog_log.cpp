#include "app/dialog_log.h"

#include "app/dialog_service.h"

namespace kep {

void DialogLog::DoLogRecord(wxLogLevel level, const wxString& message, const wxLogRecordInfo&) {
  if (level <= wxLOG_Message) Dialogs().ShowMessage(nullptr, message);
}

}  // namespace kep
