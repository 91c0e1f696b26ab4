// The main window as it first shows: frame, every control of the layout
// table at its place, and the start-up contents.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "driver/Input.h"
#include "driver/MainWindowTexts.h"
#include "driver/ProgramTest.h"
#include "driver/Screen.h"
#include "driver/Text.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {
namespace {

const FontSpec kDefaultFont{L"MS Sans Serif", 8.25};
const FontSpec kLargeFont{L"MS Sans Serif", 13.5};

bool IsFilledAtStartUp(int id) {
  return id == IdText1 || id == IdText2 || id == IdLabel1;
}

void ExpectKind(const Window& control, const ControlLayout& row) {
  const wchar_t* const className = row.kind == ControlKind::Edit    ? L"Edit"
                                   : row.kind == ControlKind::Label ? L"Static"
                                                                    : L"Button";
  EXPECT_TRUE(control.HasClass(className)) << Narrow(control.ClassName());
  const LONG_PTR style = control.Style();
  const LONG_PTR buttonType = style & BS_TYPEMASK;
  const LONG_PTR staticType = style & SS_TYPEMASK;
  switch (row.kind) {
    case ControlKind::Button:
      // A push button, whether Windows or the program draws it.
      EXPECT_TRUE(buttonType == BS_PUSHBUTTON || buttonType == BS_DEFPUSHBUTTON ||
                  buttonType == BS_OWNERDRAW)
          << "button type " << buttonType;
      break;
    case ControlKind::CheckBox:
      EXPECT_EQ(buttonType, BS_AUTOCHECKBOX);
      break;
    case ControlKind::Edit:
      EXPECT_EQ((style & ES_CENTER) != 0, row.centred) << "text centring";
      break;
    case ControlKind::Label:
      EXPECT_TRUE(staticType == SS_LEFT || staticType == SS_LEFTNOWORDWRAP)
          << "static type " << staticType;
      break;
  }
}

class MainWindowLayout : public MainWindowTest {};

TEST_F(MainWindowLayout, WindowHasAFixedFrameAndIsCentredOnTheScreen) {
  EXPECT_EQ(main_.Text(), Widen(MainWindowCaption));
  EXPECT_FALSE(main_.IsMinimised());

  ExpectFixedFrame(main_);
  EXPECT_EQ(main_.Style() & WS_CHILD, 0);

  const UINT dpi = main_.Dpi();
  const SIZE client = main_.ClientSize();
  EXPECT_EQ(client.cx, Px(MainClientWidthTwips, dpi));
  EXPECT_EQ(client.cy, Px(MainClientHeightTwips, dpi));

  // Centred on the whole screen or on its work area, to a pixel.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ASSERT_TRUE(
      GetMonitorInfoW(MonitorFromWindow(main_.Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor));
  const RECT frame = main_.ScreenRect();
  EXPECT_TRUE(CentredIn(frame, monitor.rcMonitor) || CentredIn(frame, monitor.rcWork))
      << "window at " << frame.left << "," << frame.top << "-" << frame.right << "," << frame.bottom
      << " on a screen " << monitor.rcMonitor.right << "x" << monitor.rcMonitor.bottom;
}

TEST_F(MainWindowLayout, EveryControlStandsWhereTheLayoutPutsIt) {
  const UINT dpi = main_.Dpi();
  for (const ControlLayout& row : MainControls) {
    SCOPED_TRACE(::testing::Message() << "control " << row.id << " \"" << row.caption << "\"");
    const Window control = Control(row.id);
    if (!control.Exists()) {
      ADD_FAILURE() << "missing";
      continue;
    }
    ExpectKind(control, row);
    EXPECT_TRUE(control.IsVisible());
    EXPECT_EQ(control.IsEnabled(), !row.initiallyDisabled);
    if (!IsFilledAtStartUp(row.id)) {
      EXPECT_EQ(control.Text(), Widen(row.caption));
    }

    const RECT rect = control.RectInParent();
    EXPECT_EQ(rect.left, Px(row.left, dpi));
    EXPECT_EQ(rect.top, Px(row.top, dpi));
    if (row.autoSize) {
      // Sized to its text: at least as wide as the text in the default font.
      const std::wstring text = control.Text();
      EXPECT_GE(rect.right - rect.left, TextWidth(text, kDefaultFont, dpi) - 1) << Narrow(text);
    } else {
      EXPECT_EQ(rect.right - rect.left, Px(row.width, dpi));
      EXPECT_EQ(rect.bottom - rect.top, Px(row.height, dpi));
    }
  }
}

TEST_F(MainWindowLayout, PointerRestingOnTheCheckboxShowsItsTooltip) {
  const Window checkbox = Control(IdCheck1);
  const auto point = ExposedPoint(checkbox);
  ASSERT_TRUE(point.has_value());
  ASSERT_TRUE(MovePointerTo(*point));
  Window tip;
  EXPECT_TRUE(WaitUntil([&] {
    for (const Window& window : program().TopLevelWindows(TOOLTIPS_CLASSW)) {
      if (window.IsVisible()) tip = window;
    }
    return tip.Exists();
  })) << "no tooltip showed";
  EXPECT_EQ(tip.Text(), Widen(Check1Tooltip));
  MovePointerTo({0, 0});
}

TEST_F(MainWindowLayout, StartsShowingTheCurrentModeWithNothingToRestore) {
  const ScreenSize size = Start();
  EXPECT_EQ(Control(IdText1).Text(), std::to_wstring(size.width));
  EXPECT_EQ(Control(IdText2).Text(), std::to_wstring(size.height));

  const Window label1 = Control(IdLabel1);
  EXPECT_EQ(label1.Text(), ModeLabelText(size));
  // Created 45 twips wide, it grows to fit its text.
  const RECT rect = label1.RectInParent();
  EXPECT_GT(rect.right - rect.left, Px(45, main_.Dpi()));

  const Window restore = Control(IdCommand5);
  EXPECT_FALSE(restore.IsEnabled());
  EXPECT_EQ(restore.Text(), L"Restaurer");
  EXPECT_EQ(Control(IdCheck1).CheckState(), BST_UNCHECKED);
  EXPECT_TRUE(program().MessageDialogs().empty());
}

TEST_F(MainWindowLayout, LabelsShowTheirTextInTheirFont) {
  const UINT dpi = main_.Dpi();
  for (const ControlLayout& row : MainControls) {
    if (row.kind != ControlKind::Label) continue;
    SCOPED_TRACE(::testing::Message() << "label " << row.id << " \"" << row.caption << "\"");
    const Window label = Control(row.id);
    ASSERT_TRUE(label.Exists());
    const FontSpec& font = row.font == FontChoice::Large ? kLargeFont : kDefaultFont;
    const std::wstring text = label.Text();
    // The first line only: the text boxes cover the lower part of Label4.
    const RECT client = label.ClientRectOnScreen();
    RECT band = client;
    band.bottom = std::min<LONG>(band.bottom, band.top + LineHeight(font, dpi));
    // Only the pixels that no other control covers: Check1 reaches down
    // over Label4, and with a font wider than Windows' own the self-sizing
    // Label2 and Label1 overlap.
    const int width = static_cast<int>(band.right - band.left);
    const int height = static_cast<int>(band.bottom - band.top);
    std::vector<bool> uncovered(static_cast<size_t>(width) * height, true);
    for (const ControlLayout& other : MainControls) {
      const RECT rect = Control(other.id).ScreenRect();
      RECT overlap{};
      if (other.id == row.id || !IntersectRect(&overlap, &rect, &band)) continue;
      for (LONG y = overlap.top; y < overlap.bottom; ++y)
        for (LONG x = overlap.left; x < overlap.right; ++x)
          uncovered[static_cast<size_t>(y - band.top) * width + (x - band.left)] = false;
    }
    ASSERT_GT(std::ranges::count(uncovered, true), width * height / 2)
        << "the label is mostly covered";

    double mismatch = 1.0;
    const bool same = WaitUntil([&] {
      const Picture shown = Picture::FromScreen(band);
      if (shown.Empty()) return false;
      const Picture expected =
          DrawLabelText(text, font, dpi, shown.Width(), shown.Height(), shown.CommonestColour());
      mismatch = Mismatch(shown, expected, uncovered);
      return mismatch < 0.02;
    });
    EXPECT_TRUE(same) << Narrow(text) << ": " << mismatch * 100
                      << "% of the pixels differ from the text in " << Narrow(font.face) << " "
                      << font.points << " pt";
  }
}

TEST_F(MainWindowLayout, TabOrderFollowsTheTable) {
  std::vector<ControlLayout> byTab(MainControls.begin(), MainControls.end());
  std::ranges::sort(byTab, {}, &ControlLayout::tabIndex);
  std::vector<int> expected;
  for (const ControlLayout& row : byTab) expected.push_back(row.id);

  std::vector<int> actual;
  for (const Window& child : main_.Children())
    if (std::ranges::find(expected, child.Id()) != expected.end()) actual.push_back(child.Id());
  EXPECT_EQ(actual, expected) << "z-order of the controls, which is the tab order";
}

}  // namespace
}  // namespace ilvorande::e2e
