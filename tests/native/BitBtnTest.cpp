#include "platform/controls/BitBtn.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/sim/UserInput.h"

namespace {

TEST(BitBtnKind, EachKindBringsItsCaptionResultAndRole) {
    SimApp sim;
    TForm* form = NewForm();
    struct Case {
        TBitBtnKind kind;
        const char* caption;
        TModalResult result;
        bool isDefault, isCancel;
    };
    const Case cases[] = {
        {bkOK, "OK", mrOk, true, false},
        {bkCancel, "Cancel", mrCancel, false, true},
        {bkHelp, "&Help", mrNone, false, false},
        {bkYes, "&Yes", mrYes, true, false},
        {bkNo, "&No", mrNo, false, true},
        {bkClose, "&Close", mrNone, false, false},
        {bkAbort, "Abort", mrAbort, false, false},
        {bkRetry, "&Retry", mrRetry, false, false},
        {bkIgnore, "&Ignore", mrIgnore, false, false},
        {bkAll, "&All", mrAll, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        auto* button = new TBitBtn(form);
        button->SetKind(c.kind);
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->ModalResult(), c.result);
        EXPECT_EQ(button->Default(), c.isDefault);
        EXPECT_EQ(button->Cancel(), c.isCancel);
        // The kind's own caption is not stored; another one is.
        const TPropInfo* caption = button->ClassType().FindProperty("Caption");
        EXPECT_FALSE(caption->IsStored(*button));
        button->SetCaption("&Continue");
        EXPECT_TRUE(caption->IsStored(*button));
        EXPECT_FALSE(button->ClassType().FindProperty("ModalResult")->IsStored(*button));
    }
    // A custom button stores its own roles.
    auto* custom = new TBitBtn(form);
    custom->SetModalResult(mrRetry);
    EXPECT_TRUE(custom->ClassType().FindProperty("ModalResult")->IsStored(*custom));
    EXPECT_FALSE(custom->ClassType().FindProperty("Default")->IsStored(*custom));
}

TEST(BitBtnKind, ACloseButtonClosesItsForm) {
    SimApp sim;
    TForm* main = nullptr;
    Application->CreateForm(main);
    auto* close = new TBitBtn(main);
    close->SetParent(main);
    close->SetKind(bkClose);
    main->Show();
    sim::UserInput input;
    EXPECT_TRUE(input.Click(close));
    EXPECT_TRUE(Application->Terminated());
}

TEST(BitBtnGlyph, TheImageKeepsItsDataAndSizeAndGoesToThePeer) {
    PeerApp app;
    TForm* form = NewForm();
    auto* button = new TBitBtn(form);
    button->SetParent(form);
    button->SetNumGlyphs(7);
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 1);
    EXPECT_TRUE(button->Glyph()->Empty());
    EXPECT_FALSE(button->ClassType().FindProperty("Glyph")->IsStored(*button));

    TBitmap image;
    // A file header, then an info header of 40 bytes for a 32 x 16 image.
    std::vector<std::uint8_t> data = {'B', 'M', 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0,
                                      0,   40,  0, 0, 0, 32, 0, 0, 0, 16, 0, 0, 0};
    image.SetData(data);
    button->SetGlyph(&image);
    EXPECT_EQ(button->Glyph()->Width(), 32);
    EXPECT_EQ(button->Glyph()->Height(), 16);
    EXPECT_TRUE(button->ClassType().FindProperty("Glyph")->IsStored(*button));

    button->SetCaption("Go");
    form->Show();
    button->SetNumGlyphs(2);
    std::vector<std::string> glyphCalls;
    for (const std::string& entry : app.Log()) {
        if (entry.find("SetGlyph") != std::string::npos)
            glyphCalls.push_back(entry);
    }
    EXPECT_EQ(glyphCalls,
              (std::vector<std::string>{"Go.SetGlyph(26 bytes,1)", "Go.SetGlyph(26 bytes,2)"}));
}

}  // namespace
