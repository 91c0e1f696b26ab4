#!/usr/bin/env bash
# Runs Ilvorande.exe under Wine with the given arguments; exits with its status.
#   scripts/run.sh [ARGS...]
# With DISPLAY set, the window opens there. Without, it opens on a virtual
# display of its own: the X mode is printed at start and end, and the main
# window's first look is saved to BUILD_DIR/screenshot.png.
set -euo pipefail

# shellcheck source=scripts/wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exe=$BUILD_DIR/windows/Ilvorande.exe
if [[ ! -f $exe ]]; then
    echo "run.sh: $exe not found; build it first" >&2
    exit 1
fi

if [[ -n ${DISPLAY:-} ]]; then
    # A prefix of its own: the test prefix draws its own frames, a desktop's
    # window manager should draw these.
    wine_prefix_init desktop
    run_child wine_env wine "$exe" "$@"
    exit
fi

shot=$BUILD_DIR/screenshot.png

current_mode() {
    xrandr -q 2>/dev/null | sed -n 's/^Screen 0:.* current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'
}

# Waits for the window to be mapped, then for two identical captures in a row
# (painting done), and saves the last one.
screenshot_when_shown() {
    local deadline=$((SECONDS + 30)) win='' tmp=$BUILD_DIR/.screenshot
    until win=$(xdotool search --onlyvisible --name '^Ilvorande$' 2>/dev/null | head -n1) && [[ -n $win ]]; do
        if ((SECONDS >= deadline)); then
            echo "run.sh: no window named Ilvorande within 30 s" >&2
            return 1
        fi
        sleep 0.1
    done
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
rm -f "$shot"
echo "Mode at start: $(current_mode)"
screenshot_when_shown &
# Its window is gone when the program ends: a capture not finished by then
# will not be.
on_exit kill_tree "$!"
status=0
run_child wine_env wine "$exe" "$@" || status=$?
echo "Mode at end: $(current_mode)"
exit "$status"
