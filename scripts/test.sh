#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the native build (with
# AddressSanitizer and UBSan) and the Windows build, then runs CTest in the
# native build with every label (native, and wine for the end-to-end tests
# under Wine). Extra arguments go to ctest, e.g. -R wine.probe or -L native.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DSANITIZE=ON
cmake --build "$root/build" -j2
cmake -S "$root" -B "$root/build-win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
cmake --build "$root/build-win" -j2
cd "$root/build"
ctest --output-on-failure -j2 "$@"
