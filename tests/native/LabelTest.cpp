#include "platform/controls/Label.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"

namespace {

TEST(Label, AnAutoSizedLabelFitsItsTextWhenTheCaptionChanges) {
    SimApp sim;
    TForm* form = NewForm();
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(352, 8, 51, 13);
    label->SetCaption("Sprache:");
    os::Size extent = sim.Windowing().TextExtent(label->Font()->PeerFont(), "Sprache:");
    EXPECT_EQ(label->BoundsRect(), (os::Rect{352, 8, extent.width, extent.height}));

    label->SetAlignment(taRightJustify);  // keeps its right edge
    int right = label->Left() + label->Width();
    label->SetCaption("Language of the setup:");
    EXPECT_EQ(label->Left() + label->Width(), right);

    label->SetAutoSize(false);
    label->SetBounds(0, 0, 10, 10);
    label->SetCaption("Anything");
    EXPECT_EQ(label->Width(), 10);
}

TEST(Label, AccelerateMarksAreNotShown) {
    SimApp sim;
    TForm* form = NewForm();
    auto* label = new TLabel(form);
    label->SetCaption("&Folder && files");
    EXPECT_EQ(label->DisplayText(), "Folder & files");
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->DisplayText(), "&Folder && files");
    EXPECT_EQ(label->PeerText(), "&&Folder &&&& files");
}

TEST(Label, TheFocusControlIsForgottenWhenItIsFreed) {
    SimApp sim;
    TForm* form = NewForm();
    auto* label = new TLabel(form);
    auto* box = new TCheckBox(form);
    label->SetFocusControl(box);
    FreeComponent(box);
    EXPECT_EQ(label->FocusControl(), nullptr);
}

}  // namespace
