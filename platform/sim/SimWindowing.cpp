#include "platform/sim/SimWindowing.h"

#include <algorithm>

namespace sim {

os::Size SimWindowing::NonClientSize(os::BorderStyle style) {
    // The classic frame: 3 pixels a side for dialog and sizeable frames, 1 for
    // a single line, and a caption of 19 pixels.
    switch (style) {
        case os::BorderStyle::None:
            return {0, 0};
        case os::BorderStyle::Single:
            return {2, 2 + 19};
        case os::BorderStyle::ToolWindow:
        case os::BorderStyle::SizeToolWindow:
            return {6, 6 + 15};
        case os::BorderStyle::Sizeable:
        case os::BorderStyle::Dialog:
            return {6, 6 + 19};
    }
    return {0, 0};
}

os::WindowHandle SimWindowing::AddWindow(const os::Rect& rect) {
    os::WindowHandle handle = nextWindow_++;
    windows_[handle] = rect;
    return handle;
}

void SimWindowing::RemoveWindow(os::WindowHandle window) {
    windows_.erase(window);
    procs_.erase(window);
}

void SimWindowing::SetWindowProc(os::WindowHandle window,
                                 std::function<std::intptr_t(const SentMessage&)> proc) {
    if (proc) {
        procs_[window] = std::move(proc);
    } else {
        procs_.erase(window);
    }
}

std::intptr_t SimWindowing::Deliver(const SentMessage& m) {
    sent_.push_back(m);
    auto it = procs_.find(m.window);
    if (it != procs_.end()) {
        // A copy: the procedure may replace or remove itself while it runs.
        auto proc = it->second;
        return proc(m);
    }
    return onSend ? onSend(m) : 0;
}

std::intptr_t SimWindowing::Send(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                                 std::intptr_t lparam) {
    return Deliver(SentMessage{window, message, wparam, lparam, {}});
}

std::intptr_t SimWindowing::SendText(os::WindowHandle window, unsigned message,
                                     std::uintptr_t wparam, const std::string& text) {
    return Deliver(SentMessage{window, message, wparam, 0, text});
}

os::Rect SimWindowing::WindowRect(os::WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? os::Rect{} : it->second;
}

void SimWindowing::MoveWindowTo(os::WindowHandle window, const os::Rect& rect, bool) {
    windows_[window] = rect;
}

os::DisabledWindows SimWindowing::DisableTaskWindows(os::WindowHandle except) {
    os::DisabledWindows list;
    for (os::WindowHandle w : taskWindows_) {
        if (w == except)
            continue;
        if (std::find(disabled_.begin(), disabled_.end(), w) != disabled_.end())
            continue;
        disabled_.push_back(w);
        list.push_back(w);
    }
    return list;
}

void SimWindowing::EnableTaskWindows(const os::DisabledWindows& windows) {
    for (os::WindowHandle w : windows) {
        disabled_.erase(std::remove(disabled_.begin(), disabled_.end(), w), disabled_.end());
    }
}

void SimWindowing::ProcessPendingMessages() {
    while (!queue_.empty() && !quitPosted_) {
        auto call = std::move(queue_.front());
        queue_.pop_front();
        call();
    }
}

os::LoopTurn SimWindowing::HandleMessage() {
    if (quitPosted_) {
        quitPosted_ = false;
        return os::LoopTurn::Quit;
    }
    if (queue_.empty())
        return os::LoopTurn::Idle;
    auto call = std::move(queue_.front());
    queue_.pop_front();
    call();
    return os::LoopTurn::Dispatched;
}

int SimWindowing::ShowMessageBox(os::WindowHandle owner, const std::string& text,
                                 const std::string& caption, std::uint32_t flags) {
    int answer = os::IDOK;
    if ((flags & 0xF) == os::MB_YESNO)
        answer = os::IDYES;
    if (!boxAnswers_.empty()) {
        answer = boxAnswers_.front();
        boxAnswers_.pop_front();
    }
    ShownMessageBox box{owner, text, caption, flags, answer};
    boxes_.push_back(box);
    os::DisabledWindows modal = DisableTaskWindows(0);
    if (onMessageBox) {
        try {
            onMessageBox(box);
        } catch (...) {
            EnableTaskWindows(modal);
            throw;
        }
    }
    EnableTaskWindows(modal);
    return answer;
}

std::optional<os::FileDialogResult> SimWindowing::ShowFileDialog(
    const os::FileDialogRequest& request) {
    std::optional<os::FileDialogResult> answer;
    if (!fileAnswers_.empty()) {
        answer = std::move(fileAnswers_.front());
        fileAnswers_.pop_front();
    }
    fileDialogs_.push_back({request, answer.has_value()});
    return answer;
}

}  // namespace sim
