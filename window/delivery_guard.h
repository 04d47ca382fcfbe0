// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Runs each delivery of a control event into the selector so that no exception crosses a
// toolkit's event loop: the first failure is handed on once, and nothing is delivered after it.
#pragma once

#include <functional>
#include <string>

namespace voice_types {

class DeliveryGuard {
 public:
  // Told once, with a message naming what went wrong.
  using FailureHandler = std::function<void(const std::string& message)>;

  explicit DeliveryGuard(FailureHandler on_failure) : on_failure_(std::move(on_failure)) {}

  void Run(const std::function<void()>& call);
  bool Failed() const { return failed_; }

 private:
  FailureHandler on_failure_;
  bool failed_ = false;
};

}  // namespace voice_types
