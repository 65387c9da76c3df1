#include "platform/controls/WinControl.h"

#include <algorithm>

#include "platform/controls/Form.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"

const TClassType& TWinControl::StaticClass() {
    static const TClassType type = TClassType::Define<TWinControl, TControl>("TWinControl");
    return type;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Children go first, last first, while this control is whole: each
    // leaves this control's lists in its own destructor.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        if (child->IsDestroying()) {
            // Already on its way out elsewhere: only detach it.
            RemoveControl(child);
        } else {
            FreeComponent(child);
        }
    }
    TWinControl::DestroyHandle();
    if (Parent() != nullptr)
        Parent()->RemoveControl(this);
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    return controls_[static_cast<std::size_t>(index)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    return control != nullptr && (control == this || control->IsChildOf(this));
}

// ---- children -----------------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
    control->parent_ = this;
    controls_.push_back(control);
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        tabList_.push_back(win);
        // A tab order set before the control had a parent applies now; one
        // read from a description waits for the parent's Loaded.
        if (win->readTabOrder_ >= 0 && !win->IsLoading()) {
            int order = win->readTabOrder_;
            win->readTabOrder_ = -1;
            win->SetTabOrder(order);
        }
    }
    control->ParentColorChanged();
    control->ParentFontChanged();
    control->ParentShowHintChanged();
    // Aligned first, so that a new window starts where it belongs.
    if (control->Align() != alNone)
        Realign();
    if (HandleAllocated() && !control->IsLoading())
        control->CreateHandle();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    // The focus leaves quietly: the control is going away, not being left.
    if (TCustomForm* form = ParentForm())
        form->ControlRemoving(control);
    control->DestroyHandle();
    controls_.erase(std::find(controls_.begin(), controls_.end(), control));
    tabList_.erase(
        std::remove_if(tabList_.begin(), tabList_.end(),
                       [control](TWinControl* w) { return static_cast<TControl*>(w) == control; }),
        tabList_.end());
    control->parent_ = nullptr;
    if (control->Align() != alNone && !IsDestroying())
        Realign();
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
    for (TControl* c : controls_) {
        if (c->Owner() == root)
            proc(c);
    }
}

// ---- tab order ----------------------------------------------------------------------

int TWinControl::TabOrder() const {
    if (Parent() == nullptr)
        return readTabOrder_;
    const auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (IsLoading() || Parent() == nullptr) {
        // Siblings read later may not exist yet: the parent sorts its tab
        // list once everything is loaded.
        readTabOrder_ = order;
        return;
    }
    auto& list = Parent()->tabList_;
    int count = static_cast<int>(list.size());
    int current = TabOrder();
    if (order < 0 || order >= count)
        order = count - 1;
    if (order == current || current < 0)
        return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + order, this);
    if (os::Peer* peer = LivePeer()) {
        os::Peer* previous =
            order > 0 ? list[static_cast<std::size_t>(order - 1)]->LivePeer() : nullptr;
        peer->PlaceAfter(previous);
    }
}

void TWinControl::FixupTabList() {
    int count = static_cast<int>(tabList_.size());
    std::vector<TWinControl*> slots(tabList_.size(), nullptr);
    std::vector<TWinControl*> unplaced;
    for (TWinControl* w : tabList_) {
        int wanted = w->readTabOrder_;
        if (wanted >= 0 && wanted < count && slots[static_cast<std::size_t>(wanted)] == nullptr) {
            slots[static_cast<std::size_t>(wanted)] = w;
        } else {
            unplaced.push_back(w);
        }
        w->readTabOrder_ = -1;
    }
    auto next = unplaced.begin();
    for (auto& slot : slots) {
        if (slot == nullptr)
            slot = *next++;
    }
    tabList_ = std::move(slots);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward,
                                          bool checkTabStop) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    int count = static_cast<int>(list.size());
    if (count == 0)
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    int start = it == list.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - list.begin());
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = forward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(i)];
        if (candidate == current)
            break;
        // A container passes the focus on to its children instead.
        bool container = !candidate->tabList_.empty();
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) && !container) {
            return candidate;
        }
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop))
        next->SetFocus();
}

// ---- focus --------------------------------------------------------------------------

bool TWinControl::CanFocus() const {
    TCustomForm* form = ParentForm();
    if (form == nullptr)
        return false;
    for (const TControl* c = this; c != nullptr && c != form; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled())
            return false;
    }
    return true;
}

bool TWinControl::Focused() const {
    TCustomForm* form = ParentForm();
    return form != nullptr && form->Active() && form->FocusedControl() == this;
}

