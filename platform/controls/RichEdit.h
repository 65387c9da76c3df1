#pragma once
// TRichEdit: a multi-line rich text view. Its Lines mirror every change to
// the peer; adding a line appends it to the view.

#include <string>
#include <vector>

#include "platform/controls/WinControl.h"
#include "platform/core/Strings.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
const TEnumInfo& ScrollStyleEnumInfo();

class TCustomRichEdit;

// The lines of a rich text view.
class TRichEditStrings : public TStrings {
    PF_CLASS(TRichEditStrings)
  public:
    explicit TRichEditStrings(TCustomRichEdit& edit) : edit_(edit) {}

    int Count() const override { return static_cast<int>(lines_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

  protected:
    void SetUpdateState(bool updating) override;

  private:
    friend class TCustomRichEdit;
    void Changed(bool appended);

    TCustomRichEdit& edit_;
    std::vector<std::string> lines_;
    bool changedWhileUpdating_ = false;
};

class TCustomRichEdit : public TWinControl {
    PF_CLASS(TCustomRichEdit)
  public:
    explicit TCustomRichEdit(TComponent* owner);
    ~TCustomRichEdit() override;

    TStrings* Lines() const { return lines_.get(); }
    void SetLines(const TStrings* lines);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle scrollBars);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    // Fired when the text changes.
    TNotifyEvent OnChange;

    os::PeerKind NativeKind() const override { return os::PeerKind::RichEdit; }

  protected:
    virtual void Change() { OnChange(this); }
    // Setting Text replaces the lines.
    void TextChanged() override;
    void CreateParams(os::PeerSpec& params) const override;
    void CreateWnd() override;
    bool WantsKey(std::uint16_t key) const override { return key == vkReturn; }

  private:
    friend class TRichEditStrings;
    void LinesChanged(bool appended);

    std::unique_ptr<TRichEditStrings> lines_;
    bool readOnly_ = false;
    TScrollStyle scrollBars_ = ssNone;
    bool wordWrap_ = true;
    TAlignment alignment_ = taLeftJustify;
};

class TRichEdit : public TCustomRichEdit {
    PF_CLASS(TRichEdit)
  public:
    explicit TRichEdit(TComponent* owner) : TCustomRichEdit(owner) {}
};
