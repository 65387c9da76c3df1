#include "platform/controls/Control.h"

#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Backend.h"

const TEnumInfo& AlignEnumInfo() {
    static const TEnumInfo info{"TAlign",
                                {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
    return info;
}

const TEnumInfo& AlignmentEnumInfo() {
    static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
    return info;
}

const TClassType& TControl::StaticClass() {
    static const TClassType type =
        TClassType::Define<TControl, TComponent>("TControl")
            .Property(
                Prop<TControl>::Int("Left", &TControl::Left, &TControl::SetLeft, std::nullopt))
            .Property(Prop<TControl>::Int("Top", &TControl::Top, &TControl::SetTop, std::nullopt))
            .Property(
                Prop<TControl>::Int("Width", &TControl::Width, &TControl::SetWidth, std::nullopt))
            .Property(Prop<TControl>::Int("Height", &TControl::Height, &TControl::SetHeight,
                                          std::nullopt))
            .Property(Prop<TControl>::Int("Cursor", &TControl::Cursor, &TControl::SetCursor,
                                          crDefault, "TCursor"))
            .Property(Prop<TControl>::Str("Hint", &TControl::Hint, &TControl::SetHint));
    return type;
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    font_->OnChange = [this](TObject*) { FontChange(); };
}

TControl::~TControl() {
    Destroying();
    if (parent_ != nullptr) {
        parent_->RemoveControl(this);
    } else {
        TControl::DestroyHandle();
    }
}

// ---- bounds and alignment ---------------------------------------------------------

void TControl::SetBounds(int left, int top, int width, int height) {
    if (width < 0)
        width = 0;
    if (height < 0)
        height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (os::Peer* peer = LivePeer())
        peer->SetBounds(BoundsRect());
    BoundsChanged(resized);
    RequestAlign();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    // The siblings make room or take it back; a control that gives up its
    // alignment keeps the place it was given.
    if (parent_ != nullptr)
        parent_->Realign();
}

void TControl::RequestAlign() {
    if (parent_ != nullptr && align_ != alNone && !parent_->aligning_)
        parent_->Realign();
}

// ---- text -------------------------------------------------------------------------

void TControl::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    if (os::Peer* peer = LivePeer())
        peer->SetText(PeerText());
    TextChanged();
}

void TControl::TextChanged() {}

void TControl::SetName(const std::string& name) {
    bool takeName = (controlStyle_ & csSetCaption) != 0 && !IsLoading() && !IsReading() &&
                    Name() == text_ && (Owner() == nullptr || !Owner()->IsLoading());
    TComponent::SetName(name);
    if (takeName)
        SetText(name);
}

// ---- colour, font, hint -------------------------------------------------------------

void TControl::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetColorFromParent(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == parentColor_)
        return;
    parentColor_ = parentColor;
    if (parentColor && !IsReading())
        ParentColorChanged();
}

void TControl::ColorChanged() {
    if (os::Peer* peer = LivePeer())
        peer->SetColor(color_);
}

void TControl::ParentColorChanged() {
    if (parentColor_ && parent_ != nullptr)
        SetColorFromParent(parent_->Color());
}

void TControl::SetFont(const TFont* font) {
    if (font != nullptr)
        font_->Assign(*font);
}

void TControl::FontChange() {
    // A font changed from outside no longer follows the parent's.
    if (!syncingFont_)
        parentFont_ = false;
    FontChanged();
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == parentFont_)
        return;
    parentFont_ = parentFont;
    if (parentFont && !IsReading())
        ParentFontChanged();
}

void TControl::FontChanged() {
    if (os::Peer* peer = LivePeer())
        peer->SetFont(font_->PeerFont());
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || parent_ == nullptr)
        return;
    syncingFont_ = true;
    try {
        font_->Assign(*parent_->Font());
    } catch (...) {
        syncingFont_ = false;
        throw;
    }
    syncingFont_ = false;
}

void TControl::SetShowHint(bool showHint) {
    parentShowHint_ = false;
    if (showHint == showHint_)
        return;
    showHint_ = showHint;
    if (auto* self = dynamic_cast<TWinControl*>(this))
        self->ShowHintChanged();
}

void TControl::SetParentShowHint(bool parentShowHint) {
    if (parentShowHint == parentShowHint_)
        return;
    parentShowHint_ = parentShowHint;
    if (parentShowHint && !IsReading())
        ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
    if (parentShowHint_ && parent_ != nullptr)
        showHint_ = parent_->ShowHint();
}

// ---- state --------------------------------------------------------------------------

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::EnabledChanged() {
    if (os::Peer* peer = LivePeer())
        peer->SetEnabled(enabled_);
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    VisibleChanged();
}

