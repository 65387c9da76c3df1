#pragma once
// The simulated windowing: no native peers (controls are complete on their
// own), a message queue of posted calls, scripted and recorded message boxes
// and file dialogs, a record of the messages sent to windows, and a screen.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/Windowing.h"

namespace sim {

struct ShownMessageBox {
    os::WindowHandle owner = 0;
    std::string text;
    std::string caption;
    std::uint32_t flags = 0;
    int answer = 0;
};

struct SentMessage {
    os::WindowHandle window = 0;
    unsigned message = 0;
    std::uintptr_t wparam = 0;
    std::intptr_t lparam = 0;
    std::string text;  // for SendText
};

struct ShownFileDialog {
    os::FileDialogRequest request;
    bool accepted = false;
};

class SimWindowing : public os::Windowing {
  public:
    // ---- what a test scripts -------------------------------------------------
    // Answers for the next message boxes, in order; without one a box answers
    // IDOK (or IDYES/IDNO for a yes/no box: IDYES).
    void ScriptMessageBoxAnswer(int answer) { boxAnswers_.push_back(answer); }
    // Runs while a message box is showing (to act from inside the modal loop).
    std::function<void(const ShownMessageBox&)> onMessageBox;
    // Answers for the next file dialogs; nullopt cancels. Without one, cancel.
    void ScriptFileDialog(std::optional<os::FileDialogResult> result) {
        fileAnswers_.push_back(std::move(result));
    }
    void SetScreenSize(os::Size size) { screen_ = size; }
    // A window that the shell or a dialog created, known to WindowRect.
    os::WindowHandle AddWindow(const os::Rect& rect);
    // Forgets a window added with AddWindow (the dialog was destroyed), with
    // its window procedure.
    void RemoveWindow(os::WindowHandle window);
    // Answers Send for a window and message (default 0).
    std::function<std::intptr_t(const SentMessage&)> onSend;
    // The window procedure of a simulated window (a shell dialog): answers
    // the messages sent to that window instead of onSend. Null removes it.
    void SetWindowProc(os::WindowHandle window,
                       std::function<std::intptr_t(const SentMessage&)> proc);

    // ---- what a test inspects ---------------------------------------------------
    const std::vector<ShownMessageBox>& MessageBoxes() const { return boxes_; }
    const std::vector<SentMessage>& SentMessages() const { return sent_; }
    const std::vector<ShownFileDialog>& FileDialogs() const { return fileDialogs_; }
    os::Cursor CurrentCursor() const { return cursor_; }
    std::size_t PendingCalls() const { return queue_.size(); }
    bool QuitPosted() const { return quitPosted_; }
    // Windows currently disabled by DisableTaskWindows.
    const std::vector<os::WindowHandle>& DisabledTaskWindows() const { return disabled_; }
    // Top-level windows that DisableTaskWindows would switch off.
    void SetTaskWindows(std::vector<os::WindowHandle> windows) {
        taskWindows_ = std::move(windows);
    }

    // ---- os::Windowing ----------------------------------------------------------
    std::unique_ptr<os::Peer> CreatePeer(const os::PeerSpec&, os::Peer*, os::PeerHost&) override {
        return nullptr;
    }
    os::Size NonClientSize(os::BorderStyle style) override;
    std::intptr_t Send(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                       std::intptr_t lparam) override;
    std::intptr_t SendText(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                           const std::string& text) override;
    os::Rect WindowRect(os::WindowHandle window) override;
    void MoveWindowTo(os::WindowHandle window, const os::Rect& rect, bool repaint) override;
    os::WindowHandle ApplicationWindow() override { return kApplicationWindow; }
    os::DisabledWindows DisableTaskWindows(os::WindowHandle except) override;
    void EnableTaskWindows(const os::DisabledWindows& windows) override;
    os::Size ScreenSize() override { return screen_; }
    void SetCursor(os::Cursor cursor) override { cursor_ = cursor; }
    void ProcessPendingMessages() override;
    os::LoopTurn HandleMessage() override;
    void PostCall(std::function<void()> call) override { queue_.push_back(std::move(call)); }
    void PostQuit() override { quitPosted_ = true; }
    int ShowMessageBox(os::WindowHandle owner, const std::string& text, const std::string& caption,
                       std::uint32_t flags) override;
    std::optional<os::FileDialogResult> ShowFileDialog(
        const os::FileDialogRequest& request) override;

    static constexpr os::WindowHandle kApplicationWindow = 1;

  private:
    std::intptr_t Deliver(const SentMessage& m);

    std::deque<int> boxAnswers_;
    std::deque<std::optional<os::FileDialogResult>> fileAnswers_;
    std::vector<ShownMessageBox> boxes_;
    std::vector<SentMessage> sent_;
    std::vector<ShownFileDialog> fileDialogs_;
    std::deque<std::function<void()>> queue_;
    std::map<os::WindowHandle, os::Rect> windows_;
    std::map<os::WindowHandle, std::function<std::intptr_t(const SentMessage&)>> procs_;
    std::vector<os::WindowHandle> taskWindows_;
    std::vector<os::WindowHandle> disabled_;
    os::WindowHandle nextWindow_ = 100;
    os::Size screen_{1024, 768};
    os::Cursor cursor_ = os::Cursor::Default;
    bool quitPosted_ = false;
};

}  // namespace sim
