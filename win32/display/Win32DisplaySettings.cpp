#include "win32/display/Win32DisplaySettings.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
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

DevModeRecord EnumeratedRecord() {
  DevModeRecord record{};
  // The enumeration fills the header too; setting it first serves systems
  // that insist on a caller-set size.
  record.dmSize = DevModeRecordSize;
  auto buffer = SystemBuffer(record);
  EnumDisplaySettingsA(nullptr, FirstGraphicsMode, reinterpret_cast<DEVMODEA*>(buffer.data()));
  std::memcpy(&record, buffer.data(), sizeof record);
  return record;
}

// Tells every top-level window, wParam the depth as a 32-bit value; a size
// whose packed form doesn't fit lParam's 32 signed bits is not told.
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

}  // namespace

std::int32_t Win32DisplaySettings::CurrentDepth() {
  const CreatedDC display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  return GetDeviceCaps(display.get(), BITSPIXEL);
}

SwitchAnswer Win32DisplaySettings::Switch(std::int32_t width, std::int32_t height,
                                          std::int16_t depth) {
  auto buffer = SystemBuffer(BuildSwitchRecord(EnumeratedRecord(), width, height, depth));
  auto* record = reinterpret_cast<DEVMODEA*>(buffer.data());
  switch (ChangeDisplaySettingsA(record, CDS_FULLSCREEN)) {
    case DISP_CHANGE_SUCCESSFUL:
      ChangeDisplaySettingsA(record, CDS_UPDATEREGISTRY);
      BroadcastChange(width, height, depth);
      return SwitchAnswer::Switched;
    case DISP_CHANGE_RESTART:
      return SwitchAnswer::NeedsRestart;
    default:
      return SwitchAnswer::Refused;
  }
}

void Win32DisplaySettings::RequestRestart() {
  EnableShutdownPrivilege();
  ExitWindowsEx(EWX_REBOOT, 0);
}

}  // namespace ilvorande
