// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/delivery_guard.h"

#include <exception>

namespace voice_types {

void DeliveryGuard::Run(const std::function<void()>& call) {
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

}  // namespace voice_types
