#pragma once
// The simulated user: drives controls as a person at the keyboard and mouse
// would, through the same os::PeerHost entry points that the win32 peers
// call, and with the native controls' order of notifications.
//
// Every action returns false and changes nothing when its target cannot take
// input: not on a shown form, hidden, or disabled itself, through a parent
// or through its form. Actions that need the focus give it to the target
// first, as a click into it would.

#include <string_view>

class TControl;
class TWinControl;
class TCustomComboBox;
class TCustomForm;

namespace sim {

class UserInput {
  public:
    // Whether control can take input now (see above).
    static bool CanTakeInput(const TControl* control);

    // A mouse click. Buttons, check boxes, radio buttons, combo boxes and
    // text views take the focus on the mouse press; then the control hears
    // the click (a speed button or label only the click).
    bool Click(TControl* control);
    // Moves the focus to control (a click into it): the old control hears it
    // leave, then control hears it arrive.
    bool Focus(TWinControl* control);
    // Types text into the combo box's edit line, one character at a time:
    // the key press (which a handler may swallow or change), then the edit
    // line changes at the caret, replacing the selection, then CBN_EDITUPDATE
    // and CBN_EDITCHANGE. '\b' deletes backwards. A full edit line (MaxLength)
    // takes no more. A drop-down list without an edit line selects the next
    // item that begins with the character (CBN_SELCHANGE).
    bool TypeText(TCustomComboBox* combo, std::string_view text);
    // A key pressed and released: the key-down (Tab, Enter and Escape go on
    // to the form when the control leaves them), the character, and what the
    // native control does with it (Enter and Escape close an open list of a
    // combo box, confirming or cancelling, and with the list closed go on to
    // the form's default or cancel button unless the key press swallowed
    // them; Space clicks a button; text keys type into a combo box).
    bool PressKey(TWinControl* control, char key);
    // Opens the combo box's list: CBN_DROPDOWN.
    bool DropDown(TCustomComboBox* combo);
    // Picks an item with the mouse, opening the list first when it is closed:
    // CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP. False for an index outside
    // the list.
    bool Pick(TCustomComboBox* combo, int index);
    // Closes the open list without a choice: CBN_SELENDCANCEL, CBN_CLOSEUP.
    // False when the list is not open.
    bool CloseUp(TCustomComboBox* combo);
    // The close button of the form's title bar.
    bool RequestClose(TCustomForm* form);

  private:
    bool FocusForInput(TWinControl* control);
    void TypeCharacter(TCustomComboBox* combo, char key);
    void EditText(TCustomComboBox* combo, std::string_view insert, bool backspace);
    void SearchList(TCustomComboBox* combo, char key);
};

}  // namespace sim
