#!/usr/bin/env bash
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

shot=$BUILD_DIR/screenshot.png
timeout_s=${RUN_WINDOW_TIMEOUT:-30}
watcher=''

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

start_session "$BUILD_DIR/xstate-run"
# shellcheck disable=SC2317  # run from the trap
end_run() {
    [[ -z $watcher ]] || kill "$watcher" 2>/dev/null || true
    stop_session
}
trap end_run EXIT
rm -f "$shot"

echo "Mode at start: $(current_mode)"
screenshot_when_shown &
watcher=$!
run_in_session "$WINE" "$exe" "$@"
echo "Mode at end: $(current_mode)"
# Its window is gone: a capture not finished by now will not be, and the
# exit ends the watcher.
exit "$session_status"
