// The main window's own decisions, in the real window.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>  // after windows.h, which it needs

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "SystemCalls.h"
#include "core/mainwindow/MainWindowBehaviour.h"
#include "win32/display/Win32DisplaySettings.h"
#include "win32/mainwindow/Win32MainWindow.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Shell.h"
#include "win32/toolkit/Win32Toolkit.h"

namespace {
std::vector<std::string> reached;  // what reached the behaviour, in order
}  // namespace

// The behaviour's methods that the window calls, recorded: defined here, they
// are linked instead of the core's, whose object the test never pulls in.
// clang-format off
#define RECORDED(Method) void ilvorande::MainWindowBehaviour::Method() { reached.push_back(#Method); } static_assert(true)
#define RECORDED_WITH_INDEX(Method) void ilvorande::MainWindowBehaviour::Method(int index) { reached.push_back(#Method "(" + std::to_string(index) + ")"); } static_assert(true)
RECORDED_WITH_INDEX(ModeButtonClicked); RECORDED_WITH_INDEX(ScreenChosen); RECORDED(RestoreClicked); RECORDED(HelpClicked);
RECORDED(AboutClicked); RECORDED(QuitClicked); RECORDED(ShortcutOptionChanged); RECORDED(DesktopChanged);
// clang-format on

namespace ilvorande::win32test {
namespace {

const std::vector<std::string> TwoScreens{"Écran 1 : 1600 x 1200 (principal)",
                                          "Écran 2 : 1024 x 768"};
std::vector<DWORD> iconActions;  // the shell's actions on the icon
BOOL WINAPI RecordNotifyIcon(DWORD action, PNOTIFYICONDATAW) {
  return iconActions.push_back(action), TRUE;
}

class MainWindow : public ::testing::Test {
 protected:
  MainWindow() {
    reached.clear(), iconActions.clear();
    // Looked up once for the process, by whichever test first shows the icon.
    lookedUpInstead["Shell_NotifyIconW"] =
        reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordNotifyIcon));
    window_.Attach(behaviour_);
    window_.Show(SW_SHOWNORMAL);
  }
  ~MainWindow() override {
    window_.Close();
    // The quit message that the window's end posts, and all else it left.
    for (MSG left{}; PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE);) continue;
  }

  // This thread's: another program's main window may show meanwhile.
  static HWND Window() {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, L"IlvorandeMain", nullptr)) &&
           GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
      continue;
    return window;
  }
  static HWND Control(MainControl control) {
    return GetDlgItem(Window(), static_cast<int>(control));
  }
  static void Click(MainControl control) { SendMessageW(Control(control), BM_CLICK, 0, 0); }
  // Dispatched as the message loop does: the window's shortcuts first.
  static void Press(MainControl control, WPARAM key, bool withControlKey) {
    constexpr BYTE Down = 0x80;
    BYTE keys[256]{}, released[256]{};
    keys[VK_CONTROL] = withControlKey ? Down : 0;
    SetKeyboardState(keys);
    MSG press{};
    press.hwnd = Control(control), press.message = WM_KEYDOWN, press.wParam = key;
    SendMessageW(Window(), WM_TRANSLATE_SHORTCUT, 0, reinterpret_cast<LPARAM>(&press));
    SetKeyboardState(released);
  }
  // Messages are handled until the condition holds; false when it does not
  // within three ticks of the window's timer.
  static bool HandleMessagesUntil(const std::function<bool()>& condition) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + seconds(3);
    while (!condition()) {
      const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
      if (left <= 0) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
      while (DispatchNext(false) == Dispatched::One) continue;
    }
    return true;
  }
  // Left, top, right and bottom on the screen, or in the window's client area.
  static std::array<LONG, 4> Place(HWND window, HWND within = nullptr) {
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, within, reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
  }

  Win32Toolkit toolkit_;
  Win32Shell shell_;
  Win32DisplaySettings display_;
  Win32MainWindow window_{GetModuleHandleW(nullptr), toolkit_, shell_};
  MainWindowBehaviour behaviour_{window_, display_, toolkit_, shell_};
};

TEST_F(MainWindow, EachCommandReachesTheBehaviourWhateverSentIt) {
  window_.ShowScreenChooser(TwoScreens, 0);
  // clang-format off
  const struct { const char* name; std::function<void()> act; std::vector<std::string> reached; } cases[] = {
      {"a preset", [] { Click(ModeButton(4)); }, {"ModeButtonClicked(4)"}},
      {"Autre...", [] { Click(ModeButton(8)); }, {"ModeButtonClicked(8)"}},
      {"Restaurer", [] { Click(MainControl::RestoreButton); }, {"RestoreClicked"}},
      {"Info Ligne de commande", [] { Click(MainControl::HelpButton); }, {"HelpClicked"}},
      {"A Propos", [] { Click(MainControl::AboutButton); }, {"AboutClicked"}},
      {"Quitter", [] { Click(MainControl::QuitButton); }, {"QuitClicked"}},
      {"the shortcut option", [] { Click(MainControl::ShortcutOption); }, {"ShortcutOptionChanged"}},
      {"Ctrl+Z in a size box", [] { Press(MainControl::WidthBox, 'Z', true); }, {"RestoreClicked"}},
      {"Z alone", [] { Press(MainControl::WidthBox, 'Z', false); }, {}},
      {"the second screen chosen with the keyboard", [] { SendMessageW(Control(MainControl::ScreenChooser), WM_KEYDOWN, VK_DOWN, 0); }, {"ScreenChosen(1)"}},
      {"a menu's item (code 0, no control)", [] { SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(static_cast<int>(ModeButton(5)), 0), 0); }, {"ModeButtonClicked(5)"}},
      {"a switch's WM_DISPLAYCHANGE", [] { SendMessageW(Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1200)); }, {"DesktopChanged"}},
      {"the timer, every second, whether the screens changed or not", [] { ASSERT_TRUE(HandleMessagesUntil([] { return !reached.empty(); })); }, {"DesktopChanged"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    reached.clear();
    c.act();
    EXPECT_EQ(reached, c.reached);
  }
}

