#include "platform/win32/Windowing.h"

#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/win32/Dispatch.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WindowPeer.h"

namespace win32 {

namespace {

// The private message that carries a posted call (lParam: the call).
constexpr UINT kCallMessage = WM_APP + 0x100;
constexpr wchar_t kApplicationClass[] = L"TApplication";

LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case kCallMessage: {
            std::unique_ptr<std::function<void()>> call(
                reinterpret_cast<std::function<void()>*>(lp));
            Guarded([&] { (*call)(); });
            return 0;
        }
        case WM_CLOSE:
            return 0;  // the hidden window lives as long as the application
    }
    return DefWindowProcW(window, message, wp, lp);
}

HWND Hwnd(os::WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

// Keeps which window was active and focused across a modal dialog of the
// system, disables the application's other windows meanwhile (as the class
// library's own modal dialogs do) and restores both afterwards.
class ModalScope {
  public:
    explicit ModalScope(Windowing& windowing)
        : windowing_(windowing),
          active_(GetActiveWindow()),
          focus_(GetFocus()),
          disabled_(windowing.DisableTaskWindows(0)) {}
    ~ModalScope() {
        windowing_.EnableTaskWindows(disabled_);
        if (active_ != nullptr && IsWindow(active_))
            SetActiveWindow(active_);
        if (focus_ != nullptr && IsWindow(focus_))
            SetFocus(focus_);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    Windowing& windowing_;
    HWND active_;
    HWND focus_;
    os::DisabledWindows disabled_;
};

// "Text files (*.txt)|*.txt|All files (*.*)|*.*" becomes the NUL-separated,
// doubly NUL-terminated list that the file dialogs take.
std::wstring FilterList(const std::string& filter) {
    std::wstring list = Widen(filter);
    for (wchar_t& c : list) {
        if (c == L'|')
            c = L'\0';
    }
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

}  // namespace

Windowing::Windowing() = default;

Windowing::~Windowing() {
    shuttingDown_ = true;  // windows destroyed from here on report to no host
    if (appWindow_ != 0)
        DestroyWindow(Hwnd(appWindow_));
    for (auto& [params, font] : fonts_)
        DeleteObject(reinterpret_cast<HFONT>(font));
    if (richEditLibrary_ != nullptr)
        FreeLibrary(static_cast<HMODULE>(richEditLibrary_));
}

std::unique_ptr<os::Peer> Windowing::CreatePeer(const os::PeerSpec& params, os::Peer* parent,
                                                os::PeerHost& host) {
    auto peer = std::make_unique<WindowPeer>(*this, params, static_cast<WindowPeer*>(parent), host);
    RethrowPending();
    return peer;
}

void Windowing::LoadRichEdit() {
    if (richEditLibrary_ != nullptr)
        return;
    richEditLibrary_ = LoadLibraryW(L"riched20.dll");
    if (richEditLibrary_ == nullptr)
        throw EInvalidOperation("riched20.dll cannot be loaded");
}

std::uintptr_t Windowing::FontFor(const os::FontSpec& font) {
    for (auto& [params, handle] : fonts_) {
        if (params == font)
            return handle;
    }
    LOGFONTW log{};
    log.lfHeight = font.height;
    log.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = font.italic;
    log.lfUnderline = font.underline;
    log.lfStrikeOut = font.strikeOut;
    log.lfCharSet = static_cast<BYTE>(font.charset);
    log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    log.lfQuality = DEFAULT_QUALITY;
    log.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::wstring face = Widen(font.name).substr(0, LF_FACESIZE - 1);
    face.copy(log.lfFaceName, face.size());
    HFONT handle = CreateFontIndirectW(&log);
    if (handle == nullptr)
        handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    fonts_.emplace_back(font, value);
    return value;
}

os::Size Windowing::TextExtent(const os::FontSpec& font, const std::string& text) {
    std::wstring wide = Widen(text);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(FontFor(font)));
    SIZE size{};
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {size.cx, wide.empty() ? metrics.tmHeight : size.cy};
}

os::Size Windowing::NonClientSize(os::BorderStyle style) {
    DWORD exStyle = 0;
    DWORD windowStyle = FormWindowStyle(style, &exStyle);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, windowStyle, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

std::intptr_t Windowing::Send(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                              std::intptr_t lparam) {
    LRESULT result = SendMessageW(Hwnd(window), message, wparam, lparam);
    RethrowPending();
    return result;
}

std::intptr_t Windowing::SendText(os::WindowHandle window, unsigned message, std::uintptr_t wparam,
                                  const std::string& text) {
    // The seam names the browse dialog's text messages by their ANSI numbers;
    // the text goes as UTF-16, so the wide forms are sent.
    if (message == BFFM_SETSTATUSTEXTA)
        message = BFFM_SETSTATUSTEXTW;
    if (message == BFFM_SETSELECTIONA)
        message = BFFM_SETSELECTIONW;
    std::wstring wide = Widen(text);
    LRESULT result =
        SendMessageW(Hwnd(window), message, wparam, reinterpret_cast<LPARAM>(wide.c_str()));
    RethrowPending();
    return result;
}

os::Rect Windowing::WindowRect(os::WindowHandle window) {
    RECT r{};
    if (!GetWindowRect(Hwnd(window), &r))
        return {};
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Windowing::MoveWindowTo(os::WindowHandle window, const os::Rect& rect, bool repaint) {
    MoveWindow(Hwnd(window), rect.left, rect.top, rect.width, rect.height, repaint ? TRUE : FALSE);
    RethrowPending();
}

os::WindowHandle Windowing::ApplicationWindow() {
    if (appWindow_ != 0)
        return appWindow_;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = ApplicationProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kApplicationClass;
    if (RegisterClassExW(&cls) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw EInvalidOperation("Error registering window class (" +
                                std::to_string(GetLastError()) + ")");
    }
    HWND window = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        throw EInvalidOperation("Error creating window (" + std::to_string(GetLastError()) + ")");
    }
    appWindow_ = reinterpret_cast<os::WindowHandle>(window);
    return appWindow_;
}

namespace {

struct TaskWindows {
    HWND except;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTaskWindow(HWND window, LPARAM data) {
    auto* task = reinterpret_cast<TaskWindows*>(data);
    if (window != task->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        task->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

os::DisabledWindows Windowing::DisableTaskWindows(os::WindowHandle except) {
    TaskWindows task{Hwnd(except), {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectTaskWindow, reinterpret_cast<LPARAM>(&task));
    os::DisabledWindows disabled;
    for (HWND window : task.found) {
        EnableWindow(window, FALSE);
        disabled.push_back(reinterpret_cast<os::WindowHandle>(window));
    }
    return disabled;
}

void Windowing::EnableTaskWindows(const os::DisabledWindows& windows) {
    for (os::WindowHandle window : windows) {
        if (IsWindow(Hwnd(window)))
            EnableWindow(Hwnd(window), TRUE);
    }
}

os::Size Windowing::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Windowing::SetCursor(os::Cursor cursor) {
    cursor_ = cursor;
    // Show it at once; WM_SETCURSOR keeps it while the mouse moves.
    POINT at;
    HWND under = GetCursorPos(&at) ? WindowFromPoint(at) : nullptr;
    if (under != nullptr && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    } else {
        ::SetCursor(LoadCursorW(nullptr, CursorShape(cursor)));
    }
    RethrowPending();
}

void Windowing::Dispatch(void* message) {
    MSG& msg = *static_cast<MSG*>(message);
    WindowPeer* peer = WindowPeer::Of(msg.hwnd);
    if (peer != nullptr && (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)) {
        dialogKeyPending = false;
        // The host sees the key before the dialog manager does.
        bool handled = false;
        Guarded([&] { handled = peer->Host().PeerKeyDown(static_cast<unsigned>(msg.wParam)); });
        // The host may have destroyed the window meanwhile.
        peer = WindowPeer::Of(msg.hwnd);
        if (handled || HasPending() || peer == nullptr)
            return;
        reportedKey = {reinterpret_cast<std::uintptr_t>(msg.hwnd), msg.wParam};
        if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
            peer->IsComboEdit(msg.hwnd) && !peer->IsDropped()) {
            // Enter and Escape in an edit line go to the control as characters
            // first; the form answers them only when the control leaves them.
            dialogKeyPending = true;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            reportedKey = {};
            return;
        }
    }
    HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    WindowPeer* form = WindowPeer::Of(root);
    if (form != nullptr && form->Kind() == os::PeerKind::Form && IsDialogMessageW(root, &msg)) {
        reportedKey = {};
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    reportedKey = {};
}

void Windowing::ProcessPendingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop to see
            break;
        }
        Dispatch(&msg);
        RethrowPending();
    }
}

os::LoopTurn Windowing::HandleMessage() {
    MSG msg;
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1)
        return os::LoopTurn::Quit;
    Dispatch(&msg);
    RethrowPending();
    return os::LoopTurn::Dispatched;
}

void Windowing::PostCall(std::function<void()> call) {
    auto* posted = new std::function<void()>(std::move(call));
    if (!PostMessageW(Hwnd(ApplicationWindow()), kCallMessage, 0,
                      reinterpret_cast<LPARAM>(posted))) {
        delete posted;
        throw EInvalidOperation("The call cannot be queued (" + std::to_string(GetLastError()) +
                                ")");
    }
}

void Windowing::PostQuit() {
    PostQuitMessage(0);
}

int Windowing::ShowMessageBox(os::WindowHandle owner, const std::string& text,
                              const std::string& caption, std::uint32_t flags) {
    HWND ownerWindow = owner != 0 ? Hwnd(owner) : Hwnd(ApplicationWindow());
    int answer = 0;
    {
        ModalScope modal(*this);
        answer = MessageBoxW(ownerWindow, Widen(text).c_str(), Widen(caption).c_str(), flags);
    }
    RethrowPending();
    return answer;
}

std::optional<os::FileDialogResult> Windowing::ShowFileDialog(
    const os::FileDialogRequest& request) {
    std::wstring filter = FilterList(request.filter);
    std::wstring title = Widen(request.title);
    std::wstring initialDir = Widen(request.initialDir);
    std::wstring defaultExt = Widen(request.defaultExt);
    std::wstring file = Widen(request.fileName);
    file.resize(std::max<std::size_t>(file.size() + 1, 32 * 1024), L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = request.owner != 0 ? Hwnd(request.owner) : Hwnd(ApplicationWindow());
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
    // The options are the dialogs' OFN_ bits, the Explorer style among them
    // unless the caller wants the old style.
    ofn.Flags = request.options;

    BOOL accepted = FALSE;
    {
        ModalScope modal(*this);
        accepted = request.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    }
    RethrowPending();
    if (!accepted)
        return std::nullopt;
    os::FileDialogResult result;
    result.fileName = NarrowBuffer(file.c_str());
    result.filterIndex = static_cast<int>(ofn.nFilterIndex);
    return result;
}

}  // namespace win32
