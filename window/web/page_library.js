// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// The page's side of the web window: the small functions the program calls to make and read
// its elements, with the helpers of page_window.js. Every control is known by its form table
// slot; texts cross as UTF-8, as pointer and length.
/* global mergeInto, LibraryManager, UTF8ToString, stringToNewUTF8 */
/* global voiceTypes, voiceTypesFail */

mergeInto(LibraryManager.library, {
  vt_make_window__deps: ["$voiceTypes"],
  // The window's area, as a record named field by field (web_form.cpp).
  vt_make_window: function (record, recordLength) {
    const frame = JSON.parse(voiceTypes.text(record, recordLength));
    const area = document.getElementById("window");
    area.style.width = frame.width + "px";
    area.style.height = frame.height + "px";
    voiceTypes.size = {width: frame.width, height: frame.height};
    voiceTypes.fit();
    // Turning the device resizes the window too.
    window.addEventListener("resize", voiceTypes.fit);
    voiceTypes.paint(area, frame.background, "window");
    area.style.fontFamily = JSON.stringify(frame.font) + ", serif";
    area.style.fontSize = frame.fontPixels + "px";
    document.title = frame.caption;
  },

  vt_make_element__deps: ["$voiceTypes"],
  // One control of the form table, as a record named field by field (web_form.cpp).
  vt_make_element: function (record, recordLength) {
    const control = JSON.parse(voiceTypes.text(record, recordLength));
    const tags = {textbox: "textarea", label: "div", radio: "label", checkbox: "label",
                  listbox: "select"};
    const element = document.createElement(tags[control.kind]);
    element.id = control.id;
    element.className = "control";
    if (control.kind === "textbox") {
      element.readOnly = true;
      element.spellcheck = false;
      element.value = control.text;
    } else if (control.kind === "label") {
      element.textContent = control.text;
    } else if (control.kind === "radio" || control.kind === "checkbox") {
      const input = document.createElement("input");
      input.type = control.kind;
      // Nothing the browser remembers from an earlier visit may be filled into a fresh window.
      input.setAttribute("autocomplete", "off");
      if (control.kind === "radio") input.name = control.array;
      const caption = document.createElement("span");
      caption.textContent = control.text;
      element.append(input, caption);
      input.addEventListener("change", function () {
        voiceTypes.deliver(control.slot);
      });
    } else {
      element.size = control.items.length;
      control.items.forEach(function (text) {
        const item = document.createElement("option");
        item.textContent = text;
        item.value = "0";
        element.append(item);
      });
    }
    if (control.name !== "") element.setAttribute("aria-label", control.name);
    if (control.title) {
      element.setAttribute("role", "heading");
      element.setAttribute("aria-level", "1");
    }
    const style = element.style;
    style.left = control.left + "px";
    style.top = control.top + "px";
    style.width = control.width + "px";
    style.height = control.height + "px";
    voiceTypes.paint(element, control.background, control.pair);
    element.hidden = control.hidden;
    voiceTypes.controls[control.slot] = element;
    document.getElementById("window").append(element);
    // A text set at start leaves the caret, and so the first focus, at the top.
    if (control.kind === "textbox") element.setSelectionRange(0, 0);
  },

  vt_is_checked__deps: ["$voiceTypes"],
  vt_is_checked: function (slot) {
    return voiceTypes.input(slot).checked;
  },

  vt_is_indeterminate__deps: ["$voiceTypes"],
  vt_is_indeterminate: function (slot) {
    return voiceTypes.input(slot).indeterminate;
  },

  vt_set_check_state__deps: ["$voiceTypes"],
  vt_set_check_state: function (slot, checked, indeterminate) {
    const input = voiceTypes.input(slot);
    input.checked = checked;
    input.indeterminate = indeterminate;
  },

  vt_set_shown__deps: ["$voiceTypes"],
  vt_set_shown: function (slot, shown) {
    voiceTypes.controls[slot].hidden = !shown;
  },

  // Every emscripten has stringToNewUTF8; the newer ones link only what is declared here.
  vt_caption_of__deps: ["$voiceTypes", "$stringToNewUTF8"],
  vt_caption_of: function (slot) {
    return stringToNewUTF8(voiceTypes.controls[slot].querySelector("span").textContent);
  },

  // Past the end means at the end: reading the box's value to learn its length would copy it.
  vt_replace_text__deps: ["$voiceTypes"],
  vt_replace_text: function (slot, text, textLength) {
    const box = voiceTypes.controls[slot];
    box.value = voiceTypes.text(text, textLength);
    box.setSelectionRange(2147483647, 2147483647);
    voiceTypes.followEnd(box);
  },

  vt_append_text__deps: ["$voiceTypes"],
  vt_append_text: function (slot, tail, tailLength) {
    const box = voiceTypes.controls[slot];
    box.setRangeText(voiceTypes.text(tail, tailLength), 2147483647, 2147483647, "end");
    voiceTypes.followEnd(box);
  },

  vt_focus__deps: ["$voiceTypes"],
  vt_focus: function (slot) {
    voiceTypes.controls[slot].focus({preventScroll: true});
  },

  // A new text node each time, so that every line is a change that screen readers announce,
  // also one that came before (the women's choice again after the men's). The same line
  // never comes twice in a row: choosing the radio button already chosen reports nothing.
  vt_announce: function (line, lineLength) {
    document.getElementById("announce").replaceChildren(
      document.createTextNode(UTF8ToString(line, lineLength)));
  },

  vt_ready__deps: ["$voiceTypes"],
  vt_ready: function () {
    voiceTypes.keepAcrossHistory();
    document.getElementById("window").dataset.ready = "true";
  },

  vt_show_failure: function (message, messageLength) {
    voiceTypesFail(UTF8ToString(message, messageLength));
  },
});
