#pragma once
// TCheckBox: a box the user checks and unchecks. A user's click toggles the
// state (through grayed when AllowGrayed) and then fires OnClick; setting
// Checked or State in code changes the box without OnClick.

#include "platform/controls/ButtonControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
const TEnumInfo& CheckBoxStateEnumInfo();
const TEnumInfo& LeftRightEnumInfo();  // taLeftJustify, taRightJustify

class TCustomCheckBox : public TButtonControl {
    PF_CLASS(TCustomCheckBox)
  public:
    explicit TCustomCheckBox(TComponent* owner);

    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow) { allowGrayed_ = allow; }
    // The side of the box the caption stands on: taRightJustify (the
    // default) puts it right of the box.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    // The next state of a click: unchecked, (grayed,) checked, unchecked.
    void Toggle();

    void PeerClicked() override;
    os::PeerKind NativeKind() const override { return os::PeerKind::CheckBox; }

  protected:
    void CreateWnd() override;
    void CreateParams(os::PeerSpec& params) const override;

  private:
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    PF_CLASS(TCheckBox)
  public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};
