#pragma once
// Host code runs inside window procedures and shell callbacks, and a C++
// exception cannot pass through the system's frames around them. Guarded
// catches it and keeps the first one; RethrowPending raises it again once
// control is back in the backend's own frames (after a dispatched message, a
// sent message, a modal dialog).

#include <exception>
#include <utility>

namespace win32 {

void KeepPending(std::exception_ptr error);
bool HasPending();
void RethrowPending();

template <class F>
void Guarded(F&& f) noexcept {
    try {
        std::forward<F>(f)();
    } catch (...) {
        KeepPending(std::current_exception());
    }
}

}  // namespace win32
