#include "platform/controls/ComboBox.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"

const TEnumInfo& ComboBoxStyleEnumInfo() {
    static const TEnumInfo info{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"}};
    return info;
}

// ---- TComboBoxStrings -------------------------------------------------------------

const TClassType& TComboBoxStrings::StaticClass() {
    static const TClassType type =
        TClassType::Define<TComboBoxStrings, TStrings>("TComboBoxStrings");
    return type;
}

std::string TComboBoxStrings::Get(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)].text;
}

TObject* TComboBoxStrings::ObjectAt(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)].object;
}

void TComboBoxStrings::SetObjectAt(int index, TObject* object) {
    CheckIndex(index, Count());
    items_[static_cast<std::size_t>(index)].object = object;
}

void TComboBoxStrings::Insert(int index, const std::string& s) {
    InsertObject(index, s, nullptr);
}

void TComboBoxStrings::InsertObject(int index, const std::string& s, TObject* object) {
    if (index < 0 || index > Count()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    items_.insert(items_.begin() + index, Item{s, object});
    combo_.ItemInserted(index, s);
}

int TComboBoxStrings::Add(const std::string& s) {
    int index = Count();
    if (combo_.Sorted()) {
        // After the items that sort before it or equal it.
        auto it = std::upper_bound(items_.begin(), items_.end(), s,
                                   [](const std::string& text, const Item& item) {
                                       return CompareText(text, item.text) < 0;
                                   });
        index = static_cast<int>(it - items_.begin());
    }
    InsertObject(index, s, nullptr);
    return index;
}

void TComboBoxStrings::Delete(int index) {
    CheckIndex(index, Count());
    items_.erase(items_.begin() + index);
    combo_.ItemDeleted(index);
}

void TComboBoxStrings::Clear() {
    items_.clear();
    combo_.ItemsCleared();
}

// ---- TCustomComboBox --------------------------------------------------------------

const TClassType& TCustomComboBox::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCustomComboBox, TWinControl>("TCustomComboBox");
    return type;
}

