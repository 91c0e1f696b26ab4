#include "win32/resident/Win32JumpList.h"

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <propsys.h>
#include <shobjidl.h>

#include "win32/toolkit/ScopedWin.h"
#include "win32/toolkit/Win32Library.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

// The shell's classes and the title's property, as the Windows SDK names
// them (CLSID_DestinationList, CLSID_EnumerableObjectCollection, PKEY_Title).
constexpr CLSID DestinationListClass = {
    0x77F10CF0, 0x3DB5, 0x4966, {0xB5, 0x20, 0xB7, 0xC5, 0x4F, 0xD3, 0x5E, 0xD6}};
constexpr CLSID ObjectCollectionClass = {
    0x2D3468C1, 0x36A7, 0x43B6, {0xAC, 0x24, 0xD3, 0xF0, 0x2F, 0xD9, 0x60, 0x7A}};
constexpr CLSID ShellLinkClass = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr PROPERTYKEY TitleKey = {
    {0xF29F85E0, 0x4FF9, 0x1068, {0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9}}, 2};

// COM for the length of one call, as the thread already has it or in an
// apartment of its own.
class ComScope {
 public:
  ComScope()
      : initialize_(SystemFunction<decltype(&::CoInitializeEx)>(L"ole32.dll", "CoInitializeEx")),
        uninitialize_(SystemFunction<decltype(&::CoUninitialize)>(L"ole32.dll", "CoUninitialize")),
        create_(SystemFunction<decltype(&::CoCreateInstance)>(L"ole32.dll", "CoCreateInstance")),
        initialised_(
            initialize_ != nullptr && uninitialize_ != nullptr &&
            SUCCEEDED(initialize_(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (initialised_) uninitialize_();
  }

  template <typename Interface>
  bool Create(const CLSID& type, ScopedComReference<Interface>& object) const {
    return initialised_ && create_ != nullptr &&
           SUCCEEDED(
               create_(type, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface), object.out()));
  }

 private:
  decltype(&::CoInitializeEx) initialize_;
  decltype(&::CoUninitialize) uninitialize_;
  decltype(&::CoCreateInstance) create_;
  bool initialised_;
};

template <typename Interface>
Interface* Held(const ScopedComReference<Interface>& reference) {
  return reference.operator->();
}

// A link to the program with the task's arguments, icon and title.
bool AddTask(const ComScope& com, const std::wstring& program, const JumpTask& task,
             IObjectCollection& collection) {
  ScopedComReference<IShellLinkW> link;
  ScopedComReference<IPropertyStore> properties;
  std::wstring title = Utf8ToWide(task.title);
  PROPVARIANT titleValue{};
  titleValue.vt = VT_LPWSTR;
  titleValue.pwszVal = title.data();
  return com.Create(ShellLinkClass, link) && SUCCEEDED(link->SetPath(program.c_str())) &&
         SUCCEEDED(link->SetArguments(Utf8ToWide(task.arguments).c_str())) &&
         SUCCEEDED(link->SetIconLocation(program.c_str(), JumpTaskIconIndex)) &&
         SUCCEEDED(link->QueryInterface(__uuidof(IPropertyStore), properties.out())) &&
         SUCCEEDED(properties->SetValue(TitleKey, titleValue)) && SUCCEEDED(properties->Commit()) &&
         SUCCEEDED(collection.AddObject(Held(link)));
}

}  // namespace

// A list begun and not committed is abandoned: the one shown stays as it was.
void Win32JumpList::SetTasks(std::string_view programPath, const std::vector<JumpTask>& tasks) {
  const ComScope com;
  ScopedComReference<ICustomDestinationList> list;
  ScopedComReference<IObjectArray> removed;
  UINT slots = 0;
  if (!com.Create(DestinationListClass, list) ||
      FAILED(list->BeginList(&slots, __uuidof(IObjectArray), removed.out()))) {
    return;
  }
  const std::wstring program = Utf8ToWide(programPath);
  ScopedComReference<IObjectCollection> collection;
  ScopedComReference<IObjectArray> array;
  bool complete = com.Create(ObjectCollectionClass, collection);
  for (const JumpTask& task : tasks) {
    complete = complete && AddTask(com, program, task, *Held(collection));
  }
  complete = complete &&
             SUCCEEDED(collection->QueryInterface(__uuidof(IObjectArray), array.out())) &&
             SUCCEEDED(list->AddUserTasks(Held(array))) && SUCCEEDED(list->CommitList());
  if (!complete) list->AbortList();
}

}  // namespace ilvorande
