// Both windows' layouts made into real windows by the window skeleton: a
// control's place at twips x dpi / 1440 and its font, at 96 dpi as created
// and at 144 once the window is told that its dpi changed; the chooser's row
// that comes and goes.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "core/helpabout/AboutLayout.h"
#include "core/mainwindow/MainLayout.h"
#include "win32/mainwindow/MainWindowLook.h"
#include "win32/toolkit/LayoutWindow.h"

namespace ilvorande::win32test {
namespace {

// The skeleton alone, created at the system's scale (96 dpi under the tests' Wine).
class BareWindow : public LayoutWindow {
 public:
  BareWindow(const WindowLook& look, const WindowLayout& layout)
      : LayoutWindow(GetModuleHandleW(nullptr), look, layout) {
    const SIZE outer = OuterSize(DpiScale());
    CreateWindowAt(nullptr, {0, 0, outer.cx, outer.cy});
  }
  using LayoutWindow::ChangeLayout;
  using LayoutWindow::Window;
};

constexpr WindowLook AboutLook{"LayoutTestAbout", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                               WS_EX_DLGMODALFRAME, ControlStyles{BS_PUSHBUTTON, SS_NOTIFY}};

using Place = std::array<LONG, 4>;  // left, top, width, height
// A font's pixels high at 96 and 144 dpi. A label that takes its text's size (too narrow for
// Wine's fonts away from 96 dpi) has no width or height here; a picture has no font.
// clang-format off
struct Font { const wchar_t* face; LONG at96, at144; bool underline = false; };
const Font Sans{L"MS Sans Serif", 11, 17}, BigSans{L"MS Sans Serif", 18, 27}, BigComic{L"Comic Sans MS", 27, 41},
    Arial{L"Arial", 19, 29, true}, SmallArial{L"Arial", 16, 24, true};
struct Expected { int id; Place at96, at144; const Font* font; };
// clang-format on

Place PlaceOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::array<LONG, 2> Client(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

// A few rows of each kind: each one's twips and font are under tests/unit.
TEST(Layout, BothWindowsControlsStandInTheirPlacesAndFontsAtEachScale) {
  using enum MainControl;
  using enum AboutControl;
  // clang-format off
  const struct { const WindowLook& look; const WindowLayout& layout; std::array<LONG, 2> client; std::vector<Expected> controls; } windows[] = {
      {MainLook, MainLayout, {260, 491}, {
           {int(ShortcutOption), {12, 2, 231, 31}, {18, 3, 347, 47}, &Sans},
           {int(WidthCaption), {29, 30, 36, 16}, {44, 45, 54, 24}, &Sans},
           {int(HeightCaption), {120, 30, 36, 17}, {180, 45}, &Sans},
           {int(WidthBox), {12, 46, 69, 21}, {18, 69, 104, 32}, &Sans},
           {int(TimesSign), {86, 44, 16, 27}, {129, 66, 24, 41}, &BigSans},
           {int(ModeButton(0)), {12, 71, 230, 27}, {18, 107, 345, 40}, &Sans},
           {int(ModeInForce), {106, 330}, {159, 495}, &Sans},
           {int(QuitButton), {12, 421, 230, 57}, {18, 632, 345, 86}, &Sans}}},
      {AboutLook, AboutLayout, {428, 475}, {
           {int(Title), {8, 40, 409, 57}, {12, 60, 614, 86}, &BigComic},
           {int(Picture), {194, 175}, {291, 263}, nullptr},
           {int(WebAddress), {3, 248, 429, 92}, {5, 372, 644, 138}, &Arial},
           {int(MailLink), {108, 370}, {162, 555}, &SmallArial}}},
  };
  // clang-format on
  for (const auto& w : windows) {
    SCOPED_TRACE(w.layout.caption.data());
    BareWindow window(w.look, w.layout);
    EXPECT_EQ(Client(window.Window()), w.client);
    // A fixed frame: no sizing border, no maximise box.
    EXPECT_EQ(GetWindowLongPtrW(window.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    for (const bool at96 : {true, false}) {
      if (!at96) {  // as the system tells a window moved to a monitor of another dpi
        RECT frame{};
        GetWindowRect(window.Window(), &frame);
        SendMessageW(window.Window(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                     reinterpret_cast<LPARAM>(&frame));
      }
      for (const Expected& expected : w.controls) {
        SCOPED_TRACE(::testing::Message()
                     << "control " << expected.id << (at96 ? " at 96" : " at 144"));
        const HWND control = GetDlgItem(window.Window(), expected.id);
        Place place = PlaceOf(control);
        const Place wanted = at96 ? expected.at96 : expected.at144;
        if (wanted[2] == 0) place[2] = place[3] = 0;
        EXPECT_EQ(place, wanted);
        if (expected.font == nullptr) continue;
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_EQ(std::tuple(std::wstring(font.lfFaceName), -font.lfHeight, font.lfUnderline != 0),
                  std::tuple(std::wstring(expected.font->face),
                             at96 ? expected.font->at96 : expected.font->at144,
                             expected.font->underline));
      }
    }
  }
}

// The row comes first in reading order and pushes the rest 28 pixels down;
// gone, it leaves the window as it was.
TEST(Layout, TheChoosersRowComesAndGoesWithTheWindowsHeight) {
  using enum MainControl;
  BareWindow main(MainLook, MainLayout);
  main.ChangeLayout(MainLayoutWithScreens);
  EXPECT_EQ(Client(main.Window()), (std::array<LONG, 2>{260, 519}));
  const HWND first = GetWindow(main.Window(), GW_CHILD);
  EXPECT_EQ(GetDlgCtrlID(first), int(ScreenChooserCaption));
  EXPECT_EQ(GetDlgCtrlID(GetWindow(first, GW_HWNDNEXT)), int(ScreenChooser));
  EXPECT_EQ(PlaceOf(first), (Place{12, 6, 36, 13}));
  EXPECT_EQ(PlaceOf(GetDlgItem(main.Window(), int(ScreenChooser)))[0], 49);
  EXPECT_EQ(PlaceOf(GetDlgItem(main.Window(), int(ModeButton(0)))), (Place{12, 99, 230, 27}));
  main.ChangeLayout(MainLayout);
  EXPECT_EQ(Client(main.Window()), (std::array<LONG, 2>{260, 491}));
  EXPECT_EQ(GetDlgItem(main.Window(), int(ScreenChooser)), nullptr);
  EXPECT_EQ(GetWindow(main.Window(), GW_CHILD), GetDlgItem(main.Window(), int(ModeButton(0))));
  EXPECT_EQ(PlaceOf(GetDlgItem(main.Window(), int(ModeButton(0)))), (Place{12, 71, 230, 27}));
}

}  // namespace
}  // namespace ilvorande::win32test
