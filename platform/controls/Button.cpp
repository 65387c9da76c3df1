#include "platform/controls/Button.h"

const TClassType& TButton::StaticClass() {
    using P = Prop<TButton>;
    using C = ControlProps<TButton>;
    using W = WinControlProps<TButton>;
    static const TClassType type =
        TClassType::Define<TButton, TButtonControl>("TButton")
            .Property(P::Bool("Cancel", &TButton::Cancel, &TButton::SetCancel, false))
            .Property(C::Caption())
            .Property(P::Bool("Default", &TButton::Default, &TButton::SetDefault, false))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(P::Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult, mrNone,
                             "TModalResult"))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(C::ShowHint())
            .Property(W::TabOrder())
            .Property(W::TabStop(true))
            .Property(C::Visible())
            .Property(C::OnClick())
            .Property(W::OnEnter())
            .Property(W::OnExit())
            .Property(W::OnKeyDown())
            .Property(W::OnKeyPress());
    return type;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool isDefault) {
    if (isDefault == default_)
        return;
    default_ = isDefault;
    RecreateWnd();  // the default frame is a window style
}

void TButton::Click() {
    if (TCustomForm* form = ParentForm())
        form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

void TButton::PeerClicked() {
    HandleInput([this] { Click(); });
}

void TButton::CreateParams(os::PeerSpec& params) const {
    TButtonControl::CreateParams(params);
    params.defaultButton = default_;
    params.cancelButton = cancel_;
}

void TButton::SetCancel(bool cancel) {
    if (cancel == cancel_)
        return;
    cancel_ = cancel;
    RecreateWnd();  // the native form learns its cancel button from the window
}
