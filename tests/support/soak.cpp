// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/soak.h"

#include <cstdlib>
#include <string>

#include "window/form.h"

namespace voice_types::tests {
namespace {

std::optional<VoiceGroup> OptionGroupAt(std::size_t slot) {
  for (VoiceGroup group : kVoiceGroups) {
    if (slot == form::OptionSlot(OptionIndexOf(group))) return group;
  }
  return std::nullopt;
}

void Choose(ReferenceModel& model, VoiceGroup group) {
  const std::optional<VoiceGroup> on_view = model.OnView();
  // A click on the group already chosen is no new choice.
  if (!on_view.has_value() || *on_view != group) model.Choose(group);
}

// A click, or Space on the focused control.
void Press(ReferenceModel& model, std::size_t slot) {
  if (slot >= form::kControlCount) return;
  if (const auto group = OptionGroupAt(slot)) {
    Choose(model, *group);
  } else if (const auto voice_group = form::VoiceGroupOf(form::kControls[slot])) {
    model.Toggle(*voice_group, form::kControls[slot].index);
  }
}

}  // namespace

SoakAction NextSoakAction(std::mt19937& random, const ReferenceModel& model) {
  if (std::bernoulli_distribution(0.5)(random)) {
    const int pick = std::uniform_int_distribution<int>(0, 5)(random);
    if (pick < 2 || !model.OnView()) {
      return {true, form::OptionSlot(static_cast<ControlIndex>(pick % 2)), SoakKey::Space};
    }
    return {true, form::VoiceSlot(*model.OnView(), static_cast<ControlIndex>(pick - 2)),
            SoakKey::Space};
  }
  const auto key = static_cast<SoakKey>(std::uniform_int_distribution<int>(0, 6)(random));
  return {false, kNoSlot, key};
}

void ApplySoakAction(ReferenceModel& model, const SoakAction& action, std::size_t focus_before,
                     std::size_t focus_after, SoakRules rules) {
  if (action.click) return Press(model, action.slot);
  switch (action.key) {
    case SoakKey::Space:
      return Press(model, focus_before);
    case SoakKey::Tab:
    case SoakKey::Backtab:
      return;
    default:
      if (focus_after == focus_before || focus_after >= form::kControlCount) return;
      if (const auto group = OptionGroupAt(focus_after)) {
        const std::optional<VoiceGroup> left = OptionGroupAt(focus_before);
        const bool left_selected = left.has_value() && model.OnView() == left;
        if (rules.arrow == ArrowOntoRadio::kAlways || left_selected) Choose(model, *group);
      }
  }
}

int SoakActionCount(int fallback) {
  const char* value = std::getenv("VOICE_TYPES_SOAK_ACTIONS");
  return value != nullptr ? std::stoi(value) : fallback;
}

}  // namespace voice_types::tests
