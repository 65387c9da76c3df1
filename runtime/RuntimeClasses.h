#pragma once
// Registers the runtime package's storable classes for form descriptions.

void RegisterRuntimeClasses();
