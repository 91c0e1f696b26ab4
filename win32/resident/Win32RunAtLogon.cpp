#include "win32/resident/Win32RunAtLogon.h"

#include <windows.h>

#include <string>

#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

// Under HKEY_CURRENT_USER.
struct RunValueAddress {
  std::wstring key = Utf8ToWide(RunKeyPath);
  std::wstring name = Utf8ToWide(RunValueName);
};

}  // namespace

// A value of another type than text is no command the program wrote.
std::optional<std::string> Win32RunAtLogon::ReadValue() {
  constexpr DWORD TextOnly = RRF_RT_REG_SZ;
  const RunValueAddress value;
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str(), TextOnly, nullptr,
                   nullptr, &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str(), TextOnly, nullptr,
                   text.data(), &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(text.find(L'\0'));
  return WideToUtf8(text);
}

void Win32RunAtLogon::WriteValue(std::string_view data) {
  const std::wstring text = Utf8ToWide(data);
  const RunValueAddress value;
  RegSetKeyValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str(), REG_SZ, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void Win32RunAtLogon::DeleteValue() {
  const RunValueAddress value;
  RegDeleteKeyValueW(HKEY_CURRENT_USER, value.key.c_str(), value.name.c_str());
}

}  // namespace ilvorande
