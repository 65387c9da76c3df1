#include "platform/controls/CheckBox.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/sim/UserInput.h"

namespace {

struct CheckBoxFixture : ::testing::Test {
    SimApp sim;
    TForm* form = NewForm();
    TCheckBox* box = nullptr;
    std::vector<TCheckBoxState> clicks;  // the state each OnClick saw
    sim::UserInput input;

    void SetUp() override {
        box = new TCheckBox(form);
        box->SetParent(form);
        box->OnClick = [this](TObject*) { clicks.push_back(box->State()); };
        form->Show();
    }
};

TEST_F(CheckBoxFixture, AUserClickTogglesFirstAndThenFiresOnClick) {
    EXPECT_TRUE(input.Click(box));
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(input.Click(box));
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, (std::vector<TCheckBoxState>{cbChecked, cbUnchecked}));
}

TEST_F(CheckBoxFixture, SettingTheStateInCodeFiresNoOnClick) {
    box->SetChecked(true);
    box->SetState(cbGrayed);
    box->SetChecked(false);
    EXPECT_TRUE(clicks.empty());
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxFixture, AllowGrayedAddsTheGrayedStepToTheCycle) {
    box->SetAllowGrayed(true);
    for (int i = 0; i < 4; ++i)
        input.Click(box);
    EXPECT_EQ(clicks, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked, cbGrayed}));
    EXPECT_FALSE(box->Checked());  // grayed is not checked
}

TEST_F(CheckBoxFixture, SpaceOnTheFocusedBoxClicksIt) {
    EXPECT_TRUE(input.PressKey(box, ' '));
    EXPECT_EQ(clicks, (std::vector<TCheckBoxState>{cbChecked}));
}

TEST(CheckBoxPeer, TheNativeBoxShowsWhatTheControlDecided) {
    PeerApp app;
    TForm* form = NewForm();
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetCaption("Box");
    box->SetChecked(true);
    form->Show();
    EXPECT_TRUE(app.machine.windowing_.peers.back()->Checked());
    box->PeerClicked();  // BN_CLICKED from the native button
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(app.machine.windowing_.peers.back()->Checked());
}

}  // namespace
