// Desktop shortcuts: the checkbox that turns the preset buttons into
// shortcut makers, the links they write, and what opening a link does.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "display/ModePresets.h"
#include "driver/MainWindowTexts.h"
#include "driver/ProcessList.h"
#include "driver/ProgramTest.h"
#include "driver/Shell.h"
#include "driver/TempFolder.h"
#include "driver/Text.h"
#include "driver/UnixCommand.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {
namespace {

namespace fs = std::filesystem;

constexpr ScreenSize k1024x768{1024, 768};
constexpr ScreenSize k800x600{800, 600};
constexpr int kIndex1024x768 = 4;
constexpr int kIndex800x600 = 5;
constexpr std::wstring_view kExeName = L"Ilvorande.exe";

// Wine's menu builder, started by each link that is saved, writes a
// launcher beside it and holds the saving program's folder as its own.
bool WaitForMenuBuilder() {
  return WaitUntil([] { return ProcessIdsNamed(L"winemenubuilder.exe").empty(); });
}

std::wstring StartCaption(int index) {
  for (const ControlLayout& row : MainControls)
    if (row.id == ChangeId(index)) return Widen(row.caption);
  return {};
}

// The ten Change buttons' captions, by index, for either state of the box.
std::vector<std::wstring> ExpectedCaptions(bool shortcutState) {
  std::vector<std::wstring> captions;
  for (int index = 0; index < ChangeButtonCount; ++index) {
    const bool relabelled = shortcutState && index != CustomModeIndex;
    captions.push_back((relabelled ? L"Raccourci pour " : L"") + StartCaption(index));
  }
  return captions;
}

bool FitsAnsiCodePage(const std::wstring& text) {
  BOOL lossy = FALSE;
  return GetACP() == CP_UTF8 || (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1,
                                                     nullptr, 0, nullptr, &lossy) != 0 &&
                                 !lossy);
}

// Folder names beyond ASCII; which ones the ANSI code page can hold depends
// on the locale (Windows-1252 holds only the first).
std::wstring FirstName(bool fitsAnsiCodePage) {
  const wchar_t* const candidates[] = {
      L"\u00c9cran \u00e0 c\u00f4t\u00e9",                               // French
      L"\u042d\u043a\u0440\u0430\u043d \u039f\u03b8\u03cc\u03bd\u03b7",  // Cyrillic, Greek
      L"\u753b\u9762",                                                   // Chinese
  };
  for (const wchar_t* name : candidates)
    if (FitsAnsiCodePage(name) == fitsAnsiCodePage) return name;
  return {};
}

std::wstring LinkName(int index) {
  return L"Ilvorande en " + StartCaption(index) + L".lnk";
}

// The link header's ShowCommand, a 4-byte little-endian field at 0x3C.
std::optional<std::uint32_t> ShowCommandOf(const fs::path& link) {
  const std::string bytes = ReadWholeFile(link);
  if (bytes.size() < 0x40) return std::nullopt;
  std::uint32_t value = 0;
  std::memcpy(&value, bytes.data() + 0x3C, sizeof value);  // the host is little-endian too
  return value;
}

// What lnkinfo prints, line by line "Name : value", and as a whole for
// failure messages.
struct LinkReport {
  std::map<std::string, std::string> fields;
  std::string text;
  std::string Field(const std::string& name) const {
    const auto found = fields.find(name);
    return found == fields.end() ? "(no \"" + name + "\" line)" : found->second;
  }
  std::string itemListPath;  // the target as the link's shell item list names it
};

std::optional<LinkReport> ReadWithLnkinfo(const fs::path& link, std::string* why) {
  const std::string unixPath = UnixPathOf(link);
  if (unixPath.empty()) {
    *why = "no Unix path for " + Narrow(link.wstring());
    return std::nullopt;
  }
  const auto output = RunUnixShell("lnkinfo " + ShellQuote(unixPath), why);
  if (!output) return std::nullopt;
  LinkReport report;
  report.text = *output;
  // "Name : value"; the names hold no colon, values may ("C:\...").
  static const std::regex kLine(R"(\s*([^:]*?)\s*:\s*(.*?)\s*)");
  std::istringstream lines(report.text);
  std::smatch match;
  for (std::string line; std::getline(lines, line);) {
    if (!std::regex_match(line, match, kLine)) continue;
    const std::string name = match[1], value = match[2];
    report.fields.emplace(name, value);
    // The volume ("Z:\") and then one item per folder and the file.
    if (name == "Volume name") {
      report.itemListPath = value;
    } else if (name == "Name" && !report.itemListPath.empty()) {
      if (report.itemListPath.back() != '\\') report.itemListPath += '\\';
      report.itemListPath += value;
    }
  }
  return report;
}

