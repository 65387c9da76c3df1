#include "platform/controls/ComboBox.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"
#include "platform/sim/UserInput.h"
#include "platform/stream/Reader.h"

namespace {

std::string CodeName(unsigned code) {
    switch (code) {
        case os::CBN_SELCHANGE:
            return "CBN_SELCHANGE";
        case os::CBN_SETFOCUS:
            return "CBN_SETFOCUS";
        case os::CBN_KILLFOCUS:
            return "CBN_KILLFOCUS";
        case os::CBN_EDITCHANGE:
            return "CBN_EDITCHANGE";
        case os::CBN_EDITUPDATE:
            return "CBN_EDITUPDATE";
        case os::CBN_DROPDOWN:
            return "CBN_DROPDOWN";
        case os::CBN_CLOSEUP:
            return "CBN_CLOSEUP";
        case os::CBN_SELENDOK:
            return "CBN_SELENDOK";
        case os::CBN_SELENDCANCEL:
            return "CBN_SELENDCANCEL";
        default:
            return "code " + std::to_string(code);
    }
}

// Records its events and, after the platform's handling, each notification
// with whether the list was open then.
class TRecordingCombo : public TComboBox {
  public:
    explicit TRecordingCombo(TComponent* owner) : TComboBox(owner) {
        OnChange = [this](TObject*) { log.push_back("OnChange " + Text()); };
        OnClick = [this](TObject*) { log.push_back("OnClick"); };
        OnDropDown = [this](TObject*) { log.push_back("OnDropDown"); };
        OnKeyPress = [this](TObject*, char& key) {
            log.push_back(std::string("KeyPress ") + key);
            if (key >= '0' && key <= '9')
                key = 0;
            if (key >= 'a' && key <= 'z')
                key = static_cast<char>(key - 'a' + 'A');
        };
    }
    std::vector<std::string> log;

    void CNCommand(unsigned code) override {
        TComboBox::CNCommand(code);
        log.push_back(CodeName(code) + (DroppedDown() ? " (open)" : ""));
    }
};

struct ComboFixture : ::testing::Test {
    SimApp sim;
    TForm* form = NewForm();
    TCheckBox* first = nullptr;  // holds the focus at the start
    TRecordingCombo* combo = nullptr;
    sim::UserInput input;

    void SetUp() override {
        first = new TCheckBox(form);
        first->SetParent(form);
        combo = new TRecordingCombo(form);
        combo->SetParent(form);
        combo->Items()->Add("English");
        combo->Items()->Add("Deutsch");
        form->Show();
    }
};

TEST_F(ComboFixture, PickingWithTheMouseNotifiesInTheRealControlsOrder) {
    EXPECT_TRUE(input.Pick(combo, 1));
    const std::vector<std::string> expected = {
        "CBN_SETFOCUS",     "OnDropDown",           "CBN_DROPDOWN (open)", "OnClick",
        "OnChange Deutsch", "CBN_SELCHANGE (open)", "CBN_SELENDOK (open)", "CBN_CLOSEUP"};
    EXPECT_EQ(combo->log, expected);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "Deutsch");
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(input.Pick(combo, 2));
}

TEST_F(ComboFixture, TypingGoesThroughTheKeyPressThenChangesTheEditLine) {
    EXPECT_TRUE(input.TypeText(combo, "d1e"));
    const std::vector<std::string> expected = {
        "CBN_SETFOCUS", "KeyPress d", "CBN_EDITUPDATE", "OnChange D",  "CBN_EDITCHANGE",
        "KeyPress 1",   "KeyPress e", "CBN_EDITUPDATE", "OnChange DE", "CBN_EDITCHANGE"};
    EXPECT_EQ(combo->log, expected);
    EXPECT_EQ(combo->Text(), "DE");
    EXPECT_EQ(combo->SelStart(), 2);
}

TEST_F(ComboFixture, OpeningAndClosingTheListInCodeNotifiesAsTheRealControl) {
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    input.DropDown(combo);
    input.CloseUp(combo);
    input.DropDown(combo);
    input.Focus(first);  // the list closes when the focus leaves
    const std::vector<std::string> expected = {
        "OnDropDown",   "CBN_DROPDOWN (open)", "CBN_SELENDCANCEL (open)", "CBN_CLOSEUP",
        "CBN_SETFOCUS", "OnDropDown",          "CBN_DROPDOWN (open)",     "CBN_SELENDCANCEL (open)",
        "CBN_CLOSEUP",  "OnDropDown",          "CBN_DROPDOWN (open)",     "CBN_SELENDCANCEL (open)",
        "CBN_CLOSEUP",  "CBN_KILLFOCUS"};
    EXPECT_EQ(combo->log, expected);
    EXPECT_FALSE(input.CloseUp(combo));  // nothing open to close
}

TEST_F(ComboFixture, EnterAndEscapeCloseAnOpenListAfterTheKeyPress) {
    input.DropDown(combo);
    combo->log.clear();
    input.PressKey(combo, '\r');
    input.DropDown(combo);
    input.PressKey(combo, '\x1b');
    const std::vector<std::string> expected = {"KeyPress \r",
                                               "CBN_SELENDOK (open)",
                                               "CBN_CLOSEUP",
                                               "OnDropDown",
                                               "CBN_DROPDOWN (open)",
                                               "KeyPress \x1b",
                                               "CBN_SELENDCANCEL (open)",
                                               "CBN_CLOSEUP"};
    EXPECT_EQ(combo->log, expected);
}

