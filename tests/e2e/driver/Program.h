// The program under test as a child process: started with a command line,
// ended when the object goes (so a failing test leaves nothing running).
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "driver/MessageDialog.h"
#include "driver/Wait.h"
#include "driver/Window.h"

namespace ilvorande::e2e {

class Program {
 public:
  // Ilvorande.exe in the folder of the running test executable.
  static std::filesystem::path DefaultExecutable();

  explicit Program(std::wstring_view arguments = {},
                   const std::filesystem::path& executable = DefaultExecutable());
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD StartError() const { return startError_; }
  DWORD Pid() const { return pid_; }

  bool IsRunning() const;
  // The exit code, or nothing if the process still runs at the deadline.
  std::optional<DWORD> WaitForExit(Millis timeout = kTimeout) const;
  void Terminate();

  // Top-level windows of this process; all of them if className is empty.
  std::vector<Window> TopLevelWindows(std::wstring_view className = {}) const;
  // The first visible top-level window of that class, or a null Window.
  Window WaitForWindow(std::wstring_view className, Millis timeout = kStartTimeout) const;

  // Message boxes (#32770 dialogs) of this process that are shown now.
  std::vector<MessageDialog> MessageDialogs() const;
  std::optional<MessageDialog> WaitForMessageDialog(Millis timeout = kTimeout) const;

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  DWORD startError_ = 0;
};

// Ends every process of that executable name (leftovers of an earlier
// test or run); returns how many were ended.
int KillProcessesNamed(std::wstring_view exeName);

}  // namespace ilvorande::e2e
