#include "win32/display/Win32DisplaySettings.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/display/SwitchRecord.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

static_assert(sizeof(DevModeRecord) == offsetof(DEVMODEA, dmICMMethod));
static_assert(FieldsOfASwitch == (DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT));

namespace {

// The first graphics mode of the device, not its current settings: only the
// header and defaults are wanted from it.
constexpr DWORD FirstGraphicsMode = 0;
constexpr std::string_view DeviceNamePrefix = "\\\\.\\DISPLAY";
// WM_DISPLAYCHANGE carries the height in the high 16 bits, the width in the low ones.
constexpr std::int64_t HighHalf = std::int64_t{1} << 16;

// The record in a buffer as large as the system may read: a full DEVMODEA
// plus the driver's private bytes that the header announces.
std::vector<BYTE> SystemBuffer(const DevModeRecord& record) {
  const std::size_t size =
      std::max<std::size_t>(sizeof(DEVMODEA), record.dmSize) + record.dmDriverExtra;
  std::vector<BYTE> buffer(size, 0);
  std::memcpy(buffer.data(), &record, sizeof record);
  return buffer;
}

// Of the primary (no device named), or of the device of that name.
DevModeRecord EnumeratedRecord(const char* device) {
  DevModeRecord record{};
  // The enumeration fills the header too; setting it first serves systems
  // that insist on a caller-set size.
  record.dmSize = DevModeRecordSize;
  auto buffer = SystemBuffer(record);
  EnumDisplaySettingsA(device, FirstGraphicsMode, reinterpret_cast<DEVMODEA*>(buffer.data()));
  std::memcpy(&record, buffer.data(), sizeof record);
  return record;
}

// N of "\\.\DISPLAYN"; nothing for any other name, so that the number
// always spells the name back.
std::optional<int> ScreenNumber(std::string_view deviceName) {
  // More than any system numbers its screens with; keeps the number in range.
  constexpr std::size_t MostDigits = 4;
  constexpr int Decimal = 10;
  if (!deviceName.starts_with(DeviceNamePrefix)) return std::nullopt;
  const std::string_view digits = deviceName.substr(DeviceNamePrefix.size());
  if (digits.empty() || digits.size() > MostDigits || digits.front() == '0') return std::nullopt;
  int number = 0;
  for (const char digit : digits) {
    if (digit < '0' || digit > '9') return std::nullopt;
    number = number * Decimal + (digit - '0');
  }
  return number;
}

std::string DeviceName(int number) {
  return std::string(DeviceNamePrefix) + std::to_string(number);
}

struct MonitorSize {
  CHAR device[CCHDEVICENAME];
  SIZE size;
};

// Each monitor's size by its device name. Not the device's current settings:
// Wine 8 answers those from what this process first saw of the device, so a
// screen attached since reads 0 x 0 and another program's switch is missed.
std::vector<MonitorSize> MonitorSizes() {
  std::vector<MonitorSize> sizes;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, RECT*, LPARAM found) -> BOOL {
        MONITORINFOEXA info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoA(monitor, &info)) {
          const RECT& place = info.rcMonitor;
          MonitorSize& size = reinterpret_cast<std::vector<MonitorSize>*>(found)->emplace_back();
          std::memcpy(size.device, info.szDevice, sizeof size.device);
          size.size = {place.right - place.left, place.bottom - place.top};
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&sizes));
  return sizes;
}

std::int32_t DepthOf(const char* device) {
  const CreatedDC display(CreateDCA(device, nullptr, nullptr, nullptr));
  return GetDeviceCaps(display.get(), BITSPIXEL);
}

