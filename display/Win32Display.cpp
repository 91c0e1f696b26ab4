#include "display/Win32Display.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "toolkit/Win32Handles.h"

namespace ilvorande {

static_assert(sizeof(DevModeRecord) == offsetof(DEVMODEA, dmICMMethod));

namespace {

// The record in a buffer as large as the system may read: a full DEVMODEA
// plus the driver's private bytes that the header announces.
std::vector<BYTE> SystemBuffer(const DevModeRecord& record) {
  const std::size_t size =
      std::max<std::size_t>(sizeof(DEVMODEA), record.dmSize) + record.dmDriverExtra;
  std::vector<BYTE> buffer(size, 0);
  std::memcpy(buffer.data(), &record, sizeof record);
  return buffer;
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

void Win32Display::EnumDisplaySettingsA(std::uint32_t modeNumber, DevModeRecord& record) {
  auto buffer = SystemBuffer(record);
  ::EnumDisplaySettingsA(nullptr, modeNumber, reinterpret_cast<DEVMODEA*>(buffer.data()));
  std::memcpy(&record, buffer.data(), sizeof record);
}

std::int32_t Win32Display::ChangeDisplaySettingsA(const DevModeRecord& record,
                                                  std::uint32_t flags) {
  auto buffer = SystemBuffer(record);
  return ::ChangeDisplaySettingsA(reinterpret_cast<DEVMODEA*>(buffer.data()), flags);
}

void Win32Display::SendMessageA(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                                std::intptr_t lParam) {
  ::SendMessageA(reinterpret_cast<HWND>(window), message, wParam, lParam);
}

void Win32Display::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  EnableShutdownPrivilege();
  ::ExitWindowsEx(flags, reason);
}

DeviceContext Win32Display::CreateDCA() {
  return reinterpret_cast<DeviceContext>(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
}

std::int32_t Win32Display::GetDeviceCaps(DeviceContext dc, std::int32_t index) {
  return ::GetDeviceCaps(reinterpret_cast<HDC>(dc), index);
}

void Win32Display::DeleteDC(DeviceContext dc) {
  ::DeleteDC(reinterpret_cast<HDC>(dc));
}

}  // namespace ilvorande
