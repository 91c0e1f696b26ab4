// The desktop links that the shortcut option writes.
#include <gtest/gtest.h>

#include "core/shortcuts/ShortcutOption.h"
#include "tests/fakes/FakeSystem.h"

namespace ilvorande::testing {
namespace {

TEST(DesktopLink, FolderReferencesAreExpandedAndADriveRootKeepsOneSeparator) {
  FakeSystem system;
  system.appFolder = "%SystemRoot%\\Outils";
  MakeShortcutForButton(system, system, 5);
  system.appFolder = "C:\\";
  MakeShortcutForButton(system, system, 5);
  ASSERT_EQ(system.links.size(), 2u);
  EXPECT_EQ(system.links[0].target, "C:\\Windows\\Outils\\Ilvorande.exe");
  EXPECT_EQ(system.links[0].workingFolder, "C:\\Windows\\Outils");
  EXPECT_EQ(system.links[1].target, "C:\\Ilvorande.exe");
  EXPECT_EQ(system.links[1].workingFolder, "C:\\");
}

TEST(DesktopLink, FailingStepsAreSkippedSilently) {
  FakeSystem system;
  system.expansionFails = true;
  MakeShortcutForButton(system, system, 6);
  ASSERT_EQ(system.links.size(), 1u);
  EXPECT_FALSE(system.links[0].target);
  EXPECT_FALSE(system.links[0].workingFolder);
  EXPECT_EQ(system.links[0].arguments, "/6F");

  // Without a desktop there is nowhere to write.
  system.desktop.reset();
  MakeShortcutForButton(system, system, 6);
  EXPECT_EQ(system.links.size(), 1u);
  EXPECT_TRUE(system.messages.empty());
}

}  // namespace
}  // namespace ilvorande::testing
