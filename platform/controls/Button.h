#pragma once
// TButton: a push button. A click sets its form's ModalResult to the
// button's own (ending a modal form) and fires OnClick. The Default button is
// clicked by Enter and the Cancel button by Escape (see TCustomForm).

#include "platform/controls/ButtonControl.h"
#include "platform/controls/Form.h"

class TButton : public TButtonControl {
    PF_CLASS(TButton)
  public:
    explicit TButton(TComponent* owner);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel);

    void Click() override;
    void PeerClicked() override;
    os::PeerKind NativeKind() const override { return os::PeerKind::PushButton; }

  protected:
    void CreateParams(os::PeerSpec& params) const override;

  private:
    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
};
