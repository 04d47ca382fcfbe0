// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/wiring.h"

#include <exception>

#include "core/catalogue.h"
#include "window/form.h"

namespace voice_types {

Wiring::Wiring(VoiceSelector& selector, FailureHandler on_failure)
    : selector_(selector), on_failure_(std::move(on_failure)) {}

void Wiring::Deliver(const std::function<void()>& call) {
  if (failed_) return;
  try {
    call();
  } catch (const std::exception& error) {
    failed_ = true;
    on_failure_(error.what());
  } catch (...) {
    failed_ = true;
    on_failure_("unknown failure");
  }
}

void Wiring::OnChange(std::size_t slot) {
  if (slot >= form::kControlCount) return;
  const form::ControlSpec& control = form::kControls[slot];
  if (control.kind == form::ControlKind::RadioButton) {
    Deliver([this, &control] { selector_.OnVoiceGroupChosen(control.index); });
  } else if (const auto group = form::VoiceGroupOf(control)) {
    Deliver([this, group, &control] { DeliverVoiceToggled(selector_, *group, control.index); });
  }
}

std::string FailureText(const std::string& message) {
  return std::string(catalogue::kStoppedAfterError) + message;
}

}  // namespace voice_types
