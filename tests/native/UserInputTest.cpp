#include "platform/sim/UserInput.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/GroupBox.h"

namespace {

struct InputFixture : ::testing::Test {
    SimApp sim;
    TForm* form = NewForm();
    TCheckBox* first = nullptr;
    TGroupBox* group = nullptr;
    TCheckBox* box = nullptr;
    TComboBox* combo = nullptr;
    std::vector<std::string> events;
    sim::UserInput input;

    void SetUp() override {
        first = new TCheckBox(form);
        first->SetParent(form);
        group = new TGroupBox(form);
        group->SetParent(form);
        box = new TCheckBox(form);
        box->SetParent(group);
        box->OnClick = [this](TObject*) { events.push_back("click"); };
        box->OnEnter = [this](TObject*) { events.push_back("enter box"); };
        combo = new TComboBox(group);
        combo->SetParent(group);
        combo->Items()->Add("English");
        combo->OnChange = [this](TObject*) { events.push_back("change"); };
        combo->OnDropDown = [this](TObject*) { events.push_back("drop down"); };
        first->OnExit = [this](TObject*) { events.push_back("exit first"); };
    }

    // Tries every action on the box and the combo box; all must be refused.
    void ExpectEverythingRefused() {
        EXPECT_FALSE(sim::UserInput::CanTakeInput(box));
        EXPECT_FALSE(input.Click(box));
        EXPECT_FALSE(input.Focus(box));
        EXPECT_FALSE(input.PressKey(box, ' '));
        EXPECT_FALSE(input.TypeText(combo, "x"));
        EXPECT_FALSE(input.DropDown(combo));
        EXPECT_FALSE(input.Pick(combo, 0));
        EXPECT_FALSE(box->Checked());
        EXPECT_EQ(combo->Text(), "");
        EXPECT_TRUE(events.empty()) << ::testing::PrintToString(events);
    }
};

TEST_F(InputFixture, NothingReachesAControlOfAFormThatIsNotShown) {
    ExpectEverythingRefused();
    EXPECT_FALSE(input.RequestClose(form));
}

TEST_F(InputFixture, NothingReachesAHiddenOrDisabledControlOrOneInsideADisabledParent) {
    form->Show();
    events.clear();
    struct Case {
        const char* what;
        std::function<void(bool)> apply;  // true makes the control unreachable
    };
    const Case cases[] = {
        {"hidden",
         [&](bool on) {
             box->SetVisible(!on);
             combo->SetVisible(!on);
         }},
        {"disabled",
         [&](bool on) {
             box->SetEnabled(!on);
             combo->SetEnabled(!on);
         }},
        {"parent disabled", [&](bool on) { group->SetEnabled(!on); }},
        {"parent hidden", [&](bool on) { group->SetVisible(!on); }},
        {"form disabled", [&](bool on) { form->SetEnabled(!on); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.apply(true);
        events.clear();
        ExpectEverythingRefused();
        c.apply(false);
        EXPECT_TRUE(sim::UserInput::CanTakeInput(box));
    }
    EXPECT_FALSE(input.Click(nullptr));
}

TEST_F(InputFixture, AClickMovesTheFocusFirstAsTheMousePressDoes) {
    form->Show();
    ASSERT_TRUE(first->Focused());
    events.clear();
    EXPECT_TRUE(input.Click(box));
    EXPECT_EQ(events, (std::vector<std::string>{"exit first", "enter box", "click"}));
    EXPECT_TRUE(box->Focused());
    EXPECT_TRUE(input.Click(group));  // a group box hears the click but takes no focus
    EXPECT_TRUE(box->Focused());
}

}  // namespace
