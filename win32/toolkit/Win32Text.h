// Conversions between the core's UTF-8 texts and the system's UTF-16 and
// ANSI texts.
#pragma once

#include <string>
#include <string_view>

namespace ilvorande {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// In the system's ANSI code page, for the A functions.
std::string Utf8ToAnsi(std::string_view text);

}  // namespace ilvorande
