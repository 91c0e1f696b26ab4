// The desktop links that the shortcut option writes.
#include <gtest/gtest.h>

#include <tuple>

#include "core/shortcuts/ShortcutOption.h"
#include "tests/fakes/FakeSystem.h"

namespace ilvorande::testing {
namespace {

TEST(DesktopLink, FolderReferencesAreExpandedADriveRootKeepsOneSeparatorFailuresAreSkipped) {
  FakeSystem system;
  system.appFolder = "%SystemRoot%\\Outils";
  MakeShortcutForButton(system, system, 5);
  system.appFolder = "C:\\";
  MakeShortcutForButton(system, system, 5);
  // Failing steps are skipped silently; without a desktop there is nowhere to write.
  system.expansionFails = true;
  MakeShortcutForButton(system, system, 6);
  system.desktop.reset();
  MakeShortcutForButton(system, system, 6);
  std::vector<std::tuple<std::optional<std::string>, std::optional<std::string>, std::string>> made;
  for (const ShellLink& link : system.links)
    made.emplace_back(link.target, link.workingFolder, link.arguments);
  EXPECT_EQ(made,
            (decltype(made){{"C:\\Windows\\Outils\\Ilvorande.exe", "C:\\Windows\\Outils", "/5F"},
                            {"C:\\Ilvorande.exe", "C:\\", "/5F"},
                            {std::nullopt, std::nullopt, "/6F"}}));
  EXPECT_TRUE(system.messages.empty());
}

}  // namespace
}  // namespace ilvorande::testing
