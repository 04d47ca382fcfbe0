// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the controls' notifications to the selector.
#pragma once

#include <functional>

#include "core/voice_selector.h"
#include "window/delivery_guard.h"
#include "window/win32/win32_form.h"

namespace voice_types::win32 {

// Connects the radio buttons and check boxes to the selector, every delivery guarded.
class Win32Wiring {
 public:
  Win32Wiring(Win32Form& form, VoiceSelector& selector, DeliveryGuard::FailureHandler on_failure);
  // The window outlives the wiring and still sends notifications while it is destroyed.
  ~Win32Wiring() { form_.OnCommand(nullptr); }
  Win32Wiring(const Win32Wiring&) = delete;
  Win32Wiring& operator=(const Win32Wiring&) = delete;

  // Runs one call into the selector under the guard.
  void Deliver(const std::function<void()>& call) { guard_.Run(call); }
  bool Failed() const { return guard_.Failed(); }

 private:
  void OnCommand(std::size_t slot, WORD code);

  Win32Form& form_;
  VoiceSelector& selector_;
  DeliveryGuard guard_;
};

// Shows the failure in a message box, prints it to stderr and ends the message loop with
// status 1.
void ReportFailureAndQuit(const std::string& message);

}  // namespace voice_types::win32
