#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <wx/string.h>

#include "app/method_form.h"

class wxChoice;

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
// values, and "Calculate FD", which runs the batch over the file list.
class CProjectInputForm final : public MethodForm {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  CKepProjectDoc* GetDocument() const;
  // Its change notification includes this form after a method change and at
  // the end of each batch run: the method's labels and defaults come back.
  void OnInitialUpdate() override;

  // The commands.
  void OnChange();
  void OnDirectoryChosen();
  void RefreshFileList();
  void OnListingDoubleClick();
  void OnAdd();
  void OnDelete();
  void OnFileListDoubleClick();
  void OnCalculateFD();

  // The project's file list, in report order.
  std::vector<std::string> ProjectFiles() const;

  // The form's values besides those of the method choice.
  CMultiSelectListBox* m_dirList = nullptr;
  CMultiSelectListBox* m_fileList = nullptr;
  std::int32_t m_higherBrightness = 255;
  std::int32_t m_lowerBrightness = 50;
  std::int32_t m_minHoleSize = 300;
  std::int32_t m_minParticleSize = 300;
  double m_brightPercent = 10.0;
  // The directory of each entry of the directory box; the last is the current
  // directory.
  std::vector<wxString> m_dirs;

 protected:
  MethodChoice& Choice() const override;

 private:
  void BuildControls();
  void BindCommands();
  void SetCurrentDirectory(const wxString& directory);

  wxChoice* m_directoryBox = nullptr;
  wxChoice* m_fileTypeBox = nullptr;
};

}  // namespace kep
