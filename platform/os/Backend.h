#pragma once
// The operating system as the layers above see it: one backend at a time,
// installed at program start (win32) or by a test (sim).

#include "platform/os/Files.h"
#include "platform/os/Registry.h"
#include "platform/os/Shell.h"
#include "platform/os/Windowing.h"

namespace os {

class Backend {
  public:
    virtual ~Backend() = default;
    virtual Registry& registry() = 0;
    virtual Files& files() = 0;
    virtual Shell& shell() = 0;
    virtual Windowing& windowing() = 0;
};

// The installed backend; raises std::logic_error when none is installed.
Backend& backend();
void InstallBackend(Backend* backend);  // null uninstalls
bool HasBackend();

inline Registry& registry() {
    return backend().registry();
}
inline Files& files() {
    return backend().files();
}
inline Shell& shell() {
    return backend().shell();
}
inline Windowing& windowing() {
    return backend().windowing();
}

// Installs a backend for the lifetime of this object and restores the previous
// one afterwards.
class ScopedBackend {
  public:
    explicit ScopedBackend(Backend& b);
    ~ScopedBackend();
    ScopedBackend(const ScopedBackend&) = delete;
    ScopedBackend& operator=(const ScopedBackend&) = delete;

  private:
    Backend* previous_;
};

}  // namespace os
