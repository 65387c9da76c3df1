#include "platform/controls/RichEdit.h"

#include "platform/core/Exceptions.h"

const TEnumInfo& ScrollStyleEnumInfo() {
    static const TEnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
    return info;
}

// ---- TRichEditStrings -------------------------------------------------------------

const TClassType& TRichEditStrings::StaticClass() {
    static const TClassType type =
        TClassType::Define<TRichEditStrings, TStrings>("TRichEditStrings");
    return type;
}

std::string TRichEditStrings::Get(int index) const {
    CheckIndex(index, Count());
    return lines_[static_cast<std::size_t>(index)];
}

void TRichEditStrings::Put(int index, const std::string& s) {
    CheckIndex(index, Count());
    lines_[static_cast<std::size_t>(index)] = s;
    Changed(false);
}

void TRichEditStrings::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    lines_.insert(lines_.begin() + index, s);
    Changed(index == Count() - 1);
}

void TRichEditStrings::Delete(int index) {
    CheckIndex(index, Count());
    lines_.erase(lines_.begin() + index);
    Changed(false);
}

void TRichEditStrings::Clear() {
    if (lines_.empty())
        return;
    lines_.clear();
    Changed(false);
}

void TRichEditStrings::Changed(bool appended) {
    if (Updating()) {
        changedWhileUpdating_ = true;
        return;
    }
    edit_.LinesChanged(appended);
}

void TRichEditStrings::SetUpdateState(bool updating) {
    if (updating || !changedWhileUpdating_)
        return;
    changedWhileUpdating_ = false;
    edit_.LinesChanged(false);
}

// ---- TCustomRichEdit ----------------------------------------------------------------

const TClassType& TCustomRichEdit::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCustomRichEdit, TWinControl>("TCustomRichEdit");
    return type;
}

const TClassType& TRichEdit::StaticClass() {
    using P = Prop<TRichEdit>;
    using C = ControlProps<TRichEdit>;
    using W = WinControlProps<TRichEdit>;
    static const TClassType type =
        TClassType::Define<TRichEdit, TCustomRichEdit>("TRichEdit")
            .Property(C::Align())
            .Property(P::Enum<TAlignment>("Alignment", AlignmentEnumInfo(),
                                          &TCustomRichEdit::Alignment,
                                          &TCustomRichEdit::SetAlignment, taLeftJustify))
            .Property(C::Color(clWindow))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(
                P::Object<TStrings>("Lines", &TCustomRichEdit::Lines, &TCustomRichEdit::SetLines))
            .Property(C::ParentColor(false))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(P::Bool("ReadOnly", &TCustomRichEdit::ReadOnly, &TCustomRichEdit::SetReadOnly,
                              false))
            .Property(P::Enum<TScrollStyle>("ScrollBars", ScrollStyleEnumInfo(),
                                            &TCustomRichEdit::ScrollBars,
                                            &TCustomRichEdit::SetScrollBars, ssNone))
            .Property(C::ShowHint())
            .Property(W::TabOrder())
            .Property(W::TabStop(true))
            .Property(C::Visible())
            .Property(P::Bool("WordWrap", &TCustomRichEdit::WordWrap, &TCustomRichEdit::SetWordWrap,
                              true))
            .Property(P::Event<TObject*>(
                "OnChange", static_cast<TNotifyEvent TRichEdit::*>(&TCustomRichEdit::OnChange),
                "TNotifyEvent"))
            .Property(W::OnEnter())
            .Property(W::OnExit())
            .Property(W::OnKeyDown())
            .Property(W::OnKeyPress());
    return type;
}

TCustomRichEdit::TCustomRichEdit(TComponent* owner)
    : TWinControl(owner), lines_(std::make_unique<TRichEditStrings>(*this)) {
    SetControlStyle(csCaptureMouse | csClickEvents | csDoubleClicks);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(0, 0, 185, 89);
}

TCustomRichEdit::~TCustomRichEdit() {
    // The window goes while the lines still exist.
    TWinControl::DestroyHandle();
}

void TCustomRichEdit::SetLines(const TStrings* lines) {
    if (lines != nullptr)
        lines_->Assign(*lines);
}

void TCustomRichEdit::LinesChanged(bool appended) {
    // The text is the lines joined by line breaks.
    std::string text;
    for (std::size_t i = 0; i < lines_->lines_.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines_->lines_[i];
    }
    StoreText(text);
    if (os::Peer* peer = LivePeer()) {
        if (appended) {
            peer->RichAppendLine(lines_->lines_.back());
        } else {
            peer->RichClear();
            for (const std::string& line : lines_->lines_)
                peer->RichAppendLine(line);
        }
    }
    if (!IsLoading())
        Change();
}

void TCustomRichEdit::TextChanged() {
    TWinControl::TextChanged();
    lines_->SetText(Text());
}

void TCustomRichEdit::SetReadOnly(bool readOnly) {
    if (readOnly == readOnly_)
        return;
    readOnly_ = readOnly;
    if (os::Peer* peer = LivePeer())
        peer->RichSetReadOnly(readOnly_);
}

void TCustomRichEdit::SetScrollBars(TScrollStyle scrollBars) {
    if (scrollBars == scrollBars_)
        return;
    scrollBars_ = scrollBars;
    RecreateWnd();
}

void TCustomRichEdit::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    RecreateWnd();
}

void TCustomRichEdit::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    RecreateWnd();
}

void TCustomRichEdit::CreateParams(os::PeerSpec& params) const {
    TWinControl::CreateParams(params);
    params.text.clear();  // the lines are appended once the window exists
    params.readOnly = readOnly_;
    params.wordWrap = wordWrap_;
    params.scrollBars = static_cast<int>(scrollBars_);
    params.alignment = alignment_ == taLeftJustify ? 0 : alignment_ == taRightJustify ? 1 : 2;
}

void TCustomRichEdit::CreateWnd() {
    TWinControl::CreateWnd();
    if (os::Peer* peer = LivePeer()) {
        for (const std::string& line : lines_->lines_)
            peer->RichAppendLine(line);
    }
}
