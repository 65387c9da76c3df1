#include "installer/VocalithInstallMain.h"

#include "installer/MessageKeys.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/controls/Registry.h"
#include "platform/core/StrUtils.h"
#include "platform/stream/FormResources.h"
#include "runtime/ButtonPanel.h"
#include "runtime/Helpers.h"
#include "runtime/Msg.h"
#include "runtime/Vocalith.h"
#include "runtime/VocalithComboBox.h"

extern const char kVocalithInstallMainDfm[];

namespace {

const bool registered = UnitVersion("installer/VocalithInstallMain.cpp 1.0");

// The display form of a Bin folder in its box's caption.
constexpr int kFolderCaptionLength = 35;

}  // namespace

const TVocalithInstallForm::DelphiVersion TVocalithInstallForm::kDelphiVersions[3] = {
    {"OstrellVocalith30Design.dpl", "Software\\Borland\\Delphi\\3.0", "Delphi 3",
     &TVocalithInstallForm::BtnD3Dir, &TVocalithInstallForm::BtnD3,
     &TVocalithInstallForm::d3Found_},
    {"OstrellVocalith40Design.bpl", "Software\\Borland\\Delphi\\4.0", "Delphi 4",
     &TVocalithInstallForm::BtnD4Dir, &TVocalithInstallForm::BtnD4,
     &TVocalithInstallForm::d4Found_},
    {"OstrellVocalith50Design.bpl", "Software\\Borland\\Delphi\\5.0", "App",
     &TVocalithInstallForm::BtnD5Dir, &TVocalithInstallForm::BtnD5,
     &TVocalithInstallForm::d5Found_},
};

const TClassType& TVocalithInstallForm::StaticClass() {
    using F = TVocalithInstallForm;
    static const TClassType type =
        TClassType::Define<F, TSuperForm>("TVocalithInstallForm")
            .Field(PublishedField("Vocalith", &F::Vocalith))
            .Field(PublishedField("LangComboBox", &F::LangComboBox))
            .Field(PublishedField("LabelLang", &F::LabelLang))
            .Field(PublishedField("PanelMain", &F::PanelMain))
            .Field(PublishedField("ButtonPanel", &F::ButtonPanel))
            .Field(PublishedField("GroupMode", &F::GroupMode))
            .Field(PublishedField("BtnInstall", &F::BtnInstall))
            .Field(PublishedField("BtnUninstall", &F::BtnUninstall))
            .Field(PublishedField("GroupFolder", &F::GroupFolder))
            .Field(PublishedField("BtnFolder", &F::BtnFolder))
            .Field(PublishedField("GroupDir", &F::GroupDir))
            .Field(PublishedField("BtnWindows", &F::BtnWindows))
            .Field(PublishedField("BtnD3Dir", &F::BtnD3Dir))
            .Field(PublishedField("BtnD4Dir", &F::BtnD4Dir))
            .Field(PublishedField("BtnD5Dir", &F::BtnD5Dir))
            .Field(PublishedField("GroupReg", &F::GroupReg))
            .Field(PublishedField("BtnD3", &F::BtnD3))
            .Field(PublishedField("BtnD4", &F::BtnD4))
            .Field(PublishedField("BtnD5", &F::BtnD5))
            .Method(PublishedMethod("FormCloseQuery", &F::FormCloseQuery))
            .Method(PublishedMethod("FormCreate", &F::FormCreate))
            .Method(PublishedMethod("FormDestroy", &F::FormDestroy))
            .Method(PublishedMethod("VocalithChange", &F::VocalithChange))
            .Method(PublishedMethod("BtnInstallClick", &F::BtnInstallClick))
            .Method(PublishedMethod("BtnClick", &F::BtnClick))
            .Method(PublishedMethod("ButtonPanelCloseClick", &F::ButtonPanelCloseClick))
            .Method(PublishedMethod("ButtonPanelContinueClick", &F::ButtonPanelContinueClick));
    return type;
}

TVocalithInstallForm::TVocalithInstallForm(TComponent* owner) : TSuperForm(owner) {}

TVocalithInstallForm::~TVocalithInstallForm() = default;

// ---- start-up --------------------------------------------------------------------

void TVocalithInstallForm::FormCreate(TObject*) {
    try {
        Detect();
    } catch (...) {
        // Whatever went wrong, the user learns only that it did; the program
        // then ends without showing the window.
        ready_ = false;
        Msg(Vocalith->GetString(msgkey::EUnknownError), "", mkError, 0, 0);
    }
}

