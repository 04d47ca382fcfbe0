// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "tests/support/reference_model.h"

#include <stdexcept>

#include "core/catalogue.h"

namespace voice_types::tests {
namespace {

std::size_t At(VoiceGroup group) { return static_cast<std::size_t>(group); }

VoiceGroup Other(VoiceGroup group) {
  return group == VoiceGroup::Female ? VoiceGroup::Male : VoiceGroup::Female;
}

}  // namespace

ReferenceModel::ReferenceModel() : log_(catalogue::kExerciseText) {}

void ReferenceModel::Choose(VoiceGroup group) {
  on_view_ = group;
  checked_[At(Other(group))].fill(false);
  log_ =
      std::string(catalogue::kChosenPrefix) + std::string(catalogue::OptionCaption(group)) + "\r\n";
}

void ReferenceModel::Toggle(VoiceGroup group, ControlIndex box) {
  if (on_view_ != group) throw std::logic_error("the model cannot toggle a hidden box");
  bool& checked = checked_[At(group)].at(box);
  checked = !checked;
  log_ += std::string(catalogue::ToggledPrefix(group, checked)) +
          std::string(catalogue::VoiceCaption(group, box)) + "\r\n";
}

bool ReferenceModel::Visible(VoiceGroup group, ControlIndex box) const {
  RequireVoiceBox(group, box);
  return on_view_ == group;
}

bool ReferenceModel::Checked(VoiceGroup group, ControlIndex box) const {
  return checked_[At(group)].at(box);
}

}  // namespace voice_types::tests
