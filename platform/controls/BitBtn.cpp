#include "platform/controls/BitBtn.h"

const TEnumInfo& BitBtnKindEnumInfo() {
    static const TEnumInfo info{"TBitBtnKind",
                                {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                 "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
    return info;
}

const TEnumInfo& ButtonLayoutEnumInfo() {
    static const TEnumInfo info{"TButtonLayout",
                                {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
    return info;
}

std::string BitBtnCaption(TBitBtnKind kind) {
    switch (kind) {
        case bkCustom:
            return "";
        case bkOK:
            return "OK";
        case bkCancel:
            return "Cancel";
        case bkHelp:
            return "&Help";
        case bkYes:
            return "&Yes";
        case bkNo:
            return "&No";
        case bkClose:
            return "&Close";
        case bkAbort:
            return "Abort";
        case bkRetry:
            return "&Retry";
        case bkIgnore:
            return "&Ignore";
        case bkAll:
            return "&All";
    }
    return "";
}

TModalResult BitBtnModalResult(TBitBtnKind kind) {
    switch (kind) {
        case bkOK:
            return mrOk;
        case bkCancel:
            return mrCancel;
        case bkYes:
            return mrYes;
        case bkNo:
            return mrNo;
        case bkAbort:
            return mrAbort;
        case bkRetry:
            return mrRetry;
        case bkIgnore:
            return mrIgnore;
        case bkAll:
            return mrAll;
        default:
            return mrNone;
    }
}

// ---- TButtonGlyph -------------------------------------------------------------------

TButtonGlyph::TButtonGlyph() : glyph_(std::make_unique<TBitmap>()) {}

void TButtonGlyph::SetNumGlyphs(int count) {
    if (count < 1)
        count = 1;
    if (count > 4)
        count = 4;
    numGlyphs_ = count;
}

void TButtonGlyph::PushTo(os::Peer* peer) const {
    if (peer != nullptr)
        peer->SetGlyph(glyph_->Data(), numGlyphs_);
}

// ---- TBitBtn ------------------------------------------------------------------------

namespace {
// Stored only for a bkCustom button, and then when it differs from its default.
TPropInfo Custom(TPropInfo prop) {
    std::int64_t def = prop.defaultOrd.value_or(0);
    auto get = prop.getOrd;
    prop.StoredIf([get, def](const TObject& o) {
        return static_cast<const TBitBtn&>(o).Kind() == bkCustom && get(o) != def;
    });
    return prop;
}
}  // namespace

const TClassType& TBitBtn::StaticClass() {
    using P = Prop<TBitBtn>;
    static const TClassType type =
        TClassType::Define<TBitBtn, TButton>("TBitBtn")
            // The caption is stored only when it is not the kind's own.
            .Property(ControlProps<TBitBtn>::Caption().StoredIf([](const TObject& o) {
                const auto& b = static_cast<const TBitBtn&>(o);
                return b.Caption() != BitBtnCaption(b.Kind());
            }))
            // A kind other than bkCustom brings these: they are not stored then.
            .Property(Custom(P::Bool("Cancel", &TButton::Cancel, &TButton::SetCancel, false)))
            .Property(Custom(P::Bool("Default", &TButton::Default, &TButton::SetDefault, false)))
            .Property(Custom(P::Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult,
                                    mrNone, "TModalResult")))
            .Property(P::Object<TBitmap>("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph)
                          .StoredIf([](const TObject& o) {
                              return !static_cast<const TBitBtn&>(o).Glyph()->Empty();
                          }))
            .Property(P::Enum<TBitBtnKind>("Kind", BitBtnKindEnumInfo(), &TBitBtn::Kind,
                                           &TBitBtn::SetKind, bkCustom))
            .Property(P::Enum<TButtonLayout>("Layout", ButtonLayoutEnumInfo(), &TBitBtn::Layout,
                                             &TBitBtn::SetLayout, blGlyphLeft))
            .Property(P::Int("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin, -1))
            .Property(
                P::Int("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs, 1, "TNumGlyphs"))
            .Property(P::Int("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing, 4));
    return type;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {
    glyph_.Glyph()->OnChange = [this](TObject*) { GlyphChanged(); };
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    if (kind < bkCustom || kind > bkAll || kind == kind_)
        return;
    if (kind != bkCustom) {
        SetDefault(kind == bkOK || kind == bkYes);
        SetCancel(kind == bkCancel || kind == bkNo);
        // A description keeps its own caption, written before or after Kind.
        if (!IsLoading() || Caption().empty() || Caption() == BitBtnCaption(kind_)) {
            SetCaption(BitBtnCaption(kind));
        }
        SetModalResult(BitBtnModalResult(kind));
    }
    kind_ = kind;
}

void TBitBtn::SetNumGlyphs(int count) {
    glyph_.SetNumGlyphs(count);
    GlyphChanged();
}

void TBitBtn::GlyphChanged() {
    glyph_.PushTo(LivePeer());
}

void TBitBtn::Click() {
    if (kind_ == bkClose) {
        if (TCustomForm* form = ParentForm()) {
            form->Close();
            return;
        }
    }
    TButton::Click();
}

void TBitBtn::CreateWnd() {
    TButton::CreateWnd();
    if (!Glyph()->Empty())
        glyph_.PushTo(LivePeer());
}
