#!/usr/bin/env bash
# The release's package under Wine, in a copy of the test prefix made for this
# test: it installs silently for the user, a newer package replaces it, an
# older one refuses, and the uninstall leaves nothing of its own behind.
#   test_install.sh SOURCE_DIR RELEASE_DIR VERSION   (under scripts/with-test-env.sh)
set -euo pipefail

source_dir=$1 release=$2 version=$3
base=${WINEPREFIX:?run under scripts/with-test-env.sh}
package=$release/Ilvorande-$version-win64.msi
work=$(mktemp -d)
export WINEPREFIX=$base-installer XDG_DATA_HOME=$work/share XDG_CONFIG_HOME=$work/config
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# Win+R by name: Wine's shell does not read App Paths, so it is checked here
# in the package and below in the registry.
registry=$(msiinfo export "$package" Registry | tr -d '\r')
grep -qxF $'1\tSoftware\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Ilvorande.exe\t\t[#Ilvorande.exe]\tProgram' \
    <<<"$(cut -f2- <<<"$registry")" || fail "no App Paths entry in the package: $registry"
properties=$(msiinfo export "$package" Property | tr -d '\r')
for property in $'ProductLanguage\t1036' $'ProductName\tIlvorande' $'Manufacturer\tL\'équipe Ilvorande' \
    $'ARPPRODUCTICON\tIlvorande.ico' $'ProductVersion\t'"$version"; do
    grep -qxF "$property" <<<"$properties" || fail "no $property in: $properties"
done
grep -qF $'\tUne version plus récente d\'Ilvorande est déjà installée.' \
    <<<"$(msiinfo export "$package" LaunchCondition)" || fail "no French downgrade message"

# A newer and an older package of the same files.
mkdir "$work/files"
unzip -q "$release/Ilvorande-$version-win64.zip" Ilvorande.exe LISEZMOI.txt -d "$work/files"
"$source_dir/installer/make-msi.sh" 99.0.0 "$work/files" 0 "$work/newer.msi"
"$source_dir/installer/make-msi.sh" 0.9.0 "$work/files" 0 "$work/older.msi"

rm -rf "$WINEPREFIX"
cp -a "$base" "$WINEPREFIX"
wineserver -p
# Wine's services start with the first program and keep its output.
wine wineboot </dev/null >/dev/null 2>&1

# A registry key and all below it, as UTF-8 text, one line per value and
# per key, each line starting with its key.
flat() {  # flat KEY FILE
    wine reg export "$1" "Z:${work//\//\\}\\export.reg" /y >/dev/null
    iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r' |
        awk '/^\[/ { key = $0; print key; next } NF { print key "\t" $0 }' >"$2"
}
snapshot() {  # snapshot NAME: every file of the prefix and the registry
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/$1.files"
    flat HKCU "$work/$1.hkcu"
    flat 'HKLM\Software' "$work/$1.hklm"
    cat "$work/$1.hkcu" "$work/$1.hklm" | sort >"$work/$1.registry"
}
msiexec() {  # msiexec ARGS...: its status, whose low byte only Unix keeps
    local status=0
    timeout 120 wine msiexec "$@" </dev/null >"$work/msiexec.log" 2>&1 || status=$?
    echo "msiexec $*: $status"
    return "$status"
}
# The entries of Windows' list of installed apps named Ilvorande (Wine keeps
# even a per-user one in HKLM).
entries() {
    flat 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "$work/apps"
    grep -E '"(DisplayName|DisplayVersion|Publisher|Language)"=' "$work/apps" | cut -f2 |
        grep -A3 -xF '"DisplayName"="Ilvorande"' || true
}
entry() {  # entry VERSION: the one entry expected, in French
    printf '"DisplayName"="Ilvorande"\n"DisplayVersion"="%s"\n"Language"=dword:0000040c\n"Publisher"="%s"' \
        "$1" "L'équipe Ilvorande"
}

snapshot before
msiexec /i "Z:${package//\//\\}" /qn || fail "the install failed"

local_app_data=$(wine cmd /c 'echo %LOCALAPPDATA%' </dev/null 2>/dev/null | tr -d '\r')
app_data=$(wine cmd /c 'echo %APPDATA%' </dev/null 2>/dev/null | tr -d '\r')
folder="$local_app_data\\Programs\\Ilvorande"
unix() { wine winepath -u "$1" </dev/null 2>/dev/null; }
for file in Ilvorande.exe LISEZMOI.txt; do
    cmp "$(unix "$folder\\$file")" "$work/files/$file" || fail "$file is not the release's"
done
link=$(lnkinfo "$(unix "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Ilvorande.lnk")")
[[ $(sed -n 's/^\tLocal path\t*: //p' <<<"$link") == "$folder\\Ilvorande.exe" ]] || fail "link target: $link"
[[ $(sed -n 's/^\tWorking directory\t*: //p' <<<"$link") == "$folder\\" ]] || fail "link folder: $link"
flat 'HKCU\Software\Microsoft\Windows\CurrentVersion\App Paths\Ilvorande.exe' "$work/app-path"
grep -qxF "@=\"${folder//\\/\\\\}\\\\Ilvorande.exe\"" <(cut -f2 "$work/app-path") ||
    fail "App Paths: $(cat "$work/app-path")"
cmp "$(unix "$app_data\\Microsoft\\Installer")"/*/Ilvorande.ico "$source_dir/resources/Ilvorande.ico" ||
    fail "the list of installed apps has not the program's icon"
[[ $(entries) == "$(entry "$version")" ]] || fail "installed apps: $(entries)"

msiexec /i "Z:${work//\//\\}\\newer.msi" /qn || fail "the newer package did not install"
[[ $(entries) == "$(entry 99.0.0)" ]] || fail "after the newer package: $(entries)"
cmp "$(unix "$folder\\Ilvorande.exe")" "$work/files/Ilvorande.exe" || fail "no program after the upgrade"

# 1603, ERROR_INSTALL_FAILURE: the launch condition of the downgrade.
status=0
msiexec /i "Z:${work//\//\\}\\older.msi" /qn || status=$?
((status == 1603 % 256)) || fail "the older package: $status, not 1603"
[[ $(entries) == "$(entry 99.0.0)" ]] || fail "after the older package: $(entries)"

msiexec /x "Z:${work//\//\\}\\newer.msi" /qn || fail "the uninstall failed"
snapshot after
# Left to the Windows Installer: the folders of its caches and its empty
# keys. Left to Wine: its record of the desktop menu entries it wrote.
roaming=.${app_data#C:}
roaming=${roaming//\\//}
left=$(comm -13 "$work/before.files" "$work/after.files" |
    grep -vxF -e ./windows/Installer -e "$roaming/Microsoft/Installer" || true)
left+=$(comm -13 "$work/before.registry" "$work/after.registry" |
    grep -vE '^\[[^]]*\\Installer(\\.*)?\]$|^\[HKEY_CURRENT_USER\\Software\\Wine\\MenuFiles\]' || true)
[[ -z $left ]] || fail "left after the uninstall: $left"
echo "installed, upgraded, refused the downgrade, uninstalled: nothing left"
