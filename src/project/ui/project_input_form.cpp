#include "project/ui/project_input_form.h"

#include <algorithm>
#include <optional>

#include <wx/choice.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/dialog_service.h"
#include "fractal/method_table.h"
#include "image/image_file.h"
#include "project/ui/directory_listing.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"

namespace kep {

namespace {

constexpr const char* kFileTypes[] = {"Tiff (*.TIF)", "Bitmap (*.BMP)", "All Files(*.*)"};
constexpr const char* kFileTypeError = "File Type Error!  SKIP THIS FILE!";
constexpr const char* kFileAlreadySelected = "File Already Selected! SKIP THIS FILE!";

std::string Utf8(const wxString& text) { return text.utf8_string(); }

}  // namespace

bool CProjectInputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!MethodForm::Create(parent, document, frame)) return false;
  BuildControls();
  BindCommands();
  // The higher brightness and the particle brightness have no control: they
  // keep 255.
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdProjectParam1), m_param1);
  m_fields.AddText(ControlOf<wxStaticText>(kIdProjectLabel1), m_label1);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdProjectParam2), m_param2);
  m_fields.AddText(ControlOf<wxStaticText>(kIdProjectLabel2), m_label2);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdProjectParam3), m_param3);
  m_fields.AddText(ControlOf<wxStaticText>(kIdProjectLabel3), m_label3);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdProjectLowerBrightness), m_lowerBrightness,
                      kBrightnessRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdProjectMinHoleSize), m_minHoleSize,
                      kRegionSizeRange);
  m_fields.AddInteger(ControlOf<wxTextCtrl>(kIdProjectMinParticleSize), m_minParticleSize,
                      kRegionSizeRange);
  m_fields.AddNumber(ControlOf<wxTextCtrl>(kIdProjectBrightPercent), m_brightPercent, 0.0,
                     kMaxBrightPercent);
  return true;
}

void CProjectInputForm::BindCommands() {
  for (int id : {kIdProjectParam1, kIdProjectParam2, kIdProjectParam3, kIdProjectLowerBrightness,
                 kIdProjectMinParticleSize, kIdProjectMinHoleSize, kIdProjectBrightPercent}) {
    OnControl(wxEVT_TEXT, id, [this] { OnChange(); });
  }
  OnControl(wxEVT_CHOICE, kIdProjectMethod, [this] { OnChange(); });
  OnControl(wxEVT_CHOICE, kIdDirectory, [this] { OnDirectoryChosen(); });
  OnControl(wxEVT_CHOICE, kIdFileType, [this] { RefreshFileList(); });
  OnControl(wxEVT_LISTBOX_DCLICK, kIdListing, [this] { OnListingDoubleClick(); });
  OnControl(wxEVT_BUTTON, kIdAdd, [this] { OnAdd(); });
  OnControl(wxEVT_BUTTON, kIdDelete, [this] { OnDelete(); });
  OnControl(wxEVT_LISTBOX_DCLICK, kIdFileList, [this] { OnFileListDoubleClick(); });
  OnControl(wxEVT_LISTBOX, kIdFileList, [this] { NotifyOtherPanes(); });
  OnControl(wxEVT_BUTTON, kIdProjectCalculateFD, [this] { OnCalculateFD(); });
}

CKepProjectDoc* CProjectInputForm::GetDocument() const {
  return dynamic_cast<CKepProjectDoc*>(DocumentPane::GetDocument());
}

// The "drives" of this system are the root and the home directory; the browser
// starts in the directory of the program itself.
void CProjectInputForm::OnInitialUpdate() {
  MethodForm::OnInitialUpdate();
  GetDocument()->m_pInputForm = this;
  StartMethodChoice();

  m_fileTypeBox->Clear();
  for (const char* type : kFileTypes) m_fileTypeBox->Append(type);
  m_fileTypeBox->SetSelection(0);

  m_directoryBox->Clear();
  m_dirs.clear();
  m_directoryBox->Append("[-/-]");
  m_dirs.push_back("/");
  m_directoryBox->Append("[-~-]");
  m_dirs.push_back(wxGetHomeDir());
  const wxString program = wxStandardPaths::Get().GetExecutablePath();
  m_directoryBox->Append(wxString());
  m_dirs.push_back(wxString());
  SetCurrentDirectory(wxString::FromUTF8(ParentDirectory(Utf8(program))));
  m_fields.ToControls();
}

MethodChoice& CProjectInputForm::Choice() const { return *GetDocument(); }

// The project document is never marked modified.
void CProjectInputForm::OnChange() { TakeValues(); }

