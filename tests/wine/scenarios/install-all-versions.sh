# All three design-time packages and all three IDEs: every Bin folder box and
# every registration box is checked and enabled, and shows its folder.
NEEDS=(Install.exe)

scenario() {
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\3.0' 'Delphi 3' 'C:\Borland\Delphi 3\Bin\delphi32.exe'
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\4.0' 'Delphi 4' 'C:\Borland\Delphi4\Bin\delphi32.exe'
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\5.0' App 'C:\Borland\Delphi5\Bin\delphi32.exe'
    reg_apply
    make_distribution 'C:\Dist' Install.exe "${DESIGN_PACKAGES[@]}"
    start_program 'C:\Dist' Install.exe
    robot window class=TVocalithInstallForm exe=Install.exe \
        :: expect-text BtnD3Dir 'C:\Borland\Delphi 3\Bin' :: expect-check BtnD3Dir 1 :: expect-enabled BtnD3Dir 1 \
        :: expect-text BtnD4Dir 'C:\Borland\Delphi4\Bin' :: expect-check BtnD4Dir 1 :: expect-enabled BtnD4Dir 1 \
        :: expect-text BtnD5Dir 'C:\Borland\Delphi5\Bin' :: expect-check BtnD5Dir 1 :: expect-enabled BtnD5Dir 1 \
        :: expect-check BtnD3 1 :: expect-enabled BtnD3 1 \
        :: expect-check BtnD4 1 :: expect-enabled BtnD4 1 \
        :: expect-check BtnD5 1 :: expect-enabled BtnD5 1 \
        :: close :: wait-exit
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
}
