#include "platform/controls/RadioButton.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/GroupBox.h"
#include "platform/sim/UserInput.h"

namespace {

struct RadioFixture : ::testing::Test {
    SimApp sim;
    TForm* form = NewForm();
    TGroupBox* group = nullptr;
    TRadioButton* install = nullptr;
    TRadioButton* uninstall = nullptr;
    TRadioButton* elsewhere = nullptr;  // same form, other parent: no partner
    std::vector<std::string> log;
    sim::UserInput input;

    TRadioButton* Radio(TWinControl* parent, const std::string& name) {
        auto* r = new TRadioButton(form);
        r->SetParent(parent);
        r->SetName(name);
        r->OnClick = [this, r](TObject*) {
            log.push_back("click " + r->Name() + (install->Checked() ? ", install" : "") +
                          (uninstall->Checked() ? ", uninstall" : ""));
        };
        return r;
    }

    void SetUp() override {
        group = new TGroupBox(form);
        group->SetParent(form);
        install = Radio(group, "Install");
        uninstall = Radio(group, "Uninstall");
        elsewhere = Radio(form, "Elsewhere");
        install->SetChecked(true);
        elsewhere->SetChecked(true);
        form->Show();
    }
};

TEST_F(RadioFixture, AClickChecksTheButtonAfterUncheckingItsPartnersThenFiresOnClick) {
    EXPECT_TRUE(input.Click(uninstall));
    EXPECT_EQ(log, (std::vector<std::string>{"click Uninstall, uninstall"}));
    EXPECT_FALSE(install->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    // Only the checked button of the group is a tab stop.
    EXPECT_TRUE(uninstall->TabStop());
    EXPECT_FALSE(install->TabStop());
}

TEST_F(RadioFixture, AClickOnTheCheckedButtonDoesNothing) {
    EXPECT_TRUE(input.Click(install));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(install->Checked());
}

TEST_F(RadioFixture, CheckingInCodeUnchecksThePartnersWithoutOnClick) {
    uninstall->SetChecked(true);
    EXPECT_FALSE(install->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    uninstall->SetChecked(false);  // unchecking leaves the group with none
    EXPECT_FALSE(install->Checked());
    EXPECT_TRUE(log.empty());
}

}  // namespace
