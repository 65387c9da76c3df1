#include "platform/controls/RichEdit.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"

namespace {

// The run's log view: made at run time, set up, then placed on the window.
struct LogFixture : ::testing::Test {
    PeerApp app;
    TForm* form = NewForm();
    TRichEdit* log = nullptr;
    int changes = 0;

    void SetUp() override {
        form->SetCaption("Window");
        form->Show();
        log = new TRichEdit(form);
        log->SetAlign(alClient);
        log->SetParentColor(true);
        log->SetReadOnly(true);
        log->SetScrollBars(ssBoth);
        log->SetWordWrap(false);
        log->OnChange = [this](TObject*) { ++changes; };
        app.Log().clear();
        log->SetParent(form);
    }

    std::vector<std::string> PeerCalls() const {
        std::vector<std::string> calls;
        for (const std::string& e : app.machine.windowing_.log) {
            if (e.rfind("TRichEdit.", 0) == 0)
                calls.push_back(e.substr(10));
        }
        return calls;
    }
};

TEST_F(LogFixture, AddedLinesAreAppendedToTheViewAndMakeItsText) {
    EXPECT_TRUE(log->HandleAllocated());
    EXPECT_EQ(log->Color(), form->Color());
    log->Lines()->Add("Status of installation:");
    log->Lines()->Add("");
    log->Lines()->Add("Finished.");
    EXPECT_EQ(PeerCalls(),
              (std::vector<std::string>{"RichAppendLine(Status of installation:)",
                                        "RichAppendLine()", "RichAppendLine(Finished.)"}));
    EXPECT_EQ(log->Text(), "Status of installation:\r\n\r\nFinished.");
    EXPECT_EQ(log->Lines()->Count(), 3);
    EXPECT_EQ(changes, 3);
}

TEST_F(LogFixture, OtherChangesRefillTheViewOnce) {
    log->Lines()->Add("one");
    log->Lines()->Add("two");
    app.Log().clear();
    log->Lines()->Delete(0);
    EXPECT_EQ(PeerCalls(), (std::vector<std::string>{"RichClear", "RichAppendLine(two)"}));

    app.Log().clear();
    log->SetText("a\r\nb");
    EXPECT_EQ(log->Lines()->Count(), 2);
    EXPECT_EQ(log->Lines()->Get(1), "b");
    std::vector<std::string> calls = PeerCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "RichClear"), 1)
        << ::testing::PrintToString(calls);
}

TEST(RichEdit, SettingsThatOnlyTakeEffectOnCreationRemakeTheWindowWithTheLines) {
    PeerApp app;
    TForm* form = NewForm();
    auto* edit = new TRichEdit(form);
    edit->SetParent(form);
    edit->Lines()->Add("kept");
    form->Show();
    app.Log().clear();
    edit->SetWordWrap(false);
    // The view had the focus (the form's only tab stop) and gets it back.
    EXPECT_EQ(app.Log(),
              (std::vector<std::string>{"TRichEdit.Destroy", "Create TRichEdit in parent",
                                        "TRichEdit.RichAppendLine(kept)", "TRichEdit.SetFocus"}));
}

}  // namespace
