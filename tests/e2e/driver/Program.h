// The real Ilvorande.exe under Wine and its windows; every wait polls a condition until a deadline.
#pragma once

#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/mainwindow/MainControlIds.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande::e2e {

namespace fs = std::filesystem;

// Generous: a loaded machine must not make a test flaky.
inline constexpr DWORD DeadlineMs = 20000;

inline bool WaitUntil(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + DeadlineMs;
  while (!done()) {
    if (GetTickCount64() >= end) return done();
    Sleep(10);  // polling interval, not a wait for the program
  }
  return true;
}

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
  friend std::ostream& operator<<(std::ostream& out, Size size) {
    return out << size.width << " x " << size.height;
  }
};

// Not EnumDisplaySettings, which Wine 8 answers from the mode first seen.
inline Size ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

struct Window {
  HWND handle = nullptr;
  bool Exists() const { return handle != nullptr && IsWindow(handle); }
  Window Child(auto id) const { return {GetDlgItem(handle, static_cast<int>(id))}; }
  bool Enabled() const { return IsWindowEnabled(handle); }
  std::wstring Text() const {  // WM_GETTEXT: an edit box's own text too
    std::wstring text(Send(WM_GETTEXTLENGTH).value_or(0) + 1, L'\0');
    text.resize(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())).value_or(0));
    return text;
  }
  RECT ScreenRect() const {
    RECT rect{};
    GetWindowRect(handle, &rect);
    return rect;
  }
  bool Click() const { return PostMessageW(handle, BM_CLICK, 0, 0); }
  bool CloseBox() const { return PostMessageW(handle, WM_SYSCOMMAND, SC_CLOSE, 0); }
  std::optional<LRESULT> Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(handle, message, wparam, lparam, 0, DeadlineMs, &result)) return {};
    return result;
  }
};

inline fs::path InstalledProgram() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path() / L"Ilvorande.exe";
}

class Program {
 public:
  explicit Program(std::wstring_view arguments = {},
                   const fs::path& executable = InstalledProgram()) {
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Wine may refuse a start (ERROR_INTERNAL_ERROR) while the last program ends.
    WaitUntil([&] {
      return CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, executable.parent_path().c_str(), &startup, &info) ||
             GetLastError() != ERROR_INTERNAL_ERROR;
    });
    const UniqueHandle thread(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
  }
  ~Program() {
    if (Running()) TerminateProcess(process_.get(), 0xDEAD);
    WaitForSingleObject(process_.get(), DeadlineMs);
  }

  bool Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  std::optional<DWORD> WaitForExit() const {
    DWORD status = 0;
    if (WaitForSingleObject(process_.get(), DeadlineMs) != WAIT_OBJECT_0) return {};
    GetExitCodeProcess(process_.get(), &status);
    return status;
  }
  std::vector<Window> Windows(const char* className) const {
    std::vector<Window> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == id_ && IsWindowVisible(window)) found.push_back({window});
    }
    return found;
  }
  Window WaitForWindow(const char* className) const {
    std::vector<Window> found;
    WaitUntil([&] { return !(found = Windows(className)).empty() || !Running(); });
    return found.empty() ? Window() : found[0];
  }

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

inline std::vector<DWORD> ProcessesNamed(const wchar_t* exeName) {
  std::vector<DWORD> ids;
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry))
    if (_wcsicmp(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
  return ids;
}

}  // namespace ilvorande::e2e
