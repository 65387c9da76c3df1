#include "runtime/Entries.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/Filer.h"
#include "platform/stream/Reader.h"
#include "platform/stream/Writer.h"
#include "runtime/ExComponent.h"
#include "runtime/RuntimeClasses.h"

namespace {

enum class TTestLook { lkFlat, lkRaised };
const TEnumInfo& TestLookInfo() {
    static const TEnumInfo info{"TTestLook", {"lkFlat", "lkRaised"}};
    return info;
}

class TEntryFont : public TPersistent {
    PF_CLASS(TEntryFont)
  public:
    int Height() const { return height_; }
    void SetHeight(int h) { height_ = h; }

  private:
    int height_ = -11;
};

class TEntryButton : public TCollectionItem {
    PF_CLASS(TEntryButton)
  public:
    using TCollectionItem::TCollectionItem;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    TEntryFont* Font() const { return const_cast<TEntryFont*>(&font_); }

  private:
    std::string caption_;
    TEntryFont font_;
};

class TEntryButtons : public TOwnedCollection {
    PF_CLASS(TEntryButtons)
  public:
    explicit TEntryButtons(TPersistent* owner)
        : TOwnedCollection(owner, TEntryButton::StaticClass(),
                           [](TCollection* c) { return std::make_unique<TEntryButton>(c); }) {}
};

// A component with the kinds of things an entry can keep.
class TEntryWidget : public TComponent {
    PF_CLASS(TEntryWidget)
  public:
    explicit TEntryWidget(TComponent* owner) : TComponent(owner), buttons_(this) {}
    const std::string& History() const { return history_; }
    void SetHistory(const std::string& h) { history_ = h; }
    int Count() const { return count_; }
    void SetCount(int c) { count_ = c; }
    TTestLook Look() const { return look_; }
    void SetLook(TTestLook l) { look_ = l; }
    TEntryFont* Font() const { return const_cast<TEntryFont*>(&font_); }
    TEntryButtons* Buttons() const { return const_cast<TEntryButtons*>(&buttons_); }
    TStrings* Lines() const { return const_cast<TStringList*>(&lines_); }
    TEntryFont* Missing() const { return nullptr; }
    TNotifyEvent OnChange;

  private:
    std::string history_ = "C:\\A;C:\\B;";
    int count_ = 8;
    TTestLook look_ = TTestLook::lkFlat;
    TEntryFont font_;
    TEntryButtons buttons_;
    TStringList lines_;
};

const TClassType& TEntryFont::StaticClass() {
    static const TClassType type =
        TClassType::Define<TEntryFont, TPersistent>("TEntryFont")
            .Property(Prop<TEntryFont>::Int("Height", &TEntryFont::Height, &TEntryFont::SetHeight));
    return type;
}

const TClassType& TEntryButton::StaticClass() {
    static const TClassType type =
        TClassType::Define<TEntryButton, TCollectionItem>("TEntryButton")
            .Property(Prop<TEntryButton>::Str("Caption", &TEntryButton::Caption,
                                              &TEntryButton::SetCaption, "TCaption"))
            .Property(Prop<TEntryButton>::Object<TEntryFont>("Font", &TEntryButton::Font, nullptr));
    return type;
}

const TClassType& TEntryButtons::StaticClass() {
    static const TClassType type =
        TClassType::Define<TEntryButtons, TOwnedCollection>("TEntryButtons");
    return type;
}

const TClassType& TEntryWidget::StaticClass() {
    using P = Prop<TEntryWidget>;
    static const TClassType type =
        TClassType::Define<TEntryWidget, TComponent>("TEntryWidget")
            .Property(P::Str("History", &TEntryWidget::History, &TEntryWidget::SetHistory))
            .Property(P::Int("Count", &TEntryWidget::Count, &TEntryWidget::SetCount))
            .Property(P::Enum<TTestLook>("Look", TestLookInfo(), &TEntryWidget::Look,
                                         &TEntryWidget::SetLook, TTestLook::lkFlat))
            .Property(P::Object<TEntryFont>("Font", &TEntryWidget::Font, nullptr))
            .Property(P::Object<TEntryButtons>("Buttons", &TEntryWidget::Buttons, nullptr))
            .Property(P::Object<TStrings>("Lines", &TEntryWidget::Lines, nullptr))
            .Property(P::Object<TEntryFont>("Missing", &TEntryWidget::Missing, nullptr))
            .Property(P::Event("OnChange", &TEntryWidget::OnChange, "TNotifyEvent"));
    return type;
}

// A component that keeps entries as a configuration component does: as the
// defined property "Entries", written when it holds an item.
class TEntryConfig : public TExComponent {
    PF_CLASS(TEntryConfig)
  public:
    explicit TEntryConfig(TComponent* owner) : TExComponent(owner), entries_(this, 0) {}
    TComponentEntries& Entries() { return entries_; }
    void DefineProperties(TFiler& filer) override {
        TExComponent::DefineProperties(filer);
        filer.DefineProperty(
            "Entries", [this](TReader& r) { r.ReadCollection(entries_); },
            [this](TWriter& w) { w.WriteCollection(entries_); }, entries_.Count() > 0);
    }
    void Notification(TComponent* component, TOperation operation) override {
        TExComponent::Notification(component, operation);
        entries_.Notification(component, operation);
    }

