#include "app/main_frame.h"

#include <array>

#include <wx/display.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/busy_scope.h"
#include "app/four_pane_frame.h"
#include "app/kep_document.h"
#include "app/lock_keys.h"
#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/tool_bar.h"

namespace kep {

namespace {

constexpr int kStatusPanes = 4;

// Each indicator pane is as wide as its text, so that the texts never move.
void SetUpStatusBar(wxStatusBar& statusBar) {
  std::array<int, kStatusPanes> widths{-1};
  std::array<int, kStatusPanes> styles{wxSB_NORMAL};
  const std::array<const char*, 3> indicators = {"CAP", "NUM", "SCRL"};
  for (size_t i = 0; i < indicators.size(); ++i) {
    widths[i + 1] = statusBar.GetTextExtent(indicators[i]).x + 16;
    styles[i + 1] = wxSB_SUNKEN;
  }
  statusBar.SetStatusWidths(kStatusPanes, widths.data());
  statusBar.SetStatusStyles(kStatusPanes, styles.data());
}

}  // namespace

bool CMainFrame::Create(wxDocManager& docManager) {
  // Without a window manager (a virtual screen) maximising does nothing, so the
  // frame starts as large as the screen anyway.
  const wxRect screen = wxDisplay(0u).GetClientArea();
  if (!wxDocMDIParentFrame::Create(&docManager, nullptr, wxID_ANY, "KEP", screen.GetPosition(),
                                   screen.GetSize(), wxDEFAULT_FRAME_STYLE | wxMAXIMIZE)) {
    return false;
  }

  wxMenuBar* menuBar = CreateMainMenuBar();
  SetMenuBar(menuBar);
  docManager.FileHistoryUseMenu(FileMenuOf(*menuBar));
  docManager.FileHistoryAddFilesToMenu(FileMenuOf(*menuBar));
  SetAcceleratorTable(CreateMainAcceleratorTable());

  wxToolBar* toolBar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP);
  wxStatusBar* statusBar = CreateStatusBar(kStatusPanes);
  if (!toolBar || !statusBar) return false;
  AddMainTools(*toolBar);
  SetUpStatusBar(*statusBar);

  Bind(wxEVT_MENU, &CMainFrame::OnToggleToolBar, this, kIdViewToolBar);
  Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, kIdViewStatusBar);
  Bind(wxEVT_MENU, &CMainFrame::OnWindowNew, this, kIdWindowNew);
  Bind(wxEVT_MENU, &CMainFrame::OnNextPane, this, kIdNextPane);
  Bind(wxEVT_MENU, &CMainFrame::OnNextPane, this, kIdPreviousPane);
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& event) { event.Check(GetToolBar()->IsShown()); },
       kIdViewToolBar);
  Bind(wxEVT_UPDATE_UI,
       [this](wxUpdateUIEvent& event) { event.Check(GetStatusBar()->IsShown()); },
       kIdViewStatusBar);
  for (int command : {kIdWindowNew, kIdNextPane, kIdPreviousPane}) {
    Bind(wxEVT_UPDATE_UI,
         [this](wxUpdateUIEvent& event) { event.Enable(ActiveDocumentFrame() != nullptr); },
         command);
  }
  for (int command :
       {wxID_MDI_WINDOW_CASCADE, wxID_MDI_WINDOW_TILE_HORZ, wxID_MDI_WINDOW_ARRANGE_ICONS}) {
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, command);
  }
  // A running command still works on its document.
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (event.CanVeto() && BusyScope::RefusesClosing(this)) {
      event.Veto();
    } else {
      event.Skip();
    }
  });
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    UpdateIdleState();
    event.Skip();
  });
  return true;
}

// Keys that stand for menu commands reach the window even while its menus refuse
// input; the document manager would carry them out before the window's handlers
// see them.
bool CMainFrame::TryBefore(wxEvent& event) {
  if (event.GetEventType() == wxEVT_MENU && BusyScope::IsBusy()) return true;
  return wxDocMDIParentFrame::TryBefore(event);
}

FourPaneFrame* CMainFrame::ActiveDocumentFrame() const {
  return dynamic_cast<FourPaneFrame*>(GetActiveChild());
}

void CMainFrame::UpdateIdleState() {
  const std::array<wxString, 3> texts = LockKeyIndicatorTexts(CurrentLockKeys());
  for (size_t i = 0; i < texts.size(); ++i) {
    const int pane = static_cast<int>(i) + 1;
    if (GetStatusBar()->GetStatusText(pane) != texts[i]) SetStatusText(texts[i], pane);
  }

  const FourPaneFrame* child = ActiveDocumentFrame();
  wxString title = "KEP";
  if (child) title += " - " + child->GetTitle();
  if (GetTitle() != title) SetTitle(title);

  // Written only when it changes, so that a menu's help text stays while shown.
  const auto* document = child ? dynamic_cast<const KepDocument*>(child->GetDocument()) : nullptr;
  const wxString status = document ? document->StatusText() : wxString();
  if (status != m_shownStatus) {
    m_shownStatus = status;
    SetStatusText(status, 0);
  }
}

void CMainFrame::OnToggleToolBar(wxCommandEvent&) {
  GetToolBar()->Show(!GetToolBar()->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
  GetStatusBar()->Show(!GetStatusBar()->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnWindowNew(wxCommandEvent&) {
  FourPaneFrame* active = ActiveDocumentFrame();
  if (!active) return;
  wxDocument* document = active->GetDocument();
  wxView* view = document->GetDocumentTemplate()->CreateView(document);
  if (auto* frame = view ? dynamic_cast<FourPaneFrame*>(view->GetFrame()) : nullptr) {
    frame->InitialUpdateFrame();
  }
}

void CMainFrame::OnNextPane(wxCommandEvent& event) {
  if (FourPaneFrame* active = ActiveDocumentFrame()) {
    active->ActivateNextPane(event.GetId() == kIdNextPane ? 1 : -1);
  }
}

}  // namespace kep
