#include "driver/Program.h"

#include <tlhelp32.h>

#include <string>

namespace ilvorande::e2e {

namespace {

struct EnumContext {
  DWORD pid;
  std::wstring_view className;
  std::vector<Window>* found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lparam) {
  auto* context = reinterpret_cast<EnumContext*>(lparam);
  const Window window(hwnd);
  if (window.ProcessId() == context->pid &&
      (context->className.empty() || window.ClassName() == context->className))
    context->found->push_back(window);
  return TRUE;
}

}  // namespace

std::filesystem::path Program::DefaultExecutable() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path() / L"Ilvorande.exe";
}

Program::Program(std::wstring_view arguments, const std::filesystem::path& executable) {
  std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
  const std::wstring folder = executable.parent_path().wstring();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // Wine now and then refuses a start with ERROR_INTERNAL_ERROR while the
  // previous test's program is still being torn down; a later try succeeds.
  WaitUntil([&] {
    if (CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.c_str(), &startup, &info)) {
      startError_ = 0;
      return true;
    }
    startError_ = GetLastError();
    return startError_ != ERROR_INTERNAL_ERROR;
  });
  if (startError_ != 0) return;
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
}

Program::~Program() {
  Terminate();
  if (process_ != nullptr) CloseHandle(process_);
}

bool Program::IsRunning() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::WaitForExit(Millis timeout) const {
  if (process_ == nullptr) return std::nullopt;
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

void Program::Terminate() {
  if (!IsRunning()) return;
  TerminateProcess(process_, 0xDEAD);
  WaitForSingleObject(process_, static_cast<DWORD>(kTimeout.count()));
}

std::vector<Window> Program::TopLevelWindows(std::wstring_view className) const {
  std::vector<Window> found;
  if (process_ == nullptr) return found;
  EnumContext context{pid_, className, &found};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&context));
  return found;
}

Window Program::WaitForWindow(std::wstring_view className, Millis timeout) const {
  Window result;
  WaitUntil(
      [&] {
        for (const Window& window : TopLevelWindows(className)) {
          if (window.IsVisible()) {
            result = window;
            return true;
          }
        }
        return !IsRunning();
      },
      timeout);
  return result;
}

std::vector<MessageDialog> Program::MessageDialogs() const {
  std::vector<MessageDialog> dialogs;
  for (const Window& window : TopLevelWindows(L"#32770"))
    if (window.IsVisible()) dialogs.emplace_back(window);
  return dialogs;
}

std::optional<MessageDialog> Program::WaitForMessageDialog(Millis timeout) const {
  std::optional<MessageDialog> result;
  WaitUntil(
      [&] {
        if (auto dialogs = MessageDialogs(); !dialogs.empty()) {
          result = dialogs.front();
          return true;
        }
        return !IsRunning();
      },
      timeout);
  return result;
}

int KillProcessesNamed(std::wstring_view exeName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  const std::wstring name(exeName);
  int killed = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId() ||
        _wcsicmp(entry.szExeFile, name.c_str()) != 0)
      continue;
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
      if (TerminateProcess(process, 0xDEAD)) {
        WaitForSingleObject(process, static_cast<DWORD>(kTimeout.count()));
        ++killed;
      }
      CloseHandle(process);
    }
  }
  CloseHandle(snapshot);
  return killed;
}

}  // namespace ilvorande::e2e
