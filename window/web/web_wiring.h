// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the page's change events to the selector.
#pragma once

#include "window/web/web_form.h"
#include "window/wiring.h"

namespace voice_types::web {

// Connects the radio buttons and check boxes to the selector, every delivery guarded. The
// page reports by slot, a radio button only once it is selected; one wiring at a time
// receives the reports.
class WebWiring : public Wiring {
 public:
  WebWiring(WebForm& form, VoiceSelector& selector, Wiring::FailureHandler on_failure);
  ~WebWiring();
  WebWiring(const WebWiring&) = delete;
  WebWiring& operator=(const WebWiring&) = delete;
};

}  // namespace voice_types::web