// Makes a folder that even root cannot write into, for the guard's lifetime.
class ImmutableFolder {
 public:
  explicit ImmutableFolder(const fs::path& folder) {
    const std::string unixPath = UnixPathOf(folder);
    if (unixPath.empty()) {
      why_ = "no Unix path";
      return;
    }
    // The prefix's folder may be a symbolic link, which chattr does not follow.
    realFolder_ = "\"$(readlink -f " + ShellQuote(unixPath) + ")\"";
    applied_ = RunUnixShell("chattr +i " + realFolder_, &why_).has_value();
  }
  ~ImmutableFolder() {
    if (realFolder_.empty()) return;
    std::string why;
    if (!RunUnixShell("chattr -i " + realFolder_, &why))
      ADD_FAILURE() << "the folder stays immutable: " << why;
  }
  ImmutableFolder(const ImmutableFolder&) = delete;
  ImmutableFolder& operator=(const ImmutableFolder&) = delete;

  bool Applied() const { return applied_; }
  const std::string& Why() const { return why_; }

 private:
  std::string realFolder_;
  std::string why_;
  bool applied_ = false;
};

// A program still running from the copy's folder would keep it.
struct CopyFolder : TempFolder {
  using TempFolder::TempFolder;
  ~CopyFolder() {
    KillProcessesNamed(kExeName);
    WaitForMenuBuilder();
  }
};

// Moves a file aside and puts it back at the end.
class FileAside {
 public:
  explicit FileAside(fs::path file) : file_(std::move(file)) {
    moved_ = MoveFileW(file_.c_str(), Aside(file_).c_str()) != FALSE;
  }
  ~FileAside() {
    if (moved_ && !MoveFileW(Aside(file_).c_str(), file_.c_str()))
      ADD_FAILURE() << "cannot put " << Narrow(file_.wstring()) << " back, error "
                    << GetLastError();
  }
  FileAside(const FileAside&) = delete;
  FileAside& operator=(const FileAside&) = delete;

  bool Moved() const { return moved_; }

  // A run that died with the file aside would fail every later start.
  static void PutBackLeftover(const fs::path& file) {
    if (!fs::exists(file) && fs::exists(Aside(file))) MoveFileW(Aside(file).c_str(), file.c_str());
  }

 private:
  static fs::path Aside(fs::path file) { return file += L".aside"; }

  fs::path file_;
  bool moved_ = false;
};

class Shortcuts : public ProgramTest {
 protected:
  void SetUp() override {
    FileAside::PutBackLeftover(Program::DefaultExecutable());
    ProgramTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NO_FATAL_FAILURE(RequireModes({k1024x768, k800x600}));
    const auto desktop = DesktopFolder();
    ASSERT_TRUE(desktop.has_value()) << "the shell reports no desktop folder";
    desktop_ = *desktop;
    // Links left by an earlier run would pass for links written now.
    ASSERT_TRUE(ClearDesktop()) << "cannot clear the desktop " << Narrow(desktop_.wstring());
  }

  void TearDown() override {
    ProgramTest::TearDown();
    EXPECT_TRUE(WaitForMenuBuilder()) << "winemenubuilder.exe still runs";
    EXPECT_TRUE(ClearDesktop()) << "cannot clear the desktop " << Narrow(desktop_.wstring());
  }

