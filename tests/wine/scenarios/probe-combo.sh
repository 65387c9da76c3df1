# Combo boxes driven as a user would: an item picked with the mouse in the
# open list and with the arrow keys and Enter, characters typed into the edit
# line (which the program may replace or swallow), and Enter in the edit line
# with the list closed. The probe writes every notification into its log.
NEEDS=(Probe.exe)

scenario() {
    make_distribution 'C:\Probe' Probe.exe source.txt
    start_program 'C:\Probe' Probe.exe
    local log=$SCENARIO_DIR/log.txt

    robot window class=TProbeForm exe=Probe.exe \
        :: select ComboColour Green :: expect-text ComboColour Green \
        :: text LogView >"$log"
    # A click in the open list confirms the entry, then the list closes.
    lines_in_order "$log" \
        "ComboColour: CBN_DROPDOWN index 0" \
        "ComboColour: CBN_SELENDOK index 1" \
        "ComboColour: CBN_CLOSEUP index 1"
    grep -q "ComboColour: CBN_SELCHANGE index 1" "$log" || fail "no CBN_SELCHANGE for the click"

    robot window class=TProbeForm \
        :: select-keys ComboColour Red :: expect-text ComboColour Red \
        :: text LogView >"$log"
    # Each arrow key changes the selection; Enter reaches the control as a
    # character first, then confirms and closes the list.
    lines_in_order "$log" \
        "ComboColour: CBN_DROPDOWN index 1" \
        "ComboColour: CBN_SELCHANGE index 0" \
        "ComboColour: key Enter" \
        "ComboColour: CBN_SELENDOK index 0 text 'Red'" \
        "ComboColour: CBN_CLOSEUP index 0 text 'Red'"

    # The same for a drop-down list without an edit line.
    robot window class=TProbeForm \
        :: select ListSize Large :: expect-text ListSize Large \
        :: select-keys ListSize Small :: expect-text ListSize Small \
        :: text LogView >"$log"
    lines_in_order "$log" \
        "ListSize: CBN_DROPDOWN index 0" "ListSize: CBN_SELENDOK index 1" "ListSize: CBN_CLOSEUP index 1" \
        "ListSize: CBN_DROPDOWN index 1" "ListSize: CBN_SELCHANGE index 0" \
        "ListSize: CBN_SELENDOK index 0" "ListSize: CBN_CLOSEUP index 0"

    # Typed characters: the program turns letters into capitals and swallows
    # '#'; every character that arrives is one edit change.
    robot window class=TProbeForm \
        :: settext ComboColour "" :: type ComboColour "gr#ey" :: expect-text ComboColour GREY \
        :: text LogView >"$log"
    local changes
    changes=$(grep -E "ComboColour: (CBN_EDITCHANGE|key '#')" "$log" | sed -E 's/ index -?[0-9]+//')
    [ "$changes" = "ComboColour: CBN_EDITCHANGE text 'G'
ComboColour: CBN_EDITCHANGE text 'GR'
ComboColour: key '#' swallowed
ComboColour: CBN_EDITCHANGE text 'GRE'
ComboColour: CBN_EDITCHANGE text 'GREY'" ] || fail "typing gave: $changes"

    # Enter in the edit line with the list closed: the control sees it and
    # leaves it, so the form's default button answers.
    robot window class=TProbeForm \
        :: key ComboColour RETURN :: box title="Probe message" :: press OK \
        :: text LogView >"$log"
    lines_in_order "$log" "ComboColour: key Enter" "message box answer 1"
}
