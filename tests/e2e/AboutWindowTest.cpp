// The About window: modal over the main window, its controls in place and
// their fonts as drawn, the ways to close it, its links by mouse and
// keyboard, and their pointers. What a screen reader hears follows the order
// of creation (tests/unit) and the texts here, as MainWindow's shows.
#include "core/helpabout/AboutControlIds.h"
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum AboutControl;

// Stands in for the browser and the mailer that Wine's winebrowser runs for
// http: and mailto: addresses: a script of ours writes down each address.
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
  LinkRecorder(const LinkRecorder&) = delete;
  ~LinkRecorder() {
    for (const wchar_t* name : {L"Browsers", L"Mailers"})
      RegDeleteKeyValueW(HKEY_CURRENT_USER, WineBrowserKey, name);
    fs::remove(script), fs::remove(record);
  }
};

class AboutWindow : public ProgramTest {
 protected:
  // Each address that the browser or the mailer was handed, one a line.
  static std::string Opened(const LinkRecorder& recorder) {
    std::string opened = ReadBytes(recorder.record);
    // Wine hands the mailer a blank as %20.
    for (size_t at; (at = opened.find("%20")) != std::string::npos;) opened.replace(at, 3, " ");
    return opened;
  }

  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Open());
  }

  void Open() {
    ASSERT_TRUE(Control(MainControl::AboutButton).Click());
    about_ = program_->WaitForWindow(AboutWindowClassName);
    ASSERT_TRUE(about_.Exists()) << "the About window did not show";
  }

  Window about_;
};

TEST_F(AboutWindow, OpensModalWithEveryControlInPlace) {
  EXPECT_FALSE(main_.Enabled()) << "the main window takes no input meanwhile";
  // Places are twips / 15.
  ExpectLayout(about_, L"A Propos...", {428, 475},
               {
                   {Title, "Static", L"Ilvorande", {8, 40, 409, 57}},
                   {Version, "Static", L" V3.1", {97, 137, 228, 29}},
                   {Picture, "Static", L"", {194, 175, 32, 32}},  // the icon's own size
                   {WebAddress, "Static", L"http://ilvorande.example", {3, 248, 429, 92}},
                   {Statement,
                    "Static",
                    L"Aucun droit particulier n'est réservé : ce programme peut circuler "
                    L"librement et gratuitement !",
                    {8, 292, 409, 58}},
                   {MailLink, "Static", L"Envoyer un coucou à l'auteur...", {108, 370}},
                   {BackButton, "Button", L"&Retour", {120, 399, 174, 48}},
               });
}

TEST_F(AboutWindow, LabelsAreDrawnInTheirFonts) {
  const COLORREF purple = RGB(128, 0, 128), blue = RGB(0, 0, 255);
  const struct {
    AboutControl id;
    Font font;
    COLORREF ink;
    UINT format;
    double otherPoints;  // a size that must look different
  } labels[] = {
      {Title, {L"Comic Sans MS", 20.25}, purple, DT_CENTER, 14.25},
      {Version, {L"Comic Sans MS", 14.25}, purple, DT_CENTER, 12},
      {WebAddress, {L"Arial", 14.25, true}, blue, DT_CENTER, 12},
      {Statement, {L"Comic Sans MS", 12}, GetSysColor(COLOR_BTNTEXT), DT_CENTER, 14.25},
      {MailLink, {L"Arial", 12, true}, blue, DT_LEFT, 14.25},
  };
  for (const auto& label : labels) {
    const Window control = about_.Child(label.id);
    const std::wstring text = control.Text();
    SCOPED_TRACE(text);
    const RECT rect = control.ScreenRect();
    const auto drawn = [&](double points) {
      const Font font{label.font.face, points, label.font.underline};
      const Size size{rect.right - rect.left, rect.bottom - rect.top};
      const UINT dpi = GetDpiForWindow(about_.handle), format = label.format | DT_WORDBREAK;
      return InkBounds(Render(text, font, dpi, size, label.ink, format | DT_NOPREFIX), label.ink);
    };
    const Place expected = drawn(label.font.points), other = drawn(label.otherPoints);
    ASSERT_NE(expected, other) << "the sizes cannot be told apart";
    Place shown;
    EXPECT_TRUE(WaitUntil([&] {
      return (shown = InkBounds(Capture(rect), label.ink)) == expected;
    })) << "ink at "
        << ::testing::PrintToString(shown) << "; " << label.font.points << " pt draws it at "
        << ::testing::PrintToString(expected) << ", " << label.otherPoints << " pt at "
        << ::testing::PrintToString(other);
  }
}

