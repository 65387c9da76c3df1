#include "platform/controls/WinControl.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/Screen.h"

namespace {

os::Rect Bounds(const TControl* c) {
    return c->BoundsRect();
}

template <class T>
T* Place(TForm* form, TWinControl* parent, const std::string& name = {}) {
    T* c = new T(form);
    c->SetParent(parent);
    if (!name.empty())
        c->SetName(name);
    return c;
}

TEST(TabOrder, FollowsInsertionAndMovingOneRenumbersItsSiblings) {
    SimApp sim;
    TForm* form = NewForm();
    auto* a = Place<TCheckBox>(form, form);
    auto* b = Place<TCheckBox>(form, form);
    auto* c = Place<TCheckBox>(form, form);
    EXPECT_EQ(a->TabOrder(), 0);
    EXPECT_EQ(b->TabOrder(), 1);
    EXPECT_EQ(c->TabOrder(), 2);

    c->SetTabOrder(0);
    EXPECT_EQ((std::vector<int>{a->TabOrder(), b->TabOrder(), c->TabOrder()}),
              (std::vector<int>{1, 2, 0}));
    a->SetTabOrder(99);  // out of range: to the end
    EXPECT_EQ((std::vector<int>{a->TabOrder(), b->TabOrder(), c->TabOrder()}),
              (std::vector<int>{2, 1, 0}));
    a->SetTabOrder(-1);
    EXPECT_EQ(a->TabOrder(), 2);

    b->SetParent(nullptr);
    EXPECT_EQ(b->TabOrder(), -1);
    EXPECT_EQ(a->TabOrder(), 1);
    b->SetTabOrder(0);  // kept until it has a parent again
    b->SetParent(form);
    EXPECT_EQ((std::vector<int>{a->TabOrder(), b->TabOrder(), c->TabOrder()}),
              (std::vector<int>{2, 0, 1}));
}

// The installer's window: a button bar at the bottom and the main panel
// filling the rest; the run later hides the panel and puts a log in its place.
TEST(Alignment, BottomBarAndClientPanelShareTheClientArea) {
    SimApp sim;
    TForm* form = NewForm();
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(505);
    form->SetClientHeight(368);
    auto* bar = Place<TPanel>(form, form);
    bar->SetHeight(40);
    bar->SetAlign(alBottom);
    auto* main = Place<TPanel>(form, form);
    main->SetBevelOuter(bvNone);
    main->SetAlign(alClient);

    EXPECT_EQ(Bounds(bar), (os::Rect{0, 328, 505, 40}));
    EXPECT_EQ(Bounds(main), (os::Rect{0, 0, 505, 328}));

    main->SetVisible(false);
    auto* log = new TRichEdit(form);
    log->SetAlign(alClient);
    log->SetParent(form);
    EXPECT_EQ(Bounds(log), (os::Rect{0, 0, 505, 328}));

    form->SetClientHeight(400);
    EXPECT_EQ(Bounds(bar), (os::Rect{0, 360, 505, 40}));
    EXPECT_EQ(Bounds(log), (os::Rect{0, 0, 505, 360}));
}

TEST(Alignment, EdgesStackInTheirOrderAndClientTakesTheRest) {
    SimApp sim;
    TForm* form = NewForm();
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    form->DisableAlign();
    auto* top2 = Place<TPanel>(form, form);
    top2->SetBounds(0, 50, 10, 20);
    top2->SetAlign(alTop);
    auto* top1 = Place<TPanel>(form, form);
    top1->SetBounds(0, 0, 10, 10);
    top1->SetAlign(alTop);
    auto* left = Place<TPanel>(form, form);
    left->SetWidth(30);
    left->SetAlign(alLeft);
    auto* right = Place<TPanel>(form, form);
    right->SetWidth(40);
    right->SetAlign(alRight);
    auto* bottom = Place<TPanel>(form, form);
    bottom->SetHeight(25);
    bottom->SetAlign(alBottom);
    auto* client = Place<TPanel>(form, form);
    client->SetAlign(alClient);
    form->EnableAlign();

    EXPECT_EQ(Bounds(top1), (os::Rect{0, 0, 300, 10}));
    EXPECT_EQ(Bounds(top2), (os::Rect{0, 10, 300, 20}));
    EXPECT_EQ(Bounds(bottom), (os::Rect{0, 175, 300, 25}));
    EXPECT_EQ(Bounds(left), (os::Rect{0, 30, 30, 145}));
    EXPECT_EQ(Bounds(right), (os::Rect{260, 30, 40, 145}));
    EXPECT_EQ(Bounds(client), (os::Rect{30, 30, 230, 145}));
}

TEST(Alignment, ChildrenStayInsideAPanelsBevelsAndAGroupBoxsFrame) {
    SimApp sim;
    TForm* form = NewForm();
    auto* panel = Place<TPanel>(form, form);
    panel->SetBounds(0, 0, 100, 60);
    panel->SetBevelInner(bvLowered);
    panel->SetBorderWidth(2);
    auto* inPanel = Place<TPanel>(form, panel);
    inPanel->SetAlign(alClient);
    EXPECT_EQ(Bounds(inPanel), (os::Rect{4, 4, 92, 52}));  // 2 bevels of 1 and a border of 2

    auto* group = Place<TGroupBox>(form, form);
    group->SetBounds(0, 0, 100, 60);
    auto* inGroup = Place<TPanel>(form, group);
    inGroup->SetAlign(alClient);
    EXPECT_EQ(Bounds(inGroup), (os::Rect{2, 15, 96, 43}));  // below a 13-pixel caption
}

// Records the focus notifications of the controls it is attached to.
struct FocusLog {
    std::vector<std::string> entries;
    void Watch(TWinControl* c) {
        c->OnEnter = [this, c](TObject*) { entries.push_back("Enter " + c->Name()); };
        c->OnExit = [this, c](TObject*) { entries.push_back("Exit " + c->Name()); };
    }
};

TEST(Focus, ExitsTheOldChainBeforeEnteringTheNewOne) {
    SimApp sim;
    TForm* form = NewForm();
    auto* groupA = Place<TGroupBox>(form, form, "GroupA");
    auto* one = Place<TCheckBox>(form, groupA, "One");
    auto* two = Place<TCheckBox>(form, groupA, "Two");
    auto* groupB = Place<TGroupBox>(form, form, "GroupB");
    auto* three = Place<TCheckBox>(form, groupB, "Three");
    FocusLog log;
    for (TWinControl* c : {static_cast<TWinControl*>(groupA), static_cast<TWinControl*>(one),
                           static_cast<TWinControl*>(two), static_cast<TWinControl*>(groupB),
                           static_cast<TWinControl*>(three)}) {
        log.Watch(c);
    }

    form->Show();  // the first tab stop takes the focus
    EXPECT_TRUE(one->Focused());
    two->SetFocus();
    three->SetFocus();
    groupA->SetFocus();  // a container can hold the focus itself
    const std::vector<std::string> expected = {
        "Enter GroupA", "Enter One",   "Exit One",   "Enter Two",   "Exit Two",    "Exit GroupA",
        "Enter GroupB", "Enter Three", "Exit Three", "Exit GroupB", "Enter GroupA"};
    EXPECT_EQ(log.entries, expected);
    EXPECT_EQ(Screen->ActiveControl(), groupA);
}

TEST(Focus, DisablingOrHidingTheFocusedControlsParentTakesTheFocusAway) {
    SimApp sim;
    TForm* form = NewForm();
    auto* group = Place<TGroupBox>(form, form, "Group");
    auto* box = Place<TCheckBox>(form, group, "Box");
    auto* other = Place<TCheckBox>(form, form, "Other");
    form->Show();
    box->SetFocus();
    FocusLog log;
    log.Watch(group);
    log.Watch(box);

    group->SetEnabled(false);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"Exit Box", "Exit Group"}));
    EXPECT_FALSE(box->Focused());
    EXPECT_EQ(form->ActiveControl(), nullptr);
    EXPECT_FALSE(box->CanFocus());
    EXPECT_THROW(box->SetFocus(), EInvalidOperation);

    group->SetEnabled(true);
    box->SetFocus();
    log.entries.clear();
    group->SetVisible(false);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"Exit Box", "Exit Group"}));
    EXPECT_TRUE(other->CanFocus());
}