// Windows sends WM_DISPLAYCHANGE itself after every dynamic change of mode
// (ChangeDisplaySettingsEx's remarks), and so does Wine 8, checked: nothing
// documented needs this second one, and nothing in the program reads more
// from it than the system's own message gives. It stays because the program
// has always sent it, once the mode is stored, and other programs may have
// come to wait for it; the recorded calls of a switch stay exactly as they
// were. wParam is the depth as a 32-bit value, lParam the switched screen's
// size; a size whose packed form doesn't fit lParam's 32 signed bits is not
// told.
void BroadcastChange(std::int32_t width, std::int32_t height, std::int32_t depth) {
  const std::int64_t packedSize = height * HighHalf + width;
  if (!std::in_range<std::int32_t>(packedSize)) return;
  SendMessageA(HWND_BROADCAST, WM_DISPLAYCHANGE,
               static_cast<WPARAM>(static_cast<std::uint32_t>(depth)),
               static_cast<LPARAM>(static_cast<std::int32_t>(packedSize)));
}

// Without this privilege an NT-family system refuses the restart silently.
void EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    return;
  }
  const UniqueHandle owner(token);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return;
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
}

// The answer to the first of a switch's two changes; the second, which
// stores the mode, is made only once the first has worked.
SwitchAnswer AnswerOf(LONG firstChange) {
  switch (firstChange) {
    case DISP_CHANGE_SUCCESSFUL:
      return SwitchAnswer::Switched;
    case DISP_CHANGE_RESTART:
      return SwitchAnswer::NeedsRestart;
    default:
      return SwitchAnswer::Refused;
  }
}

}  // namespace

// Real pixels: the program is dpi aware, so no scale stands in between.
ScreenSize Win32DisplaySettings::PrimarySize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::int32_t Win32DisplaySettings::PrimaryDepth() {
  return DepthOf("DISPLAY");
}

int Win32DisplaySettings::AttachedScreenCount() {
  return GetSystemMetrics(SM_CMONITORS);
}

std::vector<AttachedScreen> Win32DisplaySettings::AttachedScreens() {
  const std::vector<MonitorSize> sizes = MonitorSizes();
  std::vector<AttachedScreen> screens;
  DISPLAY_DEVICEA device{};
  device.cb = sizeof device;
  for (DWORD index = 0; EnumDisplayDevicesA(nullptr, index, &device, 0); ++index) {
    const auto number = ScreenNumber(device.DeviceName);
    const auto monitor = std::ranges::find_if(sizes, [&](const MonitorSize& size) {
      return std::strcmp(size.device, device.DeviceName) == 0;
    });
    if ((device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) != 0 && number &&
        monitor != sizes.end()) {
      // In the order of their numbers, which is mostly the system's own.
      screens.insert(std::ranges::upper_bound(screens, *number, {}, &AttachedScreen::number),
                     {*number, (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0,
                      monitor->size.cx, monitor->size.cy, DepthOf(device.DeviceName)});
    }
  }
  return screens;
}

// The primary by the calls the program always made for it, which name no
// device; another screen by its device name.
SwitchAnswer Win32DisplaySettings::Switch(std::optional<int> otherScreen, std::int32_t width,
                                          std::int32_t height, std::int16_t depth) {
  const std::string name = otherScreen ? DeviceName(*otherScreen) : std::string();
  const char* const device = otherScreen ? name.c_str() : nullptr;
  auto buffer = SystemBuffer(BuildSwitchRecord(EnumeratedRecord(device), width, height, depth));
  auto* record = reinterpret_cast<DEVMODEA*>(buffer.data());
  const auto change = [&](DWORD flags) {
    return device != nullptr ? ChangeDisplaySettingsExA(device, record, nullptr, flags, nullptr)
                             : ChangeDisplaySettingsA(record, flags);
  };
  const SwitchAnswer answer = AnswerOf(change(CDS_FULLSCREEN));
  if (answer == SwitchAnswer::Switched) {
    change(CDS_UPDATEREGISTRY);
    BroadcastChange(width, height, depth);
  }
  return answer;
}

void Win32DisplaySettings::RequestRestart() {
  EnableShutdownPrivilege();
  ExitWindowsEx(EWX_REBOOT, 0);
}

}  // namespace ilvorande
