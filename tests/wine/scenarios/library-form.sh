# The class library's own controls and application object on the real
# backend (FormProbe.exe): the control owns the checked state of its radio
# buttons and check boxes, a drop-down list and an edit combo box report their
# changes, Enter and Escape reach the default and cancel buttons, an error in a
# handler is shown by the application, and the form asks before it closes.
NEEDS=(FormProbe.exe)

scenario() {
    make_distribution 'C:\Probe' FormProbe.exe
    start_program 'C:\Probe' FormProbe.exe
    local log=$SCENARIO_DIR/log.txt

    robot window class=TForm title="Form probe" exe=FormProbe.exe \
        :: expect-check BtnInstall 1 :: click BtnUninstall \
        :: expect-check BtnUninstall 1 :: expect-check BtnInstall 0 \
        :: click BtnInstall :: expect-check BtnUninstall 0 :: expect-check BtnInstall 1 \
        :: select LangComboBox Deutsch :: expect-text LabelLang "Sprache:" \
        :: select-keys FolderBox 'C:\Ostrell Vocalith' :: expect-text FolderBox 'C:\Ostrell Vocalith' \
        :: close :: key focus RETURN \
        :: box title=Setup :: expect-text '#0xffff' "Installation completed." :: press OK \
        :: post-click BtnFail :: box title="Form probe" :: expect-text '#0xffff' "Handler failed." \
        :: press OK :: text LogView >"$log"
    lines_in_order "$log" \
        "mode uninstall" "mode install" "language Deutsch" 'folder C:\Ostrell Vocalith' \
        "close refused" "completed, answer 1"

    # Speed buttons: a click leaves the focus where it was; the clicked button
    # of the group stays down, shown pushed in.
    robot window class=TForm title="Form probe" \
        :: click BtnUninstall :: click BtnLeft :: expect-focus BtnUninstall \
        :: expect-contains LogView "speed left 1, right 0" \
        :: click BtnRight :: expect-contains LogView "speed left 0, right 1" :: expect-focus BtnUninstall
    [ "$(robot window class=TForm title="Form probe" :: pushed BtnLeft :: pushed BtnRight | tr '\n' ' ')" = "0 1 " ] ||
        fail "the down speed button is not shown pushed in"

    robot window class=TForm title="Form probe" \
        :: click CheckAllowClose :: expect-contains LogView "allow closing 1" \
        :: key focus ESCAPE :: wait-exit
    wait "$PROGRAM_PID" || fail "the form probe ended with exit code $?"
}
