#include "driver/HelpMessage.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "driver/Text.h"

namespace ilvorande::e2e {

namespace {

// The author's name, a comma, one blank, a four-digit year.
bool IsCreditLine(const std::wstring& line) {
  const size_t comma = line.rfind(L", ");
  if (comma == std::wstring::npos || comma == 0 || line.size() != comma + 6) return false;
  for (size_t i = comma + 2; i < line.size(); ++i)
    if (!std::iswdigit(line[i])) return false;
  return true;
}

}  // namespace

const std::vector<std::wstring>& CommandHelpLines() {
  // Two apostrophes stand for each quotation mark; "pour" is followed by two blanks.
  static const std::vector<std::wstring> lines = {
      L" Ajoutez derri\u00e8re ''...\\ilvorande.exe ''(un espace et)",
      L"/0 pour  1600 x 1200",
      L"/1 pour  1400 x 1050",
      L"/7 pour  1280 x 1024",
      L"/2 pour  1280 x 960",
      L"/9 pour  1280 x 800",
      L"/3 pour  1152 x 864",
      L"/4 pour  1024 x 768",
      L"/5 pour  800 x 600",
      L"/6 pour  640 x 480",
      L"Ajoutez M pour que le programme soit pr\u00e9sent mais diminu\u00e9 dans la barre des "
      L"t\u00e2ches",
      L"Ajoutez F pour que le programme s'arr\u00eate de lui m\u00eame.",
      L"Exemple: ''c:\\windows\\ilvorande.exe /4F'' et l'ilvorande passera en 1024 x 768, ",
      L"le programme s'arretera de lui m\u00eame ensuite.",
      L"",
  };
  return lines;
}

void ExpectCommandHelp(const MessageDialog& dialog) {
  EXPECT_EQ(dialog.Title(), L"Ilvorande");
  EXPECT_EQ(dialog.WaitForIcon(), DialogIcon::Information);
  EXPECT_EQ(dialog.ButtonIds(), std::vector<int>{IDOK});

  const std::wstring text = dialog.Message();
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t end = text.find(L"\r\n"); end != std::wstring::npos;
       end = text.find(L"\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "the text must end with CR LF, nothing after it: \""
                                << Narrow(text.substr(start)) << "\"";
  const std::vector<std::wstring>& expected = CommandHelpLines();
  ASSERT_EQ(lines.size(), expected.size() + 1) << "lines in \"" << Narrow(text) << "\"";
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  EXPECT_TRUE(IsCreditLine(lines.back())) << "credit line \"" << Narrow(lines.back()) << "\"";
}

}  // namespace ilvorande::e2e
