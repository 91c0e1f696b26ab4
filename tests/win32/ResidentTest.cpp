// The jump list's shell objects are recorded: Wine 8 does not implement them.
#include <gtest/gtest.h>
#include <windows.h>

#include <propsys.h>
#include <shellapi.h>
#include <shobjidl.h>

#include "SystemCalls.h"
#include "TestWindow.h"
#include "win32/resident/Win32GlobalKeys.h"
#include "win32/resident/Win32JumpList.h"
#include "win32/resident/Win32NotificationIcon.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande::win32test {
namespace {

BOOL WINAPI RecordNotifyIcon(DWORD action, NOTIFYICONDATAW* data) {
  calls.push_back(Printed("%lu: id %u, flags %#x, message %#x, %d px, version %u, %s", action,
                          data->uID, data->uFlags, data->uCallbackMessage, IconSide(data->hIcon),
                          data->uVersion, WideToUtf8(data->szTip).c_str()));
  return TRUE;
}

// The shell's objects as the jump list uses them, each call recorded; the
// call named in `failing` answers E_NOTIMPL, as Wine 8's list does.
inline std::string failing;

HRESULT Answer(const std::string& call) {
  calls.push_back(call);
  return !failing.empty() && call.starts_with(failing) ? E_NOTIMPL : S_OK;
}

#define NOT_USED(name, ...)                              \
  HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { \
    return E_NOTIMPL;                                    \
  }                                                      \
  static_assert(true)
#define RECORDED(name, ...)                              \
  HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { \
    return Answer(#name);                                \
  }                                                      \
  static_assert(true)

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
    return Answer("SetPath " + WideToUtf8(path));
  }
  HRESULT STDMETHODCALLTYPE SetArguments(LPCWSTR arguments) override {
    return Answer("SetArguments " + WideToUtf8(arguments));
  }
  HRESULT STDMETHODCALLTYPE SetIconLocation(LPCWSTR path, int index) override {
    return Answer(Printed("SetIconLocation %s, %d", WideToUtf8(path).c_str(), index));
  }
  HRESULT STDMETHODCALLTYPE SetValue(REFPROPERTYKEY key, REFPROPVARIANT value) override {
    const GUID titleKey{
        0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}};
    return Answer(key.fmtid == titleKey && key.pid == 2 && value.vt == VT_LPWSTR
                      ? "SetValue title " + WideToUtf8(value.pwszVal)
                      : "SetValue other");
  }
  RECORDED(Commit);
  NOT_USED(GetPath, LPWSTR, int, WIN32_FIND_DATAW*, DWORD);
  NOT_USED(GetIDList, PIDLIST_ABSOLUTE*);
  NOT_USED(SetIDList, PCIDLIST_ABSOLUTE);
  NOT_USED(GetDescription, LPWSTR, int);
  NOT_USED(SetDescription, LPCWSTR);
  NOT_USED(GetWorkingDirectory, LPWSTR, int);
  NOT_USED(SetWorkingDirectory, LPCWSTR);
  NOT_USED(GetArguments, LPWSTR, int);
  NOT_USED(GetHotkey, WORD*);
  NOT_USED(SetHotkey, WORD);
  NOT_USED(GetShowCmd, int*);
  NOT_USED(SetShowCmd, int);
  NOT_USED(GetIconLocation, LPWSTR, int, int*);
  NOT_USED(SetRelativePath, LPCWSTR, DWORD);
  NOT_USED(Resolve, HWND, DWORD);
  NOT_USED(GetCount, DWORD*);
  NOT_USED(GetAt, DWORD, PROPERTYKEY*);
  NOT_USED(GetValue, REFPROPERTYKEY, PROPVARIANT*);
};

struct Collection final : Recorded<IObjectCollection> {
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID type, void** object) override {
    return type == __uuidof(IObjectArray) ? (*object = static_cast<IObjectArray*>(this), S_OK)
                                          : Recorded::QueryInterface(type, object);
  }
  HRESULT STDMETHODCALLTYPE AddObject(IUnknown* object) override {
    return Answer(object == static_cast<IShellLinkW*>(&link) ? Printed("AddObject %u", ++count)
                                                             : "AddObject other");
  }
  HRESULT STDMETHODCALLTYPE GetCount(UINT* objects) override {
    *objects = count;
    return S_OK;
  }
  NOT_USED(GetAt, UINT, REFIID, void**);
  NOT_USED(AddFromArray, IObjectArray*);
  NOT_USED(RemoveObjectAt, UINT);
  NOT_USED(Clear);
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
  RECORDED(CommitList);
  RECORDED(AbortList);
  RECORDED(SetAppID, LPCWSTR);
  RECORDED(AppendCategory, LPCWSTR, IObjectArray*);
  RECORDED(AppendKnownCategory, KNOWNDESTCATEGORY);
  RECORDED(DeleteList, LPCWSTR);
  NOT_USED(GetRemovedDestinations, REFIID, void**);
};

struct ShellObjects {
  DestinationList list;
  Collection collection;
}* shellObjects = nullptr;

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

