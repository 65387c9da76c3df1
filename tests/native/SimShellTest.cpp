#include "platform/sim/SimShell.h"

#include <gtest/gtest.h>

#include "platform/sim/Machine.h"

using sim::BrowseStep;

namespace {

// A callback that records what the dialog reported and, like a caller of
// the real dialog, selects an initial folder when it initialises.
struct Recorder {
    sim::Machine& machine;
    std::string initialSelection;
    std::vector<std::pair<unsigned, std::string>> calls;  // message, path of the item

    os::BrowseRequest Request() {
        os::BrowseRequest r;
        r.owner = machine.Windowing().ApplicationWindow();
        r.title = "Pick a folder";
        r.flags = 0x0004;
        r.callback = [this](os::WindowHandle dialog, unsigned message, std::uintptr_t param) {
            std::string path;
            if (message == os::BFFM_SELCHANGED)
                path = os::shell().PathFromIdList(param);
            calls.emplace_back(message, path);
            if (message == os::BFFM_INITIALIZED && !initialSelection.empty()) {
                os::windowing().SendText(dialog, os::BFFM_SETSELECTION, 1, initialSelection);
            }
            return 0;
        };
        return r;
    }
};

class SimShellTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    os::ScopedBackend use{machine};
    sim::SimShell& shell = machine.Shell();
    Recorder recorder{machine, {}, {}};
};

TEST_F(SimShellTest, SpecialFoldersGiveFreshListsThatMustBeFreed) {
    os::ItemIdList desktop = shell.SpecialFolderLocation(0, sim::kCsidlDesktop);
    os::ItemIdList printers = shell.SpecialFolderLocation(0, sim::kCsidlPrinters);
    os::ItemIdList again = shell.SpecialFolderLocation(0, sim::kCsidlDesktop);
    ASSERT_NE(desktop, 0u);
    EXPECT_NE(desktop, again);
    EXPECT_EQ(shell.PathFromIdList(desktop), "C:\\WINDOWS\\Desktop");
    EXPECT_EQ(shell.PathFromIdList(printers), "");  // no file-system path
    EXPECT_EQ(shell.LiveIdLists(), 3);

    shell.RemoveSpecialFolder(sim::kCsidlPersonal);
    EXPECT_EQ(shell.SpecialFolderLocation(0, sim::kCsidlPersonal), 0u);
    EXPECT_EQ(shell.SpecialFolderLocation(0, 1), 0u);  // no such folder

    shell.FreeIdList(desktop);
    shell.FreeIdList(printers);
    shell.FreeIdList(again);
    shell.FreeIdList(0);
    EXPECT_EQ(shell.LiveIdLists(), 0);
    EXPECT_EQ(shell.InvalidFrees(), 0);
    shell.FreeIdList(desktop);
    EXPECT_EQ(shell.InvalidFrees(), 1);
}

TEST_F(SimShellTest, UserSelectsAndConfirms) {
    int tools = shell.AddItem("C:\\Tools", "Tools", 7);
    int computer = shell.SpecialFolderItem(sim::kCsidlDrives);
    os::ItemIdList root = shell.SpecialFolderLocation(0, sim::kCsidlDesktop);
    shell.ScriptBrowse({BrowseStep::Select(computer), BrowseStep::Select(tools),
                        BrowseStep::Select(tools), BrowseStep::Ok()});
    os::BrowseRequest request = recorder.Request();
    request.root = root;

    auto result = shell.BrowseForFolder(request);

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(shell.PathFromIdList(result->list), "C:\\Tools");
    EXPECT_EQ(result->displayName, "Tools");
    EXPECT_EQ(result->imageIndex, 7);
    EXPECT_EQ(request.imageIndex, 7);
    // Selecting the selected item again reports nothing.
    const std::vector<std::pair<unsigned, std::string>> expected = {
        {os::BFFM_INITIALIZED, ""}, {os::BFFM_SELCHANGED, ""}, {os::BFFM_SELCHANGED, "C:\\Tools"}};
    EXPECT_EQ(recorder.calls, expected);

    ASSERT_EQ(shell.Browses().size(), 1u);
    const sim::BrowseRecord& rec = shell.Browses()[0];
    EXPECT_EQ(rec.title, "Pick a folder");
    EXPECT_EQ(rec.flags, 0x0004u);
    EXPECT_EQ(rec.owner, sim::SimWindowing::kApplicationWindow);
    EXPECT_EQ(rec.root, shell.SpecialFolderItem(sim::kCsidlDesktop));
    EXPECT_EQ(rec.reported, (std::vector<int>{computer, tools}));
    EXPECT_TRUE(rec.accepted);
    EXPECT_FALSE(rec.open);

    shell.FreeIdList(result->list);
    shell.FreeIdList(root);
    EXPECT_EQ(shell.LiveIdLists(), 0);
    EXPECT_EQ(shell.InvalidFrees(), 0);
}

