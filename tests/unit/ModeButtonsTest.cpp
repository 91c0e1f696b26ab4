#include <gtest/gtest.h>

#include "tests/fakes/FormHarness.h"

namespace ilvorande::testing {
namespace {

constexpr char RefusalText[] = "Votre carte graphique n'accepte pas cette résolution";

struct PresetCase {
  std::int16_t index;
  std::int32_t width, height;
  friend void PrintTo(const PresetCase& c, std::ostream* out) { *out << "index " << c.index; }
};

class PresetButtons : public ::testing::TestWithParam<PresetCase> {};

TEST_P(PresetButtons, SwitchToTheirModeAtTheCurrentDepth) {
  const auto& c = GetParam();
  FormHarness h;
  h.screen.bitsPerPixel = 16;
  h.Load();

  h.form.Change_Click(c.index);

  ASSERT_EQ(h.display.changes.size(), 2u);
  EXPECT_EQ(h.display.changes[0].record.dmPelsWidth, static_cast<std::uint32_t>(c.width));
  EXPECT_EQ(h.display.changes[0].record.dmPelsHeight, static_cast<std::uint32_t>(c.height));
  EXPECT_EQ(h.display.changes[0].record.dmBitsPerPel, 16u);
  EXPECT_EQ(h.Caption(IdLabel1), std::to_string(c.width) + " X " + std::to_string(c.height));
  EXPECT_TRUE(h.display.liveContexts.empty());
}

// The digit follows the index, never the row: 7 and 9 stand third and fifth.
INSTANTIATE_TEST_SUITE_P(EveryPreset, PresetButtons,
                         ::testing::Values(PresetCase{0, 1600, 1200}, PresetCase{1, 1400, 1050},
                                           PresetCase{2, 1280, 960}, PresetCase{3, 1152, 864},
                                           PresetCase{4, 1024, 768}, PresetCase{5, 800, 600},
                                           PresetCase{6, 640, 480}, PresetCase{7, 1280, 1024},
                                           PresetCase{9, 1280, 800}),
                         [](const auto& info) {
                           return "Index" + std::to_string(info.param.index);
                         });

TEST(ChangeClick, SavesTheModeInForceOnceAndOffersItBack) {
  FormHarness h;
  h.Load();
  EXPECT_FALSE(h.view.enabled.at(IdCommand5));

  h.form.Change_Click(5);
  EXPECT_EQ(h.Caption(IdLabel1), "800 X 600");
  EXPECT_TRUE(h.view.enabled.at(IdCommand5));
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1600 x 1200");

  h.form.Change_Click(4);
  EXPECT_EQ(h.Caption(IdLabel1), "1024 X 768");
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1600 x 1200");
}

TEST(ChangeClick, ContextIsDeletedAndMessagesProcessedBeforeTheModeIsShown) {
  FormHarness h;
  h.Load();
  h.form.Change_Click(4);
  const std::vector<std::string> expected{"CreateDCA",
                                          "GetDeviceCaps 12",
                                          "EnumDisplaySettingsA 0",
                                          "ChangeDisplaySettingsA 4",
                                          "ChangeDisplaySettingsA 1",
                                          "SendMessageA",
                                          "DeleteDC"};
  EXPECT_EQ(h.display.calls, expected);
  EXPECT_EQ(h.toolkit.doEventsCount, 1);
  // Label1 was written after the metrics caught up with the switch.
  EXPECT_EQ(h.Caption(IdLabel1), "1024 X 768");
}

TEST(ChangeClick, RefusedSwitchStillRefreshesAndEnablesRestore) {
  FormHarness h;
  h.Load();
  h.display.temporaryChangeResult = -2;
  h.form.Change_Click(0);
  ASSERT_EQ(h.toolkit.messages.size(), 1u);
  EXPECT_EQ(h.toolkit.messages[0].text, RefusalText);
  EXPECT_EQ(h.Caption(IdLabel1), "1600 X 1200");
  EXPECT_TRUE(h.view.enabled.at(IdCommand5));
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1600 x 1200");
}

TEST(ChangeClick, TickedBoxSavesTheModeButSwitchesNothing) {
  FormHarness h;
  h.Load();
  h.view.check1Value = 1;
  h.form.Change_Click(4);
  EXPECT_TRUE(h.display.calls.empty()) << "no device context, no switch";
  EXPECT_FALSE(h.view.enabled.at(IdCommand5));
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer");
  EXPECT_EQ(h.shell.saves, 1);

  // The mode saved by that click is the one Restaurer offers later.
  h.view.check1Value = 0;
  h.screen.width = 1024;
  h.screen.height = 768;
  h.form.Change_Click(5);
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1600 x 1200");
}

struct CustomCase {
  const char* width;
  const char* height;
  const char* separator;
  bool asked;  // whether a switch is asked of the system at all
  std::uint32_t askedWidth, askedHeight;
  friend void PrintTo(const CustomCase& c, std::ostream* out) {
    *out << '"' << c.width << "\" x \"" << c.height << '"';
  }
};

class CustomEntry : public ::testing::TestWithParam<CustomCase> {};

TEST_P(CustomEntry, ConvertsTheTextsOrDropsTheSwitch) {
  const auto& c = GetParam();
  FormHarness h;
  h.Load();
  h.toolkit.decimalSeparator = c.separator;
  h.view.texts[IdText1] = c.width;
  h.view.texts[IdText2] = c.height;
  h.display.temporaryChangeResult = -2;  // only what is asked matters here

  h.form.Change_Click(CustomModeIndex);

  if (c.asked) {
    ASSERT_EQ(h.display.changes.size(), 1u);
    EXPECT_EQ(h.display.changes[0].record.dmPelsWidth, c.askedWidth);
    EXPECT_EQ(h.display.changes[0].record.dmPelsHeight, c.askedHeight);
  } else {
    EXPECT_TRUE(h.display.changes.empty());
    EXPECT_TRUE(h.toolkit.messages.empty()) << "a width that is no number is dropped silently";
  }
  EXPECT_TRUE(h.view.enabled.at(IdCommand5));
  EXPECT_EQ(h.Caption(IdLabel1), "1600 X 1200");
  EXPECT_TRUE(h.display.liveContexts.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, CustomEntry,
                         ::testing::Values(CustomCase{"1024", "768", ".", true, 1024, 768},
                                           CustomCase{" 800 ", "600.4", ".", true, 800, 600},
                                           CustomCase{"800,5", "600,5", ",", true, 800, 600},
                                           CustomCase{"801.5", "598.5", ".", true, 802, 598},
                                           CustomCase{"", "768", ".", false, 0, 0},
                                           CustomCase{"large", "768", ".", false, 0, 0},
                                           CustomCase{"99999999999", "768", ".", false, 0, 0},
                                           CustomCase{"1024", "", ".", true, 1024, 0},
                                           CustomCase{"1024", "haut", ".", true, 1024, 0}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(CustomEntry, HeightBeyond16BitsSwitchesButMissesOnlyTheBroadcast) {
  FormHarness h;
  h.Load();
  h.view.texts[IdText1] = "1024";
  h.view.texts[IdText2] = "40000";
  h.form.Change_Click(CustomModeIndex);
  EXPECT_EQ(h.display.changes.size(), 2u);
  EXPECT_TRUE(h.display.messages.empty());
  EXPECT_TRUE(h.toolkit.messages.empty());
  EXPECT_TRUE(h.view.enabled.at(IdCommand5)) << "the handler goes on after the overflow";
}

TEST(Restore, ReturnsToTheSavedModeAtTheDepthInForce) {
  FormHarness h;
  h.Load();
  h.form.Change_Click(5);
  h.form.Change_Click(4);
  h.screen.bitsPerPixel = 16;  // the depth changed meanwhile
  h.display.changes.clear();

  h.form.Command5_Click();
  ASSERT_EQ(h.display.changes.size(), 2u);
  EXPECT_EQ(h.display.changes[0].record.dmPelsWidth, 1600u);
  EXPECT_EQ(h.display.changes[0].record.dmPelsHeight, 1200u);
  EXPECT_EQ(h.display.changes[0].record.dmBitsPerPel, 16u);
  EXPECT_EQ(h.Caption(IdLabel1), "1600 X 1200");
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1600 x 1200");
  EXPECT_TRUE(h.display.liveContexts.empty());

  h.form.Command5_Click();
  EXPECT_EQ(h.display.changes.size(), 4u) << "a second press switches again";
  EXPECT_EQ(h.display.changes[2].record.dmPelsWidth, 1600u);
}

TEST(Restore, UnloadAfterARestoreReleasesNothingTwice) {
  FormHarness h;
  h.Load();
  h.form.Change_Click(4);
  h.form.Command5_Click();
  h.display.calls.clear();
  int cancel = 0;
  h.form.Form_Unload(cancel);
  EXPECT_TRUE(h.display.calls.empty());
  EXPECT_EQ(cancel, 0);
}

}  // namespace
}  // namespace ilvorande::testing

namespace ilvorande::testing {
namespace {

TEST(Restore, SavedSizeTooLargeToBroadcastStillSwitchesAndGoesOn) {
  FormHarness h;
  h.screen.height = 40000;  // a saved height whose packed size leaves 32 bits
  h.Load();
  h.form.Change_Click(4);
  h.display.changes.clear();
  h.form.Command5_Click();
  EXPECT_EQ(h.display.changes.size(), 2u) << "switched and stored";
  EXPECT_EQ(h.display.messages.size(), 1u) << "only the first switch was broadcast";
  EXPECT_EQ(h.Caption(IdLabel1), "1600 X 40000");
  EXPECT_TRUE(h.display.liveContexts.empty());
}

}  // namespace
}  // namespace ilvorande::testing
