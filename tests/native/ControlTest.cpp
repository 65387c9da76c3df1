#include "platform/controls/Control.h"

#include <gtest/gtest.h>

#include <functional>

#include "ControlTestSupport.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/SpeedButton.h"
#include "platform/stream/Writer.h"

namespace {

using Factory = std::function<TComponent*(TForm*)>;

template <class T>
Factory Make() {
    return [](TForm* form) -> TComponent* {
        T* c = new T(form);
        if constexpr (std::is_base_of_v<TControl, T>)
            c->SetParent(form);
        return c;
    };
}

struct ClassCase {
    const char* name;
    Factory make;
};

const ClassCase kClasses[] = {
    {"TPanel", Make<TPanel>()},
    {"TGroupBox", Make<TGroupBox>()},
    {"TLabel", Make<TLabel>()},
    {"TCheckBox", Make<TCheckBox>()},
    {"TRadioButton", Make<TRadioButton>()},
    {"TButton", Make<TButton>()},
    {"TBitBtn", Make<TBitBtn>()},
    {"TSpeedButton", Make<TSpeedButton>()},
    {"TComboBox", Make<TComboBox>()},
    {"TRichEdit", Make<TRichEdit>()},
    {"TOpenDialog", Make<TOpenDialog>()},
    {"TSaveDialog", Make<TSaveDialog>()},
};

// A new object must hold every declared default, or a description written
// from it would store values nobody set (and one read would miss them).
TEST(ControlDefaults, EveryDeclaredDefaultIsWhatTheConstructorSets) {
    SimApp sim;
    TForm* form = NewForm();
    auto check = [](const TComponent& object, const std::string& className) {
        EXPECT_EQ(object.ClassName(), className);
        for (const TPropInfo* prop : object.ClassType().Properties()) {
            if (!prop->IsOrdinal() || !prop->defaultOrd || prop->name == "TabOrder")
                continue;
            EXPECT_EQ(prop->getOrd(object), *prop->defaultOrd) << className << "." << prop->name;
        }
    };
    check(*form, "TForm");
    for (const ClassCase& c : kClasses)
        check(*c.make(form), c.name);
}

TEST(ControlDefaults, SizesFocusAndColoursOfEachClass) {
    SimApp sim;
    TForm* form = NewForm();
    struct Expected {
        const char* name;
        int width, height;
        bool tabStop;  // for the windowed ones
        TColor color;
        bool parentColor;
    };
    const Expected table[] = {
        {"TPanel", 185, 41, false, clBtnFace, false},
        {"TGroupBox", 185, 105, false, clBtnFace, true},
        {"TLabel", 65, 17, false, clBtnFace, true},
        {"TCheckBox", 97, 17, true, clBtnFace, true},
        {"TRadioButton", 113, 17, false, clBtnFace, true},
        {"TButton", 75, 25, true, clBtnFace, true},
        {"TBitBtn", 75, 25, true, clBtnFace, true},
        {"TSpeedButton", 23, 22, false, clBtnFace, true},
        {"TComboBox", 145, 21, true, clWindow, false},
        {"TRichEdit", 185, 89, true, clWindow, false},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        auto* c = dynamic_cast<TControl*>(GetClass(e.name).Create(form));
        ASSERT_NE(c, nullptr);
        c->SetParent(form);
        EXPECT_EQ(c->Width(), e.width);
        EXPECT_EQ(c->Height(), e.height);
        EXPECT_EQ(c->Color(), e.color);
        EXPECT_EQ(c->ParentColor(), e.parentColor);
        EXPECT_TRUE(c->Enabled());
        EXPECT_TRUE(c->Visible());
        EXPECT_EQ(c->Align(), alNone);
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            EXPECT_EQ(w->TabStop(), e.tabStop);
        }
    }
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font()->Height(), -11);
    EXPECT_FALSE(form->Visible());
}

