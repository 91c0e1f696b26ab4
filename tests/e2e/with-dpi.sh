#!/usr/bin/env bash
# Runs CMD in a copy of the current Wine prefix whose screen scale is DPI:
# Wine reads it from the registry when its server starts.
#   with-dpi.sh DPI CMD [ARGS...]
set -euo pipefail
dpi=$1
shift
export WINEPREFIX=${WINEPREFIX:?}-dpi$dpi
if [[ ! -f $WINEPREFIX/.dpi ]]; then
    rm -rf "$WINEPREFIX"
    cp -a "${WINEPREFIX%-dpi$dpi}" "$WINEPREFIX"
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    done
    wineserver -k
    wineserver -w
    touch "$WINEPREFIX/.dpi"
fi
trap 'wineserver -k 2>/dev/null || true' EXIT
ILVORANDE_TEST_DPI=$dpi "$@"
