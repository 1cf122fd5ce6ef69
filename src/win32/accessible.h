#pragma once

#include "layout.h"

#include <windows.h>

namespace win32 {

// Lets assistive technology read the control's name, role and description from its row of the table: the
// control answers WM_GETOBJECT for its client area with an object over Windows' standard one, which gives
// everything else (state, place, value, navigation). False when the control cannot be subclassed.
bool makeAccessible(HWND control, const form::ControlLayout& row);

}  // namespace win32
