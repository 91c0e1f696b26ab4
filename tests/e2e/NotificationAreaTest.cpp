// The icon in the notification area, its menu, the keys that work anywhere
// and the start with Windows, in the real program under Wine, whose explorer
// shows each icon as a child window of its "Wine System Tray".
#include "driver/Fixture.h"
#include "driver/Input.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace ilvorande::e2e {
namespace {

// The icons that Wine's notification area shows, every program's; one just
// added shows once the area has made room for it.
std::vector<Window> TrayIcons() {
  std::vector<Window> icons;
  for (HWND tray = nullptr; (tray = FindWindowExW(nullptr, tray, nullptr, L"Wine System Tray"));) {
    for (HWND icon = nullptr;
         (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));) {
      if (IsWindowVisible(icon)) icons.push_back({icon});
    }
  }
  return icons;
}

constexpr const wchar_t* RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Read in the test's own prefix, the program's.
std::optional<std::wstring> RunValue() {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, RunKey, L"Ilvorande", RRF_RT_REG_SZ, nullptr, data, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return data;
}

// The program's message for its icon's events (WM_APP + 2).
constexpr UINT IconMessage = 0x8002;

class NotificationArea : public ProgramTest {
 protected:
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, RunKey, L"Ilvorande");
    // Ended as the user ends it: Wine's notification area keeps the icon of
    // a program that was killed.
    if (program_ && main_.Exists() && main_.CloseBox()) program_->WaitForExit();
    EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); })) << "the icon goes with the program";
    ProgramTest::TearDown();
  }

  // Opens the icon's menu as a click on it does and chooses an item by the
  // keyboard, each key posted to the open menu, whose loop reads every key of
  // its thread. Without a click: a real one makes Wine's notification area
  // the window in front now and then, which closes a menu just opened.
  void ChooseInMenu(const std::vector<std::pair<UINT, WPARAM>>& keys) {
    ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
    ASSERT_TRUE(PostMessageW(main_.handle, IconMessage, 0, MAKELPARAM(NIN_SELECT, 1)));
    std::vector<Window> menus;
    ASSERT_TRUE(WaitUntil([&] { return !(menus = program_->Windows("#32768")).empty(); }))
        << "no menu";
    for (const auto& [message, key] : keys)
      ASSERT_TRUE(PostMessageW(menus[0].handle, message, key, 0));
    ASSERT_TRUE(WaitUntil([&] { return program_->Windows("#32768").empty(); }));
  }
};

// The seventh preset from the top, then Enter; the others by their access keys.
const std::vector<std::pair<UINT, WPARAM>> To1024x768{
    {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN},
    {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN}, {WM_KEYDOWN, VK_DOWN}, {WM_CHAR, '\r'}};
const std::vector<std::pair<UINT, WPARAM>> ToRestore{{WM_CHAR, 'r'}};
const std::vector<std::pair<UINT, WPARAM>> ToStartWithWindows{{WM_CHAR, 'd'}};

TEST_F(NotificationArea, TheIconComesWithTheWindowAndItsMenuSwitchesAndRestores) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
  ASSERT_TRUE(MouseClick(TrayIcons()[0]));
  EXPECT_TRUE(WaitUntil([&] { return !program_->Windows("#32768").empty(); }))
      << "a click opens the menu";
  for (const Window& menu : program_->Windows("#32768"))
    PostMessageW(menu.handle, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return program_->Windows("#32768").empty(); }));
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(To1024x768));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
  EXPECT_EQ(Control(MainControl::RestoreButton).Text(),
            L"Restaurer à " + SizeText(primary_, L" x "));
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(ToRestore));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));
  ASSERT_TRUE(main_.CloseBox());
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); })) << "the icon goes with the program";

  program_.emplace(L"/4F");
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_TRUE(TrayIcons().empty()) << "\"/4F\" shows no icon";
}

// Keys sent while another program's window is in front, one of them held by
// that program first: the others still work.
TEST_F(NotificationArea, KeysWorkFromAnotherWindowAndOneHeldElsewhereIsLeftToIt) {
  constexpr int HeldKeyId = 1;
  ASSERT_TRUE(RegisterHotKey(nullptr, HeldKeyId, MOD_CONTROL | MOD_ALT | MOD_SHIFT, '6'));
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
  // Another program's window in front, one that handles its messages.
  const Program notepad(L"", L"C:\\windows\\notepad.exe");
  const Window front = notepad.WaitForWindow("Notepad");
  ASSERT_TRUE(front.Exists());
  ASSERT_TRUE(PressKeys(front, {VK_CONTROL, VK_MENU, VK_SHIFT, '4'}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
  ASSERT_TRUE(PressKeys(front, {VK_CONTROL, VK_MENU, VK_SHIFT, 'Z'}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));
  ASSERT_TRUE(PressKeys(front, {VK_CONTROL, VK_MENU, VK_SHIFT, '6'}));
  MSG held{};
  EXPECT_TRUE(WaitUntil([&] {
    return PeekMessageW(&held, nullptr, WM_HOTKEY, WM_HOTKEY, PM_REMOVE);
  })) << "the key stays with the program that held it first";
  EXPECT_EQ(ScreenSize(), primary_);
  UnregisterHotKey(nullptr, HeldKeyId);
}

// The menu's item writes the Run value, and removes it; "/8M" starts
// minimised, with its icon, and switches nothing.
TEST_F(NotificationArea, StartWithWindowsWritesTheRunValueWhoseCommandStartsMinimised) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(ToStartWithWindows));
  std::optional<std::wstring> value;
  ASSERT_TRUE(WaitUntil([&] { return (value = RunValue()).has_value(); })) << "no Run value";
  EXPECT_EQ(*value, L"\"" + InstalledProgram().wstring() + L"\" /8M");
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(ToStartWithWindows));
  EXPECT_TRUE(WaitUntil([&] { return !RunValue(); })) << "the Run value stays";
  ASSERT_TRUE(main_.CloseBox());
  EXPECT_EQ(program_->WaitForExit(), 0u);

  ASSERT_NO_FATAL_FAILURE(Launch(L"/8M"));
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(main_.handle); }));
  EXPECT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
  EXPECT_EQ(ScreenSize(), primary_);
  EXPECT_TRUE(Control(MainControl::RestoreButton).Enabled());
}

}  // namespace
}  // namespace ilvorande::e2e
