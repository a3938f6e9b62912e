#include "app/recent_file_list.h"

#include <wx/confbase.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include "resources/menus.h"

namespace kep {

namespace {

bool SameFile(const wxString& a, const wxString& b) {
  wxFileName first(a);
  wxFileName second(b);
  first.MakeAbsolute();
  second.MakeAbsolute();
  return first.GetFullPath() == second.GetFullPath();
}

wxString EntryLabel(size_t index, const wxString& path) {
  wxString shown = path;
  shown.Replace("&", "&&");
  return wxString::Format("&%zu %s", index + 1, shown);
}

}  // namespace

RecentFileList::RecentFileList(int maxFiles) : wxFileHistory(static_cast<size_t>(maxFiles)) {}

void RecentFileList::AddFileToHistory(const wxString& path) {
  for (size_t i = 0; i < m_fileHistory.size(); ++i) {
    if (SameFile(m_fileHistory[i], path)) {
      m_fileHistory.RemoveAt(i);
      break;
    }
  }
  m_fileHistory.Insert(path, 0);
  if (m_fileHistory.size() > m_fileMaxFiles) m_fileHistory.resize(m_fileMaxFiles);
  RebuildMenus();
}

void RecentFileList::RemoveFileFromHistory(size_t index) {
  if (index >= m_fileHistory.size()) return;
  m_fileHistory.RemoveAt(index);
  RebuildMenus();
}

void RecentFileList::Load(const wxConfigBase& config) {
  m_fileHistory.clear();
  wxString path;
  while (m_fileHistory.size() < m_fileMaxFiles &&
         config.Read(wxString::Format("file%zu", m_fileHistory.size() + 1), &path) &&
         !path.empty()) {
    m_fileHistory.Add(path);
  }
  RebuildMenus();
}

void RecentFileList::AddFilesToMenu() { RebuildMenus(); }

void RecentFileList::AddFilesToMenu(wxMenu* menu) {
  if (menu) RebuildMenu(*menu);
}

void RecentFileList::RebuildMenus() {
  for (auto node = m_fileMenus.GetFirst(); node; node = node->GetNext()) {
    RebuildMenu(*static_cast<wxMenu*>(node->GetData()));
  }
}

void RecentFileList::RebuildMenu(wxMenu& menu) {
  const wxWindowID first = GetBaseId();
  // The entries (or the placeholder) start where the first of them is now.
  size_t position = 0;
  if (!menu.FindChildItem(first, &position)) return;
  for (size_t i = 0; i < m_fileMaxFiles; ++i) {
    if (menu.FindItem(first + static_cast<int>(i))) menu.Delete(first + static_cast<int>(i));
  }
  if (m_fileHistory.empty()) {
    menu.Insert(position, first, kRecentFilePlaceholder)->Enable(false);
    return;
  }
  for (size_t i = 0; i < m_fileHistory.size(); ++i) {
    menu.Insert(position + i, first + static_cast<int>(i), EntryLabel(i, m_fileHistory[i]));
  }
}

}  // namespace kep
