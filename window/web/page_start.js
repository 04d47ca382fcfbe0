// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Runs before the program: checks that this browser can run it, and shows any failure on the
// page, Bulgarian first, with the window made inert so that it cannot say one thing while the
// program, which has stopped, knows another.
/* global UTF8ToString, _voice_types_log */

// The first failure ends the program; later ones only follow from it.
function voiceTypesStop(lines) {
  if (voiceTypesStop.stopped) return;
  voiceTypesStop.stopped = true;
  const box = document.getElementById("failure");
  box.textContent = lines.join("\n");
  box.hidden = false;
  const area = document.getElementById("window");
  area.inert = true;
  area.querySelectorAll("input, textarea, select").forEach(function (control) {
    control.disabled = true;
  });
}

// A failure in words for the technical detail. A C++ exception that some engine let out of
// the program arrives as a WebAssembly.Exception, which carries no message of its own.
function voiceTypesDescribe(error) {
  if (typeof WebAssembly === "object" && WebAssembly.Exception &&
      error instanceof WebAssembly.Exception) {
    return "WebAssembly.Exception: a failure inside the program";
  }
  if (error instanceof Error || (error && error.message)) {
    return (error.name || "Error") + ": " + error.message;
  }
  return String(error);
}

function voiceTypesFail(error) {
  const detail = voiceTypesDescribe(error);
  console.error("voice-types: " + detail);
  voiceTypesStop([
    "Програмата спря поради грешка и не приема повече избори. " +
      "Презаредете страницата, за да започнете отначало.",
    "The program stopped after an error. Reload the page to start again.",
    "Подробности (details): " + detail,
  ]);
}

// What this browser lacks of what the program needs, in words for the message, or null.
// Asked only once something has failed: a browser without any of it fails to compile the
// program anyway, and probing costs time at every start.
function voiceTypesMissing() {
  if (typeof WebAssembly !== "object") return "WebAssembly";
  // A module with one try/catch: valid only where exception handling is known.
  const handling = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 4, 1, 96, 0, 0, 3, 2, 1, 0,
                                   13, 3, 1, 0, 0, 10, 9, 1, 7, 0, 6, 64, 7, 0, 11, 11]);
  if (!WebAssembly.validate(handling)) return "WebAssembly exception handling";
  // Whether the page's policy allows WebAssembly shows only by compiling; some engines
  // refuse at compiling, others only at instantiating.
  try {
    new WebAssembly.Instance(new WebAssembly.Module(handling));
  } catch (error) {
    return "'wasm-unsafe-eval' in the page's Content-Security-Policy (" + error.message + ")";
  }
  return null;
}

// The program cannot start here: the message names what is missing and what would work.
function voiceTypesCannotStart(missing) {
  const oldest = document.getElementById("failure").dataset.oldest;
  voiceTypesStop([
    "Този браузър не може да изпълни програмата. Отворете страницата в по-нов браузър: " +
      oldest + " или по-нов.",
    "This browser cannot run the program. Open the page in " + oldest + " or newer.",
    "Липсва (missing): " + missing,
  ]);
}

// The program from its block of data in the page. The browser decodes base64 itself where it
// can, far faster than a loop in JavaScript at start, before anything is compiled.
function voiceTypesProgram() {
  const block = document.getElementById("program");
  const text = block.textContent;
  block.remove();
  if (typeof Uint8Array.fromBase64 === "function") return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const bytes = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
  return bytes;
}

(function () {
  // Without WebAssembly nothing below can run; what else is missing shows after a failure.
  if (typeof WebAssembly !== "object") {
    voiceTypesCannotStart("WebAssembly");
    throw new Error("voice-types cannot start: no WebAssembly");
  }
  // Whatever fails outside a delivery (the start itself) ends the program the same way.
  window.addEventListener("error", function (event) {
    const refused = voiceTypesMissing();
    if (refused !== null) {
      voiceTypesCannotStart(refused);
    } else {
      voiceTypesFail(event.error || event.message);
    }
  });
  Module["onAbort"] = voiceTypesFail;
  Module["wasmBinary"] = voiceTypesProgram();
})();

// The log exactly as the program keeps it, CR LF included, for whoever reads the page.
window.voiceTypesLog = function () {
  return UTF8ToString(_voice_types_log());
};
