// The notification icon's calls to the shell, and the jump list's to the
// shell's objects, which Wine 8 does not implement.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which they need.
#include <propsys.h>
#include <shellapi.h>
#include <shobjidl.h>

#include "SystemCalls.h"
#include "TestWindow.h"
#include "win32/resident/Win32JumpList.h"
#include "win32/resident/Win32NotificationIcon.h"

namespace ilvorande::win32test {
namespace {

std::string Utf8(const wchar_t* text) {
  char utf8[512] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

BOOL WINAPI RecordNotifyIcon(DWORD action, NOTIFYICONDATAW* data) {
  calls.push_back(Printed("%lu: id %u, flags %#x, message %#x, %d px, version %u, %s", action,
                          data->uID, data->uFlags, data->uCallbackMessage, IconSide(data->hIcon),
                          data->uVersion, Utf8(data->szTip).c_str()));
  return TRUE;
}

// The shell's objects as the jump list uses them, each call recorded; the
// call named in `failing` answers E_NOTIMPL, as Wine 8's list does.
inline std::string failing;

HRESULT Answer(const std::string& call) {
  calls.push_back(call);
  return !failing.empty() && call.starts_with(failing) ? E_NOTIMPL : S_OK;
}

// Every object lives as long as the test: references are not counted.
template <typename First, typename... Others>
struct Recorded : First, Others... {
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID type, void** object) override {
    *object = nullptr;
    if (type == __uuidof(IUnknown) || type == __uuidof(First)) *object = static_cast<First*>(this);
    ((type == __uuidof(Others) && (*object = static_cast<Others*>(this))), ...);
    return *object != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

struct Link final : Recorded<IShellLinkW, IPropertyStore> {
  HRESULT STDMETHODCALLTYPE SetPath(LPCWSTR path) override {
    return Answer("SetPath " + Utf8(path));
  }
  HRESULT STDMETHODCALLTYPE SetArguments(LPCWSTR arguments) override {
    return Answer("SetArguments " + Utf8(arguments));
  }
  HRESULT STDMETHODCALLTYPE SetIconLocation(LPCWSTR path, int index) override {
    return Answer(Printed("SetIconLocation %s, %d", Utf8(path).c_str(), index));
  }
  HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY key, REFPROPVARIANT value) override {
    const bool title =
        key.fmtid ==
            GUID{0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}} &&
        key.pid == 2 && value.vt == VT_LPWSTR;
    return Answer(title ? "SetValue title " + Utf8(value.pwszVal) : "SetValue other");
  }
  HRESULT STDMETHODCALLTYPE Commit() override { return Answer("Commit"); }
  // Not used.
  HRESULT STDMETHODCALLTYPE GetPath(LPWSTR, int, WIN32_FIND_DATAW*, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDescription(LPWSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetDescription(LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPWSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetArguments(LPWSTR, int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetShowCmd(int) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIconLocation(LPWSTR, int, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetRelativePath(LPCWSTR, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCount(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAt(DWORD, PROPERTYKEY*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY, PROPVARIANT*) override { return E_NOTIMPL; }
};

struct Collection final : Recorded<IObjectCollection> {
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID type, void** object) override {
    if (type != __uuidof(IObjectArray)) return Recorded::QueryInterface(type, object);
    *object = static_cast<IObjectArray*>(this);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE AddObject(IUnknown* object) override {
    return object == static_cast<IShellLinkW*>(&link) ? Answer(Printed("AddObject %u", ++count))
                                                      : Answer("AddObject other");
  }
  HRESULT STDMETHODCALLTYPE GetCount(UINT* objects) override {
    *objects = count;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetAt(UINT, REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AddFromArray(IObjectArray*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RemoveObjectAt(UINT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Clear() override { return E_NOTIMPL; }
  Link link;
  UINT count = 0;
};

struct DestinationList final : Recorded<ICustomDestinationList> {
  HRESULT STDMETHODCALLTYPE BeginList(UINT* slots, REFIID, void** removed) override {
    *slots = 10;
    *removed = nullptr;
    return Answer("BeginList");
  }
  HRESULT STDMETHODCALLTYPE AddUserTasks(IObjectArray* tasks) override {
    UINT count = 0;
    tasks->GetCount(&count);
    return Answer(Printed("AddUserTasks %u", count));
  }
  HRESULT STDMETHODCALLTYPE CommitList() override { return Answer("CommitList"); }
  HRESULT STDMETHODCALLTYPE AbortList() override { return Answer("AbortList"); }
  HRESULT STDMETHODCALLTYPE SetAppID(LPCWSTR) override { return Answer("SetAppID"); }
  HRESULT STDMETHODCALLTYPE AppendCategory(LPCWSTR, IObjectArray*) override {
    return Answer("AppendCategory");
  }
  HRESULT STDMETHODCALLTYPE AppendKnownCategory(KNOWNDESTCATEGORY) override {
    return Answer("AppendKnownCategory");
  }
  HRESULT STDMETHODCALLTYPE GetRemovedDestinations(REFIID, void**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeleteList(LPCWSTR) override { return Answer("DeleteList"); }
};

struct ShellObjects {
  DestinationList list;
  Collection collection;
};
ShellObjects* shellObjects = nullptr;

HRESULT WINAPI CreateRecorded(REFCLSID type, IUnknown*, DWORD, REFIID asked, void** object) {
  const CLSID listType = {
      0x77F10CF0, 0x3DB5, 0x4966, {0xB5, 0x20, 0xB7, 0xC5, 0x4F, 0xD3, 0x5E, 0xD6}};
  const CLSID collectionType = {
      0x2D3468C1, 0x36A7, 0x43B6, {0xAC, 0x24, 0xD3, 0xF0, 0x2F, 0xD9, 0x60, 0x7A}};
  const CLSID linkType = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  *object = nullptr;
  if (type == listType) return shellObjects->list.QueryInterface(asked, object);
  if (type == collectionType) return shellObjects->collection.QueryInterface(asked, object);
  if (type == linkType) return shellObjects->collection.link.QueryInterface(asked, object);
  return REGDB_E_CLASSNOTREG;
}

constexpr const char* Program = "C:\\Jeux vidéo\\Ilvorande.exe";

TEST(Resident, JumpListCommitsTheNineTasksInOrderOrAbandonsTheListOnAnyFailure) {
  lookedUpInstead["CoCreateInstance"] =
      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CreateRecorded));
  const char* const tasks[][2] = {
      {"1600 x 1200", "/0F"}, {"1400 x 1050", "/1F"}, {"1280 x 1024", "/7F"},
      {"1280 x 960", "/2F"},  {"1280 x 800", "/9F"},  {"1152 x 864", "/3F"},
      {"1024 x 768", "/4F"},  {"800 x 600", "/5F"},   {"640 x 480", "/6F"}};
  std::vector<std::string> all{"BeginList"};
  unsigned count = 0;
  for (const auto& [title, arguments] : tasks) {
    all.insert(
        all.end(),
        {"SetPath C:\\Jeux vidéo\\Ilvorande.exe", std::string("SetArguments ") + arguments,
         "SetIconLocation C:\\Jeux vidéo\\Ilvorande.exe, 0", std::string("SetValue title ") + title,
         "Commit", Printed("AddObject %u", ++count)});
  }
  all.insert(all.end(), {"AddUserTasks 9", "CommitList"});
  // Stopped at the first task's title, and at the tasks handed over.
  std::vector<std::string> atTitle(all.begin(), all.begin() + 5), atTasks(all);
  atTitle.push_back("AbortList");
  atTasks.back() = "AbortList";
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"", all}, {"BeginList", {"BeginList"}}, {"SetValue", atTitle}, {"AddUserTasks", atTasks}};
  for (const auto& [failingCall, expected] : cases) {
    SCOPED_TRACE(failingCall);
    ForgetCalls();
    ShellObjects objects;
    shellObjects = &objects;
    failing = failingCall;
    Win32JumpList().SetTasks(Program, JumpListTasks());
    EXPECT_EQ(calls, expected);
  }
  failing.clear();
  lookedUpInstead.erase("CoCreateInstance");
}

// 16 pixels at 96 dpi; the icon comes back when the shell starts again.
TEST(Resident, IconTakesTheSmallIconSizeOfItsDpiAndReturnsWithTheShell) {
  lookedUpInstead["Shell_NotifyIconW"] =
      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordNotifyIcon));
  constexpr UINT Callback = WM_APP + 1;
  const struct {
    UINT dpi;
    int pixels;
  } cases[] = {{96, 16}, {144, 24}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    const TestWindow window = MakeWindow();
    ForgetCalls();
    {
      Win32NotificationIcon icon(window.get(), GetModuleHandleW(nullptr), Callback);
      icon.SetDpi(c.dpi);
      icon.Show("Ilvorande : écran 2, 1024 x 768");
      icon.Show("Ilvorande : 800 x 600");
      EXPECT_EQ(icon.OnMessage(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0),
                IconEvent::Handled);
    }
    const auto call = [&](int action, unsigned flags, const char* tip) {
      return Printed("%d: id 1, flags %#x, message 0x8001, %d px, version 4, %s", action, flags,
                     c.pixels, tip);
    };
    const char* first = "Ilvorande : écran 2, 1024 x 768";
    const char* second = "Ilvorande : 800 x 600";
    EXPECT_EQ(calls, (std::vector<std::string>{
                         call(NIM_ADD, 0x87, first), call(NIM_SETVERSION, 0, first),
                         call(NIM_MODIFY, 0x84, second), call(NIM_ADD, 0x87, second),
                         call(NIM_SETVERSION, 0, second), call(NIM_DELETE, 0, second)}));
  }
  lookedUpInstead.erase("Shell_NotifyIconW");
}

}  // namespace
}  // namespace ilvorande::win32test