  Window Checkbox() const { return Control(IdCheck1); }
  void LaunchTicked(const fs::path& executable = Program::DefaultExecutable()) {
    ASSERT_NO_FATAL_FAILURE(LaunchMain({}, executable));
    ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(true));
  }
  fs::path LinkPath(int index) const { return desktop_ / LinkName(index); }

  std::vector<std::wstring> Captions() const {
    std::vector<std::wstring> captions;
    for (int index = 0; index < ChangeButtonCount; ++index)
      captions.push_back(Control(ChangeId(index)).Text());
    return captions;
  }

  // Names of the program's links on the desktop, sorted.
  std::vector<std::wstring> LinksOnDesktop() const { return DesktopFiles(L"Ilvorande en *.lnk"); }

  std::vector<std::wstring> DesktopFiles(const std::wstring& pattern) const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((desktop_ / pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  // Removes the links and the launchers that Wine writes beside them.
  bool ClearDesktop() const {
    for (const std::wstring& name : DesktopFiles(L"Ilvorande en *"))
      DeleteFileW((desktop_ / name).c_str());
    return LinksOnDesktop().empty();
  }

  // The checkbox by a real mouse click; the captions follow on the release.
  void SetCheckboxWithMouse(bool ticked) {
    ASSERT_TRUE(Checkbox().MouseClick());
    ASSERT_TRUE(WaitUntil([&] { return Checkbox().IsChecked() == ticked; }))
        << "the mouse did not " << (ticked ? "tick" : "clear") << " the box";
    EXPECT_TRUE(WaitUntil([&] { return Captions() == ExpectedCaptions(ticked); }))
        << ::testing::PrintToString(Captions());
  }

  // Space on the checkbox, as the keyboard gives it to the focused control.
  void ToggleCheckboxWithKeyboard() {
    const bool before = Checkbox().IsChecked();
    ASSERT_TRUE(Checkbox().Post(WM_KEYDOWN, VK_SPACE, 0x00390001));
    ASSERT_TRUE(Checkbox().Post(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u)));
    ASSERT_TRUE(WaitUntil([&] { return Checkbox().IsChecked() != before; }))
        << "the space bar did not change the box";
    WaitForIdle();
  }

  // Returns once the program has handled everything sent before: a click
  // handler has returned, or sits in a message box that it opened.
  void WaitForIdle() const {
    EXPECT_TRUE(main_.Send(WM_NULL).has_value()) << "the main window does not respond";
  }

  void ExpectNoMessageBox() {
    EXPECT_TRUE(program().TopLevelWindows(L"#32770").empty())
        << "unexpected message box: " << DescribeMessageDialogs();
    EXPECT_TRUE(main_.IsEnabled()) << "something holds the main window";
  }

  // A click that is sent, not posted: it returns once the handler has
  // returned, which a message box would keep it from doing.
  void ClickAndWaitForHandler(int id) {
    EXPECT_TRUE(Control(id).Send(BM_CLICK).has_value())
        << "the click's handler did not return: " << DescribeMessageDialogs();
  }

  // A click on a preset with the box ticked: the link appears, nothing else.
  void ClickPresetForLink(int index) {
    SCOPED_TRACE(::testing::Message() << "shortcut for " << Narrow(StartCaption(index)));
    ASSERT_NO_FATAL_FAILURE(ClickAndWaitForHandler(ChangeId(index)));
    ExpectNoMessageBox();
    EXPECT_TRUE(fs::exists(LinkPath(index))) << "no link " << Narrow(LinkPath(index).wstring());
  }

  // The display is still in the start mode, for Windows and the X server.
  void ExpectNoSwitch() {
    EXPECT_EQ(CurrentDisplaySize(), Start());
    ExpectXServerSize(Start());
    EXPECT_EQ(Control(IdLabel1).Text(), ModeLabelText(Start()));
    EXPECT_FALSE(Control(IdCommand5).IsEnabled()) << "Restaurer enabled without a switch";
  }

  void ClickPresetAndExpectSwitch(int index, ScreenSize size) {
    ASSERT_TRUE(Control(ChangeId(index)).Click());
    WaitUntil([&] {
      return CurrentDisplaySize() == size || !program().TopLevelWindows(L"#32770").empty();
    });
    ASSERT_EQ(CurrentDisplaySize(), size)
        << "no switch; message boxes: " << DescribeMessageDialogs();
    ExpectXServerSize(size);
    EXPECT_TRUE(WaitUntil([&] { return Control(IdLabel1).Text() == ModeLabelText(size); }));
  }

  static std::string LongForm(const std::string& path) {
    const std::wstring wide = Widen(path);
    std::wstring longPath(MAX_PATH, L'\0');
    const DWORD length =
        GetLongPathNameW(wide.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (length == 0 || length >= longPath.size()) return path;
    longPath.resize(length);
    return Narrow(longPath);
  }

  void ExpectLink(int index, const fs::path& executable) {
    const fs::path link = LinkPath(index);
    SCOPED_TRACE(Narrow(link.wstring()));
    EXPECT_EQ(ShowCommandOf(link), 4u) << "ShowCommand at 0x3C";
    if (!RunningUnderWine()) return;  // lnkinfo is a Unix program
    std::string why;
    const auto report = ReadWithLnkinfo(link, &why);
    ASSERT_TRUE(report.has_value()) << why;
    SCOPED_TRACE("lnkinfo:\n" + report->text);
    const std::string target = Narrow(executable.wstring());
    // A target that the ANSI code page cannot spell is written in its short
    // form, which names the same file.
    EXPECT_EQ(LongForm(report->Field("Local path")), target);
    // The item list's primary names are ANSI too; only a spellable path shows whole there.
    if (FitsAnsiCodePage(executable.wstring())) {
      EXPECT_EQ(report->itemListPath, target) << "the link's shell item list";
    }
    EXPECT_EQ(report->Field("Command line arguments"), "/" + std::to_string(index) + "F");
    EXPECT_EQ(report->Field("Working directory"), Narrow(executable.parent_path().wstring()));
    EXPECT_EQ(report->Field("Description"), "Ilvorande en " + Narrow(StartCaption(index)));
    EXPECT_EQ(report->Field("Icon location"), target);
    EXPECT_EQ(report->Field("Icon index"), "0");
  }

  // The program that a link starts switches and ends by itself, unseen.
  void ExpectLinkRunSwitchesAndEnds(ScreenSize size) {
    bool windowShown = false;
    const auto watch = [&] {
      const HWND window = FindWindowW(Widen(MainWindowClassName).c_str(), nullptr);
      if (window != nullptr && IsWindowVisible(window)) windowShown = true;
    };
    EXPECT_TRUE(WaitUntil([&] {
      watch();
      return CurrentDisplaySize() == size;
    })) << "the display did not reach "
        << ::testing::PrintToString(size);
    ExpectXServerSize(size);
    EXPECT_TRUE(WaitUntil([&] {
      watch();
      return ProcessIdsNamed(kExeName).empty();
    })) << "the program started by the link is still running";
    EXPECT_FALSE(windowShown) << "the program started by the link showed its window";
  }

  void ExpectCopyInFolderLinksToItself(const std::wstring& leaf);

  fs::path desktop_;
};

TEST_F(Shortcuts, MouseTickRelabelsThePresetsAndMouseClearRestoresThem) {
  ASSERT_NO_FATAL_FAILURE(LaunchMain());
  ASSERT_EQ(Captions(), ExpectedCaptions(false));

  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(true));
  // Nothing but the captions changes.
  EXPECT_TRUE(Control(ChangeId(CustomModeIndex)).IsEnabled());
  EXPECT_FALSE(Control(IdCommand5).IsEnabled());

  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(false));
  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(true));
  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(false));
  EXPECT_TRUE(LinksOnDesktop().empty());
  EXPECT_EQ(CurrentDisplaySize(), Start());
}

