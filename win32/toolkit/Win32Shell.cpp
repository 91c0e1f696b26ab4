#include "win32/toolkit/Win32Shell.h"

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "win32/toolkit/ScopedWin.h"
#include "win32/toolkit/Win32Library.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

static_assert(static_cast<int>(ShowCommand::Normal) == SW_SHOWNORMAL);
static_assert(static_cast<int>(ShowCommand::NoActivate) == SW_SHOWNOACTIVATE);

namespace {

// ole32 and shell32 are loaded when a shortcut or a link first needs them,
// so that a start that never uses the shell doesn't pay for them.
struct Ole32 {
  decltype(&::CoInitializeEx) initialize =
      SystemFunction<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
  decltype(&::CoCreateInstance) createInstance =
      SystemFunction<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  decltype(&::CoUninitialize) uninitialize =
      SystemFunction<decltype(&::CoUninitialize)>(L"ole32.dll", "CoUninitialize");
  decltype(&::CoTaskMemFree) free =
      SystemFunction<decltype(&::CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
};

// COM on the user-interface thread from its first use to the end of the program.
class Apartment {
 public:
  Apartment()
      : initialised_(functions.initialize != nullptr &&
                     SUCCEEDED(functions.initialize(
                         nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
  ~Apartment() {
    if (initialised_ && functions.uninitialize != nullptr) functions.uninitialize();
  }
  const Ole32 functions;

 private:
  bool initialised_;
};

const Ole32& Com() {
  static const Apartment apartment;
  return apartment.functions;
}

// Some readers of links, Wine's own among them, follow only the ANSI form of
// the target. A target that the ANSI code page cannot spell goes in its short
// (8.3) form, which every reader can follow to the same file.
std::wstring TargetForLink(const std::wstring& path) {
  if (GetACP() == CP_UTF8) return path;
  BOOL lossy = FALSE;
  if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0, nullptr,
                          &lossy) == 0 ||
      !lossy) {
    return path;
  }
  const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (length == 0) return path;
  std::wstring shortPath(length, L'\0');
  shortPath.resize(GetShortPathNameW(path.c_str(), shortPath.data(), length));
  return shortPath.empty() ? path : shortPath;
}

// Hands the address, in the ANSI code page, to whatever the system opens it
// with: no parameters, the window shown normally; the result is not examined.
void OpenAddress(WindowHandle owner, const char* verb, std::string_view address,
                 std::string_view folder) {
  const auto execute = SystemFunction<decltype(&::ShellExecuteA)>(L"shell32.dll", "ShellExecuteA");
  if (execute == nullptr) return;
  // The shell may hand the address to COM-based handlers.
  (void)Com();
  execute(reinterpret_cast<HWND>(owner), verb, Utf8ToAnsi(address).c_str(), "",
          Utf8ToAnsi(folder).c_str(), static_cast<int>(ShowCommand::Normal));
}

}  // namespace

std::optional<std::string> Win32Shell::DesktopFolder() {
  using KnownFolderPath = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
  const auto knownFolderPath =
      SystemFunction<KnownFolderPath>(L"shell32.dll", "SHGetKnownFolderPath");
  CoTaskText folder(Com().free);
  if (knownFolderPath == nullptr ||
      FAILED(knownFolderPath(FOLDERID_Desktop, 0, nullptr, folder.out()))) {
    return std::nullopt;
  }
  return WideToUtf8(folder.get());
}

std::optional<std::string> Win32Shell::ExpandEnvironment(std::string_view text) {
  const std::wstring source = Utf8ToWide(text);
  std::wstring expanded(source.size() + 1, L'\0');
  for (;;) {
    const DWORD needed = ExpandEnvironmentStringsW(source.c_str(), expanded.data(),
                                                   static_cast<DWORD>(expanded.size()));
    if (needed == 0) return std::nullopt;
    if (needed <= expanded.size()) {
      expanded.resize(needed - 1);
      return WideToUtf8(expanded);
    }
    expanded.resize(needed);
  }
}

// Each value that fails is left out and the rest goes on; nothing is reported.
void Win32Shell::WriteLink(const ShellLink& link) {
  const auto create = Com().createInstance;
  ScopedComReference<IShellLinkW> shellLink;
  ScopedComReference<IPersistFile> file;
  if (create == nullptr ||
      FAILED(create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                    shellLink.out())) ||
      FAILED(shellLink->QueryInterface(IID_IPersistFile, file.out()))) {
    return;
  }
  const std::wstring path = Utf8ToWide(link.path);
  // An existing link is opened for change; a missing one simply starts empty.
  file->Load(path.c_str(), STGM_READWRITE);
  if (link.target) shellLink->SetPath(TargetForLink(Utf8ToWide(*link.target)).c_str());
  shellLink->SetArguments(Utf8ToWide(link.arguments).c_str());
  if (link.workingFolder) shellLink->SetWorkingDirectory(Utf8ToWide(*link.workingFolder).c_str());
  shellLink->SetShowCmd(static_cast<int>(link.show));
  shellLink->SetDescription(Utf8ToWide(link.description).c_str());
  if (link.iconFile) shellLink->SetIconLocation(Utf8ToWide(*link.iconFile).c_str(), link.iconIndex);
  file->Save(path.c_str(), TRUE);
}

void Win32Shell::OpenWebPage(WindowHandle owner, std::string_view address,
                             std::string_view folder) {
  OpenAddress(owner, "open", address, folder);
}

void Win32Shell::WriteMail(WindowHandle owner, std::string_view mailtoAddress,
                           std::string_view folder) {
  // Deliberate quirk: a capital O, unlike the web page's verb, as the
  // program has always sent it.
  OpenAddress(owner, "Open", mailtoAddress, folder);
}

}  // namespace ilvorande
