# A distribution folder without any design-time package: the program says
# "No files to install found." in an error box titled "Setup" and ends
# without ever showing its window.
NEEDS=(Install.exe)

scenario() {
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\5.0' App \
        'C:\Programme\Borland\Delphi 5\Bin\delphi32.exe'
    reg_apply
    make_distribution 'C:\Dist' Install.exe OstrellVocalith50.bpl vcl50.bpl
    start_program 'C:\Dist' Install.exe
    robot box title=Setup exe=Install.exe :: expect-text '#0xffff' 'No files to install found.'
    # The installer window does not exist, not even hidden.
    if robot --timeout 1 window class=TVocalithInstallForm hidden 2>/dev/null; then
        fail "the installer window exists"
    fi
    robot box title=Setup exe=Install.exe :: press OK
    local tries=0
    while kill -0 "$PROGRAM_PID" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || fail "the program did not end after the box"
        sleep 0.1
    done
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
}
