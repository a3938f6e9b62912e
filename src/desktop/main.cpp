#include <string>
#include <vector>

#include "app/kep_app.h"
#include "desktop/document_types.h"

int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  wxApp::SetInstance(new kep::KepApp(kep::DesktopDocumentTypes(), std::move(arguments)));
  return wxEntry(argc, argv);
}
