#include "shortcuts/Win32Shell.h"

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "toolkit/Win32Library.h"
#include "toolkit/Win32Text.h"

// The interface's member keeps the shell's name; the W function is called by its own name.
#undef ExpandEnvironmentStrings

namespace ilvorande {

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

// Releases a COM interface at the end of its owner's life.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  void** out() { return reinterpret_cast<void**>(&pointer_); }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

class CoTaskText {
 public:
  CoTaskText() = default;
  CoTaskText(const CoTaskText&) = delete;
  CoTaskText& operator=(const CoTaskText&) = delete;
  ~CoTaskText() {
    if (text_ != nullptr && Com().free != nullptr) Com().free(text_);
  }
  wchar_t** out() { return &text_; }
  const wchar_t* get() const { return text_; }

 private:
  wchar_t* text_ = nullptr;
};

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

class Win32Shortcut final : public ShortcutObject {
 public:
  explicit Win32Shortcut(std::wstring path) : path_(std::move(path)) {
    const auto create = Com().createInstance;
    if (create == nullptr ||
        FAILED(
            create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link_.out())) ||
        FAILED(link_->QueryInterface(IID_IPersistFile, file_.out()))) {
      return;
    }
    // An existing link is opened for change; a missing one simply starts empty.
    file_->Load(path_.c_str(), STGM_READWRITE);
  }
  bool ready() const { return link_ && file_; }

  bool SetTargetPath(std::string_view path) override {
    return SUCCEEDED(link_->SetPath(TargetForLink(Utf8ToWide(path)).c_str()));
  }
  bool SetArguments(std::string_view arguments) override {
    return SUCCEEDED(link_->SetArguments(Utf8ToWide(arguments).c_str()));
  }
  bool SetWorkingDirectory(std::string_view folder) override {
    return SUCCEEDED(link_->SetWorkingDirectory(Utf8ToWide(folder).c_str()));
  }
  bool SetWindowStyle(int showCommand) override {
    return SUCCEEDED(link_->SetShowCmd(showCommand));
  }
  bool SetDescription(std::string_view description) override {
    return SUCCEEDED(link_->SetDescription(Utf8ToWide(description).c_str()));
  }
  bool SetIconLocation(std::string_view file, int index) override {
    return SUCCEEDED(link_->SetIconLocation(Utf8ToWide(file).c_str(), index));
  }
  bool Save() override { return SUCCEEDED(file_->Save(path_.c_str(), TRUE)); }

 private:
  std::wstring path_;
  ComPtr<IShellLinkW> link_;
  ComPtr<IPersistFile> file_;
};

}  // namespace

std::optional<std::string> Win32Shell::DesktopFolder() {
  using KnownFolderPath = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
  const auto knownFolderPath =
      SystemFunction<KnownFolderPath>(L"shell32.dll", "SHGetKnownFolderPath");
  CoTaskText folder;
  if (knownFolderPath == nullptr ||
      FAILED(knownFolderPath(FOLDERID_Desktop, 0, nullptr, folder.out()))) {
    return std::nullopt;
  }
  return WideToUtf8(folder.get());
}

std::optional<std::string> Win32Shell::ExpandEnvironmentStrings(std::string_view text) {
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

std::unique_ptr<ShortcutObject> Win32Shell::CreateShortcut(std::string_view linkPath) {
  auto shortcut = std::make_unique<Win32Shortcut>(Utf8ToWide(linkPath));
  if (!shortcut->ready()) return nullptr;
  return shortcut;
}

void Win32Shell::ShellExecuteA(std::uintptr_t window, std::string_view operation,
                               std::string_view file, std::string_view parameters,
                               std::string_view directory, int showCommand) {
  const auto execute = SystemFunction<decltype(&::ShellExecuteA)>(L"shell32.dll", "ShellExecuteA");
  if (execute == nullptr) return;
  // The shell may hand the link to COM-based handlers.
  (void)Com();
  execute(reinterpret_cast<HWND>(window), Utf8ToAnsi(operation).c_str(), Utf8ToAnsi(file).c_str(),
          Utf8ToAnsi(parameters).c_str(), Utf8ToAnsi(directory).c_str(), showCommand);
}

}  // namespace ilvorande
