#include "driver/Driver.h"

#include <tlhelp32.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace ilvorande::e2e {

namespace {

const DWORD kDeadlineMs = static_cast<DWORD>(kDeadline.count());

// A 32-bit top-down bitmap selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF background) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    const HBRUSH brush = CreateSolidBrush(background);
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC Dc() const { return dc_; }
  Picture Read() const {
    GdiFlush();
    if (bits_ == nullptr) return {};
    Picture picture{width_, height_, {bits_, bits_ + static_cast<size_t>(width_) * height_}};
    for (std::uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
    return picture;
  }

 private:
  int width_, height_;
  HDC dc_ = CreateCompatibleDC(nullptr);
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

bool Near(std::uint32_t pixel, COLORREF colour) {
  return std::abs(static_cast<int>(pixel >> 16 & 0xFF) - GetRValue(colour)) <= 40 &&
         std::abs(static_cast<int>(pixel >> 8 & 0xFF) - GetGValue(colour)) <= 40 &&
         std::abs(static_cast<int>(pixel & 0xFF) - GetBValue(colour)) <= 40;
}

Picture DrawnIcon(HICON icon, int width, int height, COLORREF background) {
  const Canvas canvas(width, height, background);
  DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  return canvas.Read();
}

// Each Wine process holds its own copy of the system icons, so the handles
// differ: the icon shown is compared with each one drawn here.
BoxIcon IconOf(const Window& box) {
  Window icon = FindWindowExW(box.Handle(), nullptr, L"Static", nullptr);
  while (icon.Exists() && (icon.Style() & SS_TYPEMASK) != SS_ICON)
    icon = FindWindowExW(box.Handle(), icon.Handle(), L"Static", nullptr);
  if (!icon.Exists() || !icon.Visible()) return BoxIcon::None;
  const Picture shown = Capture(icon.ScreenRect());
  if (shown.pixels.empty()) return BoxIcon::Other;
  const COLORREF corner = RGB(shown.pixels[0] >> 16, shown.pixels[0] >> 8, shown.pixels[0]);
  for (const auto& [kind, id] :
       {std::pair{BoxIcon::Stop, IDI_ERROR}, std::pair{BoxIcon::Information, IDI_INFORMATION}}) {
    const Picture drawn = DrawnIcon(LoadIconW(nullptr, id), shown.width, shown.height, corner);
    size_t differing = 0;
    for (size_t i = 0; i < shown.pixels.size(); ++i) {
      const std::uint32_t p = drawn.pixels[i];
      differing += !Near(shown.pixels[i], RGB(p >> 16, p >> 8, p));
    }
    if (differing * 20 < shown.pixels.size()) return kind;
  }
  return BoxIcon::Other;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + kDeadline;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return done();
    Sleep(10);  // polling interval, not a wait for the program
  }
  return true;
}

std::wstring Widen(std::string_view utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

std::string Narrow(std::wstring_view text) {
  std::string out(text.size() * 3, '\0');
  out.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::string ReadBytes(const fs::path& file) {
  std::string bytes;
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
  CloseHandle(handle);
  return bytes;
}

std::string Window::ClassName() const {
  char name[256] = {};
  return std::string(name, std::max(0, GetClassNameA(handle_, name, 256)));
}

std::wstring Window::Text() const {
  std::wstring text(Send(WM_GETTEXTLENGTH).value_or(0) + 1, L'\0');
  text.resize(Send(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())).value_or(0));
  return text;
}

bool Window::SetText(const std::wstring& text) const {
  return Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())).value_or(FALSE);
}

Size Window::ClientSize() const {
  RECT rect{};
  GetClientRect(handle_, &rect);
  return {rect.right, rect.bottom};
}

RECT Window::ScreenRect() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  return rect;
}

