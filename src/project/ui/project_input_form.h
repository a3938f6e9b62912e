#pragma once

#include <span>
#include <string>
#include <vector>

#include <wx/string.h>

#include "app/form_command.h"
#include "app/method_form.h"

class wxChoice;
class wxComboBox;

namespace kep {

class CKepProjectDoc;
class CMultiSelectListBox;

// The controls of the project form, by the numbers tests and tools find them by.
enum ProjectFormControl : int {
  kIdProjectMethod = 1002,
  kIdProjectCalculateFD = 1003,
  kIdProjectParam1 = 1027,
  kIdProjectParam2 = 1028,
  kIdProjectParam3 = 1031,
  kIdProjectLabel1 = 1029,
  kIdProjectLabel2 = 1030,
  kIdProjectLabel3 = 1032,
  kIdDirectory = 1033,
  kIdListing = 1034,
  kIdFileType = 1035,
  kIdFileList = 1036,
  kIdAdd = 1037,
  kIdDelete = 1038,
  kIdProjectBrightPercent = 1044,
  kIdProjectLowerBrightness = 1011,
  kIdProjectMinParticleSize = 1012,
  kIdProjectMinHoleSize = 1014,
};

// What the batch run's save dialog offers.
inline constexpr const char* kReportFilter = "Text (*.txt)|*.txt|All Files (*.*)|*.*";

// The form on the left of a project window: the method and its parameters, a
// small file browser that feeds the project's file list, the pre-processing
// values, and "Calculate FD", which runs the batch over the file list. The file
// list is the document's; the form shows it, file names first, each entry's full
// path in its tooltip. The browser starts in the directory used last (in the
// settings), or in the home directory; a directory can be typed into the
// directory box.
class CProjectInputForm final : public MethodForm {
 public:
  // Where the form places the buttons of its commands.
  enum CommandPlace { kInCalculation, kUnderBrowser };

  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  CKepProjectDoc* GetDocument() const;
  void OnInitialUpdate() override;
  // The document's file list and its selection, and the method's labels and
  // defaults after another method was chosen.
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

  // The commands.
  void OnDirectoryChosen();
  void OnDirectoryTyped();
  void RefreshFileList();
  void OnListingDoubleClick();
  void OnAdd();
  void OnDelete();
  void OnFileSelection();
  void OnFileListDoubleClick();
  void OnCalculateFD();

  // The buttons of the form and their commands.
  static std::span<const FormCommand<CProjectInputForm>> Commands();

  CMultiSelectListBox* m_dirList = nullptr;
  CMultiSelectListBox* m_fileList = nullptr;
  // The directory of each entry of the directory box; the last is the current
  // directory.
  std::vector<wxString> m_dirs;

 protected:
  MethodChoice& Choice() const override;

 private:
  void BuildControls();
  // Lists the directory and makes it the current one; a directory that cannot
  // be listed is named with the reason, and the browser stays where it was.
  void ShowDirectory(const wxString& directory);
  void ShowListing(const std::vector<std::string>& entries);
  void ShowFiles();
  void ShowFileTooltip(wxMouseEvent& event);

  wxComboBox* m_directoryBox = nullptr;
  wxChoice* m_fileTypeBox = nullptr;
};

}  // namespace kep
