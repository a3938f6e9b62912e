#pragma once

#include <wx/log.h>

namespace kep {

// Shows the toolkit's own errors, warnings and messages (a file that cannot be
// opened or written, for example) through the dialog service; drops the rest.
class DialogLog final : public wxLog {
 protected:
  void DoLogRecord(wxLogLevel level, const wxString& message,
                   const wxLogRecordInfo& info) override;
};

}  // namespace kep
