#include "platform/controls/Form.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Filer.h"
#include "platform/os/Backend.h"
#include "platform/stream/FormResources.h"
#include "platform/stream/Reader.h"
#include "platform/stream/Writer.h"

const TEnumInfo& FormBorderStyleEnumInfo() {
    static const TEnumInfo info{
        "TFormBorderStyle",
        {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
    return info;
}

const TEnumInfo& PositionEnumInfo() {
    static const TEnumInfo info{"TPosition",
                                {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                 "poScreenCenter", "poDesktopCenter"}};
    return info;
}

const TClassType& TCustomForm::StaticClass() {
    static const TClassType type = TClassType::Define<TCustomForm, TWinControl>("TCustomForm");
    return type;
}

const TClassType& TForm::StaticClass() {
    using P = Prop<TForm>;
    using C = ControlProps<TForm>;
    auto event = [](const char* name, TNotifyEvent TCustomForm::*member) {
        return P::Event<TObject*>(name, static_cast<TNotifyEvent TForm::*>(member), "TNotifyEvent");
    };
    static const TClassType type =
        TClassType::Define<TForm, TCustomForm>("TForm")
            // The window size follows from the client size and the frame.
            .Property(P::Int("Width", &TControl::Width, &TControl::SetWidth, std::nullopt)
                          .Stored(TStoredRule::Never))
            .Property(P::Int("Height", &TControl::Height, &TControl::SetHeight, std::nullopt)
                          .Stored(TStoredRule::Never))
            .Property(P::Object<TWinControl>("ActiveControl", &TCustomForm::ActiveControl,
                                             &TCustomForm::SetActiveControl))
            .Property(P::Enum<TFormBorderStyle>("BorderStyle", FormBorderStyleEnumInfo(),
                                                &TCustomForm::BorderStyle,
                                                &TCustomForm::SetBorderStyle, bsSizeable))
            .Property(C::Caption())
            .Property(P::Int("ClientHeight", &TCustomForm::ClientHeight,
                             &TCustomForm::SetClientHeight, std::nullopt))
            .Property(P::Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth,
                             std::nullopt))
            .Property(C::Color(clBtnFace))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(C::ParentFont(false))
            .Property(P::Enum<TPosition>("Position", PositionEnumInfo(), &TCustomForm::Position,
                                         &TCustomForm::SetPosition, poDesigned))
            .Property(P::Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false))
            .Property(C::Visible(false))
            .Property(C::OnClick())
            .Property(event("OnActivate", &TCustomForm::OnActivate))
            .Property(P::Event<TObject*, TCloseAction&>(
                "OnClose",
                static_cast<TEvent<TObject*, TCloseAction&> TForm::*>(&TCustomForm::OnClose),
                "TCloseEvent"))
            .Property(P::Event<TObject*, bool&>(
                "OnCloseQuery",
                static_cast<TEvent<TObject*, bool&> TForm::*>(&TCustomForm::OnCloseQuery),
                "TCloseQueryEvent"))
            .Property(event("OnCreate", &TCustomForm::OnCreate))
            .Property(event("OnDeactivate", &TCustomForm::OnDeactivate))
            .Property(event("OnDestroy", &TCustomForm::OnDestroy))
            .Property(event("OnHide", &TCustomForm::OnHide))
            .Property(WinControlProps<TForm>::OnKeyDown())
            .Property(WinControlProps<TForm>::OnKeyPress())
            .Property(event("OnShow", &TCustomForm::OnShow));
    return type;
}

