// Functions of system DLLs looked up on first use: start-up then loads only
// what it needs, and the program still starts where a function is missing.
#pragma once

#include <windows.h>

namespace ilvorande {

// The function, or null when the DLL or the function is not there. The DLL
// stays loaded for the rest of the process; with load false, a DLL not
// loaded yet is taken as missing.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name, bool load = true) {
  HMODULE module = GetModuleHandleW(dll);
  if (module == nullptr && load) {
    module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace ilvorande