  private:
    TComponentEntries entries_;
};

const TClassType& TEntryConfig::StaticClass() {
    static const TClassType type = TClassType::Define<TEntryConfig, TExComponent>("TEntryConfig");
    return type;
}

class TEntryForm : public TComponent {
    PF_CLASS(TEntryForm)
  public:
    using TComponent::TComponent;
};

const TClassType& TEntryForm::StaticClass() {
    static const TClassType type = TClassType::Define<TEntryForm, TComponent>("TEntryForm");
    return type;
}

TPropItem* AddProp(TCustomEntry& entry, const std::string& name,
                   TTypeKind kind = TTypeKind::tkUnknown) {
    TPropItem* item = entry.Props()->Add();
    item->SetName(name);
    item->SetKind(kind);
    return item;
}

TSubEntry* AddSub(TCustomEntry& entry, const std::string& name, TSubTypes subType) {
    TSubEntry* sub = entry.Items()->Add();
    sub->SetName(name);
    sub->SetSubType(subType);
    return sub;
}

class EntriesTest : public ::testing::Test {
  protected:
    TComponent form{nullptr};
    TEntryWidget* widget = new TEntryWidget(&form);
    TExComponent* config = new TExComponent(&form);
    TComponentEntries entries{config, 0};

    void SetUp() override {
        widget->SetName("FolderSelect");
        widget->Buttons()->Add();
        widget->Buttons()->Add();
        static_cast<TEntryButton*>(widget->Buttons()->Items(0))->SetCaption("OK");
        static_cast<TEntryButton*>(widget->Buttons()->Items(1))->SetCaption("Cancel");
        widget->Lines()->Add("one");
        widget->Lines()->Add("two, three");
    }

    // The full entry of the tests: own properties and every kind of sub-entry.
    TComponentEntry& FullEntry() {
        TComponentEntry& e = *entries.Add();
        e.SetRef(widget);
        AddProp(e, "History", TTypeKind::tkLString);
        AddProp(e, "count");
        AddProp(e, "Look");
        AddProp(*AddSub(e, "Font", SubTypes({stPubPropObject})), "Height");
        TSubEntry* buttons = AddSub(e, "Buttons", SubTypes({stCollectionItems}));
        AddProp(*buttons, "Caption");
        AddProp(*AddSub(*buttons, "Font", SubTypes({stPubPropObject})), "Height");
        AddSub(e, "Lines", SubTypes({stStrings}));
        return e;
    }

