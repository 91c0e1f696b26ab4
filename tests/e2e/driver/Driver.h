// Drives the real Ilvorande.exe from a test process under Wine: its windows,
// the real pointer and keyboard, the screen's pixels and the host's X server.
// Every wait is a condition polled until a deadline.
#pragma once

#include <windows.h>

#include <oleacc.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/mainwindow/MainControlIds.h"

namespace ilvorande::e2e {

namespace fs = std::filesystem;

// A handle that frees itself.
template <auto Free>
struct Freer {
  void operator()(auto handle) const { Free(handle); }
};
template <typename Handle, auto Free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Freer<Free>>;
using OwnedHandle = Owned<HANDLE, CloseHandle>;
using OwnedGdi = Owned<HGDIOBJ, DeleteObject>;
inline void ReleaseScreenDc(HDC dc) {
  ReleaseDC(nullptr, dc);
}
using ScreenDc = Owned<HDC, ReleaseScreenDc>;

// Generous: a loaded machine must not make a test flaky.
inline constexpr DWORD DeadlineMs = 20000;

// Polls until done() holds or the deadline passes; true if it held.
inline bool WaitUntil(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + DeadlineMs;
  while (!done()) {
    if (GetTickCount64() >= end) return done();
    Sleep(10);  // polling interval, not a wait for the program
  }
  return true;
}

inline std::wstring Widen(std::string_view utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

inline std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
  friend std::ostream& operator<<(std::ostream& out, Size size) {
    return out << size.width << " x " << size.height;
  }
};

inline Size ScreenSize() {
  // Not EnumDisplaySettings(ENUM_CURRENT_SETTINGS): Wine 8 answers that from
  // the mode this process first saw, blind to another process's switch.
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

// A window of another process: messages and window-manager calls reach it.
struct Window {
  HWND handle = nullptr;
  bool Exists() const { return handle != nullptr && IsWindow(handle); }
  Window Child(auto id) const { return {GetDlgItem(handle, static_cast<int>(id))}; }
  bool Enabled() const { return IsWindowEnabled(handle); }
  bool Visible() const { return IsWindowVisible(handle); }
  bool Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
  std::wstring Text() const {  // WM_GETTEXT: an edit box's own text too
    std::wstring text(Send(WM_GETTEXTLENGTH).value_or(0) + 1, L'\0');
    text.resize(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())).value_or(0));
    return text;
  }
  RECT ScreenRect() const {
    RECT rect{};
    GetWindowRect(handle, &rect);
    return rect;
  }
  // Posted, as the space bar would press it.
  bool Click() const { return PostMessageW(handle, BM_CLICK, 0, 0); }
  bool CloseBox() const { return PostMessageW(handle, WM_SYSCOMMAND, SC_CLOSE, 0); }
  // Returns once the window has handled it.
  std::optional<LRESULT> Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(handle, message, wparam, lparam, 0, DeadlineMs, &result)) return {};
    return result;
  }
};

// A point of the control near its top, where a label's first line stands.
inline POINT PointIn(const Window& control) {
  const RECT rect = control.ScreenRect();
  return {(rect.left + rect.right) / 2, rect.top + 6};
}

inline bool MouseClick(const Window& control) {
  const POINT point = PointIn(control);
  if (!SetCursorPos(point.x, point.y)) return false;
  // The place goes with the buttons: a late X event for a window that opened
  // under the pointer may still move it back.
  const Size screen = ScreenSize();
  const LONG x = (point.x * 65536 + screen.width - 1) / screen.width;
  const LONG y = (point.y * 65536 + screen.height - 1) / screen.height;
  const auto at = [&](DWORD button) {
    return INPUT{.type = INPUT_MOUSE,
                 .mi = {x, y, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button, 0, 0}};
  };
  INPUT inputs[] = {at(MOUSEEVENTF_LEFTDOWN), at(MOUSEEVENTF_LEFTUP)};
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

// Pressed in this order and released in reverse, into the window in front,
// which is brought there first.
inline bool PressKeys(const Window& window, std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) inputs.push_back({.type = INPUT_KEYBOARD, .ki = {key, 0, 0, 0, 0}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back({.type = INPUT_KEYBOARD, .ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}});
  return WaitUntil([&] {
           if (GetForegroundWindow() != window.handle) SetForegroundWindow(window.handle);
           return GetForegroundWindow() == window.handle;
         }) &&
         SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// The control that has the focus in the window's thread.
inline HWND Focus(const Window& window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window.handle, nullptr), &info);
  return info.hwndFocus;
}

