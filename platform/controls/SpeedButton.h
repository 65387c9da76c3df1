#pragma once
// TSpeedButton: a flat tool button that never takes the focus. With a
// GroupIndex it stays down when clicked, and the other buttons of its group
// (same parent, same GroupIndex) come up; AllowAllUp lets a click raise the
// down button of a group again.

#include "platform/controls/BitBtn.h"
#include "platform/controls/Control.h"

class TSpeedButton : public TControl {
    PF_CLASS(TSpeedButton)
  public:
    explicit TSpeedButton(TComponent* owner);

    TBitmap* Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(const TBitmap* glyph) { glyph_.SetGlyph(glyph); }
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return glyph_.Layout(); }
    void SetLayout(TButtonLayout layout) { glyph_.SetLayout(layout); }
    int Margin() const { return glyph_.Margin(); }
    void SetMargin(int margin) { glyph_.SetMargin(margin); }
    int Spacing() const { return glyph_.Spacing(); }
    void SetSpacing(int spacing) { glyph_.SetSpacing(spacing); }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat) { flat_ = flat; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    // Only a button of a group can be down.
    bool Down() const { return down_; }
    void SetDown(bool down);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }

    void PeerClicked() override;
    os::PeerKind NativeKind() const override { return os::PeerKind::FlatButton; }
    void Loaded() override;

  protected:
    void CreateWnd() override;

  private:
    void RaiseGroupPartners();

    TButtonGlyph glyph_;
    bool flat_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
};
