// Form descriptions: reading into a root, the loading protocol, event and
// reference binding, collections, sub-objects, nested children, errors with
// their lines, and writing back what reads into an equal state.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Filer.h"
#include "platform/core/Strings.h"
#include "platform/stream/FormResources.h"
#include "platform/stream/Reader.h"
#include "platform/stream/Writer.h"

namespace {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

enum class TTestAlign { alNone, alTop, alClient };

const TEnumInfo& AlignInfo() {
    static const TEnumInfo info{"TTestAlign", {"alNone", "alTop", "alClient"}};
    return info;
}

const TEnumInfo& OptionInfo() {
    static const TEnumInfo info{"TTestOption", {"toFirst", "toSecond", "toThird"}};
    return info;
}

constexpr std::uint32_t kDefaultOptions = 1u << 0;

class TTestFont : public TPersistent {
    PF_CLASS(TTestFont)
  public:
    int Height() const { return height_; }
    void SetHeight(int h) { height_ = h; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& n) { name_ = n; }

  private:
    int height_ = 0;
    std::string name_;
};

const TClassType& TTestFont::StaticClass() {
    static const TClassType type =
        TClassType::Define<TTestFont, TPersistent>("TTestFont")
            .Property(Prop<TTestFont>::Int("Height", &TTestFont::Height, &TTestFont::SetHeight, 0))
            .Property(Prop<TTestFont>::Str("Name", &TTestFont::Name, &TTestFont::SetName));
    return type;
}

class TTestItem : public TCollectionItem {
    PF_CLASS(TTestItem)
  public:
    using TCollectionItem::TCollectionItem;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) { caption_ = c; }
    int Size() const { return size_; }
    void SetSize(int s) { size_ = s; }
    TComponent* Target() const { return target_; }
    void SetTarget(TComponent* t) { target_ = t; }
    TNotifyEvent OnPick;

  private:
    std::string caption_;
    int size_ = 0;
    TComponent* target_ = nullptr;
};

const TClassType& TTestItem::StaticClass() {
    static const TClassType type =
        TClassType::Define<TTestItem, TCollectionItem>("TTestItem")
            .Property(Prop<TTestItem>::Str("Caption", &TTestItem::Caption, &TTestItem::SetCaption))
            .Property(Prop<TTestItem>::Int("Size", &TTestItem::Size, &TTestItem::SetSize, 0))
            .Property(Prop<TTestItem>::Object<TComponent>("Target", &TTestItem::Target,
                                                          &TTestItem::SetTarget))
            .Property(Prop<TTestItem>::Event("OnPick", &TTestItem::OnPick, "TNotifyEvent"));
    return type;
}

std::unique_ptr<TOwnedCollection> MakeItems(TPersistent* owner) {
    return std::make_unique<TOwnedCollection>(owner, TTestItem::StaticClass(), [](TCollection* c) {
        return std::make_unique<TTestItem>(c);
    });
}

