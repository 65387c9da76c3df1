#include "platform/controls/Dialogs.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"

namespace {

struct DialogFixture : ::testing::Test {
    SimApp sim;
    TOpenDialog* open = new TOpenDialog(Application);
    std::vector<std::string> log;

    void SetUp() override {
        open->SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
        open->SetInitialDir("C:\\Data");
        open->SetFileName("list.txt");
        open->SetTitle("Choose a list");
        open->SetDefaultExt("txt");
        open->SetOptions(OpenOptionBit(ofHideReadOnly) | OpenOptionBit(ofFileMustExist));
        open->OnShow = [this](TObject*) { log.push_back("OnShow"); };
        open->OnClose = [this](TObject*) { log.push_back("OnClose"); };
    }
};

TEST_F(DialogFixture, TheRequestCarriesTheSettingsAndOkTakesTheAnswer) {
    sim.Windowing().ScriptFileDialog(os::FileDialogResult{"C:\\Data\\other.txt", 2});
    EXPECT_TRUE(open->Execute());
    ASSERT_EQ(sim.Windowing().FileDialogs().size(), 1u);
    const os::FileDialogRequest& request = sim.Windowing().FileDialogs()[0].request;
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.title, "Choose a list");
    EXPECT_EQ(request.filter, "Text files (*.txt)|*.txt|All files (*.*)|*.*");
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.initialDir, "C:\\Data");
    EXPECT_EQ(request.fileName, "list.txt");
    EXPECT_EQ(request.defaultExt, "txt");
    EXPECT_EQ(request.options, 0x4u | 0x1000u | 0x80000u);  // hide read-only, must exist, explorer
    EXPECT_EQ(request.owner, sim::SimWindowing::kApplicationWindow);  // no form is active
    EXPECT_EQ(open->FileName(), "C:\\Data\\other.txt");
    EXPECT_EQ(open->FilterIndex(), 2);
    EXPECT_EQ(open->Files()->Text(), "C:\\Data\\other.txt\r\n");
    EXPECT_EQ(log, (std::vector<std::string>{"OnShow", "OnClose"}));
}

TEST_F(DialogFixture, CancelChangesNothing) {
    EXPECT_FALSE(open->Execute());  // nothing scripted: the user cancels
    EXPECT_EQ(open->FileName(), "list.txt");
    EXPECT_EQ(open->FilterIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"OnShow", "OnClose"}));
}

TEST_F(DialogFixture, TheSaveDialogAsksForASaveAndOldStyleDropsTheExplorer) {
    auto* save = new TSaveDialog(Application);
    save->SetOptions(OpenOptionBit(ofOverwritePrompt) | OpenOptionBit(ofOldStyleDialog));
    sim.Windowing().ScriptFileDialog(os::FileDialogResult{"C:\\Out\\a.log", 1});
    EXPECT_TRUE(save->Execute());
    const os::FileDialogRequest& request = sim.Windowing().FileDialogs().back().request;
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.options, 0x2u);
    EXPECT_EQ(save->FileName(), "C:\\Out\\a.log");
}

}  // namespace
