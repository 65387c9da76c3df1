#include "runtime/ClassInfo.h"

#include <gtest/gtest.h>

#include "platform/core/Events.h"
#include "platform/core/Exceptions.h"

namespace {

enum class TTestMode { tmFile, tmRegistry };
const TEnumInfo& TestModeInfo() {
    static const TEnumInfo info{"TTestMode", {"tmFile", "tmRegistry"}};
    return info;
}
const TEnumInfo& TestFlagInfo() {
    static const TEnumInfo info{"TTestFlag", {"tfOne", "tfTwo", "tfThree"}};
    return info;
}

class TTestSub : public TPersistent {
    PF_CLASS(TTestSub)
};

// A values object: sections by index specifiers, as the configuration
// component reads them.
class TTestValues : public TPersistent {
    PF_CLASS(TTestValues)
  public:
    int General() const { return 0; }
    void SetGeneral(int) {}
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v; }
    std::string Title() const { return title_; }
    void SetTitle(const std::string& v) { title_ = v; }
    TTestMode Mode() const { return mode_; }
    void SetMode(TTestMode v) { mode_ = v; }
    std::uint32_t Flags() const { return flags_; }
    void SetFlags(std::uint32_t v) { flags_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    int Version() const { return 3; }
    TTestSub* Sub() const { return const_cast<TTestSub*>(&sub_); }
    bool storeVisible = true;
    TNotifyEvent OnChange;
    int secret = 0;

  private:
    int width_ = 0;
    int height_ = 480;
    std::string title_ = "Setup";
    TTestMode mode_ = TTestMode::tmFile;
    std::uint32_t flags_ = 0;
    bool visible_ = true;
    TTestSub sub_;
};

TPropInfo WriteOnlySecret() {
    TPropInfo p;
    p.name = "Secret";
    p.kind = TTypeKind::tkInteger;
    p.typeName = "Integer";
    p.setOrd = [](TObject& o, std::int64_t v) {
        static_cast<TTestValues&>(o).secret = static_cast<int>(v);
    };
    return p;
}

const TClassType& TTestSub::StaticClass() {
    static const TClassType type = TClassType::Define<TTestSub, TPersistent>("TTestSub");
    return type;
}

const TClassType& TTestValues::StaticClass() {
    using P = Prop<TTestValues>;
    static const TClassType type =
        TClassType::Define<TTestValues, TPersistent>("TTestValues")
            .Property(P::Int("General", &TTestValues::General, &TTestValues::SetGeneral)
                          .Stored(TStoredRule::Never)
                          .Index(1))
            .Property(P::Int("Width", &TTestValues::Width, &TTestValues::SetWidth).Index(1))
            .Property(P::Int("Height", &TTestValues::Height, &TTestValues::SetHeight, 480).Index(1))
            .Property(P::Str("Title", &TTestValues::Title, &TTestValues::SetTitle, "TCaption"))
            .Property(P::Enum<TTestMode>("Mode", TestModeInfo(), &TTestValues::Mode,
                                         &TTestValues::SetMode, TTestMode::tmFile))
            .Property(P::SetOf("Flags", TestFlagInfo(), "TTestFlags", &TTestValues::Flags,
                               &TTestValues::SetFlags, 0u))
            .Property(P::Bool("Visible", &TTestValues::Visible, &TTestValues::SetVisible, true)
                          .StoredIf([](const TObject& o) {
                              return static_cast<const TTestValues&>(o).storeVisible;
                          }))
            .Property(P::Int("Version", &TTestValues::Version, nullptr))
            .Property(P::Object<TTestSub>("Sub", &TTestValues::Sub, nullptr))
            .Property(P::Event("OnChange", &TTestValues::OnChange, "TNotifyEvent"))
            .Property(WriteOnlySecret());
    return type;
}

constexpr std::uint32_t RW = afReadable | afWritable;

TEST(ClassInfo, WalksEveryPublishedPropertyWithItsFacts) {
    TTestValues values;
    values.storeVisible = false;
    TClassInfo info(values);
    struct Case {
        const char* name;
        bool accepted;
        const char* typDef;
        bool stored;
        std::uint32_t access;
        std::int32_t index;
    };
    const Case cases[] = {
        {"General", true, "Integer", false, RW, 1},
        // Width equals its default 0: still stored (the rule alone counts).
        {"Width", true, "Integer", true, RW, 1},
        {"Height", true, "Integer", true, RW, 1},
        {"Title", true, "TCaption", true, RW, NoIndexSpecifier},
        {"Mode", true, "(tmFile, tmRegistry)", true, RW, NoIndexSpecifier},
        {"Flags", true, "set of (tfOne, tfTwo, tfThree)", true, RW, NoIndexSpecifier},
        {"Visible", true, "(False, True)", false, RW, NoIndexSpecifier},
        {"Version", true, "Integer", true, afReadable, NoIndexSpecifier},
        {"Sub", false, "TTestSub", true, afReadable, NoIndexSpecifier},
        {"OnChange", false, "TNotifyEvent", true, RW, NoIndexSpecifier},
        {"Secret", false, "Integer", true, afWritable, NoIndexSpecifier},
    };
    ASSERT_EQ(info.Count(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < info.Count(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(info.Select(i), c.accepted);
        EXPECT_EQ(info.Name(), c.name);
        EXPECT_EQ(info.TypDef(), c.typDef);
        EXPECT_EQ(info.IsStored(), c.stored);
        EXPECT_EQ(info.Access(), c.access);
        EXPECT_EQ(info.IndexSpecifier(), c.index);
    }
    EXPECT_EQ(NoIndexSpecifier, INT32_MIN);
}

TEST(ClassInfo, ValuesMoveAsVariantsWithConversion) {
    TTestValues values;
    TClassInfo info(values);
    auto select = [&](const char* name) {
        for (int i = 0; i < info.Count(); ++i) {
            if (info.Select(i) && info.Name() == name)
                return;
        }
        FAIL() << "no accepted property " << name;
    };
    struct Case {
        const char* name;
        Variant before;
        Variant text;  // what a store hands back
        Variant after;
    };
    const Case cases[] = {
        {"Width", Variant(std::int64_t{0}), Variant("640"), Variant(std::int64_t{640})},
        {"Title", Variant("Setup"), Variant(" Ä; x "), Variant(" Ä; x ")},
        {"Mode", Variant("tmFile"), Variant("tmRegistry"), Variant("tmRegistry")},
        {"Flags", Variant("[]"), Variant("[tfOne, tfThree]"), Variant("[tfOne,tfThree]")},
        {"Visible", Variant(true), Variant("False"), Variant(false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        select(c.name);
        EXPECT_EQ(info.GetValue(), c.before);
        info.SetValue(c.text);
        EXPECT_EQ(info.GetValue(), c.after);
    }
    select("Mode");
    EXPECT_THROW(info.SetValue(Variant("tmFloppy")), EConvertError);
    EXPECT_EQ(values.Mode(), TTestMode::tmRegistry);
    select("Width");
    EXPECT_THROW(info.SetValue(Variant("wide")), EConvertError);
    select("Version");
    EXPECT_THROW(info.SetValue(Variant("4")), EPropertyError);
}

TEST(ClassInfo, MisuseRaises) {
    TTestValues values;
    TClassInfo info(values);
    EXPECT_THROW(info.Name(), EInvalidOperation);
    EXPECT_THROW(info.Select(-1), EListError);
    EXPECT_THROW(info.Select(info.Count()), EListError);
    // A refused property stays selected but gives no value.
    ASSERT_FALSE(info.Select(8));
    EXPECT_EQ(info.Name(), "Sub");
    EXPECT_THROW(info.GetValue(), EPropertyError);
}

}  // namespace