TEST_F(AboutWindow, RetourItsCloseBoxAndAltRCloseIt) {
  const std::pair<const char*, std::function<bool()>> closers[] = {
      {"&Retour", [&] { return about_.Child(BackButton).Click(); }},
      {"close box", [&] { return about_.CloseBox(); }},
      {"Escape", [&] { return PressKeys(about_, {VK_ESCAPE}); }},
      {"Alt+R", [&] {
         return PressKeys(about_, {VK_MENU, 'R'});
       }}};
  for (const auto& [how, close] : closers) {
    SCOPED_TRACE(how);
    if (!about_.Exists()) {
      ASSERT_NO_FATAL_FAILURE(Open());
    }
    ASSERT_TRUE(close());
    EXPECT_TRUE(WaitUntil([&] { return !about_.Exists(); })) << "the About window stays";
    EXPECT_TRUE(WaitUntil([&] { return main_.Enabled(); })) << "the main window stays disabled";
  }
}

// A click on the picture opens the web page. After the back button, Tab
// reaches each link, which shows that it has the focus and opens with Enter
// or Space as its click does (the pointer test shows that it takes clicks).
TEST_F(AboutWindow, PictureClickedAndLinksFromTheKeyboardOpenTheirAddresses) {
  const LinkRecorder recorder;
  const std::string web = "http://ilvorande.example/\n";
  ASSERT_TRUE(MouseClick(about_.Child(Picture)));
  EXPECT_TRUE(WaitUntil([&] { return Opened(recorder) == web; })) << Opened(recorder);
  std::string expected = web;
  for (const auto& [control, key, address] : {
           std::tuple{WebAddress, VK_RETURN, web},
           std::tuple{MailLink, VK_SPACE,
                      std::string("mailto:auteur@ilvorande.example?subject=Ilvorande V3.1.0\n")},
       }) {
    const Window link = about_.Child(control);
    SCOPED_TRACE(link.Text());
    const e2e::Picture unfocused = Capture(link.ScreenRect());
    ASSERT_TRUE(PressKeys(about_, {VK_TAB}));
    ASSERT_TRUE(WaitUntil([&] { return Focus(about_) == link.handle; }));
    EXPECT_TRUE(WaitUntil([&] { return Capture(link.ScreenRect()).pixels != unfocused.pixels; }))
        << "no focus cue";
    ASSERT_TRUE(PressKeys(about_, {static_cast<WORD>(key)}));
    expected += address;
    EXPECT_TRUE(WaitUntil([&] { return Opened(recorder) == expected; })) << Opened(recorder);
  }
  EXPECT_TRUE(about_.Visible()) << "a link leaves the window open";
}

TEST_F(AboutWindow, PointerOverEachLinkLabelIsItsOwnPicture) {
  for (const auto& [control, picture, hotSpot] : {
           std::tuple{WebAddress, "PointerLink.ico", POINT{5, 0}},
           std::tuple{MailLink, "PointerMail.ico", POINT{0, 0}},
       }) {
    SCOPED_TRACE(picture);
    const POINT point = PointIn(about_.Child(control));
    ASSERT_TRUE(SetCursorPos(point.x, point.y));
    // Wine's drive Z: is the host's root.
    const fs::path icon = L"Z:" + Widen(ILVORANDE_SOURCE_DIR "/resources/") + Widen(picture);
    EXPECT_TRUE(WaitUntil([&] { return PointerShows(icon, hotSpot); }));
  }
}

}  // namespace
}  // namespace ilvorande::e2e
