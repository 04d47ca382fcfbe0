// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// What the page's functions share: its controls by form table slot, their colours, the
// delivery of their changes to the program, the window fitted to the screen, and the
// controls kept across the browser's history.
/* global mergeInto, LibraryManager, UTF8ToString, _voice_types_event */
/* global voiceTypes, voiceTypesFail, voiceTypesStop */

mergeInto(LibraryManager.library, {
  $voiceTypes: {
    controls: [],
    text: function (pointer, length) {
      return UTF8ToString(pointer, length);
    },
    colour: function (rgb) {
      return "#" + rgb.toString(16).padStart(6, "0");
    },
    // The page's style gives each its colours: the table's, or the system's pair where the
    // user asks for more contrast.
    paint: function (element, rgb, pair) {
      element.dataset.pair = pair;
      if (rgb < 0) return;
      element.dataset.table = "";
      element.style.setProperty("--table", voiceTypes.colour(rgb));
    },
    input: function (slot) {
      return voiceTypes.controls[slot].querySelector("input");
    },
    // Every change goes to the program unless it has failed. A failure that escapes the
    // program's own guard (some engines let a WebAssembly exception through) ends it here.
    deliver: function (slot) {
      if (voiceTypesStop.stopped) return;
      try {
        _voice_types_event(slot);
      } catch (error) {
        voiceTypesFail(error);
      }
    },
    // The window keeps its layout and is scaled as one to fill the layout viewport.
    // A pinch zooms the visual viewport only, so it never re-fits: a pupil can still enlarge.
    fit: function () {
      const root = document.documentElement, size = voiceTypes.size;
      const scale = Math.min(root.clientWidth / size.width, root.clientHeight / size.height);
      const style = root.style;
      style.setProperty("--fit-scale", String(scale));
      style.setProperty("--fit-width", size.width * scale + "px");
      style.setProperty("--fit-height", size.height * scale + "px");
    },
    // The view follows the end once a frame, not once a write, so a toggle lays the box out
    // only once.
    followEnd: function (box) {
      if (box.voiceTypesFollowing) return;
      box.voiceTypesFollowing = true;
      requestAnimationFrame(function () {
        box.voiceTypesFollowing = false;
        box.scrollTop = box.scrollHeight;
      });
    },
    // A browser that keeps the page while the user is away (Back, Forward) may reset its
    // controls on the way back, WebKit in a task of its own at a time no script can await.
    // A reset returns each control to its default: as the page is left, that is its state.
    keepAcrossHistory: function () {
      window.addEventListener("pagehide", function () {
        voiceTypes.controls.forEach(function (control, slot) {
          const input = voiceTypes.input(slot);
          if (input) input.defaultChecked = input.checked;
        });
      });
    },
  },
});