// A component with one property of every kind, defined properties, and a
// parent that nests it in its block.
class TTestComp : public TComponent {
    PF_CLASS(TTestComp)
  public:
    explicit TTestComp(TComponent* owner)
        : TComponent(owner),
          font_(std::make_unique<TTestFont>()),
          lines_(std::make_unique<TStringList>()),
          buttons_(MakeItems(this)),
          entries_(MakeItems(this)) {}

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c) {
        caption_ = c;
        setWhileReading_ = IsLoading() && IsReading();
    }
    int Count() const { return count_; }
    void SetCount(int c) { count_ = c; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e) { enabled_ = e; }
    TTestAlign Align() const { return align_; }
    void SetAlign(TTestAlign a) { align_ = a; }
    std::uint32_t Options() const { return options_; }
    void SetOptions(std::uint32_t o) { options_ = o; }
    int Color() const { return color_; }
    void SetColor(int c) { color_ = c; }
    TTestComp* Peer() const { return peer_; }
    void SetPeer(TTestComp* p) { peer_ = p; }
    TTestFont* Font() const { return font_.get(); }
    TStringList* Lines() const { return lines_.get(); }
    TCollection* Buttons() const { return buttons_.get(); }
    TCollection& Entries() { return *entries_; }
    std::vector<std::uint8_t>& Data() { return data_; }
    double Ratio() const { return ratio_; }
    void SetRatio(double r) { ratio_ = r; }
    TNotifyEvent OnClick;

    bool SetWhileReading() const { return setWhileReading_; }
    TTestComp* ParentComp() const { return parent_; }
    const std::vector<TTestComp*>& Children() const { return children_; }

    void SetParentComponent(TComponent* parent) override {
        parent_ = dynamic_cast<TTestComp*>(parent);
        if (parent_ != nullptr)
            parent_->children_.push_back(this);
    }
    TComponent* GetParentComponent() const override { return parent_; }
    bool HasParent() const override { return parent_ != nullptr; }
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const override {
        for (TTestComp* child : children_)
            proc(child);
    }

    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation != TOperation::opRemove)
            return;
        if (peer_ == component)
            peer_ = nullptr;
        if (parent_ == component)
            parent_ = nullptr;
        children_.erase(std::remove(children_.begin(), children_.end(), component),
                        children_.end());
    }

    void DefineProperties(TFiler& filer) override {
        TComponent::DefineProperties(filer);
        filer.DefineProperty(
            "Entries", [this](TReader& r) { r.ReadCollection(*entries_); },
            [this](TWriter& w) { w.WriteCollection(*entries_); }, entries_->Count() > 0);
        filer.DefineBinaryProperty(
            "Data", [this](const std::vector<std::uint8_t>& d) { data_ = d; },
            [this] { return data_; }, !data_.empty());
        filer.DefineProperty(
            "Ratio", [this](TReader& r) { ratio_ = r.ReadFloat(); },
            [this](TWriter& w) { w.WriteFloat(ratio_); }, ratio_ != 0.0);
    }

    // Records what this component sees when loading ends: its peer must be
    // resolved already, also when it is described further down.
    void Loaded() override {
        TComponent::Loaded();
        Log().push_back(Name() + (peer_ != nullptr ? ">" + peer_->Name() : ""));
        if (caption_ == "Loaded fails")
            throw Exception("Loaded of " + Name() + " failed");
    }

  private:
    std::string caption_;
    int count_ = 0;
    bool enabled_ = true;
    TTestAlign align_ = TTestAlign::alNone;
    std::uint32_t options_ = kDefaultOptions;
    int color_ = 0;
    TTestComp* peer_ = nullptr;
    std::unique_ptr<TTestFont> font_;
    std::unique_ptr<TStringList> lines_;
    std::unique_ptr<TOwnedCollection> buttons_;
    std::unique_ptr<TOwnedCollection> entries_;
    std::vector<std::uint8_t> data_;
    double ratio_ = 0.0;
    bool setWhileReading_ = false;
    TTestComp* parent_ = nullptr;
    std::vector<TTestComp*> children_;
};

const TClassType& TTestComp::StaticClass() {
    using P = Prop<TTestComp>;
    static const TClassType type =
        TClassType::Define<TTestComp, TComponent>("TTestComp")
            .Property(P::Str("Caption", &TTestComp::Caption, &TTestComp::SetCaption))
            .Property(P::Int("Count", &TTestComp::Count, &TTestComp::SetCount, 0))
            .Property(P::Bool("Enabled", &TTestComp::Enabled, &TTestComp::SetEnabled, true))
            .Property(P::Enum<TTestAlign>("Align", AlignInfo(), &TTestComp::Align,
                                          &TTestComp::SetAlign, TTestAlign::alNone))
            .Property(P::SetOf("Options", OptionInfo(), "TTestOptions", &TTestComp::Options,
                               &TTestComp::SetOptions, kDefaultOptions))
            .Property(P::Int("Color", &TTestComp::Color, &TTestComp::SetColor, 0, "TTestColor"))
            .Property(P::Object<TTestComp>("Peer", &TTestComp::Peer, &TTestComp::SetPeer))
            .Property(P::Object<TTestFont>("Font", &TTestComp::Font, nullptr))
            .Property(P::Object<TStrings>("Lines", &TTestComp::Lines, nullptr))
            .Property(P::Object<TCollection>("Buttons", &TTestComp::Buttons, nullptr))
            .Property(P::Event("OnClick", &TTestComp::OnClick, "TNotifyEvent"));
    return type;
}

