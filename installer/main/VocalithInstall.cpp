// The Windows program: installs the real operating-system backend and runs
// the setup program. It takes no command-line arguments.
#include "installer/VocalithInstall.h"
#include "platform/controls/Application.h"
#include "platform/win32/Backend.h"

int main() {
    win32::Backend backend;
    os::InstallBackend(&backend);
    RegisterSetupClasses();
    int code = 0;
    {
        ScopedApplication application;
        code = VocalithInstall();
    }
    os::InstallBackend(nullptr);
    return code;
}
