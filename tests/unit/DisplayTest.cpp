// The switch record and the answers to a switch.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <tuple>

#include "core/display/ModeSwitch.h"
#include "core/display/SwitchRecord.h"
#include "tests/fakes/FakeSystem.h"

namespace ilvorande::testing {
namespace {

// The record's bytes, the words at the given offsets written over the enumerated record's.
std::array<unsigned char, sizeof(DevModeRecord)> Bytes(
    const DevModeRecord& record, std::initializer_list<std::pair<int, std::uint32_t>> words = {}) {
  std::array<unsigned char, sizeof(DevModeRecord)> bytes;
  std::memcpy(bytes.data(), &record, sizeof record);
  for (const auto& [offset, word] : words) std::memcpy(&bytes[offset], &word, sizeof word);
  return bytes;
}

// dmFields (bits per pixel, width and height; no frequency), dmBitsPerPel, dmPelsWidth and
// dmPelsHeight at their DEVMODEA offsets; the depth's 16 bits not sign-extended.
TEST(SwitchRecord, WritesFieldsSizeAndDepthOverTheEnumeratedRecord) {
  DevModeRecord enumerated;
  std::memset(&enumerated, 0xA5, sizeof enumerated);
  EXPECT_EQ(Bytes(BuildSwitchRecord(enumerated, 1024, 768, 32)),
            Bytes(enumerated, {{40, 0x001C0000}, {104, 32}, {108, 1024}, {112, 768}}));
  EXPECT_EQ(Bytes(BuildSwitchRecord(enumerated, 800, 600, -1)),
            Bytes(enumerated, {{40, 0x001C0000}, {104, 0xFFFF}, {108, 800}, {112, 600}}));
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
  // answer: none when the system is never asked
  // clang-format off
  const struct { const char* name; std::int32_t height, depth; std::optional<SwitchAnswer> answer; MessageAnswer userAnswer;
                 int restarts; std::vector<ShownMessage> messages; } cases[] = {
      {"Switched", 768, 32, Switched, Other, 0, {}},
      {"RestartAccepted", 768, 32, NeedsRestart, Yes, 1, {RestartQuestion}},
      {"RestartDeclined", 768, 32, NeedsRestart, Other, 0, {RestartQuestion}},
      {"Refused", 700, 32, Refused, Other, 0, {Refusal}},
      {"LargestDepth", 768, 32767, Switched, Other, 0, {}},
      {"DepthBeyondSixteenBits", 768, 32768, std::nullopt, Other, 0, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSystem system;
    if (c.answer) system.answers.push_back(*c.answer);
    system.messageAnswers.push_back(c.userAnswer);
    SwitchDisplayMode(system, system, std::nullopt, width, c.height, c.depth);
    const ModeRequest asked{width, c.height, static_cast<std::int16_t>(c.depth)};
    EXPECT_EQ(std::tuple(system.switches, system.restarts, system.messages),
              std::tuple(c.answer ? std::vector{asked} : std::vector<ModeRequest>{}, c.restarts,
                         c.messages));
  }
}

}  // namespace
}  // namespace ilvorande::testing
