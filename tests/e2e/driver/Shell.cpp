#include "driver/Shell.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace ilvorande::e2e {

std::optional<std::filesystem::path> DesktopFolder() {
  wchar_t* folder = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_Desktop, 0, nullptr, &folder))) return std::nullopt;
  std::filesystem::path result(folder);
  CoTaskMemFree(folder);
  return result;
}

DWORD OpenWithShell(const std::filesystem::path& file) {
  // The shell may hand a link to COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  const DWORD error = ShellExecuteExW(&info) ? 0 : GetLastError();
  if (SUCCEEDED(com)) CoUninitialize();
  return error;
}

}  // namespace ilvorande::e2e
