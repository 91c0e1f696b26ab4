// Stands in for the web browser and the mail program that Wine's
// winebrowser starts for http: and mailto: links: a shell script of the
// test's own records each address it is given, one a line. The previous
// settings come back when the recorder goes.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "driver/TempFolder.h"
#include "driver/Wait.h"

namespace ilvorande::e2e {

class LinkRecorder {
 public:
  LinkRecorder();
  ~LinkRecorder();
  LinkRecorder(const LinkRecorder&) = delete;
  LinkRecorder& operator=(const LinkRecorder&) = delete;

  // False, with the reason, when the recorder could not be put in place.
  bool Ready() const { return error_.empty(); }
  const std::string& Error() const { return error_; }

  // The addresses recorded so far, in the order they came.
  std::vector<std::string> Addresses() const;
  // Waits until at least `count` addresses are there; returns them all.
  std::vector<std::string> WaitForAddresses(size_t count, Millis timeout = kTimeout) const;

 private:
  struct SavedValue {
    std::wstring name;
    std::optional<std::vector<BYTE>> data;
    DWORD type = REG_SZ;
  };

  bool Install();

  TempFolder folder_;
  std::filesystem::path recordFile_;
  std::vector<SavedValue> saved_;
  std::string error_;
};

}  // namespace ilvorande::e2e
