#include "app/table_window.h"

#include <algorithm>

#include <wx/display.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>

#include "app/pane_view.h"
#include "app/table_pane.h"

namespace kep {

namespace {

constexpr int kWindowHeight = 420;
// Room for the list's frame, scroll bar and the window's edges.
constexpr int kListMargin = 60;

}  // namespace

TableWindow::TableWindow(wxWindow& documentWindow, const wxString& title)
    : wxFrame(&documentWindow, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT) {
  Bind(wxEVT_CLOSE_WINDOW, &TableWindow::OnClose, this);
  Bind(wxEVT_CHAR_HOOK, &TableWindow::OnKey, this);
}

TableWindow& TableWindow::Show(wxWindow& documentWindow, wxDocument& document, const wxString& name,
                               Contents contents) {
  for (wxWindow* child : documentWindow.GetChildren()) {
    auto* open = dynamic_cast<TableWindow*>(child);
    if (open && open->m_pane->Name() == name && !open->IsBeingDeleted()) {
      open->Raise();
      return *open;
    }
  }
  auto* window = new TableWindow(documentWindow, name + " - " + document.GetUserReadableName());
  window->m_pane = new TablePane(std::move(contents), name);
  window->m_pane->Create(window, document, *window);
  window->m_pane->OnInitialUpdate();
  auto* fill = new wxBoxSizer(wxVERTICAL);
  fill->Add(window->m_pane, 1, wxEXPAND);
  window->SetSizer(fill);

  // As wide as the columns and the caption, within the screen.
  const wxListCtrl& list = window->m_pane->List();
  int width = 0;
  for (int column = 0; column < list.GetColumnCount(); ++column)
    width += list.GetColumnWidth(column);
  width = std::max(width + window->FromDIP(kListMargin), window->m_pane->GetBestSize().x);
  const wxRect screen = wxDisplay(wxDisplay::GetFromWindow(&documentWindow)).GetClientArea();
  window->SetClientSize(std::min(width, screen.width * 9 / 10),
                        std::min(window->FromDIP(kWindowHeight), screen.height * 9 / 10));
  window->Layout();
  window->CentreOnParent();
  window->wxFrame::Show();
  window->m_pane->List().SetFocus();
  return *window;
}

bool TableWindow::IsOpen(const wxDocument& document, const wxString& name) {
  for (const wxView* view : document.GetViewsVector()) {
    const auto* paneView = dynamic_cast<const PaneView*>(view);
    const auto* table = paneView ? dynamic_cast<const TablePane*>(paneView->Pane()) : nullptr;
    if (table && table->Name() == name) return true;
  }
  return false;
}

// The window leaves its document's panes first, as a document window does.
void TableWindow::OnClose(wxCloseEvent&) {
  delete m_pane->GetView();
  Destroy();
}

void TableWindow::OnKey(wxKeyEvent& event) {
  if (event.GetKeyCode() == WXK_ESCAPE && event.GetModifiers() == wxMOD_NONE) {
    Close();
  } else if (event.GetKeyCode() == 'C' && event.GetModifiers() == wxMOD_CONTROL) {
    m_pane->Copy();
  } else {
    event.Skip();
  }
}

}  // namespace kep
