#!/usr/bin/env bash
# make dist with a throwaway key signs the program (the one in the archive and
# in the package) and the package, and each signature verifies against the
# key's certificate; one changed byte breaks it; the program without its
# signature is the build's own bytes, and the unsigned release holds those.
#   test_signing.sh SOURCE_DIR WINDOWS_BUILD_DIR UNSIGNED_RELEASE_DIR
set -euo pipefail

source_dir=$1 windows=$2 unsigned=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAILED: $*"; exit 1; }

openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 \
    -subj "/CN=Ilvorande test" -addext extendedKeyUsage=codeSigning 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -out key.pfx -passout 'pass:mot de passe'
# Never a timestamp server: none is reachable.
env -u SIGNING_TIMESTAMP_URL SIGNING_PFX=key.pfx SIGNING_PASSWORD='mot de passe' \
    WINDOWS_BUILD_DIR="$windows" DIST_DIR="$work/dist" "$source_dir/scripts/dist.sh" >dist.log ||
    { cat dist.log; fail "make dist with a key"; }

package=$(echo dist/*.msi)
unzip -q dist/*.zip Ilvorande.exe
msiextract -C extracted "$package" >/dev/null
cmp Ilvorande.exe extracted/Programs/Ilvorande/Ilvorande.exe || fail "the package holds another program"
for file in Ilvorande.exe "$package"; do
    osslsigncode verify -CAfile cert.pem -in "$file" >verify.log 2>&1 ||
        { cat verify.log; fail "$file: the signature does not verify"; }
done
python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); d[4096] ^= 1
open(sys.argv[2], "wb").write(d)' Ilvorande.exe changed.exe
if osslsigncode verify -CAfile cert.pem -in changed.exe >/dev/null 2>&1; then
    fail "a changed program still verifies"
fi

osslsigncode remove-signature -in Ilvorande.exe -out unsigned.exe >/dev/null
cmp unsigned.exe "$windows/Ilvorande.exe" || fail "without its signature, not the build's program"
unzip -p "$unsigned"/*.zip Ilvorande.exe | cmp - "$windows/Ilvorande.exe" ||
    fail "the unsigned archive holds another program than the build's"
