#!/usr/bin/env bash
# Builds the release archive BUILD_DIR/dist/Ilvorande-VERSION-win64.zip
# (Ilvorande.exe, LISEZMOI.txt, SHA256SUMS of the program) and SHA256SUMS
# beside it (the program and the archive). The archive has the same bytes
# from any clone: fixed order, modes and dates, the date being
# SOURCE_DATE_EPOCH, else that of the last commit.
#   BUILD_DIR=... scripts/dist.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
windows=$build/windows
if [[ ! -f $windows/CMakeCache.txt ]]; then
    cmake -S "$root" --preset mingw -B "$windows" >/dev/null
fi
cmake --build "$windows" --target Ilvorande -j "${CMAKE_BUILD_PARALLEL_LEVEL:-2}"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || true)}
if [[ -z $epoch ]]; then
    echo "dist.sh: no commit to date the archive from; set SOURCE_DATE_EPOCH" >&2
    exit 1
fi
mkdir -p "$build/dist"

python3 - "$windows/Ilvorande.exe" "$root/dist/LISEZMOI.txt" \
    "$build/dist/Ilvorande-$version-win64.zip" "$epoch" <<'EOF'
import hashlib, os, sys, time, zipfile

exe, readme, archive, epoch = sys.argv[1:]
program = open(exe, "rb").read()
# Notepad of every Windows version reads UTF-8 with a BOM and CRLF line ends,
# whatever line ends the checkout has.
text = open(readme, encoding="utf-8-sig").read().replace("\r\n", "\n")
text = "\ufeff" + text.replace("\n", "\r\n")

def line(data, name):
    return f"{hashlib.sha256(data).hexdigest()}  {name}\n"

members = [
    ("Ilvorande.exe", program),
    ("LISEZMOI.txt", text.encode("utf-8")),
    ("SHA256SUMS", line(program, "Ilvorande.exe").encode()),
]
# Zip dates start in 1980 and have no time zone.
date = time.gmtime(max(int(epoch), 315532800))[:6]
with zipfile.ZipFile(archive + ".tmp", "w") as zip:
    for name, data in members:
        info = zipfile.ZipInfo(name, date)
        info.create_system = 3
        info.external_attr = 0o100644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        zip.writestr(info, data, compresslevel=9)
os.replace(archive + ".tmp", archive)

sums = line(program, "Ilvorande.exe") + line(open(archive, "rb").read(), os.path.basename(archive))
sums_path = os.path.join(os.path.dirname(archive), "SHA256SUMS")
with open(sums_path, "w") as out:
    out.write(sums)
print(f"{archive} ({os.path.getsize(archive)} bytes)")
print(sums, end="")
EOF
