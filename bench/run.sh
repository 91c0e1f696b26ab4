#!/usr/bin/env bash
# Runs the benchmark on the current display (make bench gives it a virtual
# one, and the two-screen display for the row on two screens), prints one
# table (the timings, then the program's size, its imports, the release
# archive's size and whether two builds gave the same bytes) and writes it
# into README.md between its bench markers, so that the README's figures are
# always a run's. RUNS sets the number of timed runs (at least 10, 31 by
# default); fewer give a wider interval, not another ratio.
set -euo pipefail

# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
exe=$BUILD_DIR/windows/Ilvorande.exe
driver=$BUILD_DIR/windows/bench_driver.exe
runs=${RUNS:-31}
table=$(mktemp)
trap 'rm -f "$table"' EXIT

verdict() { if (("$1")); then echo met; else echo MISSED; fi; }
{
    echo "Latest run: $(date -u +%Y-%m-%d), $(wine --version 2>/dev/null), $(nproc) cores, $(uname -m)."
    echo
    echo "| Measure (median of $runs runs) | Ilvorande | Reference | Ratio (95 % interval) | Goal |"
    echo "|---|---|---|---|---|"
    wine "$driver" "$runs" | tr -d '\r'
    "$scripts_dir/../tests/e2e/with-two-screens.sh" wine "$driver" "$runs" two-screens | tr -d '\r'

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
} | tee "$table"

python3 - "$scripts_dir/../README.md" "$table" <<'PYTHON'
import sys
readme, table = sys.argv[1:]
start, end = "<!-- bench:start -->\n", "<!-- bench:end -->"
text = open(readme, encoding="utf-8").read()
head, rest = text.split(start, 1)
tail = rest.split(end, 1)[1]
open(readme, "w", encoding="utf-8").write(head + start + open(table, encoding="utf-8").read() + end + tail)
PYTHON
echo "README.md: the table above is now its benchmark"
