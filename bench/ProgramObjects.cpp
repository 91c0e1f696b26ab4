#include "ProgramObjects.h"

#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The process environment block's pointer to the GDI handle table (x64).
constexpr std::size_t GdiTableOffsetInPeb = 0xF8;
// Wine 8's table: every GDI handle of the process, in use while its type is
// not 0.
constexpr std::size_t GdiTableEntries = 0x10000;
struct GdiTableEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t user;
};
static_assert(sizeof(GdiTableEntry) == 24);

long GdiTableCount(HANDLE process) {
  PROCESS_BASIC_INFORMATION basics{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basics, sizeof basics,
                                nullptr) != 0) {
    return -1;
  }
  void* table = nullptr;
  const auto* tableField =
      static_cast<const char*>(static_cast<void*>(basics.PebBaseAddress)) + GdiTableOffsetInPeb;
  if (!ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || table == nullptr) {
    return -1;
  }
  std::vector<GdiTableEntry> entries(GdiTableEntries);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(GdiTableEntry),
                         nullptr)) {
    return -1;
  }
  long count = 0;
  for (const GdiTableEntry& entry : entries) count += entry.type != 0;
  return count;
}

struct WindowTally {
  DWORD processId;
  long count;
};

BOOL CALLBACK TallyChild(HWND window, LPARAM data) {
  auto* tally = reinterpret_cast<WindowTally*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  tally->count += owner == tally->processId;
  return TRUE;
}

BOOL CALLBACK TallyTopLevel(HWND window, LPARAM data) {
  TallyChild(window, data);
  EnumChildWindows(window, TallyChild, data);
  return TRUE;
}

// Its windows, hidden and message-only ones included, and their children.
long WindowCount(DWORD processId) {
  WindowTally tally{processId, 0};
  EnumWindows(TallyTopLevel, reinterpret_cast<LPARAM>(&tally));
  for (HWND window = nullptr;
       (window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr)) != nullptr;) {
    TallyTopLevel(window, reinterpret_cast<LPARAM>(&tally));
  }
  return tally.count;
}

constexpr SYSTEM_INFORMATION_CLASS SystemExtendedHandleInformation =
    static_cast<SYSTEM_INFORMATION_CLASS>(64);
constexpr NTSTATUS StatusInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
struct HandleEntry {
  void* object;
  ULONG_PTR processId;
  ULONG_PTR handle;
  ULONG access;
  USHORT creatorBackTrace;
  USHORT objectType;
  ULONG attributes;
  ULONG reserved;
};
struct HandleList {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};

// The process's entries in the system's list of every open handle.
long SystemListHandleCount(DWORD processId) {
  std::vector<unsigned char> buffer(1 << 16);
  NTSTATUS status;
  ULONG needed = 0;
  while ((status = NtQuerySystemInformation(SystemExtendedHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), &needed)) ==
         StatusInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
  long count = 0;
  for (ULONG_PTR entry = 0; entry < list->count; ++entry) {
    count += list->entries[entry].processId == processId;
  }
  return count;
}

ObjectCount GuiResources(HANDLE process, DWORD kind, const char* name) {
  SetLastError(ERROR_SUCCESS);
  const DWORD count = GetGuiResources(process, kind);
  if (count == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) return {name, -1};
  return {name, static_cast<long>(count)};
}

}  // namespace

long HandleCount(HANDLE process) {
  DWORD handles = 0;
  // A running process always holds some handles: 0 is a stub's answer.
  if (GetProcessHandleCount(process, &handles) && handles > 0) return static_cast<long>(handles);
  return SystemListHandleCount(GetProcessId(process));
}

ProgramObjects CountProgramObjects(HANDLE process) {
  ProgramObjects objects{GuiResources(process, GR_GDIOBJECTS, "GDI"),
                         GuiResources(process, GR_USEROBJECTS, "USER"),
                         {"handles", HandleCount(process)}};
  // Wine 8's stubs.
  if (objects.gdi.count < 0) objects.gdi = {"GDI", GdiTableCount(process)};
  if (objects.user.count < 0) objects.user = {"windows", WindowCount(GetProcessId(process))};
  return objects;
}

namespace {

constexpr ObjectCount ProgramObjects::*Kinds[] = {&ProgramObjects::gdi, &ProgramObjects::user,
                                                  &ProgramObjects::handles};

long Allowed(ObjectCount ProgramObjects::*kind, SystemShare share) {
  return kind == &ProgramObjects::handles ? share.handles : 0;
}

}  // namespace

bool SameObjects(const ProgramObjects& before, const ProgramObjects& after, SystemShare share) {
  for (auto kind : Kinds) {
    const long from = (before.*kind).count;
    const long to = (after.*kind).count;
    if (from < 0 || to < 0 || to - from != Allowed(kind, share)) return false;
  }
  return true;
}

std::string CompareObjects(const ProgramObjects& before, const ProgramObjects& after,
                           SystemShare share) {
  char part[96];
  std::string text;
  const bool same = SameObjects(before, after, share);
  for (auto kind : Kinds) {
    const ObjectCount& from = before.*kind;
    const ObjectCount& to = after.*kind;
    if (same) {
      std::snprintf(part, sizeof part, "%ld %s", from.count, to.kind);
    } else if (from.count < 0 || to.count < 0) {
      std::snprintf(part, sizeof part, "%s unreadable", to.kind);
    } else if (from.count == to.count) {
      std::snprintf(part, sizeof part, "%s same", to.kind);
    } else {
      std::snprintf(part, sizeof part, "%s %+ld", to.kind, to.count - from.count);
    }
    text += (text.empty() ? "" : ", ") + std::string(part);
  }
  if (share.handles != 0) {
    std::snprintf(part, sizeof part, "; the system's own %+ld handles %s", share.handles,
                  same ? "left aside" : "included");
    text += part;
  }
  return same ? "same (" + text + ")" : text;
}
