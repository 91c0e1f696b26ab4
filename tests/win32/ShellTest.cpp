// What ShellExecuteA receives for the web page and for the mail.
#include <gtest/gtest.h>
#include <windows.h>

#include "SystemCalls.h"
#include "win32/toolkit/Win32Shell.h"

namespace ilvorande::win32test {
namespace {

TEST(Shell, WebPageAndMailGoToShellExecuteAInTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 1252u) << "the expected texts below are in code page 1252";
  constexpr WindowHandle Owner = 0x1234;
  ForgetCalls();
  Win32Shell().OpenWebPage(Owner, "http://ilvorande.example/", "C:\\Jeux vidéo");
  Win32Shell().WriteMail(Owner, "mailto:auteur@ilvorande.example?subject=Écran V3.1.0",
                         "C:\\Jeux vidéo");
  EXPECT_EQ(calls,
            (std::vector<std::string>{
                "ShellExecuteA(0x1234, \"open\", \"http://ilvorande.example/\", \"\", "
                "\"C:\\Jeux vid\xE9o\", 1)",
                "ShellExecuteA(0x1234, \"Open\", \"mailto:auteur@ilvorande.example?subject=\xC9"
                "cran V3.1.0\", \"\", \"C:\\Jeux vid\xE9o\", 1)"}));
}

}  // namespace
}  // namespace ilvorande::win32test
