#include "project/ui/project_input_form.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/app_settings.h"
#include "app/dialog_service.h"
#include "app/file_path.h"
#include "image/image_file.h"
#include "project/ui/directory_listing.h"
#include "project/ui/kep_project_doc.h"
#include "project/ui/multi_select_list_box.h"
#include "project/ui/skipped_files.h"

namespace kep {

namespace {

constexpr const char* kFileTypes[] = {"Tiff (*.TIF)", "Bitmap (*.BMP)", "All Files(*.*)"};
constexpr const char* kFileTypeError = "File Type Error!  SKIP THIS FILE!";
constexpr const char* kFileAlreadySelected = "File Already Selected! SKIP THIS FILE!";
// The settings' name of the directory the browser showed last.
constexpr const char* kDirectorySetting = "Project Directory";

constexpr FormCommand<CProjectInputForm> kCommands[] = {
    {kIdProjectCalculateFD, "Calculate FD",
     "Asks for a report file, then measures every file of the project with the chosen method "
     "after the pre-processing of the Image Parameters.",
     CProjectInputForm::kInCalculation, &CProjectInputForm::OnCalculateFD},
    {kIdAdd, "Add",
     "Puts the selected BMP and TIFF files of the directory into the project, after the "
     "current entry.",
     CProjectInputForm::kUnderBrowser, &CProjectInputForm::OnAdd},
    {kIdDelete, "Delete", "Takes the selected files out of the project.",
     CProjectInputForm::kUnderBrowser, &CProjectInputForm::OnDelete},
};

}  // namespace

std::span<const FormCommand<CProjectInputForm>> CProjectInputForm::Commands() { return kCommands; }

bool CProjectInputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!MethodForm::Create(parent, document, frame)) return false;
  BuildControls();
  BindCommands(Commands());
  // The higher brightness and the particle brightness have no control: they
  // keep 255.
  for (int id : {kIdProjectParam1, kIdProjectLabel1, kIdProjectParam2, kIdProjectLabel2,
                 kIdProjectParam3, kIdProjectLabel3}) {
    ExchangeParameter(id);
  }
  const std::pair<Field, int> values[] = {{kLowerBrightness, kIdProjectLowerBrightness},
                                          {kMinHoleSize, kIdProjectMinHoleSize},
                                          {kMinParticleSize, kIdProjectMinParticleSize},
                                          {kBrightPercent, kIdProjectBrightPercent}};
  for (const auto& [field, id] : values) {
    ExchangePreprocessField(field, ControlOf<wxTextCtrl>(id), m_fields);
  }

  OnControl(wxEVT_COMBOBOX, kIdDirectory, [this] { OnDirectoryChosen(); });
  OnControl(wxEVT_TEXT_ENTER, kIdDirectory, [this] { OnDirectoryTyped(); });
  OnControl(wxEVT_CHOICE, kIdFileType, [this] { RefreshFileList(); });
  OnControl(wxEVT_LISTBOX_DCLICK, kIdListing, [this] { OnListingDoubleClick(); });
  OnControl(wxEVT_LISTBOX_DCLICK, kIdFileList, [this] { OnFileListDoubleClick(); });
  OnControl(wxEVT_LISTBOX, kIdFileList, [this] { OnFileSelection(); });
  m_fileList->Bind(wxEVT_MOTION, &CProjectInputForm::ShowFileTooltip, this);
  return true;
}

CKepProjectDoc* CProjectInputForm::GetDocument() const {
  return dynamic_cast<CKepProjectDoc*>(DocumentPane::GetDocument());
}

// The "drives" of this system are the root and the home directory.
void CProjectInputForm::OnInitialUpdate() {
  MethodForm::OnInitialUpdate();
  StartMethodChoice();

  m_fileTypeBox->Clear();
  for (const char* type : kFileTypes) m_fileTypeBox->Append(type);
  m_fileTypeBox->SetSelection(0);

  m_directoryBox->Clear();
  m_dirs = {"/", wxGetHomeDir(), wxString()};
  m_directoryBox->Append("[-/-]");
  m_directoryBox->Append("[-~-]");
  m_directoryBox->Append(wxString());
  // A kept directory that is gone is no reason for a message.
  const wxString kept = ReadSetting(kDirectorySetting);
  const bool keptListable = !kept.empty() && ListDirectory(PathBytes(kept)).error.empty();
  ShowDirectory(keptListable ? kept : wxGetHomeDir());
  m_fields.ToControls();
}

void CProjectInputForm::OnUpdate(DocumentPane* sender, wxObject* hint) {
  MethodForm::OnUpdate(sender, hint);
  if (GetDocument() && (hint == nullptr || IsChange(hint, Change::kFileList))) ShowFiles();
}

MethodChoice& CProjectInputForm::Choice() const { return *GetDocument(); }

void CProjectInputForm::ShowDirectory(const wxString& directory) {
  const DirectoryListing listing = ListDirectory(PathBytes(directory));
  if (!listing.error.empty()) {
    Dialogs().ShowMessage(this, directory + ": " + wxString::FromUTF8(listing.error));
    m_directoryBox->SetValue(m_dirs.back());
    return;
  }
  const unsigned last = m_directoryBox->GetCount() - 1;
  m_dirs.back() = directory;
  m_directoryBox->SetString(last, directory);
  m_directoryBox->SetSelection(static_cast<int>(last));
  WriteSetting(kDirectorySetting, directory);
  ShowListing(listing.entries);
}

