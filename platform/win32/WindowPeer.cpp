#include "platform/win32/WindowPeer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/win32/Dispatch.h"
#include "platform/win32/PeerProperties.h"
#include "platform/win32/Utf16.h"

namespace win32 {

namespace {

// The peer a window belongs to, for this process only.
constexpr wchar_t kPeerProperty[] = L"Vocalith.Peer";

// The class-library colours: 0x00BBGGRR, or a system colour index with the
// high bit set; clNone and clDefault leave the system's colours.
constexpr std::int32_t kNoColor = 0x1FFFFFFF;
constexpr std::int32_t kDefaultColor = 0x20000000;

COLORREF ToColorRef(std::int32_t color) {
    auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0x80000000u)
        return GetSysColor(static_cast<int>(bits & 0xFF));
    return bits & 0x00FFFFFFu;
}

LRESULT Send(HWND window, UINT message, WPARAM wp = 0, LPARAM lp = 0) {
    return SendMessageW(window, message, wp, lp);
}

DWORD FormStyle(os::BorderStyle style, DWORD* exStyle) {
    *exStyle = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
    switch (style) {
        case os::BorderStyle::None:
            return WS_POPUP;
        case os::BorderStyle::Single:
            return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        case os::BorderStyle::Sizeable:
            return WS_OVERLAPPEDWINDOW;
        case os::BorderStyle::Dialog:
            *exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        case os::BorderStyle::ToolWindow:
            *exStyle = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
            return WS_CAPTION | WS_SYSMENU;
        case os::BorderStyle::SizeToolWindow:
            *exStyle = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
            return WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    }
    return WS_POPUP;
}

bool Usable(HWND window) {
    return window != nullptr && IsWindow(window) && IsWindowVisible(window) &&
           IsWindowEnabled(window);
}

}  // namespace

DWORD FormWindowStyle(os::BorderStyle style, DWORD* exStyle) {
    return FormStyle(style, exStyle);
}

const wchar_t* CursorShape(os::Cursor cursor) {
    switch (cursor) {
        case os::Cursor::HourGlass:
            return IDC_WAIT;
        case os::Cursor::IBeam:
            return IDC_IBEAM;
        default:
            return IDC_ARROW;
    }
}

void WindowPeer::RegisterOwnClass(const std::wstring& name) {
    static std::vector<std::wstring> registered;
    for (const std::wstring& known : registered) {
        if (known == name)
            return;
    }
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = OwnClassProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = name.c_str();
    if (RegisterClassExW(&cls) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw EInvalidOperation("Error registering window class (" +
                                std::to_string(GetLastError()) + ")");
    }
    registered.push_back(name);
}

WindowPeer* WindowPeer::Of(HWND window) {
    if (window == nullptr)
        return nullptr;
    return static_cast<WindowPeer*>(GetPropW(window, kPeerProperty));
}

