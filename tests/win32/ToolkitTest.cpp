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
  using enum MessageStyle;
  using enum MessageAnswer;
  const std::tuple<MessageStyle, int, MessageAnswer> cases[] = {
      {YesNoSystemModal, IDYES, Yes},
      {YesNoSystemModal, IDNO, Other},
      {OkWithStopIcon, IDOK, Other},
      {OkWithInformationIcon, IDCANCEL, Other},
      {OkWithInformationIcon, 0 /* the box failed */, Other}};
  for (const auto& [style, pressed, answer] : cases) {
    SCOPED_TRACE(pressed);
    ForgetCalls();
    pressedButton = pressed;
    EXPECT_EQ(Win32Toolkit().ShowMessage("Désolé, c'est parti ???", style, "Info"), answer);
    EXPECT_EQ(calls, std::vector{Printed("MessageBoxW(0, %s, %#x)", TextAndTitle.c_str(),
                                         static_cast<unsigned>(style))});
  }
}

// Modal to the window in front: the active one, else the first visible and
// enabled one; none while no window shows (start-up).
TEST(Toolkit, MessageBoxBlocksTheWindowInFront) {
  enum State { Hidden, Shown, Disabled, Active };
  constexpr int NoOwner = -1;
  // The owner's index in the windows; either side of it, whichever way they are listed.
  const std::pair<std::vector<State>, int> cases[] = {
      {{Hidden}, NoOwner},
      {{Hidden, Disabled, Shown, Disabled, Hidden}, 2},
      {{Active, Shown}, 0},
      {{Shown, Active}, 1}};
  for (const auto& [states, ownerIndex] : cases) {
    SCOPED_TRACE(ownerIndex);
    std::vector<TestWindow> windows;
    for (const State state : states) {
      windows.push_back(MakeWindow());
      EnableWindow(windows.back().get(), state != Disabled);
      if (state != Hidden) ShowWindow(windows.back().get(), state == Active ? SW_SHOW : SW_SHOWNA);
    }
    ASSERT_EQ(GetActiveWindow() != nullptr, ownerIndex != NoOwner && states[ownerIndex] == Active);
    ForgetCalls();
    Win32Toolkit().ShowMessage("Désolé, c'est parti ???", MessageStyle::OkWithStopIcon, "Info");
    const HWND owner = ownerIndex != NoOwner ? windows[ownerIndex].get() : nullptr;
    EXPECT_EQ(calls,
              std::vector{Printed("MessageBoxW(%#llx, %s, 0x10)",
                                  reinterpret_cast<ULONG_PTR>(owner), TextAndTitle.c_str())});
  }
}

TEST(Toolkit, FolderAndBaseNameOfTheProgramsPath) {
  const std::wstring deep = L"D:\\" + std::wstring(300, L'a');  // beyond MAX_PATH
  const std::tuple<std::wstring, std::string, std::string> cases[] = {
      // path, folder, base name
      {L"C:\\Ilvorande.exe", "C:\\", "Ilvorande"},
      {L"C:\\Jeux vidéo\\Ilvorande.2.exe", "C:\\Jeux vidéo", "Ilvorande.2"},
      {deep + L"\\Résolution.exe", "D:\\" + std::string(300, 'a'), "Résolution"},
  };
  for (const auto& [path, folder, baseName] : cases) {
    ForgetCalls();
    modulePath = path;
    EXPECT_EQ(Win32Toolkit().AppFolder() + " | " + Win32Toolkit().AppBaseName(),
              folder + " | " + baseName);
  }
}

// A French user writes "1024,5"; the thousands separator is a blank there.
TEST(Toolkit, DecimalSeparatorIsTheUsersOwnElseADot) {
  const std::pair<std::map<unsigned long, std::wstring>, const char*> cases[] = {
      {{{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L"\u00A0"}}, ","}, {{}, "."}};
  for (const auto& [locale, separator] : cases) {
    ForgetCalls();
    localeAnswers = locale;
    EXPECT_EQ(Win32Toolkit().DecimalSeparator(), separator);
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
