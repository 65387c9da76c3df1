#include "platform/controls/ButtonControl.h"

const TClassType& TButtonControl::StaticClass() {
    static const TClassType type =
        TClassType::Define<TButtonControl, TWinControl>("TButtonControl");
    return type;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks);
    SetTabStop(true);
}
