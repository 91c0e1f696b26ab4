// How a message box is asked for and how its answer is read.
#include <gtest/gtest.h>
#include <windows.h>

#include "SystemCalls.h"
#include "win32/toolkit/Win32Toolkit.h"

namespace ilvorande::win32test {
namespace {

TEST(Toolkit, MessageBoxTakesTheStyleAsItIsAndOnlyYesReadsAsYes) {
  const struct {
    MessageStyle style;
    int pressed;
    MessageAnswer answer;
    unsigned styleSent;
  } cases[] = {
      {MessageStyle::YesNoSystemModal, IDYES, MessageAnswer::Yes, 0x1004},
      {MessageStyle::YesNoSystemModal, IDNO, MessageAnswer::Other, 0x1004},
      {MessageStyle::OkWithStopIcon, IDOK, MessageAnswer::Other, 0x10},
      {MessageStyle::OkWithInformationIcon, IDCANCEL, MessageAnswer::Other, 0x40},
      {MessageStyle::OkWithInformationIcon, 0 /* the box failed */, MessageAnswer::Other, 0x40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pressed);
    ForgetCalls();
    pressedButton = c.pressed;
    EXPECT_EQ(Win32Toolkit().ShowMessage("Désolé, c'est parti ???", c.style, "Info"), c.answer);
    EXPECT_EQ(calls, std::vector{Printed("MessageBoxW(\"Désolé, c'est parti ???\", \"Info\", %#x)",
                                         c.styleSent)});
  }
}

}  // namespace
}  // namespace ilvorande::win32test
