#include "app/app_settings.h"

#include <wx/docview.h>
#include <wx/filename.h>
#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace kep {

namespace {

// Runs with the configuration's path set to the recent-file list.
template <class Action>
void AtRecentFileList(Action action) {
  wxConfigBase* config = wxConfigBase::Get(false);
  if (!config) return;
  const wxString previous = config->GetPath();
  config->SetPath(kRecentFileListPath);
  action(*config);
  config->SetPath(previous);
}

}  // namespace

wxString SettingsFilePath() {
  wxString configHome;
  if (!wxGetEnv("XDG_CONFIG_HOME", &configHome) || configHome.empty()) {
    configHome = wxGetHomeDir() + "/.config";
  }
  return configHome + "/kep/kep.conf";
}

void OpenSettings() {
  const wxString path = SettingsFilePath();
  {
    // A directory that cannot be made only means that nothing will be kept.
    wxLogNull quiet;
    wxFileName::Mkdir(wxFileName(path).GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  }
  delete wxConfigBase::Set(
      new wxFileConfig("kep", wxString(), path, wxString(), wxCONFIG_USE_LOCAL_FILE));
}

void LoadRecentFiles(wxDocManager& docManager) {
  AtRecentFileList([&](wxConfigBase& config) { docManager.FileHistoryLoad(config); });
}

void StoreRecentFiles(wxDocManager& docManager) {
  AtRecentFileList([&](wxConfigBase& config) { docManager.FileHistorySave(config); });
  wxLogNull quiet;
  if (wxConfigBase* config = wxConfigBase::Get(false)) config->Flush();
}

wxString ReadSetting(const wxString& name) {
  const wxConfigBase* config = wxConfigBase::Get(false);
  return config ? config->Read(wxString(kKeptValuesPath) + "/" + name, wxString()) : wxString();
}

void WriteSetting(const wxString& name, const wxString& value) {
  if (wxConfigBase* config = wxConfigBase::Get(false)) {
    config->Write(wxString(kKeptValuesPath) + "/" + name, value);
  }
}

void CloseSettings() {
  wxLogNull quiet;
  delete wxConfigBase::Set(nullptr);
}

}  // namespace kep
