#include "platform/controls/Button.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/Panel.h"
#include "platform/sim/UserInput.h"

namespace {

TEST(Button, AClickGivesTheFormTheButtonsModalResultBeforeOnClick) {
    SimApp sim;
    TForm* form = NewForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* button = new TButton(form);
    button->SetParent(panel);
    button->SetModalResult(mrYes);
    TModalResult seen = mrNone;
    button->OnClick = [&](TObject*) { seen = form->ModalResult(); };
    form->Show();
    sim::UserInput input;
    EXPECT_TRUE(input.Click(button));
    EXPECT_EQ(seen, mrYes);
    EXPECT_TRUE(button->Focused());  // a button takes the focus on the mouse press
}

// The default frame is a style of the native button: it is made anew, and
// keeps the focus it had.
TEST(Button, BecomingTheDefaultButtonRemakesTheNativeButton) {
    PeerApp app;
    TForm* form = NewForm();
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetCaption("OK");
    form->Show();
    app.Log().clear();
    button->SetDefault(true);
    EXPECT_EQ(app.Log(),
              (std::vector<std::string>{"OK.Destroy", "Create OK in parent", "OK.SetFocus"}));
}

}  // namespace
