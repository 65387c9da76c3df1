# "Close" ends the program; so does a close request from outside (WM_CLOSE),
# which the window grants while it is enabled.
NEEDS=(Install.exe)

scenario() {
    make_distribution 'C:\Dist' Install.exe OstrellVocalith50Design.bpl
    start_program 'C:\Dist' Install.exe
    robot window class=TVocalithInstallForm exe=Install.exe \
        :: expect-text Button1 Close :: expect-enabled Button1 1 :: click Button1 :: wait-exit
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"

    start_program 'C:\Dist' Install.exe
    robot window class=TVocalithInstallForm exe=Install.exe :: close :: wait-exit
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
}
