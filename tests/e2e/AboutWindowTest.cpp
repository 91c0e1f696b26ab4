// The About window: modal over the main window, its controls in place and
// their fonts as drawn, the ways to close it, its links and their pointers.
#include <fstream>
#include <sstream>

#include "core/helpabout/AboutControlIds.h"
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum AboutControl;

// Stands in for the browser and the mailer that Wine's winebrowser runs for
// http: and mailto: addresses: a script of ours writes down each address.
class LinkRecorder {
 public:
  LinkRecorder() {
    std::ofstream(script_, std::ios::binary)
        << "printf '%s\\n' \"$1\" >> " << ShellQuoted(UnixPath(record_)) << "\n";
    const std::wstring command = L"/bin/sh " + Widen(UnixPath(script_));
    for (const wchar_t* name : {L"Browsers", L"Mailers"})
      RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_SZ, command.c_str(),
                      static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
  }
  ~LinkRecorder() {
    for (const wchar_t* name : {L"Browsers", L"Mailers"})
      RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, name);
    DeleteFileW(script_.c_str());
    DeleteFileW(record_.c_str());
  }
  LinkRecorder(const LinkRecorder&) = delete;
  LinkRecorder& operator=(const LinkRecorder&) = delete;

  // Waits for that many whole lines; Wine writes a blank as %20, put back here.
  std::vector<std::string> WaitFor(size_t count) const {
    std::vector<std::string> addresses;
    WaitUntil([&] {
      const std::string text = ReadBytes(record_);
      std::istringstream lines(text);
      addresses.clear();
      for (std::string line; std::getline(lines, line); addresses.push_back(line))
        for (size_t at; (at = line.find("%20")) != std::string::npos;) line.replace(at, 3, " ");
      return addresses.size() >= count && text.ends_with('\n');
    });
    return addresses;
  }

 private:
  static fs::path Temp(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return fs::path(folder) / name;
  }
  static constexpr const wchar_t* kKey = L"Software\\Wine\\WineBrowser";
  const fs::path script_ = Temp(L"record-link.sh"), record_ = Temp(L"links.txt");
};

class AboutWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(Launch());
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_EQ(about_.Dpi(), 96u) << "the places below are pixels at 96 dpi";
  }

  void Open() {
    ASSERT_TRUE(Control(MainControl::AboutButton).Click());
    about_ = program_->WaitForWindow(AboutWindowClassName);
    ASSERT_TRUE(about_.Exists()) << "the About window did not show";
  }

  Window about_;
};

TEST_F(AboutWindow, OpensModalWithEveryControlInPlace) {
  EXPECT_EQ(about_.Text(), L"A Propos...");
  EXPECT_EQ(about_.ClientSize(), (Size{428, 475}));
  ExpectFixedFrame(about_);
  EXPECT_FALSE(main_.Enabled()) << "the main window takes no input meanwhile";
  struct Expected {
    AboutControl id;
    const char* kind;
    std::wstring text;
    Place place;  // twips / 15; no size for the label that fits its text
  };
  const Expected controls[] = {
      {Title, "Static", L"Ilvorande", {8, 40, 409, 57}},
      {Version, "Static", L" V3.1", {97, 137, 228, 29}},
      {Picture, "Static", L"", {194, 175, 32, 32}},  // the icon's own size: unscaled
      {WebAddress, "Static", L"http://ilvorande.example", {3, 248, 429, 92}},
      {Statement,
       "Static",
       L"Aucun droit particulier n'est réservé : ce programme peut circuler librement et "
       L"gratuitement !",
       {8, 292, 409, 58}},
      {MailLink, "Static", L"Envoyer un coucou à l'auteur...", {108, 370}},
      {BackButton, "Button", L"&Retour", {120, 399, 174, 48}},
  };
  for (const Expected& expected : controls) {
    SCOPED_TRACE(Narrow(expected.text));
    const Window control = about_.Child(expected.id);
    EXPECT_STRCASEEQ(control.ClassName().c_str(), expected.kind);
    EXPECT_EQ(control.Text(), expected.text);
    EXPECT_TRUE(control.Visible());
    Place place = control.PlaceInParent();
    if (expected.place[2] == 0) place[2] = place[3] = 0;
    EXPECT_EQ(place, expected.place);
  }
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
    SCOPED_TRACE(Narrow(text));
    const RECT rect = control.ScreenRect();
    const auto drawn = [&](double points) {
      const Font font{label.font.face, points, label.font.underline};
      const Size size{rect.right - rect.left, rect.bottom - rect.top};
      const UINT format = label.format | DT_WORDBREAK | DT_NOPREFIX;
      return InkBounds(Render(text, font, about_.Dpi(), size, label.ink, format), label.ink);
    };
    const Place expected = drawn(label.font.points), other = drawn(label.otherPoints);
    ASSERT_NE(expected, other) << "the sizes cannot be told apart";
    Place shown;
    EXPECT_TRUE(WaitUntil([&] {
      return (shown = InkBounds(Capture(rect), label.ink)) == expected;
    })) << ::testing::PrintToString(shown)
        << ", " << label.otherPoints << " pt draws " << ::testing::PrintToString(other);
  }
}

