#include "app/four_pane_frame.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <wx/menu.h>
#include <wx/splitter.h>

#include "app/busy_scope.h"
#include "app/document_pane.h"
#include "app/export_commands.h"
#include "app/pane_view.h"
#include "resources/menus.h"

namespace kep {

namespace {

// Keeps a sash from being dragged so far that a pane disappears.
constexpr int kMinimumPaneSize = 10;

wxSplitterWindow* NewSplitter(wxWindow* parent) {
  auto* splitter = new wxSplitterWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                        wxSP_3DSASH | wxSP_LIVE_UPDATE);
  splitter->SetMinimumPaneSize(kMinimumPaneSize);
  return splitter;
}

}  // namespace

FourPaneFrame::~FourPaneFrame() {
  if (m_fileMenu) wxDocManager::GetDocumentManager()->FileHistoryRemoveMenu(m_fileMenu);
}

bool FourPaneFrame::Create(wxDocument& document, wxMDIParentFrame& parent,
                           const FourPaneLayout& layout) {
  if (!wxDocMDIChildFrame::Create(&document, nullptr, &parent, wxID_ANY,
                                  document.GetUserReadableName(), wxDefaultPosition,
                                  wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE)) {
    return false;
  }

  // The frame holds the panes: it never takes the keyboard itself, or the
  // toolkit would stop there instead of moving on to the panes' controls.
  SetCanFocus(false);

  wxMenuBar* menuBar = CreateDocumentMenuBar();
  SetMenuBar(menuBar);
  m_fileMenu = FileMenuOf(*menuBar);
  AddExportCommands(*m_fileMenu);
  wxDocManager::GetDocumentManager()->FileHistoryUseMenu(m_fileMenu);
  wxDocManager::GetDocumentManager()->FileHistoryAddFilesToMenu(m_fileMenu);

  wxSplitterWindow* outer = NewSplitter(this);
  m_panes[kForm] = CreatePane(layout.form, outer);
  wxSplitterWindow* right = NewSplitter(outer);
  m_panes[kUpper] = CreatePane(layout.upper, right);
  wxSplitterWindow* lower = NewSplitter(right);
  m_panes[kLowerLeft] = CreatePane(layout.lowerLeft, lower);
  m_panes[kLowerRight] = CreatePane(layout.lowerRight, lower);
  for (DocumentPane* pane : m_panes) {
    if (!pane) return false;
  }

  lower->SplitVertically(m_panes[kLowerLeft], m_panes[kLowerRight], layout.lowerLeftWidth);
  right->SplitHorizontally(m_panes[kUpper], lower, layout.upperHeight);
  outer->SplitVertically(m_panes[kForm], right, layout.formWidth);

  for (DocumentPane* pane : m_panes) {
    pane->Bind(wxEVT_CHILD_FOCUS, [this, pane](wxChildFocusEvent& event) {
      ActivatePane(*pane);
      event.Skip();
    });
    pane->Bind(wxEVT_LEFT_DOWN, [this, pane](wxMouseEvent& event) {
      ActivatePane(*pane);
      pane->SetFocus();
      event.Skip();
    });
  }
  ActivatePane(*m_panes[kForm]);
  // Bound after the framework's own handler, so it runs instead of it.
  Bind(wxEVT_CLOSE_WINDOW, &FourPaneFrame::OnCloseWindow, this);
  Show();
  return true;
}

void FourPaneFrame::OnCloseWindow(wxCloseEvent& event) {
  // A running command still works on the document.
  if (event.CanVeto() && BusyScope::RefusesClosing(this)) {
    event.Veto();
    return;
  }
  if (IsOnlyWindowOfDocument() && !GetDocument()->Close() && event.CanVeto()) {
    event.Veto();
    return;
  }
  // The document goes with its last view, and the active view loses its frame
  // below, so the views to delete are known first.
  std::vector<wxView*> ownViews;
  for (wxView* view : GetDocument()->GetViewsVector()) {
    if (Shows(*view)) ownViews.push_back(view);
  }
  // Detached first, so that deleting the active view does not destroy the frame
  // underneath this handler.
  if (wxView* view = GetView()) {
    view->Activate(false);
    view->SetDocChildFrame(nullptr);
  }
  SetView(nullptr);
  for (wxView* view : ownViews) delete view;
  Destroy();
}

bool FourPaneFrame::IsOnlyWindowOfDocument() const {
  for (wxView* view : GetDocument()->GetViewsVector()) {
    if (!Shows(*view)) return false;
  }
  return true;
}

// The panes' views, and those of the windows the frame owns (its tables).
bool FourPaneFrame::Shows(const wxView& view) const {
  for (const wxWindow* window = view.GetFrame(); window != nullptr; window = window->GetParent()) {
    if (window == this) return true;
  }
  return false;
}

DocumentPane* FourPaneFrame::CreatePane(FourPaneLayout::PaneFactory factory, wxWindow* parent) {
  std::unique_ptr<DocumentPane> pane(factory());
  if (!pane || !pane->Create(parent, *GetDocument(), *this)) return nullptr;
  return pane.release();
}

void FourPaneFrame::InitialUpdateFrame() {
  if (m_initialUpdateDone) return;
  m_initialUpdateDone = true;
  for (DocumentPane* pane : m_panes) pane->OnInitialUpdate();
  // The keyboard starts on the form's first control.
  m_panes[kForm]->SetFocus();
}

void FourPaneFrame::ActivatePane(DocumentPane& pane) {
  if (m_activePane == &pane) return;
  // The frame's view is the active pane's: the framework makes it the current
  // view whenever the frame is activated, and destroys the frame when the
  // document deletes it on closing.
  if (wxView* previous = GetView()) {
    previous->SetDocChildFrame(nullptr);
    previous->SetFrame(this);
  }
  m_activePane = &pane;
  pane.GetView()->SetDocChildFrame(this);
  SetView(pane.GetView());
  pane.GetView()->Activate(true);
}

void FourPaneFrame::ActivateNextPane(int step) {
  const auto active = std::find(m_panes.begin(), m_panes.end(), m_activePane);
  const int index = active == m_panes.end() ? 0 : static_cast<int>(active - m_panes.begin());
  const int count = static_cast<int>(m_panes.size());
  DocumentPane* next = m_panes[((index + step) % count + count) % count];
  ActivatePane(*next);
  next->SetFocus();
}

}  // namespace kep
