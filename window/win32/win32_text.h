// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The catalogue's UTF-8 meets the platform's UTF-16 here only.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace voice_types::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// A window's whole text, as UTF-8.
std::string WindowText(HWND window);

}  // namespace voice_types::win32
