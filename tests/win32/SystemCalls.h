// The system calls that the Win32 layer makes, recorded instead of made, or
// made after they are recorded where the tests' real windows need them. The
// test executable is linked with ld's --wrap on the import slots (__imp_Name)
// of those listed in WrappedCalls.def, so every call the layer makes lands here;
// ShellExecuteA, which the layer looks up at run time, is handed out by a
// wrapped GetProcAddress.
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

// What the slot of a function listed in WrappedCalls.def holds instead of the
// system's function; at the global scope. A function not listed there, which
// the link would leave unwrapped, is refused here.
#define REPLACE_SYSTEM_CALL(Name, replacement)                           \
  static_assert(ilvorande::win32test::wrapped::Name, "listed, wrapped"); \
  decltype(&::Name) __wrap___imp_##Name = replacement

namespace ilvorande::win32test {

// One line per call, "Function(arguments)", in the order made.
inline std::vector<std::string> calls;
// What the system answers, in order: ChangeDisplaySettingsA's and
// ChangeDisplaySettingsExA's result codes (successful once none is left) and
// the button pressed in MessageBoxW.
inline std::deque<long> displayAnswers;
inline int pressedButton = 0;
// The program's path as GetModuleFileNameW gives it; empty: the real one.
inline std::wstring modulePath;
// GetLocaleInfoW's answers by the kind of value asked (LCTYPE), whatever the
// locale; a kind not listed fails. None: the system answers.
inline std::optional<std::map<unsigned long, std::wstring>> localeAnswers;

// A display device as EnumDisplayDevicesA lists it; an attached one is also
// a monitor there, and its own device context has that depth.
struct DisplayDevice {
  const char* name;
  DWORD flags;
  RECT place;
  int depth;
};
inline std::vector<DisplayDevice> devices;

// Functions that the layer looks up at run time, handed out by their name
// instead of the system's.
inline std::map<std::string, FARPROC> lookedUpInstead;

inline void ForgetCalls() {
  calls.clear();
  displayAnswers.clear();
  pressedButton = 0;
  modulePath.clear();
  localeAnswers.reset();
  devices.clear();
}

template <typename... Values>
std::string Printed(const char* format, Values... values) {
  char text[512];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace ilvorande::win32test
