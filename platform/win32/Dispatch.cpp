#include "platform/win32/Dispatch.h"

namespace win32 {

namespace {
// Everything runs on the user-interface thread: one slot is enough.
std::exception_ptr pending;
}  // namespace

void KeepPending(std::exception_ptr error) {
    if (!pending)
        pending = std::move(error);  // the first one is the cause
}

bool HasPending() {
    return static_cast<bool>(pending);
}

void RethrowPending() {
    if (!pending)
        return;
    std::exception_ptr error = std::move(pending);
    pending = nullptr;
    std::rethrow_exception(error);
}

}  // namespace win32