void TVocalithInstallForm::Detect() {
    for (const DelphiVersion& v : kDelphiVersions) {
        this->*v.found = FileExist(ExpandApplicationDir(v.package));
    }
    if (!d3Found_ && !d4Found_ && !d5Found_) {
        Msg(Vocalith->GetString(msgkey::NoFiles), "", mkError, 0, 0);
        return;
    }
    BtnWindows->SetHint(GetWindowsDir());
    BtnWindows->SetCaption(WindowsCaption());
    registry_ = std::make_unique<TRegistry>();
    for (const DelphiVersion& v : kDelphiVersions) {
        if (!(this->*v.found))
            continue;
        TCheckBox& folderBox = *(this->*v.folderBox);
        TCheckBox& registerBox = *(this->*v.registerBox);
        ReadDelphiFolder(folderBox, v.key, v.valueName);
        registerBox.SetChecked(folderBox.Enabled());
        registerBox.SetEnabled(folderBox.Enabled());
    }
    ready_ = true;
}

void TVocalithInstallForm::ReadDelphiFolder(TCheckBox& box, const std::string& key,
                                            const std::string& valueName) {
    registry_->CloseKey();
    registry_->SetRootKey(os::RootKey::LocalMachine);
    if (!registry_->OpenKey(key, false))
        return;
    std::string value;
    try {
        value = registry_->ReadString(valueName);
    } catch (...) {
        // A missing value, or one that is not a text, leaves the box as it is.
        registry_->CloseKey();
        return;
    }
    registry_->CloseKey();
    std::string folder = ExtractFileDir(value);
    // A value without a folder part names no Bin folder; files must never be
    // sent to an empty target path.
    if (folder.empty())
        return;
    box.SetCaption(ShortPath(folder, kFolderCaptionLength));
    box.SetHint(folder);
    box.SetChecked(true);
    box.SetEnabled(true);
}

std::string TVocalithInstallForm::WindowsCaption() const {
    return BtnWindows->Hint() + " " + Vocalith->GetString(msgkey::RTOnly);
}

// ---- languages -------------------------------------------------------------------

void TVocalithInstallForm::VocalithChange(TObject*) {
    BtnWindows->SetCaption(WindowsCaption());
}

// ---- closing ---------------------------------------------------------------------

void TVocalithInstallForm::FormCloseQuery(TObject*, bool& CanClose) {
    // A run disables the whole window; no close request is granted meanwhile.
    CanClose = Enabled();
}

void TVocalithInstallForm::FormDestroy(TObject*) {
    DeleteClass(registry_);
}

void TVocalithInstallForm::ButtonPanelCloseClick(TObject*) {
    Close();
}

// ---- option rules ----------------------------------------------------------------

void TVocalithInstallForm::BtnInstallClick(TObject*) {
    GroupReg->SetEnabled(BtnInstall->Checked());
    UpdateOptions();
}

void TVocalithInstallForm::BtnClick(TObject*) {
    UpdateOptions();
}

void TVocalithInstallForm::UpdateOptions() {
    UpdateRegisterBox(BtnD3Dir->Checked(), *BtnD3);
    UpdateRegisterBox(BtnD4Dir->Checked(), *BtnD4);
    UpdateRegisterBox(BtnD5Dir->Checked(), *BtnD5);
    bool anyTarget = BtnFolder->Checked() || BtnD3Dir->Checked() || BtnD4Dir->Checked() ||
                     BtnD5Dir->Checked() || BtnWindows->Checked();
    ButtonPanel->Buttons()->GetItem(0)->SetBool(TButtonItem::kEnabledIndex, anyTarget);
}

void TVocalithInstallForm::UpdateRegisterBox(bool folderChecked, TCheckBox& box) {
    bool allowed = GroupReg->Enabled() && folderChecked;
    if (allowed == box.Enabled())
        return;
    if (allowed) {
        box.SetChecked(box.Tag() == 1);
    } else {
        box.SetTag(box.Checked() ? 1 : 0);
        box.SetChecked(false);
    }
    box.SetEnabled(allowed);
}

// "Continue": the install and uninstall run is not part of this window yet,
// so the button does nothing.
void TVocalithInstallForm::ButtonPanelContinueClick(TObject*) {}

void RegisterInstallerClasses() {
    RegisterComponentClass(TVocalithInstallForm::StaticClass());
    RegisterFormDescription("TVocalithInstallForm", kVocalithInstallMainDfm);
}
