// The main window and its icon, menu, keys, Run value, desktop links and About window, under Wine.
#include <oleacc.h>

#include <cstdint>
#include <sstream>

#include "core/helpabout/AboutControlIds.h"

#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;
using enum AboutControl;

std::string LinkField(const std::string& report, const std::string& name) {
  std::smatch match;
  const std::regex line("\\s" + name + "\\s*: ([^\\n]*)");
  return std::regex_search(report, match, line) ? match[1].str() : "(no " + name + ")";
}

// The pixels, 0xRRGGBB from the top row, that paint() draws on black.
std::vector<std::uint32_t> Draw(int width, int height, const std::function<void(HDC)>& paint) {
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  std::uint32_t* bits = nullptr;
  const UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                             reinterpret_cast<void**>(&bits), nullptr, 0));
  const CreatedDC dc(CreateCompatibleDC(nullptr));
  if (bits == nullptr) return {};
  const SelectedObject selected(dc.get(), bitmap.get());
  paint(dc.get());
  GdiFlush();
  std::vector<std::uint32_t> pixels(bits, bits + static_cast<size_t>(width) * height);
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

std::vector<std::uint32_t> Capture(const RECT& rect) {
  const WindowDC screen(nullptr);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  return Draw(width, height, [&](HDC dc) {
    BitBlt(dc, 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
  });
}

// Whether the X server's pointer shows the icon file's 32 x 32 picture and hot spot.
bool PointerShows(const fs::path& iconFile, POINT hotSpot) {
  std::istringstream in(
      RunOnHost("/usr/bin/python3 " + Quoted(ILVORANDE_SOURCE_DIR "/tests/e2e/driver/x_pointer.py"))
          .value_or(""));
  int width = 0, height = 0, x = -1, y = -1;
  in >> width >> height >> x >> y >> std::hex;
  const UniqueIcon icon(static_cast<HICON>(
      LoadImageW(nullptr, iconFile.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
  const auto drawn = Draw(
      32, 32, [&](HDC dc) { DrawIconEx(dc, 0, 0, icon.get(), 32, 32, 0, nullptr, DI_NORMAL); });
  bool same = icon && width == 32 && height == 32 && x == hotSpot.x && y == hotSpot.y;
  for (std::uint32_t pixel = 0, i = 0; same && i < drawn.size() && in >> pixel; ++i)
    same = pixel >> 24 == 0 ? drawn[i] == 0 : pixel == (0xFF000000 | drawn[i]);
  return same && in;
}

// A script of ours as the browser and the mailer that winebrowser runs.
struct LinkRecorder {
  static constexpr const wchar_t* WineBrowserKey = L"Software\\Wine\\WineBrowser";
  const fs::path script = fs::temp_directory_path() / "record-link.sh";
  const fs::path record = fs::temp_directory_path() / "links.txt";
  LinkRecorder() {
    std::ofstream(script, std::ios::binary)
        << "printf '%s\\n' \"$1\" >> " << Quoted(UnixPath(record)) << "\n";
    // winebrowser splits the command as Windows does: quoted, a blank in the path holds.
    const std::wstring command = L"/bin/sh \"" + Widen(UnixPath(script)) + L"\"";
    for (const wchar_t* name : {L"Browsers", L"Mailers"})
      RegSetKeyValueW(HKEY_CURRENT_USER, WineBrowserKey, name, REG_SZ, command.c_str(),
                      static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  ~LinkRecorder() {
    for (const wchar_t* name : {L"Browsers", L"Mailers"})
      RegDeleteKeyValueW(HKEY_CURRENT_USER, WineBrowserKey, name);
    fs::remove(script), fs::remove(record);
  }
  // One address a line; Wine hands the mailer a blank as %20.
  std::string Opened() const {
    std::string opened = ReadBytes(record);
    for (size_t at; (at = opened.find("%20")) != std::string::npos;) opened.replace(at, 3, " ");
    return opened;
  }
};

std::wstring AccessibleName(HWND control) {
  // Written here: MinGW's static uuid library answers another IID_IAccessible.
  constexpr IID Accessible{
      0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
  ScopedComReference<IAccessible> accessible;
  if (const HRESULT result = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                                        Accessible, accessible.out());
      FAILED(result))
    return L"(no accessible object: " + std::to_wstring(result) + L")";
  VARIANT self{};
  self.vt = VT_I4;  // lVal 0: CHILDID_SELF
  BSTR name = nullptr;
  std::wstring text = accessible->get_accName(self, &name) == S_OK && name ? name : L"";
  SysFreeString(name);
  return text;
}

constexpr const wchar_t* RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

std::optional<std::wstring> RunValue() {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, RunKey, L"Ilvorande", RRF_RT_REG_SZ, nullptr, data, &size))
    return std::nullopt;
  return data;
}

class MainWindow : public ProgramTest {
 protected:
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, RunKey, L"Ilvorande");
    if (about_.Exists()) about_.CloseBox();
    // Wine's notification area keeps the icon of a program that was killed.
    if (program_ && main_.Exists() && main_.CloseBox()) program_->WaitForExit();
    EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); })) << "the icon goes with the program";
    ProgramTest::TearDown();
    // Wine's menu builder, started by a saved link, may hold the folder a while.
    std::error_code error;
    EXPECT_TRUE(WaitUntil([&] { return fs::remove_all(copyFolder_, error), !error; }));
  }

  void OpenAbout() {
    if (!program_) Launch();
    ASSERT_TRUE(Control(AboutButton).Click());
    about_ = program_->WaitForWindow(AboutWindowClassName);
    ASSERT_TRUE(about_.Exists()) << "the About window did not show";
    EXPECT_FALSE(main_.Enabled()) << "the main window takes input meanwhile";
  }

  Window about_;
  const fs::path copyFolder_ = fs::temp_directory_path() / L"Экран рядом";
};