TEST_F(Shortcuts, KeyboardChangesTheValueNotTheCaptionsAndTheValueDecides) {
  ASSERT_NO_FATAL_FAILURE(LaunchMain());

  ASSERT_NO_FATAL_FAILURE(ToggleCheckboxWithKeyboard());
  EXPECT_TRUE(Checkbox().IsChecked());
  EXPECT_EQ(Captions(), ExpectedCaptions(false));
  // Ticked, though the captions say otherwise: a preset makes a link.
  ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(kIndex1024x768));
  ExpectNoSwitch();

  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(false));
  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(true));
  ASSERT_NO_FATAL_FAILURE(ToggleCheckboxWithKeyboard());
  EXPECT_FALSE(Checkbox().IsChecked());
  EXPECT_EQ(Captions(), ExpectedCaptions(true));
  // Cleared, though the captions offer shortcuts: a preset switches.
  ASSERT_NO_FATAL_FAILURE(ClickPresetAndExpectSwitch(kIndex800x600, k800x600));
  EXPECT_EQ(LinksOnDesktop(), std::vector<std::wstring>{LinkName(kIndex1024x768)});
}

TEST_F(Shortcuts, OtherMouseButtonsReapplyTheCaptionsOfTheUnchangedValue) {
  ASSERT_NO_FATAL_FAILURE(LaunchMain());
  struct Case {
    const char* button;
    DWORD down, up;
  };
  const Case cases[] = {
      {"right", MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
      {"middle", MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    // The keyboard leaves the captions behind the value.
    ASSERT_NO_FATAL_FAILURE(ToggleCheckboxWithKeyboard());
    const bool ticked = Checkbox().IsChecked();
    ASSERT_EQ(Captions(), ExpectedCaptions(!ticked));

    ASSERT_TRUE(Checkbox().MouseClick(c.down, c.up));
    EXPECT_TRUE(WaitUntil([&] { return Captions() == ExpectedCaptions(ticked); }))
        << ::testing::PrintToString(Captions());
    EXPECT_EQ(Checkbox().IsChecked(), ticked) << "the " << c.button << " button changed the box";
  }
  WaitForIdle();
  ExpectNoMessageBox();
}

TEST_F(Shortcuts, PresetWritesItsLinkAndSwitchesNothing) {
  ASSERT_NO_FATAL_FAILURE(LaunchTicked());

  ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(kIndex1024x768));
  ExpectNoSwitch();
  EXPECT_TRUE(Checkbox().IsChecked()) << "a shortcut must not clear the box";
  EXPECT_EQ(Captions(), ExpectedCaptions(true));
  EXPECT_EQ(LinksOnDesktop(), std::vector<std::wstring>{LinkName(kIndex1024x768)});
  ExpectLink(kIndex1024x768, Program::DefaultExecutable());
}

TEST_F(Shortcuts, SameLinkTwiceIsWrittenAgainIntoOneFile) {
  ASSERT_NO_FATAL_FAILURE(LaunchTicked());
  ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(kIndex1024x768));

  // Dated back, so that the second writing shows.
  const fs::path link = LinkPath(kIndex1024x768);
  const auto old = fs::last_write_time(link) - std::chrono::hours(24 * 365);
  fs::last_write_time(link, old);
  ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(kIndex1024x768));
  EXPECT_NE(fs::last_write_time(link), old) << "the existing link was not written again";
  EXPECT_EQ(LinksOnDesktop(), std::vector<std::wstring>{LinkName(kIndex1024x768)});
  ExpectLink(kIndex1024x768, Program::DefaultExecutable());
  ExpectNoSwitch();
}

