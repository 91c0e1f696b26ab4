#include "shortcuts/Win32Shell.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <string>

#include "toolkit/Win32Text.h"

// The interface's member keeps the shell's name; the W function is called by its own name.
#undef ExpandEnvironmentStrings

namespace ilvorande {

namespace {

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
  Interface* get() const { return pointer_; }
  Interface** out() { return &pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

struct CoTaskMemDeleter {
  void operator()(wchar_t* text) const { CoTaskMemFree(text); }
};

class Win32Shortcut final : public ShortcutObject {
 public:
  explicit Win32Shortcut(std::wstring path) : path_(std::move(path)) {
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link_.out())))) {
      return;
    }
    // An existing link is opened for change; a missing one simply starts empty.
    if (link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file_.out())) == S_OK) {
      file_->Load(path_.c_str(), STGM_READWRITE);
    }
  }
  bool ready() const { return link_ && file_; }

  bool SetTargetPath(std::string_view path) override {
    return SUCCEEDED(link_->SetPath(Utf8ToWide(path).c_str()));
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
  wchar_t* folder = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &folder))) {
    CoTaskMemFree(folder);
    return std::nullopt;
  }
  const std::unique_ptr<wchar_t, CoTaskMemDeleter> owner(folder);
  return WideToUtf8(folder);
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
  ::ShellExecuteA(reinterpret_cast<HWND>(window), Utf8ToAnsi(operation).c_str(),
                  Utf8ToAnsi(file).c_str(), Utf8ToAnsi(parameters).c_str(),
                  Utf8ToAnsi(directory).c_str(), showCommand);
}

}  // namespace ilvorande
