#!/usr/bin/env bash
# The program must be a self-contained Windows GUI program: it may import only
# DLLs that ship with Windows itself (no C++ runtime, no threads library), and
# none of those that it loads on first use (win32/toolkit/Win32Library.h), so
# that start-up never pays for them.
#   scripts/check-imports.sh PATH/TO/Ilvorande.exe
set -euo pipefail

exe=$1
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
ships_with_windows='^(KERNEL32|USER32|GDI32|ADVAPI32|MSVCRT|UXTHEME)\.DLL$'
loaded_on_first_use='^(SHELL32|OLE32|COMCTL32)\.DLL$'

headers=$("$objdump" -p "$exe")
status=0
if ! grep -Eq '^Subsystem[[:space:]]+0*2[[:space:]]' <<<"$headers"; then
    echo "not a Windows GUI program (subsystem 2)"
    status=1
fi
mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
if ((${#dlls[@]} == 0)); then
    echo "no import table found"
    status=1
fi
for dll in "${dlls[@]}"; do
    name=$(tr '[:lower:]' '[:upper:]' <<<"$dll")
    if grep -Eq "$loaded_on_first_use" <<<"$name"; then
        echo "imports $dll, which the program loads on first use and must never import"
        status=1
    elif ! grep -Eq "$ships_with_windows" <<<"$name"; then
        echo "imports $dll, which Windows does not ship"
        status=1
    fi
done
echo "imports: ${dlls[*]}"
exit "$status"
