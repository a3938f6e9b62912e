#include "modal_guard.h"

#include <gtest/gtest.h>
#include <wx/dialog.h>

namespace kep::test {

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
                  const wxString& message) {
  ADD_FAILURE() << "wxWidgets assertion in " << function << " (" << file << ":" << line
                << "): " << condition << " " << message;
}

}  // namespace

ModalGuard::ModalGuard() {
  Register();
  wxSetAssertHandler(&FailOnAssert);
}

ModalGuard::~ModalGuard() { wxSetDefaultAssertHandler(); }

void ModalGuard::ExpectDialog(const wxString& title, std::function<void(wxDialog&)> inspect) {
  m_expected = Expectation{title, std::move(inspect)};
}

int ModalGuard::Enter(wxDialog* dialog) {
  if (m_expected && dialog->GetTitle() == m_expected->title) {
    const Expectation expected = *std::move(m_expected);
    m_expected.reset();
    expected.inspect(*dialog);
    return wxID_OK;
  }
  ADD_FAILURE() << "A modal dialog was about to be shown: \"" << dialog->GetTitle() << "\"";
  return wxID_CANCEL;
}

}  // namespace kep::test
