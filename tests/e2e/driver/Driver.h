// Drives the real Ilvorande.exe from a test process under Wine: its windows,
// the real pointer and keyboard, the screen's pixels and the host's X server.
// Every wait is a condition polled until a deadline.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/mainwindow/MainControlIds.h"

namespace ilvorande::e2e {

namespace fs = std::filesystem;

// Generous: a loaded machine must not make a test flaky.
inline constexpr std::chrono::milliseconds kDeadline{20000};
// Polls until done() holds or the deadline passes; true if it held.
bool WaitUntil(const std::function<bool()>& done);

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);
std::string ReadBytes(const fs::path& file);

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
  friend std::ostream& operator<<(std::ostream& out, Size size) {
    return out << size.width << " x " << size.height;
  }
};
using Place = std::array<int, 4>;  // left, top, width, height in pixels

class Window {
 public:
  Window(HWND handle = nullptr) : handle_(handle) {}
  HWND Handle() const { return handle_; }
  bool Exists() const { return handle_ != nullptr && IsWindow(handle_); }
  template <typename Id>
  Window Child(Id id) const {
    return GetDlgItem(handle_, static_cast<int>(id));
  }
  std::string ClassName() const;
  std::wstring Text() const;  // WM_GETTEXT: an edit box's own text too
  bool SetText(const std::wstring& text) const;
  LONG_PTR Style() const { return GetWindowLongPtrW(handle_, GWL_STYLE); }
  bool Enabled() const { return IsWindowEnabled(handle_); }
  bool Visible() const { return IsWindowVisible(handle_); }
  bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  UINT Dpi() const { return GetDpiForWindow(handle_); }
  Size ClientSize() const;
  RECT ScreenRect() const;
  Place PlaceInParent() const;
  // Posted, as the space bar would press it.
  bool Click() const { return PostMessageW(handle_, BM_CLICK, 0, 0); }
  bool CloseBox() const { return PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0); }
  // Returns once the window has handled it.
  std::optional<LRESULT> Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;

 private:
  HWND handle_;
};

// The real pointer and keyboard, through the system's input queue. A point
// amid the first run down the control's centre line where it lies in front:
std::optional<POINT> ExposedPoint(const Window& control);
bool MouseClick(const Window& control);
// Pressed in this order and released in reverse, into the window in front.
bool PressKeys(std::initializer_list<WORD> keys);
bool BringToFront(const Window& window);
Window FocusedControl(const Window& window);

enum class BoxIcon { None, Stop, Information, Other };

struct MessageBoxSeen {
  Window box;
  std::wstring title, text;
  BoxIcon icon;  // Other until painted
  bool PressOk() const { return box.Child(IDOK).Click(); }
};

class Program {
 public:
  static fs::path Installed();  // Ilvorande.exe beside the tests
  explicit Program(std::wstring_view arguments = {}, const fs::path& executable = Installed());
  ~Program();  // ends it if it still runs
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  std::optional<DWORD> WaitForExit() const;
  // Its visible top-level windows, of one class when one is named.
  std::vector<Window> Windows(const char* className = nullptr) const;
  Window WaitForWindow(const char* className) const;
  std::vector<MessageBoxSeen> MessageBoxes() const;
  std::optional<MessageBoxSeen> WaitForMessageBox() const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Processes of that executable file name, whoever started them.
std::vector<DWORD> ProcessesNamed(const wchar_t* exeName);

Size ScreenSize();
bool SetMode(Size size, int bitsPerPixel);
std::optional<Size> XrandrSize();

// A shell script run on the host: its output once it has ended with status
// 0; else nothing, and what it wrote in `why`.
std::optional<std::string> RunOnHost(const std::string& script, std::string* why = nullptr);
std::string UnixPath(const fs::path& path);
std::string ShellQuoted(std::string_view text);

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, rows from the top
};
Picture Capture(const RECT& screenRect);
struct Font {
  const wchar_t* face;
  double points;
  bool underline = false;
};
// The text drawn as a static control draws it (DT_ format) on a client of that size.
Picture Render(const std::wstring& text, const Font& font, UINT dpi, Size size, COLORREF ink,
               UINT format);
// Bounds of the pixels close to that colour; all zero if none.
Place InkBounds(const Picture& picture, COLORREF ink);

// The pointer that the X server shows, rows from the top.
struct Pointer {
  POINT hotSpot{};
  std::vector<std::uint32_t> argb;
};
std::optional<Pointer> ShownPointer();
// The 32 x 32 picture of the icon file: its colours, and clear where it is clear.
bool ShowsIcon(const Pointer& pointer, const fs::path& iconFile);

// Each test ends its programs and puts back the display mode it found.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Fatal when the main window never shows.
  void Launch(std::wstring_view arguments = {}, const fs::path& executable = Program::Installed());
  Window Control(MainControl id) const { return main_.Child(id); }
  void BackToStartMode();
  // The display, the X server and Label1 reach that size; fatal on a message box instead.
  void ExpectMode(Size size);
  // A caption with a close box; no minimise or maximise box, no sizing border.
  static void ExpectFixedFrame(const Window& window);
  static std::wstring SizeText(Size size, const wchar_t* sign);

  std::optional<Program> program_;
  Window main_;
  Size start_;
  int startBits_ = 0;
};

}  // namespace ilvorande::e2e