// A component of another class, for references of the wrong type.
class TOtherComp : public TComponent {
    PF_CLASS(TOtherComp)
  public:
    using TComponent::TComponent;
};

const TClassType& TOtherComp::StaticClass() {
    static const TClassType type = TClassType::Define<TOtherComp, TComponent>("TOtherComp");
    return type;
}

// The root: published handlers and component fields.
class TTestForm : public TComponent {
    PF_CLASS(TTestForm)
  public:
    using TComponent::TComponent;
    TTestComp* Button1 = nullptr;
    TTestComp* Panel1 = nullptr;
    TOtherComp* Wrong = nullptr;
    std::vector<std::string> calls;

    void BtnClick(TObject* sender) {
        calls.push_back("BtnClick:" + static_cast<TComponent*>(sender)->Name());
    }
    void ItemPick(TObject*) { calls.push_back("ItemPick"); }
    void CheckIt(TObject*, bool& ok) { ok = false; }

    void Loaded() override {
        TComponent::Loaded();
        Log().push_back("Form" + std::string(Button1 != nullptr && Button1->Peer() != nullptr
                                                 ? ">" + Button1->Peer()->Name()
                                                 : ""));
    }
};

const TClassType& TTestForm::StaticClass() {
    static const TClassType type = TClassType::Define<TTestForm, TComponent>("TTestForm")
                                       .Method(PublishedMethod("BtnClick", &TTestForm::BtnClick))
                                       .Method(PublishedMethod("ItemPick", &TTestForm::ItemPick))
                                       .Method(PublishedMethod("CheckIt", &TTestForm::CheckIt))
                                       .Field(PublishedField("Button1", &TTestForm::Button1))
                                       .Field(PublishedField("Panel1", &TTestForm::Panel1))
                                       .Field(PublishedField("Wrong", &TTestForm::Wrong));
    return type;
}

class ReaderWriterTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        RegisterComponentClass(TTestComp::StaticClass());
        RegisterComponentClass(TOtherComp::StaticClass());
        RegisterIntegerIdents("TTestColor", {{0xFF, "clRed"}, {0xFF00, "clGreen"}});
    }
    void SetUp() override { Log().clear(); }
    void TearDown() override { FreeComponent(form); }

    TTestComp* Comp(const std::string& name) const {
        return dynamic_cast<TTestComp*>(form->FindComponent(name));
    }

    TTestForm* form = new TTestForm(nullptr);
};

TEST_F(ReaderWriterTest, ReadsEveryKindOfValueWhileLoading) {
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  Tag = 7\n"
                          "  object Button1: TTestComp\n"
                          "    Caption = 'It''s ' + \n"
                          "      'done'#13#10'Gr'#252'n'\n"
                          "    Count = -$10\n"
                          "    Enabled = False\n"
                          "    Align = alClient\n"
                          "    Options = [toSecond, toThird]\n"
                          "    Color = clGreen\n"
                          "    Font.Height = -11\n"
                          "    Font.Name = 'Sans'\n"
                          "    Lines.Strings = (\n"
                          "      'one'\n"
                          "      ''\n"
                          "      'three')\n"
                          "    Data = {\n"
                          "      00FF10\n"
                          "      7f}\n"
                          "    Ratio = 2.5e-1\n"
                          "  end\n"
                          "end\n");
    EXPECT_EQ("Form", form->Name());
    EXPECT_EQ(7, form->Tag());
    TTestComp* b = Comp("Button1");
    ASSERT_NE(nullptr, b);
    EXPECT_EQ(form, b->Owner());
    EXPECT_EQ(b, form->Button1);
    EXPECT_EQ("It's done\r\nGr\xC3\xBCn", b->Caption());
    EXPECT_EQ(-16, b->Count());
    EXPECT_FALSE(b->Enabled());
    EXPECT_EQ(TTestAlign::alClient, b->Align());
    EXPECT_EQ(0b110u, b->Options());
    EXPECT_EQ(0xFF00, b->Color());
    EXPECT_EQ(-11, b->Font()->Height());
    EXPECT_EQ("Sans", b->Font()->Name());
    EXPECT_EQ("one\r\n\r\nthree\r\n", b->Lines()->Text());
    EXPECT_EQ((std::vector<std::uint8_t>{0x00, 0xFF, 0x10, 0x7F}), b->Data());
    EXPECT_DOUBLE_EQ(0.25, b->Ratio());
    // Setters ran while the component was loading and reading; afterwards
    // neither holds.
    EXPECT_TRUE(b->SetWhileReading());
    EXPECT_FALSE(b->IsLoading());
    EXPECT_FALSE(b->IsReading());
    EXPECT_FALSE(form->IsLoading());
}

