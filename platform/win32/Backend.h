#pragma once
// The real backend: the registry, the file system, the shell and windowing of
// Windows. A program makes one at its start and installs it:
//
//   win32::Backend backend;
//   os::InstallBackend(&backend);

#include "platform/os/Backend.h"
#include "platform/win32/Files.h"
#include "platform/win32/Registry.h"
#include "platform/win32/Shell.h"
#include "platform/win32/Windowing.h"

namespace win32 {

class Backend : public os::Backend {
  public:
    os::Registry& registry() override { return registry_; }
    os::Files& files() override { return files_; }
    os::Shell& shell() override { return shell_; }
    os::Windowing& windowing() override { return windowing_; }

  private:
    Registry registry_;
    Files files_;
    Shell shell_;
    Windowing windowing_;
};

}  // namespace win32
