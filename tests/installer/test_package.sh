#!/usr/bin/env bash
# The release's package read through its tables, without installing it.
#   test_package.sh SOURCE_DIR RELEASE_DIR VERSION
set -euo pipefail

source_dir=$1 release=$2 version=$3
package=$release/Ilvorande-$version-win64.msi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }
table() { msiinfo export "$package" "$1" | tail -n +4 | tr -d '\r'; }
summary() { msiinfo suminfo "$1" | sed -n "s/^$2: //p"; }

# In the user's profile a component's key path must be an HKCU value
# (Registry root 1; Component attribute 4: a Registry row).
faults=$(awk -F'\t' 'NR == FNR { if ($2 == 1) hkcu[$1]; next }
    !(int($4 / 4) % 2 && ($6 in hkcu)) { print $1 " (key path \"" $6 "\")" }' \
    <(table Registry) <(table Component))
[[ -z $faults ]] || fail "components whose key path is no HKCU value: $faults"

# The uninstall removes the folders it made, once empty (2: on uninstall).
folders=$(table RemoveFile | awk -F'\t' '$3 == "" { print $4 " " $5 }' | sort)
[[ $folders == $'INSTALLFOLDER 2\nUserPrograms 2' ]] || fail "folders removed on uninstall: $folders"

# In French; one changed byte of the program gives another package code.
[[ $(summary "$package" Template) == "x64;1036" ]] || fail "summary template: $(summary "$package" Template)"
code=$(summary "$package" 'Revision number (UUID)')
unzip -q "$release/Ilvorande-$version-win64.zip" Ilvorande.exe LISEZMOI.txt -d "$work"
python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); d[4096] ^= 1
open(sys.argv[1], "wb").write(d)' "$work/Ilvorande.exe"
"$source_dir/installer/make-msi.sh" "$version" "$work" 0 "$work/changed.msi"
[[ $(summary "$work/changed.msi" 'Revision number (UUID)') != "$code" ]] ||
    fail "another program kept the package code $code"

# Unpacked beside the release, the archive overwrites none of its files.
clashes=$(comm -12 <(ls "$release" | sort) <(unzip -Z1 "$release/Ilvorande-$version-win64.zip" | sort))
[[ -z $clashes ]] || fail "the archive would overwrite the release's $clashes"
echo "key paths in HKCU, folders removed, French, package code of its files, no clash with the archive"
