#pragma once
// TRadioButton: one choice of several. Its partners are the other radio
// buttons with the same parent: checking one unchecks them. A user's click on
// an unchecked button checks it and then fires OnClick; a click on the
// checked one does nothing. Setting Checked in code fires no OnClick. Only
// the checked button of a group is a tab stop.

#include "platform/controls/ButtonControl.h"

class TRadioButton : public TButtonControl {
    PF_CLASS(TRadioButton)
  public:
    explicit TRadioButton(TComponent* owner);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    void PeerClicked() override;
    os::PeerKind NativeKind() const override { return os::PeerKind::RadioButton; }
    void Loaded() override;

  protected:
    void CreateWnd() override;
    void CreateParams(os::PeerSpec& params) const override;

  private:
    void UncheckPartners();

    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};
