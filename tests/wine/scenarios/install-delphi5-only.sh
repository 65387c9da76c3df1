# Only the Delphi 5 design-time package lies next to the program, and Delphi 5
# is registered under HKEY_LOCAL_MACHINE with the IDE's program file in a Bin
# folder whose path is longer than 35 characters. Delphi 3 and 4 are installed
# too, but their packages are missing, so their rows stay off.
NEEDS=(Install.exe)

# The dump doubles backslashes in texts.
dump_expect() {
    grep -Eq "$2" "$1" || { cat "$1" >&2; fail "no control line matching: $2"; }
}

scenario() {
    local bin='C:\Program Files\Borland Software\Delphi 5 Enterprise\Bin'
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\5.0' App "$bin\\delphi32.exe"
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\4.0' 'Delphi 4' 'C:\D4\Bin\delphi32.exe'
    reg_seed 'HKEY_LOCAL_MACHINE\Software\Borland\Delphi\3.0' 'Delphi 3' 'C:\D3\Bin\delphi32.exe'
    reg_apply
    make_distribution 'C:\Dist' Install.exe OstrellVocalith50Design.bpl
    start_program 'C:\Dist' Install.exe

    local dump=$SCENARIO_DIR/dump.txt
    robot window class=TVocalithInstallForm title="Ostrell Vocalith - Installation" exe=Install.exe \
        :: dump >"$dump"
    dump_expect "$dump" '^VocalithInstallForm class=TVocalithInstallForm .*text="Ostrell Vocalith - Installation" .*enabled=1 visible=1'
    dump_expect "$dump" '^BtnD5Dir class=Button .*parent=GroupDir text="C:\\\\\.\.\.\\\\Delphi 5 Enterprise\\\\Bin" check=1 enabled=1 visible=1 rect=16,96,241,17$'
    dump_expect "$dump" '^BtnD5 class=Button .*parent=GroupReg text="Delphi 5" check=1 enabled=1 '
    dump_expect "$dump" '^BtnD4Dir class=Button .*text="\.\.\.\\\\Delphi 4\\\\Bin" check=0 enabled=0 '
    dump_expect "$dump" '^BtnD4 class=Button .*text="Delphi 4" check=0 enabled=0 '
    dump_expect "$dump" '^BtnD3Dir class=Button .*text="\.\.\.\\\\Delphi 3\\\\Bin" check=0 enabled=0 '
    dump_expect "$dump" '^BtnD3 class=Button .*text="Delphi 3" check=0 enabled=0 '
    dump_expect "$dump" '^BtnWindows class=Button .*text="C:\\\\windows \(Runtime packages only\)" check=1 enabled=1 '
    # The layout of the window.
    dump_expect "$dump" '^ButtonPanel class=TButtonPanel .*parent=VocalithInstallForm .*rect=0,328,505,40$'
    dump_expect "$dump" '^PanelMain class=TPanel .*parent=VocalithInstallForm .*rect=0,0,505,328$'
    dump_expect "$dump" '^GroupMode class=Button .*parent=PanelMain text="Installation/uninstallation" .*rect=8,8,217,73$'
    dump_expect "$dump" '^BtnInstall class=Button .*parent=GroupMode text="Install" check=1 .*rect=16,24,185,17$'
    dump_expect "$dump" '^BtnUninstall class=Button .*parent=GroupMode text="Uninstall" check=0 .*rect=16,48,185,17$'
    dump_expect "$dump" '^LabelLang class=Static .*parent=PanelMain text="Language:" .*rect=352,8,51,13$'
    dump_expect "$dump" '^LangComboBox class=ComboBox .*parent=PanelMain text="English" .*rect=352,24,145,'
    dump_expect "$dump" '^GroupFolder class=Button .*text="Installation folder" .*rect=8,96,489,81$'
    dump_expect "$dump" '^BtnFolder class=Button .*parent=GroupFolder text="Enabled" check=1 .*rect=16,24,113,17$'
    dump_expect "$dump" '^GroupDir class=Button .*text="Package locations" .*rect=8,192,273,121$'
    dump_expect "$dump" '^GroupReg class=Button .*text="Register packages to" .*rect=296,216,201,97$'
    dump_expect "$dump" ' parent=ButtonPanel text="&Continue" .*enabled=1 visible=1 rect=233,4,128,32$'
    dump_expect "$dump" ' parent=ButtonPanel text="Close" .*enabled=1 visible=1 rect=369,4,128,32$'

    robot window class=TVocalithInstallForm :: close :: wait-exit
    wait "$PROGRAM_PID" || fail "the program ended with exit code $?"
}
