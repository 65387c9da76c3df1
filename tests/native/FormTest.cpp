#include "platform/controls/Form.h"

#include <gtest/gtest.h>

#include "ControlTestSupport.h"
#include "platform/controls/BitBtn.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/controls/Screen.h"
#include "platform/sim/UserInput.h"
#include "platform/stream/FormResources.h"
#include "platform/stream/Writer.h"

namespace {

TEST(FormSize, TheClientSizeStaysAndTheFrameComesOnTop) {
    SimApp sim;
    TForm* form = NewForm();
    form->SetClientWidth(505);
    form->SetClientHeight(368);
    EXPECT_EQ(form->Width(), 505 + 6);  // the sim's sizeable frame
    EXPECT_EQ(form->Height(), 368 + 25);
    form->SetBorderStyle(bsNone);
    EXPECT_EQ(form->ClientWidth(), 505);
    EXPECT_EQ(form->Width(), 505);
    form->SetBorderStyle(bsToolWindow);
    EXPECT_EQ(form->Height(), 368 + 21);
    form->SetBounds(0, 0, 206, 121);  // the window rectangle
    EXPECT_EQ(form->ClientWidth(), 200);
    EXPECT_EQ(form->ClientHeight(), 100);
}

TEST(FormShow, AScreenCentredFormIsPlacedInTheMiddleWhenShown) {
    SimApp sim;
    TForm* form = NewForm();
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(505);
    form->SetClientHeight(368);
    form->SetPosition(poScreenCenter);
    form->SetBounds(3, 4, form->Width(), form->Height());
    EXPECT_EQ(form->Left(), 3);  // not yet shown
    form->Show();
    EXPECT_EQ(form->Left(), (1024 - 511) / 2);
    EXPECT_EQ(form->Top(), (768 - 393) / 2);

    // A window larger than the screen gets a negative place.
    sim.Windowing().SetScreenSize({400, 300});
    form->Hide();
    form->Show();
    EXPECT_EQ(form->Left(), (400 - 511) / 2);
    EXPECT_EQ(form->Top(), (300 - 393) / 2);
}

TEST(FormShow, ShowingFiresOnShowActivatesAndFocusesTheFirstTabStop) {
    SimApp sim;
    TForm* form = NewForm();
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    std::vector<std::string> log;
    form->OnShow = [&](TObject*) {
        log.push_back(std::string("Show, visible ") + (form->Visible() ? "yes" : "no"));
    };
    form->OnActivate = [&](TObject*) { log.push_back("Activate"); };
    box->OnEnter = [&](TObject*) { log.push_back("Enter box"); };
    form->OnHide = [&](TObject*) { log.push_back("Hide"); };
    form->OnDeactivate = [&](TObject*) { log.push_back("Deactivate"); };

    form->Hide();  // never shown: nothing to hide
    form->Show();
    EXPECT_TRUE(box->Focused());
    EXPECT_EQ(Screen->ActiveForm(), form);
    form->Hide();
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
    const std::vector<std::string> expected = {"Show, visible yes", "Activate", "Enter box", "Hide",
                                               "Deactivate"};
    EXPECT_EQ(log, expected);
}

// ---- closing ------------------------------------------------------------------------

struct CloseCase {
    const char* what;
    bool canClose;
    TCloseAction action;
    bool mainForm;
    bool visibleAfter;
    bool terminated;
};

TEST(FormClose, QueryThenActionThenHideOrTerminate) {
    const CloseCase cases[] = {
        {"refused by OnCloseQuery", false, caHide, false, true, false},
        {"kept by OnClose", true, caNone, false, true, false},
        {"hidden", true, caHide, false, false, false},
        {"main form ends the application", true, caHide, true, true, true},
        {"main form kept by OnClose", true, caNone, true, true, false},
        {"main form refused", false, caHide, true, true, false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.what);
        SimApp sim;
        TForm* main = nullptr;
        Application->CreateForm(main);
        TForm* form = main;
        if (!c.mainForm)
            Application->CreateForm(form);
        form->Show();
        std::vector<std::string> log;
        form->OnCloseQuery = [&](TObject*, bool& canClose) {
            log.push_back("CloseQuery");
            canClose = c.canClose;
        };
        form->OnClose = [&](TObject*, TCloseAction& action) {
            log.push_back(action == caHide ? "Close caHide" : "Close other");
            action = c.action;
        };
        form->Close();
        EXPECT_EQ(form->Visible(), c.visibleAfter);
        EXPECT_EQ(Application->Terminated(), c.terminated);
        EXPECT_EQ(sim.Windowing().QuitPosted(), c.terminated);
        std::vector<std::string> expected = {"CloseQuery"};
        if (c.canClose)
            expected.push_back("Close caHide");
        EXPECT_EQ(log, expected);
    }
}

TEST(FormClose, TheTitleBarAndOutsideRequestsGoThroughCloseQuery) {
    SimApp sim;
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    bool allow = false;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    sim::UserInput input;
    EXPECT_TRUE(input.RequestClose(form));
    EXPECT_FALSE(Application->Terminated());
    form->SetEnabled(false);
    EXPECT_FALSE(input.RequestClose(form));  // a disabled window takes no clicks
    form->PeerCloseRequest();                // WM_CLOSE from outside still asks
    EXPECT_FALSE(Application->Terminated());
    allow = true;
    form->PeerCloseRequest();
    EXPECT_TRUE(Application->Terminated());
}

TEST(FormClose, CaFreeReleasesTheFormOnceTheMessagesAreHandled) {
    SimApp sim;
    TForm* main = nullptr;
    Application->CreateForm(main);
    TForm* other = nullptr;
    Application->CreateForm(other);
    other->SetName("Other");
    other->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    other->Show();
    other->Close();
    EXPECT_NE(Application->FindComponent("Other"), nullptr);  // not yet
    Application->ProcessMessages();
    EXPECT_EQ(Application->FindComponent("Other"), nullptr);
}

// A form whose OnDestroy handler uses what only the derived form has.
class TLedgerForm : public TForm {
  public:
    explicit TLedgerForm(TComponent* owner) : TForm(owner) {
        OnDestroy = [this](TObject*) { (*record)->push_back("OnDestroy sees " + entries.back()); };
    }
    std::vector<std::string> entries{"ledger"};
    std::vector<std::string>** record = nullptr;
};

TEST(FormDestroy, OnDestroyFiresWhileTheDerivedFormIsWhole) {
    std::vector<std::string> log;
    std::vector<std::string>* sink = &log;
    {
        SimApp sim;
        TLedgerForm* form = nullptr;
        Application->CreateForm(form);
        form->record = &sink;
    }
    EXPECT_EQ(log, (std::vector<std::string>{"OnDestroy sees ledger"}));
}

// ---- modal forms and dialog keys ------------------------------------------------------

TEST(FormModal, AButtonsModalResultEndsShowModal) {
    SimApp sim;
    TForm* main = nullptr;
    Application->CreateForm(main);
    TForm* dialog = NewForm();
    auto* ok = new TButton(dialog);
    ok->SetParent(dialog);
    ok->SetModalResult(mrOk);
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    sim::UserInput input;
    // The user clicks OK twice; the first close is refused.
    sim.Windowing().PostCall([&] { input.Click(ok); });
    sim.Windowing().PostCall([&] { input.Click(ok); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(dialog->Modal());

    // Nothing left to answer it: the sim ends it as cancelled.
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
}

TEST(FormDialogKeys, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    SimApp sim;
    TForm* form = NewForm();
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    auto* ok = new TBitBtn(form);
    ok->SetParent(form);
    ok->SetKind(bkOK);
    auto* cancel = new TBitBtn(form);
    cancel->SetParent(form);
    cancel->SetKind(bkCancel);
    std::vector<std::string> clicks;
    ok->OnClick = [&](TObject*) { clicks.push_back("ok"); };
    cancel->OnClick = [&](TObject*) { clicks.push_back("cancel"); };
    form->Show();
    sim::UserInput input;
    ASSERT_TRUE(box->Focused());

    input.PressKey(box, '\r');
    input.PressKey(box, '\x1b');
    input.Focus(cancel);
    input.PressKey(cancel, '\r');  // a focused button takes Enter itself
    ok->SetEnabled(false);
    input.PressKey(box, '\r');  // a disabled default button is not clicked
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel", "cancel"}));
    EXPECT_FALSE(box->Checked());

    // An edit line passes Enter on after its key press, unless that swallows it.
    ok->SetEnabled(true);
    clicks.clear();
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    input.PressKey(combo, '\r');
    combo->OnKeyPress = [](TObject*, char& key) {
        if (key == '\r')
            key = 0;
    };
    input.PressKey(combo, '\r');
    input.PressKey(combo, '\x1b');
    EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
}

// ---- a form read from its description -------------------------------------------------

class TProbeForm : public TForm {
    PF_CLASS(TProbeForm)
  public:
    explicit TProbeForm(TComponent* owner) : TForm(owner) {}
    TPanel* PanelMain = nullptr;
    TPanel* Bar = nullptr;
    TGroupBox* GroupMode = nullptr;
    TRadioButton* BtnInstall = nullptr;
    TRadioButton* BtnUninstall = nullptr;
    TCheckBox* BtnFolder = nullptr;
    TComboBox* LangBox = nullptr;
    TLabel* LabelLang = nullptr;
    TBitBtn* BtnOK = nullptr;
    std::vector<std::string> calls;

    void FormCreate(TObject*) { calls.push_back("FormCreate"); }
    void BtnClick(TObject* sender) {
        calls.push_back("BtnClick " + static_cast<TComponent*>(sender)->Name());
    }
};

const TClassType& TProbeForm::StaticClass() {
    static const TClassType type =
        TClassType::Define<TProbeForm, TForm>("TProbeForm")
            .Field(PublishedField("PanelMain", &TProbeForm::PanelMain))
            .Field(PublishedField("Bar", &TProbeForm::Bar))
            .Field(PublishedField("GroupMode", &TProbeForm::GroupMode))
            .Field(PublishedField("BtnInstall", &TProbeForm::BtnInstall))
            .Field(PublishedField("BtnUninstall", &TProbeForm::BtnUninstall))
            .Field(PublishedField("BtnFolder", &TProbeForm::BtnFolder))
            .Field(PublishedField("LangBox", &TProbeForm::LangBox))
            .Field(PublishedField("LabelLang", &TProbeForm::LabelLang))
            .Field(PublishedField("BtnOK", &TProbeForm::BtnOK))
            .Method(PublishedMethod("FormCreate", &TProbeForm::FormCreate))
            .Method(PublishedMethod("BtnClick", &TProbeForm::BtnClick));
    return type;
}

constexpr const char* kProbeDescription = R"(object ProbeForm: TProbeForm
  Left = 10
  Top = 20
  BorderStyle = bsDialog
  Caption = 'Probe - Installation'
  ClientHeight = 368
  ClientWidth = 505
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object PanelMain: TPanel
    Left = 0
    Top = 0
    Width = 505
    Height = 300
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
    object GroupMode: TGroupBox
      Left = 8
      Top = 8
      Width = 217
      Height = 73
      Caption = 'Installation/uninstallation'
      TabOrder = 0
      object BtnInstall: TRadioButton
        Left = 16
        Top = 24
        Width = 185
        Height = 17
        Caption = 'Install'
        Checked = True
        TabOrder = 0
        TabStop = True
        OnClick = BtnClick
      end
      object BtnUninstall: TRadioButton
        Left = 16
        Top = 48
        Width = 185
        Height = 17
        Caption = 'Uninstall'
        TabOrder = 1
        OnClick = BtnClick
      end
    end
    object LabelLang: TLabel
      Left = 352
      Top = 8
      Width = 51
      Height = 13
      Caption = 'Language:'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object LangBox: TComboBox
      Left = 352
      Top = 24
      Width = 145
      Height = 21
      ItemHeight = 13
      TabOrder = 2
      Text = 'Deutsch'
      Items.Strings = (
        'English'
        'Deutsch')
    end
    object BtnFolder: TCheckBox
      Left = 16
      Top = 120
      Width = 113
      Height = 17
      Caption = 'Enabled'
      Checked = True
      State = cbChecked
      TabOrder = 1
      OnClick = BtnClick
    end
  end
  object Bar: TPanel
    Left = 0
    Top = 328
    Width = 505
    Height = 40
    Align = alBottom
    TabOrder = 0
    object BtnOK: TBitBtn
      Left = 8
      Top = 4
      Width = 128
      Height = 32
      Caption = '&Continue'
      TabOrder = 0
      Kind = bkOK
      OnClick = BtnClick
    end
  end
end
)";

TEST(FormDescription, CreatingAFormReadsItsDescriptionThenFiresOnCreate) {
    SimApp sim;
    RegisterComponentClass(TProbeForm::StaticClass());
    RegisterFormDescription("TProbeForm", kProbeDescription);
    TProbeForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_EQ(form->calls, (std::vector<std::string>{"FormCreate"}));

    // The tree and the fields.
    ASSERT_NE(form->BtnInstall, nullptr);
    EXPECT_EQ(form->BtnInstall->Parent(), form->GroupMode);
    EXPECT_EQ(form->GroupMode->Parent(), form->PanelMain);
    EXPECT_EQ(form->BtnOK->Parent(), form->Bar);
    EXPECT_EQ(form->BtnOK->Owner(), form);
    EXPECT_EQ(form->Caption(), "Probe - Installation");
    EXPECT_EQ(form->ClientWidth(), 505);
    EXPECT_EQ(form->ClientHeight(), 368);

    // Alignment ran after loading: the panel fills what the bar leaves.
    EXPECT_EQ(form->PanelMain->BoundsRect(), (os::Rect{0, 0, 505, 328}));
    EXPECT_EQ(form->Bar->BoundsRect(), (os::Rect{0, 328, 505, 40}));

    // Tab order as given, whatever the order of the blocks.
    EXPECT_EQ(form->Bar->TabOrder(), 0);
    EXPECT_EQ(form->PanelMain->TabOrder(), 1);
    EXPECT_EQ(form->BtnFolder->TabOrder(), 1);
    EXPECT_EQ(form->LangBox->TabOrder(), 2);

    // Fonts: the label has its own, the others follow the form's.
    EXPECT_FALSE(form->LabelLang->ParentFont());
    EXPECT_EQ(form->LabelLang->Font()->Style(), FontStyleBit(fsBold));
    EXPECT_EQ(form->LabelLang->Font()->Name(), "MS Sans Serif");
    EXPECT_TRUE(form->BtnFolder->ParentFont());
    EXPECT_EQ(form->LabelLang->BoundsRect(), (os::Rect{352, 8, 51, 13}));  // kept as laid out

    // Items, and the text selects its item.
    EXPECT_EQ(form->LangBox->Items()->Text(), "English\r\nDeutsch\r\n");
    EXPECT_EQ(form->LangBox->Text(), "Deutsch");
    EXPECT_EQ(form->LangBox->ItemIndex(), 1);

    // States and the kind's roles, with the caption of the description.
    EXPECT_TRUE(form->BtnInstall->Checked());
    EXPECT_TRUE(form->BtnInstall->TabStop());
    EXPECT_FALSE(form->BtnUninstall->Checked());
    EXPECT_TRUE(form->BtnFolder->Checked());
    EXPECT_EQ(form->BtnOK->Caption(), "&Continue");
    EXPECT_TRUE(form->BtnOK->Default());
    EXPECT_EQ(form->BtnOK->ModalResult(), mrOk);

    // Shown, centred; the events are bound to the form's handlers.
    form->Show();
    EXPECT_EQ(form->Left(), (1024 - 511) / 2);
    EXPECT_TRUE(form->BtnOK->Focused());  // the first tab stop
    sim::UserInput input;
    EXPECT_TRUE(input.Click(form->BtnUninstall));
    EXPECT_TRUE(input.Click(form->BtnFolder));
    EXPECT_TRUE(input.Click(form->BtnOK));
    const std::vector<std::string> expected = {"FormCreate", "BtnClick BtnUninstall",
                                               "BtnClick BtnFolder", "BtnClick BtnOK"};
    EXPECT_EQ(form->calls, expected);
    EXPECT_FALSE(form->BtnInstall->Checked());
    EXPECT_FALSE(form->BtnFolder->Checked());
}

// Writing a read form and reading that again gives the same description:
// the tables' defaults and stored rules agree with what the classes do.
TEST(FormDescription, WritingAReadFormGivesADescriptionThatReadsBackTheSame) {
    SimApp sim;
    RegisterComponentClass(TProbeForm::StaticClass());
    RegisterFormDescription("TProbeForm", kProbeDescription);
    TProbeForm* form = nullptr;
    Application->CreateForm(form);
    std::string written = ComponentToText(*form);
    FreeComponent(form);
    // What follows from another setting is not stored again.
    for (const char* implied : {"ModalResult", "Default", "ItemHeight", "ParentFont = True",
                                "Color", "State = cbUnchecked"}) {
        EXPECT_EQ(written.find(implied), std::string::npos) << implied << " in\n" << written;
    }

    RegisterFormDescription("TProbeForm", written);
    Application->CreateForm(form);
    EXPECT_EQ(ComponentToText(*form), written);
    EXPECT_EQ(form->BtnOK->ModalResult(), mrOk);
    RegisterFormDescription("TProbeForm", kProbeDescription);
}

TEST(FormDescription, AFailedReadLeavesNoFormAndNoMainForm) {
    SimApp sim;
    RegisterComponentClass(TProbeForm::StaticClass());
    RegisterFormDescription("TProbeForm",
                            "object ProbeForm: TProbeForm\n"
                            "  OnCreate = FormCreate\n"
                            "  Nonsense = 1\n"
                            "end\n");
    TProbeForm* form = reinterpret_cast<TProbeForm*>(1);
    EXPECT_THROW(Application->CreateForm(form), EReadError);
    EXPECT_EQ(form, nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->ComponentCount(), 0);
    RegisterFormDescription("TProbeForm", kProbeDescription);
}

}  // namespace