// Presses Tab until the control has the focus; false if it never gets it.
// The first press waits for the window in front to focus a control of its
// own, each next one for the focus to reach the control that Tab moves to
// (as the dialog manager finds it): a press still on its way, or a change
// of focus taken for its effect, would carry the focus past the control.
inline bool TabTo(const Window& window, const Window& control) {
  if (!WaitUntil([&] {
        if (GetForegroundWindow() != window.handle) SetForegroundWindow(window.handle);
        return GetForegroundWindow() == window.handle && Focus(window) != nullptr &&
               IsChild(window.handle, Focus(window));
      })) {
    return false;
  }
  constexpr int MostPresses = 30;  // more than a window has controls
  for (int presses = 0; presses < MostPresses && Focus(window) != control.handle; ++presses) {
    const HWND next = GetNextDlgTabItem(window.handle, Focus(window), FALSE);
    if (!PressKeys(window, {VK_TAB}) || !WaitUntil([&] { return Focus(window) == next; })) {
      return false;
    }
  }
  return Focus(window) == control.handle;
}

// The name that assistive technology reads for a control.
inline std::wstring AccessibleName(HWND control) {
  struct Com {
    Com() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Com() { CoUninitialize(); }
  } com;
  // Written here: MinGW's static uuid library answers another IID_IAccessible.
  constexpr IID Accessible{
      0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
  IAccessible* accessible = nullptr;
  if (const HRESULT result =
          AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), Accessible,
                                     reinterpret_cast<void**>(&accessible));
      FAILED(result)) {
    return L"(no accessible object: " + std::to_wstring(result) + L")";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text = accessible->get_accName(self, &name) == S_OK && name ? name : L"";
  SysFreeString(name);
  accessible->Release();
  return text;
}

// Pixels, 0xRRGGBB, rows from the top.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

// What paint() draws on a 32-bit bitmap filled with the background colour.
inline Picture Draw(int width, int height, COLORREF background,
                    const std::function<void(HDC)>& paint) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::uint32_t* bits = nullptr;
  const OwnedGdi bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                         reinterpret_cast<void**>(&bits), nullptr, 0));
  const Owned<HDC, DeleteDC> dc(CreateCompatibleDC(nullptr));  // goes before the bitmap
  if (bits == nullptr) return {};
  SelectObject(dc.get(), bitmap.get());
  SetDCBrushColor(dc.get(), background);
  const RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  paint(dc.get());
  GdiFlush();
  Picture picture{width, height, {bits, bits + static_cast<size_t>(width) * height}};
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
  return picture;
}

