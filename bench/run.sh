#!/usr/bin/env bash
# Runs the benchmark on the current display (make bench gives it a virtual
# one, and the two-screen display for the row on two screens) and prints one
# table: the timings, then the program's size, its imports, the release
# archive's size and whether two builds gave the same bytes. RUNS sets the number of timed runs (at least 10, 31 by default: the
# medians of a shared machine move by a few per cent from run to run).
set -euo pipefail

# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
exe=$BUILD_DIR/windows/Ilvorande.exe
echo "Ilvorande benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m), $(wine --version 2>/dev/null)"
echo
wine "$BUILD_DIR/windows/bench_driver.exe" "${RUNS:-31}" | tr -d '\r'
"$scripts_dir/../tests/e2e/with-two-screens.sh" wine "$BUILD_DIR/windows/bench_driver.exe" \
    "${RUNS:-31}" two-screens | tr -d '\r'

verdict() { if (("$1")); then echo met; else echo MISSED; fi; }
size=$(stat -c %s "$exe")
printf '| Size of Ilvorande.exe | %d KiB (%d bytes) | | | <= 192 KiB %s |\n' \
    $(((size + 1023) / 1024)) "$size" "$(verdict "size <= 192 * 1024")"
imports=$("$scripts_dir/check-imports.sh" "$exe" | sed -n 's/^imports: //p')
printf '| Imported DLLs | %s | | | Windows only |\n' "$imports"

BUILD_DIR=$BUILD_DIR "$scripts_dir/dist.sh" >/dev/null
archive=$(ls "$BUILD_DIR"/dist/Ilvorande-*-win64.zip)
printf '| Size of %s | %d KiB (%d bytes) | | | |\n' "${archive##*/}" \
    $((($(stat -c %s "$archive") + 1023) / 1024)) "$(stat -c %s "$archive")"
same=0
"$scripts_dir/check-reproducible.sh" "$scripts_dir/.." >/dev/null && same=1
printf '| Two builds in two folders, a day apart | %s | | | same bytes %s |\n' \
    "$( ((same)) && echo "same bytes" || echo "DIFFERENT")" "$(verdict "$same")"
