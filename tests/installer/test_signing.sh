#!/usr/bin/env bash
# make dist with a throwaway key signs the program and the package, which
# verify, unless a byte changed; without its signature the program is the
# build's. The digests are the signed files'. A signature that does not
# verify stops make dist and leaves no release behind, not even an older one.
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

# SHA256SUMS lists the three files, signed; winget names the signed package.
sums=$(cut -d' ' -f3 dist/SHA256SUMS | sort)
[[ $sums == "$(printf '%s\n' Ilvorande.exe "$(basename dist/*.zip)" "$(basename "$package")" | sort)" ]] ||
    fail "SHA256SUMS lists: $sums"
cp Ilvorande.exe dist/
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS holds other digests than the signed files'"
grep -qxF "  InstallerSha256: \"$(sha256sum "$package" | cut -d' ' -f1 | tr a-f A-F)\"" \
    dist/winget/manifests/i/Ilvorande/Ilvorande/*/Ilvorande.Ilvorande.installer.yaml ||
    fail "the winget manifest holds another digest than the signed package's"

# A verification that fails, of the program then the package, over an earlier release.
mkdir bin
cat >bin/osslsigncode <<'SHIM'
#!/bin/sh
if [ "$1" = verify ]; then case "$*" in *"$FAIL_ON"*) exit 1 ;; esac; fi
exec /usr/bin/osslsigncode "$@"
SHIM
chmod +x bin/osslsigncode
for fail_on in .exe .msi; do
    cp -r "$unsigned" earlier
    if PATH=$PWD/bin:$PATH FAIL_ON=$fail_on SIGNING_PFX=key.pfx SIGNING_PASSWORD='mot de passe' \
        WINDOWS_BUILD_DIR="$windows" DIST_DIR="$work/earlier" "$source_dir/scripts/dist.sh" >dist.log 2>&1; then
        fail "make dist ended well although the signature of the $fail_on did not verify"
    fi
    grep -q "does not verify" dist.log || { cat dist.log; fail "no word of the failed $fail_on signature"; }
    left=$(cd earlier && ls)
    [[ -z $left ]] || fail "after a failed $fail_on signature, the release folder holds: $left"
    rm -rf earlier
done

osslsigncode remove-signature -in Ilvorande.exe -out unsigned.exe >/dev/null
cmp unsigned.exe "$windows/Ilvorande.exe" || fail "without its signature, not the build's program"
unzip -p "$unsigned"/*.zip Ilvorande.exe | cmp - "$windows/Ilvorande.exe" ||
    fail "the unsigned archive holds another program than the build's"
