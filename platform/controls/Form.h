#pragma once
// TCustomForm and TForm: a top-level window with a caption and a frame. A
// form keeps its client size; its window size is the client size plus what
// the frame of its border style adds. It holds the focus of its controls,
// answers close requests through OnCloseQuery and OnClose, and handles the
// dialog keys (Tab moves the focus, Enter clicks the default button, Escape
// the cancel button).
//
// Forms are created with Application->CreateForm<T>(ref) or
// TCustomForm::Create<T>(owner): the object is constructed, then its
// registered form description is read (AfterConstruction) and OnCreate fires.

#include <cstdint>
#include <memory>
#include <type_traits>

#include "platform/controls/WinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };

const TEnumInfo& FormBorderStyleEnumInfo();
const TEnumInfo& PositionEnumInfo();

// The answer of a modal form or a button.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

class TCustomForm : public TWinControl {
    PF_CLASS(TCustomForm)
  public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Constructs a form of class T and completes it (AfterConstruction).
    template <class T>
    static T* Create(TComponent* owner);
    // Reads the form description registered for this form's class, if there
    // is one, then fires OnCreate; an exception escaping OnCreate goes to the
    // application's exception handler. A form with Visible set by its
    // description is then shown. Runs once; a read error propagates.
    void AfterConstruction();

    // ---- frame and size -----------------------------------------------------
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    int ClientWidth() const override { return clientWidth_; }
    int ClientHeight() const override { return clientHeight_; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // Takes the window rectangle; the client size follows from it.
    void SetBounds(int left, int top, int width, int height) override;

    // ---- showing and closing --------------------------------------------------
    // Makes the windows (once), places a poScreenCenter form in the middle
    // of the screen, fires OnShow and activates the form.
    void Show();
    void Hide();
    // Closes the form: OnCloseQuery may refuse, then OnClose chooses what
    // happens (caHide by default). Closing the application's main form
    // terminates the application; a modal form ends with mrCancel.
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the pending messages have been handled.
    void Release();
    // Shows the form and runs the message loop until ModalResult is set.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    // ---- focus ----------------------------------------------------------------
    // The control that has the focus, or gets it when the form is activated.
    TWinControl* ActiveControl() const { return activeControl_; }
    // EInvalidOperation for a control of another form or one that cannot focus.
    void SetActiveControl(TWinControl* control);
    // The control that received the focus (its OnEnter has fired), or null.
    TWinControl* FocusedControl() const { return focused_; }
    // Whether this form is the active form of the screen.
    bool Active() const { return active_; }
    // Makes this shown form the active one and gives the focus to its
    // ActiveControl, or the first tab stop when there is none.
    void Activate();
    // Gives control the focus: OnExit of the old control and of the
    // containers that the focus leaves, then OnEnter of those it enters and
    // of the control. Only remembered while the form is not active.
    void FocusControl(TWinControl* control) { SetFocusedControl(control, true); }
    void SetFocusedControl(TWinControl* control, bool moveNativeFocus);
    // Takes the focus from control and what it holds (disabled, hidden).
    void DefocusControl(TWinControl* control, bool removing);
    // A control is leaving the form: forget it quietly.
    void ControlRemoving(const TControl* control);
    // Tab, Enter and Escape that the focused control left to the form; true
    // when the form used the key.
    virtual bool DialogKey(std::uint16_t key);

    // ---- events -----------------------------------------------------------------
    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TEvent<TObject*, bool&> OnCloseQuery;
    TEvent<TObject*, TCloseAction&> OnClose;

    // ---- native input -------------------------------------------------------------
    void PeerCloseRequest() override;
    os::PeerKind NativeKind() const override { return os::PeerKind::Form; }

    // ---- TComponent ---------------------------------------------------------------
    // Fires OnDestroy while the derived form is still whole.
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;
    // Descriptions hold PixelsPerInch and TextHeight beside the properties.
    void DefineProperties(TFiler& filer) override;

  protected:
    virtual void DoCreate() { OnCreate(this); }
    virtual void DoDestroy() { OnDestroy(this); }
    virtual void DoShow() { OnShow(this); }
    virtual void DoHide() { OnHide(this); }
    virtual void DoClose(TCloseAction& action) { OnClose(this, action); }

    void VisibleChanged() override;
    void CreateParams(os::PeerSpec& params) const override;

  private:
    friend class TScreen;
    os::Size FrameSize() const;
    void RunModalLoop();
    void ApplyClientSize();
    void SetActive(bool active);
    bool UseDialogButton(bool cancel);

    TFormBorderStyle borderStyle_ = bsSizeable;
    TPosition position_ = poDesigned;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focused_ = nullptr;
    bool active_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    bool constructed_ = false;
    bool readFailed_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class TForm : public TCustomForm {
    PF_CLASS(TForm)
  public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

template <class T>
T* TCustomForm::Create(TComponent* owner) {
    static_assert(std::is_base_of_v<TCustomForm, T>, "Create makes forms");
    T* form = new T(owner);
    try {
        form->AfterConstruction();
    } catch (...) {
        FreeComponent(form);
        throw;
    }
    return form;
}
