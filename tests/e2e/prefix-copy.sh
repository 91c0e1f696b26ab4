# copy_prefix NAME [SETUP...]: WINEPREFIX becomes $WINEPREFIX-NAME, copied again (then SETUP run
# in it) when the base's settings or these scripts change; its server ends with the caller.
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