WindowPeer::WindowPeer(Windowing& windowing, const os::PeerSpec& params, WindowPeer* parent,
                       os::PeerHost& host)
    : windowing_(windowing),
      host_(host),
      kind_(params.kind),
      bounds_(params.bounds),
      alignment_(params.alignment),
      bevelOuter_(params.bevelOuter),
      bevelInner_(params.bevelInner),
      bevelWidth_(params.bevelWidth),
      borderWidth_(params.borderWidth),
      textColor_(ToColorRef(params.font.color)) {
    HWND parentWindow = parent != nullptr ? parent->hwnd_ : nullptr;
    std::wstring className;
    DWORD style = 0;
    DWORD exStyle = 0;
    bool ownClass = false;
    switch (kind_) {
        case os::PeerKind::Form:
            className = Widen(params.className.empty() ? "TForm" : params.className);
            RegisterOwnClass(className);
            ownClass = true;
            style = FormStyle(params.borderStyle, &exStyle) | WS_CLIPCHILDREN;
            // Owned by the hidden application window, like every top-level
            // window of the application; WS_EX_APPWINDOW keeps its taskbar button.
            parentWindow = reinterpret_cast<HWND>(windowing_.ApplicationWindow());
            break;
        case os::PeerKind::Panel:
            className = Widen(params.className.empty() ? "TPanel" : params.className);
            RegisterOwnClass(className);
            ownClass = true;
            style = WS_CLIPCHILDREN;
            exStyle = WS_EX_CONTROLPARENT;
            break;
        case os::PeerKind::GroupBox:
            className = L"BUTTON";
            style = BS_GROUPBOX | WS_CLIPCHILDREN;
            exStyle = WS_EX_CONTROLPARENT;
            break;
        case os::PeerKind::Label:
            className = L"STATIC";
            style = params.alignment == 1   ? SS_RIGHT
                    : params.alignment == 2 ? SS_CENTER
                    : params.wordWrap       ? SS_LEFT
                                            : SS_LEFTNOWORDWRAP;
            break;
        case os::PeerKind::CheckBox:
            className = L"BUTTON";
            style = BS_CHECKBOX;  // not BS_AUTOCHECKBOX: the control owns the state
            if (params.alignment == 0)
                style |= BS_LEFTTEXT;
            break;
        case os::PeerKind::RadioButton:
            className = L"BUTTON";
            style = BS_RADIOBUTTON;  // not BS_AUTORADIOBUTTON, as above
            if (params.alignment == 0)
                style |= BS_LEFTTEXT;
            break;
        case os::PeerKind::PushButton:
            className = L"BUTTON";
            style = params.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        case os::PeerKind::FlatButton:
            className = L"BUTTON";
            style = BS_PUSHBUTTON;
            break;
        case os::PeerKind::ComboBox:
            className = L"COMBOBOX";
            style = (params.simpleList ? CBS_SIMPLE : CBS_DROPDOWN) | CBS_AUTOHSCROLL | WS_VSCROLL;
            break;
        case os::PeerKind::ComboList:
            className = L"COMBOBOX";
            style = CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL;
            break;
        case os::PeerKind::RichEdit:
            windowing_.LoadRichEdit();
            className = L"RichEdit20W";
            style = ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL;
            if (params.readOnly)
                style |= ES_READONLY;
            if ((params.scrollBars & 1) != 0)
                style |= WS_HSCROLL | ES_AUTOHSCROLL;
            if ((params.scrollBars & 2) != 0)
                style |= WS_VSCROLL;
            style |= params.alignment == 1 ? ES_RIGHT : params.alignment == 2 ? ES_CENTER : ES_LEFT;
            exStyle = WS_EX_CLIENTEDGE;
            break;
    }
    HMENU id = nullptr;
    if (kind_ != os::PeerKind::Form) {
        style |= WS_CHILD | WS_CLIPSIBLINGS;
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(windowing_.NextControlId()));
    }
    if (!params.enabled)
        style |= WS_DISABLED;
    if (params.tabStop && kind_ != os::PeerKind::FlatButton)
        style |= WS_TABSTOP;

    int height = params.bounds.height;
    if (kind_ == os::PeerKind::ComboBox || kind_ == os::PeerKind::ComboList) {
        height += dropDownCount_ * 16;  // corrected by ResizeCombo once the font is set
    }
    HWND window =
        CreateWindowExW(exStyle, className.c_str(), Widen(params.text).c_str(), style,
                        params.bounds.left, params.bounds.top, params.bounds.width, height,
                        parentWindow, id, GetModuleHandleW(nullptr), ownClass ? this : nullptr);
    if (window == nullptr) {
        throw EInvalidOperation("Error creating window (" + std::to_string(GetLastError()) + ")");
    }
    hwnd_ = window;
    if (!ownClass) {
        SetPropW(hwnd_, kPeerProperty, this);
        baseProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    }
    if (kind_ == os::PeerKind::ComboBox) {
        edit_ = FindWindowExW(hwnd_, nullptr, L"Edit", nullptr);
        if (edit_ != nullptr) {
            SetPropW(edit_, kPeerProperty, this);
            editProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
        }
    }
    if (!params.name.empty()) {
        nameAtom_ = GlobalAddAtomW(Widen(params.name).c_str());
        if (nameAtom_ != 0) {
            SetPropW(hwnd_, kComponentNameProperty,
                     reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nameAtom_)));
        }
    }
    Send(hwnd_, WM_SETFONT, static_cast<WPARAM>(windowing_.FontFor(params.font)), FALSE);

    switch (kind_) {
        case os::PeerKind::Form:
            if (params.borderStyle == os::BorderStyle::Dialog) {
                // A dialog frame cannot be sized, minimised or maximised.
                HMENU menu = GetSystemMenu(hwnd_, FALSE);
                for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE}) {
                    DeleteMenu(menu, command, MF_BYCOMMAND);
                }
            }
            break;
        case os::PeerKind::ComboBox:
        case os::PeerKind::ComboList:
            if (params.maxLength > 0)
                Send(hwnd_, CB_LIMITTEXT, static_cast<WPARAM>(params.maxLength));
            ResizeCombo(params.bounds);
            break;
        case os::PeerKind::RichEdit:
            Send(hwnd_, EM_SETTARGETDEVICE, 0, params.wordWrap ? 0 : 1);
            Send(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
            SetRichTextColor();
            break;
        case os::PeerKind::PushButton:
            if (WindowPeer* form = Form()) {
                if (params.defaultButton)
                    form->defaultButton_ = hwnd_;
                if (params.cancelButton)
                    form->cancelButton_ = hwnd_;
            }
            break;
        default:
            break;
    }
    if (params.visible)
        ShowWindow(hwnd_, kind_ == os::PeerKind::Form ? SW_SHOW : SW_SHOWNA);
}