TEST_F(SimShellTest, SetSelectionSentDuringInitialisationReportsAtOnce) {
    shell.AddItem("C:\\Program Files\\Ostrell", "Ostrell");
    recorder.initialSelection = "c:\\program files\\ostrell\\";
    shell.ScriptBrowse({BrowseStep::Ok()});
    os::BrowseRequest request = recorder.Request();

    auto result = shell.BrowseForFolder(request);

    const std::vector<std::pair<unsigned, std::string>> expected = {
        {os::BFFM_INITIALIZED, ""}, {os::BFFM_SELCHANGED, "C:\\Program Files\\Ostrell"}};
    EXPECT_EQ(recorder.calls, expected);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(shell.PathFromIdList(result->list), "C:\\Program Files\\Ostrell");
    shell.FreeIdList(result->list);
    // The send went through the windowing and is recorded there.
    const auto& sent = machine.Windowing().SentMessages();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].window, shell.Browses()[0].dialog);
    EXPECT_EQ(sent[0].message, os::BFFM_SETSELECTION);
}

TEST_F(SimShellTest, DialogWindowAnswersItsMessagesWhileOpen) {
    int printers = shell.SpecialFolderItem(sim::kCsidlPrinters);
    shell.SetDialogRect({10, 20, 300, 320});
    os::Rect seen;
    shell.ScriptBrowse({BrowseStep::Run([&](os::WindowHandle dialog) {
                            seen = os::windowing().WindowRect(dialog);
                            os::windowing().SendText(dialog, os::WM_SETTEXT, 0, "Choose");
                            os::windowing().SendText(dialog, os::BFFM_SETSTATUSTEXT, 0, "C:\\x");
                            os::windowing().Send(dialog, os::BFFM_ENABLEOK, 0, 0);
                        }),
                        BrowseStep::Ok(), BrowseStep::Select(printers)});
    os::BrowseRequest request = recorder.Request();

    auto result = shell.BrowseForFolder(request);

    // OK was disabled: the press did nothing and the script ran out.
    EXPECT_FALSE(result.has_value());
    const sim::BrowseRecord& rec = shell.Browses()[0];
    EXPECT_EQ(seen, (os::Rect{10, 20, 300, 320}));
    EXPECT_EQ(rec.caption, "Choose");
    EXPECT_EQ(rec.status, "C:\\x");
    EXPECT_FALSE(rec.okEnabled);
    EXPECT_EQ(rec.disabledOkPresses, 1);
    EXPECT_EQ(rec.selection, printers);
    // The window is gone with the dialog.
    EXPECT_EQ(os::windowing().WindowRect(rec.dialog), os::Rect{});
    EXPECT_EQ(shell.LiveIdLists(), 0);
}

TEST_F(SimShellTest, CancelWithoutAScriptAndOnlyFileSystemFolders) {
    os::BrowseRequest request = recorder.Request();
    EXPECT_FALSE(shell.BrowseForFolder(request).has_value());
    EXPECT_EQ(recorder.calls.size(), 1u);  // initialised, then cancelled

    // With kBifReturnOnlyFsDirs the dialog disables OK on an item without a path.
    int printers = shell.SpecialFolderItem(sim::kCsidlPrinters);
    int docs = shell.SpecialFolderItem(sim::kCsidlPersonal);
    shell.ScriptBrowse({BrowseStep::Select(printers), BrowseStep::Ok(), BrowseStep::Select(docs),
                        BrowseStep::Ok()});
    request.flags = sim::kBifReturnOnlyFsDirs;
    auto result = shell.BrowseForFolder(request);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(shell.PathFromIdList(result->list), "C:\\My Documents");
    EXPECT_EQ(shell.Browses()[1].disabledOkPresses, 1);
    shell.FreeIdList(result->list);
}

TEST_F(SimShellTest, FreeingTheListLentToTheCallbackIsAnInvalidFree) {
    int tools = shell.AddItem("C:\\Tools", "Tools");
    shell.ScriptBrowse({BrowseStep::Select(tools), BrowseStep::Cancel()});
    os::BrowseRequest request = recorder.Request();
    request.callback = [](os::WindowHandle, unsigned message, std::uintptr_t param) {
        if (message == os::BFFM_SELCHANGED)
            os::shell().FreeIdList(param);
        return 0;
    };
    shell.BrowseForFolder(request);
    EXPECT_EQ(shell.InvalidFrees(), 1);
}

}  // namespace
