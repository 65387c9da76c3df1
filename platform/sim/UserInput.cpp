#include "platform/sim/UserInput.h"

#include <algorithm>
#include <string>

#include "platform/controls/ComboBox.h"
#include "platform/controls/Form.h"
#include "platform/core/StrUtils.h"
#include "platform/os/Windowing.h"

namespace sim {

namespace {

bool TakesFocusOnClick(const TControl* control) {
    switch (control->NativeKind()) {
        case os::PeerKind::CheckBox:
        case os::PeerKind::RadioButton:
        case os::PeerKind::PushButton:
        case os::PeerKind::ComboBox:
        case os::PeerKind::ComboList:
        case os::PeerKind::RichEdit:
            return true;
        default:
            return false;
    }
}

bool IsButton(const TControl* control) {
    os::PeerKind kind = control->NativeKind();
    return kind == os::PeerKind::CheckBox || kind == os::PeerKind::RadioButton ||
           kind == os::PeerKind::PushButton;
}

// The virtual-key code of a character key.
unsigned VirtualKey(char key) {
    if (key >= 'a' && key <= 'z')
        return static_cast<unsigned>(key - 'a' + 'A');
    return static_cast<unsigned char>(key);
}

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

}  // namespace

bool UserInput::CanTakeInput(const TControl* control) {
    if (control == nullptr)
        return false;
    TCustomForm* form = control->ParentForm();
    return form != nullptr && control->Showing() && control->EffectivelyEnabled();
}

bool UserInput::FocusForInput(TWinControl* control) {
    if (!CanTakeInput(control) || !control->CanFocus())
        return false;
    if (control->Focused())
        return true;
    TCustomForm* form = control->ParentForm();
    TWinControl* old = form->Active() ? form->FocusedControl() : nullptr;
    if (old != nullptr)
        old->PeerFocusChanged(false);
    if (!form->Active())
        form->PeerFocusChanged(true);
    control->PeerFocusChanged(true);
    return true;
}

bool UserInput::Focus(TWinControl* control) {
    return FocusForInput(control);
}

bool UserInput::Click(TControl* control) {
    if (!CanTakeInput(control))
        return false;
    if (TakesFocusOnClick(control)) {
        auto* win = dynamic_cast<TWinControl*>(control);
        if (win == nullptr || !FocusForInput(win))
            return false;
        // A handler of the focus change may have disabled or hidden it.
        if (!CanTakeInput(control))
            return true;
    }
    if (control->NativeKind() == os::PeerKind::ComboBox ||
        control->NativeKind() == os::PeerKind::ComboList ||
        control->NativeKind() == os::PeerKind::RichEdit) {
        return true;  // a click into an edit line or a list places the caret only
    }
    control->PeerClicked();
    return true;
}

bool UserInput::RequestClose(TCustomForm* form) {
    if (!CanTakeInput(form))
        return false;
    form->PeerCloseRequest();
    return true;
}

bool UserInput::DropDown(TCustomComboBox* combo) {
    if (!FocusForInput(combo) || combo->Style() == csSimple)
        return false;
    if (combo->DroppedDown())
        return true;
    combo->PeerCommand(os::CBN_DROPDOWN);
    return true;
}

bool UserInput::CloseUp(TCustomComboBox* combo) {
    if (!CanTakeInput(combo) || !combo->DroppedDown())
        return false;
    combo->PeerCommand(os::CBN_SELENDCANCEL);
    combo->PeerCommand(os::CBN_CLOSEUP);
    return true;
}

bool UserInput::Pick(TCustomComboBox* combo, int index) {
    if (combo == nullptr || index < 0 || index >= combo->Items()->Count())
        return false;
    if (!FocusForInput(combo))
        return false;
    bool simple = combo->Style() == csSimple;
    if (!simple && !combo->DroppedDown()) {
        combo->PeerCommand(os::CBN_DROPDOWN);
        // OnDropDown may have refilled the list.
        if (index >= combo->Items()->Count())
            return true;
    }
    combo->InputSetItemIndex(index);
    combo->PeerCommand(os::CBN_SELCHANGE);
    if (simple)
        return true;
    combo->PeerCommand(os::CBN_SELENDOK);
    combo->PeerCommand(os::CBN_CLOSEUP);
    return true;
}

void UserInput::EditText(TCustomComboBox* combo, std::string_view insert, bool backspace) {
    std::string text = combo->Text();
    auto start = static_cast<std::size_t>(combo->SelStart());
    auto length = static_cast<std::size_t>(combo->SelLength());
    if (backspace && length == 0) {
        if (start == 0)
            return;  // nothing before the caret
        --start;
        length = 1;
    }
    std::size_t total = Utf8CharCount(text);
    std::size_t from = Utf8ByteOffset(text, start);
    std::size_t to = Utf8ByteOffset(text, start + length);
    std::size_t kept = total - std::min(length, total - std::min(start, total));
    if (!insert.empty() && combo->MaxLength() > 0 &&
        kept + Utf8CharCount(insert) > static_cast<std::size_t>(combo->MaxLength())) {
        return;  // the edit line is full: the real control beeps
    }
    text.replace(from, to - from, insert);
    combo->InputSetEditText(text, static_cast<int>(start + Utf8CharCount(insert)));
    combo->PeerCommand(os::CBN_EDITUPDATE);
    combo->PeerCommand(os::CBN_EDITCHANGE);
}

void UserInput::SearchList(TCustomComboBox* combo, char key) {
    // The next item after the selection whose first letter is the key.
    TStrings* items = combo->Items();
    int count = items->Count();
    for (int step = 1; step <= count; ++step) {
        int i = (combo->ItemIndex() + step + count) % count;
        std::string item = items->Get(i);
        if (!item.empty() && FoldCase(item[0]) == FoldCase(key)) {
            if (i == combo->ItemIndex())
                return;
            combo->InputSetItemIndex(i);
            combo->PeerCommand(os::CBN_SELCHANGE);
            return;
        }
    }
}

void UserInput::TypeCharacter(TCustomComboBox* combo, char key) {
    char typed = key;
    combo->PeerKeyPress(typed);
    if (typed == 0)
        return;
    if (combo->Style() == csDropDownList) {
        if (static_cast<unsigned char>(typed) >= 32)
            SearchList(combo, typed);
        return;
    }
    if (typed == '\b') {
        EditText(combo, {}, true);
    } else if (static_cast<unsigned char>(typed) >= 32) {
        EditText(combo, std::string_view(&typed, 1), false);
    }
}

bool UserInput::TypeText(TCustomComboBox* combo, std::string_view text) {
    if (!FocusForInput(combo))
        return false;
    std::size_t i = 0;
    while (i < text.size()) {
        // One character: a byte of ASCII, or a whole UTF-8 sequence, which
        // the key press cannot carry and goes straight into the edit line.
        std::size_t next = Utf8ByteOffset(text.substr(i), 1) + i;
        std::string_view character = text.substr(i, next - i);
        i = next;
        if (!CanTakeInput(combo) || !combo->Focused())
            break;  // a handler moved it
        if (character.size() == 1) {
            TypeCharacter(combo, character[0]);
        } else if (combo->Style() != csDropDownList) {
            EditText(combo, character, false);
        }
    }
    return true;
}

bool UserInput::PressKey(TWinControl* control, char key) {
    if (!FocusForInput(control))
        return false;
    if (control->PeerKeyDown(VirtualKey(key)))
        return true;  // used by a handler or the form
    if (!CanTakeInput(control) || !control->Focused())
        return true;
    auto* combo = dynamic_cast<TCustomComboBox*>(control);
    if (combo != nullptr && key != '\r' && key != '\x1b') {
        TypeCharacter(combo, key);
        return true;
    }
    char typed = key;
    control->PeerKeyPress(typed);
    if (typed == 0 || !CanTakeInput(control))
        return true;
    if (combo != nullptr && combo->DroppedDown()) {
        // Enter confirms the list's selection, Escape cancels it.
        combo->PeerCommand(typed == '\r' ? os::CBN_SELENDOK : os::CBN_SELENDCANCEL);
        combo->PeerCommand(os::CBN_CLOSEUP);
    } else if (combo != nullptr) {
        // An edit line has no use for Enter and Escape that its key press
        // left: the form's default or cancel button answers them.
        if (TCustomForm* form = combo->ParentForm())
            form->DialogKey(VirtualKey(typed));
    } else if (typed == ' ' && IsButton(control)) {
        control->PeerClicked();
    }
    return true;
}

}  // namespace sim
