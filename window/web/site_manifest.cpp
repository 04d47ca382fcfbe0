// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Writes the web app's manifest to standard output: the names and description a device shows
// for the installed app (the build gives them), the window's own colour around it while it
// starts, and its icons. Run by node at build time.
//   site_manifest NAME SHORT_NAME DESCRIPTION
#include <cstdio>
#include <string>
#include <string_view>

#include "window/form.h"
#include "window/paint.h"
#include "window/web/web_json.h"

namespace {

using namespace voice_types;

std::string CssColour(form::Rgb rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
  return web::JsonText(text);
}

std::string Icon(std::string_view file, std::string_view size, std::string_view purpose) {
  return web::JsonRecord({{"src", web::JsonText(file)},
                          {"sizes", web::JsonText(size)},
                          {"type", web::JsonText("image/png")},
                          {"purpose", web::JsonText(purpose)}});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: site_manifest NAME SHORT_NAME DESCRIPTION\n", stderr);
    return 2;
  }
  const std::string colour = CssColour(*form::WindowPaint(form::Contrast::Default).background);
  const std::string manifest = web::JsonRecord(
      {{"name", web::JsonText(argv[1])},
       {"short_name", web::JsonText(argv[2])},
       {"description", web::JsonText(argv[3])},
       {"lang", web::JsonText("bg")},
       {"start_url", web::JsonText(".")},
       {"scope", web::JsonText(".")},
       {"display", web::JsonText("standalone")},
       {"background_color", colour},
       {"theme_color", colour},
       {"icons", web::JsonList({Icon("icons/192.png", "192x192", "any"),
                                Icon("icons/512.png", "512x512", "any"),
                                Icon("icons/maskable-512.png", "512x512", "maskable")})}});
  std::puts(manifest.c_str());
  return 0;
}
