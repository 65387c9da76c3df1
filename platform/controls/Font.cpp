#include "platform/controls/Font.h"

#include <cstdlib>

const TEnumInfo& FontStyleEnumInfo() {
    static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
    return info;
}

const TEnumInfo& FontPitchEnumInfo() {
    static const TEnumInfo info{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
    return info;
}

const TClassType& TFont::StaticClass() {
    static const TClassType type =
        TClassType::Define<TFont, TPersistent>("TFont")
            .Property(Prop<TFont>::Int("Charset", &TFont::Charset, &TFont::SetCharset,
                                       fcDefaultCharset, "TFontCharset"))
            .Property(
                Prop<TFont>::Int("Color", &TFont::Color, &TFont::SetColor, clWindowText, "TColor"))
            .Property(Prop<TFont>::Int("Height", &TFont::Height, &TFont::SetHeight, std::nullopt))
            .Property(Prop<TFont>::Str("Name", &TFont::Name, &TFont::SetName, "TFontName"))
            .Property(Prop<TFont>::Enum<TFontPitch>("Pitch", FontPitchEnumInfo(), &TFont::Pitch,
                                                    &TFont::SetPitch, fpDefault))
            .Property(Prop<TFont>::Int("Size", &TFont::Size, &TFont::SetSize, std::nullopt)
                          .Stored(TStoredRule::Never))
            .Property(Prop<TFont>::SetOf("Style", FontStyleEnumInfo(), "TFontStyles", &TFont::Style,
                                         &TFont::SetStyle, 0u));
    return type;
}

namespace {
// The platform's MulDiv: a * b / c rounded half away from zero.
int MulDiv(int a, int b, int c) {
    long long p = static_cast<long long>(a) * b;
    long long q = (std::llabs(p) + c / 2) / c;
    return static_cast<int>(p < 0 ? -q : q);
}
}  // namespace

void TFont::Changed() {
    OnChange(this);
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == name_)
        return;  // a font always has a typeface
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style) {
    style &= 0xFu;
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset < 0 || charset > 255)
        return;
    if (charset == charset_)
        return;
    charset_ = static_cast<TFontCharset>(charset);
    Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == pitch_)
        return;
    pitch_ = pitch;
    Changed();
}

int TFont::TextHeight() const {
    // A character height of 11 pixels comes with 2 pixels of internal leading.
    return height_ < 0 ? (-height_ * 6 + 2) / 5 : height_;
}

os::FontSpec TFont::PeerFont() const {
    os::FontSpec params;
    params.name = name_;
    params.height = height_;
    params.bold = (style_ & FontStyleBit(fsBold)) != 0;
    params.italic = (style_ & FontStyleBit(fsItalic)) != 0;
    params.underline = (style_ & FontStyleBit(fsUnderline)) != 0;
    params.strikeOut = (style_ & FontStyleBit(fsStrikeOut)) != 0;
    params.color = color_;
    params.charset = charset_;
    return params;
}

bool TFont::SameAs(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_ && charset_ == other.charset_ && pitch_ == other.pitch_;
}

void TFont::Assign(const TPersistent& source) {
    if (const auto* font = dynamic_cast<const TFont*>(&source)) {
        if (SameAs(*font))
            return;
        name_ = font->name_;
        height_ = font->height_;
        style_ = font->style_;
        color_ = font->color_;
        charset_ = font->charset_;
        pitch_ = font->pitch_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
