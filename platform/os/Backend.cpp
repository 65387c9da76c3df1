#include "platform/os/Backend.h"

#include <stdexcept>

namespace os {

namespace {
Backend* installed = nullptr;
}

Backend& backend() {
    if (installed == nullptr)
        throw std::logic_error("no operating-system backend installed");
    return *installed;
}

void InstallBackend(Backend* b) {
    installed = b;
}

bool HasBackend() {
    return installed != nullptr;
}

ScopedBackend::ScopedBackend(Backend& b) : previous_(installed) {
    installed = &b;
}

ScopedBackend::~ScopedBackend() {
    installed = previous_;
}

}  // namespace os
