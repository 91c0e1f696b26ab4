#!/usr/bin/env bash
# Runs CMD on the two-screen display (ILVORANDE_TWO_SCREENS_DISPLAY) in a
# copy of the current Wine prefix: a Wine server serves one display. The copy
# is made again when the base prefix's settings or the scripts change.
# Exits 77 (skipped) when no such display was started.
#   with-two-screens.sh CMD [ARGS...]
set -euo pipefail
if [[ -z ${ILVORANDE_TWO_SCREENS_DISPLAY:-} ]]; then
    echo "with-two-screens.sh: no two-screen display (scripts/with-test-env.sh starts one)" >&2
    exit 77
fi
base=${WINEPREFIX:?}
export WINEPREFIX=$base-two-screens DISPLAY=$ILVORANDE_TWO_SCREENS_DISPLAY
here=$(dirname "${BASH_SOURCE[0]}")
stamp=$(cat "$base/.ilvorande-settings" "${BASH_SOURCE[0]}" "$here/../../scripts/wine-env.sh" |
    sha256sum)
if [[ $(cat "$WINEPREFIX/.two-screens" 2>/dev/null) != "$stamp" ]]; then
    rm -rf "$WINEPREFIX"
    cp -a "$base" "$WINEPREFIX"
    echo "$stamp" >"$WINEPREFIX/.two-screens"
fi
trap 'wineserver -k 2>/dev/null || true' EXIT
"$@"
