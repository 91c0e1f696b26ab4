#!/usr/bin/env bash
# shellcheck disable=SC2317  # cleanup and forward run from traps
# Runs CMD with DISPLAY on a virtual X server of its own and a ready Wine
# prefix, both inside BUILD_DIR; always cleans up; exits with CMD's status.
#   scripts/with-test-env.sh CMD [ARGS...]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if (($# == 0)); then
    echo "usage: $0 CMD [ARGS...]" >&2
    exit 2
fi

# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"
xstate=$BUILD_DIR/xstate

cleanup() {
    # Only this prefix's processes: WINEPREFIX selects the wineserver.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    "$here/virtual-display.sh" stop "$xstate" || true
}
trap cleanup EXIT
child=''
# Waiting in the background lets a signal end the run now, not after CMD.
forward() {
    [[ -z $child ]] || kill "-$1" "$child" 2>/dev/null || true
    exit "$2"
}
trap 'forward INT 130' INT
trap 'forward TERM 143' TERM

DISPLAY=$("$here/virtual-display.sh" start "$xstate")
export DISPLAY
wine_prefix_init
# A server that outlives each program keeps later starts fast (fails, and
# needs not, when one is already running for this prefix).
wineserver -p 2>/dev/null || true

"$@" <&0 &
child=$!
status=0
wait "$child" || status=$?
exit "$status"
