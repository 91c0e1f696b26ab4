#!/usr/bin/env bash
# Runs the benchmark on the current display (make bench gives it a virtual
# one) and prints one table. RUNS sets the number of timed runs (at least 10).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=$root/build/windows/Ilvorande.exe
echo "Ilvorande benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m), $(wine --version 2>/dev/null)"
echo
wine "$root/build/windows/bench_driver.exe" "${RUNS:-15}" | tr -d '\r'
size=$(stat -c %s "$exe")
imports=$("$root/scripts/check-imports.sh" "$exe" | sed -n 's/^imports: //p')
verdict=$(( size <= 512 * 1024 ? 1 : 0 ))
printf '| Size of Ilvorande.exe | %d KiB (%d bytes) | | | <= 512 KiB %s |\n' \
    $(( (size + 1023) / 1024 )) "$size" "$( ((verdict)) && echo met || echo MISSED)"
printf '| Imported DLLs | %s | | | Windows only |\n' "$imports"
