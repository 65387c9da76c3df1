#include "platform/controls/Graphics.h"

#include <climits>
#include <cstdio>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Variant.h"

namespace {

const std::vector<TIntegerIdent>& ColorIdents() {
    static const std::vector<TIntegerIdent> idents = {
        {clBlack, "clBlack"},
        {clMaroon, "clMaroon"},
        {clGreen, "clGreen"},
        {clOlive, "clOlive"},
        {clNavy, "clNavy"},
        {clPurple, "clPurple"},
        {clTeal, "clTeal"},
        {clGray, "clGray"},
        {clSilver, "clSilver"},
        {clRed, "clRed"},
        {clLime, "clLime"},
        {clYellow, "clYellow"},
        {clBlue, "clBlue"},
        {clFuchsia, "clFuchsia"},
        {clAqua, "clAqua"},
        {clWhite, "clWhite"},
        {clScrollBar, "clScrollBar"},
        {clBackground, "clBackground"},
        {clActiveCaption, "clActiveCaption"},
        {clInactiveCaption, "clInactiveCaption"},
        {clMenu, "clMenu"},
        {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"},
        {clMenuText, "clMenuText"},
        {clWindowText, "clWindowText"},
        {clCaptionText, "clCaptionText"},
        {clActiveBorder, "clActiveBorder"},
        {clInactiveBorder, "clInactiveBorder"},
        {clAppWorkSpace, "clAppWorkSpace"},
        {clHighlight, "clHighlight"},
        {clHighlightText, "clHighlightText"},
        {clBtnFace, "clBtnFace"},
        {clBtnShadow, "clBtnShadow"},
        {clGrayText, "clGrayText"},
        {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"},
        {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"},
        {cl3DLight, "cl3DLight"},
        {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"},
        {clNone, "clNone"},
        {clDefault, "clDefault"},
    };
    return idents;
}

const std::vector<TIntegerIdent>& CursorIdents() {
    static const std::vector<TIntegerIdent> idents = {
        {crDefault, "crDefault"},     {crNone, "crNone"},           {crArrow, "crArrow"},
        {crCross, "crCross"},         {crIBeam, "crIBeam"},         {crSizeNESW, "crSizeNESW"},
        {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
        {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
        {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
        {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
        {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
        {crSizeAll, "crSizeAll"},
    };
    return idents;
}

const std::vector<TIntegerIdent>& CharsetIdents() {
    static const std::vector<TIntegerIdent> idents = {
        {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},    {2, "SYMBOL_CHARSET"},
        {77, "MAC_CHARSET"},      {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"},
        {130, "JOHAB_CHARSET"},   {134, "GB2312_CHARSET"},   {136, "CHINESEBIG5_CHARSET"},
        {161, "GREEK_CHARSET"},   {162, "TURKISH_CHARSET"},  {163, "VIETNAMESE_CHARSET"},
        {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"},
        {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},     {238, "EASTEUROPE_CHARSET"},
        {255, "OEM_CHARSET"},
    };
    return idents;
}

}  // namespace

bool IdentToColor(std::string_view ident, TColor& color) {
    for (const TIntegerIdent& entry : ColorIdents()) {
        if (SameText(entry.name, ident)) {
            color = static_cast<TColor>(entry.value);
            return true;
        }
    }
    return false;
}

std::string ColorToString(TColor color) {
    for (const TIntegerIdent& entry : ColorIdents()) {
        if (entry.value == color)
            return entry.name;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<std::uint32_t>(color));
    return buffer;
}

TColor StringToColor(std::string_view text) {
    TColor color = 0;
    if (IdentToColor(text, color))
        return color;
    std::int64_t value = 0;
    if (!TryStrToInt(std::string(text), value) || value < INT32_MIN || value > UINT32_MAX) {
        throw EConvertError("'" + std::string(text) + "' is not a valid colour");
    }
    return static_cast<TColor>(static_cast<std::uint32_t>(value));
}

os::Cursor ToOsCursor(TCursor cursor) {
    switch (cursor) {
        case crArrow:
            return os::Cursor::Arrow;
        case crHourGlass:
        case crSQLWait:
        case crAppStart:
            return os::Cursor::HourGlass;
        case crIBeam:
            return os::Cursor::IBeam;
        default:
            return os::Cursor::Default;
    }
}

void RegisterGraphicsIdents() {
    RegisterIntegerIdents("TColor", ColorIdents());
    RegisterIntegerIdents("TCursor", CursorIdents());
    RegisterIntegerIdents("TFontCharset", CharsetIdents());
}
