#include "win32/toolkit/Win32Toolkit.h"

#include <windows.h>

#include <cstring>
#include <string>

#include "core/toolkit/ArgumentPart.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

static_assert(static_cast<UINT>(MessageStyle::OkWithStopIcon) == (MB_OK | MB_ICONERROR));
static_assert(static_cast<UINT>(MessageStyle::OkWithInformationIcon) ==
              (MB_OK | MB_ICONINFORMATION));
static_assert(static_cast<UINT>(MessageStyle::YesNoSystemModal) == (MB_YESNO | MB_SYSTEMMODAL));

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

MessageAnswer Win32Toolkit::ShowMessage(std::string_view text, MessageStyle style,
                                        std::string_view title) {
  const int answer = MessageBoxW(MessageBoxOwner(), Utf8ToWide(text).c_str(),
                                 Utf8ToWide(title).c_str(), static_cast<UINT>(style));
  return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::Other;
}

std::string Win32Toolkit::CommandLine() {
  return std::string(ArgumentPart(WideToUtf8(GetCommandLineW())));
}

std::string Win32Toolkit::AppFolder() {
  const std::wstring path = ModulePath();
  std::size_t folderEnd = NameStart(path);
  // Keep the separator of a drive's root ("C:\"), drop any other.
  if (folderEnd > 0 && !(folderEnd >= 2 && path[folderEnd - 2] == L':')) --folderEnd;
  return WideToUtf8(std::wstring_view(path).substr(0, folderEnd));
}

std::string Win32Toolkit::AppBaseName() {
  const std::wstring path = ModulePath();
  std::wstring name = path.substr(NameStart(path));
  if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.resize(dot);
  return WideToUtf8(name);
}

AppVersion Win32Toolkit::Version() {
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

void Win32Toolkit::ProcessWaitingMessages() {
  while (DispatchNext(false) == Dispatched::One) {
  }
}

void Win32Toolkit::EndProcess(int exitCode) {
  ExitProcess(static_cast<UINT>(exitCode));
}

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

}  // namespace ilvorande
