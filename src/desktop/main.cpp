#include "app/kep_app.h"
#include "desktop/document_types.h"

namespace {

class KepProgram final : public kep::KepApp {
 public:
  KepProgram() : KepApp(kep::DesktopDocumentTypes()) {}
};

}  // namespace

wxIMPLEMENT_APP(KepProgram);
