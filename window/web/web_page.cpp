#include "window/web/web_page.h"

#include <emscripten.h>

#include <cstdlib>

// Each JavaScript function gets its texts as pointer and length, so that nothing relies on
// a terminating zero inside a string_view. The preprocessor reads these bodies: strings in
// them take double quotes.
// clang-format off
EM_JS(void, vt_make_window_area, (int width, int height, int rgb, const char* caption,
                                  int caption_length, const char* family, int family_length,
                                  int font_pixels), {
  const area = document.getElementById("window");
  area.style.width = width + "px";
  area.style.height = height + "px";
  area.style.background = "#" + rgb.toString(16).padStart(6, "0");
  area.style.fontFamily = JSON.stringify(UTF8ToString(family, family_length)) + ", serif";
  area.style.fontSize = font_pixels + "px";
  document.title = UTF8ToString(caption, caption_length);
});

EM_JS(void, vt_make_element, (int slot, int kind, const char* id, int id_length, const char* text,
                              int text_length, int left, int top, int width, int height,
                              int background, const char* name, int name_length, int hidden), {
  const text_value = UTF8ToString(text, text_length);
  const tags = ["textarea", "div", "label", "label", "select"];
  const element = document.createElement(tags[kind]);
  element.id = UTF8ToString(id, id_length);
  element.className = "control";
  if (kind === 0) {
    element.readOnly = true;
    element.spellcheck = false;
    element.value = text_value;
  } else if (kind === 1) {
    element.textContent = text_value;
  } else if (kind === 2 || kind === 3) {
    const input = document.createElement("input");
    input.type = kind === 2 ? "radio" : "checkbox";
    if (kind === 2) input.name = element.id.split("(")[0];
    const caption = document.createElement("span");
    caption.textContent = text_value;
    element.append(input, caption);
    input.addEventListener("change", () => {
      try {
        _voice_types_event(slot);
      } catch (error) {
        const message = allocateUTF8(String(error));
        _voice_types_failed(message);
        _free(message);
      }
    });
  } else {
    element.size = 7;
  }
  if (name_length > 0) element.setAttribute("aria-label", UTF8ToString(name, name_length));
  const style = element.style;
  style.left = left + "px";
  style.top = top + "px";
  style.width = width + "px";
  style.height = height + "px";
  if (background >= 0) style.background = "#" + background.toString(16).padStart(6, "0");
  element.hidden = hidden !== 0;
  Module.voiceTypesControls[slot] = element;
  document.getElementById("window").append(element);
});

EM_JS(void, vt_add_list_item, (int slot, const char* text, int text_length, int data), {
  const item = document.createElement("option");
  item.textContent = UTF8ToString(text, text_length);
  item.value = String(data);
  Module.voiceTypesControls[slot].append(item);
});

EM_JS(int, vt_is_checked, (int slot), {
  return Module.voiceTypesControls[slot].querySelector("input").checked ? 1 : 0;
});

EM_JS(int, vt_is_indeterminate, (int slot), {
  return Module.voiceTypesControls[slot].querySelector("input").indeterminate ? 1 : 0;
});

EM_JS(void, vt_set_check_state, (int slot, int checked, int indeterminate), {
  const input = Module.voiceTypesControls[slot].querySelector("input");
  input.checked = checked !== 0;
  input.indeterminate = indeterminate !== 0;
});

EM_JS(void, vt_set_shown, (int slot, int shown), {
  Module.voiceTypesControls[slot].hidden = shown === 0;
});

EM_JS(char*, vt_caption_of, (int slot), {
  return allocateUTF8(Module.voiceTypesControls[slot].querySelector("span").textContent);
});

// Past the end means at the end: reading the box's value to learn its length would copy it.
// The view follows once a frame, not once a write, so a toggle lays the box out only once.
EM_JS(void, vt_replace_text, (int slot, const char* text, int text_length), {
  const box = Module.voiceTypesControls[slot];
  box.value = UTF8ToString(text, text_length);
  box.setSelectionRange(2147483647, 2147483647);
  Module.voiceTypesFollowEnd(box);
});

EM_JS(void, vt_append_text, (int slot, const char* tail, int tail_length), {
  const box = Module.voiceTypesControls[slot];
  box.setRangeText(UTF8ToString(tail, tail_length), 2147483647, 2147483647, "end");
  Module.voiceTypesFollowEnd(box);
});

EM_JS(void, vt_focus, (int slot), {
  Module.voiceTypesControls[slot].focus();
});

EM_JS(void, vt_show_failure, (const char* message, int message_length), {
  const text = UTF8ToString(message, message_length);
  console.error("voice-types: " + text);
  const box = document.getElementById("failure");
  box.textContent = "voice-types: " + text;
  box.hidden = false;
});
// clang-format on

namespace voice_types::web {
namespace {

int Length(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

void MakeWindowArea(int width, int height, int rgb, std::string_view caption,
                    std::string_view font_family, int font_pixels) {
  vt_make_window_area(width, height, rgb, caption.data(), Length(caption), font_family.data(),
                      Length(font_family), font_pixels);
}

void MakeElement(const ElementSpec& e) {
  vt_make_element(e.slot, e.kind, e.id.data(), Length(e.id), e.text.data(), Length(e.text), e.left,
                  e.top, e.width, e.height, e.background, e.accessible_name.data(),
                  Length(e.accessible_name), e.never_shown ? 1 : 0);
}

void AddListItem(int slot, std::string_view text, int data) {
  vt_add_list_item(slot, text.data(), Length(text), data);
}

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

void ShowFailure(std::string_view message) { vt_show_failure(message.data(), Length(message)); }

}  // namespace voice_types::web
