// The language component and its combo box.
#include "runtime/Vocalith.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/Label.h"
#include "platform/core/Exceptions.h"
#include "platform/sim/UserInput.h"
#include "platform/stream/Reader.h"
#include "runtime/ButtonPanel.h"
#include "runtime/RuntimeClasses.h"
#include "runtime/VocalithComboBox.h"

namespace {

class TLangForm : public TForm {
    PF_CLASS(TLangForm)
  public:
    explicit TLangForm(TComponent* owner) : TForm(owner) {}
    void Changed(TObject*) { changes.push_back(Vocalith->Language() + ":" + Title->Caption()); }

    TVocalith* Vocalith = nullptr;
    TLabel* Title = nullptr;
    TButtonPanel* Bar = nullptr;
    TVocalithComboBox* Box = nullptr;
    std::vector<std::string> changes;
};

const TClassType& TLangForm::StaticClass() {
    static const TClassType type = TClassType::Define<TLangForm, TForm>("TLangForm")
                                       .Field(PublishedField("Vocalith", &TLangForm::Vocalith))
                                       .Field(PublishedField("Title", &TLangForm::Title))
                                       .Field(PublishedField("Bar", &TLangForm::Bar))
                                       .Field(PublishedField("Box", &TLangForm::Box))
                                       .Method(PublishedMethod("Changed", &TLangForm::Changed));
    return type;
}

const char kDescription[] = R"(object LangForm: TLangForm
  Caption = 'Hello'
  object Title: TLabel
    Caption = 'Language:'
  end
  object Bar: TButtonPanel
    Buttons = <
      item
        Caption = 'Close'
      end>
  end
  object Box: TVocalithComboBox
    Vocalith = Vocalith
  end
  object Vocalith: TVocalith
    Languages.Strings = (
      'English'
      'Deutsch')
    Language = 'English'
    Resources = <
      item
        Key = 'Greeting'
        Texts.Strings = (
          'Hello %s'
          'Hallo %s')
      end
      item
        Key = 'EnglishOnly'
        Texts.Strings = (
          'Only English')
      end>
    Translations = <
      item
        Component = Title
        Path = 'Caption'
        Texts.Strings = (
          'Language:'
          'Sprache:')
      end
      item
        Component = Bar
        Path = 'Buttons[0].Caption'
        Texts.Strings = (
          'Close'
          'Schließen')
      end
      item
        Component = LangForm
        Path = 'Caption'
        Texts.Strings = (
          'Hello'
          'Hallo')
      end>
    OnChange = Changed
  end
end
)";

class VocalithTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegisterRuntimeClasses();
        form = new TLangForm(Application);
        ReadComponentFromText(*form, kDescription);
        form->Show();
    }
    SimApp sim;
    sim::UserInput user;
    TLangForm* form = nullptr;
};

TEST_F(VocalithTest, ASwitchRetextsTheTablesThenFiresOnChange) {
    TVocalith& v = *form->Vocalith;
    EXPECT_EQ(v.Language(), "English");
    EXPECT_EQ(v.GetString("Greeting"), "Hello %s");

    v.SetLanguage("deutsch");  // names match without regard to case
    EXPECT_EQ(v.Language(), "Deutsch");
    EXPECT_EQ(form->Title->Caption(), "Sprache:");
    EXPECT_EQ(form->Bar->Buttons()->GetItem(0)->Button()->Caption(), "Schließen");
    EXPECT_EQ(form->Caption(), "Hallo");
    EXPECT_EQ(v.GetString("Greeting"), "Hallo %s");
    // A key without a text in the current language falls back to the last one it has.
    EXPECT_EQ(v.GetString("EnglishOnly"), "Only English");
    // OnChange came after the texts had changed.
    EXPECT_EQ(form->changes, std::vector<std::string>{"Deutsch:Sprache:"});

    v.SetLanguage("Deutsch");  // no change, no event
    EXPECT_EQ(form->changes.size(), 1u);
}

TEST_F(VocalithTest, UnknownLanguagesAndKeysAreRefused) {
    TVocalith& v = *form->Vocalith;
    EXPECT_THROW(v.SetLanguage("Klingon"), EPropertyError);
    EXPECT_EQ(v.Language(), "English");
    EXPECT_THROW(v.GetString("NoSuchKey"), EPropertyError);
    EXPECT_TRUE(form->changes.empty());
}

TEST_F(VocalithTest, TheComboBoxSwitchesAndFollowsTheLanguage) {
    TVocalithComboBox& box = *form->Box;
    ASSERT_EQ(box.Items()->Count(), 2);
    EXPECT_EQ(box.Style(), csDropDownList);
    EXPECT_EQ(box.ItemIndex(), 0);

    ASSERT_TRUE(user.Pick(&box, 1));
    EXPECT_EQ(form->Vocalith->Language(), "Deutsch");
    EXPECT_EQ(form->Title->Caption(), "Sprache:");

    form->Vocalith->SetLanguage("English");  // a switch made elsewhere
    EXPECT_EQ(box.ItemIndex(), 0);
    EXPECT_EQ(box.Text(), "English");

    // Freeing the component leaves the box without one, not dangling.
    DeleteClass(form->Vocalith);
    EXPECT_EQ(box.Vocalith(), nullptr);
    ASSERT_TRUE(user.Pick(&box, 1));
}

TEST(VocalithClients, AComboBoxOwnedElsewhereForgetsAFreedComponent) {
    SimApp sim;
    RegisterRuntimeClasses();
    TForm* form = NewForm();
    auto* box = new TVocalithComboBox(form);
    box->SetParent(form);
    auto* vocalith = new TVocalith(nullptr);  // no common owner to send notifications
    vocalith->Languages()->Add("English");
    box->SetVocalith(vocalith);
    EXPECT_EQ(box->Items()->Count(), 1);
    DeleteClass(vocalith);
    EXPECT_EQ(box->Vocalith(), nullptr);
}

TEST(VocalithPaths, SetStringPropertyByPathWalksSubObjectsAndItems) {
    SimApp sim;
    RegisterRuntimeClasses();
    TForm* form = NewForm();
    auto* bar = new TButtonPanel(form);
    bar->SetParent(form);
    bar->Buttons()->Add();
    bar->Buttons()->Add();
    SetStringPropertyByPath(*bar, "Buttons[1].Caption", "Second");
    EXPECT_EQ(bar->Buttons()->GetItem(1)->Caption(), "Second");
    SetStringPropertyByPath(*bar, "Font.Name", "Arial");
    EXPECT_EQ(bar->Font()->Name(), "Arial");

    const char* bad[] = {"NoSuch",       "Buttons[2].Caption", "Buttons[x].Caption",
                         "Caption.Name", "Buttons[0]",         "Font"};
    for (const char* path : bad) {
        EXPECT_ANY_THROW(SetStringPropertyByPath(*bar, path, "x")) << path;
    }
}

}  // namespace
