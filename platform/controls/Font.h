#pragma once
// TFont: the typeface, size, style, colour and character set of a control's
// text. A control owns its font and hears of every change through OnChange.

#include <cstdint>
#include <string>

#include "platform/controls/Graphics.h"
#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/os/Windowing.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
// A set of TFontStyle: bit (1 << style).
using TFontStyles = std::uint32_t;
constexpr TFontStyles FontStyleBit(TFontStyle style) {
    return 1u << style;
}

enum TFontPitch { fpDefault, fpVariable, fpFixed };

const TEnumInfo& FontStyleEnumInfo();
const TEnumInfo& FontPitchEnumInfo();

// Screen resolution that point sizes are converted with.
constexpr int ScreenPixelsPerInch = 96;

class TFont : public TPersistent {
    PF_CLASS(TFont)
  public:
    TFont() = default;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: the character height in pixels; positive: the cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // The size in points, from and to Height at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(int charset);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // The height of a line of text in pixels: 13 for the default font.
    int TextHeight() const;
    // The font as the seam describes it to native windows.
    os::FontSpec PeerFont() const;
    bool SameAs(const TFont& other) const;

    // Copies another font and reports one change.
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

  private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    TFontCharset charset_ = fcDefaultCharset;
    TFontPitch pitch_ = fpDefault;
};
