#include <gtest/gtest.h>

#include "tests/fakes/FormHarness.h"

namespace ilvorande::testing {
namespace {

TEST(FormLoad, ShowsTheModeInForceAndKeepsEveryCaptionAsTag) {
  FormHarness h;
  h.screen.width = 1280;
  h.screen.height = 1024;
  h.form.Form_Load();

  EXPECT_EQ(h.Caption(IdLabel1), "1280 X 1024");
  EXPECT_EQ(h.Caption(IdText1), "1280");
  EXPECT_EQ(h.Caption(IdText2), "1024");
  EXPECT_EQ(h.view.pictures, std::vector<int>{IdCommand3});
  EXPECT_TRUE(h.toolkit.messages.empty());
  EXPECT_TRUE(h.display.changes.empty());
  EXPECT_FALSE(h.view.enabled.at(IdCommand5));

  // The tags come back as captions once the box is ticked and cleared.
  h.view.check1Value = 1;
  h.form.Check1_MouseUp();
  h.view.check1Value = 0;
  h.form.Check1_MouseUp();
  for (const auto& control : MainControls) {
    if (control.id < ChangeId(0) || control.id >= ChangeId(ChangeButtonCount)) continue;
    EXPECT_EQ(h.Caption(control.id), std::string(control.caption)) << control.id;
  }
}

TEST(FormLoad, ScreenSizesThatAreNotWholeKeepTheirFraction) {
  FormHarness h;
  struct HalfPixelToolkit : FakeToolkit {
    using FakeToolkit::FakeToolkit;
    ScreenMetrics Screen() override { return {15367.5f, 11520.0f, 15.0f, 15.0f}; }
  };
  HalfPixelToolkit toolkit{h.screen};
  toolkit.decimalSeparator = ",";
  Ilvorande form{h.display, toolkit, h.view, h.shell};
  form.Form_Load();
  EXPECT_EQ(h.Caption(IdLabel1), "1024,5 X 768");
  // Rounded half to even when saved for Restaurer.
  form.Change_Click(4);
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1024 x 768");
}

}  // namespace
}  // namespace ilvorande::testing