TEST_F(ReaderWriterTest, CharacterCodesAboveAsciiAreUtf8AndSurrogatePairsJoin) {
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  object A: TTestComp\n"
                          "    Caption = #$20AC#55357#56832'x'#65\n"
                          "  end\n"
                          "end\n");
    EXPECT_EQ("\xE2\x82\xAC\xF0\x9F\x98\x80xA", Comp("A")->Caption());
}

TEST_F(ReaderWriterTest, LoadedRunsRootFirstThenInDescriptionOrderWithReferencesResolved) {
    // A refers forward to C, C back to the root's child A, B is nested in A.
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  object Button1: TTestComp\n"
                          "    Peer = C\n"
                          "    object B: TTestComp\n"
                          "      Peer = Form.Button1\n"
                          "    end\n"
                          "  end\n"
                          "  object C: TTestComp\n"
                          "    Peer = Button1\n"
                          "  end\n"
                          "end\n");
    EXPECT_EQ((std::vector<std::string>{"Form>C", "Button1>C", "B>Button1", "C>Button1"}), Log());
    EXPECT_EQ(Comp("C"), Comp("Button1")->Peer());
}

TEST_F(ReaderWriterTest, AFailingLoadedLetsTheOthersFinishAndIsRaisedAfterwards) {
    try {
        ReadComponentFromText(*form,
                              "object Form: TTestForm\n"
                              "  object A: TTestComp\n"
                              "    Caption = 'Loaded fails'\n"
                              "  end\n"
                              "  object B: TTestComp\n"
                              "  end\n"
                              "end\n");
        ADD_FAILURE() << "the failing Loaded was not raised";
    } catch (const Exception& e) {
        EXPECT_STREQ("Loaded of A failed", e.what());
    }
    EXPECT_EQ((std::vector<std::string>{"Form", "A", "B"}), Log());
    EXPECT_FALSE(Comp("B")->IsLoading());
}

TEST_F(ReaderWriterTest, NestedComponentsGetTheirEnclosingComponentAsParentAndTheRootAsOwner) {
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  object Panel1: TTestComp\n"
                          "    object Inner: TTestComp\n"
                          "      object Deep: TTestComp\n"
                          "      end\n"
                          "    end\n"
                          "    object Second: TTestComp\n"
                          "    end\n"
                          "  end\n"
                          "  object Free: TTestComp\n"
                          "  end\n"
                          "end\n");
    ASSERT_EQ(5, form->ComponentCount());
    for (int i = 0; i < form->ComponentCount(); ++i)
        EXPECT_EQ(form, form->Components(i)->Owner());
    EXPECT_EQ(Comp("Panel1"), form->Panel1);
    EXPECT_EQ(nullptr, Comp("Panel1")->ParentComp());
    EXPECT_EQ(Comp("Panel1"), Comp("Inner")->ParentComp());
    EXPECT_EQ(Comp("Inner"), Comp("Deep")->ParentComp());
    EXPECT_EQ(Comp("Panel1"), Comp("Second")->ParentComp());
    EXPECT_EQ(nullptr, Comp("Free")->ParentComp());
}

