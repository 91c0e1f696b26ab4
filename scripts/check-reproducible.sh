#!/usr/bin/env bash
# Two builds of the same sources, in two folders with different paths and a
# day apart for every tool that reads SOURCE_DATE_EPOCH, must give the same
# Ilvorande.exe, release archive, package and winget manifests, byte for byte
# (unsigned: a signature holds its own time).
#   scripts/check-reproducible.sh [SOURCE_DIR]
set -euo pipefail

src=$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The archive is dated by its commit; the copies have no history.
release_date=$(git -C "$src" log -1 --format=%ct 2>/dev/null || date +%s)

# The working tree as it is, committed or not, without its build folders.
copy_sources() {
    mkdir -p "$1"
    if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
        git -C "$src" ls-files -z --cached --others --exclude-standard |
            tar -C "$src" --null -T - --ignore-failed-read -cf - 2>/dev/null
    else
        tar -C "$src" --exclude=./build -cf - .
    fi | tar -C "$1" -xf -
}

build() {  # build SOURCES [SOURCE_DATE_EPOCH of the compilers]
    copy_sources "$1"
    env ${2:+SOURCE_DATE_EPOCH=$2} cmake -S "$1" --preset mingw -B "$1/build/windows" \
        -DILVORANDE_E2E=OFF >/dev/null
    env ${2:+SOURCE_DATE_EPOCH=$2} cmake --build "$1/build/windows" --target Ilvorande -j 2
    SOURCE_DATE_EPOCH=$release_date BUILD_DIR=$1/build "$1/scripts/dist.sh"
}

first=$work/a
second=$work/second-folder/with/a-longer-path
unset SOURCE_DATE_EPOCH SIGNING_PFX SIGNING_PASSWORD DIST_DIR WINDOWS_BUILD_DIR
build "$first"
build "$second" $(($(date +%s) + 90000))

status=0
for file in windows/Ilvorande.exe dist/SHA256SUMS $(cd "$first/build" && ls dist/*.zip dist/*.msi &&
    find dist/winget -type f | sort); do
    if cmp -s "$first/build/$file" "$second/build/$file"; then
        echo "same bytes: $file"
    else
        differences=$(cmp -l "$first/build/$file" "$second/build/$file" 2>&1 || true)
        echo "DIFFERENT: $file, $(wc -l <<<"$differences") bytes; the first (offset, octal bytes):"
        head -n 5 <<<"$differences"
        status=1
    fi
done
cat "$first/build/dist/SHA256SUMS"
exit "$status"