TEST_F(MainWindow, TheIconsMenuSwitchesRestoresAndWritesTheRunValueThatStartsMinimised) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(7, L'\r'));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
  EXPECT_EQ(IconTip(), L"Ilvorande : 1024 x 768");
  EXPECT_EQ(Control(RestoreButton).Text(), L"Restaurer à " + SizeText(primary_, L" x "));
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(0, L'r', {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));
  // A double click: one menu.
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(
      0, L'd',
      {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}));
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
  EXPECT_TRUE(Control(RestoreButton).Enabled());
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(0, L'o'));
  EXPECT_TRUE(WaitUntil([&] {
    return !IsIconic(main_.handle) && GetForegroundWindow() == main_.handle;
  })) << "\"Ouvrir Ilvorande\" leaves the window minimised or behind";
  ASSERT_TRUE(main_.CloseBox());
  EXPECT_EQ(program_->WaitForExit(), 0u);
  program_.emplace(L"/4F");
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_TRUE(WaitUntil([] { return TrayIcons().empty(); }))
      << "an icon stays, or \"/4F\" shows one";
}

// Another program's window in front; one key held by this test first, the others still work.
TEST_F(MainWindow, KeysWorkFromAnotherWindowAndOneHeldElsewhereIsLeftToIt) {
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

// In z-order, that of reading and Tab: a box is named by the caption right before it.
TEST_F(MainWindow, AScreenReaderHearsEveryControlInReadingOrderAndTheOptionExplainsItself) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::wstring heard;
  for (HWND child = GetWindow(main_.handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    heard += AccessibleName(child) + L" | ";
  CoUninitialize();
  EXPECT_EQ(heard, L"1600 x 1200 | Quitter | Ilvorande actuel | " + SizeText(primary_, L" X ") +
                       L" | Restaurer | 1400 x 1050 | 1280 x 960 | 1152 x 864 | 1024 x 768 | "
                       L"800 x 600 | 640 x 480 | Info Ligne de commande | A Propos | 1280 x 1024 | "
                       L"largeur | largeur | X | hauteur | hauteur | Autre... | 1280 x 800 | "
                       L"Créer un raccourci vers le bureau | ");

  const POINT point = PointIn(Control(ShortcutOption));
  ASSERT_TRUE(SetCursorPos(0, 0) && SetCursorPos(point.x, point.y));
  std::vector<Window> tips;
  EXPECT_TRUE(WaitUntil([&] { return !(tips = program_->Windows("tooltips_class32")).empty(); }));
  EXPECT_EQ(tips.empty() ? L"" : tips[0].Text(),
            L"Si cette case est active, d'appuyer sur un bouton ira créer un raccourci "
            L"permettant d'un clic d'accéder à cette configuration.");
}

// Ctrl+Z, the way back when the screen shows nothing, works wherever the focus is.
TEST_F(MainWindow, PresetsTypedSizesRestaurerCtrlZAndTheKeyboardSwitchAltF4KeepsTheMode) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  EXPECT_TRUE(main_.Send(WM_NULL).has_value());
  EXPECT_EQ(ScreenSize(), primary_) << "Ctrl+Z before any switch";
  EXPECT_TRUE(program_->Windows("#32770").empty());

  ASSERT_TRUE(Control(ModeButton(4)).Click());
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
  const Window restore = Control(RestoreButton);
  EXPECT_TRUE(WaitUntil([&] {
    return restore.Enabled() && restore.Text() == L"Restaurer à " + SizeText(primary_, L" x ");
  })) << restore.Text();
  ASSERT_TRUE(restore.Click());
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));

  for (const auto& [box, text] : {std::pair{WidthBox, L"800"}, std::pair{HeightBox, L"600"}})
    ASSERT_TRUE(Control(box).Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)).value_or(0));
  ASSERT_TRUE(MouseClick(Control(HeightBox)));
  ASSERT_TRUE(WaitUntil([&] { return Focus(main_) == Control(HeightBox).handle; }));
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({800, 600}));
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));
  EXPECT_EQ(Control(HeightBox).Text(), L"600") << "the typing stays";

  ASSERT_TRUE(TabTo(main_, Control(ModeButton(1)))) << "Tab never reached 1400 x 1050";
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1400, 1050}));
  ASSERT_TRUE(PressKeys(main_, {VK_MENU, VK_F4}));
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_EQ(XrandrSizes(), (ScreenSizes{{"DUMMY0", {1400, 1050}}})) << "the mode stays";
}

