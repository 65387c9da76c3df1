// Class tables: published properties with their defaults, stored rules and
// index specifiers, value conversions, published handlers and fields, and the
// class registry.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Object.h"
#include "platform/core/TypeInfo.h"

namespace {

enum class TShade { shLight, shMedium, shDark };

const TEnumInfo& ShadeInfo() {
    static const TEnumInfo info{"TShade", {"shLight", "shMedium", "shDark"}};
    return info;
}

class TProbe : public TComponent {
    PF_CLASS(TProbe)
  public:
    using TComponent::TComponent;
    int width = 5;
    int height = 0;
    int spare = 0;
    bool visible = false;
    TShade shade = TShade::shLight;
    std::uint32_t shades = 0;
    std::string text;
    bool storeSpare = false;
    TProbe* buddy = nullptr;
    TNotifyEvent OnPing;
    std::vector<std::string> calls;

    int Width() const { return width; }
    void SetWidth(int w) { width = w; }
    int Height() const { return height; }
    void SetHeight(int h) { height = h; }
    int Spare() const { return spare; }
    void SetSpare(int s) { spare = s; }
    bool Visible() const { return visible; }
    void SetVisible(bool v) { visible = v; }
    TShade Shade() const { return shade; }
    void SetShade(TShade s) { shade = s; }
    std::uint32_t Shades() const { return shades; }
    void SetShades(std::uint32_t s) { shades = s; }
    const std::string& Text() const { return text; }
    void SetText(const std::string& t) { text = t; }
    TProbe* Buddy() const { return buddy; }
    void SetBuddy(TProbe* b) { buddy = b; }
    int ReadOnly() const { return 1; }

