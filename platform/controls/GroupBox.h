#pragma once
// TGroupBox: a framed container with a caption at its top edge.

#include "platform/controls/WinControl.h"

class TCustomGroupBox : public TWinControl {
    PF_CLASS(TCustomGroupBox)
  public:
    explicit TCustomGroupBox(TComponent* owner);
    os::PeerKind NativeKind() const override { return os::PeerKind::GroupBox; }

  protected:
    // Inside the frame and below the caption line.
    void AdjustClientRect(os::Rect& rect) const override;
};

class TGroupBox : public TCustomGroupBox {
    PF_CLASS(TGroupBox)
  public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};
