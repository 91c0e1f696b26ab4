// A shell whose desktop is a map of link files, with switches for each failure.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shortcuts/ShellPlatform.h"

namespace ilvorande::testing {

struct LinkFile {
  std::string targetPath;
  std::string arguments;
  std::string workingDirectory;
  int showCommand = 0;
  std::string description;
  std::string iconFile;
  int iconIndex = -1;
};

struct ShellExecuteCall {
  std::uintptr_t window;
  std::string operation, file, parameters, directory;
  int showCommand;
};

class FakeShell : public ShellPlatform {
 public:
  std::optional<std::string> desktop = "C:\\Users\\Zoë\\Desktop";
  std::map<std::string, std::string> environment{{"SystemRoot", "C:\\Windows"}};
  bool expansionFails = false;
  bool creationFails = false;
  bool saveFails = false;

  // Link files by path, as Save leaves them.
  std::map<std::string, LinkFile> files;
  int saves = 0;
  std::vector<std::string> expanded;
  std::vector<ShellExecuteCall> executed;

  std::optional<std::string> DesktopFolder() override { return desktop; }

  std::optional<std::string> ExpandEnvironmentStrings(std::string_view text) override {
    expanded.emplace_back(text);
    if (expansionFails) return std::nullopt;
    std::string result(text);
    for (const auto& [name, value] : environment) {
      const std::string reference = "%" + name + "%";
      for (auto at = result.find(reference); at != std::string::npos; at = result.find(reference)) {
        result.replace(at, reference.size(), value);
      }
    }
    return result;
  }

  std::unique_ptr<ShortcutObject> CreateShortcut(std::string_view linkPath) override {
    if (creationFails) return nullptr;
    return std::make_unique<Link>(*this, std::string(linkPath));
  }

  void ShellExecuteA(std::uintptr_t window, std::string_view operation, std::string_view file,
                     std::string_view parameters, std::string_view directory,
                     int showCommand) override {
    executed.push_back({window, std::string(operation), std::string(file), std::string(parameters),
                        std::string(directory), showCommand});
  }

 private:
  class Link : public ShortcutObject {
   public:
    Link(FakeShell& shell, std::string path) : shell_(shell), path_(std::move(path)) {
      // An existing link is opened for change, as the shell does.
      if (auto existing = shell_.files.find(path_); existing != shell_.files.end()) {
        values_ = existing->second;
      }
    }
    bool SetTargetPath(std::string_view path) override { return Set(values_.targetPath, path); }
    bool SetArguments(std::string_view arguments) override {
      return Set(values_.arguments, arguments);
    }
    bool SetWorkingDirectory(std::string_view folder) override {
      return Set(values_.workingDirectory, folder);
    }
    bool SetWindowStyle(int showCommand) override {
      values_.showCommand = showCommand;
      return true;
    }
    bool SetDescription(std::string_view description) override {
      return Set(values_.description, description);
    }
    bool SetIconLocation(std::string_view file, int index) override {
      values_.iconIndex = index;
      return Set(values_.iconFile, file);
    }
    bool Save() override {
      ++shell_.saves;
      if (shell_.saveFails) return false;
      shell_.files[path_] = values_;
      return true;
    }

   private:
    static bool Set(std::string& member, std::string_view value) {
      member = std::string(value);
      return true;
    }
    FakeShell& shell_;
    std::string path_;
    LinkFile values_;
  };
};

}  // namespace ilvorande::testing
