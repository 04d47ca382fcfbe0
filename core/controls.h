// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The control arrays the selector works on, and the value types they hold.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace voice_types {

// A 0-based index within a control array.
using ControlIndex = std::int16_t;

// A group's number is the index of the radio button that selects it.
enum class VoiceGroup : std::int16_t { Female = 0, Male = 1 };

// Numbered as the platform numbers a check box's value.
enum class CheckState : std::int16_t { Unchecked = 0, Checked = 1, Greyed = 2 };

inline constexpr ControlIndex kVoicesPerGroup = 4;
inline constexpr ControlIndex kOptionCount = 2;
inline constexpr VoiceGroup kVoiceGroups[] = {VoiceGroup::Female, VoiceGroup::Male};

constexpr ControlIndex OptionIndexOf(VoiceGroup group) { return static_cast<ControlIndex>(group); }

// Names of the control arrays, as they appear in error messages and in the form.
inline constexpr std::string_view kOptionArray = "Option1";
inline constexpr std::string_view kLogArray = "Text1";
inline constexpr std::string_view kLabelArray = "Label1";
inline constexpr std::string_view kNoteList = "List1";
std::string_view VoiceArrayName(VoiceGroup group);

// A control that does not exist, or a value no control can hold. Thrown at the first
// access so that a wrong index never reaches a toolkit.
class ControlError : public std::out_of_range {
 public:
  explicit ControlError(const std::string& what) : std::out_of_range(what) {}
};

void RequireVoiceGroup(VoiceGroup group);
void RequireVoiceBox(VoiceGroup group, ControlIndex box);
void RequireOption(ControlIndex option);
void RequireCheckState(CheckState state);

}  // namespace voice_types
