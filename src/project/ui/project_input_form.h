#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <wx/string.h>

#include "app/form_fields.h"
#include "app/form_pane.h"

class wxChoice;

namespace kep {

class CKepProjectDoc;
class CMultiSelectListBox;
struct MethodFields;

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
class CProjectInputForm final : public FormPane {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  CKepProjectDoc* GetDocument() const;
  void OnInitialUpdate() override;
  // The document's change notification, when it includes this form (after a
  // method change and at the end of each batch run): the method's labels and
  // defaults.
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

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

  // The form's values, in the order they move between fields and controls.
  CMultiSelectListBox* m_dirList = nullptr;
  CMultiSelectListBox* m_fileList = nullptr;
  std::int32_t m_param1 = 0;
  wxString m_label1;
  std::int32_t m_param2 = 0;
  wxString m_label2;
  std::int32_t m_param3 = 0;
  wxString m_label3;
  std::int32_t m_higherBrightness = 255;
  std::int32_t m_lowerBrightness = 50;
  std::int32_t m_minHoleSize = 300;
  std::int32_t m_minParticleSize = 300;
  std::int32_t m_particleBrightness = 255;
  double m_brightPercent = 10.0;
  std::uint32_t m_background = 0;
  // The directory of each entry of the directory box; the last is the current
  // directory.
  std::vector<wxString> m_dirs;

 private:
  void BuildControls();
  void BindCommands();
  MethodFields MethodFieldsOf();
  void SetCurrentDirectory(const wxString& directory);
  void CopyParametersToDocument();

  FormFields m_fields;
  wxChoice* m_methodList = nullptr;
  wxChoice* m_directoryBox = nullptr;
  wxChoice* m_fileTypeBox = nullptr;
};

}  // namespace kep