TEST_F(Shortcuts, EveryPresetMakesItsOwnLinkBesideTheOthers) {
  ASSERT_NO_FATAL_FAILURE(LaunchTicked());
  std::vector<std::wstring> expected;
  for (int index = 0; index < ChangeButtonCount; ++index) {
    if (index == CustomModeIndex) continue;
    ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(index));
    expected.push_back(LinkName(index));
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(LinksOnDesktop(), expected);
  // Only name, arguments and comment differ from one link to the next.
  for (int index = 0; index < ChangeButtonCount; ++index)
    if (index != CustomModeIndex) ExpectLink(index, Program::DefaultExecutable());
  ExpectNoSwitch();
}

TEST_F(Shortcuts, AutreIsRefusedWithAMessageAndWritesNothing) {
  ASSERT_NO_FATAL_FAILURE(LaunchMain());
  // A mode that the custom row would switch to, were it taken.
  ASSERT_TRUE(Control(IdText1).SetText(L"1024"));
  ASSERT_TRUE(Control(IdText2).SetText(L"768"));
  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(true));

  ASSERT_TRUE(Control(ChangeId(CustomModeIndex)).Click());
  const auto dialog = program().WaitForMessageDialog();
  ASSERT_TRUE(dialog.has_value()) << "no message box";
  EXPECT_EQ(dialog->Title(), L"D\u00e9sol\u00e9");
  EXPECT_EQ(dialog->Message(),
            L"D\u00e9sol\u00e9, le raccourci ne fonctionne que pour les autres boutons.");
  EXPECT_EQ(dialog->WaitForIcon(), DialogIcon::Information);
  EXPECT_EQ(dialog->ButtonIds(), std::vector<int>{IDOK});
  EXPECT_FALSE(main_.IsEnabled()) << "the box must hold the main window";

  ASSERT_TRUE(dialog->Press(IDOK));
  EXPECT_TRUE(WaitUntil([&] { return program().TopLevelWindows(L"#32770").empty(); }));
  WaitForIdle();
  ExpectNoMessageBox();
  EXPECT_TRUE(LinksOnDesktop().empty());
  EXPECT_TRUE(DesktopFiles(L"*.lnk").empty());
  ExpectNoSwitch();
  EXPECT_EQ(Control(IdText1).Text(), L"1024");
  EXPECT_EQ(Control(IdText2).Text(), L"768");
  EXPECT_TRUE(Checkbox().IsChecked());
}

