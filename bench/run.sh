#!/usr/bin/env bash
# Runs the benchmark on the current display (make bench gives it a virtual
# one) and prints one table. RUNS sets the number of timed runs (at least 10).
set -euo pipefail

# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
exe=$BUILD_DIR/windows/Ilvorande.exe
echo "Ilvorande benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m), $(wine --version 2>/dev/null)"
echo
wine "$BUILD_DIR/windows/bench_driver.exe" "${RUNS:-15}" | tr -d '\r'
size=$(stat -c %s "$exe")
imports=$("$scripts_dir/check-imports.sh" "$exe" | sed -n 's/^imports: //p')
goal=met
((size <= 512 * 1024)) || goal=MISSED
printf '| Size of Ilvorande.exe | %d KiB (%d bytes) | | | <= 512 KiB %s |\n' \
    $(((size + 1023) / 1024)) "$size" "$goal"
printf '| Imported DLLs | %s | | | Windows only |\n' "$imports"