const TClassType& TComboBox::StaticClass() {
    using P = Prop<TComboBox>;
    using C = ControlProps<TComboBox>;
    using W = WinControlProps<TComboBox>;
    auto event = [](const char* name, TNotifyEvent TCustomComboBox::*member) {
        return P::Event<TObject*>(name, static_cast<TNotifyEvent TComboBox::*>(member),
                                  "TNotifyEvent");
    };
    static const TClassType type =
        TClassType::Define<TComboBox, TCustomComboBox>("TComboBox")
            .Property(P::Enum<TComboBoxStyle>("Style", ComboBoxStyleEnumInfo(),
                                              &TCustomComboBox::Style, &TCustomComboBox::SetStyle,
                                              csDropDown))
            .Property(C::Color(clWindow))
            .Property(P::Int("DropDownCount", &TCustomComboBox::DropDownCount,
                             &TCustomComboBox::SetDropDownCount, 8))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(P::Int("ItemHeight", &TCustomComboBox::ItemHeight,
                             &TCustomComboBox::SetItemHeight, 13))
            .Property(
                P::Int("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength, 0))
            .Property(C::ParentColor(false))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(C::ShowHint())
            .Property(
                P::Bool("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted, false))
            .Property(W::TabOrder())
            .Property(W::TabStop(true))
            .Property(C::Text())
            .Property(C::Visible())
            .Property(event("OnChange", &TCustomComboBox::OnChange))
            .Property(C::OnClick())
            .Property(event("OnDropDown", &TCustomComboBox::OnDropDown))
            .Property(W::OnEnter())
            .Property(W::OnExit())
            .Property(W::OnKeyDown())
            .Property(W::OnKeyPress())
            .Property(
                P::Object<TStrings>("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems));
    return type;
}

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TComboBoxStrings>(*this)) {
    SetControlStyle(csCaptureMouse | csSetCaption | csDoubleClicks | csFixedHeight);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(0, 0, 145, FixedHeight());
}

TCustomComboBox::~TCustomComboBox() {
    // The window goes while the items still exist.
    TWinControl::DestroyHandle();
}

os::PeerKind TCustomComboBox::NativeKind() const {
    return style_ == csDropDownList ? os::PeerKind::ComboList : os::PeerKind::ComboBox;
}

void TCustomComboBox::SetItems(const TStrings* items) {
    if (items != nullptr)
        items_->Assign(*items);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (style < csDropDown || style > csDropDownList || style == style_)
        return;
    style_ = style;
    if (style_ == csSimple) {
        SetControlStyle(ControlStyle() & ~csFixedHeight);
        dropped_ = false;
    } else {
        SetControlStyle(ControlStyle() | csFixedHeight);
        SetBounds(Left(), Top(), Width(), Height());
    }
    if (style_ == csDropDownList && !IsLoading())
        ShowItemText();
    RecreateWnd();
}

// ---- selection and text -------------------------------------------------------------

void TCustomComboBox::ShowItemText() {
    showingItem_ = true;
    try {
        SetText(itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string());
    } catch (...) {
        showingItem_ = false;
        throw;
    }
    showingItem_ = false;
}

void TCustomComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_->Count())
        index = -1;
    if (index == itemIndex_ && (index < 0 || Text() == items_->Get(index)))
        return;
    itemIndex_ = index;
    if (os::Peer* peer = LivePeer())
        peer->ComboSetItemIndex(itemIndex_);
    ShowItemText();
}

void TCustomComboBox::TextChanged() {
    TWinControl::TextChanged();
    int length = static_cast<int>(Utf8CharCount(Text()));
    selStart_ = length;  // the caret goes behind the new text
    selLength_ = 0;
    if (showingItem_)
        return;
    // The list selects the item that the text names, as the real control does.
    int match = items_->IndexOf(Text());
    // A list without an edit line shows only its items; a text read before
    // the items waits for them (Loaded).
    if (style_ == csDropDownList && match < 0 && !IsLoading()) {
        std::string shown = itemIndex_ >= 0 ? items_->Get(itemIndex_) : std::string();
        StoreText(shown);
        if (os::Peer* peer = LivePeer())
            peer->ComboSetItemIndex(itemIndex_);
        return;
    }
    if (match != itemIndex_) {
        itemIndex_ = match;
        if (os::Peer* peer = LivePeer())
            peer->ComboSetItemIndex(itemIndex_);
        if (match >= 0 && style_ == csDropDownList)
            ShowItemText();
    }
}

void TCustomComboBox::SetSelStart(int start) {
    int length = static_cast<int>(Utf8CharCount(Text()));
    selStart_ = std::clamp(start, 0, length);
    selLength_ = 0;
    if (os::Peer* peer = LivePeer())
        peer->ComboSelectText(selStart_, selLength_);
}

void TCustomComboBox::SetSelLength(int length) {
    int total = static_cast<int>(Utf8CharCount(Text()));
    selLength_ = std::clamp(length, 0, total - selStart_);
    if (os::Peer* peer = LivePeer())
        peer->ComboSelectText(selStart_, selLength_);
}

std::string TCustomComboBox::SelText() const {
    const std::string& text = Text();
    std::size_t from = Utf8ByteOffset(text, static_cast<std::size_t>(selStart_));
    std::size_t to = Utf8ByteOffset(text, static_cast<std::size_t>(selStart_ + selLength_));
    return text.substr(from, to - from);
}

void TCustomComboBox::SelectAll() {
    selStart_ = 0;
    selLength_ = static_cast<int>(Utf8CharCount(Text()));
    if (os::Peer* peer = LivePeer())
        peer->ComboSelectText(selStart_, selLength_);
}

// ---- the list -------------------------------------------------------------------------

void TCustomComboBox::ItemInserted(int index, const std::string& text) {
    if (itemIndex_ >= index)
        ++itemIndex_;
    if (os::Peer* peer = LivePeer()) {
        peer->ComboInsert(index == items_->Count() - 1 ? -1 : index, text);
    }
}

void TCustomComboBox::ItemDeleted(int index) {
    if (itemIndex_ == index) {
        itemIndex_ = -1;  // the edit line keeps the text of the deleted item
    } else if (itemIndex_ > index) {
        --itemIndex_;
    }
    if (os::Peer* peer = LivePeer())
        peer->ComboDelete(index);
}

void TCustomComboBox::ItemsCleared() {
    itemIndex_ = -1;
    if (os::Peer* peer = LivePeer()) {
        peer->ComboClear();
        peer->SetText(Text());  // emptying the native list empties its edit line
    }
    // A list without an edit line has nothing left to show (a description's
    // text waits for the items it names).
    if (style_ == csDropDownList && !IsLoading())
        StoreText("");
}

void TCustomComboBox::SetSorted(bool sorted) {
    if (sorted == sorted_)
        return;
    sorted_ = sorted;
    if (!sorted_ || items_->Count() < 2)
        return;
    // Re-add every item in order; the selected item stays selected.
    TObject* selectedObject = nullptr;
    std::string selectedText;
    bool hadSelection = itemIndex_ >= 0;
    if (hadSelection) {
        selectedText = items_->Get(itemIndex_);
        selectedObject = items_->ObjectAt(itemIndex_);
    }
    std::vector<TComboBoxStrings::Item> all = items_->items_;
    std::string text = Text();
    items_->Clear();
    for (const auto& item : all)
        items_->SetObjectAt(items_->Add(item.text), item.object);
    StoreText(text);
    if (hadSelection) {
        for (int i = 0; i < items_->Count(); ++i) {
            if (items_->Get(i) == selectedText && items_->ObjectAt(i) == selectedObject) {
                itemIndex_ = i;
                if (os::Peer* peer = LivePeer())
                    peer->ComboSetItemIndex(i);
                break;
            }
        }
    }
}

void TCustomComboBox::SetDropDownCount(int count) {
    if (count < 1)
        count = 1;
    if (count == dropDownCount_)
        return;
    dropDownCount_ = count;
    if (os::Peer* peer = LivePeer())
        peer->ComboSetDropDownCount(dropDownCount_);
}

int TCustomComboBox::ItemHeight() const {
    return Font()->TextHeight();
}

void TCustomComboBox::SetItemHeight(int height) {
    if (height > 0)
        itemHeight_ = height;
}

void TCustomComboBox::SetMaxLength(int length) {
    length = std::max(0, length);
    if (length == maxLength_)
        return;
    maxLength_ = length;
    RecreateWnd();
}

void TCustomComboBox::SetDroppedDown(bool dropped) {
    if (style_ == csSimple || dropped == dropped_ || IsLoading())
        return;
    if (os::Peer* peer = LivePeer()) {
        peer->ComboSetDroppedDown(dropped);  // the native control notifies
        return;
    }
    if (dropped) {
        PeerCommand(os::CBN_DROPDOWN);
    } else {
        PeerCommand(os::CBN_SELENDCANCEL);
        PeerCommand(os::CBN_CLOSEUP);
    }
}

// ---- notifications --------------------------------------------------------------------

void TCustomComboBox::Change() {
    OnChange(this);
}

void TCustomComboBox::DropDown() {
    OnDropDown(this);
}

void TCustomComboBox::SyncFromPeer() {
    os::Peer* peer = LivePeer();
    if (peer == nullptr)
        return;
    int index = peer->ComboItemIndex();
    itemIndex_ = index >= 0 && index < items_->Count() ? index : -1;
    StoreText(peer->Text());
    int start = 0;
    int length = 0;
    if (peer->ComboSelection(start, length)) {
        selStart_ = start;
        selLength_ = length;
    }
}

void TCustomComboBox::CNCommand(unsigned code) {
    SyncFromPeer();
    switch (code) {
        case os::CBN_SELCHANGE:
            if (itemIndex_ >= 0)
                ShowItemText();
            Click();
            Change();
            break;
        case os::CBN_EDITCHANGE:
            Change();
            break;
        case os::CBN_DROPDOWN:
            dropped_ = true;
            DropDown();
            break;
        case os::CBN_CLOSEUP:
            dropped_ = false;
            break;
        default:
            break;
    }
}

void TCustomComboBox::PeerCommand(unsigned code) {
    HandleInput([this, code] { CNCommand(code); });
}

void TCustomComboBox::NativeFocusGained() {
    // The real control selects its whole text when the focus arrives.
    SelectAll();
    if (LivePeer() == nullptr)
        PeerCommand(os::CBN_SETFOCUS);
}

void TCustomComboBox::NativeFocusLost() {
    if (LivePeer() != nullptr)
        return;  // the native control does this itself
    if (dropped_) {
        PeerCommand(os::CBN_SELENDCANCEL);
        PeerCommand(os::CBN_CLOSEUP);
    }
    PeerCommand(os::CBN_KILLFOCUS);
}

bool TCustomComboBox::WantsKey(std::uint16_t key) const {
    // Enter and Escape belong to the edit line and the list.
    return key == vkReturn || key == vkEscape;
}

void TCustomComboBox::InputSetEditText(const std::string& text, int caretChar) {
    StoreText(text);
    itemIndex_ = items_->IndexOf(text);
    int length = static_cast<int>(Utf8CharCount(text));
    selStart_ = std::clamp(caretChar, 0, length);
    selLength_ = 0;
}

void TCustomComboBox::InputSetItemIndex(int index) {
    if (index < -1 || index >= items_->Count())
        return;
    itemIndex_ = index;
    StoreText(index >= 0 ? items_->Get(index) : std::string());
    selStart_ = 0;
    selLength_ = static_cast<int>(Utf8CharCount(Text()));
}

void TCustomComboBox::Loaded() {
    TWinControl::Loaded();
    if (itemIndex_ < 0)
        itemIndex_ = items_->IndexOf(Text());
    if (style_ == csDropDownList && itemIndex_ < 0)
        StoreText("");
}

// ---- size and window ------------------------------------------------------------------

int TCustomComboBox::FixedHeight() const {
    // The edit line's text height and its frame.
    return Font()->TextHeight() + 8;
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
    if (style_ != csSimple)
        height = FixedHeight();
    TWinControl::SetBounds(left, top, width, height);
}

void TCustomComboBox::FontChanged() {
    TWinControl::FontChanged();
    if (style_ != csSimple)
        SetBounds(Left(), Top(), Width(), Height());
}

void TCustomComboBox::CreateParams(os::PeerSpec& params) const {
    TWinControl::CreateParams(params);
    params.simpleList = style_ == csSimple;
    params.maxLength = maxLength_;
}

void TCustomComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    os::Peer* peer = LivePeer();
    if (peer == nullptr)
        return;
    for (int i = 0; i < items_->Count(); ++i)
        peer->ComboInsert(-1, items_->Get(i));
    peer->ComboSetDropDownCount(dropDownCount_);
    peer->ComboSetItemIndex(itemIndex_);
    peer->SetText(Text());
    peer->ComboSelectText(selStart_, selLength_);
}
