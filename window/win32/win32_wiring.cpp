// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_wiring.h"

#include <cstdio>

#include "core/catalogue.h"
#include "window/win32/win32_text.h"

namespace voice_types::win32 {

Win32Wiring::Win32Wiring(Win32Form& form, VoiceSelector& selector,
                         Wiring::FailureHandler on_failure)
    : Wiring(selector, std::move(on_failure)), form_(form) {
  form_.OnCommand([this](std::size_t slot, WORD code) { OnCommand(slot, code); });
}

// A radio button reports every click, also on the one already selected, and one reached by
// the keyboard reports before it is selected: only a report after the selection has moved
// is a choice.
void Win32Wiring::OnCommand(std::size_t slot, WORD code) {
  if (slot >= form::kControlCount || code != BN_CLICKED) return;
  if (form::kControls[slot].kind == form::ControlKind::RadioButton) {
    if (SendMessageW(form_.Control(slot), BM_GETCHECK, 0, 0) != BST_CHECKED || slot == chosen_) {
      return;
    }
    chosen_ = slot;
  }
  OnChange(slot);
}

}  // namespace voice_types::win32

namespace voice_types {

// Prints the failure to stderr, shows it in a message box and ends the message loop with
// status 1.
void ReportFailure(const std::string& message) {
  const std::string said = FailureText(message);
  std::fprintf(stderr, "%s\n", said.c_str());
  MessageBoxW(nullptr, win32::Widen(said).c_str(), win32::Widen(catalogue::kProgramName).c_str(),
              MB_OK | MB_ICONERROR);
  PostQuitMessage(1);
}

}  // namespace voice_types
