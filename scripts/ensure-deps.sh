#!/usr/bin/env bash
# Installs the Debian packages the build and tests need, only those missing.
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config mingw-w64 g++-mingw-w64-x86-64-posix wine64 wine bc time
          zlib1g-dev libz-mingw-w64-dev libjpeg62-turbo-dev libgif-dev googletest libgtest-dev libbenchmark-dev
          libpng-dev libfreetype-dev libfontconfig-dev fonts-wqy-microhei locales)
for extra in "$@"; do
  case $extra in
    --with-display) packages+=(xvfb x11-apps imagemagick) ;;
    --with-fuzz) packages+=(clang libclang-rt-14-dev) ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
