#!/usr/bin/env bash
# shellcheck disable=SC2317  # cleanup and forward run from traps
# Runs Ilvorande.exe under Wine with the given arguments; exits with its status.
#   scripts/run.sh [ARGS...]
# With DISPLAY set, the window opens there. Without, it opens on a virtual
# display of its own: the X mode is printed at start and end, and the main
# window's first look is saved to BUILD_DIR/screenshot.png.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=scripts/wine-env.sh
source "$here/wine-env.sh"
exe=${ILVORANDE_EXE:-$BUILD_DIR/windows/Ilvorande.exe}
if [[ ! -f $exe ]]; then
    echo "run.sh: $exe not found; build it first" >&2
    exit 1
fi

if [[ -n ${DISPLAY:-} ]]; then
    # A prefix of its own: the test prefix draws its own frames, a desktop's
    # window manager should draw these.
    export WINEPREFIX=$BUILD_DIR/wineprefix-desktop
    wine_prefix_init desktop
    exec "$WINE" "$exe" "$@"
fi

xstate=$BUILD_DIR/xstate-run
shot=$BUILD_DIR/screenshot.png
timeout_s=${RUN_WINDOW_TIMEOUT:-30}
watcher=''
child=''

current_mode() {
    xrandr -q 2>/dev/null | sed -n 's/^Screen 0:.* current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'
}

# Waits for the window to be mapped, then for two identical captures in a row
# (painting done), and saves the last one.
screenshot_when_shown() {
    local deadline=$((SECONDS + timeout_s)) win='' tmp=$BUILD_DIR/.screenshot
    until win=$(xdotool search --onlyvisible --name '^Ilvorande$' 2>/dev/null | head -n1) && [[ -n $win ]]; do
        if ((SECONDS >= deadline)); then
            echo "run.sh: no window named Ilvorande within ${timeout_s}s" >&2
            return 1
        fi
        sleep 0.1
    done
    rm -f "$tmp.a.ppm" "$tmp.b.ppm"
    import -window "$win" "ppm:$tmp.a.ppm" 2>/dev/null || return 1
    while ((SECONDS < deadline)); do
        sleep 0.1
        import -window "$win" "ppm:$tmp.b.ppm" 2>/dev/null || return 1
        cmp -s "$tmp.a.ppm" "$tmp.b.ppm" && break
        mv -f "$tmp.b.ppm" "$tmp.a.ppm"
    done
    convert "$tmp.a.ppm" "png:$tmp.png" && mv -f "$tmp.png" "$shot"
    rm -f "$tmp.a.ppm" "$tmp.b.ppm"
    echo "Screenshot: $shot"
}

cleanup() {
    if [[ -n $watcher ]]; then
        kill "$watcher" 2>/dev/null || true
        wait "$watcher" 2>/dev/null || true
    fi
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    "$here/virtual-display.sh" stop "$xstate" || true
}
trap cleanup EXIT
# Waiting in the background lets a signal end the run now, not after Wine.
forward() {
    [[ -z $child ]] || kill "-$1" "$child" 2>/dev/null || true
    exit "$2"
}
trap 'forward INT 130' INT
trap 'forward TERM 143' TERM

DISPLAY=$("$here/virtual-display.sh" start "$xstate")
export DISPLAY
wine_prefix_init
rm -f "$shot"

echo "Mode at start: $(current_mode)"
screenshot_when_shown &
watcher=$!
"$WINE" "$exe" "$@" <&0 &
child=$!
status=0
wait "$child" || status=$?
child=''
echo "Mode at end: $(current_mode)"
# Its window is gone: a capture not finished by now will not be.
exit "$status"
