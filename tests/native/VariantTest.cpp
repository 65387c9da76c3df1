// Variants and the platform's text conversions.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Variant.h"

namespace {

TEST(VariantTest, ConvertsEachKindToText) {
    EXPECT_EQ("", Variant().ToString());
    EXPECT_EQ("-42", Variant(-42).ToString());
    EXPECT_EQ("True", Variant(true).ToString());
    EXPECT_EQ("False", Variant(false).ToString());
    EXPECT_EQ("2.5", Variant(2.5).ToString());
    EXPECT_EQ("abc", Variant("abc").ToString());
    EXPECT_TRUE(Variant().IsEmpty());
    EXPECT_EQ(Variant::Type::String, Variant(std::string("x")).type());
}

TEST(VariantTest, ConvertsBetweenNumbersBooleansAndTexts) {
    EXPECT_EQ(-1, Variant(true).ToInteger());
    EXPECT_EQ(0, Variant(false).ToInteger());
    EXPECT_EQ(0, Variant().ToInteger());
    EXPECT_EQ(3, Variant(3.9).ToInteger());
    EXPECT_EQ(255, Variant("$FF").ToInteger());
    EXPECT_TRUE(Variant("TRUE").ToBoolean());
    EXPECT_TRUE(Variant(5).ToBoolean());
    EXPECT_FALSE(Variant("0").ToBoolean());
    EXPECT_DOUBLE_EQ(0.5, Variant("0.5").ToFloat());
    EXPECT_DOUBLE_EQ(-1.0, Variant(true).ToFloat());
    EXPECT_THROW(Variant("1.5x").ToFloat(), EConvertError);
    EXPECT_THROW(Variant("").ToFloat(), EConvertError);
    EXPECT_THROW(Variant("yes").ToBoolean(), EConvertError);
    EXPECT_THROW(Variant("12abc").ToInteger(), EConvertError);
}

TEST(VariantTest, StrToIntAcceptsSignBlanksAndHexAndRefusesTheRest) {
    struct Good {
        const char* text;
        std::int64_t value;
    };
    const std::vector<Good> good = {
        {"0", 0},
        {"-12", -12},
        {"+7", 7},
        {"  42\t", 42},
        {"$ff", 255},
        {"-$10", -16},
        {"0x1F", 31},
        {"007", 7},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"$FFFFFFFFFFFFFFFF", -1},  // hex gives the full 64-bit pattern
    };
    for (const Good& g : good)
        EXPECT_EQ(g.value, StrToInt(g.text)) << g.text;

    const std::vector<const char*> bad = {
        "",
        "   ",
        "-",
        "+",
        "$",
        "0x",
        "1 2",
        "12a",
        "--1",
        "+-1",
        "1.0",
        "$G",
        "9223372036854775808",
        "-9223372036854775809",
        "$10000000000000000",
    };
    for (const char* b : bad) {
        std::int64_t untouched = 99;
        EXPECT_FALSE(TryStrToInt(b, untouched)) << b;
        EXPECT_EQ(99, untouched) << b;
        try {
            StrToInt(b);
            ADD_FAILURE() << "no error for '" << b << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ("'" + std::string(b) + "' is not a valid integer value", e.what());
        }
    }
}

TEST(VariantTest, BooleanTextsAndNumbers) {
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_FALSE(StrToBool("FALSE"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_EQ("True", BoolToStr(true));
    EXPECT_EQ("-5", IntToStr(-5));
    try {
        StrToBool("ja");
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ("'ja' is not a valid boolean value", e.what());
    }
}

}  // namespace
