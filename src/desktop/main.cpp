#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "app/kep_app.h"
#include "desktop/document_types.h"
#include "version.h"

namespace {

constexpr char kUsage[] =
    "Usage: kep [IMAGE]\n"
    "Opens the main window; with IMAGE, a .bmp or .tif file, opens that image for analysis.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n";

// --help and --version are answered before the toolkit starts, so that they
// open no window and need no display.
bool AnsweredWithoutWindow(int argc, char** argv) {
  if (argc != 2) return false;
  const std::string_view argument = argv[1];
  if (argument == "--version") {
    std::printf("kep %s\n", kep::kVersion);
    return true;
  }
  if (argument == "--help") {
    std::fputs(kUsage, stdout);
    return true;
  }
  return false;
}

}  // namespace

// The arguments are file names, kept as the file system's bytes; the toolkit
// sees only the program's name, since it would convert them through the locale,
// which drops a name that is no text in it, with a warning.
int main(int argc, char** argv) {
  if (AnsweredWithoutWindow(argc, argv)) return 0;
  std::vector<std::string> arguments(argv + 1, argv + argc);
  wxApp::SetInstance(new kep::KepApp(kep::DesktopDocumentTypes(), std::move(arguments)));
  int toolkitArgc = 1;
  return wxEntry(toolkitArgc, argv);
}
