// kep-cli: the command-line twin of the desktop program.

#include <clocale>
#include <csignal>
#include <cstdio>
#include <locale>
#include <new>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_action.h"
#include "cli/commands.h"
#include "cli/interruption.h"
#include "version.h"

namespace kep::cli {
namespace {

// The one place where the subcommands are registered, one line each.
void AddCommands(CLI::App& app) {
  AddInfoCommand(app);
  AddConvertCommand(app);
  AddPrepCommand(app);
  AddMeasureCommand(app);
  AddOutlineCommand(app);
  AddMethodsCommand(app);
  AddBatchCommand(app);
  AddPlotCommand(app);
  AddParticlesCommand(app);
}

int Run(int argc, char** argv) {
  CLI::App app("Measures the fractal dimension of particle outlines in BMP and TIFF images.",
               "kep-cli");
  app.set_version_flag("--version", std::string("kep-cli ") + kVersion);
  app.require_subcommand(1);
  AddCommands(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::RuntimeError& e) {
    return e.get_exit_code();  // a command's own status
  } catch (const CLI::Success& e) {
    return app.exit(e);  // help or version
  } catch (const CLI::ParseError& e) {
    app.exit(e);  // prints the usage error
    return kExitUsage;
  }
  return kExitSuccess;
}

}  // namespace
}  // namespace kep::cli

int main(int argc, char** argv) {
  // A file-size limit makes a write fail with an error we report, instead of
  // ending the program before it can say so.
  std::signal(SIGXFSZ, SIG_IGN);
  kep::cli::StopOnInterrupt();
  // Numbers are read and written the same way whatever the user's locale.
  std::setlocale(LC_ALL, "C");
  std::locale::global(std::locale::classic());
  try {
    return kep::cli::Run(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("kep-cli: out of memory\n", stderr);
    return kep::cli::kExitFailure;
  }
}