namespace {

os::BorderStyle ToOsBorder(TFormBorderStyle style) {
    switch (style) {
        case bsNone:
            return os::BorderStyle::None;
        case bsSingle:
            return os::BorderStyle::Single;
        case bsSizeable:
            return os::BorderStyle::Sizeable;
        case bsDialog:
            return os::BorderStyle::Dialog;
        case bsToolWindow:
            return os::BorderStyle::ToolWindow;
        case bsSizeToolWin:
            return os::BorderStyle::SizeToolWindow;
    }
    return os::BorderStyle::Sizeable;
}

// The controls and their ancestors below the form, from control upward.
template <class F>
void ForChainBelow(TCustomForm* form, TWinControl* control, F&& f) {
    for (TWinControl* c = control; c != nullptr && c != form; c = c->Parent())
        f(c);
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                    csDoubleClicks);
    // A form starts hidden; showing it is a deliberate step.
    InitVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    clientWidth_ = 320;
    clientHeight_ = 240;
    ApplyClientSize();
    if (Screen != nullptr)
        Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    Destroying();
    *alive_ = false;
    if (Screen != nullptr)
        Screen->RemoveForm(this);
    // The owned components go while the form is whole: a control's removal
    // clears the focus fields of this form.
    DestroyComponents();
}

void TCustomForm::AfterConstruction() {
    if (constructed_)
        return;
    constructed_ = true;
    if (const std::string* text = FindFormDescription(ClassName())) {
        try {
            ReadComponentFromText(*this, *text);
        } catch (...) {
            readFailed_ = true;
            throw;
        }
    }
    try {
        DoCreate();
    } catch (...) {
        if (Application == nullptr)
            throw;
        Application->HandleException(this);
    }
    if (Visible() && !HandleAllocated()) {
        InitVisible(false);
        Show();
    }
}

void TCustomForm::BeforeDestruction() {
    TWinControl::BeforeDestruction();
    if (readFailed_)
        return;  // a half-read form never saw OnCreate
    DoDestroy();
}

// ---- frame and size -------------------------------------------------------------------

os::Size TCustomForm::FrameSize() const {
    return os::windowing().NonClientSize(ToOsBorder(borderStyle_));
}

void TCustomForm::ApplyClientSize() {
    os::Size frame = FrameSize();
    TControl::SetBounds(Left(), Top(), clientWidth_ + frame.width, clientHeight_ + frame.height);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    ApplyClientSize();  // the client size stays, the window follows
    RecreateWnd();
    if (os::Peer* peer = LivePeer(); peer != nullptr && Visible())
        peer->SetVisible(true);
}

void TCustomForm::SetClientWidth(int width) {
    int old = clientWidth_;
    clientWidth_ = std::max(0, width);
    ApplyClientSize();
    if (old != clientWidth_)
        Realign();
}

void TCustomForm::SetClientHeight(int height) {
    int old = clientHeight_;
    clientHeight_ = std::max(0, height);
    ApplyClientSize();
    if (old != clientHeight_)
        Realign();
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
    os::Size frame = FrameSize();
    clientWidth_ = std::max(0, width - frame.width);
    clientHeight_ = std::max(0, height - frame.height);
    TControl::SetBounds(left, top, clientWidth_ + frame.width, clientHeight_ + frame.height);
}

void TCustomForm::CreateParams(os::PeerSpec& params) const {
    TWinControl::CreateParams(params);
    params.borderStyle = ToOsBorder(borderStyle_);
    params.visible = false;  // shown once it is complete
}

// ---- showing and closing ------------------------------------------------------------

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated() && Visible())
        Activate();
}

void TCustomForm::Hide() {
    SetVisible(false);
}

void TCustomForm::VisibleChanged() {
    if (IsLoading())
        return;  // applied once the form is complete
    if (Visible()) {
        HandleNeeded();
        if (position_ == poScreenCenter || position_ == poDesktopCenter) {
            os::Size screen = os::windowing().ScreenSize();
            TControl::SetBounds((screen.width - Width()) / 2, (screen.height - Height()) / 2,
                                Width(), Height());
        }
        DoShow();
        if (!Visible())
            return;  // OnShow hid it again
        if (os::Peer* peer = LivePeer())
            peer->SetVisible(true);
        Activate();
    } else {
        if (!HandleAllocated())
            return;  // never shown: nothing to hide
        DoHide();
        if (os::Peer* peer = LivePeer())
            peer->SetVisible(false);
        if (active_ && Screen != nullptr) {
            Screen->FormHidden(this);
        } else {
            SetActive(false);
        }
    }
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caFree) {
        Release();
    } else {
        Hide();  // caHide, and caMinimize: there are no window states
    }
}

