// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/form.h"

#include <stdexcept>
#include <string>

#include "core/catalogue.h"

namespace voice_types::form {
namespace {

using catalogue::OptionCaption;
using catalogue::VoiceCaption;
using enum ControlKind;
using enum VoiceGroup;

constexpr Rgb kLabelColour{0xFF, 0xC0, 0x80};
constexpr Rgb kFemaleOptionColour{0xFF, 0xC0, 0xFF};
constexpr Rgb kMaleOptionColour{0x80, 0x80, 0xFF};
constexpr Rgb kFemaleVoiceColour{0xFF, 0x80, 0xFF};
constexpr Rgb kMaleVoiceColour{0x00, 0x00, 0xFF};

constexpr int kLeftColumn = 480;
constexpr int kRightColumn = 2640;
constexpr int kColumnWidth = 1815;
constexpr int kFirstVoiceRow = 1200;
constexpr int kVoiceRowPitch = 360;
constexpr int kVoiceHeight = 375;

ControlSpec Voice(VoiceGroup group, ControlIndex box) {
  const bool female = group == Female;
  return {.kind = CheckBox,
          .array = VoiceArrayName(group),
          .index = box,
          .text = VoiceCaption(group, box),
          .place = {female ? kLeftColumn : kRightColumn, kFirstVoiceRow + box * kVoiceRowPitch,
                    kColumnWidth, kVoiceHeight},
          .background = female ? kFemaleVoiceColour : kMaleVoiceColour};
}

ControlSpec Option(VoiceGroup group) {
  const bool female = group == Female;
  return {.kind = RadioButton,
          .array = kOptionArray,
          .index = OptionIndexOf(group),
          .text = OptionCaption(group),
          .place = {female ? kLeftColumn : kRightColumn, 720, kColumnWidth, 495},
          .background = female ? kFemaleOptionColour : kMaleOptionColour};
}

ControlSpec TextLabel(ControlIndex index, std::string_view text, Twips place) {
  return {.kind = Label,
          .array = kLabelArray,
          .index = index,
          .text = text,
          .place = place,
          .background = kLabelColour};
}

}  // namespace

const std::array<ControlSpec, kControlCount> kControls = {{
    {.kind = TextBox,
     .array = kLogArray,
     .index = 0,
     .text = catalogue::kExerciseText,
     .place = {120, 3120, 6735, 1815},
     .accessible_name = catalogue::kLogAccessibleName},
    // Lies under the log and past the window's edges; nothing ever shows it.
    {.kind = TextBox,
     .array = kLogArray,
     .index = 1,
     .text = catalogue::kAphorismText,
     .place = {600, 3480, 6735, 1815},
     .accessible_name = catalogue::kAphorismAccessibleName,
     .never_shown = true},
    TextLabel(0, catalogue::kTitleLabel, {960, 0, 4575, 375}),
    Option(Female),
    Option(Male),
    Voice(Female, 0),
    Voice(Female, 1),
    Voice(Female, 2),
    Voice(Female, 3),
    Voice(Male, 0),
    Voice(Male, 1),
    Voice(Male, 2),
    Voice(Male, 3),
    {.kind = ListBox,
     .array = kNoteList,
     .index = kNoIndex,
     .items = catalogue::kNoteItems,
     .place = {4680, 1320, 1335, 1200},
     .accessible_name = catalogue::kNotesLabel},
    TextLabel(1, catalogue::kNotesLabel, {4680, 720, 1335, 615}),
}};

const WindowSpec kWindow = {
    6915, 5175, {0xC0, 0xC0, 0xFF}, catalogue::kWindowCaption, "Times New Roman", 12, 400, 204};

namespace {

// Where a control stands in the table, found rather than counted so the table stays the
// one place that orders the controls.
std::size_t SlotOf(std::string_view array, ControlIndex index) {
  for (std::size_t slot = 0; slot < kControlCount; ++slot) {
    if (kControls[slot].array == array && kControls[slot].index == index) return slot;
  }
  throw ControlError(std::string(array) + "(" + std::to_string(index) + ") is not in the form");
}

}  // namespace

std::size_t OptionSlot(ControlIndex option) {
  RequireOption(option);
  return SlotOf(kOptionArray, option);
}

std::size_t VoiceSlot(VoiceGroup group, ControlIndex box) {
  RequireVoiceBox(group, box);
  return SlotOf(VoiceArrayName(group), box);
}

std::size_t LogSlot() { return SlotOf(kLogArray, 0); }

std::size_t TitleSlot() { return SlotOf(kLabelArray, 0); }

std::string IdOf(const ControlSpec& control) {
  std::string id(control.array);
  if (control.index != kNoIndex) id.append("(").append(std::to_string(control.index)).append(")");
  return id;
}

std::optional<VoiceGroup> VoiceGroupOf(const ControlSpec& control) {
  if (control.kind != CheckBox) return std::nullopt;
  return control.array == VoiceArrayName(Female) ? Female : Male;
}

std::string_view NameOf(ControlKind kind) {
  switch (kind) {
    case TextBox:
      return "textbox";
    case Label:
      return "label";
    case RadioButton:
      return "radio";
    case CheckBox:
      return "checkbox";
    case ListBox:
      return "listbox";
  }
  throw std::logic_error("unknown control kind");
}

}  // namespace voice_types::form
