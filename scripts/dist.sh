#!/usr/bin/env bash
# Builds the release in BUILD_DIR/dist (or DIST_DIR): the archive
# Ilvorande-VERSION-win64.zip (Ilvorande.exe, LISEZMOI.txt, SHA256SUMS.txt of
# the program: not SHA256SUMS, which the archive unpacked beside the release
# would overwrite), the per-user package Ilvorande-VERSION-win64.msi, the
# winget manifests under winget/, and SHA256SUMS of the program, the archive
# and the package. All is made aside and put in place at the end: a run that
# fails leaves no release there, not even an earlier one. Unsigned, they have the same bytes from any clone: fixed order,
# modes and dates, the date being SOURCE_DATE_EPOCH, else that of the last
# commit. With SIGNING_PFX (a PKCS#12 file) and SIGNING_PASSWORD, the program
# and the package are signed, with a timestamp when SIGNING_TIMESTAMP_URL is
# set, and each signature is verified. RELEASE_URL is where the package will
# be published, for winget.
#   [SIGNING_PFX=... SIGNING_PASSWORD=...] BUILD_DIR=... scripts/dist.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
windows=${WINDOWS_BUILD_DIR:-$build/windows}
out=${DIST_DIR:-$build/dist}
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
if [[ -n ${SIGNING_PFX:-} && -z ${SIGNING_PASSWORD+set} ]]; then
    echo "dist.sh: SIGNING_PFX is set but not SIGNING_PASSWORD (empty for none)" >&2
    exit 1
fi
name=Ilvorande-$version-win64
mkdir -p "$out"
rm -rf "${out:?}/$name.zip" "$out/$name.msi" "$out/SHA256SUMS" "$out/winget"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
release=$stage/release
mkdir "$release"

# What both packages hold. Notepad of every Windows version reads UTF-8 with
# a BOM and CRLF line ends, whatever line ends the checkout has.
cp "$windows/Ilvorande.exe" "$stage/"
python3 - "$root/dist/LISEZMOI.txt" "$stage/LISEZMOI.txt" <<'EOF'
import sys
text = open(sys.argv[1], encoding="utf-8-sig").read().replace("\r\n", "\n")
open(sys.argv[2], "w", encoding="utf-8-sig", newline="\r\n").write(text)
EOF

# The signed copy goes into the packages; BUILD_DIR/windows keeps the program
# as built, which is what a second build of the commit gives.
sign() {  # sign FILE
    local ca=$stage/ca.pem leaf
    openssl pkcs12 -in "$SIGNING_PFX" -nokeys -passin env:SIGNING_PASSWORD -out "$ca"
    leaf=$(openssl pkcs12 -in "$SIGNING_PFX" -nokeys -clcerts -passin env:SIGNING_PASSWORD |
        openssl x509 -outform DER | sha256sum | cut -d' ' -f1)
    [[ ! -f /etc/ssl/certs/ca-certificates.crt ]] || cat /etc/ssl/certs/ca-certificates.crt >>"$ca"
    # Debian 12's osslsigncode reads the password from a file only, not stdin.
    (umask 077 && printf '%s' "$SIGNING_PASSWORD" >"$stage/password")
    osslsigncode sign -pkcs12 "$SIGNING_PFX" -readpass "$stage/password" -h sha256 \
        -n Ilvorande -i http://ilvorande.example ${SIGNING_TIMESTAMP_URL:+-ts "$SIGNING_TIMESTAMP_URL"} \
        -in "$1" -out "$1.signed" >/dev/null
    # The signature must hold, and be made with the key's own certificate.
    if ! osslsigncode verify -CAfile "$ca" -require-leaf-hash "sha256:$leaf" -in "$1.signed" \
        >"$stage/verify.log" 2>&1; then
        cat "$stage/verify.log" >&2
        echo "dist.sh: the signature of $(basename "$1") does not verify" >&2
        exit 1
    fi
    mv "$1.signed" "$1"
    echo "signed and verified: $(basename "$1")"
}
if [[ -n ${SIGNING_PFX:-} ]]; then
    sign "$stage/Ilvorande.exe"
else
    echo "not signed: set SIGNING_PFX and SIGNING_PASSWORD to sign the program and the package"
fi

"$root/installer/make-msi.sh" "$version" "$stage" "$epoch" "$stage/$name.msi"
[[ -z ${SIGNING_PFX:-} ]] || sign "$stage/$name.msi"
mv "$stage/$name.msi" "$release/"

python3 - "$stage/Ilvorande.exe" "$stage/LISEZMOI.txt" "$release/$name.zip" "$release/$name.msi" \
    "$epoch" <<'EOF'
import hashlib, os, sys, time, zipfile

exe, readme, archive, package, epoch = sys.argv[1:]
program = open(exe, "rb").read()

def line(data, name):
    return f"{hashlib.sha256(data).hexdigest()}  {name}\n"

members = [
    ("Ilvorande.exe", program),
    ("LISEZMOI.txt", open(readme, "rb").read()),
    ("SHA256SUMS.txt", line(program, "Ilvorande.exe").encode()),
]
# Zip dates start in 1980 and have no time zone.
date = time.gmtime(max(int(epoch), 315532800))[:6]
with zipfile.ZipFile(archive, "w") as zip:
    for name, data in members:
        info = zipfile.ZipInfo(name, date)
        info.create_system = 3
        info.external_attr = 0o100644 << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        zip.writestr(info, data, compresslevel=9)

sums = line(program, "Ilvorande.exe")
for path in (archive, package):
    sums += line(open(path, "rb").read(), os.path.basename(path))
with open(os.path.join(os.path.dirname(archive), "SHA256SUMS"), "w") as out:
    out.write(sums)
EOF

"$root/installer/make-winget.sh" "$release/$name.msi" \
    "${RELEASE_URL:-https://ilvorande.example}/$name.msi" "$epoch" "$release/winget" >/dev/null
mv "$release/$name.zip" "$release/$name.msi" "$release/SHA256SUMS" "$release/winget" "$out/"
for file in "$name.zip" "$name.msi"; do echo "$out/$file ($(stat -c %s "$out/$file") bytes)"; done
cat "$out/SHA256SUMS"
echo "winget manifests: $out/winget"
