// The room that texts take.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace ilvorande {

// The size of a text on one line in a font; of a control's text in its own.
SIZE TextExtent(HFONT font, std::wstring_view text);
SIZE TextExtent(HWND control);

}  // namespace ilvorande
