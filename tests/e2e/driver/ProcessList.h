// Processes found by their executable's name: those that the tests do not
// start themselves, such as a shortcut's target or Wine's own helpers.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace ilvorande::e2e {

std::vector<DWORD> ProcessIdsNamed(std::wstring_view exeName);

}  // namespace ilvorande::e2e
