#include "SystemCalls.h"

#include <windows.h>

#include <cstring>

namespace ilvorande::win32test {
namespace {

std::string Quoted(const char* text) {
  return text == nullptr ? "NULL" : "\"" + std::string(text) + "\"";
}

std::string Quoted(const wchar_t* text) {
  char utf8[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  return Quoted(utf8);
}

unsigned long long Handle(void* handle) {
  return reinterpret_cast<ULONG_PTR>(handle);
}

// As a system fills it: a full-size header, the fields it filled, a refresh rate.
BOOL WINAPI RecordEnumeration(LPCSTR device, DWORD mode, DEVMODEA* record) {
  calls.push_back(Printed("EnumDisplaySettingsA(%s, %lu)", Quoted(device).c_str(), mode));
  *record = DEVMODEA{};
  record->dmSize = sizeof(DEVMODEA);
  record->dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  record->dmDisplayFrequency = 75;
  return TRUE;
}

// The mode asked for, and the next scripted answer.
LONG Changed(const DEVMODEA* record, DWORD flags, const std::string& function) {
  calls.push_back(function + Printed("%lu x %lu x %lu, fields %#lx, size %u, %lu Hz, flags %lu)",
                                     record->dmPelsWidth, record->dmPelsHeight,
                                     record->dmBitsPerPel, record->dmFields, record->dmSize,
                                     record->dmDisplayFrequency, flags));
  if (displayAnswers.empty()) return DISP_CHANGE_SUCCESSFUL;
  const long answer = displayAnswers.front();
  displayAnswers.pop_front();
  return answer;
}

LONG WINAPI RecordChange(DEVMODEA* record, DWORD flags) {
  return Changed(record, flags, "ChangeDisplaySettingsA(");
}

LONG WINAPI RecordChangeOf(LPCSTR device, DEVMODEA* record, HWND, DWORD flags, LPVOID) {
  return Changed(record, flags, "ChangeDisplaySettingsExA(" + Quoted(device) + ", ");
}

BOOL WINAPI ListDevice(LPCSTR adapter, DWORD index, DISPLAY_DEVICEA* device, DWORD flags) {
  calls.push_back(
      Printed("EnumDisplayDevicesA(%s, %lu, %lu)", Quoted(adapter).c_str(), index, flags));
  if (index >= devices.size()) return FALSE;
  std::strcpy(device->DeviceName, devices[index].name);
  device->StateFlags = devices[index].flags;
  return TRUE;
}

// A monitor's handle is its device's place in the list, from 1.
BOOL WINAPI ListMonitors(HDC, const RECT*, MONITORENUMPROC report, LPARAM data) {
  calls.push_back("EnumDisplayMonitors()");
  for (std::size_t index = 0; index < devices.size(); ++index)
    if (devices[index].flags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP)
      report(reinterpret_cast<HMONITOR>(index + 1), nullptr, &devices[index].place, data);
  return TRUE;
}

BOOL WINAPI DescribeMonitor(HMONITOR monitor, MONITORINFO* info) {
  const DisplayDevice& device = devices.at(reinterpret_cast<std::size_t>(monitor) - 1);
  info->rcMonitor = device.place;
  std::strcpy(reinterpret_cast<MONITORINFOEXA*>(info)->szDevice, device.name);
  return TRUE;
}

// A device's context is its device's place in the list, from DeviceContexts.
constexpr ULONG_PTR DeviceContexts = 0x1000;

HDC WINAPI RecordCreateDC(LPCSTR driver, LPCSTR, LPCSTR, const DEVMODEA*) {
  calls.push_back(Printed("CreateDCA(%s)", Quoted(driver).c_str()));
  for (std::size_t index = 0; index < devices.size(); ++index)
    if (std::strcmp(devices[index].name, driver) == 0)
      return reinterpret_cast<HDC>(DeviceContexts + index);
  return nullptr;
}

int WINAPI DeviceDepth(HDC dc, int index) {
  const auto device = reinterpret_cast<ULONG_PTR>(dc) - DeviceContexts;
  if (index != BITSPIXEL || device >= devices.size()) return __real___imp_GetDeviceCaps(dc, index);
  return devices[device].depth;
}

// SendMessageW is made too: the tests' real windows need their messages.
template <char Kind, decltype(&::SendMessageW)* Real = nullptr>
LRESULT WINAPI RecordMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  calls.push_back(Printed("SendMessage%c(%#llx, %#x, %#llx, %#llx)", Kind, Handle(window), message,
                          static_cast<unsigned long long>(wParam),
                          static_cast<unsigned long long>(lParam)));
  return Real != nullptr ? (*Real)(window, message, wParam, lParam) : 0;
}

// Never the real one: under Wine it ends the Wine session.
BOOL WINAPI RecordExit(UINT flags, DWORD reason) {
  calls.push_back(Printed("ExitWindowsEx(%u, %lu)", flags, reason));
  return TRUE;
}

int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR title, UINT style) {
  calls.push_back(Printed("MessageBoxW(%#llx, %s, %s, %#x)", Handle(owner), Quoted(text).c_str(),
                          Quoted(title).c_str(), style));
  return pressedButton;
}

// As the system answers: a path too long is cut to the buffer, whose size it answers.
DWORD WINAPI AnswerModuleFileName(HMODULE module, LPWSTR path, DWORD size) {
  if (modulePath.empty()) return __real___imp_GetModuleFileNameW(module, path, size);
  const DWORD length = static_cast<DWORD>(modulePath.size());
  const DWORD copied = length < size ? length : size - 1;
  path[modulePath.copy(path, copied)] = L'\0';
  return length < size ? length : size;
}

int WINAPI AnswerLocaleInfo(LCID locale, LCTYPE kind, LPWSTR text, int size) {
  if (!localeAnswers) return __real___imp_GetLocaleInfoW(locale, kind, text, size);
  calls.push_back(Printed("GetLocaleInfoW(%#lx, %#lx)", locale, kind));
  const auto answer = localeAnswers->find(kind);
  if (answer == localeAnswers->end() || answer->second.size() >= static_cast<size_t>(size))
    return 0;
  text[answer->second.copy(text, answer->second.size())] = L'\0';
  return static_cast<int>(answer->second.size()) + 1;  // with the terminator
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR folder, INT show) {
  calls.push_back(Printed("ShellExecuteA(%#llx, %s, %s, %s, %s, %d)", Handle(owner),
                          Quoted(verb).c_str(), Quoted(file).c_str(), Quoted(parameters).c_str(),
                          Quoted(folder).c_str(), show));
  constexpr INT_PTR Opened = 42;  // above 32: success
  return reinterpret_cast<HINSTANCE>(Opened);
}

// shell32's ShellExecuteA and those handed out instead are ours; the rest the system's.
FARPROC WINAPI LookUp(HMODULE module, LPCSTR name) {
  if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) == 0)
    return __real___imp_GetProcAddress(module, name);
  if (const auto instead = lookedUpInstead.find(name); instead != lookedUpInstead.end())
    return instead->second;
  if (std::strcmp(name, "ShellExecuteA") == 0 && module == GetModuleHandleW(L"shell32.dll"))
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordShellExecute));
  return __real___imp_GetProcAddress(module, name);
}

}  // namespace
}  // namespace ilvorande::win32test