TEST_F(ReaderWriterTest, EventsBindToTheRootsPublishedHandlersByName) {
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  object Button1: TTestComp\n"
                          "    OnClick = btnclick\n"
                          "    Buttons = <\n"
                          "      item\n"
                          "        OnPick = ItemPick\n"
                          "      end>\n"
                          "  end\n"
                          "end\n");
    TTestComp* b = Comp("Button1");
    b->OnClick(b);
    static_cast<TTestItem*>(b->Buttons()->Items(0))->OnPick(b);
    EXPECT_EQ((std::vector<std::string>{"BtnClick:Button1", "ItemPick"}), form->calls);
    EXPECT_EQ(form, b->OnClick.Target());
    EXPECT_EQ("BtnClick", b->OnClick.HandlerName());
}

TEST_F(ReaderWriterTest, CollectionsAreReadIntoTheExistingCollectionReplacingItsItems) {
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  object Target: TTestComp\n"
                          "    Buttons = <\n"
                          "      item\n"
                          "        Caption = '&Continue'\n"
                          "        Size = 128\n"
                          "        Target = Other\n"
                          "      end\n"
                          "      item\n"
                          "        Caption = 'Close'\n"
                          "      end>\n"
                          "    Entries = <\n"
                          "      item\n"
                          "        Caption = 'History'\n"
                          "        Target = Target\n"
                          "      end>\n"
                          "  end\n"
                          "  object Other: TTestComp\n"
                          "    Buttons = <>\n"
                          "  end\n"
                          "end\n");
    TTestComp* t = Comp("Target");
    ASSERT_EQ(2, t->Buttons()->Count());
    auto* first = static_cast<TTestItem*>(t->Buttons()->Items(0));
    EXPECT_EQ("&Continue", first->Caption());
    EXPECT_EQ(128, first->Size());
    EXPECT_EQ(Comp("Other"), first->Target());
    EXPECT_EQ("Close", static_cast<TTestItem*>(t->Buttons()->Items(1))->Caption());
    ASSERT_EQ(1, t->Entries().Count());
    EXPECT_EQ(t, static_cast<TTestItem*>(t->Entries().Items(0))->Target());
    EXPECT_EQ(0, Comp("Other")->Buttons()->Count());
}

TEST_F(ReaderWriterTest, AReferenceInAnItemThatIsReadAgainIsDroppedWithTheItem) {
    // The second Buttons value frees the first value's items before their
    // references are resolved.
    ReadComponentFromText(*form,
                          "object Form: TTestForm\n"
                          "  object A: TTestComp\n"
                          "    Buttons = <\n"
                          "      item\n"
                          "        Target = A\n"
                          "      end>\n"
                          "    Buttons = <\n"
                          "      item\n"
                          "        Caption = 'again'\n"
                          "      end>\n"
                          "  end\n"
                          "end\n");
    ASSERT_EQ(1, Comp("A")->Buttons()->Count());
    EXPECT_EQ(nullptr, static_cast<TTestItem*>(Comp("A")->Buttons()->Items(0))->Target());
}

struct ErrorCase {
    const char* description;
    const char* text;
    const char* expected;  // part of the message, after "Line N: "
    int line;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ErrorCase& c, std::ostream* out) {
    *out << c.description;
}