inline Picture Capture(const RECT& rect) {
  const ScreenDc screen(GetDC(nullptr));
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  return Draw(width, height, 0, [&](HDC dc) {
    BitBlt(dc, 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
  });
}

struct Font {
  const wchar_t* face;
  double points;
  bool underline = false;
};

inline OwnedGdi MakeFont(const Font& font, UINT dpi) {
  return OwnedGdi(CreateFontW(-std::lround(font.points * dpi / 72), 0, 0, 0, FW_NORMAL, FALSE,
                              font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.face));
}

// Drawn as a static control draws its text (DT_ format) on a client of that size.
inline Picture Render(const std::wstring& text, const Font& font, UINT dpi, Size size, COLORREF ink,
                      UINT format) {
  const OwnedGdi handle = MakeFont(font, dpi);
  return Draw(size.width, size.height, GetSysColor(COLOR_BTNFACE), [&](HDC dc) {
    SelectObject(dc, handle.get());
    SetTextColor(dc, ink);
    SetBkMode(dc, TRANSPARENT);
    RECT rect{0, 0, size.width, size.height};
    DrawTextW(dc, text.c_str(), -1, &rect, format);
  });
}

using Place = std::array<int, 4>;  // left, top, width, height in pixels

// Bounds of the pixels close to that colour (each channel within 40); all zero if none.
inline Place InkBounds(const Picture& picture, COLORREF ink) {
  const auto isInk = [&](std::uint32_t pixel) {
    const COLORREF seen = RGB(pixel >> 16, pixel >> 8, pixel);
    return std::abs(GetRValue(seen) - GetRValue(ink)) <= 40 &&
           std::abs(GetGValue(seen) - GetGValue(ink)) <= 40 &&
           std::abs(GetBValue(seen) - GetBValue(ink)) <= 40;
  };
  int left = picture.width, top = picture.height, right = -1, bottom = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (!isInk(picture.pixels[static_cast<size_t>(y) * picture.width + x])) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

class Program {
 public:
  // Ilvorande.exe beside the tests.
  static fs::path Installed() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path() / L"Ilvorande.exe";
  }
  // Started as a shortcut would start it with that show command ("Réduite":
  // SW_SHOWMINNOACTIVE), or as a plain start without one.
  explicit Program(std::wstring_view arguments = {}, const fs::path& executable = Installed(),
                   std::optional<WORD> show = {}) {
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (show) startup.dwFlags = STARTF_USESHOWWINDOW, startup.wShowWindow = *show;
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start with ERROR_INTERNAL_ERROR while the
    // previous program is still being torn down; a later try succeeds.
    WaitUntil([&] {
      return CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, executable.parent_path().c_str(), &startup, &info) ||
             GetLastError() != ERROR_INTERNAL_ERROR;
    });
    const OwnedHandle thread(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
  }
  ~Program() {
    if (Running()) TerminateProcess(process_.get(), 0xDEAD);
    WaitForSingleObject(process_.get(), DeadlineMs);
  }

  bool Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  std::optional<DWORD> WaitForExit() const {
    DWORD status = 0;
    if (WaitForSingleObject(process_.get(), DeadlineMs) != WAIT_OBJECT_0) return {};
    GetExitCodeProcess(process_.get(), &status);
    return status;
  }
  // Its visible top-level windows, of one class when one is named.
  std::vector<Window> Windows(const char* className = nullptr) const {
    std::vector<Window> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == id_ && IsWindowVisible(window)) found.push_back({window});
    }
    return found;
  }
  Window WaitForWindow(const char* className) const {
    std::vector<Window> found;
    WaitUntil([&] { return !(found = Windows(className)).empty() || !Running(); });
    return found.empty() ? Window() : found[0];
  }
  // Waits for its message box, checks the title, runs whileShown, then
  // presses OK until it has gone; returns its text. Its style (buttons,
  // icon) is checked where the program hands it to the system.
  std::wstring AnswerMessageBox(
      const wchar_t* title, const std::function<void()>& whileShown = [] {}) const {
    Window box;
    std::wstring text;
    WaitUntil([&] {
      for (const Window& shown : Windows("#32770")) box = shown, text = shown.Child(0xFFFF).Text();
      return !text.empty() || !Running();
    });
    EXPECT_TRUE(box.Exists()) << "no message box";
    EXPECT_EQ(box.Text(), title);
    whileShown();
    EXPECT_TRUE(box.Child(IDOK).Click());
    EXPECT_TRUE(WaitUntil([&] { return !box.Exists(); }));
    return text;
  }

 private:
  OwnedHandle process_;
  DWORD id_ = 0;
};