// The last entry of the directory box is the current directory.
void CProjectInputForm::SetCurrentDirectory(const wxString& directory) {
  const unsigned last = m_directoryBox->GetCount() - 1;
  m_dirs.back() = directory;
  m_directoryBox->SetString(last, directory);
  m_directoryBox->SetSelection(static_cast<int>(last));
  RefreshFileList();
}

void CProjectInputForm::OnDirectoryChosen() {
  const int chosen = m_directoryBox->GetSelection();
  if (chosen == wxNOT_FOUND) return;
  SetCurrentDirectory(m_dirs[static_cast<std::size_t>(chosen)]);
}

// A directory that cannot be listed gives way to the root.
void CProjectInputForm::RefreshFileList() {
  m_dirList->Clear();
  std::optional<std::vector<std::string>> entries = ListDirectory(Utf8(m_dirs.back()));
  if (!entries) {
    m_dirs.back() = "/";
    m_directoryBox->SetString(m_directoryBox->GetCount() - 1, "/");
    m_directoryBox->SetSelection(static_cast<int>(m_directoryBox->GetCount() - 1));
    entries = ListDirectory("/");
  }
  const std::string extension = FileTypeExtension(Utf8(m_fileTypeBox->GetStringSelection()));
  wxArrayString shown;
  for (const std::string& entry : entries.value_or(std::vector<std::string>())) {
    if (PassesFileType(entry, extension)) shown.Add(wxString::FromUTF8(entry));
  }
  m_dirList->Set(shown);
}

void CProjectInputForm::OnListingDoubleClick() {
  const int caret = m_dirList->GetCaretIndex();
  if (caret == wxNOT_FOUND) return;
  const wxString entry = m_dirList->GetString(static_cast<unsigned>(caret));
  if (!entry.StartsWith("[")) {
    OnAdd();
    m_dirList->SelectOnly(caret);
    return;
  }
  const std::string current = Utf8(m_dirs.back());
  const std::string name = Utf8(entry.Mid(1, entry.length() - 2));
  SetCurrentDirectory(
      wxString::FromUTF8(entry == "[..]" ? ParentDirectory(current) : JoinPath(current, name)));
}

// Each selected file of the listing goes right after the caret of the file list.
void CProjectInputForm::OnAdd() {
  const std::string directory = Utf8(m_dirs.back());
  for (int index : m_dirList->SelectedIndices()) {
    const std::string entry = Utf8(m_dirList->GetString(static_cast<unsigned>(index)));
    const std::string extension = PathExtension(entry);
    if (!EqualIgnoringCase(extension, "TIF") && !EqualIgnoringCase(extension, "BMP")) {
      Dialogs().ShowMessage(this, kFileTypeError);
      continue;
    }
    const std::string path = JoinPath(directory, entry);
    const std::vector<std::string> files = ProjectFiles();
    if (std::any_of(files.begin(), files.end(),
                    [&path](const std::string& file) { return EqualIgnoringCase(file, path); })) {
      Dialogs().ShowMessage(this, kFileAlreadySelected);
      continue;
    }
    const int caret = m_fileList->GetCaretIndex();
    const int at = m_fileList->IsEmpty() ? 0 : caret + 1;
    m_fileList->Insert(wxString::FromUTF8(path), static_cast<unsigned>(at));
    m_fileList->SelectOnly(at);
  }
  m_fileList->SelectOnly(m_fileList->GetCaretIndex());
  NotifyOtherPanes();
}

// Removes the selected entries; the entry now where the last one was removed (or,
// with nothing selected, the caret entry) becomes the only selected one. The
// entries go from the last up, since the toolkit selects the entry that moves
// into a removed caret's place.
void CProjectInputForm::OnDelete() {
  const std::vector<int> selected = m_fileList->SelectedIndices();
  for (auto index = selected.rbegin(); index != selected.rend(); ++index) {
    m_fileList->Delete(static_cast<unsigned>(*index));
  }
  const int removedAt = selected.empty() ? m_fileList->GetCaretIndex()
                                         : selected.back() - static_cast<int>(selected.size()) + 1;
  const int count = static_cast<int>(m_fileList->GetCount());
  if (count > 0) m_fileList->SelectOnly(std::clamp(removedAt, 0, count - 1));
  NotifyOtherPanes();
}

void CProjectInputForm::OnFileListDoubleClick() {
  const int caret = m_fileList->GetCaretIndex();
  if (caret != wxNOT_FOUND) m_fileList->SetSelection(caret);
  OnDelete();
}

std::vector<std::string> CProjectInputForm::ProjectFiles() const {
  std::vector<std::string> files;
  for (const wxString& entry : m_fileList->GetStrings()) files.push_back(Utf8(entry));
  return files;
}

}  // namespace kep
