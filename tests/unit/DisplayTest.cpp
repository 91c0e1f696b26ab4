// The switch record and the answers to a switch.
#include <gtest/gtest.h>

#include <cstring>

#include "core/display/ModeSwitch.h"
#include "core/display/SwitchRecord.h"
#include "tests/fakes/FakeSystem.h"

namespace ilvorande::testing {
namespace {

std::uint32_t WordAt(const DevModeRecord& record, std::size_t offset) {
  std::uint32_t word = 0;
  std::memcpy(&word, reinterpret_cast<const char*>(&record) + offset, sizeof word);
  return word;
}

TEST(SwitchRecord, WritesFieldsSizeAndDepthOverTheEnumeratedRecord) {
  DevModeRecord enumerated;
  std::memset(&enumerated, 0xA5, sizeof enumerated);
  const DevModeRecord record = BuildSwitchRecord(enumerated, 1024, 768, 32);

  // dmFields, dmBitsPerPel, dmPelsWidth, dmPelsHeight at their DEVMODEA offsets.
  EXPECT_EQ(WordAt(record, 40), 0x001C0000u) << "bits per pixel, width and height; no frequency";
  EXPECT_EQ(WordAt(record, 104), 32u);
  EXPECT_EQ(WordAt(record, 108), 1024u);
  EXPECT_EQ(WordAt(record, 112), 768u);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  for (std::size_t offset = 0; offset < 124; ++offset) {
    const bool written = (offset >= 40 && offset < 44) || (offset >= 104 && offset < 116);
    EXPECT_TRUE(written || bytes[offset] == 0xA5) << "byte " << offset << " changed";
  }
  // The depth's 16 bits, not sign-extended: the member's high half is zero.
  EXPECT_EQ(WordAt(BuildSwitchRecord(enumerated, 800, 600, -1), 104), 0x0000FFFFu);
}

const ShownMessage Refusal{"Votre carte graphique n'accepte pas cette résolution",
                           MessageStyle::OkWithStopIcon, "Désolé"};
const ShownMessage RestartQuestion{
    "Les modifications prendront effet après avoir redemarré votre PC, c'est parti ???",
    MessageStyle::YesNoSystemModal, "Info"};

TEST(ModeSwitch, ActsOnTheSystemsAnswer) {
  using enum SwitchAnswer;
  using enum MessageAnswer;
  constexpr std::int32_t width = 1024;
  const struct {
    const char* name;
    std::int32_t height, depth;
    std::optional<SwitchAnswer> answer;  // none: the system is never asked
    MessageAnswer userAnswer;
    int restarts;
    std::vector<ShownMessage> messages;
  } cases[] = {
      {"Switched", 768, 32, Switched, Other, 0, {}},
      {"RestartAccepted", 768, 32, NeedsRestart, Yes, 1, {RestartQuestion}},
      {"RestartDeclined", 768, 32, NeedsRestart, Other, 0, {RestartQuestion}},
      {"Refused", 700, 32, Refused, Other, 0, {Refusal}},
      {"LargestDepth", 768, 32767, Switched, Other, 0, {}},
      {"DepthBeyondSixteenBits", 768, 32768, std::nullopt, Other, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSystem system;
    if (c.answer) system.answers.push_back(*c.answer);
    system.messageAnswers.push_back(c.userAnswer);
    SwitchDisplayMode(system, system, std::nullopt, width, c.height, c.depth);
    const ModeRequest asked{width, c.height, static_cast<std::int16_t>(c.depth)};
    EXPECT_EQ(system.switches, c.answer ? std::vector{asked} : std::vector<ModeRequest>{});
    EXPECT_EQ(system.restarts, c.restarts);
    EXPECT_EQ(system.messages, c.messages);
  }
}

}  // namespace
}  // namespace ilvorande::testing
