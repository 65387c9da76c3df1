#pragma once
// TPanel: a container with an optional caption and bevelled edges. Its
// aligned children share the area inside the bevels and the border.

#include "platform/controls/WinControl.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
const TEnumInfo& PanelBevelEnumInfo();

class TCustomPanel : public TWinControl {
    PF_CLASS(TCustomPanel)
  public:
    explicit TCustomPanel(TComponent* owner);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    os::PeerKind NativeKind() const override { return os::PeerKind::Panel; }

  protected:
    void AdjustClientRect(os::Rect& rect) const override;
    void CreateParams(os::PeerSpec& params) const override;

  private:
    void FrameChanged();

    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
    PF_CLASS(TPanel)
  public:
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
