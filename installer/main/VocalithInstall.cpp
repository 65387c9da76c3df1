// The Windows program: installs the real operating-system backend and runs
// the setup program.
#include <windows.h>

#include "installer/VocalithInstall.h"
#include "platform/controls/Application.h"
#include "platform/win32/Win32Backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
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
