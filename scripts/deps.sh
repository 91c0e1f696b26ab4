#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever is missing to build Ilvorande
# and run its tests, or with "format" what make format needs. A second run
# asks dpkg only: no network, well under a second.
#   deps.sh [format]
set -euo pipefail

packages=(
    # native build and unit tests (sanitizers, libFuzzer)
    cmake ninja-build make g++ clang libclang-rt-14-dev
    googletest libgtest-dev libgmock-dev python3
    # Windows build: MinGW-w64, its POSIX-threads variant. The program runs one
    # thread and would build with either; its size and its reproducible bytes
    # are those of this one.
    g++-mingw-w64-x86-64-posix
    # Wine, 64-bit only: no i386 architecture is needed for a 64-bit program
    wine wine64
    # Installed without Recommends, so name what Wine loads at run time:
    # RandR is what makes ChangeDisplaySettings change the X mode;
    # fonts-wine brings Tahoma and Marlett (the title bar buttons).
    libxrandr2 libxinerama1 libxrender1 libxcursor1 libxi6 libxcomposite1
    libxfixes3 libxxf86vm1 libfreetype6 libfontconfig1 fonts-dejavu-core fonts-wine
    # virtual X server whose modes can be switched, and tools that read it
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils x11-utils
    xdotool imagemagick
    # reads .lnk files independently of Windows; chattr makes a folder unwritable
    liblnk-utils e2fsprogs
    # the Windows Installer package, its signature and the winget manifests' check
    wixl msitools osslsigncode openssl python3-yaml
)
# The commands that the build and the tests call, checked after installing:
# a package can be installed and still lack one (an alternative unset, say).
tools=(
    cmake ninja g++ clang++ python3 x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix
    x86_64-w64-mingw32-windres x86_64-w64-mingw32-objdump wine wineserver
    Xorg xrandr xdotool import convert lnkinfo chattr wixl msiinfo osslsigncode openssl
)
if [[ ${1:-} == format ]]; then
    packages=(clang-format)
    tools=(clang-format)
fi

# One dpkg-query for all; packages it has never heard of are simply not listed.
declare -A installed=()
while read -r name status; do
    [[ $status == installed ]] && installed[${name%%:*}]=1
done < <(dpkg-query -W -f='${binary:Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)

missing=()
for p in "${packages[@]}"; do
    [[ -n ${installed[$p]:-} ]] || missing+=("$p")
done

if ((${#missing[@]} > 0)); then
    sudo=()
    if ((EUID != 0)); then
        command -v sudo >/dev/null || { echo "deps.sh: run as root to install: ${missing[*]}" >&2; exit 1; }
        sudo=(sudo)
    fi
    echo "deps.sh: installing ${missing[*]}" >&2
    log=$(mktemp)
    trap 'rm -f "$log"' EXIT
    export DEBIAN_FRONTEND=noninteractive
    if ! "${sudo[@]}" apt-get update -qq >"$log" 2>&1 ||
        ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
        cat "$log" >&2
        echo "deps.sh: apt-get failed" >&2
        exit 1
    fi
fi

for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "deps.sh: $tool is missing after installation" >&2; exit 1; }
done
