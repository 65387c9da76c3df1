#include "installer/VocalithInstall.h"

#include "installer/VocalithInstallMain.h"
#include "platform/controls/Application.h"
#include "platform/controls/Register.h"
#include "runtime/Helpers.h"
#include "runtime/RuntimeClasses.h"

namespace {
const bool registered = UnitVersion("installer/VocalithInstall.cpp 1.0");
}

void RegisterSetupClasses() {
    RegisterCoreClasses();
    RegisterControlClasses();
    RegisterRuntimeClasses();
    RegisterInstallerClasses();
}

int VocalithInstall() {
    Application->SetTitle("Setup");
    Application->Initialize();
    Application->SetShowMainForm(false);
    TVocalithInstallForm* form = nullptr;
    try {
        Application->CreateForm(form);
    } catch (...) {
        // A window that cannot be made from its description: say why and end.
        Application->HandleException(nullptr);
        return 1;
    }
    if (form->Ready()) {
        form->Show();
    } else {
        Application->Terminate();
    }
    Application->Run();
    return 0;
}
