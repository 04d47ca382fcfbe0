// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/memory_port.h"

#include "core/catalogue.h"

namespace voice_types::tests {

void PrintTo(ToggleEvents events, std::ostream* out) {
  *out << (events == ToggleEvents::kRaised ? "raising port" : "silent port");
}

MemoryPort::MemoryPort(ToggleEvents events) : events_(events), log_(catalogue::kExerciseText) {
  for (VoiceGroup group : kVoiceGroups) {
    option_captions_[OptionIndexOf(group)] = catalogue::OptionCaption(group);
    for (ControlIndex box = 0; box < kVoicesPerGroup; ++box) {
      At(group, box).caption = catalogue::VoiceCaption(group, box);
    }
  }
}

void MemoryPort::SelectOption(ControlIndex option) {
  RequireOption(option);
  selected_.fill(false);
  selected_[option] = true;
}

void MemoryPort::PutVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  At(group, box).state = state;
}

bool MemoryPort::IsVoiceVisible(VoiceGroup group, ControlIndex box) const {
  return At(group, box).visible;
}

MemoryPort::Box& MemoryPort::At(VoiceGroup group, ControlIndex box) {
  RequireVoiceBox(group, box);
  return boxes_[OptionIndexOf(group)][box];
}

const MemoryPort::Box& MemoryPort::At(VoiceGroup group, ControlIndex box) const {
  RequireVoiceBox(group, box);
  return boxes_[OptionIndexOf(group)][box];
}

void MemoryPort::Record(std::string_view verb, VoiceGroup group, ControlIndex box) {
  calls_.push_back(std::string(verb) + " " + std::string(VoiceArrayName(group)) + "(" +
                   std::to_string(box) + ")");
}

bool MemoryPort::ReadOptionSelected(ControlIndex option) const { return selected_[option]; }

std::string MemoryPort::ReadOptionCaption(ControlIndex option) const {
  return option_captions_[option];
}

void MemoryPort::WriteVoiceVisible(VoiceGroup group, ControlIndex box, bool visible) {
  Record(visible ? "show" : "hide", group, box);
  At(group, box).visible = visible;
}

CheckState MemoryPort::ReadVoiceState(VoiceGroup group, ControlIndex box) const {
  return At(group, box).state;
}

void MemoryPort::WriteVoiceState(VoiceGroup group, ControlIndex box, CheckState state) {
  Record(state == CheckState::Unchecked ? "clear" : "set", group, box);
  Box& target = At(group, box);
  const bool changed = target.state != state;
  target.state = state;
  if (changed && events_ == ToggleEvents::kRaised && selector_ != nullptr) {
    Record("event", group, box);
    DeliverVoiceToggled(*selector_, group, box);
  }
}

std::string MemoryPort::ReadVoiceCaption(VoiceGroup group, ControlIndex box) const {
  return At(group, box).caption;
}

void MemoryPort::WriteLogText(const Text& text) {
  calls_.emplace_back("log");
  log_ = text;
}

Session::Session(ToggleEvents events) : port(events), selector(port) { port.Connect(selector); }

void Session::Choose(ControlIndex option) {
  port.SelectOption(option);
  selector.OnVoiceGroupChosen(option);
}

void Session::Click(VoiceGroup group, ControlIndex box) {
  const bool checked = port.VoiceState(group, box) == CheckState::Checked;
  port.PutVoiceState(group, box, checked ? CheckState::Unchecked : CheckState::Checked);
  Deliver(group, box);
}

void Session::Deliver(VoiceGroup group, ControlIndex box) {
  DeliverVoiceToggled(selector, group, box);
}

}  // namespace voice_types::tests
