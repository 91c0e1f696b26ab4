// The display calls, their flags and their order, and what each answer
// means. The record that a switch hands over is the unit test's
// (SwitchRecord): here only the mode it asks for.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "SystemCalls.h"
#include "win32/display/Win32DisplaySettings.h"

namespace ilvorande::win32test {
namespace {

TEST(Display, SwitchesThenStoresAndTellsEveryWindowOnlyOnSuccess) {
  using enum SwitchAnswer;
  constexpr int Fullscreen = 4, UpdateRegistry = 1;
  const std::optional<int> primary;
  const std::nullopt_t none = std::nullopt;
  // answers: the changes', in order: 0 done, 1 restart, <0 refused; told: the broadcast's lParam
  // clang-format off
  const struct { const char* name; std::optional<int> otherScreen; int width, height, depth; std::deque<long> answers;
                 SwitchAnswer answer; bool stored; std::optional<unsigned long long> told; } cases[] = {
      {"switched", primary, 1024, 768, 32, {0}, Switched, true, 0x03000400},
      {"storing fails unseen", primary, 800, 600, 16, {0, -1}, Switched, true, 0x02580320},
      {"largest size told", primary, 65535, 32767, 8, {0}, Switched, true, 0x7FFFFFFF},
      {"width carries into the height", primary, 65536, 1, 8, {0}, Switched, true, 0x20000},
      {"too large to tell, still stored", primary, 1024, 32768, 32, {0}, Switched, true, none},
      {"restart", primary, 1024, 768, 32, {1}, NeedsRestart, false, none},
      {"failed", primary, 1024, 768, 32, {-1}, Refused, false, none},
      {"bad mode", primary, 1000, 700, 32, {-2}, Refused, false, none},
      {"an unknown code", primary, 1024, 768, 32, {2}, Refused, false, none},
      {"screen 2 switched", 2, 800, 600, 16, {0}, Switched, true, 0x02580320},
      {"screen 2 restart", 2, 800, 600, 16, {1}, NeedsRestart, false, none},
      {"screen 2 bad mode", 2, 800, 600, 16, {-2}, Refused, false, none},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ForgetCalls();
    displayAnswers = c.answers;
    EXPECT_EQ(Win32DisplaySettings().Switch(c.otherScreen, c.width, c.height,
                                            static_cast<std::int16_t>(c.depth)),
              c.answer);
    // The primary by the calls that name no device, another by its device name.
    const std::string device = c.otherScreen ? Printed("\"\\\\.\\DISPLAY%d\"", *c.otherScreen) : "";
    const auto change = [&](int flags) {
      return (c.otherScreen ? "ChangeDisplaySettingsExA(" + device + ", "
                            : "ChangeDisplaySettingsA(") +
             Printed("%d x %d x %d, flags %d)", c.width, c.height, c.depth, flags);
    };
    std::vector expected{"EnumDisplaySettingsA(" + (c.otherScreen ? device : "NULL") + ", 0)",
                         change(Fullscreen)};
    if (c.stored) expected.push_back(change(UpdateRegistry));
    if (c.told)
      expected.push_back(Printed("SendMessageA(0xffff, 0x7e, %#x, %#llx)", c.depth, *c.told));
    // Each record reduced to the mode it asks for.
    for (std::string& call : calls) {
      const auto members = call.find(", fields "), flags = call.find(", flags ");
      if (members != std::string::npos && flags != std::string::npos)
        call.erase(members, flags - members);
    }
    EXPECT_EQ(calls, expected);
  }
  ForgetCalls();
  Win32DisplaySettings().PrimaryDepth();
  EXPECT_EQ(calls, std::vector<std::string>{"CreateDCA(\"DISPLAY\")"});
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

TEST(Display, RestartAsksTheSystemToReboot) {
  ForgetCalls();
  Win32DisplaySettings().RequestRestart();
  EXPECT_EQ(calls, std::vector<std::string>{"ExitWindowsEx(2, 0)"});
}

}  // namespace
}  // namespace ilvorande::win32test
