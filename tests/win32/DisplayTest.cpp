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
  return Printed("SendMessageA(0xffff, 0x7e, %#x, %#llx)", depth, packedSize);
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

// Sizes from the monitors, depths from each device's own context; a name
// that its number would not spell back is not a screen of ours.
TEST(Display, ListsTheAttachedScreensInTheOrderOfTheirNumbers) {
  constexpr DWORD Attached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
  ForgetCalls();
  devices = {{"\\\\.\\DISPLAY10", Attached, {2624, 0, 3424, 600}, 8},
             {"\\\\.\\DISPLAY2", Attached, {1600, -100, 2624, 668}, 16},
             {"\\\\.\\DISPLAY1", Attached | DISPLAY_DEVICE_PRIMARY_DEVICE, {0, 0, 1600, 1200}, 32},
             {"\\\\.\\DISPLAY3", 0, {}, 32},
             {"\\\\.\\DISPLAY02", Attached, {0, 1200, 640, 1680}, 32},
             {"\\\\.\\DISPLAY", Attached, {0, 1680, 640, 2160}, 32}};
  EXPECT_EQ(Win32DisplaySettings().AttachedScreens(),
            (std::vector<AttachedScreen>{
                {1, true, 1600, 1200, 32}, {2, false, 1024, 768, 16}, {10, false, 800, 600, 8}}));
  std::vector<std::string> expected{"EnumDisplayMonitors()"};
  for (int index = 0; index <= 6; ++index) {
    expected.push_back(Printed("EnumDisplayDevicesA(NULL, %d, 0)", index));
    if (index < 3) expected.push_back(Printed("CreateDCA(\"%s\")", devices[index].name));
  }
  EXPECT_EQ(calls, expected);
}

TEST(Display, SwitchesAnotherScreenByItsDeviceName) {
  const std::string name = "\"\\\\.\\DISPLAY2\"";
  const std::string enumeration = "EnumDisplaySettingsA(" + name + ", 0)";
  const auto change = [&](int flags) {
    return "ChangeDisplaySettingsExA(" + name +
           Printed(", 800 x 600 x 16, fields 0x1c0000, size 156, 75 Hz, flags %d)", flags);
  };
  using enum SwitchAnswer;
  const struct {
    long answer;
    SwitchAnswer switchAnswer;
    std::vector<std::string> calls;
  } cases[] = {
      {0, Switched, {enumeration, change(4), change(1), Broadcast(16, 0x02580320)}},
      {1, NeedsRestart, {enumeration, change(4)}},
      {-2, Refused, {enumeration, change(4)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    ForgetCalls();
    displayAnswers = {c.answer};
    EXPECT_EQ(Win32DisplaySettings().SwitchScreen(2, 800, 600, 16), c.switchAnswer);
    EXPECT_EQ(calls, c.calls);
  }
}

TEST(Display, RestartAsksTheSystemToReboot) {
  ForgetCalls();
  Win32DisplaySettings().RequestRestart();
  EXPECT_EQ(calls, std::vector<std::string>{"ExitWindowsEx(2, 0)"});
}

}  // namespace
}  // namespace ilvorande::win32test
