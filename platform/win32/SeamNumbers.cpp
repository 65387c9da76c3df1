// Checks at compile time that the numbers the seam declares for the layers
// above are the ones Windows uses, so that the backend can pass them on as
// they are. The seam's values are captured before <windows.h> is read.

#include "platform/os/Shell.h"
#include "platform/os/Windowing.h"

namespace {

constexpr unsigned kSetText = os::WM_SETTEXT;
constexpr unsigned kClose = os::WM_CLOSE;
constexpr unsigned kComboCodes[] = {os::CBN_SELCHANGE,   os::CBN_DBLCLK,     os::CBN_SETFOCUS,
                                    os::CBN_KILLFOCUS,   os::CBN_EDITCHANGE, os::CBN_EDITUPDATE,
                                    os::CBN_DROPDOWN,    os::CBN_CLOSEUP,    os::CBN_SELENDOK,
                                    os::CBN_SELENDCANCEL};
constexpr unsigned kBoxFlags[] = {
    os::MB_OK,           os::MB_OKCANCEL,    os::MB_YESNO,           os::MB_ICONERROR,
    os::MB_ICONQUESTION, os::MB_ICONWARNING, os::MB_ICONINFORMATION, os::MB_TASKMODAL};
constexpr int kAnswers[] = {os::IDOK, os::IDCANCEL, os::IDYES, os::IDNO};
constexpr unsigned kBrowse[] = {os::BFFM_INITIALIZED, os::BFFM_SELCHANGED, os::BFFM_SETSTATUSTEXT,
                                os::BFFM_ENABLEOK, os::BFFM_SETSELECTION};

}  // namespace

#include "platform/win32/WinApi.h"

static_assert(kSetText == WM_SETTEXT && kClose == WM_CLOSE);
static_assert(kComboCodes[0] == CBN_SELCHANGE && kComboCodes[1] == CBN_DBLCLK &&
              kComboCodes[2] == CBN_SETFOCUS && kComboCodes[3] == CBN_KILLFOCUS &&
              kComboCodes[4] == CBN_EDITCHANGE && kComboCodes[5] == CBN_EDITUPDATE &&
              kComboCodes[6] == CBN_DROPDOWN && kComboCodes[7] == CBN_CLOSEUP &&
              kComboCodes[8] == CBN_SELENDOK && kComboCodes[9] == CBN_SELENDCANCEL);
static_assert(kBoxFlags[0] == MB_OK && kBoxFlags[1] == MB_OKCANCEL && kBoxFlags[2] == MB_YESNO &&
              kBoxFlags[3] == MB_ICONERROR && kBoxFlags[4] == MB_ICONQUESTION &&
              kBoxFlags[5] == MB_ICONWARNING && kBoxFlags[6] == MB_ICONINFORMATION &&
              kBoxFlags[7] == MB_TASKMODAL);
static_assert(kAnswers[0] == IDOK && kAnswers[1] == IDCANCEL && kAnswers[2] == IDYES &&
              kAnswers[3] == IDNO);
static_assert(kBrowse[0] == BFFM_INITIALIZED && kBrowse[1] == BFFM_SELCHANGED &&
              kBrowse[2] == BFFM_SETSTATUSTEXTA && kBrowse[3] == BFFM_ENABLEOK &&
              kBrowse[4] == BFFM_SETSELECTIONA);