WindowPeer::~WindowPeer() {
    destroying_ = true;
    if (hwnd_ != nullptr)
        DestroyWindow(hwnd_);  // OnNcDestroy detaches
    if (brush_ != nullptr)
        DeleteObject(brush_);
}

WindowPeer* WindowPeer::Form() const {
    if (hwnd_ == nullptr)
        return nullptr;
    WindowPeer* root = Of(GetAncestor(hwnd_, GA_ROOT));
    return root != nullptr && root->kind_ == os::PeerKind::Form ? root : nullptr;
}

bool WindowPeer::IsDropped() const {
    return hwnd_ != nullptr && Send(hwnd_, CB_GETDROPPEDSTATE) != 0;
}

// ---- window procedures ----------------------------------------------------------

LRESULT CALLBACK WindowPeer::OwnClassProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE) {
        auto* peer = static_cast<WindowPeer*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        peer->hwnd_ = window;
        SetPropW(window, kPeerProperty, peer);
    }
    WindowPeer* peer = Of(window);
    if (peer == nullptr)
        return DefWindowProcW(window, message, wp, lp);
    return peer->Handle(window, message, wp, lp);
}

LRESULT CALLBACK WindowPeer::SubclassProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    WindowPeer* peer = Of(window);
    if (peer == nullptr)
        return DefWindowProcW(window, message, wp, lp);
    return peer->Handle(window, message, wp, lp);
}

LRESULT WindowPeer::Base(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    WNDPROC base = window == edit_ ? editProc_ : baseProc_;
    if (base == nullptr)
        return DefWindowProcW(window, message, wp, lp);
    return CallWindowProcW(base, window, message, wp, lp);
}

