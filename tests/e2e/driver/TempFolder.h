// A folder of the test's own under the temporary folder.
#pragma once

#include <filesystem>
#include <string_view>

namespace ilvorande::e2e {

// Made fresh, and removed with all it holds when the object goes (a failure
// is recorded if it cannot be). `leaf` names the innermost folder.
class TempFolder {
 public:
  explicit TempFolder(std::wstring_view leaf = L"files");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  bool Created() const { return created_; }

 private:
  std::filesystem::path root_;
  std::filesystem::path path_;
  bool created_ = false;
};

}  // namespace ilvorande::e2e
