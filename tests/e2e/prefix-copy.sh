# copy_prefix NAME [SETUP...]: WINEPREFIX becomes $WINEPREFIX-NAME, a copy
# made again (then SETUP run in it) when the base prefix's settings or these
# scripts change; its Wine server ends with the calling script.
copy_prefix() {
    local name=$1 base=${WINEPREFIX:?} stamp
    shift
    export WINEPREFIX=$base-$name
    stamp=$(cat "$base/.ilvorande-settings" "$0" "${BASH_SOURCE[0]}" \
        "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh" | sha256sum)
    if [[ $(cat "$WINEPREFIX/.copy" 2>/dev/null) != "$stamp" ]]; then
        rm -rf "$WINEPREFIX"
        cp -a "$base" "$WINEPREFIX"
        (($# == 0)) || "$@"
        echo "$stamp" >"$WINEPREFIX/.copy"
    fi
    trap 'wineserver -k 2>/dev/null || true' EXIT
}