    void Ping(TObject* sender) { calls.push_back(sender == this ? "self" : "other"); }
};

const TClassType& TProbe::StaticClass() {
    using P = Prop<TProbe>;
    static const TClassType type =
        TClassType::Define<TProbe, TComponent>("TProbe")
            .Property(P::Int("Width", &TProbe::Width, &TProbe::SetWidth, 5))
            .Property(P::Int("Height", &TProbe::Height, &TProbe::SetHeight, 0).NoDefault())
            .Property(P::Int("Spare", &TProbe::Spare, &TProbe::SetSpare, 0)
                          .StoredIf([](const TObject& o) {
                              return static_cast<const TProbe&>(o).storeSpare;
                          })
                          .Index(3))
            .Property(P::Bool("Visible", &TProbe::Visible, &TProbe::SetVisible, false)
                          .Stored(TStoredRule::Always))
            .Property(P::Enum<TShade>("Shade", ShadeInfo(), &TProbe::Shade, &TProbe::SetShade,
                                      TShade::shLight))
            .Property(
                P::SetOf("Shades", ShadeInfo(), "TShades", &TProbe::Shades, &TProbe::SetShades, 0u))
            .Property(P::Str("Text", &TProbe::Text, &TProbe::SetText))
            // A property of the class's own type: its table is not built yet.
            .Property(P::Object<TProbe>("Buddy", &TProbe::Buddy, &TProbe::SetBuddy))
            .Property(P::Int("ReadOnly", &TProbe::ReadOnly, nullptr, 1))
            .Property(P::Event("OnPing", &TProbe::OnPing, "TNotifyEvent"))
            .Method(PublishedMethod("Ping", &TProbe::Ping));
    return type;
}

// Redeclares Width with another default and publishes a field.
class TWideProbe : public TProbe {
    PF_CLASS(TWideProbe)
  public:
    explicit TWideProbe(TComponent* owner) : TProbe(owner) { width = 80; }
    TProbe* Partner = nullptr;
};

const TClassType& TWideProbe::StaticClass() {
    static const TClassType type =
        TClassType::Define<TWideProbe, TProbe>("TWideProbe")
            .Property(Prop<TWideProbe>::Int("Width", &TWideProbe::Width, &TWideProbe::SetWidth, 80))
            .Property(Prop<TWideProbe>::Int("Depth", &TWideProbe::Spare, &TWideProbe::SetSpare, 0))
            .Field(PublishedField("Partner", &TWideProbe::Partner));
    return type;
}

std::vector<std::string> Names(const TClassType& type) {
    std::vector<std::string> names;
    for (const TPropInfo* p : type.Properties())
        names.push_back(p->name);
    return names;
}

TEST(TypeInfoTest, PropertiesListBasesFirstAndARedeclaredPropertyReplacesItsBaseEntryInPlace) {
    const std::vector<std::string> base = {"Name",  "Tag",     "Width",    "Height",
                                           "Spare", "Visible", "Shade",    "Shades",
                                           "Text",  "Buddy",   "ReadOnly", "OnPing"};
    EXPECT_EQ(base, Names(TProbe::StaticClass()));
    std::vector<std::string> wide = base;
    wide.push_back("Depth");
    EXPECT_EQ(wide, Names(TWideProbe::StaticClass()));

    const TPropInfo* baseWidth = TProbe::StaticClass().FindProperty("width");
    const TPropInfo* wideWidth = TWideProbe::StaticClass().FindProperty("WIDTH");
    ASSERT_NE(nullptr, baseWidth);
    ASSERT_NE(nullptr, wideWidth);
    EXPECT_NE(baseWidth, wideWidth);
    EXPECT_EQ(5, *baseWidth->defaultOrd);
    EXPECT_EQ(80, *wideWidth->defaultOrd);
    EXPECT_EQ(nullptr, TProbe::StaticClass().FindProperty("Depth"));
}

TEST(TypeInfoTest, ClassPropertiesKnowTheirClassEvenWhenItIsTheirOwn) {
    const TPropInfo* buddy = TProbe::StaticClass().FindProperty("Buddy");
    ASSERT_NE(nullptr, buddy);
    EXPECT_EQ(TTypeKind::tkClass, buddy->kind);
    EXPECT_EQ(&TProbe::StaticClass(), buddy->classType);
    EXPECT_EQ("TProbe", buddy->typeName);
}

TEST(TypeInfoTest, StoredRulesDecideWhatADescriptionStores) {
    TProbe probe(nullptr);
    const TClassType& t = probe.ClassType();
    struct Case {
        const char* prop;
        std::function<void()> change;
        bool stored;
    };
    const std::vector<Case> cases = {
        {"Width", [] {}, false},                                 // at its default
        {"Width", [&] { probe.width = 6; }, true},               // differs
        {"Height", [] {}, true},                                 // no default: always
        {"Visible", [] {}, true},                                // stored always
        {"Name", [&] { probe.SetName("P"); }, false},            // stored never
        {"Spare", [&] { probe.spare = 9; }, false},              // the function says no
        {"Spare", [&] { probe.storeSpare = true; }, true},       // and now yes
        {"Shade", [&] { probe.shade = TShade::shDark; }, true},  // enumeration off default
        {"Shades", [] {}, false},                                // empty set is the default
        {"Text", [] {}, true},                                   // strings: the writer decides
    };
    for (const Case& c : cases) {
        c.change();
        EXPECT_EQ(c.stored, t.FindProperty(c.prop)->IsStored(probe)) << c.prop;
    }
}

TEST(TypeInfoTest, IndexSpecifierIsKeptAndAbsentOtherwise) {
    EXPECT_EQ(3, TProbe::StaticClass().FindProperty("Spare")->index);
    EXPECT_EQ(NoIndexSpecifier, TProbe::StaticClass().FindProperty("Width")->index);
}

TEST(TypeInfoTest, GetValueAndSetValueConvertOrdinalsByName) {
    TProbe probe(nullptr);
    const TClassType& t = probe.ClassType();
    const TPropInfo& shade = *t.FindProperty("Shade");
    const TPropInfo& shades = *t.FindProperty("Shades");
    const TPropInfo& visible = *t.FindProperty("Visible");
    const TPropInfo& width = *t.FindProperty("Width");

    shade.SetValue(probe, Variant("SHDARK"));
    EXPECT_EQ(TShade::shDark, probe.shade);
    EXPECT_EQ(Variant("shDark"), shade.GetValue(probe));
    shade.SetValue(probe, Variant("1"));  // an ordinal as text
    EXPECT_EQ(TShade::shMedium, probe.shade);
    shade.SetValue(probe, Variant(0));
    EXPECT_EQ(TShade::shLight, probe.shade);

    shades.SetValue(probe, Variant("[shLight, shDark]"));
    EXPECT_EQ(0b101u, probe.shades);
    EXPECT_EQ(Variant("[shLight,shDark]"), shades.GetValue(probe));
    shades.SetValue(probe, Variant("[ ]"));
    EXPECT_EQ(0u, probe.shades);

    visible.SetValue(probe, Variant("true"));
    EXPECT_TRUE(probe.visible);
    EXPECT_EQ(Variant(true), visible.GetValue(probe));
    visible.SetValue(probe, Variant(0));
    EXPECT_FALSE(probe.visible);

    width.SetValue(probe, Variant("$20"));
    EXPECT_EQ(32, probe.width);
    EXPECT_EQ(Variant(std::int64_t{32}), width.GetValue(probe));

    struct Bad {
        const TPropInfo* prop;
        Variant value;
    };
    const std::vector<Bad> bad = {
        {&shade, Variant("shBlack")},
        {&shade, Variant("3")},
        {&shade, Variant(7)},
        {&shades, Variant("[shLight, shBlack]")},
        {&shades, Variant("[shLight,]")},
        {&shades, Variant("[,shLight]")},
        {&shades, Variant("shLight")},
        {&visible, Variant("maybe")},
        {&width, Variant("wide")},
    };
    for (const Bad& b : bad) {
        EXPECT_THROW(b.prop->SetValue(probe, b.value), EConvertError)
            << b.prop->name << " = " << b.value.ToString();
    }
    // A refused value leaves the property as it was.
    EXPECT_EQ(TShade::shLight, probe.shade);
    EXPECT_EQ(0u, probe.shades);
    EXPECT_EQ(32, probe.width);
}

TEST(TypeInfoTest, ClassMethodAndReadOnlyPropertiesRefuseValues) {
    TProbe probe(nullptr);
    const TClassType& t = probe.ClassType();
    EXPECT_THROW(t.FindProperty("Buddy")->GetValue(probe), EPropertyError);
    EXPECT_THROW(t.FindProperty("OnPing")->GetValue(probe), EPropertyError);
    EXPECT_THROW(t.FindProperty("ReadOnly")->SetValue(probe, Variant(2)), EPropertyError);
    EXPECT_EQ(Variant(std::int64_t{1}), t.FindProperty("ReadOnly")->GetValue(probe));
}

TEST(TypeInfoTest, PublishedHandlersBindToAnObjectAndFitTheirEvent) {
    TWideProbe probe(nullptr);
    const TMethodInfo* ping = probe.ClassType().FindMethod("PING");  // found through the base
    ASSERT_NE(nullptr, ping);
    EXPECT_EQ(nullptr, probe.ClassType().FindMethod("Pong"));

    TMethod m{&probe, ping->name, ping->bind(probe)};
    probe.ClassType().FindProperty("OnPing")->setMethod(probe, m);
    probe.OnPing(&probe);
    probe.OnPing(nullptr);
    EXPECT_EQ((std::vector<std::string>{"self", "other"}), probe.calls);
    TMethod back = probe.ClassType().FindProperty("OnPing")->getMethod(probe);
    EXPECT_EQ("Ping", back.name);
    EXPECT_EQ(&probe, back.data);
}

TEST(TypeInfoTest, PublishedFieldsAreSetAndReadByName) {
    TWideProbe form(nullptr);
    TProbe other(nullptr);
    const TFieldInfo* field = form.ClassType().FindField("partner");
    ASSERT_NE(nullptr, field);
    EXPECT_EQ(&TProbe::StaticClass(), field->type);
    field->set(form, &other);
    EXPECT_EQ(&other, form.Partner);
    EXPECT_EQ(&other, field->get(form));
    EXPECT_EQ(nullptr, TProbe::StaticClass().FindField("Partner"));
}

TEST(TypeInfoTest, IntegerTypesMayNameTheirValues) {
    RegisterIntegerIdents("TProbeColor", {{0, "pcBlack"}, {0xFFFFFF, "pcWhite"}});
    std::int64_t value = -1;
    EXPECT_TRUE(IdentToInteger("tprobecolor", "PCWHITE", value));
    EXPECT_EQ(0xFFFFFF, value);
    EXPECT_FALSE(IdentToInteger("TProbeColor", "pcGrey", value));
    EXPECT_FALSE(IdentToInteger("TOtherType", "pcWhite", value));
    std::string ident;
    EXPECT_TRUE(IntegerToIdent("TProbeColor", 0, ident));
    EXPECT_EQ("pcBlack", ident);
    EXPECT_FALSE(IntegerToIdent("TProbeColor", 5, ident));
}

TEST(TypeInfoTest, RegisteredClassesAreFoundByNameAndCreateComponents) {
    RegisterComponentClass(TWideProbe::StaticClass());
    EXPECT_EQ(&TWideProbe::StaticClass(), FindClass("twideprobe"));
    EXPECT_EQ(nullptr, FindClass("TNeverRegistered"));
    EXPECT_THROW(GetClass("TNeverRegistered"), EClassNotFound);

    TComponent owner(nullptr);
    TComponent* made = GetClass("TWideProbe").Create(&owner);
    ASSERT_NE(nullptr, dynamic_cast<TWideProbe*>(made));
    EXPECT_EQ(&owner, made->Owner());
    EXPECT_EQ(80, static_cast<TWideProbe*>(made)->width);  // its own constructor ran
    EXPECT_TRUE(made->InheritsFrom(TProbe::StaticClass()));
    EXPECT_FALSE(TPersistent::StaticClass().CanCreate());
    EXPECT_THROW(TPersistent::StaticClass().Create(&owner), EClassNotFound);
}

}  // namespace