LRESULT WindowPeer::Handle(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
        case WM_NCDESTROY:
            return OnNcDestroy(window, message, wp, lp);

        case WM_COMMAND: {
            // Notifications reach the control's parent, whichever that is:
            // every peer passes them on to the control's own host.
            WindowPeer* child = Of(reinterpret_cast<HWND>(lp));
            if (lp != 0 && child != nullptr && child != this) {
                child->Notify(HIWORD(wp));
                return 0;
            }
            if (lp == 0 && kind_ == os::PeerKind::Form) {
                // From the dialog manager: Escape (IDCANCEL) or an Enter that
                // found no default button (IDOK).
                if (LOWORD(wp) == IDCANCEL)
                    DialogKey(VK_ESCAPE);
                return 0;
            }
            break;
        }

        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            WindowPeer* child = Of(reinterpret_cast<HWND>(lp));
            if (child != nullptr && child != this) {
                LRESULT base = kind_ == os::PeerKind::Form || kind_ == os::PeerKind::Panel
                                   ? DefWindowProcW(window, message, wp, lp)
                                   : Base(window, message, wp, lp);
                return child->ControlColor(reinterpret_cast<HDC>(wp), base);
            }
            break;
        }

        case WM_PAINT:
            if (kind_ == os::PeerKind::Panel) {
                PaintPanel();
                return 0;
            }
            break;

        case WM_ERASEBKGND:
            if (brush_ != nullptr || kind_ == os::PeerKind::GroupBox) {
                // A group box does not paint its own background.
                RECT r;
                GetClientRect(window, &r);
                HBRUSH brush = brush_;
                if (brush == nullptr) {
                    brush = reinterpret_cast<HBRUSH>(Send(GetParent(window), WM_CTLCOLORSTATIC, wp,
                                                          reinterpret_cast<LPARAM>(window)));
                }
                FillRect(reinterpret_cast<HDC>(wp), &r,
                         brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
                return 1;
            }
            break;

        case WM_SETCURSOR:
            if (windowing_.CurrentCursor() == os::Cursor::Default &&
                cursor_ != os::Cursor::Default && reinterpret_cast<HWND>(wp) == window &&
                LOWORD(lp) == HTCLIENT) {
                ::SetCursor(LoadCursorW(nullptr, CursorShape(cursor_)));
                return TRUE;
            }
            if (windowing_.CurrentCursor() != os::Cursor::Default) {
                ::SetCursor(LoadCursorW(nullptr, CursorShape(windowing_.CurrentCursor())));
                return TRUE;
            }
            break;

        case WM_SETFOCUS: {
            LRESULT result = Base(window, message, wp, lp);
            // Focus moving between a combo box and its own edit line is no change.
            if (Of(reinterpret_cast<HWND>(wp)) != this)
                Guarded([&] { host_.PeerFocusChanged(true); });
            return result;
        }
        case WM_KILLFOCUS: {
            LRESULT result = Base(window, message, wp, lp);
            if (Of(reinterpret_cast<HWND>(wp)) != this)
                Guarded([&] { host_.PeerFocusChanged(false); });
            return result;
        }

        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            Windowing::ReportedKey& reported = windowing_.reportedKey;
            if (reported.window == reinterpret_cast<std::uintptr_t>(window) && reported.key == wp) {
                reported = {};  // the message loop has asked the host already
                break;
            }
            bool handled = false;
            Guarded([&] { handled = host_.PeerKeyDown(static_cast<unsigned>(wp)); });
            if (handled || Of(window) != this)
                return 0;  // handled, or the host destroyed the control
            break;
        }

        case WM_CHAR: {
            // The seam's key is one byte: characters up to U+00FF (the Latin-1
            // range, which the Windows ANSI code page shares) reach the host.
            if (wp < 0x100) {
                char key = static_cast<char>(wp);
                Guarded([&] { host_.PeerKeyPress(key); });
                if (key == 0 || Of(window) != this)
                    return 0;
                wp = static_cast<unsigned char>(key);
            }
            if (IsComboEdit(window) && (wp == VK_RETURN || wp == VK_ESCAPE) &&
                windowing_.dialogKeyPending) {
                // With the list closed the edit line has no use for them (it
                // would only beep): the form may. With the list open the edit
                // line passes them on to the combo box, which closes the list.
                windowing_.dialogKeyPending = false;
                if (WindowPeer* form = Form())
                    form->DialogKey(wp);
                return 0;
            }
            break;
        }

        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            // A flat button takes no focus: it follows the mouse itself.
            if (kind_ == os::PeerKind::FlatButton && window == hwnd_)
                return FlatButtonMouse(message, lp);
            break;
    }

    if (kind_ == os::PeerKind::Form && window == hwnd_) {
        switch (message) {
            case WM_CLOSE:
                // The control decides; the window is never destroyed from here.
                Guarded([&] { host_.PeerCloseRequest(); });
                return 0;

            case WM_ACTIVATE:
                if (LOWORD(wp) == WA_INACTIVE) {
                    HWND focus = GetFocus();
                    if (focus != nullptr && IsChild(hwnd_, focus))
                        lastFocus_ = focus;
                    return 0;
                } else {
                    // Back to the control that had the focus, or the first tab stop.
                    HWND target = lastFocus_;
                    if (!Usable(target) || !IsChild(hwnd_, target)) {
                        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
                    }
                    if (Usable(target)) {
                        ::SetFocus(target);
                        return 0;
                    }
                }
                break;

            case DM_GETDEFID: {
                HWND target = EnterTarget();
                if (target == nullptr)
                    return 0;
                return MAKELRESULT(GetDlgCtrlID(target), DC_HASDEFID);
            }

            case WM_NEXTDLGCTL: {
                // Tab and Shift+Tab from the dialog manager, or a given control.
                HWND next = nullptr;
                if (LOWORD(lp) != 0) {
                    next = reinterpret_cast<HWND>(wp);
                } else {
                    HWND focus = GetFocus();
                    if (focus != nullptr && !IsChild(hwnd_, focus))
                        focus = nullptr;
                    next = GetNextDlgTabItem(hwnd_, focus, wp != 0);
                }
                if (next != nullptr) {
                    ::SetFocus(next);
                    if ((Send(next, WM_GETDLGCODE) & DLGC_HASSETSEL) != 0) {
                        Send(next, EM_SETSEL, 0, -1);
                    }
                }
                return 0;
            }
        }
        return DefWindowProcW(window, message, wp, lp);
    }
    return Base(window, message, wp, lp);
}

