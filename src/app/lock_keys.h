#pragma once

#include <array>

#include <wx/string.h>

namespace kep {

struct LockKeys {
  bool capsLock = false;
  bool numLock = false;
  bool scrollLock = false;
};

// Which of the three lock keys are on now.
LockKeys CurrentLockKeys();

// The texts of the status bar's three indicator panes: "CAP", "NUM" and "SCRL"
// while the key is on, empty while it is off.
std::array<wxString, 3> LockKeyIndicatorTexts(const LockKeys& keys);

}  // namespace kep
