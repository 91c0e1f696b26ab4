// What a screen reader and a high-contrast theme get from the windows'
// design: the order in which the controls are made, which is the order of
// Tab, of reading and of names, and where each colour comes from.
#include <gtest/gtest.h>

#include "core/helpabout/AboutLayout.h"
#include "core/mainwindow/MainLayout.h"

namespace ilvorande::testing {
namespace {

// The ids of the layout's controls in the order they are made, as expected.
template <typename Control>
void ExpectCreationOrder(const WindowLayout& layout, std::initializer_list<Control> expected) {
  std::vector<int> made, ids;
  for (const ControlLayout* control : layout.InCreationOrder()) made.push_back(control->id);
  for (const Control control : expected) ids.push_back(static_cast<int>(control));
  EXPECT_EQ(made, ids);
}

// A caption right before the box that it names; focusable controls in tab order.
TEST(CreationOrder, PutsEachCaptionRightBeforeWhatItNames) {
  using enum MainControl;
  ExpectCreationOrder(
      MainLayout, {ModeButton(0), QuitButton,    ModeInForceCaption, ModeInForce,   RestoreButton,
                   ModeButton(1), ModeButton(2), ModeButton(3),      ModeButton(4), ModeButton(5),
                   ModeButton(6), HelpButton,    AboutButton,        ModeButton(7), WidthCaption,
                   WidthBox,      TimesSign,     HeightCaption,      HeightBox,     ModeButton(8),
                   ModeButton(9), ShortcutOption});
  using enum AboutControl;
  ExpectCreationOrder(AboutLayout,
                      {Title, Version, Picture, BackButton, Statement, WebAddress, MailLink});
}

TEST(Ink, HighContrastTakesEveryColourFromTheSystem) {
  using enum TextColour;
  // clang-format off
  const std::tuple<TextColour, bool, Ink> cases[] = {
      {System, false, SystemColour::WindowText}, {Purple, false, Rgb{128, 0, 128}}, {Blue, false, Rgb{0, 0, 255}},
      {System, true, SystemColour::WindowText}, {Purple, true, SystemColour::WindowText}, {Blue, true, SystemColour::HotLight}};
  // clang-format on
  for (const auto& [colour, highContrast, ink] : cases) {
    EXPECT_TRUE(InkFor(colour, highContrast) == ink) << int(colour) << ' ' << highContrast;
  }
}

}  // namespace
}  // namespace ilvorande::testing