LRESULT WindowPeer::OnNcDestroy(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (window == edit_) {
        WNDPROC base = editProc_;
        SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(base));
        RemovePropW(edit_, kPeerProperty);
        edit_ = nullptr;
        editProc_ = nullptr;
        return CallWindowProcW(base, window, message, wp, lp);
    }
    LRESULT result = 0;
    if (baseProc_ != nullptr) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
        result = CallWindowProcW(baseProc_, window, message, wp, lp);
        baseProc_ = nullptr;
    } else {
        result = DefWindowProcW(window, message, wp, lp);
    }
    RemovePropW(window, kPeerProperty);
    if (nameAtom_ != 0) {
        RemovePropW(window, kComponentNameProperty);
        GlobalDeleteAtom(nameAtom_);
        nameAtom_ = 0;
    }
    hwnd_ = nullptr;
    // Only a window destroyed from elsewhere (with its parent) is news to the
    // host; the host may delete this peer, so nothing follows the call.
    if (!destroying_ && !windowing_.ShuttingDown())
        Guarded([&] { host_.PeerDestroyed(); });
    return result;
}

LRESULT WindowPeer::ControlColor(HDC dc, LRESULT base) const {
    if (IsWindowEnabled(hwnd_))
        SetTextColor(dc, textColor_);  // disabled text keeps the system's grey
    if (brush_ == nullptr)
        return base;
    SetBkColor(dc, color_);
    return reinterpret_cast<LRESULT>(brush_);
}

