#include "driver/LinkRecorder.h"

#include <fstream>

#include "driver/Text.h"
#include "driver/UnixCommand.h"

namespace ilvorande::e2e {

namespace {

constexpr wchar_t kWineBrowserKey[] = L"Software\\Wine\\WineBrowser";
constexpr const wchar_t* kValueNames[] = {L"Browsers", L"Mailers"};

}  // namespace

LinkRecorder::LinkRecorder() {
  Install();
}

bool LinkRecorder::Install() {
  if (!folder_.Created()) {
    error_ = "cannot create " + folder_.Path().string();
    return false;
  }
  recordFile_ = folder_.Path() / L"opened.txt";
  const std::filesystem::path script = folder_.Path() / L"record.sh";
  const std::string unixRecord = UnixPathOf(recordFile_);
  const std::string unixScript = UnixPathOf(script);
  if (unixRecord.empty() || unixScript.empty()) {
    error_ = "no host path for " + folder_.Path().string();
    return false;
  }
  {
    std::ofstream out(script, std::ios::binary);
    out << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> " << ShellQuote(unixRecord) << "\n";
    if (!out) {
      error_ = "cannot write " + script.string();
      return false;
    }
  }
  // winebrowser runs each listed command with the address as one more argument.
  const std::wstring command = L"/bin/sh " + Widen(unixScript);

  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kWineBrowserKey, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    error_ = "cannot open HKCU\\Software\\Wine\\WineBrowser";
    return false;
  }
  for (const wchar_t* name : kValueNames) {
    SavedValue saved{name, std::nullopt, REG_SZ};
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
      std::vector<BYTE> data(size);
      if (RegQueryValueExW(key, name, nullptr, &saved.type, data.data(), &size) == ERROR_SUCCESS)
        saved.data = std::move(data);
    }
    saved_.push_back(std::move(saved));
    if (RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) !=
        ERROR_SUCCESS) {
      error_ = "cannot set the WineBrowser values";
      break;
    }
  }
  RegCloseKey(key);
  return error_.empty();
}

LinkRecorder::~LinkRecorder() {
  HKEY key = nullptr;
  if (!saved_.empty() &&
      RegOpenKeyExW(HKEY_CURRENT_USER, kWineBrowserKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
    for (const SavedValue& saved : saved_) {
      if (saved.data)
        RegSetValueExW(key, saved.name.c_str(), 0, saved.type, saved.data->data(),
                       static_cast<DWORD>(saved.data->size()));
      else
        RegDeleteValueW(key, saved.name.c_str());
    }
    RegCloseKey(key);
  }
}

std::vector<std::string> LinkRecorder::Addresses() const {
  const std::string text = ReadWholeFile(recordFile_);
  // Only whole lines: the script may still be writing the last one.
  std::vector<std::string> addresses;
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
    addresses.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return addresses;
}

std::vector<std::string> LinkRecorder::WaitForAddresses(size_t count, Millis timeout) const {
  std::vector<std::string> addresses;
  WaitUntil(
      [&] {
        addresses = Addresses();
        return addresses.size() >= count;
      },
      timeout);
  return addresses;
}

}  // namespace ilvorande::e2e
