#include "runtime/ButtonPanel.h"

#include <algorithm>

#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/ButtonPanel.cpp 3.0");
}

// ---- TButtonItem -----------------------------------------------------------------

const TClassType& TButtonItem::StaticClass() {
    using P = Prop<TButtonItem>;
    auto boolProp = [](const char* name, int index, bool def) {
        return P::Bool(
                   name, [index](const TButtonItem& item) { return item.GetBool(index); },
                   [index](TButtonItem& item, bool value) { item.SetBool(index, value); }, def)
            .Index(index);
    };
    static const TClassType type =
        TClassType::Define<TButtonItem, TCollectionItem>("TButtonItem")
            .Property(
                P::Str("Caption", &TButtonItem::Caption, &TButtonItem::SetCaption, "TCaption"))
            .Property(P::Str("Hint", &TButtonItem::Hint, &TButtonItem::SetHint))
            .Property(P::Enum<TBitBtnKind>("Kind", BitBtnKindEnumInfo(), &TButtonItem::Kind,
                                           &TButtonItem::SetKind, bkCustom))
            .Property(P::Int("ModalResult", &TButtonItem::ModalResult, &TButtonItem::SetModalResult,
                             0, "TModalResult"))
            .Property(boolProp("Default", kDefaultIndex, false))
            .Property(boolProp("Cancel", kCancelIndex, false))
            .Property(boolProp("Enabled", kEnabledIndex, true))
            .Property(boolProp("Visible", kVisibleIndex, true))
            .Property(P::Event("OnClick", &TButtonItem::OnClick, "TNotifyEvent"));
    return type;
}

TButtonItem::TButtonItem(TCollection* collection) : TCollectionItem(collection) {}

TButtonItem::~TButtonItem() {
    // The bar owns the button; an item removed on its own takes it along.
    if (button_ != nullptr)
        DeleteClass(button_);
}

void TButtonItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    Changed(false);
}

void TButtonItem::SetHint(const std::string& hint) {
    hint_ = hint;
    Changed(false);
}

void TButtonItem::SetKind(TBitBtnKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    if (kind != bkCustom) {
        default_ = kind == bkOK || kind == bkYes;
        cancel_ = kind == bkCancel || kind == bkNo;
        modalResult_ = BitBtnModalResult(kind);
    }
    Changed(false);
}

void TButtonItem::SetModalResult(TModalResult result) {
    modalResult_ = result;
    Changed(false);
}

bool TButtonItem::GetBool(int index) const {
    switch (index) {
        case kDefaultIndex:
            return default_;
        case kCancelIndex:
            return cancel_;
        case kEnabledIndex:
            return enabled_;
        case kVisibleIndex:
            return visible_;
    }
    CaseError("TButtonItem.GetBool " + std::to_string(index));
}

void TButtonItem::SetBool(int index, bool value) {
    switch (index) {
        case kDefaultIndex:
            default_ = value;
            break;
        case kCancelIndex:
            cancel_ = value;
            break;
        case kEnabledIndex:
            enabled_ = value;
            break;
        case kVisibleIndex:
            visible_ = value;
            break;
        default:
            CaseError("TButtonItem.SetBool " + std::to_string(index));
    }
    Changed(index == kVisibleIndex);
}

std::string TButtonItem::DisplayName() const {
    return caption_.empty() ? TCollectionItem::DisplayName() : caption_;
}

void TButtonItem::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TButtonItem*>(&source)) {
        caption_ = other->caption_;
        hint_ = other->hint_;
        kind_ = other->kind_;
        modalResult_ = other->modalResult_;
        default_ = other->default_;
        cancel_ = other->cancel_;
        enabled_ = other->enabled_;
        visible_ = other->visible_;
        OnClick = other->OnClick;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(source);
}

// ---- TButtonCollection -----------------------------------------------------------

const TClassType& TButtonCollection::StaticClass() {
    static const TClassType type =
        TClassType::Define<TButtonCollection, TOwnedCollection>("TButtonCollection");
    return type;
}

TButtonCollection::TButtonCollection(TButtonPanel* panel)
    : TOwnedCollection(panel, TButtonItem::StaticClass(),
                       [](TCollection* c) { return std::make_unique<TButtonItem>(c); }),
      panel_(panel) {}

TButtonItem* TButtonCollection::GetItem(int index) const {
    return static_cast<TButtonItem*>(Items(index));
}

void TButtonCollection::Update(TCollectionItem*) {
    panel_->UpdateButtons();
}

// ---- TButtonPanel ----------------------------------------------------------------

