// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_wiring.h"

#include <emscripten.h>

#include "window/form.h"

namespace voice_types::web {
namespace {

WebWiring* current = nullptr;

}  // namespace

WebWiring::WebWiring(VoiceSelector& selector, DeliveryGuard::FailureHandler on_failure)
    : selector_(selector), guard_(std::move(on_failure)) {
  current = this;
}

WebWiring::~WebWiring() {
  if (current == this) current = nullptr;
}

// A radio button's change comes only for the one that became selected: that is the choice.
// A check box's change is a toggle.
void WebWiring::OnChange(std::size_t slot) {
  if (slot >= form::kControlCount) return;
  const form::ControlSpec& control = form::kControls[slot];
  if (control.kind == form::ControlKind::RadioButton) {
    Deliver([this, &control] { selector_.OnVoiceGroupChosen(control.index); });
  } else if (const auto group = form::VoiceGroupOf(control)) {
    Deliver([this, group, &control] { DeliverVoiceToggled(selector_, *group, control.index); });
  }
}

}  // namespace voice_types::web

extern "C" EMSCRIPTEN_KEEPALIVE void voice_types_event(int slot) {
  if (voice_types::web::current != nullptr && slot >= 0) {
    voice_types::web::current->OnChange(static_cast<std::size_t>(slot));
  }
}
