#include "platform/controls/SpeedButton.h"

#include "platform/controls/WinControl.h"

const TClassType& TSpeedButton::StaticClass() {
    using P = Prop<TSpeedButton>;
    using C = ControlProps<TSpeedButton>;
    static const TClassType type =
        TClassType::Define<TSpeedButton, TControl>("TSpeedButton")
            .Property(P::Bool("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp,
                              false))
            .Property(
                P::Int("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex, 0))
            .Property(P::Bool("Down", &TSpeedButton::Down, &TSpeedButton::SetDown, false))
            .Property(C::Caption())
            .Property(C::Enabled())
            .Property(P::Bool("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat, false))
            .Property(C::Font())
            .Property(P::Object<TBitmap>("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph)
                          .StoredIf([](const TObject& o) {
                              return !static_cast<const TSpeedButton&>(o).Glyph()->Empty();
                          }))
            .Property(P::Enum<TButtonLayout>("Layout", ButtonLayoutEnumInfo(),
                                             &TSpeedButton::Layout, &TSpeedButton::SetLayout,
                                             blGlyphLeft))
            .Property(P::Int("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin, -1))
            .Property(P::Int("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs, 1,
                             "TNumGlyphs"))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(C::ShowHint())
            .Property(P::Int("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing, 4))
            .Property(C::Visible())
            .Property(C::OnClick());
    return type;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) {
    SetControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks);
    SetBounds(0, 0, 23, 22);
    glyph_.Glyph()->OnChange = [this](TObject*) { glyph_.PushTo(LivePeer()); };
}

void TSpeedButton::SetNumGlyphs(int count) {
    glyph_.SetNumGlyphs(count);
    glyph_.PushTo(LivePeer());
}

void TSpeedButton::SetGroupIndex(int index) {
    if (index == groupIndex_)
        return;
    groupIndex_ = index;
    if (groupIndex_ == 0)
        SetDown(false);
}

void TSpeedButton::SetDown(bool down) {
    // Outside a group a button cannot stay down; while loading the group
    // index may come later, so Loaded settles it.
    if (groupIndex_ == 0 && !IsLoading())
        down = false;
    if (down == down_)
        return;
    down_ = down;
    if (os::Peer* peer = LivePeer())
        peer->SetChecked(down_);
    if (down_ && !IsLoading())
        RaiseGroupPartners();
}

void TSpeedButton::RaiseGroupPartners() {
    TWinControl* parent = Parent();
    if (parent == nullptr)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* partner = dynamic_cast<TSpeedButton*>(parent->Controls(i));
        if (partner != nullptr && partner != this && partner->groupIndex_ == groupIndex_) {
            partner->SetDown(false);
        }
    }
}

void TSpeedButton::Loaded() {
    TControl::Loaded();
    if (groupIndex_ == 0) {
        SetDown(false);
    } else if (down_) {
        RaiseGroupPartners();
    }
}

void TSpeedButton::PeerClicked() {
    HandleInput([this] {
        if (groupIndex_ != 0) {
            if (!down_) {
                SetDown(true);
            } else if (allowAllUp_) {
                SetDown(false);
            }
        }
        Click();
    });
}

void TSpeedButton::CreateWnd() {
    TControl::CreateWnd();
    if (os::Peer* peer = LivePeer()) {
        if (!Glyph()->Empty())
            glyph_.PushTo(peer);
        if (down_)
            peer->SetChecked(true);
    }
}
