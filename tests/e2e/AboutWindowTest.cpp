// The About window: opened modal from "A Propos", its layout and version
// line, the three ways to close it, its links and their pointer pictures.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "driver/Input.h"
#include "driver/LinkRecorder.h"
#include "driver/PointerImage.h"
#include "driver/ProgramTest.h"
#include "driver/Screen.h"
#include "driver/TempFolder.h"
#include "driver/Text.h"
#include "driver/UnixCommand.h"
#include "helpabout/AboutLayout.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {
namespace {

const std::wstring kVersionLine = L" V3.1";
const std::string kWebAddress = "http://ilvorande.example/";
constexpr int kIconSize = 32;

std::string MailAddressFor(const std::string& exeBaseName) {
  return "mailto:auteur@ilvorande.example?subject=" + exeBaseName + " V3.1.0";
}

// Wine hands the mail program its blanks as %20; nothing else may differ.
bool IsMailFor(const std::string& recorded, const std::string& exeBaseName) {
  const std::string plain = MailAddressFor(exeBaseName);
  std::string encoded;
  for (const char c : plain) encoded += c == ' ' ? std::string("%20") : std::string(1, c);
  return recorded == plain || recorded == encoded;
}

std::filesystem::path SourceFile(const char* relative) {
  return WindowsPathOf(std::string(ILVORANDE_SOURCE_DIR) + "/" + relative);
}

// The picture on the screen is the program's icon, drawn unscaled.
void ExpectShowsProgramIcon(const Window& control) {
  const HICON icon =
      static_cast<HICON>(LoadImageW(nullptr, SourceFile("resources/Ilvorande.ico").c_str(),
                                    IMAGE_ICON, kIconSize, kIconSize, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr) << "cannot read Ilvorande.ico";
  double mismatch = 1;
  WaitUntil([&] {
    const Picture shown = Picture::FromScreen(control.ScreenRect());
    if (shown.Empty() || shown.Width() != kIconSize || shown.Height() != kIconSize) return false;
    // The icon's top rows are clear: the corner shows the background.
    mismatch = Mismatch(shown, DrawIcon(icon, kIconSize, kIconSize, shown.At(0, 0)));
    return mismatch < 0.02;
  });
  DestroyIcon(icon);
  EXPECT_LT(mismatch, 0.02) << "the picture is not the program's icon";
}

class AboutWindow : public MainWindowTest {
 protected:
  // Presses "A Propos" and returns the About window once shown.
  Window OpenAbout() {
    if (!Control(IdCommand2).Click()) return Window();
    return program().WaitForWindow(Widen(AboutWindowClassName), kTimeout);
  }

  static void ClickExposed(const Window& control) {
    const auto point = ExposedPoint(control);
    ASSERT_TRUE(point.has_value()) << "control " << control.Id() << " is hidden";
    ASSERT_TRUE(ClickAt(*point));
  }
};

TEST_F(AboutWindow, OpensModalOverTheMainWindowWithEveryControlInPlace) {
  const Window about = OpenAbout();
  ASSERT_TRUE(about.Exists()) << "the About window did not show";
  EXPECT_EQ(about.Text(), Widen(AboutWindowCaption));

  ExpectFixedFrame(about);
  // No taskbar button: owned by the main window, never an app window.
  EXPECT_EQ(GetWindow(about.Handle(), GW_OWNER), main_.Handle());
  EXPECT_EQ(about.ExStyle() & WS_EX_APPWINDOW, 0);
  EXPECT_FALSE(main_.IsEnabled()) << "the main window must take no input meanwhile";

  const UINT dpi = about.Dpi();
  const SIZE client = about.ClientSize();
  EXPECT_EQ(client.cx, Px(AboutClientWidthTwips, dpi));
  EXPECT_EQ(client.cy, Px(AboutClientHeightTwips, dpi));
  EXPECT_TRUE(CentredIn(about.ScreenRect(), main_.ScreenRect())) << "centred on the main window";

  for (const AboutControlLayout& row : AboutControls) {
    SCOPED_TRACE(::testing::Message() << "control " << row.id << " \"" << row.caption << "\"");
    const Window control = about.Child(row.id);
    if (!control.Exists()) {
      ADD_FAILURE() << "missing";
      continue;
    }
    EXPECT_TRUE(control.IsVisible());
    const RECT rect = control.RectInParent();
    EXPECT_EQ(rect.left, Px(row.left, dpi));
    EXPECT_EQ(rect.top, Px(row.top, dpi));
    const LONG_PTR type = control.Style() & SS_TYPEMASK;
    switch (row.kind) {
      case AboutKind::Picture:
        EXPECT_TRUE(control.HasClass(L"Static"));
        EXPECT_EQ(type, SS_ICON);
        // Unscaled: the control takes the icon's own size.
        EXPECT_EQ(rect.right - rect.left, kIconSize);
        EXPECT_EQ(rect.bottom - rect.top, kIconSize);
        ExpectShowsProgramIcon(control);
        break;
      case AboutKind::Button: {
        EXPECT_TRUE(control.HasClass(L"Button"));
        const LONG_PTR buttonType = control.Style() & BS_TYPEMASK;
        EXPECT_TRUE(buttonType == BS_PUSHBUTTON || buttonType == BS_DEFPUSHBUTTON) << buttonType;
        EXPECT_EQ(control.Text(), Widen(row.caption));
        EXPECT_EQ(rect.right - rect.left, Px(row.width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, Px(row.height, dpi));
        break;
      }
      case AboutKind::Label:
        EXPECT_TRUE(control.HasClass(L"Static"));
        if (row.centred)
          EXPECT_EQ(type, SS_CENTER);
        else
          EXPECT_TRUE(type == SS_LEFT || type == SS_LEFTNOWORDWRAP) << type;
        // The version line is the running program's own, never the design's.
        EXPECT_EQ(control.Text(), row.id == AboutLabel1Id(3) ? kVersionLine : Widen(row.caption));
        if (!row.autoSize) {
          EXPECT_EQ(rect.right - rect.left, Px(row.width, dpi));
          EXPECT_EQ(rect.bottom - rect.top, Px(row.height, dpi));
        }
        break;
    }
  }
}

TEST_F(AboutWindow, ClosesByRetourByItsCloseBoxAndByAltRAndLoadsAnewEachTime) {
  struct Case {
    const char* how;
    std::function<bool(const Window& about)> close;
  };
  const Case cases[] = {
      {"&Retour", [](const Window& about) { return about.Child(AboutIdCommand2).Click(); }},
      {"close box", [](const Window& about) { return about.PostClose(); }},
      {"Alt+R",
       [](const Window& about) {
         // Keys go to the active window.
         return WaitUntil([&] { return GetForegroundWindow() == about.Handle(); }) &&
                PressAltWith('r');
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    const Window about = OpenAbout();
    ASSERT_TRUE(about.Exists()) << "the About window did not show";
    EXPECT_EQ(about.Child(AboutLabel1Id(3)).Text(), kVersionLine);
    EXPECT_FALSE(main_.IsEnabled());

    ASSERT_TRUE(c.close(about));
    EXPECT_TRUE(WaitUntil([&] { return !about.Exists(); })) << "the About window stays";
    EXPECT_TRUE(WaitUntil([&] { return main_.IsEnabled(); })) << "the main window stays disabled";
    ASSERT_TRUE(program().IsRunning());
    EXPECT_TRUE(main_.IsVisible());
  }
}

TEST_F(AboutWindow, PictureAddressAndMailLabelOpenTheirLinksAndNothingElseDoes) {
  const LinkRecorder recorder;
  ASSERT_TRUE(recorder.Ready()) << recorder.Error();
  const Window about = OpenAbout();
  ASSERT_TRUE(about.Exists()) << "the About window did not show";

  // Before the links, so that anything they opened would be recorded first.
  for (const int id : {AboutLabel1Id(0), AboutLabel1Id(3), AboutLabel1Id(1)}) {
    SCOPED_TRACE(::testing::Message() << "label " << id);
    ASSERT_NO_FATAL_FAILURE(ClickExposed(about.Child(id)));
  }

  const int links[] = {AboutIdImage1, AboutLabel1Id(2), AboutIdLabel2};
  std::vector<std::string> opened;
  for (size_t i = 0; i < std::size(links); ++i) {
    SCOPED_TRACE(::testing::Message() << "control " << links[i]);
    ASSERT_NO_FATAL_FAILURE(ClickExposed(about.Child(links[i])));
    opened = recorder.WaitForAddresses(i + 1);
    ASSERT_GE(opened.size(), i + 1) << "nothing was opened";
  }
  // The mail address comes last: once it is there, all must be there.
  WaitUntil([&] {
    opened = recorder.Addresses();
    return !opened.empty() && IsMailFor(opened.back(), "Ilvorande");
  });
  EXPECT_TRUE(opened.size() == 3 && opened[0] == kWebAddress && opened[1] == kWebAddress &&
              IsMailFor(opened[2], "Ilvorande"))
      << "opened " << ::testing::PrintToString(opened)
      << "; expected the web address for the picture, again for the address, then the mail";
  // A link leaves the window as it was.
  EXPECT_TRUE(about.IsVisible());
  EXPECT_FALSE(main_.IsEnabled());
}

TEST_F(AboutWindow, MailSubjectNamesTheExecutableAsItIsCalled) {
  KillProcessesNamed(L"Ecran.exe");
  const TempFolder folder;
  ASSERT_TRUE(folder.Created());
  const std::filesystem::path copy = folder.Path() / L"Ecran.exe";
  std::error_code failure;
  std::filesystem::copy_file(Program::DefaultExecutable(), copy, failure);
  ASSERT_FALSE(failure) << failure.message();

  const LinkRecorder recorder;
  ASSERT_TRUE(recorder.Ready()) << recorder.Error();
  // Only the renamed copy runs, so that its windows are the ones on top.
  ASSERT_NO_FATAL_FAILURE(LaunchMain({}, copy));
  const Window about = OpenAbout();
  ASSERT_TRUE(about.Exists()) << "the About window did not show";
  ASSERT_NO_FATAL_FAILURE(ClickExposed(about.Child(AboutIdLabel2)));
  const auto opened = recorder.WaitForAddresses(1);
  program().Terminate();  // before its folder goes
  ASSERT_EQ(opened.size(), 1u) << "nothing was opened";
  EXPECT_TRUE(IsMailFor(opened[0], "Ecran")) << opened[0];
}

TEST_F(AboutWindow, PointerTakesEachLinkLabelsOwnPicture) {
  std::string why;
  const auto linkPicture = ReadIconFile(SourceFile("resources/PointerLink.ico"), &why);
  ASSERT_TRUE(linkPicture.has_value()) << why;
  const auto mailPicture = ReadIconFile(SourceFile("resources/PointerMail.ico"), &why);
  ASSERT_TRUE(mailPicture.has_value()) << why;
  const Window about = OpenAbout();
  ASSERT_TRUE(about.Exists()) << "the About window did not show";

  struct Case {
    int id;
    const PointerImage* picture;  // none: any pointer but the two link pictures
    POINT hotSpot;
  };
  // Each label after one with another pointer, so that every case sees a change.
  const Case cases[] = {
      {AboutLabel1Id(2), &*linkPicture, {5, 0}},
      {AboutLabel1Id(0), nullptr, {}},
      {AboutIdLabel2, &*mailPicture, {0, 0}},
      {AboutLabel1Id(1), nullptr, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "over control " << c.id);
    const auto point = ExposedPoint(about.Child(c.id));
    ASSERT_TRUE(point.has_value()) << "the control is hidden";
    ASSERT_TRUE(MovePointerTo(*point));

    std::string state = "no pointer read";
    const bool shown = WaitUntil([&] {
      const auto image = ShownPointer(&state);
      if (!image) return false;
      std::string difference;
      if (c.picture == nullptr) {
        const bool isLink = SamePicture(*image, *linkPicture) || SamePicture(*image, *mailPicture);
        state = isLink ? "a link picture" : "";
        return !isLink;
      }
      if (!SamePicture(*image, *c.picture, &difference)) {
        state = "another picture: " + difference;
        return false;
      }
      if (image->hotSpot.x != c.hotSpot.x || image->hotSpot.y != c.hotSpot.y) {
        state =
            "hot spot " + std::to_string(image->hotSpot.x) + "," + std::to_string(image->hotSpot.y);
        return false;
      }
      return true;
    });
    EXPECT_TRUE(shown) << state;
    // Win32 agrees that a pointer shows, where it was put.
    CURSORINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetCursorInfo(&info));
    EXPECT_NE(info.flags & CURSOR_SHOWING, 0u);
    EXPECT_EQ(info.ptScreenPos.x, point->x);
    EXPECT_EQ(info.ptScreenPos.y, point->y);
  }
}

}  // namespace
}  // namespace ilvorande::e2e
