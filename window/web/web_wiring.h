// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Delivers the page's change events to the selector.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "core/voice_selector.h"
#include "window/delivery_guard.h"

namespace voice_types::web {

// Connects the radio buttons and check boxes to the selector, every delivery guarded. The
// page reports by slot; one wiring at a time receives the reports.
class WebWiring {
 public:
  WebWiring(VoiceSelector& selector, DeliveryGuard::FailureHandler on_failure);
  ~WebWiring();
  WebWiring(const WebWiring&) = delete;
  WebWiring& operator=(const WebWiring&) = delete;

  void Deliver(const std::function<void()>& call) { guard_.Run(call); }
  bool Failed() const { return guard_.Failed(); }

  // A control at a form table slot reported a change.
  void OnChange(std::size_t slot);

 private:
  VoiceSelector& selector_;
  DeliveryGuard guard_;
};

}  // namespace voice_types::web