class ReaderErrorTest : public ReaderWriterTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ReaderErrorTest, ReportsTheLineAndWhatFailed) {
    const ErrorCase& c = GetParam();
    try {
        ReadComponentFromText(*form, c.text);
        ADD_FAILURE() << "no error for " << c.description;
    } catch (const EClassNotFound&) {
        ADD_FAILURE() << "class error for " << c.description;
    } catch (const EReadError& e) {
        std::string message = e.what();
        std::string prefix = "Line " + std::to_string(c.line) + ": ";
        EXPECT_EQ(prefix, message.substr(0, prefix.size())) << message;
        EXPECT_NE(std::string::npos, message.find(c.expected)) << message;
    }
    // Whatever was created stays owned by the root and is no longer marked
    // as being read.
    for (int i = 0; i < form->ComponentCount(); ++i) {
        EXPECT_FALSE(form->Components(i)->IsReading());
        EXPECT_EQ(form, form->Components(i)->Owner());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderErrorTest,
    ::testing::Values(
        ErrorCase{"unknown property", "object Form: TTestForm\n  Bogus = 1\nend\n",
                  "Error reading Form.Bogus: Property Bogus does not exist", 2},
        ErrorCase{"unknown sub-property",
                  "object Form: TTestForm\n  object A: TTestComp\n    Font.Size = 3\n  end\nend\n",
                  "Error reading A.Font.Size: Property Size does not exist", 3},
        ErrorCase{"path through a non-object",
                  "object Form: TTestForm\n  object A: TTestComp\n    Count.X = 3\n  end\nend\n",
                  "Property Count has no object", 3},
        ErrorCase{"bad enumeration name",
                  "object Form: TTestForm\n  object A: TTestComp\n    Align = alLeft\n  end\nend\n",
                  "Invalid property value alLeft", 3},
        ErrorCase{"integer for a Boolean",
                  "object Form: TTestForm\n  object A: TTestComp\n    Enabled = 1\n  end\nend\n",
                  "Expected an identifier but found number 1", 3},
        ErrorCase{"bad set element",
                  "object Form: TTestForm\n  object A: TTestComp\n    Options = [toFirst,\n"
                  "      toFourth]\n  end\nend\n",
                  "Invalid property element toFourth", 4},
        ErrorCase{"string for an integer",
                  "object Form: TTestForm\n  object A: TTestComp\n    Count = '3'\n  end\nend\n",
                  "Expected an integer but found string", 3},
        ErrorCase{"integer out of 32 bits",
                  "object Form: TTestForm\n  object A: TTestComp\n    Count = 8589934592\n"
                  "  end\nend\n",
                  "out of range", 3},
        ErrorCase{"unknown colour name",
                  "object Form: TTestForm\n  object A: TTestComp\n    Color = clBlue\n  end\nend\n",
                  "Invalid property value clBlue", 3},
        ErrorCase{"unterminated string",
                  "object Form: TTestForm\n  object A: TTestComp\n    Caption = 'abc\n  end\nend\n",
                  "Unterminated string", 3},
        ErrorCase{"lone surrogate",
                  "object Form: TTestForm\n  object A: TTestComp\n    Caption = #55357'x'\n"
                  "  end\nend\n",
                  "Invalid character code", 3},
        ErrorCase{"missing equals sign",
                  "object Form: TTestForm\n  object A: TTestComp\n    Caption 'x'\n  end\nend\n",
                  "Expected '=' but found string", 3},
        ErrorCase{"unknown handler",
                  "object Form: TTestForm\n  object A: TTestComp\n\n    OnClick = NoSuch\n"
                  "  end\nend\n",
                  "Error reading A.OnClick: Handler NoSuch not found in TTestForm", 4},
        ErrorCase{"handler of another signature",
                  "object Form: TTestForm\n  object A: TTestComp\n    OnClick = CheckIt\n"
                  "  end\nend\n",
                  "Handler CheckIt does not fit OnClick", 3},
        ErrorCase{"unknown component reference",
                  "object Form: TTestForm\n  object A: TTestComp\n    Peer = Nobody\n"
                  "  end\nend\n",
                  "Error reading A.Peer: Component Nobody not found", 3},
        ErrorCase{"reference of the wrong class",
                  "object Form: TTestForm\n  object A: TTestComp\n    Peer = O\n  end\n"
                  "  object O: TOtherComp\n  end\nend\n",
                  "Component O is a TOtherComp, not a TTestComp", 3},
        ErrorCase{"unknown property in an item",
                  "object Form: TTestForm\n  object A: TTestComp\n    Buttons = <\n      item\n"
                  "        Width = 3\n      end>\n  end\nend\n",
                  "Error reading A.Buttons[0].Width: Property Width does not exist", 5},
        ErrorCase{"odd binary data",
                  "object Form: TTestForm\n  object A: TTestComp\n    Data = {\n      ABC}\n"
                  "  end\nend\n",
                  "odd number of digits", 4},
        ErrorCase{"duplicate component name",
                  "object Form: TTestForm\n  object A: TTestComp\n  end\n  object a: TTestComp\n"
                  "  end\nend\n",
                  "A component named a already exists", 4},
        ErrorCase{"field of another class",
                  "object Form: TTestForm\n  object Wrong: TTestComp\n  end\nend\n",
                  "Field Wrong of TTestForm is a TOtherComp, not a TTestComp", 2},
        ErrorCase{"root of another class", "object Form: TTestComp\nend\n",
                  "Description of a TTestComp cannot be read into a TTestForm", 1},
        ErrorCase{"text after the root's end", "object Form: TTestForm\nend\nobject\n",
                  "Expected end of text but found 'object'", 3},
        ErrorCase{"missing end", "object Form: TTestForm\n  object A: TTestComp\n",
                  "Expected a property, 'object' or 'end' but found end of text", 3},
        ErrorCase{"invalid character", "object Form: TTestForm\n  Tag = 1;\nend\n",
                  "Invalid character ';'", 2}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) {
        std::string name = info.param.description;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        }
        return name;
    });

