// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the controls' notifications to the selector.
#pragma once

#include "window/win32/win32_form.h"
#include "window/wiring.h"

namespace voice_types::win32 {

// Connects the radio buttons and check boxes to the selector, every delivery guarded.
class Win32Wiring : public Wiring {
 public:
  Win32Wiring(Win32Form& form, VoiceSelector& selector, Wiring::FailureHandler on_failure);
  // The window outlives the wiring and still sends notifications while it is destroyed.
  ~Win32Wiring() { form_.OnCommand(nullptr); }
  Win32Wiring(const Win32Wiring&) = delete;
  Win32Wiring& operator=(const Win32Wiring&) = delete;

 private:
  void OnCommand(std::size_t slot, WORD code);

  Win32Form& form_;
  // The radio button last selected: a click on it again is no new choice.
  std::size_t chosen_ = form::kControlCount;
};

}  // namespace voice_types::win32
