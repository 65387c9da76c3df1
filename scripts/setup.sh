#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine: the native
# toolchain with GoogleTest, the mingw-w64 i686 cross compiler, 32-bit Wine,
# Xvfb and ImageMagick (for the demo's screenshot). Idempotent: a package
# already present is not fetched again.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# fonts-wine: Wine's own fonts (MS Sans Serif, and Marlett for the caption
# buttons), which wine only recommends.
packages=(cmake g++ make libgtest-dev googletest g++-mingw-w64-i686 xvfb imagemagick wine wine32:i386
          fonts-wine x11-utils)
for p in "${packages[@]}"; do have "$p" || need+=("$p"); done
[ ${#need[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
