#include "toolkit/Win32Toolkit.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "mainwindow/CommandLine.h"
#include "toolkit/Win32MessageLoop.h"
#include "toolkit/Win32Text.h"

namespace ilvorande {

namespace {

// Twips per pixel as at 96 dpi: the program works in real pixels, so the
// quotient of the two is always the exact pixel count.
constexpr float TwipsPerPixel = 15.0f;

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::size_t NameStart(const std::wstring& path) {
  const auto separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? 0 : separator + 1;
}

// The window that a message box should block: the active one of this thread,
// else the first visible and enabled one (a message box during start-up has none).
HWND MessageBoxOwner() {
  if (const HWND active = GetActiveWindow(); active != nullptr) return active;
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// VS_FIXEDFILEINFO of the program's own version resource, found by its signature.
const VS_FIXEDFILEINFO* OwnFixedFileInfo() {
  const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
  if (resource == nullptr) return nullptr;
  const HGLOBAL loaded = LoadResource(nullptr, resource);
  const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
  const DWORD size = SizeofResource(nullptr, resource);
  if (bytes == nullptr) return nullptr;
  constexpr DWORD Signature = 0xFEEF04BD;
  for (DWORD offset = 0; offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += sizeof(DWORD)) {
    DWORD word = 0;
    std::memcpy(&word, bytes + offset, sizeof word);
    if (word == Signature) return reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + offset);
  }
  return nullptr;
}

}  // namespace

int Win32Toolkit::MsgBox(std::string_view text, std::uint32_t style, std::string_view title) {
  return MessageBoxW(MessageBoxOwner(), Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(), style);
}

std::string Win32Toolkit::CommandLine() {
  return std::string(ArgumentPart(WideToUtf8(GetCommandLineW())));
}

std::string Win32Toolkit::AppPath() {
  const std::wstring path = ModulePath();
  std::size_t folderEnd = NameStart(path);
  // Keep the separator of a drive's root ("C:\"), drop any other.
  if (folderEnd > 0 && !(folderEnd >= 2 && path[folderEnd - 2] == L':')) --folderEnd;
  return WideToUtf8(std::wstring_view(path).substr(0, folderEnd));
}

std::string Win32Toolkit::AppExeName() {
  const std::wstring path = ModulePath();
  std::wstring name = path.substr(NameStart(path));
  if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.resize(dot);
  return WideToUtf8(name);
}

AppVersion Win32Toolkit::AppVersionNumbers() {
  const VS_FIXEDFILEINFO* info = OwnFixedFileInfo();
  if (info == nullptr) return {0, 0, 0};
  return {static_cast<int>(HIWORD(info->dwFileVersionMS)),
          static_cast<int>(LOWORD(info->dwFileVersionMS)),
          static_cast<int>(HIWORD(info->dwFileVersionLS))};
}

std::string Win32Toolkit::DecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0) return ".";
  return WideToUtf8(separator);
}

ScreenMetrics Win32Toolkit::Screen() {
  const auto width = static_cast<float>(GetSystemMetrics(SM_CXSCREEN));
  const auto height = static_cast<float>(GetSystemMetrics(SM_CYSCREEN));
  return {width * TwipsPerPixel, height * TwipsPerPixel, TwipsPerPixel, TwipsPerPixel};
}

void Win32Toolkit::DoEvents() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit for the main loop to see.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchWithDialogKeys(message);
  }
}

void Win32Toolkit::End(int exitCode) {
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace ilvorande
