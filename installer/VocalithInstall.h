#pragma once
// The setup program's entry: title, the installer window, the message loop.

// Registers every class the installer's description names.
void RegisterSetupClasses();

// Runs the setup program on the installed backend until its window closes
// (or at once, when there is nothing to install). Returns the exit code.
int VocalithInstall();
