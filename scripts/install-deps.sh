#!/usr/bin/env bash
# Installs the Debian packages a build needs, only those missing. Safe to run again.
#   scripts/install-deps.sh            everything (Linux program, tests, Windows cross-build, Wine)
#   scripts/install-deps.sh linux      the Linux program and its tests only
#   scripts/install-deps.sh browser    the Linux program and the players' page check
#                                      (scripts/browser-check.sh: headless Chromium)
set -euo pipefail

want=${1:-all}

linux_packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-image-formats-plugins qt6-translations-l10n
    fonts-ipafont-gothic
    xvfb xauth xdotool imagemagick poppler-utils
    dpkg-dev file lintian desktop-file-utils appstream
    libboost-dev libqrcodegencpp-dev
    clang libclang-rt-14-dev
)
# The 32-bit program we ship and its tests under 32-bit Wine; the 64-bit compiler and Wine for
# machines that cannot run 32-bit programs (scripts/test-windows.sh falls back to them); Wine's
# own fonts for window frames; cmark-gfm turns the operator's guide into the page the zip carries.
windows_packages=(
    g++-mingw-w64-i686 mingw-w64-i686-dev googletest zip locales
    wine wine32
    g++-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64 fonts-wine
    cmark-gfm
)

browser_packages=(chromium chromium-driver python3-selenium)

packages=("${linux_packages[@]}")
case $want in
    all) packages+=("${windows_packages[@]}") ;;
    linux) ;;
    browser) packages+=("${browser_packages[@]}") ;;
    *) echo "usage: $0 [all|linux|browser]" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi

missing=()
for package in "${packages[@]}"; do
    # An i386 package is installed under its architecture-qualified name.
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' &&
       ! dpkg-query -W -f='${Status}' "$package:i386" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$want" = all ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
