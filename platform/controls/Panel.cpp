#include "platform/controls/Panel.h"

#include <algorithm>

const TEnumInfo& PanelBevelEnumInfo() {
    static const TEnumInfo info{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
    return info;
}

const TClassType& TCustomPanel::StaticClass() {
    static const TClassType type = TClassType::Define<TCustomPanel, TWinControl>("TCustomPanel");
    return type;
}

const TClassType& TPanel::StaticClass() {
    using P = Prop<TPanel>;
    using C = ControlProps<TPanel>;
    using W = WinControlProps<TPanel>;
    static const TClassType type =
        TClassType::Define<TPanel, TCustomPanel>("TPanel")
            .Property(C::Align())
            .Property(P::Enum<TAlignment>("Alignment", AlignmentEnumInfo(),
                                          &TCustomPanel::Alignment, &TCustomPanel::SetAlignment,
                                          taCenter))
            .Property(P::Enum<TPanelBevel>("BevelInner", PanelBevelEnumInfo(),
                                           &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner,
                                           bvNone))
            .Property(P::Enum<TPanelBevel>("BevelOuter", PanelBevelEnumInfo(),
                                           &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter,
                                           bvRaised))
            .Property(P::Int("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth,
                             1, "TBevelWidth"))
            .Property(P::Int("BorderWidth", &TCustomPanel::BorderWidth,
                             &TCustomPanel::SetBorderWidth, 0, "TBorderWidth"))
            .Property(C::Caption())
            .Property(C::Color(clBtnFace))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(C::ParentColor(false))
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

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks | csReplicatable);
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::FrameChanged() {
    Realign();
    RecreateWnd();
}

void TCustomPanel::SetBevelOuter(TPanelBevel bevel) {
    if (bevel == bevelOuter_)
        return;
    bevelOuter_ = bevel;
    FrameChanged();
}

void TCustomPanel::SetBevelInner(TPanelBevel bevel) {
    if (bevel == bevelInner_)
        return;
    bevelInner_ = bevel;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int width) {
    width = std::max(1, width);
    if (width == bevelWidth_)
        return;
    bevelWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int width) {
    width = std::max(0, width);
    if (width == borderWidth_)
        return;
    borderWidth_ = width;
    FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    RecreateWnd();
}

void TCustomPanel::AdjustClientRect(os::Rect& rect) const {
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    rect.left += inset;
    rect.top += inset;
    rect.width = std::max(0, rect.width - 2 * inset);
    rect.height = std::max(0, rect.height - 2 * inset);
}

void TCustomPanel::CreateParams(os::PeerSpec& params) const {
    TWinControl::CreateParams(params);
    params.alignment = alignment_ == taLeftJustify ? 0 : alignment_ == taRightJustify ? 1 : 2;
    params.bevelOuter = static_cast<int>(bevelOuter_);
    params.bevelInner = static_cast<int>(bevelInner_);
    params.bevelWidth = bevelWidth_;
    params.borderWidth = borderWidth_;
}