// The icon and the keys only once the window has shown, routed as the buttons.
TEST_F(MainWindow, TheIconAndTheKeysComeAfterTheShowAndGoWithTheWindow) {
  const auto keyFree = [] {
    constexpr int TestKeyId = 1;
    return RegisterHotKey(nullptr, TestKeyId, MOD_CONTROL | MOD_ALT | MOD_SHIFT, '4') &&
           UnregisterHotKey(nullptr, TestKeyId);
  };
  EXPECT_TRUE(iconActions.empty());
  EXPECT_TRUE(keyFree());
  ASSERT_TRUE(HandleMessagesUntil([] { return !iconActions.empty(); }));
  EXPECT_EQ(iconActions, (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
  EXPECT_FALSE(keyFree()) << "Ctrl+Alt+Maj+4 is the program's";
  SendMessageW(Window(), WM_HOTKEY, 0x5003, MAKELPARAM(MOD_CONTROL | MOD_ALT | MOD_SHIFT, 'Z'));
  SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(0x5002, 0), 0);
  EXPECT_EQ(reached, (std::vector<std::string>{"RestoreClicked", "QuitClicked"}));
  iconActions.clear();
  window_.Close();
  EXPECT_EQ(iconActions, std::vector<DWORD>{NIM_DELETE});
  EXPECT_TRUE(keyFree());
}

// At 96 dpi the client area is 491 pixels high with one screen, 519 with the chooser's row.
TEST_F(MainWindow, AScreenAttachedOrDetachedWhileMinimisedShowsTheNewLayoutOnceRestored) {
  // clang-format off
  const struct { const char* name; std::function<void()> change; LONG clientHeight; } cases[] = {
      {"attached", [&] { window_.ShowScreenChooser(TwoScreens, 0); }, 519},
      {"detached", [&] { window_.HideScreenChooser(); }, 491},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto before = Place(Window());
    ShowWindow(Window(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(Window()));
    c.change();
    ShowWindow(Window(), SW_RESTORE);
    RECT client{};
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.bottom, c.clientHeight);
    EXPECT_EQ((std::array{Place(Window())[0], Place(Window())[1]}),
              (std::array{before[0], before[1]}));
  }
}

// Wine 8 leaves a window where its detached screen was; as on Windows, it comes
// back centred on the primary. One that a screen still holds, in part, stays.
TEST_F(MainWindow, AfterADesktopChangeAWindowOnNoScreenComesBackCentredOnThePrimary) {
  const auto start = Place(Window());
  const LONG width = start[2] - start[0], height = start[3] - start[1];
  const POINT centred{(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                      (GetSystemMetrics(SM_CYSCREEN) - height) / 2};
  const POINT beyondEveryScreen{
      GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN) + 100, 0};
  const auto aSwitch = [] { SendMessageW(Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 1200)); };
  const auto aTick = [] { ASSERT_TRUE(HandleMessagesUntil([] { return !reached.empty(); })); };
  // clang-format off
  const struct { const char* name; POINT place; std::function<void()> change; POINT after; } cases[] = {
      {"on no screen, a switch", beyondEveryScreen, aSwitch, centred},
      {"on no screen, the timer", beyondEveryScreen, aTick, centred},
      {"half on the primary", {-width / 2, 10}, aSwitch, {-width / 2, 10}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetWindowPos(Window(), nullptr, c.place.x, c.place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    reached.clear();
    c.change();
    EXPECT_EQ(Place(Window()),
              (std::array{c.after.x, c.after.y, c.after.x + width, c.after.y + height}));
  }
}

// Never on the destroyed chooser, nor on nothing once the window is active again.
TEST_F(MainWindow, TheChooserDetachedWithTheFocusLeavesItOnTheFirstModeButton) {
  for (const bool active : {true, false}) {
    SCOPED_TRACE(active ? "active" : "behind another window");
    window_.ShowScreenChooser(TwoScreens, 0);
    SetForegroundWindow(Window());
    SetFocus(Control(MainControl::ScreenChooser));
    const HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, {}, {}, {}, {});
    if (!active) ShowWindow(other, SW_SHOW);
    ASSERT_EQ(GetActiveWindow(), active ? Window() : other);
    window_.HideScreenChooser();
    if (!active) SetForegroundWindow(Window());
    EXPECT_EQ(GetFocus(), Control(ModeButton(0)));
    DestroyWindow(other);
  }
}

// At 144 dpi "Quitter" stands at 18, 632, 345 pixels wide and 86 high.
TEST_F(MainWindow, OnWM_DPICHANGEDTheFrameTakesTheSuggestedPlaceAndTheControlsTheNewScale) {
  const RECT suggested{150, 120, 150 + 597, 120 + 780};
  SendMessageW(Window(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(Place(Window()), (std::array<LONG, 4>{150, 120, 747, 900}));
  EXPECT_EQ(Place(Control(MainControl::QuitButton), Window()),
            (std::array<LONG, 4>{18, 632, 363, 718}));
}

}  // namespace
}  // namespace ilvorande::win32test
