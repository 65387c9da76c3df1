# The probe's window as automation tools see it, clicks on check boxes and
# radio buttons (the program owns the checked state), the tab order, Enter and
# Escape through the dialog manager, key downs, and the close request.
NEEDS=(Probe.exe)

dump_expect() {
    grep -Eq "$2" "$1" || { cat "$1" >&2; fail "no control line matching: $2"; }
}

scenario() {
    make_distribution 'C:\Probe' Probe.exe source.txt
    start_program 'C:\Probe' Probe.exe
    robot window class=TProbeForm title="Backend Probe" exe=Probe.exe

    local dump=$SCENARIO_DIR/dump.txt
    robot window class=TProbeForm :: dump >"$dump"
    dump_expect "$dump" '^ProbeForm class=TProbeForm id=0 parent=- text="Backend Probe" .* enabled=1 visible=1 '
    dump_expect "$dump" '^GroupOptions class=Button id=[0-9]+ parent=ProbeForm text="Options" .* rect=8,8,200,96$'
    dump_expect "$dump" '^CheckFeature class=Button id=[0-9]+ parent=GroupOptions text="&Feature" check=0 enabled=1 visible=1 rect=12,20,170,17$'
    dump_expect "$dump" '^RadioOne class=Button id=[0-9]+ parent=GroupOptions text="One" check=1 '
    dump_expect "$dump" '^RadioTwo class=Button id=[0-9]+ parent=GroupOptions text="Two" check=0 '
    dump_expect "$dump" '^ComboColour class=ComboBox id=[0-9]+ parent=ProbeForm text="Red" .* rect=216,8,192,[0-9]+$'
    dump_expect "$dump" '^ListSize class=ComboBox id=[0-9]+ parent=ProbeForm text="Small" '
    dump_expect "$dump" '^LabelStatus class=Static '
    dump_expect "$dump" '^LogView class=RichEdit20W id=[0-9]+ parent=ProbeForm '
    dump_expect "$dump" '^PanelButtons class=TPanel id=[0-9]+ parent=ProbeForm text="" .* rect=0,268,416,52$'
    dump_expect "$dump" '^BtnClose class=Button id=[0-9]+ parent=PanelButtons text="Close" .* rect=316,22,92,25$'
    local ids
    ids=$(grep -v '^- ' "$dump" | grep -v '^ProbeForm ' | sed -E 's/.* id=([0-9-]+) .*/\1/' | sort)
    [ "$(echo "$ids" | uniq -d)" = "" ] || fail "control IDs are not distinct: $ids"

    # Clicks report to the program, which sets the new state.
    robot window class=TProbeForm \
        :: click CheckFeature :: expect-check CheckFeature 1 \
        :: click CheckFeature :: expect-check CheckFeature 0 \
        :: click RadioTwo :: expect-check RadioTwo 1 :: expect-check RadioOne 0 \
        :: expect-contains LogView "clicked RadioTwo"

    # Tab follows the tab order the program set: the combo boxes first.
    robot window class=TProbeForm \
        :: key focus TAB :: expect-focus BtnFail \
        :: key focus TAB :: expect-focus CheckAllowClose \
        :: key focus TAB :: expect-focus BtnMessage \
        :: key focus TAB :: key focus TAB :: key focus TAB :: expect-focus BtnClose \
        :: key focus TAB :: expect-focus ComboColour \
        :: key focus TAB :: expect-focus ListSize \
        :: key focus TAB :: expect-focus CheckFeature

    # Enter clicks the default button; the message box disables the window and
    # gives the focus back when it closes.
    robot window class=TProbeForm \
        :: key focus RETURN :: box title="Probe message" \
        :: expect-enabled ProbeForm 0 \
        :: press Cancel :: expect-enabled ProbeForm 1 :: expect-focus CheckFeature \
        :: expect-contains LogView "message box answer 2"

    # On a push button Enter clicks that button.
    robot window class=TProbeForm \
        :: key focus TAB :: key focus TAB :: key focus TAB :: key focus TAB :: key focus TAB \
        :: expect-focus BtnOpen :: key focus RETURN \
        :: dialog title="Probe open" :: press Cancel \
        :: expect-contains LogView "file dialog cancelled"

    # Escape clicks the cancel button, whose handler asks to close; a key down
    # that the program handles goes no further.
    robot window class=TProbeForm \
        :: key focus ESCAPE :: expect-contains LogView "clicked BtnClose" \
        :: key ComboColour F2 :: expect-contains LogView "ComboColour: key down F2 handled"

    # An exception raised by a handler inside the window procedure comes out of
    # the message loop, which goes on.
    robot window class=TProbeForm \
        :: click BtnFail :: expect-contains LogView "error: probe failure" \
        :: click CheckFeature :: expect-check CheckFeature 1

    # A close request goes to the program, which refuses it until allowed.
    robot window class=TProbeForm \
        :: close :: expect-contains LogView "close refused" \
        :: click CheckAllowClose :: close :: wait-exit

    wait "$PROGRAM_PID" || fail "the probe ended with exit code $?"
}
