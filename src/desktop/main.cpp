#include <cstdio>
#include <string_view>

#include "app/kep_app.h"
#include "desktop/document_types.h"
#include "version.h"

namespace {

class KepProgram final : public kep::KepApp {
 public:
  KepProgram() : KepApp(kep::DesktopDocumentTypes()) {}
};

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

wxIMPLEMENT_APP_NO_MAIN(KepProgram);

int main(int argc, char** argv) {
  if (AnsweredWithoutWindow(argc, argv)) return 0;
  return wxEntry(argc, argv);
}
