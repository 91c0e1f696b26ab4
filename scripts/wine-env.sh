#!/usr/bin/env bash
# Sourced by the scripts: the build folder, clean-ups that compose, and a Wine
# environment kept inside the build folder, so that the user's own ~/.wine and
# HOME are never touched. Sourcing changes no shell option and no variable of
# the environment; commands get Wine's environment through wine_env.

scripts_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD_DIR=$(realpath -m "${BUILD_DIR:-$scripts_dir/../build}")
wine_prefix=$BUILD_DIR/wineprefix
wine_home=$BUILD_DIR/home
exit_cmds=()
running_child=''

# Adds CMD to the clean-ups, which run in reverse order when the script exits,
# whatever the cause: INT, TERM and HUP end the script with 128+signal.
#   on_exit CMD [ARGS...]
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

# Runs CMD with Wine's environment: the prefix, and HOME inside the build
# folder (Wine's desktop folder is $HOME/Desktop when it exists); no Mono or
# Gecko, whose installers would prompt and need the network.
#   wine_env CMD [ARGS...]
wine_env() {
    env BUILD_DIR="$BUILD_DIR" HOME="$wine_home" XDG_CONFIG_HOME="$wine_home/.config" \
        XDG_DATA_HOME="$wine_home/.local/share" XDG_CACHE_HOME="$wine_home/.cache" \
        XDG_STATE_HOME="$wine_home/.local/state" XDG_DESKTOP_DIR="$wine_home/Desktop" \
        XDG_RUNTIME_DIR="$wine_home/.runtime" WINEPREFIX="$wine_prefix" WINEARCH=win64 \
        WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"
}

# Ends this prefix's Wine: WINEPREFIX selects the wineserver.
stop_wine() {
    wine_env wineserver -k >/dev/null 2>&1
    wine_env wineserver -w >/dev/null 2>&1
}

# Makes the prefix ready (created once) and ends its Wine at exit.
# A real desktop gets a prefix of its own, whose window manager frames the
# windows.
#   wine_prefix_init virtual|desktop
wine_prefix_init() {
    [[ $1 != desktop ]] || wine_prefix=$BUILD_DIR/wineprefix-desktop
    on_exit stop_wine
    mkdir -p "$wine_home"/{Desktop,.config,.local/share,.cache,.local/state,.runtime} &&
        chmod 700 "$wine_home/.runtime" || return
    # The marker is written last: a set-up cut short (wineboot leaves a prefix
    # that it cannot repair) is done again from scratch next time.
    local marker=$wine_prefix/.ilvorande-settings settings=$1-2  # 2: their version
    if [[ $(cat "$marker" 2>/dev/null) != "$settings" ]]; then
        rm -rf "$wine_prefix"
        if ! create_prefix "$1" >/dev/null 2>&1; then
            echo "wine-env.sh: cannot set up the Wine prefix $wine_prefix" >&2
            return 1
        fi
        echo "$settings" >"$marker"
    fi
    # Debian's Wine 8 looks for its own fonts in /usr/share/fonts, not where
    # fonts-wine puts them; without Marlett the title bar buttons show letters.
    local fonts=$wine_prefix/drive_c/windows/Fonts
    if [[ -d /usr/share/wine/fonts && ! -e $fonts/marlett.ttf ]]; then
        ln -sf /usr/share/wine/fonts/* "$fonts/"
    fi
}

# On the virtual display nobody draws title bars and nobody answers Wine's
# requests: "Managed"="N" leaves every window to Wine, which then draws its own
# frame ("Decorated"="N" says the same for a window still managed) and no
# longer waits 2 s for a window manager each time a window is hidden or closed.
#   create_prefix virtual|desktop
create_prefix() {
    local key='HKCU\Software\Wine\X11 Driver'
    # Needs no display: the prefix is built before any window shows.
    DISPLAY='' run_child wine_env wine wineboot -i || return
    if [[ $1 != desktop ]]; then
        wine_env wine reg add "$key" /v Managed /t REG_SZ /d N /f || return
        wine_env wine reg add "$key" /v Decorated /t REG_SZ /d N /f || return
    fi
    # Lets a persistent server start next; nothing else runs in a new prefix.
    wine_env wineserver -w
}

# A virtual display in STATEDIR, exported as DISPLAY, and the prefix ready on
# it; both end when the script exits.
#   start_session STATEDIR
start_session() {
    on_exit "$scripts_dir/virtual-display.sh" stop "$1"
    DISPLAY=$("$scripts_dir/virtual-display.sh" start "$1") || return
    export DISPLAY
    wine_prefix_init virtual
}

# A second virtual display with two screens, in STATEDIR, exported as
# ILVORANDE_TWO_SCREENS_DISPLAY for the two-screen suites; ends when the
# script exits.
#   start_two_screens STATEDIR
start_two_screens() {
    on_exit "$scripts_dir/virtual-display.sh" stop "$1"
    ILVORANDE_TWO_SCREENS_DISPLAY=$("$scripts_dir/virtual-display.sh" start "$1" \
        "$scripts_dir/xorg-dummy-two.conf") || return
    export ILVORANDE_TWO_SCREENS_DISPLAY
}