Place Window::PlaceInParent() const {
  RECT rect = ScreenRect();
  MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::optional<LRESULT> Window::Send(UINT message, WPARAM wparam, LPARAM lparam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(handle_, message, wparam, lparam, SMTO_ABORTIFHUNG, kDeadlineMs,
                           &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

std::optional<POINT> ExposedPoint(const Window& control) {
  const RECT rect = control.ScreenRect();
  const LONG x = (rect.left + rect.right) / 2;
  LONG top = rect.top, bottom;
  while (top < rect.bottom && WindowFromPoint({x, top}) != control.Handle()) ++top;
  for (bottom = top; bottom < rect.bottom && WindowFromPoint({x, bottom}) == control.Handle();)
    ++bottom;
  if (top == bottom) return std::nullopt;
  return POINT{x, (top + bottom) / 2};
}

bool MouseClick(const Window& control) {
  const auto point = ExposedPoint(control);
  if (!point || !SetCursorPos(point->x, point->y)) return false;
  // The place goes with the buttons: a late X event for a window that opened
  // under the pointer may still move it back.
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    const Size screen = ScreenSize();
    input.type = INPUT_MOUSE;
    input.mi.dx = (point->x * 65536 + screen.width - 1) / screen.width;
    input.mi.dy = (point->y * 65536 + screen.height - 1) / screen.height;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  }
  inputs[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs(keys.size() * 2);
  size_t pressed = 0;
  for (const WORD key : keys) {
    INPUT& press = inputs[pressed];
    INPUT& release = inputs[inputs.size() - 1 - pressed++];
    press.type = release.type = INPUT_KEYBOARD;
    press.ki.wVk = release.ki.wVk = key;
    release.ki.dwFlags = KEYEVENTF_KEYUP;
  }
  const UINT count = static_cast<UINT>(inputs.size());
  return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

bool BringToFront(const Window& window) {
  return WaitUntil([&] {
    if (GetForegroundWindow() != window.Handle()) SetForegroundWindow(window.Handle());
    return GetForegroundWindow() == window.Handle();
  });
}

Window FocusedControl(const Window& window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window.Handle(), nullptr), &info);
  return info.hwndFocus;
}

fs::path Program::Installed() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path() / L"Ilvorande.exe";
}

Program::Program(std::wstring_view arguments, const fs::path& executable) {
  std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // Wine now and then refuses a start with ERROR_INTERNAL_ERROR while the
  // previous program is still being torn down; a later try succeeds.
  WaitUntil([&] {
    return CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                          nullptr, executable.parent_path().c_str(), &startup, &info) ||
           GetLastError() != ERROR_INTERNAL_ERROR;
  });
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

Program::~Program() {
  if (Running()) TerminateProcess(process_, 0xDEAD);
  WaitForSingleObject(process_, kDeadlineMs);
  CloseHandle(process_);
}

std::optional<DWORD> Program::WaitForExit() const {
  DWORD status = 0;
  if (WaitForSingleObject(process_, kDeadlineMs) != WAIT_OBJECT_0) return std::nullopt;
  GetExitCodeProcess(process_, &status);
  return status;
}

std::vector<Window> Program::Windows(const char* className) const {
  struct Search {
    DWORD id;
    const char* className;
    std::vector<Window> found;
  } search{id_, className, {}};
  EnumWindows(
      [](HWND handle, LPARAM context) {
        auto& search = *reinterpret_cast<Search*>(context);
        const Window window(handle);
        DWORD owner = 0;
        GetWindowThreadProcessId(handle, &owner);
        if (owner == search.id && window.Visible() &&
            (search.className == nullptr || window.ClassName() == search.className))
          search.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Window Program::WaitForWindow(const char* className) const {
  std::vector<Window> found;
  WaitUntil([&] { return !(found = Windows(className)).empty() || !Running(); });
  return found.empty() ? Window() : found.front();
}

std::vector<MessageBoxSeen> Program::MessageBoxes() const {
  std::vector<MessageBoxSeen> boxes;
  for (const Window& box : Windows("#32770"))
    boxes.push_back({box, box.Text(), box.Child(0xFFFF).Text(), IconOf(box)});
  return boxes;
}

std::optional<MessageBoxSeen> Program::WaitForMessageBox() const {
  std::vector<MessageBoxSeen> boxes;
  WaitUntil([&] {
    boxes = MessageBoxes();
    return (!boxes.empty() && boxes[0].icon != BoxIcon::Other) || !Running();
  });
  if (boxes.empty()) return std::nullopt;
  return boxes[0];
}

std::vector<DWORD> ProcessesNamed(const wchar_t* exeName) {
  std::vector<DWORD> ids;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
    if (_wcsicmp(entry.szExeFile, exeName) == 0) ids.push_back(entry.th32ProcessID);
  CloseHandle(snapshot);
  return ids;
}

Size ScreenSize() {
  // Not EnumDisplaySettings(ENUM_CURRENT_SETTINGS): Wine 8 answers that from
  // the mode this process first saw, blind to another process's switch.
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool SetMode(Size size, int bitsPerPixel) {
  DEVMODEW mode{};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
  mode.dmPelsWidth = static_cast<DWORD>(size.width);
  mode.dmPelsHeight = static_cast<DWORD>(size.height);
  mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
  return ChangeDisplaySettingsW(&mode, CDS_UPDATEREGISTRY) == DISP_CHANGE_SUCCESSFUL;
}

std::optional<Size> XrandrSize() {
  // "Screen 0: minimum 64 x 64, current 1600 x 1200, maximum ..."
  const std::string text = RunOnHost("xrandr --current").value_or("");
  const size_t current = text.find("current ");
  Size size;
  if (current == std::string::npos ||
      std::sscanf(text.c_str() + current, "current %d x %d", &size.width, &size.height) != 2)
    return std::nullopt;
  return size;
}

std::optional<std::string> RunOnHost(const std::string& script, std::string* why) {
  wchar_t folder[MAX_PATH] = {}, output[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"sh", 0, output);
  // A file, not a pipe: Wine helpers that the script may start inherit it.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file = CreateFileW(output, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                  &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = file;
  // Wine gives no process handle for a host program: the last line says that
  // the script has ended, and how. Scripts hold no double quote.
  std::wstring command = L"/bin/sh -c \"(" + Widen(script) + L") 2>&1; echo @@status=$?\"";
  PROCESS_INFORMATION info{};
  const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &info);
  CloseHandle(file);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
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

std::string UnixPath(const fs::path& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* unixPath = toUnix(path.c_str());
  const std::string result(unixPath != nullptr ? unixPath : "");
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}

std::string ShellQuoted(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

Picture Capture(const RECT& screenRect) {
  const Canvas canvas(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top, 0);
  const HDC screen = GetDC(nullptr);
  BitBlt(canvas.Dc(), 0, 0, screenRect.right - screenRect.left, screenRect.bottom - screenRect.top,
         screen, screenRect.left, screenRect.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.Read();
}

Picture Render(const std::wstring& text, const Font& font, UINT dpi, Size size, COLORREF ink,
               UINT format) {
  const Canvas canvas(size.width, size.height, GetSysColor(COLOR_BTNFACE));
  const HFONT handle = CreateFontW(-std::lround(font.points * dpi / 72), 0, 0, 0, FW_NORMAL, FALSE,
                                   font.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.face);
  const HGDIOBJ old = SelectObject(canvas.Dc(), handle);
  SetTextColor(canvas.Dc(), ink);
  SetBkMode(canvas.Dc(), TRANSPARENT);
  RECT rect{0, 0, size.width, size.height};
  DrawTextW(canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &rect, format);
  SelectObject(canvas.Dc(), old);
  DeleteObject(handle);
  return canvas.Read();
}

Place InkBounds(const Picture& picture, COLORREF ink) {
  int left = picture.width, top = picture.height, right = -1, bottom = -1;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (!Near(picture.pixels[static_cast<size_t>(y) * picture.width + x], ink)) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {left, top, right - left + 1, bottom - top + 1};
}

std::optional<Pointer> ShownPointer() {
  const auto text = RunOnHost("/usr/bin/python3 " +
                              ShellQuoted(ILVORANDE_SOURCE_DIR "/tests/e2e/driver/x_pointer.py"));
  std::istringstream in(text.value_or(""));
  int width = 0, height = 0;
  Pointer pointer;
  in >> width >> height >> pointer.hotSpot.x >> pointer.hotSpot.y >> std::hex;
  pointer.argb.resize(static_cast<size_t>(std::max(0, width * height)));
  for (std::uint32_t& pixel : pointer.argb) in >> pixel;
  if (!in) return std::nullopt;
  return pointer;
}

bool ShowsIcon(const Pointer& pointer, const fs::path& iconFile) {
  const HICON icon = static_cast<HICON>(
      LoadImageW(nullptr, iconFile.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
  // On black and on white: a clear pixel takes the background's colour.
  const Picture onBlack = DrawnIcon(icon, 32, 32, RGB(0, 0, 0));
  const Picture onWhite = DrawnIcon(icon, 32, 32, RGB(255, 255, 255));
  DestroyIcon(icon);
  if (icon == nullptr || pointer.argb.size() != onBlack.pixels.size()) return false;
  for (size_t i = 0; i < pointer.argb.size(); ++i) {
    const bool clear = onBlack.pixels[i] == 0 && onWhite.pixels[i] == 0xFFFFFF;
    if (clear ? pointer.argb[i] >> 24 != 0
              : pointer.argb[i] != (0xFF000000 | onBlack.pixels[i]) ||
                    onBlack.pixels[i] != onWhite.pixels[i])
      return false;
  }
  return true;
}

void ProgramTest::SetUp() {
  // Real pixels, as the per-monitor aware program sees them.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  start_ = ScreenSize();
  const HDC screen = GetDC(nullptr);
  startBits_ = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
}

void ProgramTest::TearDown() {
  program_.reset();
  // One that a shortcut started is not held by a Program.
  for (const DWORD stray : ProcessesNamed(L"Ilvorande.exe")) {
    ADD_FAILURE() << "a program started by the test still runs";
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, stray);
    TerminateProcess(process, 0xDEAD);
    WaitForSingleObject(process, kDeadlineMs);
    CloseHandle(process);
  }
  BackToStartMode();
}

void ProgramTest::BackToStartMode() {
  EXPECT_TRUE(ScreenSize() == start_ || SetMode(start_, startBits_));
  EXPECT_TRUE(WaitUntil([&] { return ScreenSize() == start_; }));
  EXPECT_EQ(XrandrSize(), start_) << "the X server's mode";
}

void ProgramTest::Launch(std::wstring_view arguments, const fs::path& executable) {
  program_.reset();
  program_.emplace(arguments, executable);
  main_ = program_->WaitForWindow(MainWindowClassName);
  ASSERT_TRUE(main_.Exists()) << "the main window did not show";
}

void ProgramTest::ExpectMode(Size size) {
  WaitUntil([&] { return ScreenSize() == size || !program_->MessageBoxes().empty(); });
  for (const MessageBoxSeen& box : program_->MessageBoxes())
    FAIL() << "message box " << Narrow(box.title) << ": " << Narrow(box.text);
  ASSERT_EQ(ScreenSize(), size);
  EXPECT_EQ(XrandrSize(), size) << "the X server's mode";
  const Window label = Control(MainControl::ModeInForce);
  EXPECT_TRUE(WaitUntil([&] { return label.Text() == SizeText(size, L" X "); }))
      << "Label1 reads " << Narrow(label.Text());
}

void ProgramTest::ExpectFixedFrame(const Window& window) {
  const LONG_PTR frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  EXPECT_EQ(window.Style() & frame, WS_CAPTION | WS_SYSMENU);
}

std::wstring ProgramTest::SizeText(Size size, const wchar_t* sign) {
  return std::to_wstring(size.width) + sign + std::to_wstring(size.height);
}

}  // namespace ilvorande::e2e
