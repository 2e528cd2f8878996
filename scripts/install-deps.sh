#!/usr/bin/env bash
# Installs what building, testing, packaging and the screenshots need on Debian 12; does
# nothing when all is present.
#   scripts/install-deps.sh --fuzz  also what the fuzz targets need (clang and its libFuzzer)
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-svg-dev fonts-dejavu-core
    desktop-file-utils appstream       # the metadata checks of the test suite
    dpkg-dev file                      # CPack's shlibdeps
    xvfb xauth xdotool x11-utils       # starting the installed package, the screenshots
    imagemagick)                       # checking the screenshots
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