// Processes of that executable file name, whoever started them.
inline std::vector<DWORD> ProcessesNamed(const wchar_t* exeName) {
  std::vector<DWORD> ids;
  const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry))
    if (_wcsicmp(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
  return ids;
}

// A shell script run on the host: its output once it has ended with status
// 0; else nothing, and what it wrote in `why`.
inline std::optional<std::string> RunOnHost(const std::string& script, std::string* why = nullptr) {
  wchar_t output[MAX_PATH] = {};
  GetTempFileNameW(fs::temp_directory_path().c_str(), L"sh", 0, output);
  // A file, not a pipe: Wine helpers that the script may start would hold a pipe open.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const OwnedHandle file(CreateFileW(output, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                     &inherit, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = file.get();
  // Wine gives no process handle for a host program: the last line says that
  // the script has ended, and how. Scripts hold no double quote.
  std::wstring command = L"/bin/sh -c \"(" + Widen(script) + L") 2>&1; echo @@status=$?\"";
  PROCESS_INFORMATION info{};
  const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &info);
  const OwnedHandle process(info.hProcess), thread(info.hThread);
  std::string text;
  size_t end = std::string::npos;
  WaitUntil([&] {
    text = ReadBytes(output);
    return !started ||
           ((end = text.rfind("@@status=")) != std::string::npos && text.back() == '\n');
  });
  DeleteFileW(output);
  if (end != std::string::npos && text.compare(end, 11, "@@status=0\n") == 0)
    return text.substr(0, end);
  if (why != nullptr) *why = script + ": " + text;
  return std::nullopt;
}

inline std::string UnixPath(const fs::path& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  const std::unique_ptr<char, Freer<[](char* text) { HeapFree(GetProcessHeap(), 0, text); }>>
      unixPath(toUnix(path.c_str()));
  return unixPath ? unixPath.get() : "";
}

// Quoted for the shell: the paths here hold no quote.
inline std::string Quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

inline std::optional<Size> XrandrSize() {
  // "Screen 0: minimum 64 x 64, current 1600 x 1200, maximum ..."
  const std::string text = RunOnHost("xrandr --current").value_or("");
  std::istringstream in(text.substr(std::min(text.find("current "), text.size())));
  Size size;
  std::string current, times;
  if (in >> current >> size.width >> times >> size.height) return size;
  return std::nullopt;
}

// Whether the X server's pointer shows the 32 x 32 picture of the icon file
// (clear where it is clear) with that hot spot.
inline bool PointerShows(const fs::path& iconFile, POINT hotSpot) {
  std::istringstream in(
      RunOnHost("/usr/bin/python3 " + Quoted(ILVORANDE_SOURCE_DIR "/tests/e2e/driver/x_pointer.py"))
          .value_or(""));
  int width = 0, height = 0, x = -1, y = -1;
  in >> width >> height >> x >> y >> std::hex;
  const Owned<HICON, DestroyIcon> icon(static_cast<HICON>(
      LoadImageW(nullptr, iconFile.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE)));
  // On black, a clear pixel stays black.
  const Picture drawn = Draw(32, 32, RGB(0, 0, 0), [&](HDC dc) {
    DrawIconEx(dc, 0, 0, icon.get(), 32, 32, 0, nullptr, DI_NORMAL);
  });
  bool same = icon && width == 32 && height == 32 && x == hotSpot.x && y == hotSpot.y;
  for (std::uint32_t pixel = 0, i = 0; same && i < drawn.pixels.size() && in >> pixel; ++i)
    same = pixel >> 24 == 0 ? drawn.pixels[i] == 0 : pixel == (0xFF000000 | drawn.pixels[i]);
  return same && in;
}

struct ExpectedControl {
  ExpectedControl(auto id, const char* kind, std::wstring text, Place place)
      : id(static_cast<int>(id)), kind(kind), text(std::move(text)), place(place) {}
  int id;
  const char* kind;
  std::wstring text;
  Place place;  // no size for a label that sizes itself to its text
};

