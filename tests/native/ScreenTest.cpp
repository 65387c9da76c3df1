#include "platform/controls/Screen.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"

namespace {

TEST(ScreenCursor, IsPushedToTheWindowingAndRestorable) {
    SimApp sim;
    EXPECT_EQ(Screen->Cursor(), crDefault);
    TCursor saved = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(sim.Windowing().CurrentCursor(), os::Cursor::HourGlass);
    Screen->SetCursor(saved);
    EXPECT_EQ(sim.Windowing().CurrentCursor(), os::Cursor::Default);
    EXPECT_EQ(ToOsCursor(crIBeam), os::Cursor::IBeam);
    EXPECT_EQ(ToOsCursor(crHandPoint), os::Cursor::Default);  // beyond what the seam shows
}

TEST(ScreenSize, ComesFromTheWindowing) {
    SimApp sim;
    sim.Windowing().SetScreenSize({800, 600});
    EXPECT_EQ(Screen->Width(), 800);
    EXPECT_EQ(Screen->Height(), 600);
    EXPECT_EQ(Screen->PixelsPerInch(), 96);
}

TEST(ScreenForms, TheActiveFormIsTheLastShownAndTheNextOneTakesOverWhenItGoes) {
    SimApp sim;
    TForm* first = NewForm();
    TForm* second = NewForm();
    auto* box = new TCheckBox(second);
    box->SetParent(second);
    EXPECT_EQ(Screen->FormCount(), 2);
    first->Show();
    second->Show();
    EXPECT_EQ(Screen->ActiveForm(), second);
    EXPECT_EQ(Screen->ActiveControl(), box);
    EXPECT_FALSE(first->Active());

    FreeComponent(second);
    EXPECT_EQ(Screen->ActiveForm(), first);
    EXPECT_TRUE(first->Active());
    EXPECT_EQ(Screen->FormCount(), 1);
    EXPECT_EQ(Screen->ActiveControl(), nullptr);
}

}  // namespace
