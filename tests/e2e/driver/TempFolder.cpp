#include "driver/TempFolder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <system_error>

#include "driver/Text.h"

namespace ilvorande::e2e {

TempFolder::TempFolder(std::wstring_view leaf) {
  static int made = 0;
  wchar_t temp[MAX_PATH + 1] = {};
  if (GetTempPathW(MAX_PATH, temp) == 0) return;
  root_ =
      std::filesystem::path(temp) /
      (L"ilvorande-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made));
  path_ = root_ / leaf;
  std::error_code error;
  created_ = std::filesystem::create_directories(path_, error);
}

TempFolder::~TempFolder() {
  if (root_.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(root_, error);
  if (error)
    ADD_FAILURE() << "cannot remove " << Narrow(root_.wstring()) << ": " << error.message();
}

}  // namespace ilvorande::e2e
