#pragma once

// The subcommands of kep-cli. Each command lives in its own file,
// src/cli/<name>_command.cpp, with one function here that adds it to the
// program:
//
//   void AddNameCommand(CLI::App& app) {
//     auto options = std::make_shared<NameOptions>();
//     CLI::App* command = app.add_subcommand("name", "What it does");
//     command->add_option("IMAGE", options->image, "Image file (.bmp or .tif)")->required();
//     SetCommandAction(*command, [options] { return RunName(*options); });
//   }
//
// and one line in AddCommands (main.cpp) that calls it. The action runs after
// the whole command line has been parsed and returns the exit status
// (command_action.h); loading and writing images go through image_input.h and
// image_output.h so that every command reports files the same way.

#include <CLI/CLI.hpp>

namespace kep::cli {

void AddInfoCommand(CLI::App& app);
void AddConvertCommand(CLI::App& app);
void AddPrepCommand(CLI::App& app);
void AddMeasureCommand(CLI::App& app);
void AddOutlineCommand(CLI::App& app);
void AddMethodsCommand(CLI::App& app);
void AddBatchCommand(CLI::App& app);
void AddPlotCommand(CLI::App& app);
void AddParticlesCommand(CLI::App& app);

}  // namespace kep::cli
