// Conversions between the core's UTF-8 texts and the system's UTF-16 and
// ANSI texts, and the text that a window holds.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ilvorande {

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);
// In the system's ANSI code page, for the A functions.
std::string Utf8ToAnsi(std::string_view text);

// A window's title, a control's caption or a text box's contents.
std::wstring WindowText(HWND window);

}  // namespace ilvorande
