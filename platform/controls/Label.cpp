#include "platform/controls/Label.h"

#include "platform/controls/WinControl.h"
#include "platform/os/Backend.h"

const TEnumInfo& TextLayoutEnumInfo() {
    static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
    return info;
}

const TClassType& TCustomLabel::StaticClass() {
    static const TClassType type = TClassType::Define<TCustomLabel, TControl>("TCustomLabel");
    return type;
}

const TClassType& TLabel::StaticClass() {
    using P = Prop<TLabel>;
    using C = ControlProps<TLabel>;
    static const TClassType type =
        TClassType::Define<TLabel, TCustomLabel>("TLabel")
            .Property(C::Align())
            .Property(P::Enum<TAlignment>("Alignment", AlignmentEnumInfo(),
                                          &TCustomLabel::Alignment, &TCustomLabel::SetAlignment,
                                          taLeftJustify))
            .Property(
                P::Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true))
            .Property(C::Caption())
            .Property(C::Color(clBtnFace))
            .Property(C::Enabled())
            .Property(P::Object<TWinControl>("FocusControl", &TCustomLabel::FocusControl,
                                             &TCustomLabel::SetFocusControl))
            .Property(C::Font())
            .Property(P::Enum<TTextLayout>("Layout", TextLayoutEnumInfo(), &TCustomLabel::Layout,
                                           &TCustomLabel::SetLayout, tlTop))
            .Property(C::ParentColor(true))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(P::Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar,
                              &TCustomLabel::SetShowAccelChar, true))
            .Property(C::ShowHint())
            .Property(P::Bool("Transparent", &TCustomLabel::Transparent,
                              &TCustomLabel::SetTransparent, false))
            .Property(C::Visible())
            .Property(
                P::Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false))
            .Property(C::OnClick());
    return type;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TControl(owner) {
    SetControlStyle(csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csReplicatable |
                    csDoubleClicks);
    SetBounds(0, 0, 65, 17);
}

std::string TCustomLabel::DisplayText() const {
    const std::string& caption = Caption();
    if (!showAccelChar_)
        return caption;
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            // "&&" shows one ampersand; a single one only marks the next letter.
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

std::string TCustomLabel::PeerText() const {
    if (showAccelChar_)
        return Caption();
    // The native label marks accelerators itself: double every ampersand.
    std::string text;
    for (char c : Caption()) {
        text += c;
        if (c == '&')
            text += '&';
    }
    return text;
}

void TCustomLabel::AdjustBounds() {
    // The layout of a description was measured when it was made: only
    // changes at run time resize the label. A word-wrapped label keeps its
    // width and grows downwards only by whole lines, which needs the real
    // line breaks: it keeps its size.
    if (!autoSize_ || wordWrap_ || IsLoading() || IsReading())
        return;
    os::Size extent = os::windowing().TextExtent(Font()->PeerFont(), DisplayText());
    int left = Left();
    // A right-aligned label keeps its right edge.
    if (alignment_ == taRightJustify)
        left = Left() + Width() - extent.width;
    SetBounds(left, Top(), extent.width, extent.height);
}

void TCustomLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    RecreateWnd();
}

void TCustomLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    AdjustBounds();
    RecreateWnd();
}

void TCustomLabel::SetShowAccelChar(bool show) {
    if (show == showAccelChar_)
        return;
    showAccelChar_ = show;
    AdjustBounds();
    if (os::Peer* peer = LivePeer())
        peer->SetText(PeerText());
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    focusControl_ = control;
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::TextChanged() {
    TControl::TextChanged();
    AdjustBounds();
}

void TCustomLabel::FontChanged() {
    TControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::CreateParams(os::PeerSpec& params) const {
    TControl::CreateParams(params);
    params.alignment = alignment_ == taLeftJustify ? 0 : alignment_ == taRightJustify ? 1 : 2;
}
