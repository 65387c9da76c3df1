// The form base's window-state text.
#include "runtime/SuperForm.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"

namespace {

TEST(SuperForm, TheWindowStateTextRoundTrips) {
    SimApp sim;
    auto* form = new TSuperForm(Application);
    form->SetBounds(192, 107, 511, 393);
    EXPECT_EQ(form->GetWindowStateData(), "192,107,511,393");

    auto* other = new TSuperForm(Application);
    ASSERT_TRUE(other->SetWindowStateData("192,107,511,393"));
    EXPECT_EQ(other->GetWindowStateData(), "192,107,511,393");
}

TEST(SuperForm, ADialogTakesOnlyThePositionAndBadTextsChangeNothing) {
    SimApp sim;
    auto* form = new TSuperForm(Application);
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(505);
    form->SetClientHeight(368);
    form->SetBounds(10, 20, form->Width(), form->Height());
    ASSERT_TRUE(form->SetWindowStateData("100,50,900,900"));
    EXPECT_EQ(form->GetWindowStateData(), "100,50,511,393");

    const char* bad[] = {"",        "1,2,3",    "1,2,3,4,5", "a,b,c,d",
                         "1,2,0,5", "1,2,5,-1", "1,,3,4",    "99999999999,1,2,3"};
    for (const char* text : bad) {
        EXPECT_FALSE(form->SetWindowStateData(text)) << text;
        EXPECT_EQ(form->GetWindowStateData(), "100,50,511,393") << text;
    }
}

TEST(SuperForm, AWindowSavedOffTheScreenComesBackOntoIt) {
    SimApp sim;
    auto* form = new TSuperForm(Application);
    ASSERT_TRUE(form->SetWindowStateData("3000,-500,400,300"));
    EXPECT_EQ(form->GetWindowStateData(), "624,0,400,300");  // on the 1024 x 768 screen
}

}  // namespace
