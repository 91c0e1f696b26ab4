#!/usr/bin/env bash
# A private X server whose modes RandR (and so Wine) can really switch.
#   virtual-display.sh start STATEDIR [CONFIG]   prints ":N"; writes STATEDIR/display,
#                                                STATEDIR/xorg.pid; CONFIG: xorg-dummy.conf
#   virtual-display.sh stop STATEDIR
# Xvfb will not do: it forgets modes added with xrandr, so Wine sees one mode only.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
timeout_s=${VIRTUAL_DISPLAY_TIMEOUT:-30}

usage() {
    echo "usage: $0 start STATEDIR [CONFIG] | stop STATEDIR" >&2
    exit 2
}

# Polls "$@" until it succeeds or timeout_s passes.
wait_for() {
    local deadline=$((SECONDS + timeout_s))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

# A zombie counts as gone: it may wait a while for a reaper.
pid_alive() {
    local st
    st=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n $st && $st != Z ]]
}
pid_gone() { ! pid_alive "$1"; }
# Guards against a recycled pid: only the Xorg that logs into STATEDIR.
is_our_xorg() {
    local cmdline
    cmdline=$(tr '\0' ' ' <"/proc/$1/cmdline" 2>/dev/null) || return 1
    [[ $cmdline == *Xorg*" $2/xorg.log "* ]]
}
displayfd_written_or_dead() { grep -qs '^[0-9]' "$1" || pid_gone "$2"; }

start() {
    local state=$1 config=${2:-$here/xorg-dummy.conf}
    mkdir -p "$state/xorg.conf.d"
    state=$(cd "$state" && pwd)
    if [[ -s $state/xorg.pid ]] && pid_alive "$(cat "$state/xorg.pid")"; then
        echo "virtual-display: already running in $state" >&2
        exit 1
    fi
    rm -f "$state/display" "$state/xorg.pid" "$state/displayfd"
    # Our own (nearly empty) config directory, so that /etc/X11/xorg.conf.d
    # of the machine is not read; Xorg complains about an empty one.
    echo '# Intentionally empty.' >"$state/xorg.conf.d/00-none.conf"

    # -sharevts/-novtswitch: never take over a console of the machine.
    # +xinerama: keeps Xorg from adding its built-in modes to the list.
    Xorg +xinerama -config "$config" -configdir "$state/xorg.conf.d" \
        -noreset -nolisten tcp -sharevts -novtswitch \
        -logfile "$state/xorg.log" -displayfd 3 \
        3>"$state/displayfd" </dev/null >"$state/xorg.out" 2>&1 &
    local pid=$!
    echo "$pid" >"$state/xorg.pid"

    # -displayfd writes the number once the server accepts connections.
    wait_for displayfd_written_or_dead "$state/displayfd" "$pid" || true
    if ! grep -qs '^[0-9]' "$state/displayfd" || ! pid_alive "$pid"; then
        echo "virtual-display: Xorg did not start; see $state/xorg.log" >&2
        tail -n 20 "$state/xorg.out" >&2 || true
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    local display
    display=":$(head -n1 "$state/displayfd" | tr -dc 0-9)"
    if ! wait_for env DISPLAY="$display" xrandr -q >/dev/null 2>&1; then
        echo "virtual-display: $display does not answer" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
    echo "$display" >"$state/display"
    echo "$display"
}

stop() {
    local state=$1 pid
    [[ -s $state/xorg.pid ]] || return 0
    state=$(cd "$state" && pwd)
    pid=$(cat "$state/xorg.pid")
    if pid_alive "$pid" && is_our_xorg "$pid" "$state"; then
        kill -TERM "$pid" 2>/dev/null || true
        if ! wait_for pid_gone "$pid"; then
            kill -KILL "$pid" 2>/dev/null || true
            wait_for pid_gone "$pid" || true
        fi
    fi
    rm -f "$state/xorg.pid" "$state/display" "$state/displayfd"
}

case $#:${1:-} in
2:start) start "$2" ;;
3:start) start "$2" "$(realpath "$3")" ;;
2:stop) stop "$2" ;;
*) usage ;;
esac
