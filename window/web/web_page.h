// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The page's own functions (page_library.js), which make and read its elements. Every
// control is known by its form table slot. Texts cross as UTF-8, as pointer and length, so
// that nothing relies on a terminating zero inside a string_view.
#pragma once

#include <cstddef>

extern "C" {

// The window's area, and one control: each a JSON record whose fields the page reads by
// name (web_form.cpp).
void vt_make_window(const char* record, std::size_t length);
void vt_make_element(const char* record, std::size_t length);

bool vt_is_checked(std::size_t slot);
bool vt_is_indeterminate(std::size_t slot);
void vt_set_check_state(std::size_t slot, bool checked, bool indeterminate);
void vt_set_shown(std::size_t slot, bool shown);
// A copy of the control's caption, which the caller frees.
char* vt_caption_of(std::size_t slot);

// The log box: its whole text replaced, or a tail added at its end; either way the caret
// and the view follow the end.
void vt_replace_text(std::size_t slot, const char* text, std::size_t length);
void vt_append_text(std::size_t slot, const char* tail, std::size_t length);

void vt_focus(std::size_t slot);
// Says a line to screen readers, politely, through a live region outside the window.
void vt_announce(const char* line, std::size_t length);
// The window is built and the program listens: for whoever waits on the page.
void vt_ready();
// Ends the program on a failure: the page shows it, in words a teacher can pass on, and the
// window takes no more input.
void vt_show_failure(const char* message, std::size_t length);
}
