#!/usr/bin/env bash
# with-dpi.sh DPI CMD...: CMD in a copy of the Wine prefix at that scale (read as the server starts).
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