TEST_F(MainWindow, AboutIsModalAndRetourItsCloseBoxEscapeAndAltRCloseIt) {
  ASSERT_NO_FATAL_FAILURE(OpenAbout());
  // clang-format off
  const std::pair<const char*, std::function<bool()>> closers[] = {
      {"&Retour", [&] { return about_.Child(BackButton).Click(); }},
      {"close box", [&] { return about_.CloseBox(); }},
      {"Escape", [&] { return PressKeys(about_, {VK_ESCAPE}); }},
      {"Alt+R", [&] { return PressKeys(about_, {VK_MENU, 'R'}); }}};
  // clang-format on
  for (const auto& [how, close] : closers) {
    SCOPED_TRACE(how);
    if (!about_.Exists()) OpenAbout();
    ASSERT_TRUE(close());
    EXPECT_TRUE(WaitUntil([&] { return !about_.Exists(); })) << "the About window stays";
    EXPECT_TRUE(WaitUntil([&] { return main_.Enabled(); })) << "the main window stays disabled";
  }
}

// Tab reaches each link, which shows a focus cue and opens with Enter or Space.
TEST_F(MainWindow, AboutPictureClickedAndLinksFromTheKeyboardOpenTheirAddressesUnderTheirPointers) {
  ASSERT_NO_FATAL_FAILURE(OpenAbout());
  const LinkRecorder recorder;
  const std::string web = "http://ilvorande.example/\n";
  ASSERT_TRUE(MouseClick(about_.Child(Picture)));
  EXPECT_TRUE(WaitUntil([&] { return recorder.Opened() == web; })) << recorder.Opened();
  std::string expected = web;
  const std::string mail = "mailto:auteur@ilvorande.example?subject=Ilvorande V3.1.0\n";
  for (const auto& [control, key, address, pointer, hotSpot] :
       {std::tuple{WebAddress, VK_RETURN, web, "PointerLink.ico", POINT{5, 0}},
        std::tuple{MailLink, VK_SPACE, mail, "PointerMail.ico", POINT{0, 0}}}) {
    const Window link = about_.Child(control);
    SCOPED_TRACE(link.Text());
    const auto unfocused = Capture(link.ScreenRect());
    ASSERT_TRUE(PressKeys(about_, {VK_TAB}));
    ASSERT_TRUE(WaitUntil([&] { return Focus(about_) == link.handle; }));
    EXPECT_TRUE(WaitUntil([&] { return Capture(link.ScreenRect()) != unfocused; }))
        << "no focus cue";
    ASSERT_TRUE(PressKeys(about_, {static_cast<WORD>(key)}));
    expected += address;
    EXPECT_TRUE(WaitUntil([&] { return recorder.Opened() == expected; })) << recorder.Opened();
    const POINT point = PointIn(link);
    ASSERT_TRUE(SetCursorPos(point.x, point.y));
    // Wine's drive Z: is the host's root.
    const fs::path icon = L"Z:" + Widen(ILVORANDE_SOURCE_DIR "/resources/") + Widen(pointer);
    EXPECT_TRUE(WaitUntil([&] { return PointerShows(icon, hotSpot); }));
  }
  EXPECT_TRUE(IsWindowVisible(about_.handle)) << "a link leaves the window open";
}