void TWinControl::SetFocus() {
    TCustomForm* form = ParentForm();
    if (form == nullptr) {
        throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    }
    if (form == this) {
        form->Activate();
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    form->FocusControl(this);
}

void TWinControl::RemoveFocus(bool removing) {
    if (TCustomForm* form = ParentForm(); form != nullptr && form != this) {
        form->DefocusControl(this, removing);
    }
}

void TWinControl::DoEnter() {
    OnEnter(this);
}

void TWinControl::DoExit() {
    OnExit(this);
}

void TWinControl::PeerFocusChanged(bool focused) {
    // The native focus moved: WM_SETFOCUS tells where it went, and the form
    // sends the exit and enter notifications from there. Losing the focus
    // says nothing about where it goes.
    if (!focused)
        return;
    HandleInput([this] {
        TCustomForm* form = ParentForm();
        if (form == nullptr)
            return;
        if (form == this) {
            form->Activate();
            return;
        }
        if (!CanFocus())
            return;
        form->SetFocusedControl(this, false);
    });
}

// ---- keys ---------------------------------------------------------------------------

void TWinControl::KeyPress(char& key) {
    OnKeyPress(this, key);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    OnKeyDown(this, key, shift);
}

bool TWinControl::WantsKey(std::uint16_t) const {
    return false;
}

void TWinControl::PeerKeyPress(char& key) {
    HandleInput([&] { KeyPress(key); });
}

bool TWinControl::PeerKeyDown(unsigned code) {
    bool handled = false;
    HandleInput([&] {
        auto key = static_cast<std::uint16_t>(code);
        KeyDown(key, 0);
        if (key == 0) {
            handled = true;
            return;
        }
        if ((key == vkTab || key == vkReturn || key == vkEscape) && !WantsKey(key)) {
            if (TCustomForm* form = ParentForm())
                handled = form->DialogKey(key);
        }
    });
    return handled;
}

// ---- alignment ----------------------------------------------------------------------

os::Rect TWinControl::AlignRect() const {
    os::Rect rect{0, 0, ClientWidth(), ClientHeight()};
    AdjustClientRect(rect);
    return rect;
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_)
        Realign();
}

void TWinControl::Realign() {
    if (aligning_)
        return;
    if (alignDisabled_ > 0 || IsLoading() || IsDestroying()) {
        alignPending_ = true;
        return;
    }
    alignPending_ = false;
    aligning_ = true;
    try {
        AlignControls(AlignRect());
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AlignControls(os::Rect rect) {
    int left = rect.left;
    int top = rect.top;
    int right = rect.left + rect.width;
    int bottom = rect.top + rect.height;
    auto place = [&](TAlign align) {
        std::vector<TControl*> list;
        for (TControl* c : controls_) {
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        }
        // Controls of one edge keep the order of their current places.
        std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
            switch (align) {
                case alTop:
                    return a->Top() < b->Top();
                case alBottom:
                    return a->Top() + a->Height() > b->Top() + b->Height();
                case alLeft:
                    return a->Left() < b->Left();
                case alRight:
                    return a->Left() + a->Width() > b->Left() + b->Width();
                default:
                    return false;
            }
        });
        for (TControl* c : list) {
            int width = std::max(0, right - left);
            int height = std::max(0, bottom - top);
            switch (align) {
                case alTop:
                    c->SetBounds(left, top, width, c->Height());
                    top += c->Height();
                    break;
                case alBottom:
                    c->SetBounds(left, bottom - c->Height(), width, c->Height());
                    // A control that keeps a height of its own (a combo box)
                    // is moved down again to stand on the edge.
                    if (c->Top() + c->Height() != bottom)
                        c->SetBounds(left, bottom - c->Height(), width, c->Height());
                    bottom -= c->Height();
                    break;
                case alLeft:
                    c->SetBounds(left, top, c->Width(), height);
                    left += c->Width();
                    break;
                case alRight:
                    c->SetBounds(right - c->Width(), top, c->Width(), height);
                    right -= c->Width();
                    break;
                case alClient:
                    c->SetBounds(left, top, width, height);
                    break;
                case alNone:
                    break;
            }
        }
    };
    place(alTop);
    place(alBottom);
    place(alLeft);
    place(alRight);
    place(alClient);
}

void TWinControl::BoundsChanged(bool resized) {
    TControl::BoundsChanged(resized);
    if (resized)
        Realign();
}

// ---- notifications ------------------------------------------------------------------

void TWinControl::EnabledChanged() {
    if (!Enabled())
        RemoveFocus(false);
    TControl::EnabledChanged();
}

void TWinControl::VisibleChanged() {
    if (!Visible())
        RemoveFocus(false);
    TControl::VisibleChanged();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : controls_)
        c->ParentFontChanged();
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : controls_)
        c->ParentColorChanged();
}

void TWinControl::ShowHintChanged() {
    for (TControl* c : controls_)
        c->ParentShowHintChanged();
}

void TWinControl::ParentShowHintChanged() {
    bool before = ShowHint();
    TControl::ParentShowHintChanged();
    if (ShowHint() != before)
        ShowHintChanged();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    FixupTabList();
    Realign();
}

// ---- the window -----------------------------------------------------------------------

void TWinControl::CreateParams(os::PeerSpec& params) const {
    TControl::CreateParams(params);
    params.tabStop = tabStop_;
}

void TWinControl::CreateHandle() {
    if (!HandleAllocated())
        CreateWnd();
    // Windowed children in tab order, then the others in z-order.
    for (TWinControl* w : std::vector<TWinControl*>(tabList_))
        w->CreateHandle();
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (dynamic_cast<TWinControl*>(c) == nullptr)
            c->CreateHandle();
    }
}

void TWinControl::DestroyHandle() {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        (*it)->DestroyHandle();
    TControl::DestroyHandle();
}
