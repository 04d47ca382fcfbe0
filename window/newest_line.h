// What a screen reader announces after a log write: the log's last line, without its CR LF.
#pragma once

#include <string_view>

namespace voice_types {

std::string_view NewestLine(std::string_view log);

}  // namespace voice_types
