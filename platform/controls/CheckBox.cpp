#include "platform/controls/CheckBox.h"

const TEnumInfo& CheckBoxStateEnumInfo() {
    static const TEnumInfo info{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
    return info;
}

const TEnumInfo& LeftRightEnumInfo() {
    static const TEnumInfo info{"TLeftRight", {"taLeftJustify", "taRightJustify"}};
    return info;
}

const TClassType& TCustomCheckBox::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCustomCheckBox, TButtonControl>("TCustomCheckBox");
    return type;
}

const TClassType& TCheckBox::StaticClass() {
    using P = Prop<TCheckBox>;
    using C = ControlProps<TCheckBox>;
    using W = WinControlProps<TCheckBox>;
    static const TClassType type =
        TClassType::Define<TCheckBox, TCustomCheckBox>("TCheckBox")
            .Property(P::Enum<TAlignment>("Alignment", LeftRightEnumInfo(),
                                          &TCustomCheckBox::Alignment,
                                          &TCustomCheckBox::SetAlignment, taRightJustify))
            .Property(P::Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed,
                              &TCustomCheckBox::SetAllowGrayed, false))
            .Property(C::Caption())
            .Property(
                P::Bool("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked, false))
            .Property(C::Color(clBtnFace))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(C::ParentColor(true))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(C::ShowHint())
            .Property(P::Enum<TCheckBoxState>("State", CheckBoxStateEnumInfo(),
                                              &TCustomCheckBox::State, &TCustomCheckBox::SetState,
                                              cbUnchecked))
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

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState state) {
    if (state < cbUnchecked || state > cbGrayed || state == state_)
        return;
    state_ = state;
    if (os::Peer* peer = LivePeer())
        peer->SetCheckState(static_cast<int>(state_));
}

void TCustomCheckBox::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    RecreateWnd();
}

void TCustomCheckBox::Toggle() {
    switch (state_) {
        case cbUnchecked:
            SetState(allowGrayed_ ? cbGrayed : cbChecked);
            break;
        case cbChecked:
            SetState(cbUnchecked);
            break;
        case cbGrayed:
            SetState(cbChecked);
            break;
    }
}

void TCustomCheckBox::PeerClicked() {
    HandleInput([this] {
        Toggle();
        Click();
    });
}

void TCustomCheckBox::CreateParams(os::PeerSpec& params) const {
    TButtonControl::CreateParams(params);
    params.alignment = alignment_ == taLeftJustify ? 0 : 1;
}

void TCustomCheckBox::CreateWnd() {
    TButtonControl::CreateWnd();
    if (os::Peer* peer = LivePeer())
        peer->SetCheckState(static_cast<int>(state_));
}