// Each test ends its programs and puts back the display mode it found.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Real pixels, as the per-monitor aware program sees them.
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    start_ = ScreenSize();
    startBits_ = GetDeviceCaps(ScreenDc(GetDC(nullptr)).get(), BITSPIXEL);
    ASSERT_NE(start_, (Size{1024, 768})) << "the tests switch to it, away from the start mode";
  }

  void TearDown() override {
    program_.reset();
    // One that a shortcut started is not held by a Program.
    for (const DWORD stray : ProcessesNamed(L"Ilvorande.exe")) {
      ADD_FAILURE() << "a program started by the test still runs";
      TerminateProcess(OwnedHandle(OpenProcess(PROCESS_TERMINATE, FALSE, stray)).get(), 0xDEAD);
    }
    BackToStartMode();
  }

  void BackToStartMode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
    mode.dmPelsWidth = static_cast<DWORD>(start_.width);
    mode.dmPelsHeight = static_cast<DWORD>(start_.height);
    mode.dmBitsPerPel = static_cast<DWORD>(startBits_);
    EXPECT_TRUE(ScreenSize() == start_ ||
                ChangeDisplaySettingsW(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_SUCCESSFUL);
    EXPECT_TRUE(WaitUntil([&] { return ScreenSize() == start_; }));
    EXPECT_EQ(XrandrSize(), start_) << "the X server's mode";
  }

  // Fatal when the main window never shows.
  void Launch(std::wstring_view arguments = {}, const fs::path& executable = Program::Installed(),
              std::optional<WORD> show = {}) {
    program_.emplace(arguments, executable, show);  // once the one before has ended
    main_ = program_->WaitForWindow(MainWindowClassName);
    ASSERT_TRUE(main_.Exists()) << "the main window did not show";
  }

  Window Control(MainControl id) const { return main_.Child(id); }

  // The display, the X server and Label1 reach that size; fatal on a message box instead.
  void ExpectMode(Size size) {
    WaitUntil([&] { return ScreenSize() == size || !program_->Windows("#32770").empty(); });
    for (const Window& box : program_->Windows("#32770"))
      FAIL() << "a message box: " << box.Child(0xFFFF).Text();
    ASSERT_EQ(ScreenSize(), size);
    EXPECT_EQ(XrandrSize(), size) << "the X server's mode";
    const Window label = Control(MainControl::ModeInForce);
    EXPECT_TRUE(WaitUntil([&] { return label.Text() == SizeText(size, L" X "); }))
        << "the mode in force reads " << label.Text();
  }

  // Places in pixels at 96 dpi; a frame with a close box only, not sizable.
  static void ExpectLayout(const Window& window, const wchar_t* caption, Size client,
                           const std::vector<ExpectedControl>& controls) {
    ASSERT_EQ(GetDpiForWindow(window.handle), 96u);
    EXPECT_EQ(window.Text(), caption);
    RECT rect{};
    GetClientRect(window.handle, &rect);
    EXPECT_EQ((Size{rect.right, rect.bottom}), client);
    const LONG_PTR frame =
        WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(GetWindowLongPtrW(window.handle, GWL_STYLE) & frame, WS_CAPTION | WS_SYSMENU);
    for (const ExpectedControl& expected : controls) {
      SCOPED_TRACE(expected.text);
      const Window control = window.Child(expected.id);
      char kind[256] = {};
      GetClassNameA(control.handle, kind, 256);
      EXPECT_STRCASEEQ(kind, expected.kind);
      EXPECT_EQ(control.Text(), expected.text);
      EXPECT_TRUE(control.Visible());
      rect = control.ScreenRect();
      MapWindowPoints(HWND_DESKTOP, window.handle, reinterpret_cast<POINT*>(&rect), 2);
      const bool sized = expected.place[2] != 0;
      EXPECT_EQ((Place{rect.left, rect.top, sized ? rect.right - rect.left : 0,
                       sized ? rect.bottom - rect.top : 0}),
                expected.place);
    }
  }

  static std::wstring SizeText(Size size, const wchar_t* sign) {
    return std::to_wstring(size.width) + sign + std::to_wstring(size.height);
  }

  std::optional<Program> program_;
  Window main_;
  Size start_;
  int startBits_ = 0;
};

}  // namespace ilvorande::e2e
