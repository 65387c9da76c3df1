#pragma once
// TControl: a visible element of a form. It keeps its whole state itself
// (bounds, alignment, text, colour, font, hint, enabled and visible states)
// and works without a native window. When a backend gives it a native peer,
// the control pushes every change to it once loading is over, and the peer
// reports user input back through the os::PeerHost entry points, which the
// simulated user input calls as well.
//
// The control's window is made when its form is shown or a window is needed
// (HandleNeeded): parent first, then the children in tab order. With the sim
// backend the window exists in the model only: HandleAllocated() is true and
// Handle() is 0.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/controls/Font.h"
#include "platform/controls/Graphics.h"
#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/os/Windowing.h"

class TWinControl;
class TCustomForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

const TEnumInfo& AlignEnumInfo();
const TEnumInfo& AlignmentEnumInfo();

// What a control class can do and how it reacts (ControlStyle).
enum TControlStyleFlag : std::uint32_t {
    csAcceptsControls = 1u << 0,  // may be the parent of other controls
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,  // a mouse click fires OnClick
    csFramed = 1u << 3,
    csSetCaption = 1u << 4,  // takes its name as caption (see SetName)
    csOpaque = 1u << 5,
    csDoubleClicks = 1u << 6,
    csFixedWidth = 1u << 7,
    csFixedHeight = 1u << 8,  // the height follows the font (a combo box)
    csReplicatable = 1u << 9,
};
using TControlStyle = std::uint32_t;

// Shift keys held with a key press.
enum TShiftStateFlag : std::uint32_t { ssShift = 1u << 0, ssAlt = 1u << 1, ssCtrl = 1u << 2 };
using TShiftState = std::uint32_t;

// Virtual-key codes the class library reacts to.
constexpr std::uint16_t vkBack = 8;
constexpr std::uint16_t vkTab = 9;
constexpr std::uint16_t vkReturn = 13;
constexpr std::uint16_t vkEscape = 27;
constexpr std::uint16_t vkSpace = 32;

class TControl : public TComponent, public os::PeerHost {
    PF_CLASS(TControl)
  public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // ---- position and size, relative to the parent's client area ----------
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Moves and sizes the control; negative sizes become 0. An aligned
    // control's parent then re-aligns its children.
    virtual void SetBounds(int left, int top, int width, int height);
    os::Rect BoundsRect() const { return {left_, top_, width_, height_}; }
    // The size of the area inside the control's frame, where children lie.
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // ---- text: the caption of a label, button or form; a combo box's text --
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& caption) { SetText(caption); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);

    // ---- colour and font --------------------------------------------------
    TColor Color() const { return color_; }
    // Sets the colour; a changed colour no longer follows the parent's.
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font);  // copies font
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    // ---- hint -------------------------------------------------------------
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool parentShowHint);

    // ---- state ------------------------------------------------------------
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    // Enabled, and so is every parent up to the form: a control inside a
    // disabled panel or form is effectively disabled.
    bool EffectivelyEnabled() const;
    // Visible, and so is every parent, up to a form that is shown.
    bool Showing() const;

    // ---- parent -----------------------------------------------------------
    TWinControl* Parent() const { return parent_; }
    // Places the control on a parent (null takes it off). Leaving a parent
    // destroys the control's window; joining a parent whose window exists
    // makes it.
    virtual void SetParent(TWinControl* parent);
    // The form this control lies on (itself for a form), or null.
    TCustomForm* ParentForm() const;
    // Whether ancestor is this control's parent, or its parent's, and so on.
    bool IsChildOf(const TControl* ancestor) const;

    // ---- events -----------------------------------------------------------
    TNotifyEvent OnClick;
    // Fires OnClick (a button first does its own work).
    virtual void Click();

    // ---- the control's window ---------------------------------------------
    // Whether the control's window exists (in the sim model also without peer).
    bool HandleAllocated() const { return wndCreated_; }
    // The native window, 0 without a peer.
    os::WindowHandle Handle() const;
    // Makes the window, with its parents' before it.
    void HandleNeeded();
    // Makes the window anew (for settings that only take effect on creation).
    void RecreateWnd();
    // The native kind of window this control is shown as.
    virtual os::PeerKind NativeKind() const { return os::PeerKind::Panel; }
    // The native peer, or null (always null in sim).
    os::Peer* NativePeer() const { return peer_.get(); }
    // The text the native window shows for Text.
    virtual std::string PeerText() const { return text_; }

    // ---- os::PeerHost -----------------------------------------------------
    void PeerClicked() override;
    void PeerDestroyed() override;

    // ---- TComponent -------------------------------------------------------
    // A control with csSetCaption that is named at run time, outside loading,
    // takes the new name as caption while its caption equals the old name.
    void SetName(const std::string& name) override;
    void Loaded() override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

  protected:
    // Notifications, each sent once per real change (the platform's
    // CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_FONTCHANGED, ...). Overrides
    // call the base first.
    virtual void EnabledChanged();
    virtual void VisibleChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    // The parent's colour, font or hint switch changed: a control that
    // follows it takes it over.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    virtual void ParentShowHintChanged();
    // After the bounds changed; resized tells whether the size did.
    virtual void BoundsChanged(bool resized) { (void)resized; }

    // What the native window starts with.
    virtual void CreateParams(os::PeerSpec& params) const;
    // Makes the control's own window (the peer, null in sim) and pushes the
    // state that PeerSpec does not carry. Overrides call the base first.
    virtual void CreateWnd();
    // Destroys the control's own window.
    virtual void DestroyWnd();
    // Makes the window and, for a windowed control, its children's.
    virtual void CreateHandle();
    // Destroys the children's windows and then its own.
    virtual void DestroyHandle();

    // The peer to push a change to: there is one, it lives, loading is over.
    os::Peer* LivePeer() const;
    // Runs the reaction to native input. An exception escaping it goes to the
    // application's exception handler, as it would from a message handler.
    void HandleInput(const std::function<void()>& reaction);
    // Tells the parent that this control's alignment needs applying.
    void RequestAlign();
    // Sets the colour while it follows the parent (ParentColor stays on).
    void SetColorFromParent(TColor color);
    // Keeps text as the control's text without pushing it or notifying: the
    // native control already shows it.
    void StoreText(const std::string& text) { text_ = text; }
    // Sets the visible state without notification (a form's initial state).
    void InitVisible(bool visible) { visible_ = visible; }

  private:
    friend class TWinControl;
    void FontChange();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    std::string text_;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool syncingFont_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    bool enabled_ = true;
    bool visible_ = true;
    TCursor cursor_ = crDefault;
    TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    TWinControl* parent_ = nullptr;

    std::unique_ptr<os::Peer> peer_;
    bool wndCreated_ = false;
    bool peerGone_ = false;        // the native window went away by itself
    bool destroyingPeer_ = false;  // this control is destroying its peer
};