void TControl::VisibleChanged() {
    if (os::Peer* peer = LivePeer())
        peer->SetVisible(visible_);
    // A hidden aligned control gives up its place to its siblings.
    if (parent_ != nullptr && align_ != alNone && !parent_->aligning_)
        parent_->Realign();
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    if (os::Peer* peer = LivePeer())
        peer->SetCursor(ToOsCursor(cursor_));
}

bool TControl::EffectivelyEnabled() const {
    for (const TControl* c = this; c != nullptr; c = c->parent_) {
        if (!c->enabled_)
            return false;
    }
    return true;
}

bool TControl::Showing() const {
    if (!visible_)
        return false;
    if (parent_ != nullptr)
        return parent_->Showing();
    const auto* form = dynamic_cast<const TCustomForm*>(this);
    return form != nullptr && form->HandleAllocated();
}

// ---- parent -------------------------------------------------------------------------

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent != nullptr && (parent == this || parent->IsChildOf(this))) {
        throw EInvalidOperation("A control cannot have itself or a child as its parent");
    }
    if (parent_ != nullptr)
        parent_->RemoveControl(this);
    if (parent != nullptr)
        parent->InsertControl(this);
}

TCustomForm* TControl::ParentForm() const {
    const TControl* top = this;
    while (top->parent_ != nullptr)
        top = top->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

bool TControl::IsChildOf(const TControl* ancestor) const {
    for (const TControl* p = parent_; p != nullptr; p = p->parent_) {
        if (p == ancestor)
            return true;
    }
    return false;
}

TComponent* TControl::GetParentComponent() const {
    return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
    auto* winParent = dynamic_cast<TWinControl*>(parent);
    if (parent != nullptr && winParent == nullptr) {
        throw EReadError("Control " + Name() + " cannot lie on " + parent->ClassName());
    }
    SetParent(winParent);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (parent_ != nullptr) {
        ParentColorChanged();
        ParentFontChanged();
        ParentShowHintChanged();
    }
}

// ---- events -------------------------------------------------------------------------

void TControl::Click() {
    OnClick(this);
}

void TControl::PeerClicked() {
    HandleInput([this] {
        if ((controlStyle_ & csClickEvents) != 0)
            Click();
    });
}

void TControl::HandleInput(const std::function<void()>& reaction) {
    try {
        reaction();
    } catch (...) {
        if (Application == nullptr)
            throw;
        Application->HandleException(this);
    }
}

// ---- the window -----------------------------------------------------------------------

os::WindowHandle TControl::Handle() const {
    return peer_ != nullptr && !peerGone_ ? peer_->Handle() : 0;
}

os::Peer* TControl::LivePeer() const {
    if (peer_ == nullptr || peerGone_ || destroyingPeer_ || IsLoading())
        return nullptr;
    return peer_.get();
}

void TControl::HandleNeeded() {
    if (wndCreated_)
        return;
    if (parent_ != nullptr) {
        parent_->HandleNeeded();  // makes the windows of all its children
        if (wndCreated_)
            return;
    }
    CreateHandle();
}

void TControl::CreateParams(os::PeerSpec& params) const {
    params.kind = NativeKind();
    params.className = ClassName();
    params.name = Name();
    params.text = PeerText();
    params.bounds = BoundsRect();
    params.visible = visible_;
    params.enabled = enabled_;
    params.font = font_->PeerFont();
}

void TControl::CreateWnd() {
    os::PeerSpec params;
    CreateParams(params);
    os::Peer* parentPeer = parent_ != nullptr ? parent_->LivePeer() : nullptr;
    peerGone_ = false;
    peer_ = os::windowing().CreatePeer(params, parentPeer, *this);
    wndCreated_ = true;
    if (os::Peer* peer = LivePeer()) {
        peer->SetColor(color_);
        if (cursor_ != crDefault)
            peer->SetCursor(ToOsCursor(cursor_));
    }
}

void TControl::DestroyWnd() {
    destroyingPeer_ = true;
    std::unique_ptr<os::Peer> doomed = std::move(peer_);
    doomed.reset();
    destroyingPeer_ = false;
    peerGone_ = false;
    wndCreated_ = false;
}

void TControl::CreateHandle() {
    if (!wndCreated_)
        CreateWnd();
}

void TControl::DestroyHandle() {
    if (wndCreated_)
        DestroyWnd();
}

void TControl::RecreateWnd() {
    if (!wndCreated_)
        return;
    auto* self = dynamic_cast<TWinControl*>(this);
    bool focused = self != nullptr && self->Focused();
    DestroyHandle();
    CreateHandle();
    if (focused) {
        if (os::Peer* peer = LivePeer())
            peer->SetFocus();
    }
}

void TControl::PeerDestroyed() {
    // Our own destruction of the peer is expected; otherwise the native
    // window went away by itself and the peer must not be used again.
    if (!destroyingPeer_)
        peerGone_ = true;
}