void CProjectInputForm::ShowListing(const std::vector<std::string>& entries) {
  const std::string extension = FileTypeExtension(PathBytes(m_fileTypeBox->GetStringSelection()));
  wxArrayString shown;
  for (const std::string& entry : entries) {
    if (PassesFileType(entry, extension)) shown.Add(PathText(entry));
  }
  m_dirList->Set(shown);
}

void CProjectInputForm::OnDirectoryChosen() {
  const int chosen = m_directoryBox->GetSelection();
  if (chosen == wxNOT_FOUND) return;
  ShowDirectory(m_dirs[static_cast<std::size_t>(chosen)]);
}

void CProjectInputForm::OnDirectoryTyped() {
  ShowDirectory(PathText(TypedDirectory(PathBytes(m_directoryBox->GetValue()),
                                        PathBytes(m_dirs.back()), PathBytes(wxGetHomeDir()))));
}

// A directory that can no longer be listed is said so, and shows no entries.
void CProjectInputForm::RefreshFileList() {
  const DirectoryListing listing = ListDirectory(PathBytes(m_dirs.back()));
  if (!listing.error.empty()) {
    Dialogs().ShowMessage(this, m_dirs.back() + ": " + wxString::FromUTF8(listing.error));
  }
  ShowListing(listing.entries);
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
  const std::string current = PathBytes(m_dirs.back());
  const std::string name = PathBytes(entry.Mid(1, entry.length() - 2));
  ShowDirectory(PathText(entry == "[..]" ? ParentDirectory(current) : JoinPath(current, name)));
}

// The selected files of the listing go right after the caret of the file list;
// what is skipped is named in one message.
void CProjectInputForm::OnAdd() {
  if (!TakeValues()) return;
  CKepProjectDoc* document = GetDocument();
  const std::string directory = PathBytes(m_dirs.back());
  std::vector<std::string> wrongType;
  std::vector<std::string> alreadyThere;
  std::vector<std::string> added;
  for (int index : m_dirList->SelectedIndices()) {
    const std::string entry = PathBytes(m_dirList->GetString(static_cast<unsigned>(index)));
    const std::string extension = PathExtension(entry);
    if (!EqualIgnoringCase(extension, "TIF") && !EqualIgnoringCase(extension, "BMP")) {
      wrongType.push_back(entry);
      continue;
    }
    const std::string path = JoinPath(directory, entry);
    const auto isPath = [&path](const std::string& file) { return EqualIgnoringCase(file, path); };
    if (document->HoldsFile(path) || std::any_of(added.begin(), added.end(), isPath)) {
      alreadyThere.push_back(entry);
      continue;
    }
    added.push_back(path);
  }
  document->InsertFiles(added);
  const std::string message =
      JoinMessages({SkippedFilesMessage(kFileTypeError, wrongType),
                    SkippedFilesMessage(kFileAlreadySelected, alreadyThere)});
  if (!message.empty()) Dialogs().ShowMessage(this, PathText(message));
  NotifyPanes(*document, Change::kFileList);
}

void CProjectInputForm::OnDelete() {
  if (!TakeValues()) return;
  GetDocument()->RemoveSelectedFiles();
  NotifyPanes(*GetDocument(), Change::kFileList);
}

void CProjectInputForm::OnFileSelection() {
  CKepProjectDoc* document = GetDocument();
  document->SelectFiles(m_fileList->SelectedIndices(), m_fileList->GetCaretIndex());
  m_fileList->ShowSelection(document->m_selectedFiles, document->m_caretFile);
  NotifyOtherPanes(Change::kFileList);
}

void CProjectInputForm::OnFileListDoubleClick() {
  CKepProjectDoc* document = GetDocument();
  std::vector<int> selected = m_fileList->SelectedIndices();
  const int caret = m_fileList->GetCaretIndex();
  if (caret != wxNOT_FOUND) selected.push_back(caret);
  document->SelectFiles(selected, caret);
  OnDelete();
}

void CProjectInputForm::ShowFiles() {
  const CKepProjectDoc* document = GetDocument();
  wxArrayString rows;
  for (const std::string& file : document->m_files) rows.Add(PathText(FileListText(file)));
  if (m_fileList->GetStrings() != rows) m_fileList->Set(rows);
  m_fileList->ShowSelection(document->m_selectedFiles, document->m_caretFile);
}

// Each entry's full path is its tooltip. The list's own rows report the pointer
// relative to themselves, the list's hit test wants it relative to the list.
void CProjectInputForm::ShowFileTooltip(wxMouseEvent& event) {
  event.Skip();
  const int entry = m_fileList->HitTest(m_fileList->ScreenToClient(wxGetMousePosition()));
  const std::vector<std::string>& files = GetDocument()->m_files;
  const wxString tip = entry >= 0 && entry < static_cast<int>(files.size())
                           ? PathText(files[static_cast<std::size_t>(entry)])
                           : wxString();
  if (m_fileList->GetToolTipText() != tip) m_fileList->SetToolTip(tip);
}

}  // namespace kep
