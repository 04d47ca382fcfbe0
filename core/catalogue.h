// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Every fixed text the program shows or writes. UTF-8; CR LF is the one line break.
// The web page's own messages live in the page, not here: the browser check and the failure
// message in window/web/page_start.js and the line shown without JavaScript in
// window/web/shell.html.in, because they must show where the program itself cannot run.
#pragma once

#include <array>
#include <string_view>

#include "core/controls.h"

namespace voice_types::catalogue {

inline constexpr std::string_view kLineBreak = "\r\n";

// Log-line prefixes.
extern const std::string_view kChosenPrefix;
std::string_view ToggledPrefix(VoiceGroup group, bool checked);

// Captions of the controls the selector reads back.
std::string_view OptionCaption(VoiceGroup group);
std::string_view VoiceCaption(VoiceGroup group, ControlIndex box);

// The window's static texts.
extern const std::string_view kWindowCaption;
extern const std::string_view kTitleLabel;
extern const std::string_view kNotesLabel;
extern const std::array<std::string_view, 7> kNoteItems;
extern const std::string_view kExerciseText;
extern const std::string_view kAphorismText;

// Accessible names of the boxes, for screen readers.
extern const std::string_view kLogAccessibleName;
extern const std::string_view kAphorismAccessibleName;

// What the program says of itself outside its window: its name, and its messages, Bulgarian
// first and then English, in lines that end in a line feed (not the log's CR LF).
extern const std::string_view kProgramName;
extern const std::string_view kNeedsGraphicalSession;
// Followed by the failure's own words, in English.
extern const std::string_view kStoppedAfterError;

}  // namespace voice_types::catalogue
