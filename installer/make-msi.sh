#!/usr/bin/env bash
# Builds the per-user Windows Installer package of VERSION from FOLDER's
# Ilvorande.exe and LISEZMOI.txt. The same inputs give the same bytes: the
# product code follows from the version, the package code from the inputs,
# and the files' dates and those of the summary are EPOCH.
#   installer/make-msi.sh VERSION FOLDER EPOCH OUTPUT.msi
set -euo pipefail

version=$1 folder=$2 epoch=$3 output=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The cabinet keeps each file's date.
cp "$folder/Ilvorande.exe" "$folder/LISEZMOI.txt" "$here/../resources/Ilvorande.ico" "$work/"
touch -d "@$epoch" "$work"/*

read -r product package < <(python3 - "$version" "$here/Ilvorande.wxs" "$work" <<'EOF'
import hashlib, sys, uuid
version, source, folder = sys.argv[1:]
upgrade = uuid.UUID("59716C4E-3597-430B-A033-54C061945582")  # the one in Ilvorande.wxs
inputs = hashlib.sha256(version.encode())
for path in (source, f"{folder}/Ilvorande.exe", f"{folder}/LISEZMOI.txt"):
    inputs.update(open(path, "rb").read())
print(str(uuid.uuid5(upgrade, version)).upper(), str(uuid.uuid5(upgrade, inputs.hexdigest())).upper())
EOF
)

started=$(date +%s)
# wixl finds the files from the current folder only, not by absolute paths.
(cd "$work" && wixl -a x64 -D Version="$version" -D ProductCode="$product" \
    -D PackageCode="$package" -o package.msi "$here/Ilvorande.wxs" 2>log) ||
    { cat "$work/log" >&2; exit 1; }
ended=$(date +%s)

# wixl 0.101 ignores the package's Id and Languages and dates the summary
# with the clock: set the three in place, in the summary stream, where each
# has a fixed length.
python3 - "$work/package.msi" "{$package}" "$epoch" "$started" "$ended" \
    "$(msiinfo suminfo "$work/package.msi" | sed -n 's/^Revision number (UUID): //p')" <<'EOF'
import struct, sys
msi, package, epoch, started, ended, random = sys.argv[1:]
data = open(msi, "rb").read()

def filetime(seconds):  # VT_FILETIME: 100 ns since 1601
    return struct.pack("<IQ", 64, (int(seconds) + 11644473600) * 10000000)

def replace(old, new, count=1):
    global data
    if data.count(old) != count:
        sys.exit(f"make-msi.sh: {data.count(old)} times {old!r} in the package, not {count}")
    data = data.replace(old, new)

replace(random.encode(), package.encode())
replace(b"x64;1033", b"x64;1036")
times = [filetime(t) for t in range(int(started), int(ended) + 1)]
found = sum(data.count(t) for t in times)
if found != 2:
    sys.exit(f"make-msi.sh: {found} summary dates, not 2 (created, saved)")
for t in times:
    data = data.replace(t, filetime(epoch))
open(msi, "wb").write(data)
EOF
mv "$work/package.msi" "$output"