TEST_F(ReaderWriterTest, AnUnknownClassRaisesClassNotFoundWithItsLine) {
    try {
        ReadComponentFromText(*form,
                              "object Form: TTestForm\n  object A: TTestComp\n  end\n"
                              "  object B: TNoSuchClass\n  end\nend\n");
        ADD_FAILURE() << "no error";
    } catch (const EClassNotFound& e) {
        EXPECT_STREQ("Line 4: Class TNoSuchClass not found", e.what());
    }
    // The component read before the error stays owned by the root.
    ASSERT_EQ(1, form->ComponentCount());
    EXPECT_EQ("A", form->Components(0)->Name());
    EXPECT_TRUE(Log().empty());  // no Loaded after a failed read
}

TEST_F(ReaderWriterTest, DefaultsAreNotWritten) {
    auto* plain = new TTestComp(form);
    plain->SetName("Plain");
    form->SetName("Form");
    EXPECT_EQ(
        "object Form: TTestForm\n"
        "  object Plain: TTestComp\n"
        "  end\n"
        "end\n",
        ComponentToText(*form));
    // A value back at its default is left out again.
    plain->SetCount(3);
    plain->SetCount(0);
    plain->SetCaption("x");
    plain->SetCaption("");
    plain->Lines()->Add("line");
    plain->Lines()->Clear();
    EXPECT_EQ(
        "object Form: TTestForm\n"
        "  object Plain: TTestComp\n"
        "  end\n"
        "end\n",
        ComponentToText(*form));
}

