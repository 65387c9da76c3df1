#pragma once
// TLabel: a line of static text. With AutoSize, a caption or font change at
// run time makes the label as large as its text. FocusControl names the
// control that the label's accelerator key focuses.

#include "platform/controls/Control.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };
const TEnumInfo& TextLayoutEnumInfo();

class TWinControl;

class TCustomLabel : public TControl {
    PF_CLASS(TCustomLabel)
  public:
    explicit TCustomLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout) { layout_ = layout; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // Whether "&" marks the accelerator key ("&&" shows an ampersand).
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);

    // The caption as shown: without the accelerator marks.
    std::string DisplayText() const;

    os::PeerKind NativeKind() const override { return os::PeerKind::Label; }
    std::string PeerText() const override;
    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void TextChanged() override;
    void FontChanged() override;
    void CreateParams(os::PeerSpec& params) const override;

  private:
    void AdjustBounds();

    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
    PF_CLASS(TLabel)
  public:
    explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};
