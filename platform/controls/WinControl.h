#pragma once
// TWinControl: a control that can hold other controls, take the input focus
// and receive key presses. It lays out its aligned children, keeps their tab
// order, and frees its children before its own members go.

#include <cstdint>
#include <vector>

#include "platform/controls/Control.h"

class TWinControl : public TControl {
    PF_CLASS(TWinControl)
  public:
    explicit TWinControl(TComponent* owner);
    // Frees the children first, so that none of them outlives its parent.
    ~TWinControl() override;

    // ---- children ---------------------------------------------------------
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;  // EListError when out of range
    // Whether control is this control or lies inside it.
    bool ContainsControl(const TControl* control) const;

    // ---- tab order --------------------------------------------------------
    // The position among the parent's windowed children in tab order, -1
    // without a parent. Setting it moves the control there and renumbers its
    // siblings; a value out of range moves it to the end.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // The windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    // Every windowed descendant in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next descendant after current (null: from the start) that can take
    // the focus, wrapping around; with checkTabStop only tab stops count.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    // Moves the focus to FindNextControl's result, when there is one.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    void SelectFirst() { SelectNext(nullptr, true, true); }

    // ---- focus ------------------------------------------------------------
    // Enabled and visible, with every parent up to the form.
    virtual bool CanFocus() const;
    // Whether this control holds the input focus of the active form.
    bool Focused() const;
    // Gives this control the focus; EInvalidOperation when it cannot take it.
    virtual void SetFocus();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // A character typed while the control has the focus; a handler may
    // change it, and 0 swallows it.
    TEvent<TObject*, char&> OnKeyPress;
    // A key pressed (virtual-key code); a handler that sets it to 0 handles it.
    TEvent<TObject*, std::uint16_t&, TShiftState> OnKeyDown;

    // ---- alignment --------------------------------------------------------
    // Lays out the aligned children in the client area: alTop and alBottom
    // controls take the full width at the top and bottom edges, alLeft and
    // alRight the remaining height at the sides, alClient what is left.
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    // The client area the aligned children share: the whole client area
    // less the control's frame (a panel's bevels, a group box's caption).
    os::Rect AlignRect() const;

    // ---- os::PeerHost -----------------------------------------------------
    void PeerFocusChanged(bool focused) override;
    void PeerKeyPress(char& key) override;
    bool PeerKeyDown(unsigned key) override;

    // ---- TComponent -------------------------------------------------------
    void Loaded() override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

  protected:
    // Fire OnEnter and OnExit; a descendant may replace the events.
    virtual void DoEnter();
    virtual void DoExit();
    // Fire OnKeyPress and OnKeyDown.
    virtual void KeyPress(char& key);
    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    // Whether the control takes Tab, Enter or Escape itself rather than
    // leaving it to the form (focus move, default and cancel buttons).
    virtual bool WantsKey(std::uint16_t key) const;
    // The native control took the focus (before OnEnter fires; an edit line
    // selects its text) or lost it (before OnExit fires; an open list closes).
    virtual void NativeFocusGained() {}
    virtual void NativeFocusLost() {}
    // Shrinks rect, the client area, by the control's frame.
    virtual void AdjustClientRect(os::Rect& rect) const { (void)rect; }

    void CreateParams(os::PeerSpec& params) const override;
    void CreateHandle() override;
    void DestroyHandle() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void ParentShowHintChanged() override;
    void BoundsChanged(bool resized) override;

    // Takes the focus away from this control and its children: the form's
    // focused control loses it (OnExit) unless removing, when it goes quietly.
    void RemoveFocus(bool removing);

  private:
    friend class TControl;
    friend class TCustomForm;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void FixupTabList();
    void AlignControls(os::Rect rect);
    void ShowHintChanged();

    std::vector<TControl*> controls_;    // all children, in z-order
    std::vector<TWinControl*> tabList_;  // windowed children, in tab order
    bool tabStop_ = false;
    int readTabOrder_ = -1;  // TabOrder as a description gave it, applied after loading
    int alignDisabled_ = 0;
    bool aligning_ = false;
    bool alignPending_ = false;
};

// Shared property table entries of windowed controls.
template <class C>
struct WinControlProps {
    static TPropInfo TabOrder() {
        return Prop<C>::Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1,
                            "TTabOrder");
    }
    static TPropInfo TabStop(bool def) {
        return Prop<C>::Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, def);
    }
    static TPropInfo OnEnter() {
        return Prop<C>::template Event<TObject*>(
            "OnEnter", static_cast<TNotifyEvent C::*>(&TWinControl::OnEnter), "TNotifyEvent");
    }
    static TPropInfo OnExit() {
        return Prop<C>::template Event<TObject*>(
            "OnExit", static_cast<TNotifyEvent C::*>(&TWinControl::OnExit), "TNotifyEvent");
    }
    static TPropInfo OnKeyPress() {
        return Prop<C>::template Event<TObject*, char&>(
            "OnKeyPress", static_cast<TEvent<TObject*, char&> C::*>(&TWinControl::OnKeyPress),
            "TKeyPressEvent");
    }
    static TPropInfo OnKeyDown() {
        return Prop<C>::template Event<TObject*, std::uint16_t&, TShiftState>(
            "OnKeyDown",
            static_cast<TEvent<TObject*, std::uint16_t&, TShiftState> C::*>(
                &TWinControl::OnKeyDown),
            "TKeyEvent");
    }
};
