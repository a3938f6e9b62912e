#include "app/lock_keys.h"

#include <X11/XKBlib.h>
#include <wx/utils.h>

namespace kep {

namespace {

bool IndicatorOn(Display* display, const char* name) {
  Bool on = False;
  const Atom atom = XInternAtom(display, name, False);
  return XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}

}  // namespace

LockKeys CurrentLockKeys() {
  // The toolkit only says whether a key is held down; whether a lock is on is the
  // state of the keyboard's indicator, which the X server keeps. (Under Wayland,
  // where there is no X server, the indicators stay off.)
  const wxDisplayInfo info = wxGetDisplayInfo();
  if (info.type != wxDisplayX11 || !info.dpy) return {};
  auto* display = static_cast<Display*>(info.dpy);
  return {IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
          IndicatorOn(display, "Scroll Lock")};
}

std::array<wxString, 3> LockKeyIndicatorTexts(const LockKeys& keys) {
  return {keys.capsLock ? "CAP" : "", keys.numLock ? "NUM" : "", keys.scrollLock ? "SCRL" : ""};
}

}  // namespace kep
