// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The form table's controls as the platform's standard controls, each with the id that its
// notifications carry.
#pragma once

#include <windows.h>

#include <array>

#include "window/form.h"

namespace voice_types::win32 {

using Controls = std::array<HWND, form::kControlCount>;

// The control at each slot, as a child of the window, placed and sized later.
Controls CreateControls(HWND window, HINSTANCE instance);
// A static text of no size, after the fifteen controls and out of the tab order.
HWND CreateAnnouncer(HWND window, HINSTANCE instance);

// The slot of a control, from the id it was made with; past the table for any other window.
std::size_t SlotOf(HWND control);

}  // namespace voice_types::win32
