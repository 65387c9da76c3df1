#pragma once
// TButtonControl: the base of push buttons, check boxes and radio buttons.
// They take the focus when clicked and are tab stops.

#include "platform/controls/WinControl.h"

class TButtonControl : public TWinControl {
    PF_CLASS(TButtonControl)
  public:
    explicit TButtonControl(TComponent* owner);
};
