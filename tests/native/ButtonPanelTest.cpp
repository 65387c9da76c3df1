// The button bar: buttons from its collection, their layout and states.
#include "runtime/ButtonPanel.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/sim/UserInput.h"
#include "runtime/Helpers.h"

namespace {

os::Rect BoundsOf(const TControl* c) {
    return {c->Left(), c->Top(), c->Width(), c->Height()};
}

class ButtonPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = NewForm();
        form->SetClientWidth(505);
        form->SetClientHeight(368);
        bar = new TButtonPanel(form);
        bar->SetParent(form);
        bar->SetAlign(alBottom);
        bar->SetHeight(40);
        bar->SetBevelOuter(bvNone);
        bar->SetButtonWidth(128);
        bar->SetButtonHeight(32);
        auto* next = static_cast<TButtonItem*>(bar->Buttons()->Add());
        next->SetCaption("&Continue");
        next->SetKind(bkOK);
        next->OnClick = [this](TObject* sender) { clicks.push_back(sender); };
        auto* close = static_cast<TButtonItem*>(bar->Buttons()->Add());
        close->SetCaption("Close");
        close->SetKind(bkCancel);
        form->Show();
    }
    TButtonItem* Item(int i) { return bar->Buttons()->GetItem(i); }

    SimApp sim;
    sim::UserInput user;
    TForm* form = nullptr;
    TButtonPanel* bar = nullptr;
    std::vector<TObject*> clicks;
};

TEST_F(ButtonPanelTest, ButtonsStandRightAlignedInARow) {
    EXPECT_EQ(BoundsOf(bar), (os::Rect{0, 328, 505, 40}));
    EXPECT_EQ(BoundsOf(Item(0)->Button()), (os::Rect{233, 4, 128, 32}));
    EXPECT_EQ(BoundsOf(Item(1)->Button()), (os::Rect{369, 4, 128, 32}));
    EXPECT_EQ(Item(0)->Button()->Caption(), "&Continue");
    EXPECT_EQ(Item(0)->Button()->Name(), "Button0");
    EXPECT_EQ(Item(1)->Button()->Name(), "Button1");
    EXPECT_LT(Item(0)->Button()->TabOrder(), Item(1)->Button()->TabOrder());
    EXPECT_TRUE(Item(0)->GetBool(TButtonItem::kDefaultIndex));
    EXPECT_TRUE(Item(1)->GetBool(TButtonItem::kCancelIndex));

    bar->SetAlignment(taLeftJustify);
    bar->SetButtonWidth(100);
    EXPECT_EQ(BoundsOf(Item(0)->Button()), (os::Rect{8, 4, 100, 32}));
    EXPECT_EQ(BoundsOf(Item(1)->Button()), (os::Rect{116, 4, 100, 32}));
}

TEST_F(ButtonPanelTest, SetBoolEnablesAndHidesButtons) {
    Item(0)->SetBool(TButtonItem::kEnabledIndex, false);
    EXPECT_FALSE(Item(0)->Button()->Enabled());
    EXPECT_FALSE(user.Click(Item(0)->Button()));
    EXPECT_TRUE(clicks.empty());
    Item(0)->SetBool(TButtonItem::kEnabledIndex, true);
    EXPECT_TRUE(Item(0)->Button()->Enabled());

    // A hidden button takes no place: the other one keeps the right edge.
    Item(0)->SetBool(TButtonItem::kVisibleIndex, false);
    EXPECT_FALSE(Item(0)->Button()->Visible());
    EXPECT_EQ(BoundsOf(Item(1)->Button()), (os::Rect{369, 4, 128, 32}));
    bar->SetAlignment(taLeftJustify);
    EXPECT_EQ(BoundsOf(Item(1)->Button()), (os::Rect{8, 4, 128, 32}));

    EXPECT_THROW(Item(0)->SetBool(4, true), ECriticalError);
    EXPECT_THROW(Item(0)->GetBool(-1), ECriticalError);
}

TEST_F(ButtonPanelTest, AClickReachesTheItemsHandlerWithTheItem) {
    ASSERT_TRUE(user.Click(Item(0)->Button()));
    EXPECT_EQ(clicks, std::vector<TObject*>{Item(0)});
    ASSERT_TRUE(user.Click(Item(1)->Button()));  // no handler: nothing happens
    EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ButtonPanelTest, DeletingAnItemTakesItsButtonAlong) {
    TBitBtn* close = Item(1)->Button();
    int before = bar->ComponentCount();
    bar->Buttons()->Delete(1);
    EXPECT_EQ(bar->ComponentCount(), before - 1);
    EXPECT_EQ(bar->FindComponent("Button1"), nullptr);
    (void)close;
    bar->Buttons()->Add();
    EXPECT_NE(bar->Buttons()->GetItem(1)->Button(), nullptr);
}

TEST_F(ButtonPanelTest, AButtonFreedElsewhereIsForgottenByItsItem) {
    TBitBtn* close = Item(1)->Button();
    DeleteClass(close);
    EXPECT_EQ(Item(1)->Button(), nullptr);
    bar->SetButtonWidth(100);  // lays out without the freed button
    EXPECT_EQ(BoundsOf(Item(0)->Button()), (os::Rect{397, 4, 100, 32}));
    bar->Buttons()->Delete(1);  // and the item does not free it again
    EXPECT_EQ(bar->Buttons()->Count(), 1);
}

}  // namespace
