// The main window on two screens: the chooser, a screen switched and
// restored on its own, and a screen that goes and comes back while the
// window shows; the texts that follow a choice are under tests/unit. Run on
// the two-screen display.
#include <shlobj.h>

#include "driver/Screens.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;
using ScreenSizes = std::map<std::string, Size>;

const Size OneScreenClient{260, 491};
// Where "1600 x 1200" stands in the one-screen window.
constexpr int FirstPresetTop = 71;
// The chooser's row: 420 twips at 96 dpi.
constexpr int ScreenRow = 28;

class TwoScreensWindow : public TwoScreensTest {
 protected:
  void Launch(std::wstring_view arguments = {}) {
    program_.emplace(arguments);
    main_ = program_->WaitForWindow(MainWindowClassName);
    ASSERT_TRUE(main_.Exists()) << "the main window did not show";
  }

  Window Control(MainControl id) const { return main_.Child(id); }

  std::vector<std::wstring> Entries() const {
    std::vector<std::wstring> entries;
    const Window chooser = Control(ScreenChooser);
    const auto count = chooser.Send(CB_GETCOUNT).value_or(0);
    for (LRESULT entry = 0; entry < count; ++entry) {
      wchar_t text[64] = {};
      chooser.Send(CB_GETLBTEXT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(text));
      entries.emplace_back(text);
    }
    return entries;
  }

  // As a user chooses from the keyboard: Tab to the list, then an arrow key.
  void Choose(int entry) {
    const Window chooser = Control(ScreenChooser);
    ASSERT_TRUE(TabTo(main_, chooser));
    ASSERT_TRUE(PressKeys(main_, {static_cast<WORD>(entry == 0 ? VK_UP : VK_DOWN)}));
    ASSERT_TRUE(WaitUntil([&] { return chooser.Send(CB_GETCURSEL) == entry; }));
  }

  void ExpectScreens(Size first, Size second) {
    EXPECT_TRUE(WaitUntil([&] {
      return XrandrScreenSizes() == ScreenSizes{{"DUMMY0", first}, {"DUMMY1", second}};
    })) << "DUMMY0 "
        << XrandrScreenSizes()["DUMMY0"] << ", DUMMY1 " << XrandrScreenSizes()["DUMMY1"];
  }

  Size Client() const {
    RECT rect{};
    GetClientRect(main_.handle, &rect);
    return {rect.right, rect.bottom};
  }

  int TopOf(MainControl id) const {
    RECT rect = Control(id).ScreenRect();
    MapWindowPoints(HWND_DESKTOP, main_.handle, reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
  }

  Window main_;
};

TEST_F(TwoScreensWindow, ChooserComesFirstAndEveryButtonActsOnTheChosenScreenAlone) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const HWND first = GetWindow(main_.handle, GW_CHILD);
  EXPECT_EQ(first, Control(ScreenChooserCaption).handle) << "the caption first, then the list";
  EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), Control(ScreenChooser).handle);
  // Windows names the list after that caption; Wine 8's oleacc reads its entry.
  EXPECT_EQ(Entries(), (std::vector<std::wstring>{L"Écran 1 : 1600 x 1200 (principal)",
                                                  L"Écran 2 : 1024 x 768"}));
  EXPECT_EQ(Control(ScreenChooser).Send(CB_GETCURSEL), 0);
  EXPECT_EQ(Client(), (Size{OneScreenClient.width, OneScreenClient.height + ScreenRow}));

  ASSERT_NO_FATAL_FAILURE(Choose(1));
  EXPECT_TRUE(WaitUntil([&] { return Control(ModeInForce).Text() == L"1024 X 768"; }));

  ASSERT_TRUE(Control(ModeButton(5)).Click());
  ExpectScreens({1600, 1200}, {800, 600});
  EXPECT_TRUE(WaitUntil([&] {
    return Control(RestoreButton).Text() == L"Restaurer à 1024 x 768" &&
           Entries().back() == L"Écran 2 : 800 x 600";
  }));
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  ExpectScreens({1600, 1200}, {1024, 768});
}

TEST_F(TwoScreensWindow, ScreenGoneWhileChosenLeavesTheOneScreenWindowAndComesBackWithItsMode) {
  ASSERT_NO_FATAL_FAILURE(Launch(L"/5@2"));
  ExpectScreens({1600, 1200}, {800, 600});
  EXPECT_TRUE(WaitUntil([&] { return Control(ScreenChooser).Send(CB_GETCURSEL) == 1; }))
      << "the screen the command line switched is the one chosen";
  EXPECT_EQ(TopOf(ModeButton(0)), FirstPresetTop + ScreenRow);

  ASSERT_TRUE(DetachSecondScreen());
  EXPECT_TRUE(WaitUntil([&] {
    return !Control(ScreenChooser).Exists() && Client() == OneScreenClient;
  })) << "the chooser stays";
  EXPECT_FALSE(Control(ScreenChooserCaption).Exists());
  EXPECT_EQ(TopOf(ModeButton(0)), FirstPresetTop);
  EXPECT_EQ(GetWindow(main_.handle, GW_CHILD), Control(ModeButton(0)).handle);

  ASSERT_TRUE(AttachSecondScreen());
  EXPECT_TRUE(WaitUntil([&] {
    return Entries().size() == 2 &&
           Client() == Size{OneScreenClient.width, OneScreenClient.height + ScreenRow};
  })) << "no chooser again";
  EXPECT_EQ(GetWindow(main_.handle, GW_CHILD), Control(ScreenChooserCaption).handle)
      << "made again among the others, first in reading order";
  ASSERT_NO_FATAL_FAILURE(Choose(1));
  EXPECT_TRUE(WaitUntil([&] { return Control(RestoreButton).Text() == L"Restaurer à 1024 x 768"; }))
      << "the mode saved for screen 2 in this run";
}

// The link switches screen 2 as "/4@2F" would, from a double-click.
TEST_F(TwoScreensWindow, LinkMadeForScreenTwoSwitchesItAndEndsUnseen) {
  wchar_t desktop[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  const fs::path link = fs::path(desktop) / L"Ilvorande en 800 x 600 sur l'écran 2.lnk";
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_NO_FATAL_FAILURE(Choose(1));
  ASSERT_TRUE(Control(ShortcutOption).Send(BM_CLICK).has_value());
  ASSERT_TRUE(Control(ModeButton(5)).Send(BM_CLICK).has_value());
  ASSERT_TRUE(fs::exists(link)) << "no link for screen 2";
  program_.reset();
  const Program opener(L"/unix \"" + Widen(UnixPath(link)) + L"\"",
                       L"C:\\windows\\system32\\start.exe");
  ExpectScreens({1600, 1200}, {800, 600});
  EXPECT_TRUE(WaitUntil([] { return ProcessesNamed(L"Ilvorande.exe").empty(); }));
  for (const auto& file : fs::directory_iterator(desktop)) {
    if (file.path().filename().wstring().starts_with(L"Ilvorande en ")) fs::remove(file);
  }
}

}  // namespace
}  // namespace ilvorande::e2e
