// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "core/voice_selector.h"

#include "core/catalogue.h"

namespace voice_types {

void VoiceSelector::OnWindowLoaded() {
  for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
    port_.SetVoiceVisible(VoiceGroup::Male, box, false);
  }
  for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
    port_.SetVoiceVisible(VoiceGroup::Female, box, false);
  }
}

void VoiceSelector::OnVoiceGroupChosen(ControlIndex option) {
  const std::string caption = port_.OptionCaption(option);
  port_.SetLogText(Text(catalogue::kChosenPrefix) + caption + catalogue::kLineBreak);
  if (option != OptionIndexOf(VoiceGroup::Female)) {
    ShowMaleVoices();
  } else {
    ShowFemaleVoices();
  }
}

void VoiceSelector::OnFemaleVoiceToggled(ControlIndex box) {
  OnVoiceToggled(VoiceGroup::Female, box);
}

void VoiceSelector::OnMaleVoiceToggled(ControlIndex box) { OnVoiceToggled(VoiceGroup::Male, box); }

// Hiding first means a nested toggle event for a box being cleared finds the other
// radio selected and logs nothing.
void VoiceSelector::ShowMaleVoices() {
  HideAndClearVoices(VoiceGroup::Female);
  ShowVoices(VoiceGroup::Male);
}

void VoiceSelector::ShowFemaleVoices() {
  ShowVoices(VoiceGroup::Female);
  HideAndClearVoices(VoiceGroup::Male);
}

void VoiceSelector::ShowVoices(VoiceGroup group) {
  for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
    port_.SetVoiceVisible(group, box, true);
  }
}

void VoiceSelector::HideAndClearVoices(VoiceGroup group) {
  for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
    port_.SetVoiceVisible(group, box, false);
    port_.SetVoiceState(group, box, CheckState::Unchecked);
  }
}

void VoiceSelector::OnVoiceToggled(VoiceGroup group, ControlIndex box) {
  // A wrong index is a wiring fault even while the guard below would ignore it.
  RequireVoiceBox(group, box);
  if (!port_.IsOptionSelected(OptionIndexOf(group))) return;
  const bool checked = port_.VoiceState(group, box) == CheckState::Checked;
  AppendToLog(catalogue::ToggledPrefix(group, checked));
  AppendToLog(port_.VoiceCaption(group, box) + std::string(catalogue::kLineBreak));
}

void VoiceSelector::AppendToLog(std::string_view piece) {
  port_.SetLogText(port_.LogText() + piece);
}

void DeliverVoiceToggled(VoiceSelector& selector, VoiceGroup group, ControlIndex box) {
  RequireVoiceGroup(group);
  if (group == VoiceGroup::Female) {
    selector.OnFemaleVoiceToggled(box);
  } else {
    selector.OnMaleVoiceToggled(box);
  }
}

}  // namespace voice_types