// From a folder that code page 1252 cannot spell: the target in its short form.
TEST_F(MainWindow, TickedPresetWritesALinkThatSwitchesAndEndsUnseen) {
  const fs::path copy = copyFolder_ / L"Ilvorande.exe";
  const fs::path link = Desktop() / L"Ilvorande en 1024 x 768.lnk";
  fs::create_directories(copyFolder_);
  ASSERT_TRUE(CopyFileW(InstalledProgram().c_str(), copy.c_str(), FALSE));
  wchar_t shortCopy[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameW(copy.c_str(), shortCopy, MAX_PATH), 0u);
  ASSERT_NO_FATAL_FAILURE(Launch({}, copy));
  ASSERT_TRUE(MouseClick(Control(ShortcutOption)));
  EXPECT_TRUE(WaitUntil([&] { return Control(ShortcutOption).Send(BM_GETCHECK) == BST_CHECKED; }));
  // Sent, not posted: returns once the click's handler has returned.
  ASSERT_TRUE(Control(ModeButton(4)).Send(BM_CLICK).has_value()) << "the click never returned";

  const std::string bytes = ReadBytes(link);
  ASSERT_GE(bytes.size(), 0x40u) << "no link " << link.wstring();
  EXPECT_EQ(bytes.substr(0x3C, 4), std::string("\4\0\0\0", 4)) << "ShowCommand, 4 bytes at 0x3C";
  std::string why;
  const auto report = RunOnHost("lnkinfo " + Quoted(UnixPath(link)), &why);
  ASSERT_TRUE(report.has_value()) << why;
  const std::pair<const char*, std::wstring> expected[] = {
      {"Local path", shortCopy},
      {"Command line arguments", L"/4F"},
      {"Working directory", copyFolder_.wstring()},
      {"Description", L"Ilvorande en 1024 x 768"},
      {"Icon location", copy.wstring()},
      {"Icon index", L"0"},
  };
  for (const auto& [name, value] : expected) EXPECT_EQ(Widen(LinkField(*report, name)), value);

  ASSERT_TRUE(main_.CloseBox());
  ASSERT_TRUE(program_->WaitForExit().has_value());
  // As a double-click opens it; start returns at once, its program is found by name.
  const Program opener(L"/unix \"" + Widen(UnixPath(link)) + L"\"",
                       L"C:\\windows\\system32\\start.exe");
  bool seen = false;
  EXPECT_TRUE(WaitUntil([&] {
    seen = seen || IsWindowVisible(FindWindowA(MainWindowClassName, nullptr));
    return ScreenSize() == Size{1024, 768} && ProcessesNamed(L"Ilvorande.exe").empty();
  })) << "no switch to 1024 x 768, or the program that the link started did not end";
  EXPECT_FALSE(seen) << "the program that the link started showed its window";
  EXPECT_EQ(XrandrSizes(), (ScreenSizes{{"DUMMY0", {1024, 768}}})) << "the X server's mode";
}

}  // namespace
}  // namespace ilvorande::e2e