void WindowPeer::SetRichTextColor() {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = textColor_;
    Send(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    Send(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
}

namespace {

// One bevel of a panel: width lines, the top and left ones in top, the
// bottom and right ones in bottom; r shrinks by the width.
void DrawBevel(HDC dc, RECT& r, int kind, int width) {
    if (kind == 0)
        return;
    COLORREF top = GetSysColor(kind == 1 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF bottom = GetSysColor(kind == 1 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    for (int i = 0; i < width && r.right > r.left && r.bottom > r.top; ++i) {
        if (kind != 3) {  // a space bevel is blank
            HBRUSH topBrush = CreateSolidBrush(top);
            HBRUSH bottomBrush = CreateSolidBrush(bottom);
            RECT edge{r.left, r.top, r.right, r.top + 1};
            FillRect(dc, &edge, topBrush);
            edge = {r.left, r.top, r.left + 1, r.bottom};
            FillRect(dc, &edge, topBrush);
            edge = {r.left, r.bottom - 1, r.right, r.bottom};
            FillRect(dc, &edge, bottomBrush);
            edge = {r.right - 1, r.top, r.right, r.bottom};
            FillRect(dc, &edge, bottomBrush);
            DeleteObject(topBrush);
            DeleteObject(bottomBrush);
        }
        InflateRect(&r, -1, -1);
    }
}

}  // namespace

void WindowPeer::PaintPanel() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT r;
    GetClientRect(hwnd_, &r);
    DrawBevel(dc, r, bevelOuter_, bevelWidth_);
    InflateRect(&r, -borderWidth_, -borderWidth_);
    DrawBevel(dc, r, bevelInner_, bevelWidth_);
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, caption.data(), static_cast<int>(caption.size()))));
    if (!caption.empty()) {
        HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(Send(hwnd_, WM_GETFONT)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(hwnd_) ? textColor_ : GetSysColor(COLOR_GRAYTEXT));
        UINT align = alignment_ == 0 ? DT_LEFT : alignment_ == 1 ? DT_RIGHT : DT_CENTER;
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
                  align | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd_, &paint);
}

void WindowPeer::Notify(unsigned code) {
    switch (kind_) {
        case os::PeerKind::PushButton:
        case os::PeerKind::FlatButton:
        case os::PeerKind::CheckBox:
        case os::PeerKind::RadioButton:
            if (code == BN_CLICKED)
                Guarded([&] { host_.PeerClicked(); });
            break;
        case os::PeerKind::ComboBox:
        case os::PeerKind::ComboList:
            // The focus changes reach the host as PeerFocusChanged already.
            if (code != CBN_SETFOCUS && code != CBN_KILLFOCUS)
                Guarded([&] { host_.PeerCommand(code); });
            break;
        default:
            break;
    }
}

HWND WindowPeer::EnterTarget() const {
    HWND focus = GetFocus();
    WindowPeer* focused = Of(focus);
    if (focused != nullptr && focused->kind_ == os::PeerKind::PushButton && IsChild(hwnd_, focus) &&
        Usable(focus)) {
        return focus;
    }
    return Usable(defaultButton_) ? defaultButton_ : nullptr;
}

bool WindowPeer::DialogKey(WPARAM key) {
    HWND target = key == VK_RETURN        ? EnterTarget()
                  : Usable(cancelButton_) ? cancelButton_
                                          : nullptr;
    WindowPeer* button = Of(target);
    if (button == nullptr)
        return false;
    Guarded([&] { button->host_.PeerClicked(); });
    return true;
}

LRESULT WindowPeer::FlatButtonMouse(UINT message, LPARAM lp) {
    RECT client;
    GetClientRect(hwnd_, &client);
    POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    // Pushed while the mouse holds it down over the button, else as its Down state.
    auto show = [this](bool pushed) { Send(hwnd_, BM_SETSTATE, pushed || down_ ? TRUE : FALSE); };
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            tracking_ = true;
            SetCapture(hwnd_);
            show(true);
            break;
        case WM_MOUSEMOVE:
            if (tracking_)
                show(PtInRect(&client, at) != 0);
            break;
        case WM_LBUTTONUP:
            if (tracking_) {
                tracking_ = false;
                ReleaseCapture();
                show(false);
                if (PtInRect(&client, at))
                    Guarded([&] { host_.PeerClicked(); });
            }
            break;
        case WM_CAPTURECHANGED:
            if (tracking_) {
                tracking_ = false;
                show(false);
            }
            break;
    }
    return 0;
}

void WindowPeer::GiveUpFocus() {
    HWND focus = GetFocus();
    if (focus == nullptr || (focus != hwnd_ && !IsChild(hwnd_, focus)))
        return;
    WindowPeer* form = Form();
    if (form == nullptr || form == this)
        return;
    HWND next = GetNextDlgTabItem(form->hwnd_, hwnd_, FALSE);
    if (next != nullptr && next != hwnd_ && !IsChild(hwnd_, next)) {
        ::SetFocus(next);
    } else {
        ::SetFocus(form->hwnd_);
    }
}

