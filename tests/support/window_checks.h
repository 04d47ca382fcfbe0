// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// What a test reads off any real window fixture (window_drills.h says what one offers).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/reference_model.h"
#include "tests/support/soak.h"
#include "window/form.h"

namespace voice_types::tests {

// The form slot of the control that has the keyboard focus; kNoSlot for none of them.
template <class Window>
std::size_t FocusedSlot(const Window& window) {
  for (std::size_t slot = 0; slot < form::kControlCount; ++slot) {
    if (window.HasFocus(slot)) return slot;
  }
  return kNoSlot;
}

// Every box's visibility and state, and the log both as the port gives it and as shown.
template <class Window>
void ExpectMatches(Window& window, const ReferenceModel& model) {
  for (VoiceGroup group : kVoiceGroups) {
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      const std::size_t slot = form::VoiceSlot(group, box);
      const std::string name = form::IdOf(form::kControls[slot]);
      EXPECT_EQ(window.Shown(slot), model.Visible(group, box)) << name;
      EXPECT_EQ(window.port.VoiceState(group, box) == CheckState::Checked,
                model.Checked(group, box))
          << name;
    }
  }
  EXPECT_EQ(window.Log(), model.Log());
  EXPECT_EQ(window.ShownLog(), model.Log());
  EXPECT_TRUE(window.failures.empty());
}

}  // namespace voice_types::tests
