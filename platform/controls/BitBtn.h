#pragma once
// TBitBtn: a push button with an image (Glyph). A Kind other than bkCustom
// gives the button its standard caption, modal result and default or cancel
// role; a bkClose button closes its form.

#include <memory>

#include "platform/controls/Bitmap.h"
#include "platform/controls/Button.h"

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
// Where the glyph stands next to the caption.
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

const TEnumInfo& BitBtnKindEnumInfo();
const TEnumInfo& ButtonLayoutEnumInfo();

// The standard caption of a kind ("OK", "&Yes", ...); empty for bkCustom.
std::string BitBtnCaption(TBitBtnKind kind);
TModalResult BitBtnModalResult(TBitBtnKind kind);

// The image strip of a glyph button and its layout, shared by TBitBtn and
// TSpeedButton: NumGlyphs images (1 to 4: up, disabled, down, held down).
class TButtonGlyph {
  public:
    TButtonGlyph();
    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* glyph) { glyph_->AssignFrom(glyph); }
    int NumGlyphs() const { return numGlyphs_; }
    // Values outside 1 to 4 are brought into that range.
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout) { layout_ = layout; }
    int Margin() const { return margin_; }
    void SetMargin(int margin) { margin_ = margin < -1 ? -1 : margin; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing) { spacing_ = spacing; }
    // Pushes the image to a peer.
    void PushTo(os::Peer* peer) const;

  private:
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;  // -1: glyph and caption centred together
    int spacing_ = 4;
};

class TBitBtn : public TButton {
    PF_CLASS(TBitBtn)
  public:
    explicit TBitBtn(TComponent* owner);

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind kind);
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

    // A bkClose button closes its form instead of firing OnClick alone.
    void Click() override;

  protected:
    void CreateWnd() override;

  private:
    void GlyphChanged();

    TBitBtnKind kind_ = bkCustom;
    TButtonGlyph glyph_;
};
