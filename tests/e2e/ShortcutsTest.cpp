// With the box ticked a preset makes a desktop link that opens into a switch.
#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

std::string LinkField(const std::string& report, const std::string& name) {
  std::smatch match;
  const std::regex line("\\s" + name + "\\s*: ([^\\n]*)");
  return std::regex_search(report, match, line) ? match[1].str() : "(no " + name + ")";
}

class Shortcuts : public ProgramTest {
 protected:
  void TearDown() override {
    ProgramTest::TearDown();
    // Wine's menu builder, started by a saved link, may hold the folder a while.
    std::error_code error;
    EXPECT_TRUE(WaitUntil([&] { return fs::remove_all(copyFolder_, error), !error; }));
  }

  fs::path copyFolder_;
};

// From a folder that code page 1252 cannot spell: the target in its short form.
TEST_F(Shortcuts, TickedPresetWritesALinkThatSwitchesAndEndsUnseen) {
  copyFolder_ = fs::temp_directory_path() / L"Экран рядом";
  const fs::path copy = copyFolder_ / L"Ilvorande.exe";
  const fs::path link = Desktop() / L"Ilvorande en 1024 x 768.lnk";
  fs::create_directories(copyFolder_);
  ASSERT_TRUE(CopyFileW(InstalledProgram().c_str(), copy.c_str(), FALSE));
  wchar_t shortCopy[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameW(copy.c_str(), shortCopy, MAX_PATH), 0u);
  ASSERT_NO_FATAL_FAILURE(Launch({}, copy));
  ASSERT_TRUE(MouseClick(Control(ShortcutOption)));
  EXPECT_TRUE(WaitUntil([&] { return Control(ShortcutOption).Send(BM_GETCHECK) == BST_CHECKED; }));
  // Sent, not posted: returns once the click's handler has returned.
  ASSERT_TRUE(Control(ModeButton(4)).Send(BM_CLICK).has_value()) << "the click never returned";

  const std::string bytes = ReadBytes(link);
  ASSERT_GE(bytes.size(), 0x40u) << "no link " << link.wstring();
  EXPECT_EQ(bytes.substr(0x3C, 4), std::string("\4\0\0\0", 4)) << "ShowCommand, 4 bytes at 0x3C";
  std::string why;
  const auto report = RunOnHost("lnkinfo " + Quoted(UnixPath(link)), &why);
  ASSERT_TRUE(report.has_value()) << why;
  const std::pair<const char*, std::wstring> expected[] = {
      {"Local path", shortCopy},
      {"Command line arguments", L"/4F"},
      {"Working directory", copyFolder_.wstring()},
      {"Description", L"Ilvorande en 1024 x 768"},
      {"Icon location", copy.wstring()},
      {"Icon index", L"0"},
  };
  for (const auto& [name, value] : expected) EXPECT_EQ(Widen(LinkField(*report, name)), value);

  ASSERT_TRUE(main_.CloseBox());
  ASSERT_TRUE(program_->WaitForExit().has_value());
  // As a double-click opens it; start returns at once, its program is found by name.
  const Program opener(L"/unix \"" + Widen(UnixPath(link)) + L"\"",
                       L"C:\\windows\\system32\\start.exe");
  bool seen = false;
  EXPECT_TRUE(WaitUntil([&] {
    seen = seen || IsWindowVisible(FindWindowA(MainWindowClassName, nullptr));
    return ScreenSize() == Size{1024, 768} && ProcessesNamed(L"Ilvorande.exe").empty();
  })) << "no switch to 1024 x 768, or the program that the link started did not end";
  EXPECT_FALSE(seen) << "the program that the link started showed its window";
  EXPECT_EQ(XrandrSizes(), (ScreenSizes{{"DUMMY0", {1024, 768}}})) << "the X server's mode";
}

}  // namespace
}  // namespace ilvorande::e2e
