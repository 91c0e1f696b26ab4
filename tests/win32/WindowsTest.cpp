// What the windows decide that Wine never shows: how a window shows when
// Windows gives its first show the state of the shortcut that started it,
// and the About window's colours under high contrast.
#include <gtest/gtest.h>
#include <windows.h>

#include "SystemCalls.h"
#include "TestWindow.h"
#include "core/helpabout/AboutControlIds.h"
#include "win32/helpabout/Win32AboutWindow.h"
#include "win32/toolkit/Win32Shell.h"
#include "win32/toolkit/Win32Toolkit.h"
#include "win32/toolkit/WindowShow.h"

namespace ilvorande::win32test {
namespace {

// A window of the system's in memory: Windows replaces the first
// SW_SHOWNORMAL of a process started from a shortcut by the shortcut's state.
enum class State { Hidden, Normal, Minimized, Maximized };
const HWND Simulated = reinterpret_cast<HWND>(0x5150);
State state = State::Hidden;
State firstShowTakes = State::Normal;
bool shownOnce = false;

State After(int command) {
  if (command == SW_HIDE) return State::Hidden;
  if (command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE || command == SW_MINIMIZE)
    return State::Minimized;
  return command == SW_SHOWMAXIMIZED ? State::Maximized : State::Normal;
}

BOOL WINAPI SimulateShow(HWND window, int command) {
  if (window != Simulated) return __real___imp_ShowWindow(window, command);
  const State before = state;
  const bool first = !std::exchange(shownOnce, true);
  state = first && command == SW_SHOWNORMAL ? firstShowTakes : After(command);
  return before != State::Hidden;
}

// IsIconic, IsZoomed and IsWindowVisible ("in" any state but Hidden).
template <decltype(&::IsIconic)* Real, State In>
BOOL WINAPI SimulateIs(HWND window) {
  if (window != Simulated) return (*Real)(window);
  return In == State::Hidden ? state != State::Hidden : state == In;
}

// Wine 8 has no high contrast: the test says whether it is on.
bool highContrast = false;

BOOL WINAPI ScriptHighContrast(UINT action, UINT size, void* value, UINT update) {
  if (action != SPI_GETHIGHCONTRAST) {
    return __real___imp_SystemParametersInfoW(action, size, value, update);
  }
  static_cast<HIGHCONTRASTW*>(value)->dwFlags = highContrast ? HCF_HIGHCONTRASTON : 0;
  return TRUE;
}

TEST(Windows, AFixedSizeWindowShowsAsAskedWhateverStateTheShortcutGivesItsFirstShow) {
  using enum State;
  // shortcut: what the first SW_SHOWNORMAL becomes
  // clang-format off
  const struct { const char* name; ShowRequest request; int startShowCommand; State shortcut; bool shownBefore; State result; } cases[] = {
      {"\"/4\" from a shortcut set to Réduite", ShowRequest::Normal, SW_SHOWMINNOACTIVE, Minimized, false, Normal},
      {"\"/4\" from a shortcut set to Agrandie", ShowRequest::Normal, SW_SHOWMAXIMIZED, Maximized, false, Normal},
      {"\"/4M\" from a shortcut set to Normale", ShowRequest::Minimized, SW_SHOWNORMAL, Normal, false, Minimized},
      {"no command line, Agrandie", ShowRequest::AsStarted, SW_SHOWMAXIMIZED, Maximized, false, Normal},
      {"no command line, Réduite", ShowRequest::AsStarted, SW_SHOWMINNOACTIVE, Minimized, false, Minimized},
      {"no command line, Normale", ShowRequest::AsStarted, SW_SHOWNORMAL, Normal, false, Normal},
      {"no command line, Normale, the first show maximised", ShowRequest::AsStarted, SW_SHOWNORMAL, Maximized, false, Normal},
      {"minimised once shown", ShowRequest::Minimized, SW_SHOWNORMAL, Normal, true, Minimized},
      {"normal again once minimised", ShowRequest::Normal, SW_SHOWNORMAL, Minimized, true, Normal},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    state = Hidden, shownOnce = false, firstShowTakes = c.shortcut;
    if (c.shownBefore) SimulateShow(Simulated, SW_SHOWNORMAL);
    ShowAsAsked(Simulated, c.request, c.startShowCommand);
    EXPECT_EQ(static_cast<int>(state), static_cast<int>(c.result));
  }
}

// The text colours of the title and the web address, read inside the About window's modal loop.
std::vector<COLORREF> coloursSeen;
void CALLBACK ReadColours(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  const HWND about = FindWindowW(L"IlvorandeAbout", nullptr);
  ASSERT_NE(about, nullptr);
  const HDC dc = CreateCompatibleDC(nullptr);
  for (const bool on : {false, true, false}) {
    highContrast = on;
    SendMessageW(about, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    for (const AboutControl control : {AboutControl::Title, AboutControl::WebAddress}) {
      SendMessageW(about, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(GetDlgItem(about, static_cast<int>(control))));
      coloursSeen.push_back(GetTextColor(dc));
    }
  }
  DeleteDC(dc);
  PostMessageW(about, WM_CLOSE, 0, 0);
}

TEST(Windows, AboutLinksTakeTheHotLightColourUnderHighContrastAndFollowItsChanges) {
  const TestWindow owner = MakeWindow();
  Win32Toolkit toolkit;
  Win32Shell shell;
  constexpr UINT Soon = 50;
  SetTimer(nullptr, 0, Soon, &ReadColours);
  Win32AboutWindow::ShowModal(GetModuleHandleW(nullptr), owner.get(), toolkit, shell);
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT), hotLight = GetSysColor(COLOR_HOTLIGHT);
  const COLORREF purple = RGB(128, 0, 128), blue = RGB(0, 0, 255);
  EXPECT_EQ(coloursSeen, (std::vector{purple, blue, text, hotLight, purple, blue}));
}

}  // namespace
}  // namespace ilvorande::win32test

using namespace ilvorande::win32test;
REPLACE_SYSTEM_CALL(ShowWindow, &SimulateShow);
REPLACE_SYSTEM_CALL(IsIconic, (&SimulateIs<&__real___imp_IsIconic, State::Minimized>));
REPLACE_SYSTEM_CALL(IsZoomed, (&SimulateIs<&__real___imp_IsZoomed, State::Maximized>));
REPLACE_SYSTEM_CALL(IsWindowVisible, (&SimulateIs<&__real___imp_IsWindowVisible, State::Hidden>));
REPLACE_SYSTEM_CALL(SystemParametersInfoW, &ScriptHighContrast);
