#include "plot/ui/output_form.h"

#include <wx/docview.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/accessible_label.h"
#include "fractal/method_table.h"
#include "fractal/three_decimal.h"
#include "plot/ui/result_document.h"

namespace kep {

namespace {

constexpr const char* kNoFitRow = "No result can be used to fit!";
constexpr const char* kNoDimensionText = "No fractal dimension yet!";
// The blanks before each column of a data row.
constexpr const char* kBeforeX = "                        ";
constexpr const char* kBeforeY = "                          ";
constexpr int kXField = 20;

constexpr int kGap = 8;

}  // namespace

wxString COutputForm::DataRow(std::int32_t x, std::int32_t y) {
  return wxString::Format("%s%-20d%s%-10d", kBeforeX, x, kBeforeY, y);
}

bool COutputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!FormPane::Create(parent, document, frame)) return false;
  BuildControls();
  return true;
}

void COutputForm::BuildControls() {
  auto* fdLabel = new wxStaticText(this, wxID_ANY, "KEP Fractal Dimension :");
  auto* fdText =
      new wxStaticText(this, wxID_ANY, "No result.", wxDefaultPosition, wxSize(FromDIP(180), -1),
                       wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
  auto* theoryLabel = new wxStaticText(this, wxID_ANY, "Theoretical Fractal Dimension :");
  auto* theoryValue = new wxStaticText(this, wxID_ANY, "No Result");
  auto* errorLabel = new wxStaticText(this, wxID_ANY, "% Error :");
  auto* errorValue = new wxStaticText(this, wxID_ANY, "No Result");

  auto* results = new wxBoxSizer(wxVERTICAL);
  results->Add(fdLabel);
  results->Add(fdText, 0, wxEXPAND | wxTOP, kGap / 2);
  results->Add(theoryLabel, 0, wxTOP, 2 * kGap);
  results->Add(theoryValue, 0, wxLEFT | wxTOP, kGap / 2);
  results->Add(errorLabel, 0, wxTOP, 2 * kGap);
  results->Add(errorValue, 0, wxLEFT | wxTOP, kGap / 2);

  auto* data = new wxStaticBoxSizer(wxVERTICAL, this, "Data For Fit Regress");
  wxStaticBox* box = data->GetStaticBox();
  m_xHeadingLabel = new wxStaticText(box, wxID_ANY, "X");
  m_yHeadingLabel = new wxStaticText(box, wxID_ANY, "Y");
  m_dataList = new wxListBox(box, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                             wxLB_SINGLE | wxLB_ALWAYS_SB | wxLB_HSCROLL);
  auto* headings = new wxBoxSizer(wxHORIZONTAL);
  headings->Add(m_xHeadingLabel);
  headings->Add(m_yHeadingLabel);
  data->Add(headings, 0, wxEXPAND | wxBOTTOM, kGap / 2);
  data->Add(m_dataList, 1, wxEXPAND);
  LabelControl(*m_xHeadingLabel, *m_dataList);

  auto* form = new wxBoxSizer(wxHORIZONTAL);
  form->Add(results, 0, wxALL, 2 * kGap);
  form->Add(data, 1, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, kGap);
  SetSizer(form);
  AlignHeadings();

  m_fields.AddText(*errorValue, m_errorValueText);
  m_fields.AddText(*errorLabel, m_errorLabelText);
  m_fields.AddText(*theoryValue, m_theoryValueText);
  m_fields.AddText(*theoryLabel, m_theoryLabelText);
  m_fields.AddText(*fdText, m_fdText);
  m_fields.AddText(*m_xHeadingLabel, m_xHeading);
  m_fields.AddText(*m_yHeadingLabel, m_yHeading);
}

// The X heading stands where the rows' first numbers begin, the Y heading where
// their second numbers do.
void COutputForm::AlignHeadings() {
  const int xColumn = m_dataList->GetTextExtent(kBeforeX).x;
  const int yColumn =
      m_dataList->GetTextExtent(wxString(kBeforeX) + wxString('0', kXField) + kBeforeY).x;
  wxSizer* headings = m_xHeadingLabel->GetContainingSizer();
  headings->Insert(0, xColumn + kGap / 2, 0);
  headings->GetItem(m_xHeadingLabel)->SetMinSize(yColumn - xColumn, -1);
}

ResultDocument* COutputForm::GetDocument() const {
  return dynamic_cast<ResultDocument*>(DocumentPane::GetDocument());
}

void COutputForm::OnInitialUpdate() {
  FormPane::OnInitialUpdate();
  GetDocument()->SetResultPanel(this);
  m_dataList->Append(kNoFitRow);
  m_errorValueText = " ";
  m_errorLabelText = "";
  m_fdText = kNoDimensionText;
  m_theoryValueText = " ";
  m_theoryLabelText = " ";
  m_fields.ToControls();
}

void COutputForm::OnUpdate(DocumentPane*, wxObject*) {
  const ResultDocument* document = GetDocument();
  if (!document) return;
  const PointSeries& series = document->ResultSeries();
  if (series.Count() > 0) {
    wxArrayString rows;
    rows.reserve(static_cast<std::size_t>(series.Count()));
    for (const SeriesPoint& point : series) rows.Add(DataRow(point.x, point.y));
    m_dataList->Set(rows);
  }
  // A failed calculation keeps the dimension shown before.
  if (document->ResultDimension() >= 0.0) m_fdText = ThreeDecimal(document->ResultDimension());
  m_errorValueText = document->ErrorValueText();
  m_errorLabelText = document->ErrorLabelText();
  m_theoryValueText = document->TheoryValueText();
  m_theoryLabelText = document->TheoryLabelText();
  // The corner methods name no columns: the list keeps the headings it showed.
  const std::int32_t method = document->ResultMethod();
  if (method >= 0 && method < kMethodCount && kMethods[method].headings.x != nullptr) {
    m_xHeading = kMethods[method].headings.x;
    m_yHeading = kMethods[method].headings.y;
  }
  m_fields.ToControls();
}

}  // namespace kep