const TClassType& TButtonPanel::StaticClass() {
    using P = Prop<TButtonPanel>;
    using C = ControlProps<TButtonPanel>;
    using W = WinControlProps<TButtonPanel>;
    static const TClassType type =
        TClassType::Define<TButtonPanel, TCustomPanel>("TButtonPanel")
            .Property(C::Align())
            .Property(C::Color(clBtnFace))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(C::ParentColor(false))
            .Property(C::ParentFont())
            .Property(W::TabOrder())
            .Property(C::Visible())
            .Property(P::Enum<TPanelBevel>("BevelOuter", PanelBevelEnumInfo(),
                                           &TButtonPanel::BevelOuter, &TButtonPanel::SetBevelOuter,
                                           bvRaised))
            .Property(P::Enum<TAlignment>("Alignment", AlignmentEnumInfo(),
                                          &TButtonPanel::Alignment, &TButtonPanel::SetAlignment,
                                          taRightJustify))
            .Property(P::Int("ButtonWidth", &TButtonPanel::ButtonWidth,
                             &TButtonPanel::SetButtonWidth, 75))
            .Property(P::Int("ButtonHeight", &TButtonPanel::ButtonHeight,
                             &TButtonPanel::SetButtonHeight, 25))
            .Property(P::Int("Spacing", &TButtonPanel::Spacing, &TButtonPanel::SetSpacing, 8))
            .Property(P::Object<TCollection>("Buttons", &TButtonPanel::Buttons,
                                             &TButtonPanel::SetButtons));
    return type;
}

TButtonPanel::TButtonPanel(TComponent* owner)
    : TCustomPanel(owner), buttons_(std::make_unique<TButtonCollection>(this)) {
    SetAlignment(taRightJustify);
}

TButtonPanel::~TButtonPanel() {
    // The buttons go with the bar's other components; the items must not
    // free them a second time.
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->GetItem(i)->button_ = nullptr;
    DestroyComponents();
}

void TButtonPanel::SetButtons(TCollection* buttons) {
    if (buttons != nullptr)
        buttons_->Assign(*buttons);
}

void TButtonPanel::SetButtonWidth(int width) {
    buttonWidth_ = std::max(width, 0);
    LayoutButtons();
}

void TButtonPanel::SetButtonHeight(int height) {
    buttonHeight_ = std::max(height, 0);
    LayoutButtons();
}

void TButtonPanel::SetSpacing(int spacing) {
    spacing_ = std::max(spacing, 0);
    LayoutButtons();
}

void TButtonPanel::SetAlignment(TAlignment alignment) {
    TCustomPanel::SetAlignment(alignment);
    LayoutButtons();
}

void TButtonPanel::Loaded() {
    TCustomPanel::Loaded();
    UpdateButtons();
}

void TButtonPanel::SetBounds(int left, int top, int width, int height) {
    TCustomPanel::SetBounds(left, top, width, height);
    LayoutButtons();
}

void TButtonPanel::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation != TOperation::opRemove || buttons_ == nullptr)
        return;
    // A button freed by someone else must not be used or freed again.
    for (int i = 0; i < buttons_->Count(); ++i) {
        if (buttons_->GetItem(i)->button_ == component)
            buttons_->GetItem(i)->button_ = nullptr;
    }
}

void TButtonPanel::UpdateButtons() {
    if (IsLoading() || IsDestroying())
        return;
    for (int i = 0; i < buttons_->Count(); ++i) {
        TButtonItem& item = *buttons_->GetItem(i);
        if (item.button_ == nullptr) {
            item.button_ = new TBitBtn(this);
            // Named after its place, so that automation tools can find it.
            item.button_->SetName("Button" + std::to_string(item.ID()));
            item.button_->SetParent(this);
            item.button_->OnClick.Bind(this, &TButtonPanel::ButtonClick);
        }
        item.button_->SetTabOrder(i);
        ApplyItem(item);
    }
    LayoutButtons();
}

void TButtonPanel::ApplyItem(TButtonItem& item) {
    TBitBtn& b = *item.button_;
    b.SetKind(item.kind_);
    b.SetCaption(item.caption_);
    b.SetHint(item.hint_);
    b.SetModalResult(item.modalResult_);
    b.SetDefault(item.default_);
    b.SetCancel(item.cancel_);
    b.SetEnabled(item.enabled_);
    b.SetVisible(item.visible_);
}

void TButtonPanel::LayoutButtons() {
    if (IsLoading() || buttons_ == nullptr)
        return;
    int count = 0;
    for (int i = 0; i < buttons_->Count(); ++i) {
        TButtonItem& item = *buttons_->GetItem(i);
        if (item.button_ != nullptr && item.visible_)
            ++count;
    }
    int rowWidth = count * buttonWidth_ + std::max(count - 1, 0) * spacing_;
    int x = spacing_;
    if (Alignment() == taRightJustify)
        x = ClientWidth() - spacing_ - rowWidth;
    if (Alignment() == taCenter)
        x = (ClientWidth() - rowWidth) / 2;
    int y = (ClientHeight() - buttonHeight_) / 2;
    for (int i = 0; i < buttons_->Count(); ++i) {
        TButtonItem& item = *buttons_->GetItem(i);
        if (item.button_ == nullptr || !item.visible_)
            continue;
        item.button_->SetBounds(x, y, buttonWidth_, buttonHeight_);
        x += buttonWidth_ + spacing_;
    }
}

void TButtonPanel::ButtonClick(TObject* sender) {
    for (int i = 0; i < buttons_->Count(); ++i) {
        TButtonItem* item = buttons_->GetItem(i);
        if (item->button_ == sender) {
            item->OnClick(item);
            return;
        }
    }
}
