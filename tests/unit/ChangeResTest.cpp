#include <gtest/gtest.h>

#include <cstring>

#include "tests/fakes/FormHarness.h"

namespace ilvorande::testing {
namespace {

constexpr char RefusalText[] = "Votre carte graphique n'accepte pas cette résolution";
constexpr char RestartQuestion[] =
    "Les modifications prendront effet après avoir redemarré votre PC, c'est parti ???";

struct AnswerCase {
  const char* name;
  std::int32_t systemAnswer;
  int userAnswer;  // to the restart question
  std::vector<std::string> calls;
  std::vector<std::string> messageTexts;
  friend void PrintTo(const AnswerCase& c, std::ostream* out) { *out << c.name; }
};

class ChangeResAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ChangeResAnswers, CallsAndMessagesFollowTheSystemsAnswer) {
  const auto& c = GetParam();
  FormHarness h;
  h.display.temporaryChangeResult = c.systemAnswer;
  h.toolkit.answers.push_back(c.userAnswer);

  EXPECT_EQ(h.form.ChangeRes(1024, 768, 32), ChangeResError::None);

  EXPECT_EQ(h.display.calls, c.calls);
  std::vector<std::string> texts;
  for (const auto& m : h.toolkit.messages) texts.push_back(m.text);
  EXPECT_EQ(texts, c.messageTexts);
}

const std::vector<std::string> SwitchStart{"EnumDisplaySettingsA 0", "ChangeDisplaySettingsA 4"};

std::vector<std::string> Then(std::vector<std::string> calls, const std::string& more) {
  calls.push_back(more);
  return calls;
}

INSTANTIATE_TEST_SUITE_P(
    AllAnswers, ChangeResAnswers,
    ::testing::Values(
        AnswerCase{"Switched",
                   0,
                   6,
                   Then(Then(SwitchStart, "ChangeDisplaySettingsA 1"), "SendMessageA"),
                   {}},
        AnswerCase{"RestartYes", 1, 6, Then(SwitchStart, "ExitWindowsEx"), {RestartQuestion}},
        AnswerCase{"RestartNo", 1, 7, SwitchStart, {RestartQuestion}},
        AnswerCase{"Failed", -1, 6, SwitchStart, {RefusalText}},
        AnswerCase{"BadMode", -2, 6, SwitchStart, {RefusalText}},
        AnswerCase{"UnknownCode", 42, 6, SwitchStart, {RefusalText}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChangeRes, RequestsExactlySizeAndDepthOverTheEnumeratedRecord) {
  FormHarness h;
  ASSERT_EQ(h.form.ChangeRes(1024, 768, 32), ChangeResError::None);

  ASSERT_EQ(h.display.changes.size(), 2u);
  const auto& temporary = h.display.changes[0];
  const auto& stored = h.display.changes[1];
  EXPECT_EQ(temporary.flags, 4u);
  EXPECT_EQ(stored.flags, 1u);
  EXPECT_EQ(std::memcmp(&temporary.record, &stored.record, sizeof(DevModeRecord)), 0);

  const auto& r = temporary.record;
  EXPECT_EQ(r.dmFields, 0x001C0000u) << "never a refresh rate";
  EXPECT_EQ(r.dmPelsWidth, 1024u);
  EXPECT_EQ(r.dmPelsHeight, 768u);
  EXPECT_EQ(r.dmBitsPerPel, 32u);
  // The rest is the enumeration's, the frequency included (but not requested).
  EXPECT_EQ(r.dmSize, 124);
  EXPECT_EQ(r.dmSpecVersion, 0x0401);
  EXPECT_EQ(r.dmDisplayFrequency, 60u);
}

TEST(ChangeRes, BroadcastsDepthAndPackedSizeToEveryWindow) {
  FormHarness h;
  ASSERT_EQ(h.form.ChangeRes(1024, 768, 32), ChangeResError::None);

  ASSERT_EQ(h.display.messages.size(), 1u);
  const auto& m = h.display.messages[0];
  EXPECT_EQ(m.window, 0xFFFFu);
  EXPECT_EQ(m.message, 0x007Eu);
  EXPECT_EQ(m.wParam, 32u);
  EXPECT_EQ(m.lParam & 0xFFFF, 1024);
  EXPECT_EQ((m.lParam >> 16) & 0xFFFF, 768);
}

TEST(ChangeRes, RestartQuestionIsSystemModalYesNoTitledInfo) {
  FormHarness h;
  h.display.temporaryChangeResult = 1;
  h.toolkit.answers.push_back(6);
  (void)h.form.ChangeRes(800, 600, 16);
  ASSERT_EQ(h.toolkit.messages.size(), 1u);
  EXPECT_EQ(h.toolkit.messages[0].style, 0x1004u);
  EXPECT_EQ(h.toolkit.messages[0].title, "Info");
  EXPECT_EQ(h.display.exitWindowsFlags, std::vector<std::uint32_t>{2});
}

TEST(ChangeRes, RefusalIsAStopIconTitledDesole) {
  FormHarness h;
  h.display.temporaryChangeResult = -2;
  (void)h.form.ChangeRes(1000, 700, 32);
  ASSERT_EQ(h.toolkit.messages.size(), 1u);
  EXPECT_EQ(h.toolkit.messages[0].style, 0x10u);
  EXPECT_EQ(h.toolkit.messages[0].title, "Désolé");
}

TEST(ChangeRes, ZeroSizesAreStillRequestedWithAllThreeFields) {
  FormHarness h;
  h.display.temporaryChangeResult = -2;
  (void)h.form.ChangeRes(1024, 0, 32);
  ASSERT_FALSE(h.display.changes.empty());
  EXPECT_EQ(h.display.changes[0].record.dmFields, 0x001C0000u);
  EXPECT_EQ(h.display.changes[0].record.dmPelsHeight, 0u);
}

TEST(ChangeRes, DepthBeyond16BitsOverflowsBeforeAnythingChanges) {
  FormHarness h;
  EXPECT_EQ(h.form.ChangeRes(1024, 768, 32768), ChangeResError::Overflow);
  EXPECT_EQ(h.display.calls, std::vector<std::string>{"EnumDisplaySettingsA 0"});
  EXPECT_TRUE(h.toolkit.messages.empty());
}

TEST(ChangeRes, NegativeDepthKeepsOnlyItsLow16Bits) {
  FormHarness h;
  h.display.temporaryChangeResult = -2;
  EXPECT_EQ(h.form.ChangeRes(1024, 768, -1), ChangeResError::None);
  EXPECT_EQ(h.display.changes[0].record.dmBitsPerPel, 0x0000FFFFu);
}

TEST(ChangeRes, PackedSizeBeyond32BitsOverflowsAfterTheModeIsStored) {
  FormHarness h;
  EXPECT_EQ(h.form.ChangeRes(0, 32768, 32), ChangeResError::Overflow);
  EXPECT_EQ(h.display.calls,
            (std::vector<std::string>{"EnumDisplaySettingsA 0", "ChangeDisplaySettingsA 4",
                                      "ChangeDisplaySettingsA 1"}));
  // Just inside the range: 32767 x 65536 + 65535.
  FormHarness inside;
  EXPECT_EQ(inside.form.ChangeRes(65535, 32767, 32), ChangeResError::None);
  EXPECT_EQ(inside.display.messages.at(0).lParam, 2147483647);
}

}  // namespace
}  // namespace ilvorande::testing
