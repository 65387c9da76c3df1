// The class library's controls on the real backend: a form built in code from
// the library's controls, run by the library's application object, so that a
// Wine scenario can check the two together before the setup program does.
// Every event writes a line into the log view.

#include <string>

#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Form.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/SpeedButton.h"
#include "platform/os/Backend.h"
#include "platform/win32/Backend.h"

namespace {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top,
         int width, int height) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

void BuildForm(TForm* form) {
    form->SetName("FormProbe");
    form->SetCaption("Form probe");
    form->SetBorderStyle(bsDialog);
    form->SetPosition(poScreenCenter);
    form->SetClientWidth(400);
    form->SetClientHeight(300);

    auto* log = Place<TRichEdit>(form, form, "LogView", 8, 120, 384, 130);
    log->SetReadOnly(true);
    log->SetScrollBars(ssVertical);
    auto write = [log](const std::string& line) { log->Lines()->Add(line); };

    auto* group = Place<TGroupBox>(form, form, "GroupMode", 8, 8, 185, 73);
    group->SetCaption("Mode");
    auto* install = Place<TRadioButton>(form, group, "BtnInstall", 16, 24, 150, 17);
    install->SetCaption("Install");
    install->SetChecked(true);
    auto* uninstall = Place<TRadioButton>(form, group, "BtnUninstall", 16, 48, 150, 17);
    uninstall->SetCaption("Uninstall");
    auto modeClick = [install, write](TObject*) {
        write(std::string("mode ") + (install->Checked() ? "install" : "uninstall"));
    };
    install->OnClick = modeClick;
    uninstall->OnClick = modeClick;

    auto* allow = Place<TCheckBox>(form, form, "CheckAllowClose", 8, 90, 150, 17);
    allow->SetCaption("Allow closing");
    allow->OnClick = [allow, write](TObject*) {
        write(std::string("allow closing ") + (allow->Checked() ? "1" : "0"));
    };

    auto* label = Place<TLabel>(form, form, "LabelLang", 208, 8, 60, 13);
    label->SetCaption("Language:");
    auto* language = Place<TComboBox>(form, form, "LangComboBox", 208, 24, 184, 21);
    language->SetStyle(csDropDownList);
    language->Items()->Add("English");
    language->Items()->Add("Deutsch");
    language->SetItemIndex(0);
    language->OnChange = [language, label, write](TObject*) {
        bool german = language->ItemIndex() == 1;
        label->SetCaption(german ? "Sprache:" : "Language:");
        write("language " + language->Text());
    };

    auto* folder = Place<TComboBox>(form, form, "FolderBox", 208, 56, 184, 21);
    folder->Items()->Add("C:\\Programme\\Ostrell Vocalith");
    folder->Items()->Add("C:\\Ostrell Vocalith");
    folder->SetItemIndex(0);
    folder->OnChange = [folder, write](TObject*) { write("folder " + folder->Text()); };

    // Two speed buttons of one group: they never take the focus, and the
    // one clicked stays down.
    auto* left = Place<TSpeedButton>(form, form, "BtnLeft", 208, 88, 40, 24);
    auto* right = Place<TSpeedButton>(form, form, "BtnRight", 252, 88, 40, 24);
    for (TSpeedButton* speed : {left, right}) {
        speed->SetCaption(speed == left ? "L" : "R");
        speed->SetGroupIndex(1);
        speed->OnClick = [left, right, write](TObject*) {
            write(std::string("speed left ") + (left->Down() ? "1" : "0") + ", right " +
                  (right->Down() ? "1" : "0"));
        };
    }

    auto* buttons = Place<TPanel>(form, form, "ButtonPanel", 0, 260, 400, 40);
    buttons->SetCaption("");
    buttons->SetBevelOuter(bvNone);
    auto* go = Place<TButton>(form, buttons, "BtnContinue", 128, 6, 128, 28);
    go->SetCaption("&Continue");
    go->SetDefault(true);
    go->OnClick = [write](TObject*) {
        int answer = Application->ShowMessageBox("Installation completed.", "Setup",
                                                 os::MB_OK | os::MB_ICONINFORMATION);
        write("completed, answer " + std::to_string(answer));
    };
    auto* close = Place<TButton>(form, buttons, "BtnClose", 264, 6, 128, 28);
    close->SetCaption("Close");
    close->SetCancel(true);
    close->OnClick = [form](TObject*) { form->Close(); };
    auto* fail = Place<TButton>(form, buttons, "BtnFail", 8, 6, 112, 28);
    fail->SetCaption("&Fail");
    fail->OnClick = [](TObject*) { throw Exception("Handler failed"); };

    form->OnCloseQuery = [allow, write](TObject*, bool& canClose) {
        canClose = allow->Checked();
        write(canClose ? "close granted" : "close refused");
    };
}

}  // namespace

int main() {
    win32::Backend backend;
    os::InstallBackend(&backend);
    {
        ScopedApplication app;
        Application->SetTitle("Form probe");
        Application->Initialize();
        TForm* form = nullptr;
        Application->CreateForm(form);
        BuildForm(form);
        Application->Run();
    }
    os::InstallBackend(nullptr);
    return 0;
}