// Property table entries shared by the control classes: each class publishes
// the ones it has, with its own default where it differs.
template <class C>
struct ControlProps {
    static TPropInfo Align() {
        return Prop<C>::template Enum<TAlign>("Align", AlignEnumInfo(), &TControl::Align,
                                              &TControl::SetAlign, alNone);
    }
    static TPropInfo Caption() {
        return Prop<C>::Str("Caption", &TControl::Caption, &TControl::SetCaption, "TCaption");
    }
    static TPropInfo Text() {
        return Prop<C>::Str("Text", &TControl::Text, &TControl::SetText, "TCaption");
    }
    // Stored when it does not follow the parent and differs from def.
    static TPropInfo Color(TColor def) {
        return Prop<C>::Int("Color", &TControl::Color, &TControl::SetColor, def, "TColor")
            .StoredIf([def](const TObject& o) {
                const auto& c = static_cast<const TControl&>(o);
                return !c.ParentColor() && c.Color() != def;
            });
    }
    static TPropInfo ParentColor(bool def) {
        return Prop<C>::Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, def);
    }
    // Stored unless the control follows its parent's font.
    static TPropInfo Font() {
        return Prop<C>::template Object<TFont>("Font", &TControl::Font, &TControl::SetFont)
            .StoredIf(
                [](const TObject& o) { return !static_cast<const TControl&>(o).ParentFont(); });
    }
    static TPropInfo ParentFont(bool def = true) {
        return Prop<C>::Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, def);
    }
    static TPropInfo ShowHint() {
        return Prop<C>::Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
            .StoredIf([](const TObject& o) {
                const auto& c = static_cast<const TControl&>(o);
                return !c.ParentShowHint() && c.ShowHint();
            });
    }
    static TPropInfo ParentShowHint() {
        return Prop<C>::Bool("ParentShowHint", &TControl::ParentShowHint,
                             &TControl::SetParentShowHint, true);
    }
    static TPropInfo Enabled() {
        return Prop<C>::Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
    }
    static TPropInfo Visible(bool def = true) {
        return Prop<C>::Bool("Visible", &TControl::Visible, &TControl::SetVisible, def);
    }
    static TPropInfo OnClick() {
        return Prop<C>::template Event<TObject*>(
            "OnClick", static_cast<TNotifyEvent C::*>(&TControl::OnClick), "TNotifyEvent");
    }
};
