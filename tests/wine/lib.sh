# The Wine test harness, sourced by run-scenario.sh and prefix.sh.
#
# One throw-away 32-bit prefix is made per test run (prefix.sh create) and
# copied for every scenario, which gets its own Xvfb, its own TMPDIR and a
# wineserver kept up (-p) until the scenario ends. Everything started here is
# ended here: the Xvfb by its pid, the Wine processes with wineserver -k.
#
# Set by the caller (CTest sets both):
#   WINE_WINDOWS_BUILD  the Windows build folder (robot.exe, Probe.exe, Install.exe)
#   WINE_RUN_DIR        a folder for this run's prefixes

WINE_HARNESS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The design-time packages that a distribution folder may hold, and every
# file of a complete distribution besides the setup program.
DESIGN_PACKAGES=(OstrellVocalith30Design.dpl OstrellVocalith40Design.bpl OstrellVocalith50Design.bpl)
FULL_DISTRIBUTION=(
    vcl30.dpl vcl30.de vcl40.bpl vcl40.de vcl50.bpl vcl50.de
    OstrellVocalith30.dpl OstrellVocalith30.dcp OstrellVocalith30.dcu
    OstrellVocalith40.bpl OstrellVocalith40.dcp OstrellVocalith40.dcu
    OstrellVocalith50.bpl OstrellVocalith50.dcp OstrellVocalith50.dcu
    "${DESIGN_PACKAGES[@]}"
    OstrellVocalithEng.hlp OstrellVocalithGer.hlp
    "Vocalith - History.txt" Vocalith.int Demo.zip Demo.exe ReadMeEng.txt ReadMeGer.txt
)

export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# One locale for every run: reg.exe then prints in code page 437.
export LANG=C.UTF-8
unset LC_ALL

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

note() { echo "-- $*"; }

# Fails with a clear message unless Wine, Xvfb and the Windows build are there.
wine_require() {
    local tool
    for tool in wine wineserver wineboot Xvfb; do
        command -v "$tool" >/dev/null ||
            fail "$tool is not installed: run scripts/setup.sh"
    done
    [ -n "${WINE_WINDOWS_BUILD:-}" ] || fail "WINE_WINDOWS_BUILD is not set"
    [ -n "${WINE_RUN_DIR:-}" ] || fail "WINE_RUN_DIR is not set"
    local exe
    for exe in robot.exe "$@"; do
        [ -f "$WINE_WINDOWS_BUILD/$exe" ] ||
            fail "$WINE_WINDOWS_BUILD/$exe is missing: build the Windows build first" \
                "(cmake --build $WINE_WINDOWS_BUILD, or bash scripts/test.sh)"
    done
    ROBOT=$WINE_WINDOWS_BUILD/robot.exe
}

base_prefix() { echo "$WINE_RUN_DIR/base-prefix"; }

