#pragma once
// Msg: the runtime package's modal message box.
//
// The box is owned by the application's window and, like every modal window
// of the application, disables the application's other top-level windows
// while it shows.

#include <cstdint>
#include <initializer_list>
#include <string>

// Kinds of message box, by number as callers pass them; each selects an icon.
enum TMsgKind : int {
    mkPlain = 0,         // no icon
    mkError = 1,         // the error icon
    mkInformation = 2,   // the information icon
    mkWarning = 3,       // the warning icon
    mkConfirmation = 4,  // the question icon, for a question put to the user
};

// The buttons of a box, combined as a set (bit mask of 1 << button).
enum TMsgButton : int { mbOK, mbCancel, mbYes, mbNo, mbAbort, mbRetry, mbIgnore };
using TMsgButtons = std::uint32_t;
constexpr TMsgButtons MsgButtons(std::initializer_list<TMsgButton> buttons) {
    TMsgButtons set = 0;
    for (TMsgButton b : buttons)
        set |= 1u << b;
    return set;
}

// Shows text in a modal message box and returns the button the user chose
// (os::IDOK, os::IDCANCEL, os::IDYES, os::IDNO, 3 abort, 4 retry, 5 ignore).
// An empty caption gives the default title (below). Buttons: the empty set
// or [mbOK] gives OK alone; [mbOK, mbCancel], [mbYes, mbNo],
// [mbYes, mbNo, mbCancel], [mbRetry, mbCancel] and [mbAbort, mbRetry,
// mbIgnore] give those buttons; any other set, or a kind outside TMsgKind,
// raises through CaseError. The program has no help file: helpContext is
// accepted for the callers' sake and not shown.
int Msg(const std::string& text, const std::string& caption, int kind, TMsgButtons buttons,
        int helpContext);

// The title of a box shown with an empty caption: the application's title,
// or, outside an application, the program's file name without its extension
// ("Install" for Install.exe).
std::string MsgDefaultTitle();
