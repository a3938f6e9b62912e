#pragma once

#include <array>

#include <wx/accel.h>

#include "resources/command_ids.h"

namespace kep {

struct AcceleratorKey {
  int flags;
  int keyCode;
  int command;
};

// The main window's keyboard shortcuts. The menus show the first key of each
// command; the others (Alt+Backspace, Shift+Delete, Ctrl+Insert, Shift+Insert)
// and the pane keys work all the same.
inline constexpr std::array<AcceleratorKey, 14> kMainAccelerators = {{
    {wxACCEL_CTRL, 'N', wxID_NEW},
    {wxACCEL_CTRL, 'O', wxID_OPEN},
    {wxACCEL_CTRL, 'S', wxID_SAVE},
    {wxACCEL_CTRL, 'P', wxID_PRINT},
    {wxACCEL_CTRL, 'Z', wxID_UNDO},
    {wxACCEL_ALT, WXK_BACK, wxID_UNDO},
    {wxACCEL_CTRL, 'X', wxID_CUT},
    {wxACCEL_SHIFT, WXK_DELETE, wxID_CUT},
    {wxACCEL_CTRL, 'C', wxID_COPY},
    {wxACCEL_CTRL, WXK_INSERT, wxID_COPY},
    {wxACCEL_CTRL, 'V', wxID_PASTE},
    {wxACCEL_SHIFT, WXK_INSERT, wxID_PASTE},
    {wxACCEL_NORMAL, WXK_F6, kIdNextPane},
    {wxACCEL_SHIFT, WXK_F6, kIdPreviousPane},
}};

wxAcceleratorTable CreateMainAcceleratorTable();

}  // namespace kep
