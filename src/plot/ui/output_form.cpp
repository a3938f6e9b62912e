#include "plot/ui/output_form.h"

#include <wx/docview.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/accessible_label.h"
#include "app/export_commands.h"
#include "fractal/three_decimal.h"
#include "plot/ui/column_headings.h"
#include "plot/ui/result_document.h"

namespace kep {

namespace {

constexpr const char* kNoFitRow = "No result can be used to fit!";
constexpr const char* kNoDimensionText = "No fractal dimension yet!";
constexpr const char* kDataTitle = "Data For Fit Regress";
// The blanks before each column of a data row.
constexpr const char* kBeforeX = "                        ";
constexpr const char* kBeforeY = "                          ";
constexpr int kXField = 20;

constexpr int kGap = 8;
constexpr int kNarrowestList = 200;

}  // namespace

wxString COutputForm::DataRow(std::int32_t x, std::int32_t y) {
  return wxString::Format("%s%-20d%s%-10d", kBeforeX, x, kBeforeY, y);
}

// The bounds by the dimension's own three-decimal rule, so that the dimension
// shown always lies between the bounds shown.
wxString COutputForm::IntervalText(const std::optional<DimensionInterval>& interval) {
  if (!interval) return {};
  return wxString::Format("95 %% interval: %s to %s (n = %d)", ThreeDecimal(interval->low),
                          ThreeDecimal(interval->high), interval->points);
}

bool COutputForm::Create(wxWindow* parent, wxDocument& document, wxWindow& frame) {
  if (!FormPane::Create(parent, document, frame)) return false;
  BuildControls();
  OfferExportMenu(*this);
  return true;
}

// The dimension and the four places for a theoretical dimension and an error
// on one line, the data list below it over the whole width, which the rows of a
// fixed-width font need.
void COutputForm::BuildControls() {
  auto* fdLabel = new wxStaticText(this, wxID_ANY, "KEP Fractal Dimension :");
  auto* fdText =
      new wxStaticText(this, wxID_ANY, "No result.", wxDefaultPosition, wxSize(FromDIP(180), -1),
                       wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
  LabelControl(*fdLabel, *fdText);
  auto* theoryLabel = new wxStaticText(this, wxID_ANY, "Theoretical Fractal Dimension :");
  auto* theoryValue = new wxStaticText(this, wxID_ANY, "No Result");
  auto* errorLabel = new wxStaticText(this, wxID_ANY, "% Error :");
  auto* errorValue = new wxStaticText(this, wxID_ANY, "No Result");

  auto* results = new wxBoxSizer(wxHORIZONTAL);
  results->Add(fdLabel, 0, wxALIGN_CENTRE_VERTICAL | wxRIGHT, kGap);
  results->Add(fdText, 0, wxALIGN_CENTRE_VERTICAL | wxRIGHT, 2 * kGap);
  for (wxStaticText* text : {theoryLabel, theoryValue, errorLabel, errorValue}) {
    results->Add(text, 0, wxALIGN_CENTRE_VERTICAL | wxRIGHT, kGap);
  }
  // Under the dimension, how far it is known.
  auto* intervalText = new wxStaticText(this, wxID_ANY, wxString());

  // The box's controls are the form's: a box that holds its controls itself asks
  // for the room they had at their widest, so the pane could never narrow it.
  auto* data = new wxStaticBoxSizer(wxVERTICAL, this, kDataTitle);
  m_xHeadingLabel = new wxStaticText(this, wxID_ANY, "X");
  m_yHeadingLabel = new wxStaticText(this, wxID_ANY, "Y");
  m_dataList = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr,
                             wxLB_SINGLE | wxLB_ALWAYS_SB | wxLB_HSCROLL);
  m_dataList->SetFont(wxFont(wxFontInfo(GetFont().GetPointSize()).Family(wxFONTFAMILY_TELETYPE)));
  // The list takes the width its box has; were it as wide as its longest row,
  // the pane would have to scroll to show the list's edge.
  m_dataList->SetMinSize(wxSize(FromDIP(kNarrowestList), -1));
  auto* headings = new wxBoxSizer(wxHORIZONTAL);
  headings->Add(m_xHeadingLabel);
  headings->Add(m_yHeadingLabel);
  data->Add(headings, 0, wxEXPAND | wxBOTTOM, kGap / 2);
  data->Add(m_dataList, 1, wxEXPAND);

  auto* form = new wxBoxSizer(wxVERTICAL);
  form->Add(results, 0, wxLEFT | wxRIGHT | wxTOP, kGap);
  form->Add(intervalText, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, kGap);
  form->Add(data, 1, wxEXPAND | wxALL, kGap);
  SetSizer(form);
  AlignHeadings();

  m_fields.AddText(*errorValue, m_errorValueText);
  m_fields.AddText(*errorLabel, m_errorLabelText);
  m_fields.AddText(*theoryValue, m_theoryValueText);
  m_fields.AddText(*theoryLabel, m_theoryLabelText);
  m_fields.AddText(*fdText, m_fdText);
  m_fields.AddText(*intervalText, m_intervalText);
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
  m_errorValueText = " ";
  m_errorLabelText = "";
  m_theoryValueText = " ";
  m_theoryLabelText = " ";
  m_fields.ToControls();
}

// The list is named after its box, and says what its columns hold.
void COutputForm::OnUpdate(DocumentPane*, wxObject*) {
  const ResultDocument* document = GetDocument();
  if (!document) return;
  const PointSeries& series = document->ResultSeries();
  wxArrayString rows;
  for (const SeriesPoint& point : series) rows.Add(DataRow(point.x, point.y));
  if (rows.empty()) rows.Add(kNoFitRow);
  if (m_dataList->GetStrings() != rows) m_dataList->Set(rows);
  const double dimension = document->ResultDimension();
  m_fdText = dimension >= 0.0 ? wxString(ThreeDecimal(dimension)) : wxString(kNoDimensionText);
  m_intervalText = IntervalText(document->ResultInterval());
  m_errorValueText = document->ErrorValueText();
  m_errorLabelText = document->ErrorLabelText();
  m_theoryValueText = document->TheoryValueText();
  m_theoryLabelText = document->TheoryLabelText();
  const AxisHeadings headings = HeadingsOf(document->ResultMethod());
  m_xHeading = headings.x;
  m_yHeading = headings.y;
  m_fields.ToControls();
  NameControl(*m_dataList, kDataTitle, m_xHeading + ", " + m_yHeading);
}

}  // namespace kep
