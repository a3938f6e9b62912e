#pragma once

#include <wx/filehistory.h>

namespace kep {

// The recent-file list, newest first. In each File menu it keeps its entries
// where the menu has its disabled "Recent File" placeholder (above "E&xit"),
// and shows the placeholder again when the list is empty.
class RecentFileList final : public wxFileHistory {
 public:
  explicit RecentFileList(int maxFiles);

  void AddFileToHistory(const wxString& path) override;
  void RemoveFileFromHistory(size_t index) override;
  void Load(const wxConfigBase& config) override;
  void AddFilesToMenu() override;
  void AddFilesToMenu(wxMenu* menu) override;

 private:
  void RebuildMenus();
  void RebuildMenu(wxMenu& menu);
};

}  // namespace kep