TEST(ControlDefaults, AFreshControlWritesOnlyItsPlaceAndCaption) {
    SimApp sim;
    TForm* form = NewForm();
    form->SetName("Probe");
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetName("Box");
    std::string text = ComponentToText(*form);
    std::size_t at = text.find("object Box: TCheckBox");
    ASSERT_NE(at, std::string::npos) << text;
    std::string block = text.substr(at, text.find("end", at) - at);
    for (const char* stored :
         {"Left = 0", "Top = 0", "Width = 97", "Height = 17", "Caption = 'Box'", "TabOrder = 0"}) {
        EXPECT_NE(block.find(stored), std::string::npos) << stored << " in\n" << block;
    }
    for (const char* notStored : {"Checked", "State", "Color", "Font", "Enabled", "Visible"}) {
        EXPECT_EQ(block.find(notStored), std::string::npos) << notStored << " in\n" << block;
    }
}

TEST(ControlName, ANamedControlTakesItsNameAsCaptionWhileTheCaptionIsTheName) {
    SimApp sim;
    TForm* form = NewForm();
    auto* box = new TCheckBox(form);
    box->SetName("BtnFolder");
    EXPECT_EQ(box->Caption(), "BtnFolder");
    box->SetName("BtnWindows");
    EXPECT_EQ(box->Caption(), "BtnWindows");
    box->SetCaption("Enabled");
    box->SetName("BtnOther");
    EXPECT_EQ(box->Caption(), "Enabled");

    // Classes without csSetCaption keep their text.
    auto* log = new TRichEdit(form);
    log->SetName("Log");
    EXPECT_EQ(log->Text(), "");
    auto* speed = new TSpeedButton(form);
    speed->SetName("Speed");
    EXPECT_EQ(speed->Caption(), "");
}

// Counts the notifications a control hears.
class CountingPanel : public TPanel {
  public:
    using TPanel::TPanel;
    int enabled = 0, visible = 0, font = 0;

  protected:
    void EnabledChanged() override {
        TPanel::EnabledChanged();
        ++enabled;
    }
    void VisibleChanged() override {
        TPanel::VisibleChanged();
        ++visible;
    }
    void FontChanged() override {
        TPanel::FontChanged();
        ++font;
    }
};

TEST(ControlNotifications, FireOncePerRealChange) {
    SimApp sim;
    TForm* form = NewForm();
    auto* panel = new CountingPanel(form);
    panel->SetParent(form);
    int fontBefore = panel->font;
    panel->SetEnabled(true);
    panel->SetVisible(true);
    panel->Font()->SetHeight(panel->Font()->Height());
    EXPECT_EQ(panel->enabled, 0);
    EXPECT_EQ(panel->visible, 0);
    EXPECT_EQ(panel->font, fontBefore);

    panel->SetEnabled(false);
    panel->SetEnabled(false);
    panel->SetVisible(false);
    panel->Font()->SetStyle(FontStyleBit(fsBold));
    EXPECT_EQ(panel->enabled, 1);
    EXPECT_EQ(panel->visible, 1);
    EXPECT_EQ(panel->font, fontBefore + 1);
}

TEST(ControlParentProperties, FontColourAndHintFollowTheParentUntilSetThemselves) {
    SimApp sim;
    TForm* form = NewForm();
    auto* panel = new CountingPanel(form);
    panel->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(panel);

    form->Font()->SetName("Tahoma");
    EXPECT_EQ(panel->Font()->Name(), "Tahoma");
    EXPECT_EQ(label->Font()->Name(), "Tahoma");
    EXPECT_EQ(panel->font, 1);

    label->Font()->SetHeight(-13);
    EXPECT_FALSE(label->ParentFont());
    form->Font()->SetName("Arial");
    EXPECT_EQ(label->Font()->Name(), "Tahoma");
    label->SetParentFont(true);
    EXPECT_EQ(label->Font()->Name(), "Arial");
    EXPECT_EQ(label->Font()->Height(), -11);

    // The panel has a colour of its own; the label follows the panel.
    panel->SetColor(clYellow);
    EXPECT_EQ(label->Color(), clYellow);
    form->SetColor(clWhite);
    EXPECT_EQ(panel->Color(), clYellow);

    form->SetShowHint(true);
    EXPECT_TRUE(label->ShowHint());
    label->SetShowHint(false);
    EXPECT_FALSE(label->ParentShowHint());
}

