#!/usr/bin/env bash
# Sourced: a Wine environment kept inside BUILD_DIR (default: the repository's
# build/), so that the user's own ~/.wine and HOME are never touched.
#   BUILD_DIR=... source scripts/wine-env.sh; wine_prefix_init
set -euo pipefail

BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}
mkdir -p "$BUILD_DIR"
BUILD_DIR=$(cd "$BUILD_DIR" && pwd)
export BUILD_DIR

export WINEPREFIX=$BUILD_DIR/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: their installers would prompt and need the network.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Debian's `wine` runs 64-bit programs through wine64 when wine32 is absent.
export WINE=wine

# Wine's desktop folder is $HOME/Desktop when it exists.
export HOME=$BUILD_DIR/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache
export XDG_STATE_HOME=$HOME/.local/state
export XDG_DESKTOP_DIR=$HOME/Desktop
export XDG_RUNTIME_DIR=$HOME/.runtime
mkdir -p "$HOME/Desktop" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" \
    "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Creates the prefix once, then makes its settings current.
# Without a window manager nobody draws title bars and nobody answers Wine's
# requests: "Managed"="N" leaves every window to Wine, which then draws its own
# frame ("Decorated"="N" says the same for a window still managed) and no
# longer waits 2 s for a window manager each time a window is hidden or closed.
# With the argument "desktop" the prefix is for a real desktop, whose window
# manager keeps managing the windows.
wine_prefix_init() {
    local marker=$WINEPREFIX/.ilvorande-settings settings=2 fresh=''
    [[ ${1:-} != desktop ]] || settings=desktop
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        # Needs no display: the prefix is built before any window shows.
        DISPLAY='' $WINE wineboot -i >/dev/null 2>&1
        fresh=1
    fi
    if [[ $settings != desktop && $(cat "$marker" 2>/dev/null) != "$settings" ]]; then
        local key='HKCU\Software\Wine\X11 Driver'
        $WINE reg add "$key" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        $WINE reg add "$key" /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
        echo "$settings" >"$marker"
    fi
    # Lets a persistent server start next; nothing else runs in a new prefix.
    [[ -z $fresh ]] || wineserver -w
    # Debian's Wine 8 looks for its own fonts in /usr/share/fonts, not where
    # fonts-wine puts them; without Marlett the title bar buttons show letters.
    local fonts=$WINEPREFIX/drive_c/windows/Fonts
    if [[ -d /usr/share/wine/fonts && ! -e $fonts/marlett.ttf ]]; then
        ln -sf /usr/share/wine/fonts/* "$fonts/"
    fi
}

# Adds CMD to the clean-ups, which run in reverse order when the script exits,
# whatever the cause: INT, TERM and HUP end the script with 128+signal.
#   on_exit CMD [ARGS...]
exit_cmds=()
running_child=''
on_exit() {
    local cmd
    printf -v cmd '%q ' "$@"
    exit_cmds+=("$cmd")
    trap_exit
}

trap_exit() {
    trap run_exit_cmds EXIT
    local sig
    # shellcheck disable=SC2064  # the signal's name, now
    for sig in INT TERM HUP; do trap "exit_on_signal $sig" "$sig"; done
}

# shellcheck disable=SC2317  # run from traps
run_exit_cmds() {
    trap '' INT TERM HUP  # a second Ctrl-C must not cut the clean-up short
    local i
    for ((i = ${#exit_cmds[@]} - 1; i >= 0; i--)); do eval "${exit_cmds[i]}" || true; done
}

# shellcheck disable=SC2317  # run from traps
exit_on_signal() {
    if [[ -n $running_child ]]; then
        # TERM whatever the signal: a background command ignores INT.
        kill_tree "$running_child"
        wait "$running_child" || true
    fi
    exit $((128 + $(kill -l "$1")))
}

# TERM to PID and its descendants, each listed before it can lose its parent.
kill_tree() {
    local kids kid
    kids=$(cat /proc/"$1"/task/*/children 2>/dev/null) || true
    kill -TERM "$1" 2>/dev/null || true
    for kid in $kids; do kill_tree "$kid"; done
}

# Runs CMD in the background and returns its status, so that a signal to the
# script ends CMD and all it started at once rather than after it.
#   run_child CMD [ARGS...]
run_child() {
    trap_exit
    "$@" <&0 &
    running_child=$!
    local status=0
    wait "$running_child" || status=$?
    running_child=''
    return "$status"
}

# Ends this prefix's Wine: WINEPREFIX selects the wineserver.
stop_wine() {
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
}

# A virtual display in STATEDIR, exported as DISPLAY, and the prefix ready on
# it; the prefix's Wine and the display end when the script exits.
#   start_session STATEDIR
start_session() {
    local scripts_dir
    scripts_dir=$(dirname "${BASH_SOURCE[0]}")
    on_exit "$scripts_dir/virtual-display.sh" stop "$1"
    on_exit stop_wine
    DISPLAY=$("$scripts_dir/virtual-display.sh" start "$1")
    export DISPLAY
    wine_prefix_init  # a prefix for the virtual display
}
