// The notification area's icon and menu, the keys that work anywhere, the start with Windows.
#include "driver/Fixture.h"
#include "driver/Input.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace ilvorande::e2e {
namespace {

// Every program's; one just added shows once the area has made room for it.
std::vector<Window> TrayIcons() {
  std::vector<Window> icons;
  for (HWND tray = nullptr; (tray = FindWindowExW(nullptr, tray, nullptr, L"Wine System Tray"));)
    for (HWND icon = nullptr; (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));)
      if (IsWindowVisible(icon)) icons.push_back({icon});
  return icons;
}

constexpr const wchar_t* RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunValue() {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, RunKey, L"Ilvorande", RRF_RT_REG_SZ, nullptr, data, &size))
    return std::nullopt;
  return data;
}

// The program's message for its icon's events (WM_APP + 2).
constexpr UINT IconMessage = 0x8002;

class NotificationArea : public ProgramTest {
 protected:
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, RunKey, L"Ilvorande");
    // Wine's notification area keeps the icon of a program that was killed.
    if (program_ && main_.Exists() && main_.CloseBox()) program_->WaitForExit();
    EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); })) << "the icon goes with the program";
    ProgramTest::TearDown();
  }

  // Opens the menu as a click does (a real one may put Wine's notification area in front, which
  // closes it), then posts Down `downs` times and the character.
  void ChooseInMenu(int downs, wchar_t character) {
    ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
    ASSERT_TRUE(PostMessageW(main_.handle, IconMessage, 0, MAKELPARAM(NIN_SELECT, 1)));
    std::vector<Window> menus;
    ASSERT_TRUE(WaitUntil([&] { return !(menus = program_->Windows("#32768")).empty(); }))
        << "no menu";
    while (downs-- > 0) ASSERT_TRUE(PostMessageW(menus[0].handle, WM_KEYDOWN, VK_DOWN, 0));
    ASSERT_TRUE(PostMessageW(menus[0].handle, WM_CHAR, character, 0));
    ASSERT_TRUE(WaitUntil([&] { return program_->Windows("#32768").empty(); }));
  }
};

// "/8M", the Run value's command, starts minimised and switches nothing.
TEST_F(NotificationArea, TheIconsMenuSwitchesRestoresAndWritesTheRunValueThatStartsMinimised) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
  ASSERT_TRUE(MouseClick(TrayIcons()[0]));
  EXPECT_TRUE(WaitUntil([&] { return !program_->Windows("#32768").empty(); }))
      << "a click opens the menu";
  for (const Window& menu : program_->Windows("#32768"))
    PostMessageW(menu.handle, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return program_->Windows("#32768").empty(); }));
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(7, L'\r'));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
  EXPECT_EQ(Control(MainControl::RestoreButton).Text(),
            L"Restaurer à " + SizeText(primary_, L" x "));
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(0, L'r'));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(0, L'd'));
  const std::wstring command = L"\"" + InstalledProgram().wstring() + L"\" /8M";
  EXPECT_TRUE(WaitUntil([&] { return RunValue() == command; })) << RunValue().value_or(L"none");
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(0, L'd'));
  EXPECT_TRUE(WaitUntil([&] { return !RunValue(); })) << "the Run value stays";
  ASSERT_TRUE(main_.CloseBox());
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); })) << "the icon goes with the program";

  ASSERT_NO_FATAL_FAILURE(Launch(L"/8M"));
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(main_.handle); }));
  EXPECT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
  EXPECT_EQ(ScreenSize(), primary_);
  EXPECT_TRUE(Control(MainControl::RestoreButton).Enabled());
  ASSERT_TRUE(main_.CloseBox());
  EXPECT_EQ(program_->WaitForExit(), 0u);
  program_.emplace(L"/4F");
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); }))
      << "an icon stays, or \"/4F\" shows one";
}

// Another program's window in front; one key held by this test first, the others still work.
TEST_F(NotificationArea, KeysWorkFromAnotherWindowAndOneHeldElsewhereIsLeftToIt) {
  constexpr int HeldKeyId = 1;
  ASSERT_TRUE(RegisterHotKey(nullptr, HeldKeyId, MOD_CONTROL | MOD_ALT | MOD_SHIFT, '6'));
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
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

}  // namespace
}  // namespace ilvorande::e2e
