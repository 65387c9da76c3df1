#include "runtime/Msg.h"

#include "platform/controls/Application.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Variant.h"
#include "platform/os/Backend.h"
#include "runtime/Helpers.h"

namespace {

const bool registered = UnitVersion("runtime/Msg.cpp 3.0");

constexpr std::uint32_t kAbortRetryIgnore = 0x2;
constexpr std::uint32_t kYesNoCancel = 0x3;
constexpr std::uint32_t kRetryCancel = 0x5;

std::uint32_t IconFlags(int kind) {
    switch (kind) {
        case mkPlain:
            return 0;
        case mkError:
            return os::MB_ICONERROR;
        case mkInformation:
            return os::MB_ICONINFORMATION;
        case mkWarning:
            return os::MB_ICONWARNING;
        case mkConfirmation:
            return os::MB_ICONQUESTION;
        default:
            CaseError("Msg kind " + IntToStr(kind));
    }
}

std::uint32_t ButtonFlags(TMsgButtons buttons) {
    if (buttons == 0 || buttons == MsgButtons({mbOK}))
        return os::MB_OK;
    if (buttons == MsgButtons({mbOK, mbCancel}))
        return os::MB_OKCANCEL;
    if (buttons == MsgButtons({mbYes, mbNo}))
        return os::MB_YESNO;
    if (buttons == MsgButtons({mbYes, mbNo, mbCancel}))
        return kYesNoCancel;
    if (buttons == MsgButtons({mbRetry, mbCancel}))
        return kRetryCancel;
    if (buttons == MsgButtons({mbAbort, mbRetry, mbIgnore}))
        return kAbortRetryIgnore;
    CaseError("Msg buttons " + IntToStr(buttons));
}

}  // namespace

int Msg(const std::string& text, const std::string& caption, int kind, TMsgButtons buttons,
        int helpContext) {
    (void)helpContext;
    std::uint32_t flags = IconFlags(kind) | ButtonFlags(buttons);
    std::string title = caption.empty() ? MsgDefaultTitle() : caption;
    os::Windowing& windowing = os::windowing();
    return windowing.ShowMessageBox(windowing.ApplicationWindow(), text, title, flags);
}

std::string MsgDefaultTitle() {
    if (Application != nullptr)
        return Application->Title();
    return ProgramName();
}
