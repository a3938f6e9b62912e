#include <string>
#include <vector>

#include "app/kep_app.h"
#include "desktop/document_types.h"

// The arguments are file names, kept as the file system's bytes; the toolkit
// sees only the program's name, since it would convert them through the locale,
// which drops a name that is no text in it, with a warning.
int main(int argc, char** argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  wxApp::SetInstance(new kep::KepApp(kep::DesktopDocumentTypes(), std::move(arguments)));
  int toolkitArgc = 1;
  return wxEntry(toolkitArgc, argv);
}
