// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/web/web_page.h"

#include <cstdlib>

// The page's own functions (page_library.js). Each gets its texts as pointer and length, so
// that nothing relies on a terminating zero inside a string_view.
extern "C" {
void vt_make_window_area(int width, int height, int rgb, const char* caption, int caption_length,
                         const char* family, int family_length, int font_pixels);
void vt_make_element(const char* record, int record_length);
int vt_is_checked(int slot);
int vt_is_indeterminate(int slot);
void vt_set_check_state(int slot, int checked, int indeterminate);
void vt_set_shown(int slot, int shown);
char* vt_caption_of(int slot);
void vt_replace_text(int slot, const char* text, int text_length);
void vt_append_text(int slot, const char* tail, int tail_length);
void vt_focus(int slot);
void vt_announce(const char* line, int line_length);
void vt_ready();
void vt_show_failure(const char* message, int message_length);
}

namespace voice_types::web {
namespace {

int Length(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

void MakeWindowArea(int width, int height, int rgb, std::string_view caption,
                    std::string_view font_family, int font_pixels) {
  vt_make_window_area(width, height, rgb, caption.data(), Length(caption), font_family.data(),
                      Length(font_family), font_pixels);
}

void MakeElement(std::string_view record) { vt_make_element(record.data(), Length(record)); }

bool IsChecked(int slot) { return vt_is_checked(slot) != 0; }
bool IsIndeterminate(int slot) { return vt_is_indeterminate(slot) != 0; }

void SetCheckState(int slot, bool checked, bool indeterminate) {
  vt_set_check_state(slot, checked ? 1 : 0, indeterminate ? 1 : 0);
}

void SetShown(int slot, bool shown) { vt_set_shown(slot, shown ? 1 : 0); }

std::string CaptionOf(int slot) {
  char* caption = vt_caption_of(slot);
  std::string copy(caption);
  std::free(caption);
  return copy;
}

void ReplaceText(int slot, std::string_view text) {
  vt_replace_text(slot, text.data(), Length(text));
}

void AppendText(int slot, std::string_view tail) {
  vt_append_text(slot, tail.data(), Length(tail));
}

void Focus(int slot) { vt_focus(slot); }

void MarkReady() { vt_ready(); }

void Announce(std::string_view line) { vt_announce(line.data(), Length(line)); }

void ShowFailure(std::string_view message) { vt_show_failure(message.data(), Length(message)); }

}  // namespace voice_types::web