TEST_F(ComboFixture, SelectionAndTextInCodeFollowEachOtherWithoutOnChange) {
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "Deutsch");
    combo->SetText("english");  // the real list finds its item without regard to case
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetText("Français");
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(0);
    combo->SetItemIndex(7);  // out of range: none, and an empty edit line
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    EXPECT_TRUE(combo->log.empty());
}

TEST_F(ComboFixture, TheSelectionFollowsItsItemThroughListChanges) {
    combo->SetItemIndex(1);
    combo->Items()->Insert(0, "Nederlands");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->Items()->Delete(0);
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->Items()->Delete(1);  // the selected item goes: no selection, the text stays
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "Deutsch");
    combo->SetItemIndex(0);
    combo->Items()->Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "English");
}

TEST_F(ComboFixture, ASortedListAddsInOrderAndKeepsTheSelectionWhenSorting) {
    combo->SetItemIndex(0);  // English
    combo->Items()->Add("Dansk");
    combo->SetSorted(true);
    EXPECT_EQ(combo->Items()->Text(), "Dansk\r\nDeutsch\r\nEnglish\r\n");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Items()->Add("Català"), 0);
    EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(ComboFixture, TypingReplacesTheSelectionAndStopsAtMaxLength) {
    combo->SetText("English");
    input.Focus(combo);  // the real control selects its text on the focus
    EXPECT_EQ(combo->SelText(), "English");
    input.TypeText(combo, "x");
    EXPECT_EQ(combo->Text(), "X");
    combo->SetMaxLength(3);
    input.TypeText(combo, "yzw");
    EXPECT_EQ(combo->Text(), "XYZ");
    input.PressKey(combo, '\b');
    EXPECT_EQ(combo->Text(), "XY");
    combo->SetSelStart(0);
    input.PressKey(combo, '\b');  // nothing before the caret
    EXPECT_EQ(combo->Text(), "XY");
    input.TypeText(combo, "\xC3\xBC");  // a character beyond ASCII goes in whole
    EXPECT_EQ(combo->Text(), "\xC3\xBCXY");
    EXPECT_EQ(combo->SelStart(), 1);
}

TEST_F(ComboFixture, AListWithoutEditLineSelectsByTheFirstLetterTyped) {
    combo->SetStyle(csDropDownList);
    combo->Items()->Add("Dansk");
    combo->SetText("Klingon");  // not an item: the list keeps showing its selection
    EXPECT_EQ(combo->Text(), "");
    input.TypeText(combo, "d");
    EXPECT_EQ(combo->Text(), "Deutsch");
    input.TypeText(combo, "d");
    EXPECT_EQ(combo->Text(), "Dansk");
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(ComboFixture, TheHeightOfADropDownFollowsTheFont) {
    EXPECT_EQ(combo->Height(), 21);
    combo->SetHeight(40);
    EXPECT_EQ(combo->Height(), 21);
    combo->Font()->SetHeight(-13);
    EXPECT_EQ(combo->Height(), 16 + 8);
    combo->SetStyle(csSimple);
    combo->SetHeight(80);
    EXPECT_EQ(combo->Height(), 80);
}

TEST(ComboDescription, TheTextReadBeforeTheItemsSelectsItsItem) {
    SimApp sim;
    TForm* form = NewForm();
    ReadComponentFromText(*form, R"(object Probe: TForm
  object List: TComboBox
    Style = csDropDownList
    Text = 'Deutsch'
    Items.Strings = (
      'English'
      'Deutsch')
  end
  object Other: TComboBox
    Style = csDropDownList
    Text = 'Klingon'
    Items.Strings = (
      'English')
  end
end
)");
    auto* list = dynamic_cast<TComboBox*>(form->FindComponent("List"));
    auto* other = dynamic_cast<TComboBox*>(form->FindComponent("Other"));
    ASSERT_NE(list, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(list->Text(), "Deutsch");
    EXPECT_EQ(other->ItemIndex(), -1);
    EXPECT_EQ(other->Text(), "");  // a list without an edit line shows only its items
}

TEST(ComboPeer, ItemsGoToThePeerAndNotificationsReadItsState) {
    PeerApp app;
    TForm* form = NewForm();
    auto* combo = new TRecordingCombo(form);
    combo->SetParent(form);
    combo->Items()->Add("English");
    form->Show();
    RecordingPeer* peer = app.machine.windowing_.peers.back();
    combo->Items()->Add("Deutsch");
    combo->Items()->Insert(0, "Dansk");
    std::vector<std::string> inserts;
    for (const std::string& entry : app.Log()) {
        if (entry.find("ComboInsert") != std::string::npos)
            inserts.push_back(entry);
    }
    EXPECT_EQ(inserts, (std::vector<std::string>{"TComboBox.ComboInsert(-1,English)",
                                                 "TComboBox.ComboInsert(-1,Deutsch)",
                                                 "TComboBox.ComboInsert(0,Dansk)"}));

    combo->log.clear();
    peer->UserSets("Deutsch", 2);  // the user chose in the native list
    combo->PeerCommand(os::CBN_SELCHANGE);
    peer->UserSets("Deutschland", -1);  // and typed on
    combo->PeerCommand(os::CBN_EDITCHANGE);
    EXPECT_EQ(combo->log, (std::vector<std::string>{"OnClick", "OnChange Deutsch", "CBN_SELCHANGE",
                                                    "OnChange Deutschland", "CBN_EDITCHANGE"}));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "Deutschland");

    // With a peer, opening the list is the native control's job: it notifies.
    app.Log().clear();
    combo->SetDroppedDown(true);
    EXPECT_EQ(app.Log(), (std::vector<std::string>{"TComboBox.ComboSetDroppedDown(true)"}));
}

}  // namespace