void TCustomForm::Release() {
    std::weak_ptr<bool> alive = alive_;
    os::windowing().PostCall([alive, this] {
        if (auto flag = alive.lock(); flag && *flag)
            FreeComponent(this);
    });
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || modal_) {
        throw EInvalidOperation("Cannot make a visible window modal");
    }
    HandleNeeded();
    os::DisabledWindows disabled = os::windowing().DisableTaskWindows(Handle());
    modal_ = true;
    modalResult_ = mrNone;
    auto restore = [&] {
        modal_ = false;
        os::windowing().EnableTaskWindows(disabled);
    };
    try {
        Show();
        RunModalLoop();
        Hide();
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return modalResult_;
}

void TCustomForm::RunModalLoop() {
    for (;;) {
        if (modalResult_ != mrNone) {
            // The form closes unless OnCloseQuery or OnClose keeps it open.
            TCloseAction action = CloseQuery() ? caHide : caNone;
            DoClose(action);
            if (action != caNone)
                return;
            modalResult_ = mrNone;
        }
        os::LoopTurn turn = os::LoopTurn::Dispatched;
        try {
            turn = os::windowing().HandleMessage();
        } catch (...) {
            if (Application == nullptr)
                throw;
            Application->HandleException(this);
        }
        if (turn == os::LoopTurn::Quit) {
            // The quit belongs to the application's loop: pass it on.
            if (Application != nullptr)
                Application->Terminate();
            modalResult_ = mrCancel;
            return;
        }
        if (turn == os::LoopTurn::Idle || (Application != nullptr && Application->Terminated())) {
            modalResult_ = mrCancel;  // sim: no input is left to answer it
            return;
        }
    }
}

void TCustomForm::PeerCloseRequest() {
    HandleInput([this] { Close(); });
}

// ---- focus --------------------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control != nullptr) {
        bool ours = control != this && control->ParentForm() == this;
        if (!ours || (!IsLoading() && !control->CanFocus())) {
            throw EInvalidOperation("Cannot focus a disabled or invisible window");
        }
    }
    if (IsLoading() || !active_) {
        activeControl_ = control;
        return;
    }
    if (control == nullptr) {
        if (focused_ != nullptr)
            DefocusControl(focused_, false);
        activeControl_ = nullptr;
        return;
    }
    SetFocusedControl(control, true);
}

void TCustomForm::SetFocusedControl(TWinControl* control, bool moveNativeFocus) {
    activeControl_ = control;
    if (!active_)
        return;  // the focus goes there when the form is activated
    if (control == focused_) {
        if (moveNativeFocus && control != nullptr) {
            if (os::Peer* peer = control->LivePeer())
                peer->SetFocus();
        }
        return;
    }
    TWinControl* old = focused_;
    focused_ = control;
    if (old != nullptr)
        old->NativeFocusLost();
    if (focused_ != control)
        return;
    // Leave the old control and the containers that do not hold the new one.
    for (TWinControl* c = old; c != nullptr && c != this; c = c->Parent()) {
        if (control != nullptr && c->ContainsControl(control))
            break;
        c->DoExit();
        if (focused_ != control)
            return;  // a handler moved the focus on
    }
    if (control == nullptr)
        return;
    control->NativeFocusGained();
    std::vector<TWinControl*> entered;
    ForChainBelow(this, control, [&](TWinControl* c) {
        if (old == nullptr || !c->ContainsControl(old))
            entered.push_back(c);
    });
    // Enter from the outermost container down to the control.
    for (auto it = entered.rbegin(); it != entered.rend(); ++it) {
        (*it)->DoEnter();
        if (focused_ != control)
            return;
    }
    if (moveNativeFocus) {
        if (os::Peer* peer = control->LivePeer())
            peer->SetFocus();
    }
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (removing) {
        ControlRemoving(control);
        return;
    }
    bool holdsFocus = focused_ != nullptr && control->ContainsControl(focused_);
    if (control->ContainsControl(activeControl_))
        activeControl_ = nullptr;
    if (!holdsFocus)
        return;
    TWinControl* old = focused_;
    focused_ = nullptr;
    old->NativeFocusLost();
    for (TWinControl* c = old; c != nullptr && c != this; c = c->Parent()) {
        c->DoExit();
        if (focused_ != nullptr)
            return;  // a handler gave the focus elsewhere
    }
}