    static std::vector<std::string> Paths(const TStrings& list) {
        std::vector<std::string> paths;
        for (int i = 0; i < list.Count(); ++i)
            paths.push_back(list.Get(i));
        return paths;
    }
    static TPropertyEntry& At(const TStrings& list, int i) {
        return *static_cast<TPropertyEntry*>(list.Objects(i));
    }
};

TEST_F(EntriesTest, PathsOfEveryKindOfEntry) {
    TComponentEntry& entry = FullEntry();
    TMainEntries::Init(entries);
    TStringList list;
    TMainEntry::MoveSubItemsToStrings(entry, true, list);
    const std::vector<std::string> expected = {"History",
                                               "Count",
                                               "Look",
                                               "Font.Height",
                                               "Buttons[0].Caption",
                                               "Buttons[0].Font.Height",
                                               "Buttons[1].Caption",
                                               "Buttons[1].Font.Height",
                                               "Lines"};
    EXPECT_EQ(Paths(list), expected);

    // Only the entry's own properties, appended to what the list holds.
    TMainEntry::MoveSubItemsToStrings(entry, false, list);
    ASSERT_EQ(list.Count(), static_cast<int>(expected.size()) + 3);
    EXPECT_EQ(list.Get(9), "History");
    EXPECT_EQ(&At(list, 9), &At(list, 0));  // the same entry object, owned by the entry

    // The same entries give the same paths in another run.
    TMainEntries::Init(entries);
    TStringList again;
    TMainEntry::MoveSubItemsToStrings(entry, true, again);
    EXPECT_EQ(Paths(again), expected);
}

TEST_F(EntriesTest, PropertyEntriesReadAndWriteThroughTheirPaths) {
    TComponentEntry& entry = FullEntry();
    TMainEntries::Init(entries);
    TStringList list;
    TMainEntry::MoveSubItemsToStrings(entry, true, list);
    struct Case {
        int line;
        const char* typDef;
        Variant before;
        const char* stored;  // the text a store hands back
        Variant after;
    };
    const Case cases[] = {
        {0, "string", Variant("C:\\A;C:\\B;"), "D:\\Tools;", Variant("D:\\Tools;")},
        {1, "Integer", Variant(std::int64_t{8}), "12", Variant(std::int64_t{12})},
        {2, "(lkFlat, lkRaised)", Variant("lkFlat"), "lkRaised", Variant("lkRaised")},
        {3, "Integer", Variant(std::int64_t{-11}), "-13", Variant(std::int64_t{-13})},
        {6, "TCaption", Variant("Cancel"), "Close", Variant("Close")},
        {7, "Integer", Variant(std::int64_t{-11}), "9", Variant(std::int64_t{9})},
        {8, "TStrings", Variant("one,\"two, three\""), "a,\"b c\"", Variant("a,\"b c\"")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(list.Get(c.line));
        TPropertyEntry& p = At(list, c.line);
        EXPECT_EQ(p.GetTypDef(), c.typDef);
        EXPECT_EQ(p.GetValue(), c.before);
        p.SetValue(Variant(c.stored));
        EXPECT_EQ(p.GetValue(), c.after);
    }
    EXPECT_EQ(widget->History(), "D:\\Tools;");
    EXPECT_EQ(widget->Font()->Height(), -13);
    EXPECT_EQ(static_cast<TEntryButton*>(widget->Buttons()->Items(1))->Font()->Height(), 9);
    EXPECT_EQ(widget->Lines()->Count(), 2);
    EXPECT_EQ(widget->Lines()->Get(1), "b c");

    EXPECT_THROW(At(list, 2).SetValue(Variant("lkSunken")), EConvertError);
    EXPECT_THROW(At(list, 1).SetValue(Variant("many")), EConvertError);
    // An item that went away since Init fails cleanly.
    widget->Buttons()->Delete(1);
    EXPECT_THROW(At(list, 6).GetValue(), EPropertyError);
}

TEST_F(EntriesTest, UnresolvableEntriesAreReportedWhenUsed) {
    struct Case {
        const char* what;
        std::function<void(TComponentEntry&)> setup;
        const char* message;
    };
    const Case cases[] = {
        {"unknown property", [](TComponentEntry& e) { AddProp(e, "Histroy"); },
         "FolderSelect: TEntryWidget has no property 'Histroy'"},
        {"kind differs", [](TComponentEntry& e) { AddProp(e, "History", TTypeKind::tkInteger); },
         "FolderSelect: Property TEntryWidget.History is of kind tkLString, not tkInteger"},
        {"a sub-object as a value", [](TComponentEntry& e) { AddProp(e, "Font"); },
         "FolderSelect: Property TEntryWidget.Font cannot be kept as a value"},
        {"an event as a value", [](TComponentEntry& e) { AddProp(e, "OnChange"); },
         "FolderSelect: Property TEntryWidget.OnChange cannot be kept as a value"},
        {"sub-entry on a value property",
         [](TComponentEntry& e) { AddSub(e, "Count", SubTypes({stPubPropObject})); },
         "FolderSelect: TEntryWidget has no sub-object 'Count'"},
        {"unassigned sub-object",
         [](TComponentEntry& e) { AddSub(e, "Missing", SubTypes({stPubPropObject})); },
         "FolderSelect: Missing is not assigned"},
        {"items of a non-collection",
         [](TComponentEntry& e) { AddSub(e, "Font", SubTypes({stCollectionItems})); },
         "FolderSelect: Font is not a collection"},
        {"lines of a non-list",
         [](TComponentEntry& e) { AddSub(e, "Font", SubTypes({stStrings})); },
         "FolderSelect: Font is not a string list"},
        {"no component", [](TComponentEntry& e) { e.SetRef(nullptr); }, "Entry 0 has no component"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        entries.Clear();
        TComponentEntry& entry = *entries.Add();
        entry.SetRef(widget);
        AddProp(entry, "Count");
        c.setup(entry);
        EXPECT_NO_THROW(TMainEntries::Init(entries));
        TStringList list;
        try {
            TMainEntry::MoveSubItemsToStrings(entry, true, list);
            ADD_FAILURE() << "no error";
        } catch (const EPropertyError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(list.Count(), 0);
    }
}

TEST_F(EntriesTest, DuplicatesAreListedOnceWithTheTableSpelling) {
    TComponentEntry& entry = *entries.Add();
    entry.SetRef(widget);
    AddProp(entry, "history");
    AddProp(entry, "HISTORY");
    TStringList list;
    TMainEntry::MoveSubItemsToStrings(entry, true, list);  // prepares itself
    EXPECT_EQ(Paths(list), std::vector<std::string>{"History"});
}

TEST_F(EntriesTest, ListsStayValidAcrossChangesUntilTheNextInit) {
    TComponentEntry& entry = *entries.Add();
    entry.SetRef(widget);
    AddProp(entry, "History");
    TMainEntries::Init(entries);
    TStringList before;
    TMainEntry::MoveSubItemsToStrings(entry, true, before);

    // A change makes the entry prepare anew; what the old list points at stays alive.
    AddProp(entry, "Count");
    TStringList after;
    TMainEntry::MoveSubItemsToStrings(entry, true, after);
    EXPECT_EQ(Paths(after), (std::vector<std::string>{"History", "Count"}));
    EXPECT_EQ(At(before, 0).GetValue(), Variant("C:\\A;C:\\B;"));
    EXPECT_NE(&At(before, 0), &At(after, 0));
}

TEST_F(EntriesTest, RemovingTheComponentClearsTheReference) {
    TComponentEntry& entry = FullEntry();
    TMainEntries::Init(entries);
    entries.Notification(widget, TOperation::opInsert);
    EXPECT_EQ(entry.GetRef(), widget);
    entries.Notification(widget, TOperation::opRemove);
    EXPECT_EQ(entry.GetRef(), nullptr);
    TStringList list;
    EXPECT_THROW(TMainEntry::MoveSubItemsToStrings(entry, true, list), EPropertyError);
}

TEST_F(EntriesTest, AssignCopiesTheWholeTree) {
    FullEntry();
    TComponentEntries copy(config, 0);
    copy.Assign(entries);
    ASSERT_EQ(copy.Count(), 1);
    TComponentEntry& e = *copy.GetItem(0);
    EXPECT_EQ(e.GetRef(), widget);
    EXPECT_EQ(e.Props()->Count(), 3);
    EXPECT_EQ(e.Props()->GetItem(0)->Kind(), TTypeKind::tkLString);
    ASSERT_EQ(e.Items()->Count(), 3);
    EXPECT_EQ(e.Items()->GetItem(1)->Name(), "Buttons");
    EXPECT_EQ(e.Items()->GetItem(1)->SubType(), SubTypes({stCollectionItems}));
    EXPECT_EQ(e.Items()->GetItem(1)->Items()->GetItem(0)->Props()->GetItem(0)->Name(), "Height");
    EXPECT_EQ(e.Items()->GetItem(1)->Level(), 1);
    EXPECT_EQ(e.Items()->GetItem(1)->Items()->GetItem(0)->Level(), 2);
    TMainEntries::Init(copy);
    TStringList list;
    TMainEntry::MoveSubItemsToStrings(e, true, list);
    EXPECT_EQ(list.Count(), 9);
}

TEST_F(EntriesTest, TheCollectionsAreStorableThroughTheirClassTables) {
    RegisterRuntimeClasses();
    for (const char* name : {"TExComponent", "TComponentEntry", "TSubEntry", "TPropItem"}) {
        EXPECT_NE(FindClass(name), nullptr) << name;
    }

    // What a form description stores, item by item, in table order.
    TComponentEntry& entry = *entries.Add();
    entry.SetRef(widget);
    TPropItem& prop = *AddProp(entry, "History", TTypeKind::tkLString);
    const TClassType& type = entry.ClassType();
    std::vector<std::string> names;
    for (const TPropInfo* p : type.Properties())
        names.push_back(p->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Ref", "Props", "Items", "SubType"}));

    const TPropInfo* ref = type.FindProperty("Ref");
    ASSERT_EQ(ref->kind, TTypeKind::tkClass);
    EXPECT_TRUE(ref->classType->InheritsFrom(TComponent::StaticClass()));
    EXPECT_EQ(ref->getObj(entry), widget);
    EXPECT_EQ(type.FindProperty("Props")->getObj(entry), entry.Props());
    EXPECT_FALSE(type.FindProperty("Props")->Writable());  // read into the existing collection
    EXPECT_EQ(type.FindProperty("SubType")->GetValue(entry), Variant("[stPubPropObject]"));
    EXPECT_TRUE(type.FindProperty("SubType")->IsStored(entry));
    const TPropInfo* kind = prop.ClassType().FindProperty("Kind");
    EXPECT_EQ(kind->GetValue(prop), Variant("tkLString"));
    EXPECT_TRUE(kind->IsStored(prop));

    // Set as the reader sets them, by name.
    kind->SetValue(prop, Variant("tkInteger"));
    EXPECT_EQ(prop.Kind(), TTypeKind::tkInteger);
    type.FindProperty("SubType")->SetValue(entry, Variant("[stPubPropObject, stStrings]"));
    EXPECT_EQ(entry.SubType(), SubTypes({stPubPropObject, stStrings}));
    ref->setObj(entry, nullptr);
    EXPECT_EQ(entry.GetRef(), nullptr);
    EXPECT_EQ(entry.Items()->ItemClass().Name(), "TSubEntry");
    EXPECT_EQ(entry.Items()->Add()->ClassType().FindProperty("Name")->typeName, "string");
}

TEST(Entries, AFormDescriptionStoresAndRestoresTheEntries) {
    RegisterRuntimeClasses();
    RegisterComponentClass(TEntryWidget::StaticClass());
    RegisterComponentClass(TEntryConfig::StaticClass());
    const std::string text =
        "object Form: TEntryForm\n"
        "  object FolderSelect: TEntryWidget\n"
        "    History = 'C:\\A;C:\\B;'\n"
        "    Count = 8\n"
        "    Font.Height = -11\n"
        "    Buttons = <\n"
        "      item\n"
        "        Caption = 'OK'\n"
        "        Font.Height = -11\n"
        "      end>\n"
        "  end\n"
        "  object Config: TEntryConfig\n"
        "    Entries = <\n"
        "      item\n"
        "        Ref = FolderSelect\n"
        "        Props = <\n"
        "          item\n"
        "            Name = 'History'\n"
        "            Kind = tkLString\n"
        "          end>\n"
        "        Items = <\n"
        "          item\n"
        "            Name = 'Buttons'\n"
        "            Props = <\n"
        "              item\n"
        "                Name = 'Caption'\n"
        "                Kind = tkLString\n"
        "              end>\n"
        "            SubType = [stCollectionItems]\n"
        "          end>\n"
        "        SubType = [stPubPropObject]\n"
        "      end>\n"
        "  end\n"
        "end\n";
    auto* form = new TEntryForm(nullptr);
    ReadComponentFromText(*form, text);
    auto* config = dynamic_cast<TEntryConfig*>(form->FindComponent("Config"));
    TComponent* widget = form->FindComponent("FolderSelect");
    ASSERT_NE(config, nullptr);
    ASSERT_EQ(config->Entries().Count(), 1);
    TComponentEntry& entry = *config->Entries().GetItem(0);
    EXPECT_EQ(entry.GetRef(), widget);
    TMainEntries::Init(config->Entries());
    TStringList list;
    TMainEntry::MoveSubItemsToStrings(entry, true, list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0), "History");
    EXPECT_EQ(list.Get(1), "Buttons[0].Caption");
    EXPECT_EQ(static_cast<TPropertyEntry*>(list.Objects(1))->GetValue(), Variant("OK"));

    EXPECT_EQ(ComponentToText(*form), text);

    // Freeing the component the entry names clears the reference.
    FreeComponent(widget);
    EXPECT_EQ(entry.GetRef(), nullptr);
    FreeComponent(form);
}

}  // namespace
