#pragma once
// Windowing through the standard Windows controls, so that screen readers and
// automation tools see an ordinary dialog: a form is a top-level window of a
// class named after the form's class, containers are plain windows, and the
// controls are BUTTON, STATIC, COMBOBOX and RichEdit20W windows. Every peer
// window carries its component's name as a window property (see
// PeerProperties.h) and every child window a control ID of its own.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/os/Windowing.h"

namespace win32 {

class WindowPeer;

class Windowing : public os::Windowing {
  public:
    Windowing();
    ~Windowing() override;
    Windowing(const Windowing&) = delete;
    Windowing& operator=(const Windowing&) = delete;

    std::unique_ptr<os::Peer> CreatePeer(const os::PeerSpec& params, os::Peer* parent,
                                         os::PeerHost& host) override;
    os::Size NonClientSize(os::BorderStyle style) override;
    std::intptr_t Send(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                       std::intptr_t lparam) override;
    std::intptr_t SendText(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                           const std::string& text) override;
    os::Rect WindowRect(os::WindowHandle window) override;
    void MoveWindowTo(os::WindowHandle window, const os::Rect& rect, bool repaint) override;
    os::WindowHandle ApplicationWindow() override;
    os::DisabledWindows DisableTaskWindows(os::WindowHandle except) override;
    void EnableTaskWindows(const os::DisabledWindows& windows) override;
    os::Size ScreenSize() override;
    void SetCursor(os::Cursor cursor) override;
    void ProcessPendingMessages() override;
    os::LoopTurn HandleMessage() override;
    void PostCall(std::function<void()> call) override;
    void PostQuit() override;
    int ShowMessageBox(os::WindowHandle owner, const std::string& text, const std::string& caption,
                       std::uint32_t flags) override;
    std::optional<os::FileDialogResult> ShowFileDialog(
        const os::FileDialogRequest& request) override;

    // The size of one line of text in the font, measured by the system.
    os::Size TextExtent(const os::FontSpec& font, const std::string& text) override;

    // ---- for the peers --------------------------------------------------------
    os::Cursor CurrentCursor() const { return cursor_; }
    // True once the backend is being destroyed: windows that go with it no
    // longer report to their hosts.
    bool ShuttingDown() const { return shuttingDown_; }
    // A font handle for the params, made once and kept until the end.
    std::uintptr_t FontFor(const os::FontSpec& font);
    int NextControlId() { return nextControlId_++; }
    // Loads the rich edit library once, before the first rich text view.
    void LoadRichEdit();
    // The key down that the message loop has already reported to its peer,
    // so that the peer's window procedure does not report it again.
    struct ReportedKey {
        std::uintptr_t window = 0;
        std::uintptr_t key = 0;
    };
    ReportedKey reportedKey;
    // Set while the Enter or Escape that a combo box's edit line received
    // (list closed) is on its way as a character: if the control leaves the
    // character alone, the form answers it (default or cancel button).
    bool dialogKeyPending = false;

  private:
    // One message through the key preview, the dialog keys and the window
    // procedure.
    void Dispatch(void* message);

    std::uintptr_t appWindow_ = 0;
    os::Cursor cursor_ = os::Cursor::Default;
    std::vector<std::pair<os::FontSpec, std::uintptr_t>> fonts_;
    void* richEditLibrary_ = nullptr;
    bool shuttingDown_ = false;
    int nextControlId_ = 100;  // clear of IDOK, IDCANCEL and the 0xFFFF of static texts
};

}  // namespace win32
