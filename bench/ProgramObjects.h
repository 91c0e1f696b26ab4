// How many GDI objects, USER objects and kernel handles another process
// holds, read from outside it. Wine 8 answers GetGuiResources with 0 and
// ERROR_CALL_NOT_IMPLEMENTED, and GetProcessHandleCount with success and a
// count of 0: there each count comes from what Wine does keep (see each
// kind's name).
#pragma once

#include <windows.h>

#include <string>

struct ObjectCount {
  // What was counted: "GDI", "USER", "handles", or a substitute's name.
  const char* kind;
  long count;  // -1 when it could not be read
};

struct ProgramObjects {
  ObjectCount gdi, user, handles;
};

ProgramObjects CountProgramObjects(HANDLE process);
// The kernel handles of the process, by the same means as above.
long HandleCount(HANDLE process);

// Wine 8 keeps handles of its own in any process that switches (registry
// keys, 3 per ChangeDisplaySettings call): those are the system's, not the
// program's, and given here so that only the rest counts.
struct SystemShare {
  long handles;
};

bool SameObjects(const ProgramObjects& before, const ProgramObjects& after, SystemShare share);
// "same (87 GDI, 31 windows, 60 handles)", with the system's share when it
// has one, or each difference: "GDI +200, windows same, handles +2".
std::string CompareObjects(const ProgramObjects& before, const ProgramObjects& after,
                           SystemShare share);
