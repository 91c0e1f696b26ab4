// The display calls, their flags and their order, and what each answer means.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "SystemCalls.h"
#include "win32/display/Win32DisplaySettings.h"

namespace ilvorande::win32test {
namespace {

const std::string Enumeration = "EnumDisplaySettingsA(NULL, 0)";

// The record as enumerated (a full header, 75 Hz) with the switch's three
// members written over it.
std::string Change(int width, int height, int depth, int flags) {
  return Printed("ChangeDisplaySettingsA(%d x %d x %d, fields 0x1c0000, size 156, 75 Hz, flags %d)",
                 width, height, depth, flags);
}

std::string Broadcast(int depth, unsigned long long packedSize) {
  return Printed("SendMessageA(0xffff, 0x7e, %d, %#llx)", depth, packedSize);
}

struct SwitchCase {
  const char* name;
  int width, height, depth;
  std::deque<long> answers;  // ChangeDisplaySettingsA's in order: 0 done, 1 restart, <0 refused
  SwitchAnswer answer;
  bool stored;
  std::optional<unsigned long long> told;  // the broadcast's lParam
};

TEST(Display, SwitchesThenStoresAndTellsEveryWindowOnlyOnSuccess) {
  using enum SwitchAnswer;
  constexpr int Fullscreen = 4, UpdateRegistry = 1;
  const SwitchCase cases[] = {
      {"switched", 1024, 768, 32, {0}, Switched, true, 0x03000400},
      {"storing fails unseen", 800, 600, 16, {0, -1}, Switched, true, 0x02580320},
      {"largest size told", 65535, 32767, 8, {0}, Switched, true, 0x7FFFFFFF},
      {"width carries into the height", 65536, 1, 8, {0}, Switched, true, 0x20000},
      {"too large to tell, still stored", 1024, 32768, 32, {0}, Switched, true, std::nullopt},
      {"restart", 1024, 768, 32, {1}, NeedsRestart, false, std::nullopt},
      {"failed", 1024, 768, 32, {-1}, Refused, false, std::nullopt},
      {"bad mode", 1000, 700, 32, {-2}, Refused, false, std::nullopt},
      {"an unknown code", 1024, 768, 32, {2}, Refused, false, std::nullopt},
  };
  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetCalls();
    displayAnswers = c.answers;
    Win32DisplaySettings display;
    EXPECT_EQ(display.Switch(c.width, c.height, static_cast<std::int16_t>(c.depth)), c.answer);
    std::vector expected{Enumeration, Change(c.width, c.height, c.depth, Fullscreen)};
    if (c.stored) expected.push_back(Change(c.width, c.height, c.depth, UpdateRegistry));
    if (c.told) expected.push_back(Broadcast(c.depth, *c.told));
    EXPECT_EQ(calls, expected);
  }
}

TEST(Display, RestartAsksTheSystemToReboot) {
  ForgetCalls();
  Win32DisplaySettings().RequestRestart();
  EXPECT_EQ(calls, std::vector<std::string>{"ExitWindowsEx(2, 0)"});
}

}  // namespace
}  // namespace ilvorande::win32test
