# The registry, the files and the shell through the seam: values seeded with
# regedit are read back (types checked), written values and files are checked
# after the run; the open-file dialog returns the typed file with its filter,
# the browse dialog starts at the folder the callback selected, and a posted
# call runs in the message loop.
NEEDS=(Probe.exe)

scenario() {
    reg_seed 'HKEY_CURRENT_USER\Software\Ostrell\Probe' Seed 'Grüße, "Schließen" C:\X'
    reg_seed_dword 'HKEY_CURRENT_USER\Software\Ostrell\Probe' Number 42
    reg_apply
    make_distribution 'C:\Probe' Probe.exe source.txt notes.txt
    start_program 'C:\Probe' Probe.exe
    local log=$SCENARIO_DIR/log.txt

    robot window class=TProbeForm exe=Probe.exe \
        :: expect-contains LogView "posted call ran" :: text LogView >"$log"
    lines_in_order "$log" \
        "registry read 'Grüße, \"Schließen\" C:\\X'" \
        "registry number 42" \
        "registry number as text refused" \
        "registry missing value none" \
        "registry write ok" \
        "registry delete tree ok" \
        "windows directory C:\\windows" \
        "exclusive open ok" \
        "copy ok" \
        "copy again without overwrite failed 80" \
        "read 59 bytes" \
        "read-only attribute set" \
        "delete read-only failed 5" \
        "remove full folder failed 145" \
        "delete ok" \
        "folder exists yes, file exists yes" \
        "posted call ran"

    robot window class=TProbeForm \
        :: post-click BtnOpen :: dialog title="Probe open" \
        :: expect-text '#0x470' "All files (*.*)" \
        :: type '#0x47c' notes.txt :: press OK \
        :: expect-contains LogView 'file dialog chose C:\Probe\notes.txt filter 2'

    robot window class=TProbeForm \
        :: post-click BtnBrowse :: dialog title="Probe folder" \
        :: expect-text '#0x3742' "Pick a folder for the probe" \
        :: expect-text '#0x3743' "Status: Grüße" \
        :: press OK \
        :: expect-contains LogView 'browse selection C:\windows' \
        :: expect-contains LogView 'browse chose C:\windows'

    robot window class=TProbeForm :: click CheckAllowClose :: close :: wait-exit
    wait "$PROGRAM_PID" || fail "the probe ended with exit code $?"

    reg_expect 'HKCU\Software\Ostrell\Probe\Written' Text 'Grüße, "Schließen" C:\X (written)'
    reg_expect 'HKCU\Software\Ostrell\Probe\Written' Count 0x7
    reg_expect_missing 'HKCU\Software\Ostrell\Probe\Tree'
    file_expect 'C:\Probe\Out\written.txt' $'Grüße\r'
    file_expect_missing 'C:\Probe\Out\copy.txt'
}