# Makes the run's base prefix once: wineboot, then the X11 driver told that
# there is no window manager (without one, every closing window stalls the
# program for about 2 s), and Wine's fonts put where it finds them.
base_prefix_create() {
    local base
    base=$(base_prefix)
    [ -f "$base/.complete" ] && return 0
    mkdir -p "$WINE_RUN_DIR"
    rm -rf "$base" "$base.tmp"
    local tmp
    tmp=$(mktemp -d "$WINE_RUN_DIR/boot.XXXXXX")
    (
        export WINEPREFIX=$base.tmp TMPDIR=$tmp
        unset DISPLAY
        wineboot -i >/dev/null 2>&1
        wineserver -w
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
        wineserver -w
        # Wine's own TrueType fonts (fonts-wine), which it does not look for
        # where the package puts them: Marlett draws the caption buttons.
        local font
        for font in /usr/share/wine/fonts/*.ttf; do
            if [ -f "$font" ]; then cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"; fi
        done
    ) || fail "the Wine prefix could not be made"
    rm -rf "$tmp"
    touch "$base.tmp/.complete"
    mv "$base.tmp" "$base"
}

base_prefix_remove() { rm -rf "$(base_prefix)" "$(base_prefix).tmp"; }

# ---- a scenario ---------------------------------------------------------------

# The size of every scenario's screen.
SCREEN_WIDTH=1024
SCREEN_HEIGHT=768

SCENARIO_DIR=""
XVFB_PID=""
AFTER_SCENARIO=""  # a command scenario_end runs last
SCENARIO_START=0

# scenario_begin NAME: a copy of the base prefix, an Xvfb and a wineserver.
scenario_begin() {
    local name=$1
    SCENARIO_START=$(date +%s%N)
    [ -f "$(base_prefix)/.complete" ] || base_prefix_create
    SCENARIO_DIR=$(mktemp -d "$WINE_RUN_DIR/$name.XXXXXX")
    trap scenario_end EXIT
    export WINEPREFIX=$SCENARIO_DIR/prefix
    cp -a "$(base_prefix)" "$WINEPREFIX"
    rm -f "$WINEPREFIX/wineserver"
    export TMPDIR=$SCENARIO_DIR/tmp
    mkdir -p "$TMPDIR"

    local display_file=$SCENARIO_DIR/display
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp 3>"$display_file" \
        >"$SCENARIO_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 200); do
        [ -s "$display_file" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$SCENARIO_DIR/xvfb.log")"
        sleep 0.05
    done
    [ -s "$display_file" ] || fail "Xvfb gave no display number"
    DISPLAY=:$(head -n1 "$display_file")
    export DISPLAY
    wineserver -p
    note "scenario $name: prefix ready on display $DISPLAY"
}

scenario_end() {
    local rc=$?
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
    if [ "$rc" -ne 0 ] && [ -f "$SCENARIO_DIR/program.log" ]; then
        echo "---- program output" >&2
        tail -n 40 "$SCENARIO_DIR/program.log" >&2
    fi
    if [ -n "$SCENARIO_DIR" ] && [ -z "${WINE_KEEP:-}" ]; then
        rm -rf "$SCENARIO_DIR"
    elif [ -n "$SCENARIO_DIR" ]; then
        echo "kept $SCENARIO_DIR" >&2
    fi
    local ms=$((($(date +%s%N) - SCENARIO_START) / 1000000))
    note "scenario took ${ms} ms"
    if [ -n "${AFTER_SCENARIO:-}" ]; then eval "$AFTER_SCENARIO"; fi
    exit "$rc"
}

# ---- paths --------------------------------------------------------------------

# unix_path 'C:\Dist\a.txt': the file in the prefix (drive C only).
unix_path() {
    local win=$1
    case "$win" in
        [Cc]:\\*) ;;
        *) fail "not a path on drive C: $win" ;;
    esac
    local rest=${win:3}
    echo "$WINEPREFIX/drive_c/${rest//\\//}"
}

# ---- the distribution folder and the program ---------------------------------

# make_distribution 'C:\Dist' PROGRAM.exe FILE...: the folder with the program
# and placeholder files (see make-distribution.sh).
make_distribution() {
    local dir=$1 program=$2
    shift 2
    bash "$WINE_HARNESS_DIR/make-distribution.sh" --program "$WINE_WINDOWS_BUILD/$program" \
        "$(unix_path "$dir")" "$@"
}

# delphi_bin VERSION: the Bin folder of an installed Delphi 3, 4 or 5.
delphi_bin() { echo "C:\\Programme\\Borland\\Delphi $1\\Bin"; }

# seed_delphi VERSION...: Delphi 3, 4 or 5 installed as the setup program
# finds it: the version's key under HKLM naming its program file (value
# "Delphi 3", "Delphi 4", or "App" for Delphi 5), the Bin folder holding that
# file, and the user's list of known packages with a standard package. Call
# reg_apply afterwards.
seed_delphi() {
    local version bin value ext
    for version in "$@"; do
        bin=$(delphi_bin "$version")
        value="Delphi $version"
        ext=bpl
        [ "$version" = 5 ] && value=App
        [ "$version" = 3 ] && ext=dpl
        reg_seed "HKEY_LOCAL_MACHINE\\Software\\Borland\\Delphi\\$version.0" "$value" "$bin\\delphi32.exe"
        reg_seed "HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\$version.0\\Known Packages" \
            "$bin\\stdpack${version}0.$ext" "Standard components"
        bash "$WINE_HARNESS_DIR/make-distribution.sh" "$(unix_path "$bin")" delphi32.exe "stdpack${version}0.$ext"
    done
}

PROGRAM_PID=""

# start_program 'C:\Dist' NAME.exe: runs the program in the background with its
# working directory there (inside drive_c).
start_program() {
    local dir=$1 exe=$2
    (cd "$(unix_path "$dir")" && exec wine "$exe") >"$SCENARIO_DIR/program.log" 2>&1 &
    PROGRAM_PID=$!
}

# robot COMMAND ARGS... [:: COMMAND ARGS...]: see robot/Robot.cpp.
robot() { wine "$ROBOT" "$@"; }

# ---- the registry ---------------------------------------------------------------

REG_LINES=()

# reg_seed 'HKEY_...\Key' NAME TEXT and reg_seed_dword 'HKEY_...\Key' NAME NUMBER
# collect values; reg_apply writes them with regedit /S in one call.
reg_seed() { REG_LINES+=("$1" "\"$(reg_escape "$2")\"=\"$(reg_escape "$3")\""); }
reg_seed_dword() { REG_LINES+=("$1" "\"$(reg_escape "$2")\"=dword:$(printf '%08x' "$3")"); }

reg_escape() {
    local s=${1//\\/\\\\}
    echo -n "${s//\"/\\\"}"
}

reg_apply() {
    local file=$SCENARIO_DIR/seed.reg text key last="" i
    text=$'Windows Registry Editor Version 5.00\r\n'
    for ((i = 0; i < ${#REG_LINES[@]}; i += 2)); do
        key=${REG_LINES[i]}
        if [ "$key" != "$last" ]; then
            text+=$'\r\n'"[$key]"$'\r\n'
            last=$key
        fi
        text+="${REG_LINES[i + 1]}"$'\r\n'
    done
    # A UTF-16 file with its byte-order mark carries any text.
    { printf '\xff\xfe'; printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$file"
    wine regedit /S "$(winepath_of "$file")" || fail "regedit could not seed the registry"
    REG_LINES=()
}

winepath_of() { echo "Z:${1//\//\\}"; }

# reg_value 'HKCU\Key' NAME: prints the value's data (texts in code page 437
# are turned back into UTF-8); fails when the key or value is missing.
reg_value() {
    local out
    out=$(wine reg query "$1" /v "$2" 2>/dev/null | iconv -f CP437 -t UTF-8) || return 1
    printf '%s\n' "$out" | tr -d '\r' | awk -v name="$2" '
        { line = $0; sub(/^    /, "", line) }
        index(line, name "    ") == 1 {
            rest = substr(line, length(name) + 5)
            sub(/^[A-Z_]+    /, "", rest)
            print rest
            found = 1
        }
        END { exit found ? 0 : 1 }'
}

# reg_expect 'HKCU\Key' NAME DATA
reg_expect() {
    local got
    got=$(reg_value "$1" "$2") || fail "registry: $1 value $2 is missing (expected '$3')"
    [ "$got" = "$3" ] || fail "registry: $1 value $2: expected '$3', got '$got'"
}

# reg_expect_missing 'HKCU\Key' [NAME]
reg_expect_missing() {
    if [ $# -ge 2 ]; then
        ! reg_value "$1" "$2" >/dev/null || fail "registry: $1 value $2 should not exist"
    else
        ! wine reg query "$1" >/dev/null 2>&1 || fail "registry: key $1 should not exist"
    fi
}

# ---- files ----------------------------------------------------------------------

file_expect() {
    [ -f "$(unix_path "$1")" ] || fail "file $1 is missing"
    if [ $# -ge 2 ]; then
        local got
        got=$(cat "$(unix_path "$1")")
        [ "$got" = "$2" ] || fail "file $1: expected '$2', got '$got'"
    fi
}

file_expect_missing() { [ ! -e "$(unix_path "$1")" ] || fail "$1 should not exist"; }

dir_expect() { [ -d "$(unix_path "$1")" ] || fail "folder $1 is missing"; }

# ---- log views ----------------------------------------------------------------

# lines_in_order FILE START...: a line starting with each START occurs in FILE,
# after the one found for the START before.
lines_in_order() {
    local file=$1 after=0 line n
    shift
    for line in "$@"; do
        n=$(awk -v want="$line" -v after="$after" 'NR > after && index($0, want) == 1 { print NR; exit }' "$file")
        if [ -z "$n" ]; then
            echo "---- text" >&2
            cat "$file" >&2
            fail "line '$line' not found after line $after"
        fi
        after=$n
    done
}
