// Each test ends with every program it started ended and every screen as it found it.
#pragma once

#include <shlobj.h>

#include "driver/Host.h"
#include "driver/Input.h"

namespace ilvorande::e2e {

// Every program's; one just added shows once the area has made room for it.
inline std::vector<Window> TrayIcons() {
  std::vector<Window> icons;
  for (HWND tray = nullptr; (tray = FindWindowExW(nullptr, tray, nullptr, L"Wine System Tray"));)
    for (HWND icon = nullptr; (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));)
      if (IsWindowVisible(icon)) icons.push_back({icon});
  return icons;
}

// Longer than Wine takes to hand the focus from the notification area to the program.
constexpr DWORD MenuSettlesMs = 300;

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    primary_ = ScreenSize();
    depth_ = GetDeviceCaps(WindowDC(nullptr).get(), BITSPIXEL);
    sizes_ = XrandrSizes(&places_);
    ASSERT_NE(primary_, (Size{1024, 768})) << "the tests switch to it, away from the start mode";
  }

  void TearDown() override {
    program_.reset();
    // One that a link started is not held by a Program.
    for (const DWORD stray : ProcessesNamed(L"Ilvorande.exe")) {
      ADD_FAILURE() << "a program started by the test still runs";
      TerminateProcess(UniqueHandle(OpenProcess(PROCESS_TERMINATE, FALSE, stray)).get(), 0xDEAD);
    }
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    mode.dmPelsWidth = static_cast<DWORD>(primary_.width);
    mode.dmPelsHeight = static_cast<DWORD>(primary_.height);
    mode.dmBitsPerPel = static_cast<DWORD>(depth_);
    EXPECT_TRUE(ScreenSize() == primary_ ||
                ChangeDisplaySettingsW(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(WaitUntil([&] { return ScreenSize() == primary_; }));
    // The test's links, and the launchers that Wine writes beside them.
    for (const fs::path& file : fs::directory_iterator(Desktop()))
      if (file.filename().wstring().starts_with(L"Ilvorande en ")) fs::remove(file);
    std::string command = "xrandr";
    for (const auto& [name, size] : XrandrSizes())
      if (!sizes_.contains(name)) command += " --output " + name + " --off";
    for (const auto& [name, size] : sizes_)
      command += " --output " + name + " --mode " + std::to_string(size.width) + "x" +
                 std::to_string(size.height) + " --pos " + std::to_string(places_[name].x) + "x" +
                 std::to_string(places_[name].y);
    EXPECT_TRUE(sizes_.size() == 1 || RunOnHost(command));
    EXPECT_EQ(XrandrSizes(), sizes_) << "the X server's screens";
  }

  void Launch(std::wstring_view arguments = {}, const fs::path& executable = InstalledProgram()) {
    program_.emplace(arguments, executable);  // once the one before has ended
    main_ = program_->WaitForWindow(MainWindowClassName);
    ASSERT_TRUE(main_.Exists()) << "the main window did not show";
  }

  Window Control(MainControl id) const { return main_.Child(id); }

  // Clicks the icon with `buttons`, then posts Down `downs` times and the character to the menu,
  // which stays open meanwhile.
  void ChooseInMenu(int downs, wchar_t character,
                    std::initializer_list<DWORD> buttons = {MOUSEEVENTF_LEFTDOWN,
                                                            MOUSEEVENTF_LEFTUP}) {
    ASSERT_TRUE(WaitUntil([] { return TrayIcons().size() == 1; })) << "no icon";
    ASSERT_TRUE(PointerEvents(PointIn(TrayIcons()[0]), buttons));
    const auto menus = [&] { return program_->Windows("#32768"); };
    ASSERT_TRUE(WaitUntil([&] { return !menus().empty(); })) << "a click opens no menu";
    Sleep(MenuSettlesMs);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_.handle; }))
        << "a click elsewhere would leave the menu open";
    ASSERT_EQ(menus().size(), 1u) << "the menu closed by itself, or a second one opened";
    const HWND menu = menus()[0].handle;
    while (downs-- > 0) ASSERT_TRUE(PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0));
    ASSERT_TRUE(PostMessageW(menu, WM_CHAR, character, 0));
    ASSERT_TRUE(WaitUntil([&] { return menus().empty(); }));
  }

  // What the icon's tooltip says once the pointer rests on it.
  static std::wstring IconTip() {
    std::vector<Window> icons;
    if (!WaitUntil([&] { return (icons = TrayIcons()).size() == 1; })) return L"(no icon)";
    const POINT point = PointIn(icons[0]);
    const Size screen = ScreenSize();
    MovePointer({screen.width / 2, screen.height / 2});
    MovePointer(point);
    std::wstring tip;
    WaitUntil([&] {
      for (HWND window = nullptr;
           (window = FindWindowExW(nullptr, window, L"tooltips_class32", nullptr));)
        if (IsWindowVisible(window) && Window{window}.Text().starts_with(L"Ilvorande"))
          return !(tip = Window{window}.Text()).empty();
      return false;
    });
    return tip;
  }

  static fs::path Desktop() {
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    return desktop;
  }

  // Each screen reaches its size by the X server's account; fatal on a message box.
  void ExpectScreens(const ScreenSizes& sizes) {
    const auto boxes = [&] {
      return program_ ? program_->Windows("#32770") : std::vector<Window>();
    };
    ScreenSizes seen;
    WaitUntil([&] { return (seen = XrandrSizes()) == sizes || !boxes().empty(); });
    for (const Window& box : boxes()) FAIL() << "a message box: " << box.Child(0xFFFF).Text();
    for (const auto& [name, size] : sizes) EXPECT_EQ(seen[name], size) << name;
  }

  void ExpectMode(Size size) {
    ASSERT_NO_FATAL_FAILURE(ExpectScreens({{"DUMMY0", size}}));
    EXPECT_TRUE(WaitUntil([&] { return ScreenSize() == size; }));
    const Window label = Control(MainControl::ModeInForce);
    EXPECT_TRUE(WaitUntil([&] { return label.Text() == SizeText(size, L" X "); }))
        << "the mode in force reads " << label.Text();
  }

  static std::wstring SizeText(Size size, const wchar_t* sign) {
    return std::to_wstring(size.width) + sign + std::to_wstring(size.height);
  }

  std::optional<Program> program_;
  Window main_;
  Size primary_;
  int depth_ = 0;
  ScreenSizes sizes_;
  std::map<std::string, POINT> places_;
};

}  // namespace ilvorande::e2e
