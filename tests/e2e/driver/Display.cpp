#include "driver/Display.h"

#include <windows.h>

#include <cstdio>
#include <string_view>

namespace ilvorande::e2e {

namespace {

DisplayMode FromDevMode(const DEVMODEW& devMode) {
  return {{static_cast<int>(devMode.dmPelsWidth), static_cast<int>(devMode.dmPelsHeight)},
          static_cast<int>(devMode.dmBitsPerPel)};
}

std::string ReadWholeFile(const std::wstring& path) {
  std::string content;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return content;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) content.append(buffer, n);
  CloseHandle(file);
  return content;
}

void SetWhy(std::string* why, std::string text) {
  if (why != nullptr) *why = std::move(text);
}

// Removes its file when the test no longer needs it.
struct TempFile {
  std::wstring path;
  ~TempFile() {
    if (!path.empty()) DeleteFileW(path.c_str());
  }
};

constexpr std::string_view kStatusMarker = "@@xrandr-status=";

}  // namespace

DisplayMode CurrentDisplayMode() {
  HDC screen = GetDC(nullptr);
  const int bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return {CurrentDisplaySize(), bitsPerPixel};
}

ScreenSize CurrentDisplaySize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<DisplayMode> AvailableDisplayModes() {
  std::vector<DisplayMode> modes;
  DEVMODEW devMode{};
  devMode.dmSize = sizeof devMode;
  for (DWORD i = 0; EnumDisplaySettingsW(nullptr, i, &devMode); ++i)
    modes.push_back(FromDevMode(devMode));
  return modes;
}

bool HasDisplaySize(ScreenSize size) {
  for (const DisplayMode& mode : AvailableDisplayModes())
    if (mode.size == size) return true;
  return false;
}

long SetDisplayMode(const DisplayMode& mode) {
  DEVMODEW devMode{};
  devMode.dmSize = sizeof devMode;
  devMode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  devMode.dmPelsWidth = static_cast<DWORD>(mode.size.width);
  devMode.dmPelsHeight = static_cast<DWORD>(mode.size.height);
  if (mode.bitsPerPixel != 0) {
    devMode.dmFields |= DM_BITSPERPEL;
    devMode.dmBitsPerPel = static_cast<DWORD>(mode.bitsPerPixel);
  }
  return ChangeDisplaySettingsW(&devMode, CDS_UPDATEREGISTRY);
}

bool WaitForDisplaySize(ScreenSize size, Millis timeout) {
  return WaitUntil([&] { return CurrentDisplaySize() == size; }, timeout);
}

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::optional<ScreenSize> XrandrScreenSize(std::string* why) {
  if (!RunningUnderWine()) {
    SetWhy(why, "not running under Wine");
    return std::nullopt;
  }
  wchar_t folder[MAX_PATH + 1] = {};
  wchar_t name[MAX_PATH + 1] = {};
  if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"xr", 0, name)) {
    SetWhy(why, "no temporary file");
    return std::nullopt;
  }
  TempFile output{name};
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE file =
      CreateFileW(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    SetWhy(why, "cannot create the output file");
    return std::nullopt;
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = file;
  startup.hStdError = file;
  // Wine hands back no process handle for a Unix program, so the shell
  // writes a last line that says xrandr has ended.
  std::wstring commandLine = L"/bin/sh -c \"/usr/bin/xrandr --current; echo " +
                             std::wstring(kStatusMarker.begin(), kStatusMarker.end()) + L"$?\"";
  PROCESS_INFORMATION info{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, nullptr, &startup, &info);
  CloseHandle(file);
  if (!started) {
    SetWhy(why, "CreateProcess of /bin/sh failed, error " + std::to_string(GetLastError()));
    return std::nullopt;
  }
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  if (info.hProcess != nullptr) CloseHandle(info.hProcess);

  std::string text;
  const bool ended = WaitUntil([&] {
    text = ReadWholeFile(name);
    const size_t marker = text.find(kStatusMarker);
    return marker != std::string::npos && text.find('\n', marker) != std::string::npos;
  });
  if (!ended) {
    SetWhy(why, "xrandr did not finish: " + text);
    return std::nullopt;
  }
  const size_t marker = text.find(kStatusMarker);
  if (text.compare(marker + kStatusMarker.size(), 2, "0\n") != 0) {
    SetWhy(why, "xrandr failed: " + text);
    return std::nullopt;
  }
  // "Screen 0: minimum 8 x 8, current 1600 x 1200, maximum ..."
  const size_t current = text.find("current ");
  ScreenSize size;
  if (current == std::string::npos ||
      std::sscanf(text.c_str() + current, "current %d x %d", &size.width, &size.height) != 2) {
    SetWhy(why, "unexpected xrandr output: " + text);
    return std::nullopt;
  }
  return size;
}

}  // namespace ilvorande::e2e
