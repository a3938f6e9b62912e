#pragma once

#include <wx/string.h>

class wxDocManager;

namespace kep {

// The group of the settings file that holds the program's settings.
inline constexpr const char* kSettingsKey = "Local AppWizard-Generated Applications";
// Where the recent-file list lies within the settings.
inline constexpr const char* kRecentFileListPath =
    "/Local AppWizard-Generated Applications/KEP/Recent File List";
inline constexpr int kRecentFileCount = 8;
// Where the other values the program keeps lie within the settings.
inline constexpr const char* kKeptValuesPath =
    "/Local AppWizard-Generated Applications/KEP/Settings";

// The settings file: kep/kep.conf in the user's configuration directory
// ($XDG_CONFIG_HOME, or ~/.config).
wxString SettingsFilePath();

// Creates the settings file's directory and makes the file the program's
// configuration.
void OpenSettings();
// Loads the recent-file list from the configuration into the manager's history.
void LoadRecentFiles(wxDocManager& docManager);
// Writes the recent-file list to the settings file.
void StoreRecentFiles(wxDocManager& docManager);
// A value kept between runs, by its name; empty when none is kept.
wxString ReadSetting(const wxString& name);
void WriteSetting(const wxString& name, const wxString& value);

// Writes what is left and releases the configuration. A file that cannot be
// written is given up quietly: the program is on its way out.
void CloseSettings();

}  // namespace kep
