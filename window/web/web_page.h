// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The page's side of the web window: small functions that make and read its elements. Every
// control is known by its form table slot; texts cross as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace voice_types::web {

// The window's area: size in CSS pixels, colour, caption (as the page title) and font.
void MakeWindowArea(int width, int height, int rgb, std::string_view caption,
                    std::string_view font_family, int font_pixels);

// One control, as a JSON record whose fields the page reads by name (web_form.cpp).
void MakeElement(std::string_view record);

bool IsChecked(int slot);
bool IsIndeterminate(int slot);
void SetCheckState(int slot, bool checked, bool indeterminate);
void SetShown(int slot, bool shown);
std::string CaptionOf(int slot);

// The log box: its whole text replaced, or a tail added at its end; either way the caret
// and the view follow the end.
void ReplaceText(int slot, std::string_view text);
void AppendText(int slot, std::string_view tail);

void Focus(int slot);
// Says a line to screen readers, politely, through a live region outside the window.
void Announce(std::string_view line);
// The window is built and the program listens: for whoever waits on the page.
void MarkReady();

// Ends the program on a failure: the page shows it, in words a teacher can pass on, and the
// window takes no more input.
void ShowFailure(std::string_view message);

}  // namespace voice_types::web