TEST(ControlState, EffectivelyEnabledAndShowingLookAtEveryParent) {
    SimApp sim;
    TForm* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* box = new TCheckBox(form);
    box->SetParent(panel);

    EXPECT_TRUE(box->EffectivelyEnabled());
    EXPECT_FALSE(box->Showing());  // the form is not shown
    form->Show();
    EXPECT_TRUE(box->Showing());
    panel->SetEnabled(false);
    EXPECT_FALSE(box->EffectivelyEnabled());
    EXPECT_TRUE(box->Enabled());
    panel->SetEnabled(true);
    form->SetEnabled(false);
    EXPECT_FALSE(box->EffectivelyEnabled());
    panel->SetVisible(false);
    EXPECT_FALSE(box->Showing());
    EXPECT_TRUE(box->Visible());
}

TEST(ControlParent, AControlCannotLieInsideItself) {
    SimApp sim;
    TForm* form = NewForm();
    auto* outer = new TPanel(form);
    outer->SetParent(form);
    auto* inner = new TPanel(form);
    inner->SetParent(outer);
    EXPECT_THROW(outer->SetParent(inner), EInvalidOperation);
    EXPECT_THROW(outer->SetParent(outer), EInvalidOperation);
    EXPECT_EQ(outer->Parent(), form);
}

TEST(ControlDestruction, AParentFreesItsChildrenFirstAndTheOwnerForgetsThem) {
    SimApp sim;
    TForm* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* box = new TCheckBox(form);
    box->SetParent(panel);
    box->SetName("Box");
    form->Show();
    box->SetFocus();
    ASSERT_EQ(form->FocusedControl(), box);

    FreeComponent(panel);
    EXPECT_EQ(form->FindComponent("Box"), nullptr);
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(form->FocusedControl(), nullptr);
    EXPECT_EQ(form->ActiveControl(), nullptr);
}

// ---- native peers ------------------------------------------------------------------

TEST(ControlPeers, MadeWhenTheFormIsShownParentFirstChildrenInTabOrder) {
    PeerApp app;
    TForm* form = NewForm();
    form->SetCaption("Form");
    auto* bar = new TPanel(form);
    bar->SetParent(form);
    bar->SetCaption("Bar");
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Label");
    auto* button = new TButton(form);
    button->SetParent(bar);
    button->SetCaption("Button");
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetCaption("Box");
    box->SetTabOrder(0);

    EXPECT_TRUE(app.Log().empty());
    EXPECT_FALSE(box->HandleAllocated());
    form->Show();
    std::vector<std::string> creates;
    for (const std::string& entry : app.Log()) {
        if (entry.rfind("Create", 0) == 0)
            creates.push_back(entry);
    }
    const std::vector<std::string> expected = {"Create Form", "Create Box in parent",
                                               "Create Bar in parent", "Create Button in parent",
                                               "Create Label in parent"};
    EXPECT_EQ(creates, expected);
    EXPECT_NE(box->Handle(), 0u);
    EXPECT_EQ(form->NativePeer(), app.machine.windowing_.peers[0]);
}

TEST(ControlPeers, ChangesArePushedOnlyOnceThePeerExists) {
    PeerApp app;
    TForm* form = NewForm();
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetCaption("Box");
    box->SetEnabled(false);
    form->Show();
    app.Log().clear();

    box->SetCaption("Other");
    box->SetBounds(1, 2, 3, 4);
    box->SetChecked(true);
    box->SetEnabled(true);
    const std::vector<std::string> expected = {"Box.SetText(Other)", "Box.SetBounds(1,2,3,4)",
                                               "Box.SetChecked(true)", "Box.SetEnabled(true)"};
    EXPECT_EQ(app.Log(), expected);

    // Off its parent the control has no window; back on, it gets a new one.
    app.Log().clear();
    box->SetParent(nullptr);
    EXPECT_FALSE(box->HandleAllocated());
    box->SetCaption("Again");
    box->SetParent(form);
    EXPECT_TRUE(box->HandleAllocated());
    const std::vector<std::string> again = {"Box.Destroy", "Create Again in parent",
                                            "Again.SetChecked(true)"};
    EXPECT_EQ(app.Log(), again);
    FreeComponent(box);
}

}  // namespace