void TCustomForm::ControlRemoving(const TControl* control) {
    auto inside = [control](const TWinControl* c) {
        return c != nullptr && (c == control || c->IsChildOf(control));
    };
    if (inside(focused_))
        focused_ = nullptr;
    if (inside(activeControl_))
        activeControl_ = nullptr;
}

void TCustomForm::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        OnActivate(this);
    } else {
        OnDeactivate(this);
    }
}

void TCustomForm::Activate() {
    if (!HandleAllocated() || !Visible())
        return;
    if (Screen != nullptr) {
        Screen->SetActiveForm(this);
    } else {
        SetActive(true);
    }
    if (!active_)
        return;
    TWinControl* target = activeControl_;
    if (target == nullptr || !target->CanFocus())
        target = FindNextControl(nullptr, true, true);
    if (target != nullptr)
        SetFocusedControl(target, true);
}

bool TCustomForm::UseDialogButton(bool cancel) {
    // Depth first in z-order: the first visible, enabled button of its kind.
    std::function<TButton*(TWinControl*)> find = [&](TWinControl* parent) -> TButton* {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* c = parent->Controls(i);
            if (auto* button = dynamic_cast<TButton*>(c)) {
                if ((cancel ? button->Cancel() : button->Default()) && button->CanFocus()) {
                    return button;
                }
            }
            if (auto* win = dynamic_cast<TWinControl*>(c); win != nullptr && win->Visible()) {
                if (TButton* found = find(win))
                    return found;
            }
        }
        return nullptr;
    };
    TButton* button = nullptr;
    if (!cancel)
        button = dynamic_cast<TButton*>(focused_);
    if (button == nullptr)
        button = find(this);
    if (button == nullptr)
        return false;
    button->Click();
    return true;
}

bool TCustomForm::DialogKey(std::uint16_t key) {
    switch (key) {
        case vkTab:
            SelectNext(focused_, true, true);
            return true;
        case vkReturn:
            return UseDialogButton(false);
        case vkEscape:
            return UseDialogButton(true);
        default:
            return false;
    }
}

// ---- components ---------------------------------------------------------------------

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == activeControl_)
        activeControl_ = nullptr;
    if (component == focused_)
        focused_ = nullptr;
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
    // The components without a place on the form first, then the controls.
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (!c->HasParent())
            proc(c);
    }
    TWinControl::GetChildren(proc, root);
}

void TCustomForm::DefineProperties(TFiler& filer) {
    TWinControl::DefineProperties(filer);
    // The resolution and text height the form was laid out with. Layouts
    // are kept at 96 pixels per inch; the values are read and not applied.
    filer.DefineProperty(
        "PixelsPerInch", [](TReader& reader) { reader.ReadInteger(); },
        [](TWriter& writer) { writer.WriteInteger(ScreenPixelsPerInch); }, true);
    filer.DefineProperty(
        "TextHeight", [](TReader& reader) { reader.ReadInteger(); },
        [this](TWriter& writer) { writer.WriteInteger(Font()->TextHeight()); }, true);
}
