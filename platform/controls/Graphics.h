#pragma once
// Colours and cursors of the class library, with the names that form
// descriptions store them by ("Color = clBtnFace", "Cursor = crHourGlass").

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/os/Windowing.h"

// A colour: an RGB value 0x00BBGGRR, or a system colour 0x800000nn whose low
// byte is the index of the platform's colour (clBtnFace is COLOR_BTNFACE).
using TColor = std::int32_t;

constexpr TColor SystemColor(std::uint32_t index) {
    return static_cast<TColor>(0x80000000u | index);
}

constexpr TColor clScrollBar = SystemColor(0x00);
constexpr TColor clBackground = SystemColor(0x01);
constexpr TColor clActiveCaption = SystemColor(0x02);
constexpr TColor clInactiveCaption = SystemColor(0x03);
constexpr TColor clMenu = SystemColor(0x04);
constexpr TColor clWindow = SystemColor(0x05);
constexpr TColor clWindowFrame = SystemColor(0x06);
constexpr TColor clMenuText = SystemColor(0x07);
constexpr TColor clWindowText = SystemColor(0x08);
constexpr TColor clCaptionText = SystemColor(0x09);
constexpr TColor clActiveBorder = SystemColor(0x0A);
constexpr TColor clInactiveBorder = SystemColor(0x0B);
constexpr TColor clAppWorkSpace = SystemColor(0x0C);
constexpr TColor clHighlight = SystemColor(0x0D);
constexpr TColor clHighlightText = SystemColor(0x0E);
constexpr TColor clBtnFace = SystemColor(0x0F);
constexpr TColor clBtnShadow = SystemColor(0x10);
constexpr TColor clGrayText = SystemColor(0x11);
constexpr TColor clBtnText = SystemColor(0x12);
constexpr TColor clInactiveCaptionText = SystemColor(0x13);
constexpr TColor clBtnHighlight = SystemColor(0x14);
constexpr TColor cl3DDkShadow = SystemColor(0x15);
constexpr TColor cl3DLight = SystemColor(0x16);
constexpr TColor clInfoText = SystemColor(0x17);
constexpr TColor clInfoBk = SystemColor(0x18);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The colour's name ("clBtnFace"), or "$00BBGGRR" for one without a name.
std::string ColorToString(TColor color);
// A colour name or a number ("$00FF0000", "255"); EConvertError otherwise.
TColor StringToColor(std::string_view text);
bool IdentToColor(std::string_view ident, TColor& color);

// The mouse cursor: the platform's predefined cursors have negative numbers.
using TCursor = std::int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The seam's cursor for a cursor number. The seam knows the arrow, the
// hourglass and the text beam; every other shape shows as the default.
os::Cursor ToOsCursor(TCursor cursor);

// Character sets of a font (the platform's *_CHARSET numbers).
using TFontCharset = std::uint8_t;
constexpr TFontCharset fcAnsiCharset = 0;
constexpr TFontCharset fcDefaultCharset = 1;
constexpr TFontCharset fcSymbolCharset = 2;
constexpr TFontCharset fcEastEuropeCharset = 238;

// Registers the colour, cursor and character-set names for form descriptions.
void RegisterGraphicsIdents();
