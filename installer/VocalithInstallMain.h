#pragma once
// The installer window: finds what there is to install and where it can go,
// offers the options, switches the interface language and refuses to close
// while a run works.

#include <memory>
#include <string>

#include "runtime/SuperForm.h"

class TButtonPanel;
class TCheckBox;
class TGroupBox;
class TLabel;
class TPanel;
class TRadioButton;
class TRegistry;
class TVocalith;
class TVocalithComboBox;

class TVocalithInstallForm : public TSuperForm {
    PF_CLASS(TVocalithInstallForm)
  public:
    explicit TVocalithInstallForm(TComponent* owner);
    ~TVocalithInstallForm() override;

    // True once FormCreate found something to install; the program entry
    // shows the window only then.
    bool Ready() const { return ready_; }
    // The registry object, present from a successful detection on.
    TRegistry* Registry() const { return registry_.get(); }

    // Published component fields, filled from the window's description.
    TVocalith* Vocalith = nullptr;
    TVocalithComboBox* LangComboBox = nullptr;
    TLabel* LabelLang = nullptr;
    TPanel* PanelMain = nullptr;
    TButtonPanel* ButtonPanel = nullptr;
    TGroupBox* GroupMode = nullptr;
    TRadioButton* BtnInstall = nullptr;
    TRadioButton* BtnUninstall = nullptr;
    TGroupBox* GroupFolder = nullptr;
    TCheckBox* BtnFolder = nullptr;
    TGroupBox* GroupDir = nullptr;
    TCheckBox* BtnWindows = nullptr;
    TCheckBox* BtnD3Dir = nullptr;
    TCheckBox* BtnD4Dir = nullptr;
    TCheckBox* BtnD5Dir = nullptr;
    TGroupBox* GroupReg = nullptr;
    TCheckBox* BtnD3 = nullptr;
    TCheckBox* BtnD4 = nullptr;
    TCheckBox* BtnD5 = nullptr;

    // Published event handlers.
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void VocalithChange(TObject* Sender);
    void BtnInstallClick(TObject* Sender);
    void BtnClick(TObject* Sender);
    void ButtonPanelCloseClick(TObject* Sender);
    void ButtonPanelContinueClick(TObject* Sender);

  private:
    // One Delphi version: its design-time package, its installation key and
    // the two boxes it fills.
    struct DelphiVersion {
        const char* package;
        const char* key;
        const char* valueName;
        TCheckBox* TVocalithInstallForm::*folderBox;
        TCheckBox* TVocalithInstallForm::*registerBox;
        bool TVocalithInstallForm::*found;
    };
    static const DelphiVersion kDelphiVersions[3];

    void Detect();
    void ReadDelphiFolder(TCheckBox& box, const std::string& key, const std::string& valueName);
    std::string WindowsCaption() const;
    // The option rules, run in answer to clicks.
    void UpdateOptions();
    void UpdateRegisterBox(bool folderChecked, TCheckBox& box);

    bool d3Found_ = false;
    bool d4Found_ = false;
    bool d5Found_ = false;
    std::unique_ptr<TRegistry> registry_;
    bool ready_ = false;
};

// Registers the installer window's classes and its description.
void RegisterInstallerClasses();