TEST(Focus, TabMovesToTheNextTabStopAndWrapsAround) {
    SimApp sim;
    TForm* form = NewForm();
    auto* a = Place<TCheckBox>(form, form, "A");
    auto* skipped = Place<TCheckBox>(form, form, "Skipped");
    skipped->SetTabStop(false);
    auto* group = Place<TGroupBox>(form, form, "Group");
    auto* b = Place<TCheckBox>(form, group, "B");
    auto* hidden = Place<TCheckBox>(form, form, "Hidden");
    hidden->SetVisible(false);
    form->Show();
    ASSERT_TRUE(a->Focused());

    EXPECT_TRUE(a->PeerKeyDown(vkTab));
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->PeerKeyDown(vkTab));
    EXPECT_TRUE(a->Focused());
}

TEST(KeyPress, AHandlerMayChangeOrSwallowTheCharacter) {
    SimApp sim;
    TForm* form = NewForm();
    auto* box = Place<TCheckBox>(form, form);
    box->OnKeyPress = [](TObject*, char& key) {
        if (key == 'x')
            key = 0;
        if (key == 'a')
            key = 'A';
    };
    char key = 'a';
    box->PeerKeyPress(key);
    EXPECT_EQ(key, 'A');
    key = 'x';
    box->PeerKeyPress(key);
    EXPECT_EQ(key, 0);

    // A key-down handler that clears the key has used it.
    box->OnKeyDown = [](TObject*, std::uint16_t& k, TShiftState) {
        if (k == 'Q')
            k = 0;
    };
    EXPECT_TRUE(box->PeerKeyDown('Q'));
    EXPECT_FALSE(box->PeerKeyDown('W'));
}

}  // namespace