TEST_F(Shortcuts, OpeningTheLinkSwitchesAndEndsTheProgram) {
  ASSERT_NO_FATAL_FAILURE(LaunchTicked());
  ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(kIndex1024x768));
  ASSERT_TRUE(main_.PostClose());
  ASSERT_TRUE(program().WaitForExit().has_value()) << "the first program did not end";
  ASSERT_EQ(CurrentDisplaySize(), Start());

  ASSERT_EQ(OpenWithShell(LinkPath(kIndex1024x768)), 0u) << "the shell cannot open the link";
  ExpectLinkRunSwitchesAndEnds(k1024x768);
}

// Copied into that folder and started from there, the program links to its
// copy: only the copy can answer the link, the original being moved aside.
void Shortcuts::ExpectCopyInFolderLinksToItself(const std::wstring& leaf) {
  SCOPED_TRACE("folder " + Narrow(leaf));
  const CopyFolder folder(leaf);
  const fs::path copy = folder.Path() / kExeName;
  ASSERT_TRUE(CopyFileW(Program::DefaultExecutable().c_str(), copy.c_str(), TRUE))
      << "cannot copy the program, error " << GetLastError();
  ASSERT_NO_FATAL_FAILURE(LaunchTicked(copy));
  ASSERT_NO_FATAL_FAILURE(ClickPresetForLink(kIndex1024x768));
  ExpectLink(kIndex1024x768, copy);
  ASSERT_TRUE(main_.PostClose());
  ASSERT_TRUE(program().WaitForExit().has_value()) << "the copy did not end";

  const FileAside original(Program::DefaultExecutable());
  ASSERT_TRUE(original.Moved()) << "cannot move the original aside, error " << GetLastError();
  ASSERT_EQ(OpenWithShell(LinkPath(kIndex1024x768)), 0u) << "the shell cannot open the link";
  ExpectLinkRunSwitchesAndEnds(k1024x768);
}

TEST_F(Shortcuts, ProgramInAFolderWithAccentsLinksToItsOwnCopy) {
  const std::wstring leaf = FirstName(true);
  ASSERT_FALSE(leaf.empty()) << "no candidate name fits the ANSI code page " << GetACP();
  ExpectCopyInFolderLinksToItself(leaf);
}

// Wine's link object keeps the target only in the ANSI code page, so the
// program must hand it a form that survives that.
TEST_F(Shortcuts, ProgramInAFolderOutsideTheAnsiCodePageLinksToItsOwnCopy) {
  const std::wstring leaf = FirstName(false);
  ASSERT_FALSE(leaf.empty()) << "every candidate name fits the ANSI code page " << GetACP();
  ExpectCopyInFolderLinksToItself(leaf);
}

TEST_F(Shortcuts, UnwritableDesktopGetsNoLinkAndNoMessage) {
  if (!RunningUnderWine()) GTEST_SKIP() << "chattr is a Unix program";
  ASSERT_NO_FATAL_FAILURE(LaunchTicked());
  {
    const ImmutableFolder locked(desktop_);
    ASSERT_TRUE(locked.Applied()) << "cannot lock the desktop: " << locked.Why();

    const std::vector<std::wstring> before = DesktopFiles(L"*");
    ASSERT_NO_FATAL_FAILURE(ClickAndWaitForHandler(ChangeId(kIndex1024x768)));
    ExpectNoMessageBox();
    EXPECT_EQ(DesktopFiles(L"*"), before);
    ExpectNoSwitch();
  }
  // The program goes on as usual.
  ASSERT_NO_FATAL_FAILURE(SetCheckboxWithMouse(false));
  ASSERT_NO_FATAL_FAILURE(ClickPresetAndExpectSwitch(kIndex1024x768, k1024x768));
  EXPECT_TRUE(LinksOnDesktop().empty());
}

}  // namespace
}  // namespace ilvorande::e2e
