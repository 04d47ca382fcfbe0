// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Random user actions on a real window, and what each must do to the reference model. The
// prediction reads only the action and where the keyboard focus stood, never the controls'
// states, so a front end that gets a state wrong is caught at that step.
#pragma once

#include <cstddef>
#include <random>

#include "tests/support/reference_model.h"

namespace voice_types::tests {

enum class SoakKey { Space, Tab, Backtab, Left, Right, Up, Down };

struct SoakAction {
  bool click;        // a mouse click on the control at `slot`, or else a key press
  std::size_t slot;  // form table slot of the clicked control
  SoakKey key;
};

// Where the focus is when no control of the form holds it.
inline constexpr std::size_t kNoSlot = static_cast<std::size_t>(-1);

// Half the time a click on a visible radio button or voice box, else a key.
SoakAction NextSoakAction(std::mt19937& random, const ReferenceModel& model);

// When an arrow key that moves the focus onto a radio button also selects it.
enum class ArrowOntoRadio {
  kAlways,             // the Windows dialog manager
  kFromSelectedRadio,  // Qt: only when the radio button it leaves was the selected one
};

struct SoakRules {
  ArrowOntoRadio arrow;
};

void ApplySoakAction(ReferenceModel& model, const SoakAction& action, std::size_t focus_before,
                     std::size_t focus_after, SoakRules rules);

// How many actions a soak test runs: VOICE_TYPES_SOAK_ACTIONS if set, else the default.
int SoakActionCount(int fallback);

}  // namespace voice_types::tests
