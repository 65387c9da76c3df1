// The test robot: a Win32 console program that the Wine scenarios run beside
// the program under test. It finds the program's windows and drives them
// through real window messages, as a user (or an automation tool) would.
//
//   robot [--timeout SECONDS] COMMAND ARGS... [:: COMMAND ARGS...]...
//
// Commands run in order; the first that fails prints "robot: COMMAND: why" to
// standard error and ends the robot with exit code 1 (2 for a usage error).
// Every wait and every expectation polls until the timeout (default 20 s).
// Controls are named by their component name (the window property that the
// win32 backend sets), by "#ID" (control ID, decimal or 0x hex) or by "." (the
// current window itself). The commands are listed in Run() and in README.md.

// clang-format off
#include <windows.h>
#include <tlhelp32.h>
#include <shellapi.h>
// clang-format on

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/PeerProperties.h"

namespace {

constexpr UINT kReplyTimeoutMs = 5000;
constexpr DWORD kPollMs = 20;

// A failed command; the text says why.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::wstring Lower(std::wstring s) {
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(towlower(c));
    return s;
}

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Hex(UINT_PTR value) {
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "0x%lx", static_cast<unsigned long>(value));
    return buffer;
}

// ---- reading another process's windows -------------------------------------------

LRESULT Ask(HWND window, UINT message, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wp, lp, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result)) {
        throw Failure("window " + Hex(reinterpret_cast<UINT_PTR>(window)) +
                      " does not answer message " + Hex(message));
    }
    return static_cast<LRESULT>(result);
}