void WindowPeer::ResizeCombo(const os::Rect& bounds) {
    if ((GetWindowLongW(hwnd_, GWL_STYLE) & 3) == CBS_SIMPLE) {
        MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
        return;  // its list is inside the bounds
    }
    // The window of a drop-down combo box spans its list too.
    int item = static_cast<int>(Send(hwnd_, CB_GETITEMHEIGHT, 0));
    if (item <= 0)
        item = 16;
    int height = bounds.height + dropDownCount_ * item + 2;
    MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, height, TRUE);
}

// ---- os::Peer --------------------------------------------------------------------

void WindowPeer::SetText(const std::string& text) {
    if (hwnd_ == nullptr)
        return;
    std::wstring wide = Widen(text);
    Send(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (kind_ == os::PeerKind::Panel)
        InvalidateRect(hwnd_, nullptr, TRUE);  // the panel paints its caption itself
    RethrowPending();
}

std::string WindowPeer::Text() const {
    if (hwnd_ == nullptr)
        return {};
    auto length = static_cast<std::size_t>(Send(hwnd_, WM_GETTEXTLENGTH));
    std::wstring buffer(length + 1, L'\0');
    auto got = static_cast<std::size_t>(
        Send(hwnd_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    buffer.resize(std::min(got, length));
    return Narrow(buffer);
}

void WindowPeer::SetBounds(const os::Rect& bounds) {
    if (hwnd_ == nullptr)
        return;
    bounds_ = bounds;
    if (kind_ == os::PeerKind::ComboBox || kind_ == os::PeerKind::ComboList) {
        ResizeCombo(bounds);
    } else {
        MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
    }
    RethrowPending();
}

void WindowPeer::SetVisible(bool visible) {
    if (hwnd_ == nullptr)
        return;
    if (!visible)
        GiveUpFocus();
    if (kind_ == os::PeerKind::Form) {
        ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
        if (visible)
            SetForegroundWindow(hwnd_);
    } else {
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    }
    RethrowPending();
}

void WindowPeer::SetEnabled(bool enabled) {
    if (hwnd_ == nullptr)
        return;
    if (!enabled)
        GiveUpFocus();
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    RethrowPending();
}

void WindowPeer::SetFont(const os::FontSpec& font) {
    if (hwnd_ == nullptr)
        return;
    textColor_ = ToColorRef(font.color);
    Send(hwnd_, WM_SETFONT, static_cast<WPARAM>(windowing_.FontFor(font)), TRUE);
    if (kind_ == os::PeerKind::RichEdit)
        SetRichTextColor();
    if (kind_ == os::PeerKind::ComboBox || kind_ == os::PeerKind::ComboList)
        ResizeCombo(bounds_);
    RethrowPending();
}

void WindowPeer::SetColor(std::int32_t color) {
    if (hwnd_ == nullptr)
        return;
    if (brush_ != nullptr)
        DeleteObject(brush_);
    brush_ = nullptr;
    if (color != kNoColor && color != kDefaultColor) {
        color_ = ToColorRef(color);
        brush_ = CreateSolidBrush(color_);
    }
    if (kind_ == os::PeerKind::RichEdit) {
        Send(hwnd_, EM_SETBKGNDCOLOR, brush_ == nullptr ? 1 : 0, static_cast<LPARAM>(color_));
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (edit_ != nullptr)
        InvalidateRect(edit_, nullptr, TRUE);
}

void WindowPeer::SetFocus() {
    if (hwnd_ == nullptr)
        return;
    if (kind_ == os::PeerKind::Form) {
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
    } else if (kind_ != os::PeerKind::FlatButton) {
        if (WindowPeer* form = Form())
            form->lastFocus_ = hwnd_;  // also for a form not yet active
        ::SetFocus(hwnd_);
    }
    RethrowPending();
}

void WindowPeer::PlaceAfter(const os::Peer* previous) {
    if (hwnd_ == nullptr)
        return;
    HWND after = previous != nullptr ? reinterpret_cast<HWND>(previous->Handle()) : HWND_TOP;
    SetWindowPos(hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowPeer::SetChecked(bool checked) {
    if (hwnd_ == nullptr)
        return;
    if (kind_ == os::PeerKind::FlatButton) {
        down_ = checked;  // a speed button shows its Down state pushed in
        Send(hwnd_, BM_SETSTATE, down_ ? TRUE : FALSE);
        return;
    }
    Send(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void WindowPeer::SetCheckState(int state) {
    if (hwnd_ == nullptr)
        return;
    if (state == 2 && kind_ == os::PeerKind::CheckBox) {
        // Only a three-state box shows the grayed state; the control still owns it.
        LONG style = GetWindowLongW(hwnd_, GWL_STYLE);
        if ((style & BS_TYPEMASK) != BS_3STATE) {
            SetWindowLongW(hwnd_, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_3STATE);
        }
    }
    Send(hwnd_, BM_SETCHECK,
         state == 1   ? BST_CHECKED
         : state == 2 ? BST_INDETERMINATE
                      : BST_UNCHECKED);
}

void WindowPeer::SetCursor(os::Cursor cursor) {
    cursor_ = cursor;
}

bool WindowPeer::Checked() const {
    if (kind_ == os::PeerKind::FlatButton)
        return down_;
    return hwnd_ != nullptr && Send(hwnd_, BM_GETCHECK) == BST_CHECKED;
}

void WindowPeer::ComboClear() {
    if (hwnd_ == nullptr)
        return;
    Send(hwnd_, CB_RESETCONTENT);
    RethrowPending();
}

void WindowPeer::ComboInsert(int index, const std::string& item) {
    if (hwnd_ == nullptr)
        return;
    std::wstring wide = Widen(item);
    Send(hwnd_, CB_INSERTSTRING, static_cast<WPARAM>(index),
         reinterpret_cast<LPARAM>(wide.c_str()));
}

void WindowPeer::ComboDelete(int index) {
    if (hwnd_ == nullptr)
        return;
    Send(hwnd_, CB_DELETESTRING, static_cast<WPARAM>(index));
}

void WindowPeer::ComboSetItemIndex(int index) {
    if (hwnd_ == nullptr)
        return;
    Send(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index));
}

int WindowPeer::ComboItemIndex() const {
    if (hwnd_ == nullptr)
        return -1;
    auto index = static_cast<int>(Send(hwnd_, CB_GETCURSEL));
    return index == CB_ERR ? -1 : index;
}

void WindowPeer::ComboSetDroppedDown(bool dropped) {
    if (hwnd_ == nullptr)
        return;
    Send(hwnd_, CB_SHOWDROPDOWN, dropped ? TRUE : FALSE);
    RethrowPending();
}

bool WindowPeer::ComboDroppedDown() const {
    return IsDropped();
}

void WindowPeer::ComboSetDropDownCount(int count) {
    if (hwnd_ == nullptr)
        return;
    dropDownCount_ = count < 1 ? 1 : count;
    ResizeCombo(bounds_);
}

void WindowPeer::ComboSelectText(int start, int length) {
    if (hwnd_ == nullptr)
        return;
    int end = length < 0 ? -1 : start + length;
    Send(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
}

bool WindowPeer::ComboSelection(int& start, int& length) const {
    if (hwnd_ == nullptr || kind_ != os::PeerKind::ComboBox)
        return false;
    DWORD from = 0;
    DWORD to = 0;
    Send(hwnd_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    start = static_cast<int>(from);
    length = static_cast<int>(to - from);
    return true;
}

void WindowPeer::RichAppendLine(const std::string& line) {
    if (hwnd_ == nullptr)
        return;
    // Each line ends in a line break, as lines added to a text list do.
    std::wstring text = Widen(line) + L"\r\n";
    CHARRANGE end{-1, -1};
    Send(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    Send(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    Send(hwnd_, EM_SCROLLCARET);
}

void WindowPeer::RichClear() {
    if (hwnd_ == nullptr)
        return;
    Send(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

void WindowPeer::RichSetReadOnly(bool readOnly) {
    if (hwnd_ == nullptr)
        return;
    Send(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE);
}

}  // namespace win32
