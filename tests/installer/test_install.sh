#!/usr/bin/env bash
# The release's package under Wine, in a copy of the test prefix: it installs
# for the user, a newer package replaces it, an older one refuses, and the
# uninstall leaves nothing of its own, the Run value of "Démarrer avec
# Windows" included. Every wait has a deadline; a failing step says which.
#   test_install.sh SOURCE_DIR RELEASE_DIR VERSION   (under scripts/with-test-env.sh)
set -eEuo pipefail
trap 'echo "FAILED: line $LINENO: \"$BASH_COMMAND\" ended with $?" >&2' ERR

source_dir=$1 release=$2 version=$3
base=${WINEPREFIX:-}
if [[ -z $base || -z ${BUILD_DIR:-} || $base != "$BUILD_DIR"/* ]]; then
    echo "run under scripts/with-test-env.sh, whose Wine prefix lies in the build folder" >&2
    exit 1
fi
package=$release/Ilvorande-$version-win64.msi
work=$(mktemp -d)
export WINEPREFIX=$base-installer XDG_DATA_HOME=$work/share XDG_CONFIG_HOME=$work/config
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

msiinfo export "$package" LaunchCondition |
    grep -qF $'\tUne version plus récente d\'Ilvorande est déjà installée.' || fail "no French downgrade message"

mkdir "$work/files"
unzip -q "$release/Ilvorande-$version-win64.zip" Ilvorande.exe LISEZMOI.txt -d "$work/files"
"$source_dir/installer/make-msi.sh" 99.0.0 "$work/files" 0 "$work/newer.msi"
"$source_dir/installer/make-msi.sh" 0.9.0 "$work/files" 0 "$work/older.msi"

rm -rf "$WINEPREFIX"
cp -a "$base" "$WINEPREFIX"
# msiexec may return while what it started still works (the Installer's
# service, winemenubuilder): the prefix has settled once its wineserver ends.
settle() { timeout 120 wineserver -w || fail "after $1, the prefix's processes still ran 120 s later"; }
# Wine's services start with the first program and keep its output.
wine wineboot </dev/null >/dev/null 2>&1
settle "the prefix's start"

windows() { local path=${1//\//\\}; echo "Z:$path"; }
unix() { local path=${1#C:}; echo "$WINEPREFIX/drive_c${path//\\//}"; }
# A registry key and all below it, a line per key and per value, each after its key.
flat() {  # flat KEY
    wine reg export "$1" "$(windows "$work/export.reg")" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
        awk '/^\[/ { key = $0; print key; next } NF { print key "\t" $0 }'
}
snapshot() {  # snapshot NAME: the files of the prefix and its registry
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/$1.files"
    { flat HKCU && flat 'HKLM\Software'; } | sort >"$work/$1.registry"
}
msiexec() {  # msiexec ARGS...: its status, whose low byte only Unix keeps
    local status=0
    timeout 120 wine msiexec "$@" </dev/null >"$work/msiexec.log" 2>&1 || status=$?
    echo "msiexec $*: $status"
    settle "msiexec $*"
    return "$status"
}
# Ilvorande in the installed apps (Wine keeps even a per-user one in HKLM), and as expected.
entries() {
    flat 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' | cut -f2 |
        grep -E '^"(DisplayName|DisplayVersion|Publisher|Language)"=' | grep -A3 -xF '"DisplayName"="Ilvorande"' || true
}
entry() {  # entry VERSION
    printf '"DisplayName"="Ilvorande"\n"DisplayVersion"="%s"\n"Language"=dword:0000040c\n"Publisher"="%s"' \
        "$1" "L'équipe Ilvorande"
}

# Windows always has the Run key; a new Wine prefix may not.
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
wine reg add "$run_key" /f >/dev/null
snapshot before
msiexec /i "$(windows "$package")" /qn || fail "the install failed"
IFS=';' read -r local_app_data app_data < <(wine cmd /c 'echo %LOCALAPPDATA%;%APPDATA%' 2>/dev/null | tr -d '\r')
folder="$local_app_data\\Programs\\Ilvorande"
for file in Ilvorande.exe LISEZMOI.txt; do
    cmp "$(unix "$folder\\$file")" "$work/files/$file" || fail "$file is not the release's"
done
link=$(lnkinfo "$(unix "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Ilvorande.lnk")")
[[ $(sed -n 's/^\tLocal path\t*: //p' <<<"$link") == "$folder\\Ilvorande.exe" ]] || fail "link target: $link"
[[ $(sed -n 's/^\tWorking directory\t*: //p' <<<"$link") == "$folder\\" ]] || fail "link folder: $link"
# Win+R by name, which Wine's shell does not do.
app_path=$(flat 'HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Ilvorande.exe')
grep -qxF "@=\"${folder//\\/\\\\}\\\\Ilvorande.exe\"" <(cut -f2 <<<"$app_path") || fail "App Paths: $app_path"
icon=$(flat 'HKCU\Software\Microsoft\Installer\Products' | cut -f2 | sed -n 's/^"ProductIcon"="\(.*\)"$/\1/p')
cmp "$(unix "${icon//\\\\/\\}")" "$source_dir/resources/Ilvorande.ico" ||
    fail "the list of installed apps shows another icon than the program's: $icon"
[[ $(entries) == "$(entry "$version")" ]] || fail "installed apps: $(entries)"
if flat "$run_key" | grep -q '"Ilvorande"='; then fail "the install wrote the Run value"; fi

msiexec /i "$(windows "$work/newer.msi")" /qn || fail "the newer package did not install"
[[ $(entries) == "$(entry 99.0.0)" ]] || fail "after the newer package: $(entries)"
cmp "$(unix "$folder\\Ilvorande.exe")" "$work/files/Ilvorande.exe" || fail "no program after the upgrade"
# 1603, ERROR_INSTALL_FAILURE: the launch condition of the downgrade.
status=0
msiexec /i "$(windows "$work/older.msi")" /qn || status=$?
((status == 1603 % 256)) || fail "the older package: $status, not 1603"
[[ $(entries) == "$(entry 99.0.0)" ]] || fail "after the older package: $(entries)"

# As "Démarrer avec Windows" writes it; the uninstall removes it.
wine reg add "$run_key" /v Ilvorande /d "\"$folder\\Ilvorande.exe\" /8M" /f >/dev/null
msiexec /x "$(windows "$work/newer.msi")" /qn || fail "the uninstall failed"
snapshot after
# Left: the Installer's caches and empty keys, Wine's record of its menu entries.
caches=$(unix "$app_data")
left=$(comm -13 "$work/before.files" "$work/after.files" |
    grep -vxF -e ./windows/Installer -e ".${caches#"$WINEPREFIX/drive_c"}/Microsoft/Installer" || true)
left+=$(comm -13 "$work/before.registry" "$work/after.registry" |
    grep -vE '^\[[^]]*\\Installer(\\.*)?\]$|^\[HKEY_CURRENT_USER\\Software\\Wine\\MenuFiles\]' || true)
[[ -z $left ]] || fail "left after the uninstall: $left"
echo "installed, upgraded, refused the downgrade, uninstalled: nothing left"
