#include "platform/controls/Graphics.h"

#include <gtest/gtest.h>

#include "platform/controls/Bitmap.h"
#include "platform/controls/Font.h"
#include "platform/controls/Register.h"
#include "platform/core/Exceptions.h"

namespace {

TEST(Colour, NamesAndNumbersBothWays) {
    struct Case {
        TColor color;
        const char* text;
    };
    const Case cases[] = {
        {clBtnFace, "clBtnFace"},
        {clWindow, "clWindow"},
        {clWindowText, "clWindowText"},
        {clRed, "clRed"},
        {clNone, "clNone"},
        {0x00123456, "$00123456"},
        {SystemColor(0x40), "$80000040"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ColorToString(c.color), c.text);
        EXPECT_EQ(StringToColor(c.text), c.color);
    }
    EXPECT_EQ(static_cast<std::uint32_t>(clBtnFace), 0x8000000Fu);
    EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
}

TEST(Colour, DescriptionsReadAndWriteColoursByName) {
    RegisterControlClasses();
    std::int64_t value = 0;
    ASSERT_TRUE(IdentToInteger("TColor", "clBtnFace", value));
    EXPECT_EQ(value, clBtnFace);
    std::string name;
    ASSERT_TRUE(IntegerToIdent("TCursor", crHourGlass, name));
    EXPECT_EQ(name, "crHourGlass");
    ASSERT_TRUE(IdentToInteger("TFontCharset", "DEFAULT_CHARSET", value));
    EXPECT_EQ(value, 1);
}

TEST(Font, SizeAndHeightConvertAtNinetySixPixelsPerInch) {
    TFont font;
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.TextHeight(), 13);
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetSize(12);
    EXPECT_EQ(font.Height(), -16);
    font.SetHeight(20);  // a cell height is the line height itself
    EXPECT_EQ(font.TextHeight(), 20);
}

TEST(Font, ReportsEachRealChangeOnceAndAssignCopiesEverything) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetName("MS Sans Serif");
    font.SetName("");  // a font always has a typeface
    font.SetStyle(0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(font.Name(), "MS Sans Serif");

    TFont other;
    other.SetName("Tahoma");
    other.SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsItalic));
    other.SetColor(clRed);
    other.SetCharset(238);
    font.Assign(other);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(font.SameAs(other));
    os::FontSpec params = font.PeerFont();
    EXPECT_TRUE(params.bold && params.italic && !params.underline);
    EXPECT_EQ(params.color, clRed);
    EXPECT_EQ(params.charset, 238);
    font.Assign(other);
    EXPECT_EQ(changes, 1);
}

TEST(Bitmap, KnowsTheSizeOfTheBitmapFilesItHolds) {
    auto file = [](std::int32_t width, std::int32_t height, bool lengthFirst) {
        std::vector<std::uint8_t> d;
        if (lengthFirst)
            d = {54, 0, 0, 0};
        std::vector<std::uint8_t> header = {'B', 'M', 54, 0, 0, 0,  0, 0, 0,
                                            0,   54,  0,  0, 0, 40, 0, 0, 0};
        d.insert(d.end(), header.begin(), header.end());
        for (std::int32_t v : {width, height}) {
            auto u = static_cast<std::uint32_t>(v);
            for (int i = 0; i < 4; ++i)
                d.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        }
        return d;
    };
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetData(file(18, 18, false));
    EXPECT_EQ(bitmap.Width(), 18);
    bitmap.SetData(file(72, -18, true));  // behind a length, stored top-down
    EXPECT_EQ(bitmap.Width(), 72);
    EXPECT_EQ(bitmap.Height(), 18);
    bitmap.SetData(file(INT32_MIN, 5, false));  // malformed: unknown, not undefined
    EXPECT_EQ(bitmap.Width(), 0);
    bitmap.SetData({1, 2, 3});
    EXPECT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Height(), 0);

    TBitmap copy;
    copy.Assign(bitmap);
    EXPECT_EQ(copy.Data(), bitmap.Data());
    copy.AssignFrom(nullptr);
    EXPECT_TRUE(copy.Empty());
}

}  // namespace
