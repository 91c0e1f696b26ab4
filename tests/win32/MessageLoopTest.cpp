// What the message loop does before a key reaches the window.
#include <gtest/gtest.h>
#include <windows.h>

#include "SystemCalls.h"
#include "TestWindow.h"
#include "win32/toolkit/Win32MessageLoop.h"

namespace ilvorande::win32test {
namespace {

// As the dialog manager of Windows does: the keys that move the focus, and
// only they, show where it is, on the whole window.
TEST(MessageLoop, KeysThatMoveTheFocusShowWhereItIs) {
  for (const int key : {VK_TAB, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, int('A')}) {
    SCOPED_TRACE(key);
    const TestWindow window = MakeWindow();
    const HWND control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                         window.get(), nullptr, nullptr, nullptr);
    ASSERT_TRUE(PostMessageW(control, WM_KEYDOWN, key, 0));
    ForgetCalls();
    while (DispatchNext(false) == Dispatched::One) {
    }
    // The calls that change the keyboard cues (WM_CHANGEUISTATE): Wine keeps
    // no such state, so they are read here rather than from the window.
    std::erase_if(calls, [](const std::string& call) {
      return !call.starts_with("SendMessageW(") || call.find(", 0x127, ") == std::string::npos;
    });
    // UIS_CLEAR, UISF_HIDEFOCUS
    const auto cleared = Printed("SendMessageW(%#llx, 0x127, 0x10002, 0)",
                                 reinterpret_cast<ULONG_PTR>(window.get()));
    EXPECT_EQ(calls, key != 'A' ? std::vector{cleared} : std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace ilvorande::win32test
