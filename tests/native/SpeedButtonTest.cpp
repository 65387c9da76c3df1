#include "platform/controls/SpeedButton.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"
#include "platform/sim/UserInput.h"

namespace {

struct SpeedFixture : ::testing::Test {
    SimApp sim;
    TForm* form = NewForm();
    TCheckBox* box = nullptr;
    sim::UserInput input;
    int clicks = 0;

    TSpeedButton* Speed(int group) {
        auto* b = new TSpeedButton(form);
        b->SetParent(form);
        b->SetGroupIndex(group);
        b->OnClick = [this](TObject*) { ++clicks; };
        return b;
    }
    void SetUp() override {
        box = new TCheckBox(form);
        box->SetParent(form);
        form->Show();
    }
};

TEST_F(SpeedFixture, AClickFiresOnClickAndLeavesTheFocusWhereItWas) {
    TSpeedButton* plain = Speed(0);
    ASSERT_TRUE(box->Focused());
    EXPECT_TRUE(input.Click(plain));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box->Focused());
    plain->SetDown(true);  // outside a group a button does not stay down
    EXPECT_FALSE(plain->Down());
}

TEST_F(SpeedFixture, AGroupKeepsOneButtonDownUnlessAllMayBeUp) {
    TSpeedButton* a = Speed(1);
    TSpeedButton* b = Speed(1);
    TSpeedButton* other = Speed(2);
    other->SetDown(true);
    input.Click(a);
    EXPECT_TRUE(a->Down());
    input.Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(other->Down());
    input.Click(b);  // the down button stays down
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    input.Click(b);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(clicks, 4);
}

}  // namespace