TEST_F(AboutWindow, RetourItsCloseBoxAndAltRCloseIt) {
  const std::pair<const char*, std::function<bool()>> closers[] = {
      {"&Retour", [&] { return about_.Child(BackButton).Click(); }},
      {"close box", [&] { return about_.CloseBox(); }},
      {"Alt+R",
       [&] {
         return BringToFront(about_) && PressKeys({VK_MENU, 'R'});
       }},
  };
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

TEST_F(AboutWindow, PictureAndLinkLabelsOpenTheBrowserAndTheMailer) {
  const LinkRecorder recorder;
  const std::pair<AboutControl, std::string> links[] = {
      {Picture, "http://ilvorande.example/"},
      {WebAddress, "http://ilvorande.example/"},
      {MailLink, "mailto:auteur@ilvorande.example?subject=Ilvorande V3.1.0"},
  };
  for (size_t clicked = 0; clicked < std::size(links); ++clicked) {
    ASSERT_TRUE(MouseClick(about_.Child(links[clicked].first)));
    const auto opened = recorder.WaitFor(clicked + 1);
    ASSERT_EQ(opened.size(), clicked + 1) << "nothing opened for " << links[clicked].second;
    EXPECT_EQ(opened.back(), links[clicked].second);
  }
  EXPECT_TRUE(about_.Visible()) << "a link leaves the window open";
}

TEST_F(AboutWindow, PointerOverEachLinkLabelIsItsOwnPicture) {
  const struct {
    AboutControl id;
    const char* picture;
    POINT hotSpot;
  } labels[] = {{WebAddress, "PointerLink.ico", {5, 0}}, {MailLink, "PointerMail.ico", {0, 0}}};
  for (const auto& label : labels) {
    SCOPED_TRACE(label.picture);
    const auto point = ExposedPoint(about_.Child(label.id));
    ASSERT_TRUE(point && SetCursorPos(point->x, point->y));
    // Wine's drive Z: is the host's root.
    const fs::path icon = L"Z:" + Widen(ILVORANDE_SOURCE_DIR "/resources/") + Widen(label.picture);
    std::optional<Pointer> shown;
    EXPECT_TRUE(WaitUntil([&] {
      return (shown = ShownPointer()) && ShowsIcon(*shown, icon) &&
             shown->hotSpot.x == label.hotSpot.x && shown->hotSpot.y == label.hotSpot.y;
    })) << "another pointer; hot spot "
        << (shown ? shown->hotSpot.x : -1) << "," << (shown ? shown->hotSpot.y : -1);
  }
}

}  // namespace
}  // namespace ilvorande::e2e
