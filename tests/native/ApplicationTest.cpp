#include "platform/controls/Application.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Screen.h"
#include "platform/sim/UserInput.h"

namespace {

class TThrowingForm : public TForm {
  public:
    explicit TThrowingForm(TComponent* owner) : TForm(owner) {
        OnCreate = [](TObject*) { throw Exception("Detection failed"); };
    }
};

TEST(ApplicationForms, TheFirstFormCreatedIsTheMainForm) {
    SimApp sim;
    EXPECT_EQ(Application->MainForm(), nullptr);
    TForm* first = nullptr;
    TForm* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_EQ(first->Owner(), Application);
    EXPECT_FALSE(first->Visible());
    FreeComponent(first);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(ApplicationExceptions, AnErrorEscapingOnCreateIsShownWithTheTitle) {
    SimApp sim;
    Application->SetTitle("Setup");
    TThrowingForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);  // the form exists; the error was handled
    ASSERT_EQ(sim.Windowing().MessageBoxes().size(), 1u);
    const sim::ShownMessageBox& box = sim.Windowing().MessageBoxes()[0];
    EXPECT_EQ(box.text, "Detection failed.");
    EXPECT_EQ(box.caption, "Setup");
    EXPECT_EQ(box.flags, os::MB_OK | os::MB_ICONERROR);
}

TEST(ApplicationExceptions, AbortIsSilentAndOnExceptionTakesTheRest) {
    SimApp sim;
    auto raise = [](auto exception) {
        try {
            throw exception;
        } catch (...) {
            Application->HandleException(Application);
        }
    };
    raise(EAbort());
    raise(Exception("Ends in punctuation!"));
    raise(std::runtime_error("not one of ours"));
    ASSERT_EQ(sim.Windowing().MessageBoxes().size(), 2u);
    EXPECT_EQ(sim.Windowing().MessageBoxes()[0].text, "Ends in punctuation!");
    EXPECT_EQ(sim.Windowing().MessageBoxes()[1].text, "not one of ours.");

    std::vector<std::string> seen;
    Application->OnException = [&](TObject* sender, const Exception& e) {
        seen.push_back(e.Message() + (sender == Application ? " from the application" : ""));
    };
    raise(EConvertError("Bad value"));
    raise(EAbort());
    EXPECT_EQ(seen, (std::vector<std::string>{"Bad value from the application"}));
    EXPECT_EQ(sim.Windowing().MessageBoxes().size(), 2u);
}

TEST(ApplicationExceptions, AnErrorInAnEventHandlerGoesToTheApplicationNotTheUser) {
    SimApp sim;
    TForm* form = nullptr;
    Application->CreateForm(form);
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->OnClick = [](TObject*) { throw Exception("Handler failed"); };
    form->Show();
    sim::UserInput input;
    EXPECT_TRUE(input.Click(box));
    EXPECT_TRUE(box->Checked());
    ASSERT_EQ(sim.Windowing().MessageBoxes().size(), 1u);
    EXPECT_EQ(sim.Windowing().MessageBoxes()[0].text, "Handler failed.");
}

TEST(ApplicationRun, ShowsTheMainFormAndHandlesMessagesUntilNoneIsLeft) {
    SimApp sim;
    TForm* form = nullptr;
    Application->CreateForm(form);
    std::vector<std::string> log;
    sim.Windowing().PostCall([&] { log.push_back(form->Visible() ? "first, shown" : "hidden"); });
    sim.Windowing().PostCall([&] { throw Exception("Message failed"); });
    sim.Windowing().PostCall([&] { log.push_back("after the failure"); });
    Application->Run();
    EXPECT_EQ(log, (std::vector<std::string>{"first, shown", "after the failure"}));
    EXPECT_EQ(sim.Windowing().MessageBoxes().size(), 1u);
    EXPECT_FALSE(Application->Terminated());
}

TEST(ApplicationRun, TerminateEndsTheLoopAtTheQuitAndLeavesTheRestQueued) {
    SimApp sim;
    TForm* form = nullptr;
    Application->CreateForm(form);
    std::vector<std::string> log;
    sim.Windowing().PostCall([&] {
        log.push_back("closing");
        form->Close();
    });
    sim.Windowing().PostCall([&] { log.push_back("never"); });
    Application->Run();
    EXPECT_EQ(log, (std::vector<std::string>{"closing"}));
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(sim.Windowing().QuitPosted());  // the loop took it
}

TEST(ApplicationRun, TerminatedBeforeRunEndsAtTheFirstTurnWithoutShowing) {
    SimApp sim;
    Application->SetShowMainForm(false);
    TForm* form = nullptr;
    Application->CreateForm(form);
    Application->Terminate();
    Application->Run();
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(sim.Windowing().QuitPosted());
}

TEST(ApplicationRun, ProcessMessagesHandlesWhatIsPendingAndReturns) {
    SimApp sim;
    int handled = 0;
    sim.Windowing().PostCall([&] { ++handled; });
    sim.Windowing().PostCall([&] { throw Exception("one fails"); });
    sim.Windowing().PostCall([&] { ++handled; });
    Application->ProcessMessages();
    EXPECT_EQ(handled, 2);
    EXPECT_EQ(sim.Windowing().PendingCalls(), 0u);
    EXPECT_EQ(sim.Windowing().MessageBoxes().size(), 1u);
}

TEST(ApplicationScope, EachScopeHasItsOwnApplicationAndFreesItsForms) {
    sim::Machine machine;
    os::ScopedBackend backend(machine);
    EXPECT_EQ(Application, nullptr);
    bool destroyedInside = false;
    {
        ScopedApplication app;
        TForm* form = nullptr;
        Application->CreateForm(form);
        form->OnDestroy = [&](TObject*) { destroyedInside = Application != nullptr; };
        machine.Files().SetProgramPath("C:\\Setup\\Install.exe");
        EXPECT_EQ(Application->Title(), "Install");  // without a title, the program's name
    }
    EXPECT_TRUE(destroyedInside);
    EXPECT_EQ(Application, nullptr);
    EXPECT_EQ(Screen, nullptr);
}

}  // namespace