TEST(Resident, JumpListCommitsTheNineTasksInOrderOrAbandonsTheListOnAnyFailure) {
  lookedUpInstead["CoCreateInstance"] =
      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&CreateRecorded));
  const char* const tasks[][2] = {
      {"1600 x 1200", "/0F"}, {"1400 x 1050", "/1F"}, {"1280 x 1024", "/7F"},
      {"1280 x 960", "/2F"},  {"1280 x 800", "/9F"},  {"1152 x 864", "/3F"},
      {"1024 x 768", "/4F"},  {"800 x 600", "/5F"},   {"640 x 480", "/6F"}};
  std::vector<std::string> all{"BeginList"};
  unsigned count = 0;
  for (const auto& [title, arguments] : tasks)
    all.insert(
        all.end(),
        {"SetPath C:\\Jeux vidéo\\Ilvorande.exe", std::string("SetArguments ") + arguments,
         "SetIconLocation C:\\Jeux vidéo\\Ilvorande.exe, 0", std::string("SetValue title ") + title,
         "Commit", Printed("AddObject %u", ++count)});
  all.insert(all.end(), {"AddUserTasks 9", "CommitList"});
  // The calls kept before the list is abandoned, or not: stopped at the first task's title, and at
  // the tasks handed over.
  const struct {
    const char* call;
    std::size_t kept;
    bool abandoned;
  } cases[] = {{"", all.size(), false},
               {"BeginList", 1, false},
               {"SetValue", 5, true},
               {"AddUserTasks", all.size() - 1, true}};
  for (const auto& [failingCall, kept, abandoned] : cases) {
    SCOPED_TRACE(failingCall);
    std::vector<std::string> expected(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(kept));
    if (abandoned) expected.push_back("AbortList");
    ForgetCalls();
    ShellObjects objects;
    shellObjects = &objects;
    failing = failingCall;
    Win32JumpList().SetTasks("C:\\Jeux vidéo\\Ilvorande.exe", JumpListTasks());
    EXPECT_EQ(calls, expected);
  }
  failing.clear();
  lookedUpInstead.erase("CoCreateInstance");
}

TEST(Resident, IconTakesTheSmallIconSizeOfItsDpiAndReturnsWithTheShell) {
  lookedUpInstead["Shell_NotifyIconW"] =
      reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordNotifyIcon));
  constexpr UINT Callback = WM_APP + 1;
  const struct {
    UINT dpi;
    int pixels;
  } cases[] = {{96, 16}, {144, 24}};
  const char *first = "Ilvorande : écran 2, 1024 x 768", *second = "Ilvorande : 800 x 600";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dpi);
    const TestWindow window = MakeWindow();
    ForgetCalls();
    {
      Win32NotificationIcon icon(window.get(), GetModuleHandleW(nullptr), Callback);
      icon.SetDpi(c.dpi);
      icon.Show(first);
      icon.Show(second);
      EXPECT_EQ(icon.OnMessage(RegisterWindowMessageW(L"TaskbarCreated"), 0, 0),
                IconEvent::Handled);
    }
    const auto call = [&](int action, unsigned flags, const char* tip) {
      return Printed("%d: id 1, flags %#x, message 0x8001, %d px, version 4, %s", action, flags,
                     c.pixels, tip);
    };
    EXPECT_EQ(calls, (std::vector<std::string>{
                         call(NIM_ADD, 0x87, first), call(NIM_SETVERSION, 0, first),
                         call(NIM_MODIFY, 0x84, second), call(NIM_ADD, 0x87, second),
                         call(NIM_SETVERSION, 0, second), call(NIM_DELETE, 0, second)}));
  }
  lookedUpInstead.erase("Shell_NotifyIconW");
}

// With NOTIFYICON_VERSION_4 a click gives the button's own event first, then the one that opens
// the menu: a menu for each would open it twice.
TEST(Resident, TheMenuOpensOnAClickARightClickOrAKeyOnTheIconOnly) {
  constexpr UINT Callback = WM_APP + 1;
  const TestWindow window = MakeWindow();
  Win32NotificationIcon icon(window.get(), GetModuleHandleW(nullptr), Callback);
  const struct {
    UINT message;
    UINT event;
    IconEvent expected;
  } cases[] = {{Callback, NIN_SELECT, IconEvent::MenuAsked},
               {Callback, NIN_KEYSELECT, IconEvent::MenuAsked},
               {Callback, WM_CONTEXTMENU, IconEvent::MenuAsked},
               {Callback, WM_LBUTTONUP, IconEvent::Handled},
               {Callback, WM_RBUTTONUP, IconEvent::Handled},
               {Callback, WM_MOUSEMOVE, IconEvent::Handled},
               {Callback + 1, NIN_SELECT, IconEvent::NotTheIcons}};
  for (const auto& [message, event, expected] : cases)
    EXPECT_EQ(icon.OnMessage(message, MAKEWPARAM(10, 20), MAKELPARAM(event, 1)), expected) << event;
}

// The digits in the window's row order (0, 1, 7, 2, 9, 3, 4, 5, 6), then Z.
TEST(Resident, KeysHeldByAnotherProgramAreLeftToItAndTheOthersTaken) {
  constexpr int HeldKeyId = 1;
  constexpr UINT CtrlAltShift = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
  ASSERT_TRUE(RegisterHotKey(nullptr, HeldKeyId, CtrlAltShift, '6'));
  const TestWindow window = MakeWindow();
  {
    Win32GlobalKeys keys(window.get());
    const KeySet registered = keys.RegisterAll();
    for (std::size_t place = 0; place < 10; ++place) EXPECT_EQ(registered.Has(place), place != 8);
  }
  UnregisterHotKey(nullptr, HeldKeyId);
  EXPECT_TRUE(RegisterHotKey(nullptr, HeldKeyId, CtrlAltShift, 'Z')) << "Z was not given back";
  UnregisterHotKey(nullptr, HeldKeyId);
}

}  // namespace
}  // namespace ilvorande::win32test
