// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "core/control_port.h"

namespace voice_types {

bool ControlPort::IsOptionSelected(ControlIndex option) const {
  RequireOption(option);
  return ReadOptionSelected(option);
}

std::string ControlPort::OptionCaption(ControlIndex option) const {
  RequireOption(option);
  return ReadOptionCaption(option);
}

void ControlPort::SetVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) {
  RequireVoiceBox(group, box);
  WriteVoiceVisible(group, box, visible);
}

CheckState ControlPort::VoiceState(VoiceGroup group, ControlIndex box) const {
  RequireVoiceBox(group, box);
  return ReadVoiceState(group, box);
}

void ControlPort::SetVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  RequireVoiceBox(group, box);
  RequireCheckState(state);
  WriteVoiceState(group, box, state);
}

std::string ControlPort::VoiceCaption(VoiceGroup group, ControlIndex box) const {
  RequireVoiceBox(group, box);
  return ReadVoiceCaption(group, box);
}

Text ControlPort::LogText() const { return ReadLogText(); }

void ControlPort::SetLogText(const Text& text) { WriteLogText(text); }

}  // namespace voice_types
