// The catalogue's UTF-8 meets the platform's UTF-16 here only.
#pragma once

#include <string>
#include <string_view>

namespace voice_types::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace voice_types::win32