// Every kind of value as the writer lays it out.
const char kFull[] =
    "object Form: TTestForm\n"
    "  Tag = 3\n"
    "  object Button1: TTestComp\n"
    "    Caption = 'Line one'#13#10'It''s '#9'tabbed \xC3\x84rger'\n"
    "    Count = -11\n"
    "    Enabled = False\n"
    "    Align = alTop\n"
    "    Options = []\n"
    "    Color = clRed\n"
    "    Peer = Panel1\n"
    "    Font.Height = -11\n"
    "    Font.Name = 'MS Sans Serif'\n"
    "    Lines.Strings = (\n"
    "      'English'\n"
    "      ''\n"
    "      'Deutsch')\n"
    "    Buttons = <\n"
    "      item\n"
    "        Caption = '&Continue'\n"
    "        Size = 128\n"
    "        Target = Form\n"
    "        OnPick = ItemPick\n"
    "      end\n"
    "      item\n"
    "        Caption = 'Close'\n"
    "      end>\n"
    "    OnClick = BtnClick\n"
    "    Entries = <\n"
    "      item\n"
    "        Target = Button1\n"
    "      end>\n"
    "    Data = {\n"
    "      000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F\n"
    "      20FF}\n"
    "    Ratio = 0.1\n"
    "  end\n"
    "  object Panel1: TTestComp\n"
    "    Caption = 'A long caption that goes on and on, well past the length of one' +\n"
    "      ' piece'\n"
    "    Options = [toFirst, toThird]\n"
    "    object Inner: TTestComp\n"
    "      Count = 2147483647\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST_F(ReaderWriterTest, WritesWhatItReadsAndReadsWhatItWrites) {
    ReadComponentFromText(*form, kFull);
    std::string written = ComponentToText(*form);
    EXPECT_EQ(kFull, written);

    // The written text reads into a fresh root with the same state.
    TTestForm* copy = new TTestForm(nullptr);
    ReadComponentFromText(*copy, written);
    EXPECT_EQ(written, ComponentToText(*copy));
    auto* b = dynamic_cast<TTestComp*>(copy->FindComponent("Button1"));
    ASSERT_NE(nullptr, b);
    EXPECT_EQ(copy->FindComponent("Panel1"), b->Peer());
    EXPECT_EQ(copy, static_cast<TTestItem*>(b->Buttons()->Items(0))->Target());
    EXPECT_EQ(copy->FindComponent("Panel1"),
              dynamic_cast<TTestComp*>(copy->FindComponent("Inner"))->ParentComp());
    FreeComponent(copy);
}

TEST_F(ReaderWriterTest, StringsSurviveTheRoundTrip) {
    const std::vector<std::string> values = {
        "'",
        "''quoted''",
        std::string("nul\0inside", 10),
        "\r\n\r\n",
        "trailing #",
        "Schlie\xC3\x9F"
        "en",
        std::string(200, 'x'),
        std::string(63, 'y') + "\xC3\xA4\xC3\xA4" + "z",  // a break never splits a character
    };
    for (const std::string& value : values) {
        TTestForm* source = new TTestForm(nullptr);
        source->SetName("Form");
        auto* comp = new TTestComp(source);
        comp->SetName("A");
        comp->SetCaption(value);
        std::string text = ComponentToText(*source);
        TTestForm* target = new TTestForm(nullptr);
        ReadComponentFromText(*target, text);
        auto* read = dynamic_cast<TTestComp*>(target->FindComponent("A"));
        ASSERT_NE(nullptr, read) << text;
        EXPECT_EQ(value, read->Caption()) << text;
        FreeComponent(source);
        FreeComponent(target);
    }
}

TEST_F(ReaderWriterTest, HandlerBoundInCodeWithoutANameIsNotWritten) {
    form->SetName("Form");
    auto* a = new TTestComp(form);
    a->SetName("A");
    a->OnClick = [](TObject*) {};
    EXPECT_EQ(std::string::npos, ComponentToText(*form).find("OnClick"));
    a->OnClick.Bind(form, &TTestForm::BtnClick, "BtnClick");
    EXPECT_NE(std::string::npos, ComponentToText(*form).find("    OnClick = BtnClick\n"));
}

TEST(FormResourcesTest, FindsDescriptionsByClassNameWithoutRegardToCase) {
    RegisterFormDescription("TFormResourcesProbe", "object A: TFormResourcesProbe\nend\n");
    const std::string* found = FindFormDescription("tformresourcesPROBE");
    ASSERT_NE(nullptr, found);
    EXPECT_EQ("object A: TFormResourcesProbe\nend\n", *found);
    RegisterFormDescription("TFORMRESOURCESPROBE", "object B: TFormResourcesProbe\nend\n");
    EXPECT_EQ("object B: TFormResourcesProbe\nend\n", *FindFormDescription("TFormResourcesProbe"));
    EXPECT_EQ(nullptr, FindFormDescription("TNotRegisteredAnywhere"));
}

}  // namespace
