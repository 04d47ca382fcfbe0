// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// What the window must show after a sequence of user actions, worked out from the actions
// alone. Tests of every front end compare the real controls against it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/controls.h"

namespace voice_types::tests {

class ReferenceModel {
 public:
  ReferenceModel();

  // The user selects a group's radio button (also the one already selected).
  void Choose(VoiceGroup group);
  // The user flips a box of the group on view.
  void Toggle(VoiceGroup group, ControlIndex box);

  std::optional<VoiceGroup> OnView() const { return on_view_; }
  bool Visible(VoiceGroup group, ControlIndex box) const;
  bool Checked(VoiceGroup group, ControlIndex box) const;
  const std::string& Log() const { return log_; }

 private:
  std::optional<VoiceGroup> on_view_;
  std::array<std::array<bool, kVoicesPerGroup>, 2> checked_{};
  std::string log_;
};

}  // namespace voice_types::tests
