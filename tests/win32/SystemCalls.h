// The system calls that the Win32 layer makes, recorded instead of made (or
// made after, where the tests' real windows need them): the test executable
// is linked with ld's --wrap on the import slots (__imp_Name) of those listed
// in WrappedCalls.def. ShellExecuteA, looked up at run time, is handed out by
// a wrapped GetProcAddress.
#pragma once

#include <windows.h>

#include <cstdio>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Each wrapped function's two import slots: the system's (__real___imp_Name)
// and the test's (__wrap___imp_Name), which REPLACE_SYSTEM_CALL fills.
#define SYSTEM_CALL(Name)                           \
  extern "C" decltype(&::Name) __real___imp_##Name; \
  extern "C" decltype(&::Name) __wrap___imp_##Name; \
  namespace ilvorande::win32test::wrapped {         \
  inline constexpr bool Name = true;                \
  }
#include "WrappedCalls.def"
#undef SYSTEM_CALL

// At the global scope; a function that WrappedCalls.def does not list, which
// the link would leave unwrapped, is refused.
#define REPLACE_SYSTEM_CALL(Name, replacement)                           \
  static_assert(ilvorande::win32test::wrapped::Name, "listed, wrapped"); \
  decltype(&::Name) __wrap___imp_##Name = replacement

namespace ilvorande::win32test {

// One line per call, "Function(arguments)", in the order made.
inline std::vector<std::string> calls;
// ChangeDisplaySettings(Ex)A's result codes in order (successful once none
// is left), and the button pressed in MessageBoxW.
inline std::deque<long> displayAnswers;
inline int pressedButton = 0;
inline std::wstring modulePath;  // GetModuleFileNameW's; empty: the real one
// GetLocaleInfoW's answers by LCTYPE, whatever the locale; a kind not listed
// fails. None: the system answers.
inline std::optional<std::map<unsigned long, std::wstring>> localeAnswers;

// As EnumDisplayDevicesA lists it; an attached one is also a monitor, and
// its own device context has that depth.
struct DisplayDevice {
  const char* name;
  DWORD flags;
  RECT place;
  int depth;
};
inline std::vector<DisplayDevice> devices;

// Handed out by GetProcAddress by their name instead of the system's.
inline std::map<std::string, FARPROC> lookedUpInstead;

inline void ForgetCalls() {
  calls.clear(), displayAnswers.clear(), modulePath.clear(), localeAnswers.reset(), devices.clear();
  pressedButton = 0;
}

template <typename... Values>
std::string Printed(const char* format, Values... values) {
  char text[512];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace ilvorande::win32test
