// "Démarrer avec Windows": the value "Ilvorande" of the user's Run key
// (HKEY_CURRENT_USER), holding this program's quoted path and "/8M": the
// custom mode with its boxes empty switches nothing, so the program starts
// minimised with its icon in the notification area, and "Restaurer" knows
// the mode the session started in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ilvorande {

inline constexpr std::string_view RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view RunValueName = "Ilvorande";

// "\"C:\\Outils\\Ilvorande.exe\" /8M".
std::string RunValueData(std::string_view programPath);

// Whether the value's command starts this very program: its path, quoted or
// not, compared without regard to case as Windows compares paths, blanks
// around it allowed. A value that starts another copy does not.
bool RunValueStartsProgram(std::string_view data, std::string_view programPath);

class RunAtLogon {
 public:
  virtual ~RunAtLogon() = default;

  // The value's text; nothing when there is none or it cannot be read.
  virtual std::optional<std::string> ReadValue() = 0;
  // A failure is silent: the next ReadValue tells what is there.
  virtual void WriteValue(std::string_view data) = 0;
  virtual void DeleteValue() = 0;
};

// The menu's item chosen: removes a value that starts this program, and
// otherwise writes it, in place of one that starts another copy.
void ToggleStartWithWindows(RunAtLogon& run, std::string_view programPath);

}  // namespace ilvorande
