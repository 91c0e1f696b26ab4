// The toolkit's reading of the system: message boxes and their answers, the
// program's own path, the user's decimal separator, the waiting messages.
#include <gtest/gtest.h>
#include <windows.h>

#include "SystemCalls.h"
#include "TestWindow.h"
#include "win32/toolkit/Win32Toolkit.h"

namespace ilvorande::win32test {
namespace {

const std::string TextAndTitle = "\"Désolé, c'est parti ???\", \"Info\"";

// The style's numbers are checked against the system's at compile time.
TEST(Toolkit, MessageBoxTakesTheStyleAsItIsAndOnlyYesReadsAsYes) {
  const struct {
    MessageStyle style;
    int pressed;
    MessageAnswer answer;
  } cases[] = {
      {MessageStyle::YesNoSystemModal, IDYES, MessageAnswer::Yes},
      {MessageStyle::YesNoSystemModal, IDNO, MessageAnswer::Other},
      {MessageStyle::OkWithStopIcon, IDOK, MessageAnswer::Other},
      {MessageStyle::OkWithInformationIcon, IDCANCEL, MessageAnswer::Other},
      {MessageStyle::OkWithInformationIcon, 0 /* the box failed */, MessageAnswer::Other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pressed);
    ForgetCalls();
    pressedButton = c.pressed;
    EXPECT_EQ(Win32Toolkit().ShowMessage("Désolé, c'est parti ???", c.style, "Info"), c.answer);
    EXPECT_EQ(calls, std::vector{Printed("MessageBoxW(0, %s, %#x)", TextAndTitle.c_str(),
                                         static_cast<unsigned>(c.style))});
  }
}

// Modal to the window in front: the active one, else the first visible and
// enabled one; none while no window shows (start-up).
TEST(Toolkit, MessageBoxBlocksTheWindowInFront) {
  enum State { Hidden, Shown, Disabled, Active };
  constexpr int NoOwner = -1;
  const struct {
    const char* name;
    std::vector<State> windows;
    int owner;  // index in windows, or NoOwner
  } cases[] = {
      {"hidden", {Hidden}, NoOwner},
      // Either side of it, whichever way the windows are listed.
      {"shown among hidden and disabled", {Hidden, Disabled, Shown, Disabled, Hidden}, 2},
      {"the active one, created first", {Active, Shown}, 0},
      {"the active one, created last", {Shown, Active}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<TestWindow> windows;
    for (const State state : c.windows) {
      windows.push_back(MakeWindow());
      EnableWindow(windows.back().get(), state != Disabled);
      if (state != Hidden) ShowWindow(windows.back().get(), state == Active ? SW_SHOW : SW_SHOWNA);
    }
    ASSERT_EQ(GetActiveWindow() != nullptr, c.owner != NoOwner && c.windows[c.owner] == Active);
    ForgetCalls();
    Win32Toolkit().ShowMessage("Désolé, c'est parti ???", MessageStyle::OkWithStopIcon, "Info");
    const HWND owner = c.owner != NoOwner ? windows[c.owner].get() : nullptr;
    EXPECT_EQ(calls,
              std::vector{Printed("MessageBoxW(%#llx, %s, 0x10)",
                                  reinterpret_cast<ULONG_PTR>(owner), TextAndTitle.c_str())});
  }
}

TEST(Toolkit, FolderAndBaseNameOfTheProgramsPath) {
  const std::wstring deep = L"D:\\" + std::wstring(300, L'a');  // beyond MAX_PATH
  const struct {
    std::wstring path;
    std::string folder, baseName;
  } cases[] = {
      {L"C:\\Ilvorande.exe", "C:\\", "Ilvorande"},
      {L"C:\\Jeux vidéo\\Ilvorande.2.exe", "C:\\Jeux vidéo", "Ilvorande.2"},
      {deep + L"\\Résolution.exe", "D:\\" + std::string(300, 'a'), "Résolution"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.baseName);
    ForgetCalls();
    modulePath = c.path;
    EXPECT_EQ(Win32Toolkit().AppFolder(), c.folder);
    EXPECT_EQ(Win32Toolkit().AppBaseName(), c.baseName);
  }
}

// A French user writes "1024,5"; the thousands separator is a blank there.
TEST(Toolkit, DecimalSeparatorIsTheUsersOwnElseADot) {
  const struct {
    std::map<unsigned long, std::wstring> locale;
    const char* separator;
  } cases[] = {
      {{{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L"\u00A0"}}, ","},
      {{}, "."},
  };
  for (const auto& c : cases) {
    ForgetCalls();
    localeAnswers = c.locale;
    EXPECT_EQ(Win32Toolkit().DecimalSeparator(), c.separator);
    // The user's default locale, its decimal separator.
    EXPECT_EQ(calls, std::vector<std::string>{"GetLocaleInfoW(0x400, 0xe)"});
  }
}

// After a switch: every message it brought, then back, leaving a quit to
// the main loop.
TEST(Toolkit, WaitingMessagesAreAllProcessedThenItReturns) {
  constexpr int Waiting = 3;
  for (int posted = 0; posted < Waiting; ++posted) {
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0));
  }
  PostQuitMessage(0);
  Win32Toolkit().ProcessWaitingMessages();
  MSG next{};
  ASSERT_TRUE(PeekMessageW(&next, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(next.message, static_cast<UINT>(WM_QUIT)) << "another message is left";
}

}  // namespace
}  // namespace ilvorande::win32test
