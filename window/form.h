// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The window as data: its fifteen controls in tab order, with place, size and colour in
// twips and RGB. Every front end renders this one table; none repeats a number of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/controls.h"

namespace voice_types::form {

enum class ControlKind { TextBox, Label, RadioButton, CheckBox, ListBox };

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  constexpr bool operator==(const Rgb&) const = default;
};

struct Twips {
  int left;
  int top;
  int width;
  int height;
};

struct ControlSpec {
  ControlKind kind;
  std::string_view array;
  ControlIndex index;  // kNoIndex for a control that is not part of an array
  std::string_view text = {};
  std::span<const std::string_view> items = {};  // list box rows
  Twips place;
  std::optional<Rgb> background = {};     // nothing: the platform's default
  std::string_view accessible_name = {};  // empty: the text names the control
  bool never_shown = false;
};

inline constexpr ControlIndex kNoIndex = -1;
inline constexpr std::size_t kControlCount = 15;

// In tab order: a control's tab position is its place in this table.
extern const std::array<ControlSpec, kControlCount> kControls;

struct WindowSpec {
  int client_width;  // twips
  int client_height;
  Rgb background;
  std::string_view caption;
  std::string_view font_family;
  int font_points;
  int font_weight;
  int font_charset;
};

extern const WindowSpec kWindow;

inline constexpr int kTwipsPerInch = 1440;

// Twips to pixels at a given dots-per-inch, rounded to the nearest pixel.
constexpr int ToPixels(int twips, int dpi) {
  return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Where in the table the controls the selector reaches stand.
std::size_t OptionSlot(ControlIndex option);
std::size_t VoiceSlot(VoiceGroup group, ControlIndex box);
std::size_t LogSlot();
// The label that names the window, the title of its page where there is one.
std::size_t TitleSlot();

// The kind's name where a control is described as text: "textbox", "label", "radio",
// "checkbox", "listbox".
std::string_view NameOf(ControlKind kind);

// The control's name to look it up by: its array, with its index where it has one, as in
// "Option1(0)" and "List1".
std::string IdOf(const ControlSpec& control);

// The group whose boxes form this control's array, if it is a voice check box.
std::optional<VoiceGroup> VoiceGroupOf(const ControlSpec& control);

}  // namespace voice_types::form
