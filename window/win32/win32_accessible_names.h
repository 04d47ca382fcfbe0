// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Names that screen readers (Narrator, NVDA) read for controls whose own text does not name
// them, and the polite live region that says each new log line, given through the
// platform's Dynamic Annotation service.
#pragma once

#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

struct IAccPropServices;

namespace voice_types::win32 {

class AccessibleNames {
 public:
  AccessibleNames();
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  // S_OK, or why the system could not take the name.
  HRESULT Name(HWND control, std::string_view name);
  // Makes a control a polite live region: a change of its text, once announced, is read
  // when the reader is free, without moving the user's place.
  HRESULT Polite(HWND control);
  // Takes the names back; called while the controls still exist.
  void Clear();

 private:
  bool com_started_ = false;
  IAccPropServices* service_ = nullptr;
  // Each control with a property given to it, to take back.
  std::vector<std::pair<HWND, GUID>> set_;
};

// Puts a line into a live region and tells screen readers that it changed.
void Announce(HWND region, std::string_view line);

}  // namespace voice_types::win32
