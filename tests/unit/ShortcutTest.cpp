#include <gtest/gtest.h>

#include "tests/fakes/FormHarness.h"

namespace ilvorande::testing {
namespace {

constexpr char Desktop[] = "C:\\Users\\Zo\xC3\xAB\\Desktop";

TEST(ShortcutOption, MouseReleaseRelabelsThePresetsFromTheirTags) {
  FormHarness h;
  h.Load();
  h.view.check1Value = 1;
  h.form.Check1_MouseUp();
  EXPECT_EQ(h.Caption(ChangeId(4)), "Raccourci pour 1024 x 768");
  EXPECT_EQ(h.Caption(ChangeId(9)), "Raccourci pour 1280 x 800");
  EXPECT_EQ(h.Caption(ChangeId(CustomModeIndex)), "Autre...");

  // Another button released over the box: the same captions again.
  h.form.Check1_MouseUp();
  EXPECT_EQ(h.Caption(ChangeId(0)), "Raccourci pour 1600 x 1200");

  h.view.check1Value = 0;
  h.form.Check1_MouseUp();
  EXPECT_EQ(h.Caption(ChangeId(0)), "1600 x 1200");
  EXPECT_EQ(h.Caption(ChangeId(4)), "1024 x 768");
}

TEST(ShortcutOption, KeyboardTickChangesWhatAClickDoesButNotTheCaptions) {
  FormHarness h;
  h.Load();
  h.view.check1Value = 1;  // space bar: no mouse release
  h.form.Change_Click(4);
  EXPECT_EQ(h.Caption(ChangeId(4)), "1024 x 768");
  EXPECT_EQ(h.shell.files.size(), 1u);
  EXPECT_TRUE(h.display.changes.empty());
}

TEST(ShortcutOption, CustomButtonIsRefusedWithItsOwnMessage) {
  FormHarness h;
  h.Load();
  h.view.check1Value = 1;
  h.form.Change_Click(CustomModeIndex);
  ASSERT_EQ(h.toolkit.messages.size(), 1u);
  EXPECT_EQ(h.toolkit.messages[0].text,
            "D\xC3\xA9sol\xC3\xA9, le raccourci ne fonctionne que pour les autres boutons.");
  EXPECT_EQ(h.toolkit.messages[0].style, 64u);
  EXPECT_EQ(h.toolkit.messages[0].title, "D\xC3\xA9sol\xC3\xA9");
  EXPECT_TRUE(h.shell.files.empty());
  EXPECT_EQ(h.shell.saves, 0);
  EXPECT_TRUE(h.display.changes.empty());
}

struct PresetLink {
  std::int16_t index;
  const char* label;
  const char* arguments;
  friend void PrintTo(const PresetLink& c, std::ostream* out) { *out << c.label; }
};

class ShortcutForPreset : public ::testing::TestWithParam<PresetLink> {};

TEST_P(ShortcutForPreset, WritesEveryValueOfTheLink) {
  const auto& c = GetParam();
  FormHarness h;
  h.Load();
  h.view.check1Value = 1;
  h.form.Change_Click(c.index);

  const std::string path = std::string(Desktop) + "\\Ilvorande en " + c.label + ".lnk";
  ASSERT_EQ(h.shell.files.count(path), 1u);
  const auto& link = h.shell.files.at(path);
  EXPECT_EQ(link.targetPath, "C:\\Programmes\\Ilvorande\\Ilvorande.exe");
  EXPECT_EQ(link.arguments, c.arguments);
  EXPECT_EQ(link.workingDirectory, "C:\\Programmes\\Ilvorande");
  EXPECT_EQ(link.showCommand, 4);
  EXPECT_EQ(link.description, std::string("Ilvorande en ") + c.label);
  EXPECT_EQ(link.iconFile, link.targetPath);
  EXPECT_EQ(link.iconIndex, 0);
  EXPECT_TRUE(h.toolkit.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    NinePresets, ShortcutForPreset,
    ::testing::Values(PresetLink{0, "1600 x 1200", "/0F"}, PresetLink{1, "1400 x 1050", "/1F"},
                      PresetLink{2, "1280 x 960", "/2F"}, PresetLink{3, "1152 x 864", "/3F"},
                      PresetLink{4, "1024 x 768", "/4F"}, PresetLink{5, "800 x 600", "/5F"},
                      PresetLink{6, "640 x 480", "/6F"}, PresetLink{7, "1280 x 1024", "/7F"},
                      PresetLink{9, "1280 x 800", "/9F"}),
    [](const auto& info) { return "Index" + std::to_string(info.param.index); });

TEST(MakeDesktopShortcut, TargetIsBuiltFromFolderBaseNameAndExeWithExpansion) {
  FormHarness h;
  h.toolkit.appPath = "%SystemRoot%\\Outils";
  h.toolkit.exeName = "Ecran";
  MakeDesktopShortcut(h.shell, h.toolkit, 4, "1024 x 768");
  const auto& link = h.shell.files.at(std::string(Desktop) + "\\Ilvorande en 1024 x 768.lnk");
  EXPECT_EQ(link.targetPath, "C:\\Windows\\Outils\\Ecran.exe");
  EXPECT_EQ(link.workingDirectory, "C:\\Windows\\Outils");
  EXPECT_EQ(link.description, "Ilvorande en 1024 x 768") << "never expanded";
}

TEST(MakeDesktopShortcut, ProgramAtADriveRootGetsOneSeparator) {
  FormHarness h;
  h.toolkit.appPath = "D:\\";
  MakeDesktopShortcut(h.shell, h.toolkit, 5, "800 x 600");
  const auto& link = h.shell.files.at(std::string(Desktop) + "\\Ilvorande en 800 x 600.lnk");
  EXPECT_EQ(link.targetPath, "D:\\Ilvorande.exe");
  EXPECT_EQ(link.workingDirectory, "D:\\");
}

TEST(MakeDesktopShortcut, SameLinkTwiceLeavesOneFileTwoPresetsLeaveTwo) {
  FormHarness h;
  MakeDesktopShortcut(h.shell, h.toolkit, 4, "1024 x 768");
  MakeDesktopShortcut(h.shell, h.toolkit, 4, "1024 x 768");
  EXPECT_EQ(h.shell.files.size(), 1u);
  EXPECT_EQ(h.shell.saves, 2);
  MakeDesktopShortcut(h.shell, h.toolkit, 5, "800 x 600");
  EXPECT_EQ(h.shell.files.size(), 2u);
}

TEST(MakeDesktopShortcut, FailuresEndQuietlyAndWriteNothing) {
  struct Failure {
    const char* name;
    void (*arrange)(FakeShell&);
  };
  const Failure failures[] = {
      {"no desktop", [](FakeShell& s) { s.desktop.reset(); }},
      {"no link object", [](FakeShell& s) { s.creationFails = true; }},
      {"save refused", [](FakeShell& s) { s.saveFails = true; }},
  };
  for (const auto& failure : failures) {
    FormHarness h;
    failure.arrange(h.shell);
    h.Load();
    h.view.check1Value = 1;
    h.form.Change_Click(4);
    EXPECT_TRUE(h.shell.files.empty()) << failure.name;
    EXPECT_TRUE(h.toolkit.messages.empty()) << failure.name;
  }
}

TEST(MakeDesktopShortcut, FailedExpansionDropsOnlyTheExpandedValues) {
  FormHarness h;
  h.shell.expansionFails = true;
  MakeDesktopShortcut(h.shell, h.toolkit, 4, "1024 x 768");
  const auto& link = h.shell.files.at(std::string(Desktop) + "\\Ilvorande en 1024 x 768.lnk");
  EXPECT_EQ(link.targetPath, "");
  EXPECT_EQ(link.arguments, "/4F");
  EXPECT_EQ(link.showCommand, 4);
  EXPECT_EQ(link.description, "Ilvorande en 1024 x 768");
}

}  // namespace
}  // namespace ilvorande::testing
