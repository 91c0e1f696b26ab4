// The About window: modal, the ways to close it, its links and their pointers.
#include <cstdint>
#include <sstream>

#include "core/helpabout/AboutControlIds.h"
#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

using enum AboutControl;

// The pixels, 0xRRGGBB from the top row, that paint() draws on black.
std::vector<std::uint32_t> Draw(int width, int height, const std::function<void(HDC)>& paint) {
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}};
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

class AboutWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Open());
  }

  void Open() {
    ASSERT_TRUE(Control(MainControl::AboutButton).Click());
    about_ = program_->WaitForWindow(AboutWindowClassName);
    ASSERT_TRUE(about_.Exists()) << "the About window did not show";
    EXPECT_FALSE(main_.Enabled()) << "the main window takes input meanwhile";
  }

  Window about_;
};

TEST_F(AboutWindow, RetourItsCloseBoxEscapeAndAltRCloseIt) {
  // clang-format off
  const std::pair<const char*, std::function<bool()>> closers[] = {
      {"&Retour", [&] { return about_.Child(BackButton).Click(); }},
      {"close box", [&] { return about_.CloseBox(); }},
      {"Escape", [&] { return PressKeys(about_, {VK_ESCAPE}); }},
      {"Alt+R", [&] { return PressKeys(about_, {VK_MENU, 'R'}); }}};
  // clang-format on
  for (const auto& [how, close] : closers) {
    SCOPED_TRACE(how);
    if (!about_.Exists()) ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_TRUE(close());
    EXPECT_TRUE(WaitUntil([&] { return !about_.Exists(); })) << "the About window stays";
    EXPECT_TRUE(WaitUntil([&] { return main_.Enabled(); })) << "the main window stays disabled";
  }
}

// Tab reaches each link, which shows a focus cue and opens with Enter or Space.
TEST_F(AboutWindow, PictureClickedAndLinksFromTheKeyboardOpenTheirAddressesUnderTheirPointers) {
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

}  // namespace
}  // namespace ilvorande::e2e
