// UTF-8 <-> UTF-16 for comparing the program's texts with the layout table.
#pragma once

#include <string>
#include <string_view>

namespace ilvorande::e2e {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace ilvorande::e2e
