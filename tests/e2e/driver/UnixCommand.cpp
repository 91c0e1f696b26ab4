#include "driver/UnixCommand.h"

#include <windows.h>

#include "driver/Display.h"
#include "driver/Text.h"
#include "driver/Wait.h"

namespace ilvorande::e2e {

namespace {

constexpr std::string_view kStatusMarker = "@@unix-status=";

void SetWhy(std::string* why, std::string text) {
  if (why != nullptr) *why = std::move(text);
}

struct TempFile {
  std::wstring path;
  ~TempFile() {
    if (!path.empty()) DeleteFileW(path.c_str());
  }
};

// One argument of a Win32 command line: Wine splits it as Windows does
// before it starts the Unix program.
std::string ArgumentQuoted(std::string_view text) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (const char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

}  // namespace

std::optional<std::string> RunUnixShell(std::string_view script, std::string* why) {
  if (!RunningUnderWine()) {
    SetWhy(why, "not running under Wine");
    return std::nullopt;
  }
  wchar_t folder[MAX_PATH + 1] = {};
  wchar_t name[MAX_PATH + 1] = {};
  if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"ux", 0, name)) {
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
  // Wine hands back no process handle for a Unix program: a last line
  // written by the shell says that the script has ended, and how.
  const std::string wrapped =
      "(" + std::string(script) + "); echo " + std::string(kStatusMarker) + "$?";
  std::wstring commandLine = L"/bin/sh -c " + Widen(ArgumentQuoted(wrapped));
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
  size_t marker = std::string::npos;
  const bool ended = WaitUntil([&] {
    text = ReadWholeFile(name);
    marker = text.rfind(kStatusMarker);
    return marker != std::string::npos && text.find('\n', marker) != std::string::npos;
  });
  if (!ended) {
    SetWhy(why, "the command did not finish: " + text);
    return std::nullopt;
  }
  if (text.compare(marker + kStatusMarker.size(), 2, "0\n") != 0) {
    SetWhy(why, "the command failed: " + text);
    return std::nullopt;
  }
  text.resize(marker);
  return text;
}

std::string ShellQuote(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string UnixPathOf(const std::filesystem::path& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")));
  if (toUnix == nullptr) return {};
  char* unixPath = toUnix(path.c_str());
  if (unixPath == nullptr) return {};
  std::string result(unixPath);
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

std::filesystem::path WindowsPathOf(std::string_view unixPath) {
  using ToDos = WCHAR*(CDECL*)(LPCSTR);
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  const auto toDos = reinterpret_cast<ToDos>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")));
  if (toDos == nullptr) return {};
  const std::string copy(unixPath);
  WCHAR* dosPath = toDos(copy.c_str());
  if (dosPath == nullptr) return {};
  std::filesystem::path result(dosPath);
  HeapFree(GetProcessHeap(), 0, dosPath);
  return result;
}

}  // namespace ilvorande::e2e
