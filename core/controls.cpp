// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "core/controls.h"

namespace voice_types {
namespace {

[[noreturn]] void Missing(std::string_view array, int index) {
  throw ControlError(std::string(array) + "(" + std::to_string(index) + ") does not exist");
}

}  // namespace

std::string_view VoiceArrayName(VoiceGroup group) {
  RequireVoiceGroup(group);
  return group == VoiceGroup::Female ? "Check1" : "Check2";
}

void RequireVoiceGroup(VoiceGroup group) {
  if (group != VoiceGroup::Female && group != VoiceGroup::Male) {
    throw ControlError("VoiceGroup " + std::to_string(static_cast<int>(group)) +
                       " does not exist (0 female, 1 male)");
  }
}

void RequireVoiceBox(VoiceGroup group, ControlIndex box) {
  RequireVoiceGroup(group);
  if (box < 0 || box >= kVoicesPerGroup) Missing(VoiceArrayName(group), box);
}

void RequireOption(ControlIndex option) {
  if (option < 0 || option >= kOptionCount) Missing(kOptionArray, option);
}

void RequireCheckState(CheckState state) {
  const int value = static_cast<int>(state);
  if (value < 0 || value > 2) {
    throw ControlError("check state " + std::to_string(value) +
                       " does not exist (0 unchecked, 1 checked, 2 greyed)");
  }
}

}  // namespace voice_types
