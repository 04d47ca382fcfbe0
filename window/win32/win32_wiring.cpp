// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/win32/win32_wiring.h"

#include <cstdio>

#include "core/catalogue.h"
#include "window/win32/win32_text.h"

namespace voice_types::win32 {

Win32Wiring::Win32Wiring(Win32Form& form, VoiceSelector& selector,
                         DeliveryGuard::FailureHandler on_failure)
    : form_(form), selector_(selector), guard_(std::move(on_failure)) {
  form_.OnCommand([this](std::size_t slot, WORD code) { OnCommand(slot, code); });
}

void Win32Wiring::OnCommand(std::size_t slot, WORD code) {
  if (slot >= form::kControlCount || code != BN_CLICKED) return;
  const form::ControlSpec& control = form::kControls[slot];
  if (control.kind == form::ControlKind::RadioButton) {
    // A radio button reached by the keyboard reports before it is selected; only the
    // report after the selection has moved is a choice.
    if (SendMessageW(form_.Control(slot), BM_GETCHECK, 0, 0) != BST_CHECKED) return;
    Deliver([this, &control] { selector_.OnVoiceGroupChosen(control.index); });
  } else if (const auto group = form::VoiceGroupOf(control)) {
    Deliver([this, group, &control] { DeliverVoiceToggled(selector_, *group, control.index); });
  }
}

void ReportFailureAndQuit(const std::string& message) {
  const std::string said = std::string(catalogue::kStoppedAfterError) + message;
  std::fprintf(stderr, "%s\n", said.c_str());
  MessageBoxW(nullptr, Widen(said).c_str(), Widen(catalogue::kProgramName).c_str(),
              MB_OK | MB_ICONERROR);
  PostQuitMessage(1);
}

}  // namespace voice_types::win32