std::wstring WindowText(HWND window) {
    auto length = static_cast<std::size_t>(Ask(window, WM_GETTEXTLENGTH));
    std::wstring buffer(length + 1, L'\0');
    auto got = static_cast<std::size_t>(
        Ask(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    buffer.resize(got < length ? got : length);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring ComponentName(HWND window) {
    auto atom = static_cast<ATOM>(
        reinterpret_cast<UINT_PTR>(GetPropW(window, win32::kComponentNameProperty)));
    if (atom == 0)
        return {};
    wchar_t name[256] = {};
    UINT n = GlobalGetAtomNameW(atom, name, 256);
    return std::wstring(name, n);
}

bool IsCheckable(HWND window) {
    if (Lower(ClassOf(window)) != L"button")
        return false;
    LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_3STATE || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

// Enabled and visible as a user sees it: the window and all its parents.
bool ReallyEnabled(HWND window) {
    for (HWND w = window; w != nullptr; w = GetAncestor(w, GA_PARENT)) {
        if (!IsWindowEnabled(w))
            return false;
        if (w == GetAncestor(w, GA_ROOT))
            break;
    }
    return true;
}

std::string Escaped(const std::wstring& text) {
    std::string raw = Utf8(text);
    std::string out;
    for (unsigned char c : raw) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buffer[8];
                    std::snprintf(buffer, sizeof(buffer), "\\x%02x", c);
                    out += buffer;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM data) {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

// Every descendant, parents before their children.
std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> found;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring ProcessName(DWORD pid) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return {};
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    std::wstring name;
    for (BOOL ok = Process32FirstW(snapshot, &entry); ok; ok = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == pid) {
            name = entry.szExeFile;
            break;
        }
    }
    CloseHandle(snapshot);
    std::size_t slash = name.find_last_of(L"\\/");
    return slash == std::wstring::npos ? name : name.substr(slash + 1);
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

// ---- the robot ----------------------------------------------------------------------

struct WindowQuery {
    std::wstring className;
    std::wstring title;
    std::wstring titlePart;
    std::wstring exe;
    DWORD pid = 0;
    bool hidden = false;  // hidden windows match too
};

class Robot {
  public:
    explicit Robot(DWORD timeoutMs) : timeoutMs_(timeoutMs) {}
    void Run(const std::wstring& command, const std::vector<std::wstring>& args);

  private:
    // Polls until test holds or the timeout passes; then fails with what().
    void WaitFor(const std::function<bool()>& test, const std::function<std::string()>& what);
    HWND FindTopLevel(const WindowQuery& query, HWND except) const;
    WindowQuery ParseQuery(const std::vector<std::wstring>& args, std::size_t from) const;
    HWND Scope() const;
    HWND Control(const std::wstring& params) const;
    // Control, polling until it exists.
    HWND WaitControl(const std::wstring& params);
    HWND EditOf(HWND control) const;
    // The combo box itself, or the first one inside a composite control.
    HWND ComboOf(HWND control) const;
    void RequireUsable(HWND control, const std::wstring& params) const;
    std::string Describe(HWND window) const;
    std::string CheckText(HWND window) const;
    void PostKey(HWND window, UINT vk) const;
    void SelectItem(HWND combo, const std::wstring& item, bool byMouse);
    HWND DroppedList(HWND combo) const;

    DWORD timeoutMs_;
    HWND main_ = nullptr;
    DWORD pid_ = 0;
    HWND scope_ = nullptr;
};

void Robot::WaitFor(const std::function<bool()>& test, const std::function<std::string()>& what) {
    DWORD start = GetTickCount();
    for (;;) {
        if (test())
            return;
        if (GetTickCount() - start >= timeoutMs_)
            throw Failure(what());
        Sleep(kPollMs);
    }
}

WindowQuery Robot::ParseQuery(const std::vector<std::wstring>& args, std::size_t from) const {
    WindowQuery query;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        std::size_t eq = a.find(L'=');
        if (eq == std::wstring::npos) {
            if (a == L"hidden") {
                query.hidden = true;
                continue;
            }
            throw UsageError("expected key=value, got '" + Utf8(a) + "'");
        }
        std::wstring key = a.substr(0, eq);
        std::wstring value = a.substr(eq + 1);
        if (key == L"class") {
            query.className = value;
        } else if (key == L"title") {
            query.title = value;
        } else if (key == L"title~") {
            query.titlePart = value;
        } else if (key == L"exe") {
            query.exe = value;
        } else if (key == L"pid") {
            query.pid = static_cast<DWORD>(std::wcstoul(value.c_str(), nullptr, 0));
        } else {
            throw UsageError("unknown window filter '" + Utf8(key) + "'");
        }
    }
    return query;
}

HWND Robot::FindTopLevel(const WindowQuery& query, HWND except) const {
    for (HWND window : TopLevelWindows()) {
        if (window == except)
            continue;
        if (!query.hidden && !IsWindowVisible(window))
            continue;
        if (!query.className.empty() && Lower(ClassOf(window)) != Lower(query.className))
            continue;
        if (query.pid != 0 && ProcessOf(window) != query.pid)
            continue;
        if (!query.exe.empty() && Lower(ProcessName(ProcessOf(window))) != Lower(query.exe)) {
            continue;
        }
        if (!query.title.empty() || !query.titlePart.empty()) {
            std::wstring title;
            try {
                title = WindowText(window);
            } catch (const Failure&) {
                continue;
            }
            if (!query.title.empty() && title != query.title)
                continue;
            if (!query.titlePart.empty() && title.find(query.titlePart) == std::wstring::npos) {
                continue;
            }
        }
        return window;
    }
    return nullptr;
}

HWND Robot::Scope() const {
    if (scope_ != nullptr)
        return scope_;
    if (main_ != nullptr)
        return main_;
    throw Failure("no window yet: start with the window command");
}

HWND Robot::Control(const std::wstring& params) const {
    // "OUTER/INNER": INNER (a name or a window class) inside OUTER, for the
    // unnamed parts of a composite control, e.g. "FolderSelect/Button".
    std::size_t slash = params.find(L'/');
    if (slash != std::wstring::npos) {
        HWND outer = Control(params.substr(0, slash));
        if (outer == nullptr)
            return nullptr;
        std::wstring inner = params.substr(slash + 1);
        for (HWND child : Descendants(outer)) {
            if (ComponentName(child) == inner || Lower(ClassOf(child)) == Lower(inner))
                return child;
        }
        return nullptr;
    }
    HWND scope = Scope();
    if (params == L".")
        return scope;
    if (!params.empty() && params[0] == L'#') {
        auto id = static_cast<int>(std::wcstol(params.c_str() + 1, nullptr, 0));
        for (HWND child : Descendants(scope)) {
            if (GetDlgCtrlID(child) == id)
                return child;
        }
        return nullptr;
    }
    // Names are looked up in the current window, then in the main window.
    for (HWND root : {scope, main_}) {
        if (root == nullptr)
            continue;
        if (ComponentName(root) == params)
            return root;
        for (HWND child : Descendants(root)) {
            if (ComponentName(child) == params)
                return child;
        }
    }
    return nullptr;
}

HWND Robot::WaitControl(const std::wstring& params) {
    HWND found = nullptr;
    WaitFor([&] { return (found = Control(params)) != nullptr; },
            [&] { return "no control '" + Utf8(params) + "' in " + Describe(Scope()); });
    return found;
}

HWND Robot::ComboOf(HWND control) const {
    if (Lower(ClassOf(control)) == L"combobox")
        return control;
    for (HWND child : Descendants(control)) {
        if (Lower(ClassOf(child)) == L"combobox")
            return child;
    }
    throw Failure(Describe(control) + " holds no combo box");
}

HWND Robot::EditOf(HWND control) const {
    std::wstring cls = Lower(ClassOf(control));
    if (cls == L"edit" || cls.rfind(L"richedit", 0) == 0)
        return control;
    for (HWND child : Descendants(control)) {
        if (Lower(ClassOf(child)) == L"edit")
            return child;
    }
    return nullptr;
}

void Robot::RequireUsable(HWND control, const std::wstring& params) const {
    if (!IsWindowVisible(control))
        throw Failure("'" + Utf8(params) + "' is not visible");
    if (!ReallyEnabled(control))
        throw Failure("'" + Utf8(params) + "' is disabled");
}

std::string Robot::CheckText(HWND window) const {
    if (!IsCheckable(window))
        return "-";
    return std::to_string(Ask(window, BM_GETCHECK));
}

std::string Robot::Describe(HWND window) const {
    std::wstring name = ComponentName(window);
    std::string text = Utf8(name.empty() ? L"-" : name);
    text += " class=" + Utf8(ClassOf(window));
    text += " id=" + std::to_string(GetDlgCtrlID(window));
    return text;
}

void Robot::PostKey(HWND window, UINT vk) const {
    UINT scan = MapVirtualKeyW(vk, 0);
    LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    LPARAM up = down | (1L << 30) | (1L << 31);
    if (!PostMessageW(window, WM_KEYDOWN, vk, down) || !PostMessageW(window, WM_KEYUP, vk, up)) {
        throw Failure("cannot post a key to " + Describe(window));
    }
}

HWND Robot::DroppedList(HWND combo) const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndList != nullptr)
        return info.hwndList;
    // Otherwise: the visible top-level ComboLBox of the program's thread that
    // lies where the combo box drops its list.
    RECT dropped{};
    Ask(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    DWORD thread = GetWindowThreadProcessId(combo, nullptr);
    for (HWND window : TopLevelWindows()) {
        if (GetWindowThreadProcessId(window, nullptr) != thread || !IsWindowVisible(window))
            continue;
        if (Lower(ClassOf(window)) != L"combolbox")
            continue;
        RECT r{};
        GetWindowRect(window, &r);
        if (r.left == dropped.left)
            return window;
    }
    return nullptr;
}

// Picking an item as a user does, so that the program gets the real
// notifications. What Wine 8 does, measured with the probe:
// - CB_SETCURSEL and CB_SELECTSTRING notify nothing; CB_SHOWDROPDOWN sends
//   CBN_DROPDOWN but gives no focus. A click on the arrow does both.
// - A click in the open list (a ComboLBox top-level window, found with
//   GetComboBoxInfo): CBN_SELENDOK, CBN_CLOSEUP, then CBN_SELCHANGE (Windows
//   sends CBN_SELCHANGE first). At CBN_SELENDOK the selection is the new item
//   but the edit line still shows the old text.
// - Arrow keys in the open list: one CBN_SELCHANGE per step, each before the
//   edit line shows the item; Enter then gives CBN_SELENDOK and CBN_CLOSEUP.
//   Wine closes the list on the Enter character (WM_CHAR) that reaches the
//   edit line, not on the key down.
void Robot::SelectItem(HWND combo, const std::wstring& item, bool byMouse) {
    int count = static_cast<int>(Ask(combo, CB_GETCOUNT));
    int target = -1;
    if (!item.empty() && item[0] == L'#') {
        target = static_cast<int>(std::wcstol(item.c_str() + 1, nullptr, 10));
    } else {
        for (int i = 0; i < count; ++i) {
            auto length = static_cast<int>(Ask(combo, CB_GETLBTEXTLEN, i));
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(length));
            if (text == item) {
                target = i;
                break;
            }
        }
    }
    if (target < 0 || target >= count)
        throw Failure("no item '" + Utf8(item) + "' in the list");

    // Open the list with a click on its arrow button: the combo box takes the
    // focus and drops the list down (CBN_DROPDOWN).
    RECT client{};
    GetClientRect(combo, &client);
    LPARAM arrow = MAKELPARAM(client.right - GetSystemMetrics(SM_CXVSCROLL) / 2, client.bottom / 2);
    PostMessageW(combo, WM_LBUTTONDOWN, MK_LBUTTON, arrow);
    PostMessageW(combo, WM_LBUTTONUP, 0, arrow);
    WaitFor([&] { return Ask(combo, CB_GETDROPPEDSTATE) != 0; },
            [] { return std::string("the list does not drop down"); });
    if (byMouse) {
        // Point at the item and release the button over it, as a click in the
        // open list does: the list box tracks the mouse while it is dropped.
        HWND list = DroppedList(combo);
        if (list == nullptr)
            throw Failure("the dropped list window is not found");
        Ask(list, LB_SETTOPINDEX, target);
        RECT r{};
        if (Ask(list, LB_GETITEMRECT, target, reinterpret_cast<LPARAM>(&r)) == LB_ERR) {
            throw Failure("the item is not in the list window");
        }
        LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        PostMessageW(list, WM_MOUSEMOVE, 0, at);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
    } else {
        // Move there with the arrow keys and confirm with Enter.
        HWND keys = EditOf(combo);
        if (keys == nullptr)
            keys = combo;
        int current = static_cast<int>(Ask(combo, CB_GETCURSEL));
        if (current < 0) {
            PostKey(keys, VK_DOWN);  // the first press selects entry 0
            current = 0;
        }
        for (; current < target; ++current)
            PostKey(keys, VK_DOWN);
        for (; current > target; --current)
            PostKey(keys, VK_UP);
        PostKey(keys, VK_RETURN);
    }
    WaitFor(
        [&] {
            return Ask(combo, CB_GETDROPPEDSTATE) == 0 &&
                   static_cast<int>(Ask(combo, CB_GETCURSEL)) == target;
        },
        [&] {
            return "the list did not close on item " + std::to_string(target) + " (selected " +
                   std::to_string(Ask(combo, CB_GETCURSEL)) + ")";
        });
}

UINT KeyCode(const std::wstring& name) {
    static const std::pair<const wchar_t*, UINT> names[] = {
        {L"TAB", VK_TAB},     {L"RETURN", VK_RETURN}, {L"ENTER", VK_RETURN}, {L"ESCAPE", VK_ESCAPE},
        {L"SPACE", VK_SPACE}, {L"UP", VK_UP},         {L"DOWN", VK_DOWN},    {L"LEFT", VK_LEFT},
        {L"RIGHT", VK_RIGHT}, {L"HOME", VK_HOME},     {L"END", VK_END},      {L"DELETE", VK_DELETE},
        {L"BACK", VK_BACK},
    };
    for (const auto& [n, vk] : names) {
        if (name == n)
            return vk;
    }
    if (name.size() >= 2 && name[0] == L'F' && iswdigit(name[1])) {
        int n = static_cast<int>(std::wcstol(name.c_str() + 1, nullptr, 10));
        if (n >= 1 && n <= 24)
            return VK_F1 + static_cast<UINT>(n - 1);
    }
    if (name.size() == 1 && ((name[0] >= L'A' && name[0] <= L'Z') || iswdigit(name[0])))
        return static_cast<UINT>(name[0]);  // letters and digits are their own key codes
    wchar_t* end = nullptr;
    unsigned long vk = std::wcstoul(name.c_str(), &end, 0);
    if (end == name.c_str() || *end != 0)
        throw UsageError("unknown key '" + Utf8(name) + "'");
    return static_cast<UINT>(vk);
}

int ButtonId(const std::wstring& name) {
    static const std::pair<const wchar_t*, int> names[] = {
        {L"OK", IDOK},         {L"Cancel", IDCANCEL}, {L"Abort", IDABORT}, {L"Retry", IDRETRY},
        {L"Ignore", IDIGNORE}, {L"Yes", IDYES},       {L"No", IDNO},
    };
    for (const auto& [n, id] : names) {
        if (name == n)
            return id;
    }
    return 0;
}

void Robot::Run(const std::wstring& command, const std::vector<std::wstring>& args) {
    auto need = [&](std::size_t n) {
        if (args.size() < n) {
            throw UsageError(std::to_string(n) + " argument(s) needed, " +
                             std::to_string(args.size()) + " given");
        }
    };
    auto flag = [&](std::size_t i) {
        if (args[i] != L"0" && args[i] != L"1")
            throw UsageError("expected 0 or 1");
        return args[i] == L"1";
    };

    if (command == L"window") {
        // window [class=C] [title=T] [title~=PART] [exe=NAME] [pid=N] [hidden]
        WindowQuery query = ParseQuery(args, 0);
        HWND found = nullptr;
        WaitFor([&] { return (found = FindTopLevel(query, nullptr)) != nullptr; },
                [] { return std::string("no such window appeared"); });
        main_ = found;
        pid_ = ProcessOf(found);
        scope_ = nullptr;
    } else if (command == L"dialog" || command == L"box") {
        // dialog [class=C] [title=T] ...: another window of the program
        // (default class #32770); box: a message box, with its text Static.
        WindowQuery query = ParseQuery(args, 0);
        if (query.className.empty())
            query.className = L"#32770";
        if (query.pid == 0)
            query.pid = pid_;
        HWND found = nullptr;
        WaitFor(
            [&] {
                found = FindTopLevel(query, main_);
                return found != nullptr && (command == L"dialog" || GetDlgItem(found, 0xFFFF));
            },
            [&] { return "no " + Utf8(command) + " appeared"; });
        scope_ = found;
    } else if (command == L"no-dialog") {
        // no-dialog [filters]: fails when such a window of the program is up.
        WindowQuery query = ParseQuery(args, 0);
        if (query.className.empty())
            query.className = L"#32770";
        if (query.pid == 0)
            query.pid = pid_;
        if (HWND found = FindTopLevel(query, main_)) {
            throw Failure("a dialog is showing: \"" + Escaped(WindowText(found)) + "\"");
        }
    } else if (command == L"main") {
        scope_ = nullptr;
    } else if (command == L"dump") {
        HWND root = args.empty() ? Scope() : WaitControl(args[0]);
        std::vector<HWND> windows{root};
        for (HWND child : Descendants(root))
            windows.push_back(child);
        for (HWND window : windows) {
            RECT r{};
            GetWindowRect(window, &r);
            // Child windows relative to their parent's client area,
            // top-level windows on the screen.
            bool child = (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
            HWND parent = child ? GetAncestor(window, GA_PARENT) : nullptr;
            if (parent != nullptr)
                MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
            std::wstring parentName = parent != nullptr ? ComponentName(parent) : L"";
            if (parentName.empty() && parent != nullptr)
                parentName = L"#" + std::to_wstring(GetDlgCtrlID(parent));
            Print(Describe(window) + " parent=" + (parent ? Utf8(parentName) : std::string("-")) +
                  " text=\"" + Escaped(WindowText(window)) + "\" check=" + CheckText(window) +
                  " enabled=" + (IsWindowEnabled(window) ? "1" : "0") +
                  " visible=" + (IsWindowVisible(window) ? "1" : "0") +
                  " rect=" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                  std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top));
        }
    } else if (command == L"text") {
        need(1);
        std::string text = Utf8(WindowText(WaitControl(args[0])));
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            out += text[i];
        }
        if (!out.empty() && out.back() == '\n')
            out.pop_back();
        Print(out);
    } else if (command == L"check") {
        need(1);
        Print(CheckText(WaitControl(args[0])));
    } else if (command == L"pushed") {
        // pushed BUTTON: 1 while a push button is shown pushed in.
        need(1);
        Print((Ask(WaitControl(args[0]), BM_GETSTATE) & BST_PUSHED) != 0 ? "1" : "0");
    } else if (command == L"enabled" || command == L"visible") {
        need(1);
        HWND control = WaitControl(args[0]);
        bool on = command == L"enabled" ? IsWindowEnabled(control) : IsWindowVisible(control);
        Print(on ? "1" : "0");
    } else if (command == L"focused") {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        if (!GetGUIThreadInfo(GetWindowThreadProcessId(Scope(), nullptr), &info)) {
            throw Failure("no thread information");
        }
        HWND focus = info.hwndFocus;
        // The edit line of a combo box stands for its combo box.
        if (focus != nullptr && ComponentName(focus).empty() && GetParent(focus) != nullptr &&
            !ComponentName(GetParent(focus)).empty()) {
            focus = GetParent(focus);
        }
        Print(focus != nullptr ? Describe(focus) : "-");
    } else if (command == L"items") {
        need(1);
        HWND combo = ComboOf(WaitControl(args[0]));
        int count = static_cast<int>(Ask(combo, CB_GETCOUNT));
        for (int i = 0; i < count; ++i) {
            auto length = static_cast<int>(Ask(combo, CB_GETLBTEXTLEN, i));
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(length));
            Print(Utf8(text));
        }
    } else if (command == L"expect-text" || command == L"expect-contains" ||
               command == L"expect-lacks") {
        need(2);
        HWND control = WaitControl(args[0]);
        std::wstring last;
        WaitFor(
            [&] {
                last = WindowText(control);
                if (command == L"expect-text")
                    return last == args[1];
                bool has = last.find(args[1]) != std::wstring::npos;
                return command == L"expect-contains" ? has : !has;
            },
            [&] {
                return Utf8(args[0]) + ": expected " +
                       (command == L"expect-text"       ? "text"
                        : command == L"expect-contains" ? "text containing"
                                                        : "text without") +
                       " \"" + Escaped(args[1]) + "\", got \"" + Escaped(last) + "\"";
            });
    } else if (command == L"expect-check") {
        need(2);
        HWND control = WaitControl(args[0]);
        std::string want = Utf8(args[1]);
        std::string got;
        WaitFor([&] { return (got = CheckText(control)) == want; },
                [&] { return Utf8(args[0]) + ": expected check " + want + ", got " + got; });
    } else if (command == L"expect-enabled" || command == L"expect-visible") {
        need(2);
        HWND control = WaitControl(args[0]);
        bool want = flag(1);
        bool got = false;
        WaitFor(
            [&] {
                got = command == L"expect-enabled" ? IsWindowEnabled(control) != 0
                                                   : IsWindowVisible(control) != 0;
                return got == want;
            },
            [&] {
                return Utf8(args[0]) + ": expected " + Utf8(command.substr(7)) + " " +
                       (want ? "1" : "0") + ", got " + (got ? "1" : "0");
            });
    } else if (command == L"expect-focus") {
        need(1);
        HWND control = WaitControl(args[0]);
        HWND got = nullptr;
        WaitFor(
            [&] {
                GUITHREADINFO info{};
                info.cbSize = sizeof(info);
                GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &info);
                got = info.hwndFocus;
                return got == control || (got != nullptr && IsChild(control, got));
            },
            [&] {
                return Utf8(args[0]) + ": expected the focus, it is on " +
                       (got != nullptr ? Describe(got) : std::string("nothing"));
            });
    } else if (command == L"click" || command == L"post-click") {
        // click: BM_CLICK sent, returns when the program has handled it;
        // post-click: for a click that opens a modal window.
        need(1);
        HWND control = WaitControl(args[0]);
        RequireUsable(control, args[0]);
        if (command == L"click") {
            Ask(control, BM_CLICK);
        } else if (!PostMessageW(control, BM_CLICK, 0, 0)) {
            throw Failure("cannot post the click");
        }
    } else if (command == L"select" || command == L"select-keys") {
        // select COMBO ITEM|#INDEX: drop the list down and click the item;
        // select-keys: drop it down, move with the arrow keys, press Enter.
        need(2);
        HWND combo = ComboOf(WaitControl(args[0]));
        RequireUsable(combo, args[0]);
        SelectItem(combo, args[1], command == L"select");
    } else if (command == L"settext") {
        // WM_SETTEXT: sets the text without any change notification.
        need(2);
        HWND control = WaitControl(args[0]);
        Ask(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1].c_str()));
    } else if (command == L"type") {
        // WM_CHAR per character into the control's edit line, like typing.
        need(2);
        HWND control = WaitControl(args[0]);
        RequireUsable(control, args[0]);
        HWND edit = EditOf(control);
        if (edit == nullptr)
            throw Failure("'" + Utf8(args[0]) + "' has no edit line");
        for (wchar_t c : args[1])
            Ask(edit, WM_CHAR, c, 1);
    } else if (command == L"key") {
        // key CONTROL|focus NAME: a key press posted to the control (or to the
        // window that has the focus), through the program's message loop.
        need(2);
        HWND target = nullptr;
        if (args[0] == L"focus") {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            GetGUIThreadInfo(GetWindowThreadProcessId(Scope(), nullptr), &info);
            target = info.hwndFocus;
            if (target == nullptr)
                throw Failure("no window has the focus");
        } else {
            target = WaitControl(args[0]);
            if (HWND edit = EditOf(target))
                target = edit;
        }
        PostKey(target, KeyCode(args[1]));
    } else if (command == L"press") {
        // press OK|Cancel|Yes|No|#ID|NAME in the current dialog, then wait
        // until the dialog has gone.
        need(1);
        HWND dialog = Scope();
        if (dialog == main_)
            throw Failure("no dialog: use dialog or box first");
        int id = ButtonId(args[0]);
        HWND button = id != 0 ? GetDlgItem(dialog, id) : WaitControl(args[0]);
        if (button == nullptr)
            throw Failure("no button '" + Utf8(args[0]) + "'");
        if (!PostMessageW(button, BM_CLICK, 0, 0))
            throw Failure("cannot post the click");
        WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); },
                [] { return std::string("the dialog stayed open"); });
        scope_ = nullptr;
    } else if (command == L"close") {
        // close [CONTROL]: WM_CLOSE posted to the current window.
        HWND window = args.empty() ? Scope() : WaitControl(args[0]);
        if (!PostMessageW(window, WM_CLOSE, 0, 0))
            throw Failure("cannot post WM_CLOSE");
    } else if (command == L"wait-gone") {
        HWND window = Scope();
        WaitFor([&] { return !IsWindow(window); },
                [] { return std::string("the window is still there"); });
        if (window == scope_)
            scope_ = nullptr;
    } else if (command == L"wait-exit") {
        // wait-exit [pid=N]: the program's process has ended.
        DWORD pid = args.empty() ? pid_ : ParseQuery(args, 0).pid;
        if (pid == 0)
            throw Failure("no process: use window first");
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (process == nullptr)
            return;  // gone already
        DWORD rc = WaitForSingleObject(process, timeoutMs_);
        CloseHandle(process);
        if (rc != WAIT_OBJECT_0)
            throw Failure("process " + std::to_string(pid) + " still runs");
    } else if (command == L"idle") {
        // idle: the program has handled its input and painted its windows
        // (for a screenshot): it answers a message, then paints what is due.
        HWND window = Scope();
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid_);
        if (process != nullptr) {
            WaitForInputIdle(process, timeoutMs_);
            CloseHandle(process);
        }
        for (int round = 0; round < 3; ++round) {
            Ask(window, WM_NULL);
            RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            Sleep(50);
        }
    } else if (command == L"sleep") {
        need(1);
        Sleep(static_cast<DWORD>(std::wcstoul(args[0].c_str(), nullptr, 10)));
    } else {
        throw UsageError("unknown command");
    }
}

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> words(argv + 1, argv + argc);
    LocalFree(argv);

    DWORD timeoutMs = 20000;
    std::size_t i = 0;
    if (words.size() >= 2 && words[0] == L"--timeout") {
        timeoutMs = static_cast<DWORD>(std::wcstod(words[1].c_str(), nullptr) * 1000);
        i = 2;
    }
    if (i >= words.size()) {
        std::fputs("usage: robot [--timeout SECONDS] COMMAND ARGS... [:: COMMAND ARGS...]...\n",
                   stderr);
        return 2;
    }
    Robot robot(timeoutMs);
    while (i < words.size()) {
        std::wstring command = words[i++];
        std::vector<std::wstring> args;
        while (i < words.size() && words[i] != L"::")
            args.push_back(words[i++]);
        if (i < words.size())
            ++i;  // the separator
        try {
            robot.Run(command, args);
        } catch (const UsageError& e) {
            std::fprintf(stderr, "robot: %s: %s\n", Utf8(command).c_str(), e.what());
            return 2;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "robot: %s: %s\n", Utf8(command).c_str(), e.what());
            return 1;
        }
    }
    return 0;
}
