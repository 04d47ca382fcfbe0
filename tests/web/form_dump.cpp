// Prints the form table as JSON, for the browser tests to hold the page against.
#include <cstdio>
#include <string>

#include "window/form.h"

namespace {

using namespace voice_types::form;

std::string Json(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string Colour(const std::optional<Rgb>& rgb) {
  if (!rgb) return "null";
  char text[16];
  std::snprintf(text, sizeof text, "[%d,%d,%d]", rgb->red, rgb->green, rgb->blue);
  return text;
}

}  // namespace

int main() {
  const char* kinds[] = {"textbox", "label", "radio", "checkbox", "listbox"};
  std::printf("{\"window\":{\"width\":%d,\"height\":%d,\"background\":%s,\"caption\":%s},",
              ToPixels(kWindow.client_width, 96), ToPixels(kWindow.client_height, 96),
              Colour(kWindow.background).c_str(), Json(kWindow.caption).c_str());
  std::printf("\"controls\":[");
  for (std::size_t slot = 0; slot < kControlCount; ++slot) {
    const ControlSpec& c = kControls[slot];
    std::string items = "[";
    for (std::string_view item : c.items) items += (items.size() > 1 ? "," : "") + Json(item);
    std::printf(
        "%s{\"kind\":\"%s\",\"array\":%s,\"index\":%d,\"text\":%s,\"items\":%s],"
        "\"place\":[%d,%d,%d,%d],\"background\":%s,\"name\":%s,\"never_shown\":%s}",
        slot ? "," : "", kinds[static_cast<int>(c.kind)], Json(c.array).c_str(), c.index,
        Json(c.text).c_str(), items.c_str(), ToPixels(c.place.left, 96), ToPixels(c.place.top, 96),
        ToPixels(c.place.width, 96), ToPixels(c.place.height, 96), Colour(c.background).c_str(),
        Json(c.accessible_name).c_str(), c.never_shown ? "true" : "false");
  }
  std::printf("]}\n");
}
