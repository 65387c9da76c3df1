#include "platform/controls/GroupBox.h"

#include <algorithm>

const TClassType& TCustomGroupBox::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCustomGroupBox, TWinControl>("TCustomGroupBox");
    return type;
}

const TClassType& TGroupBox::StaticClass() {
    using C = ControlProps<TGroupBox>;
    using W = WinControlProps<TGroupBox>;
    static const TClassType type = TClassType::Define<TGroupBox, TCustomGroupBox>("TGroupBox")
                                       .Property(C::Align())
                                       .Property(C::Caption())
                                       .Property(C::Color(clBtnFace))
                                       .Property(C::Enabled())
                                       .Property(C::Font())
                                       .Property(C::ParentColor(true))
                                       .Property(C::ParentFont())
                                       .Property(C::ParentShowHint())
                                       .Property(C::ShowHint())
                                       .Property(W::TabOrder())
                                       .Property(W::TabStop(false))
                                       .Property(C::Visible())
                                       .Property(C::OnClick())
                                       .Property(W::OnEnter())
                                       .Property(W::OnExit());
    return type;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                    csDoubleClicks | csReplicatable);
    SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::AdjustClientRect(os::Rect& rect) const {
    // The caption line, then a two-pixel frame on every side.
    int caption = Font()->TextHeight();
    rect.left += 2;
    rect.top += caption + 2;
    rect.width = std::max(0, rect.width - 4);
    rect.height = std::max(0, rect.height - caption - 4);
}
