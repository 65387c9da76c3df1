#!/usr/bin/env bash
# Shows the setup program: builds Install.exe, lays out a demo distribution
# and a demo Wine prefix in which Delphi 3, 4 and 5 are installed, and starts
# Install.exe in it. With a display it simply runs there. Without one it runs
# under an Xvfb of its own; once the robot sees the window, a screenshot is
# taken into out/demo.png and checked not to be blank, and everything this
# script started is ended.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build-win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build-win" -j2
if [ ! -f "$root/build-win/Install.exe" ]; then
    echo "demo: Install.exe is not built: its entry installer/main/VocalithInstall.cpp does not exist yet" >&2
    exit 1
fi

export WINE_WINDOWS_BUILD=$root/build-win
WINE_RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vocalith-demo.XXXXXX")
export WINE_RUN_DIR
. "$root/tests/wine/lib.sh"
wine_require Install.exe
dist='C:\Vocalith Setup'

# seed_demo: the Delphi installations and the distribution, in $WINEPREFIX.
seed_demo() {
    local version value bin
    for version in 3 4 5; do
        bin="C:\\Programme\\Borland\\Delphi $version\\Bin"
        value="Delphi $version"
        [ "$version" = 5 ] && value=App
        reg_seed "HKEY_LOCAL_MACHINE\\Software\\Borland\\Delphi\\$version.0" "$value" "$bin\\delphi32.exe"
        bash "$WINE_HARNESS_DIR/make-distribution.sh" "$(unix_path "$bin")" delphi32.exe
    done
    reg_apply
    make_distribution "$dist" Install.exe "${FULL_DISTRIBUTION[@]}"
}

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    base_prefix_create
    export WINEPREFIX=$(base_prefix) TMPDIR=$WINE_RUN_DIR
    SCENARIO_DIR=$WINE_RUN_DIR
    wineserver -p
    trap 'wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; rm -rf "$WINE_RUN_DIR"' EXIT
    seed_demo
    echo "demo: Install.exe runs on $DISPLAY (prefix $WINEPREFIX); close it to end the demo"
    (cd "$(unix_path "$dist")" && wine Install.exe)
else
    AFTER_SCENARIO='rm -rf "$WINE_RUN_DIR"'
    scenario_begin demo
    seed_demo
    start_program "$dist" Install.exe
    robot --timeout 60 window class=TVocalithInstallForm exe=Install.exe :: idle
    mkdir -p "$root/out"
    shot=$root/out/demo.png
    import -window root "$shot"
    [ "$(convert "$shot" -colorspace gray -format '%[fx:standard_deviation>0.02]' info:)" = 1 ] ||
        fail "the screenshot $shot is blank"
    echo "demo: screenshot of the installer window: $shot"
fi
