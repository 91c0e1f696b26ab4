#!/usr/bin/env bash
# Runs CMD in a copy of the current Wine prefix whose screen scale is DPI:
# Wine reads it from the registry when its server starts.
#   with-dpi.sh DPI CMD [ARGS...]
set -euo pipefail
dpi=$1
shift
set_dpi() {
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
        wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    done
    wineserver -k
    wineserver -w
}
# shellcheck source=tests/e2e/prefix-copy.sh
source "$(dirname "${BASH_SOURCE[0]}")/prefix-copy.sh"
copy_prefix "dpi$dpi" set_dpi
ILVORANDE_TEST_DPI=$dpi "$@"
