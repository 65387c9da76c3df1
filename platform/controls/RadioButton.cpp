#include "platform/controls/RadioButton.h"

#include "platform/controls/CheckBox.h"

const TClassType& TRadioButton::StaticClass() {
    using P = Prop<TRadioButton>;
    using C = ControlProps<TRadioButton>;
    using W = WinControlProps<TRadioButton>;
    static const TClassType type =
        TClassType::Define<TRadioButton, TButtonControl>("TRadioButton")
            .Property(P::Enum<TAlignment>("Alignment", LeftRightEnumInfo(),
                                          &TRadioButton::Alignment, &TRadioButton::SetAlignment,
                                          taRightJustify))
            .Property(C::Caption())
            .Property(P::Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false))
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
            .Property(W::OnExit())
            .Property(W::OnKeyDown())
            .Property(W::OnKeyPress());
    return type;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetTabStop(false);
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    SetTabStop(checked);
    if (os::Peer* peer = LivePeer())
        peer->SetChecked(checked_);
    // While a description is read the partners may not all exist yet;
    // Loaded settles the group.
    if (checked && !IsLoading())
        UncheckPartners();
}

void TRadioButton::UncheckPartners() {
    TWinControl* parent = Parent();
    if (parent == nullptr)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* partner = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (partner != nullptr && partner != this)
            partner->SetChecked(false);
    }
}

void TRadioButton::Loaded() {
    TButtonControl::Loaded();
    if (checked_)
        UncheckPartners();
}

void TRadioButton::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    RecreateWnd();
}

void TRadioButton::PeerClicked() {
    HandleInput([this] {
        if (checked_)
            return;
        SetChecked(true);
        Click();
    });
}

void TRadioButton::CreateParams(os::PeerSpec& params) const {
    TButtonControl::CreateParams(params);
    params.alignment = alignment_ == taLeftJustify ? 0 : 1;
}

void TRadioButton::CreateWnd() {
    TButtonControl::CreateWnd();
    if (os::Peer* peer = LivePeer())
        peer->SetChecked(checked_);
}
