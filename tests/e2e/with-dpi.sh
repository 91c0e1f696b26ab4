#!/usr/bin/env bash
# Runs CMD in a copy of the current Wine prefix whose screen scale is DPI:
# Wine reads it from the registry when its server starts. The copy is made
# again when the base prefix's settings or the scripts that make either change.
#   with-dpi.sh DPI CMD [ARGS...]
set -euo pipefail
dpi=$1
shift
base=${WINEPREFIX:?}
export WINEPREFIX=$base-dpi$dpi
here=$(dirname "${BASH_SOURCE[0]}")
stamp=$(cat "$base/.ilvorande-settings" "${BASH_SOURCE[0]}" "$here/../../scripts/wine-env.sh" |
    sha256sum)
if [[ $(cat "$WINEPREFIX/.dpi" 2>/dev/null) != "$stamp" ]]; then
    rm -rf "$WINEPREFIX"
    cp -a "$base" "$WINEPREFIX"
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    done
    wineserver -k
    wineserver -w
    echo "$stamp" >"$WINEPREFIX/.dpi"
fi
trap 'wineserver -k 2>/dev/null || true' EXIT
ILVORANDE_TEST_DPI=$dpi "$@"
