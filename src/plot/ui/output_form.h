#pragma once

#include <cstdint>
#include <optional>

#include <wx/string.h>

#include "app/form_fields.h"
#include "app/form_pane.h"
#include "plot/ui/result_document.h"

class wxListBox;
class wxStaticText;

namespace kep {

// The result pane above the images of an interactive window: the fractal
// dimension with its 95 % interval, the data points it was fitted from under the
// column headings of the method, and four places for a theoretical dimension and
// an error. It shows what the document holds and nothing older: without a
// result, its texts for no result. The rows are set in a font of fixed width, so
// that their numbers stand in columns under the headings. A right click offers
// to copy or export the result.
class COutputForm final : public FormPane {
 public:
  bool Create(wxWindow* parent, wxDocument& document, wxWindow& frame) override;

  ResultDocument* GetDocument() const;
  void OnInitialUpdate() override;
  void OnUpdate(DocumentPane* sender, wxObject* hint) override;

  // One row of the data list.
  static wxString DataRow(std::int32_t x, std::int32_t y);
  // The line under the dimension: "95 % interval: 1.487 to 1.530 (n = 19)", or
  // nothing without a dimension.
  static wxString IntervalText(const std::optional<DimensionInterval>& interval);

  wxListBox* m_dataList = nullptr;
  wxString m_errorValueText;
  wxString m_errorLabelText;
  wxString m_theoryValueText;
  wxString m_theoryLabelText;
  wxString m_fdText;
  wxString m_intervalText;
  wxString m_xHeading;
  wxString m_yHeading;

 private:
  void BuildControls();
  // Keeps the headings above the columns of the rows.
  void AlignHeadings();

  FormFields m_fields;
  wxStaticText* m_xHeadingLabel = nullptr;
  wxStaticText* m_yHeadingLabel = nullptr;
};

}  // namespace kep
