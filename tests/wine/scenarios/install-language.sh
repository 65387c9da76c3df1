# Switching the language in the combo box re-texts the window; switching back
# and forth rebuilds the Windows box's caption from its path every time, and
# the detected Bin folder's caption does not change.
NEEDS=(Install.exe)

scenario() {
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\5.0' App 'C:\Borland\Delphi5\Bin\delphi32.exe'
    reg_apply
    make_distribution 'C:\Dist' Install.exe OstrellVocalith50Design.bpl
    start_program 'C:\Dist' Install.exe
    robot window class=TVocalithInstallForm exe=Install.exe \
        :: select LangComboBox Deutsch \
        :: expect-text LabelLang 'Sprache:' \
        :: expect-text GroupMode 'Installation/Deinstallation' \
        :: expect-text BtnInstall 'Installieren' \
        :: expect-text BtnUninstall 'Deinstallieren' \
        :: expect-text GroupFolder 'Installationsverzeichnis' \
        :: expect-text BtnFolder 'Aktivieren' \
        :: expect-text GroupDir 'Package-Verzeichnisse' \
        :: expect-text GroupReg 'Packages registrieren für' \
        :: expect-text BtnWindows 'C:\windows (nur Laufzeit-Packages)' \
        :: expect-text BtnD5Dir 'C:\Borland\Delphi5\Bin' \
        :: expect-text . 'Ostrell Vocalith - Installation' \
        :: select LangComboBox English :: expect-text BtnWindows 'C:\windows (Runtime packages only)' \
        :: select LangComboBox Deutsch :: expect-text BtnWindows 'C:\windows (nur Laufzeit-Packages)' \
        :: select LangComboBox English \
        :: expect-text LabelLang 'Language:' \
        :: expect-text BtnWindows 'C:\windows (Runtime packages only)' \
        :: expect-text BtnD5Dir 'C:\Borland\Delphi5\Bin' \
        :: expect-text . 'Ostrell Vocalith - Installation'
    local dump=$SCENARIO_DIR/dump.txt
    robot window class=TVocalithInstallForm :: select LangComboBox Deutsch :: dump >"$dump"
    grep -q 'text="&Weiter"' "$dump" || { cat "$dump" >&2; fail "no button reads &Weiter"; }
    grep -q 'text="Schließen"' "$dump" || { cat "$dump" >&2; fail "no button reads Schließen"; }
    robot window class=TVocalithInstallForm :: close :: wait-exit
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
}
