// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_control_port.h"

#include "window/web/web_page.h"

namespace voice_types::web {
namespace {

int OptionAt(ControlIndex option) { return WebForm::Slot(form::OptionSlot(option)); }

int VoiceAt(VoiceGroup group, ControlIndex box) {
  return WebForm::Slot(form::VoiceSlot(group, box));
}

}  // namespace

bool WebControlPort::ReadOptionSelected(ControlIndex option) const {
  return IsChecked(OptionAt(option));
}

std::string WebControlPort::ReadOptionCaption(ControlIndex option) const {
  return CaptionOf(OptionAt(option));
}

void WebControlPort::WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) {
  SetShown(VoiceAt(group, box), visible);
}

// A page's check box shows the greyed state as "indeterminate" beside its checked flag.
CheckState WebControlPort::ReadVoiceState(VoiceGroup group, ControlIndex box) const {
  const int slot = VoiceAt(group, box);
  if (IsIndeterminate(slot)) return CheckState::Greyed;
  return IsChecked(slot) ? CheckState::Checked : CheckState::Unchecked;
}

void WebControlPort::WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  SetCheckState(VoiceAt(group, box), state == CheckState::Checked, state == CheckState::Greyed);
}

std::string WebControlPort::ReadVoiceCaption(VoiceGroup group, ControlIndex box) const {
  return CaptionOf(VoiceAt(group, box));
}

void WebControlPort::AppendToLog(std::string_view tail) {
  AppendText(WebForm::Slot(form::LogSlot()), tail);
}

void WebControlPort::ReplaceLog(std::string_view text) {
  ReplaceText(WebForm::Slot(form::LogSlot()), text);
}

void WebControlPort::Announce(std::string_view line) { web::Announce(line); }

}  // namespace voice_types::web
