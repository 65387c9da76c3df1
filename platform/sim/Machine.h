#pragma once
// The simulated machine: a whole Windows that a test sets up and inspects.
// Install it for a test with os::ScopedBackend.
//
//   sim::Machine machine;
//   os::ScopedBackend use(machine);
//   machine.Registry().SetString(os::RootKey::LocalMachine, "Software\\X", "App", "C:\\X\\a.exe");
//   machine.Files().AddFile("C:\\Setup\\Install.exe");

#include "platform/os/Backend.h"
#include "platform/sim/SimFiles.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimWindowing.h"

namespace sim {

class Machine : public os::Backend {
  public:
    Machine() = default;

    SimRegistry& Registry() { return registry_; }
    SimFiles& Files() { return files_; }
    SimShell& Shell() { return shell_; }
    SimWindowing& Windowing() { return windowing_; }

    os::Registry& registry() override { return registry_; }
    os::Files& files() override { return files_; }
    os::Shell& shell() override { return shell_; }
    os::Windowing& windowing() override { return windowing_; }

  private:
    SimRegistry registry_;
    SimFiles files_;
    SimShell shell_;
    SimWindowing windowing_;
};

}  // namespace sim