using namespace ilvorande::win32test;
REPLACE_SYSTEM_CALL(EnumDisplaySettingsA, &RecordEnumeration);
REPLACE_SYSTEM_CALL(ChangeDisplaySettingsA, &RecordChange);
REPLACE_SYSTEM_CALL(SendMessageA, &RecordMessage<'A'>);
REPLACE_SYSTEM_CALL(SendMessageW, (&RecordMessage<'W', &__real___imp_SendMessageW>));
REPLACE_SYSTEM_CALL(ExitWindowsEx, &RecordExit);
REPLACE_SYSTEM_CALL(MessageBoxW, &RecordMessageBox);
REPLACE_SYSTEM_CALL(GetProcAddress, &LookUp);
REPLACE_SYSTEM_CALL(GetModuleFileNameW, &AnswerModuleFileName);
REPLACE_SYSTEM_CALL(GetLocaleInfoW, &AnswerLocaleInfo);
REPLACE_SYSTEM_CALL(ChangeDisplaySettingsExA, &RecordChangeOf);
REPLACE_SYSTEM_CALL(EnumDisplayDevicesA, &ListDevice);
REPLACE_SYSTEM_CALL(EnumDisplayMonitors, &ListMonitors);
REPLACE_SYSTEM_CALL(GetMonitorInfoA, &DescribeMonitor);
REPLACE_SYSTEM_CALL(CreateDCA, &RecordCreateDC);
REPLACE_SYSTEM_CALL(GetDeviceCaps, &DeviceDepth);

// Every function listed is replaced, here or in a suite: one left out fails the link.
extern const void* const replacements[];
const void* const replacements[] = {
#define SYSTEM_CALL(Name) &__wrap___imp_##Name,
#include "WrappedCalls.def"
#undef SYSTEM_CALL
};
