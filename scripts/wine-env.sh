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

# A virtual display in STATEDIR and this prefix ready on it, with DISPLAY
# exported; this prefix's Wine and the display are ended when the calling
# script exits, and INT or TERM end the command of run_in_session at once.
#   start_session STATEDIR
start_session() {
    session_state=$1
    session_child=''
    trap stop_session EXIT
    trap 'end_session_on_signal INT 130' INT
    trap 'end_session_on_signal TERM 143' TERM
    DISPLAY=$("$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh" start "$session_state")
    export DISPLAY
    wine_prefix_init  # a prefix for the virtual display
}

# shellcheck disable=SC2317  # run from traps
stop_session() {
    # Only this prefix's processes: WINEPREFIX selects the wineserver.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    "$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh" stop "$session_state" || true
}

# shellcheck disable=SC2317  # run from traps
end_session_on_signal() {
    [[ -z $session_child ]] || kill "-$1" "$session_child" 2>/dev/null || true
    exit "$2"
}

# Runs CMD in the background, so that a signal ends it now rather than after
# it, and sets session_status to its exit status.
#   run_in_session CMD [ARGS...]
run_in_session() {
    "$@" <&0 &
    session_child=$!
    session_status=0
    wait "$session_child" || session_status=$?
    session_child=''
}
