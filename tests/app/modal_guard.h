#pragma once

#include <functional>
#include <optional>

#include <wx/modalhook.h>
#include <wx/string.h>

namespace kep::test {

// Fails the running test when a real modal dialog is about to be shown, or when
// the toolkit asserts, and keeps the dialog from blocking. A test that expects a
// dialog (the About box) announces it; the guard then lets the test look at the
// dialog and answers it without showing it.
class ModalGuard final : public wxModalDialogHook {
 public:
  ModalGuard();
  ~ModalGuard() override;

  void ExpectDialog(const wxString& title, std::function<void(wxDialog&)> inspect);
  // Whether the announced dialog came.
  bool ExpectedDialogShown() const { return !m_expected; }

 protected:
  int Enter(wxDialog* dialog) override;

 private:
  struct Expectation {
    wxString title;
    std::function<void(wxDialog&)> inspect;
  };
  std::optional<Expectation> m_expected;
};

}  // namespace kep::test
