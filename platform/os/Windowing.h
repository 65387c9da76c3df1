#pragma once
// The seam to windowing: native peers of controls, messages to windows,
// window rectangles, the application's top-level windows, screen, cursor,
// the message queue, message boxes and the open and save file dialogs.
//
// A control keeps its whole state itself. A backend may attach a native peer
// that mirrors that state (the control pushes every change to it) and reports
// user input back through the control's PeerHost interface. The sim backend
// attaches no peers: its user-input driver calls the same PeerHost entry
// points that the win32 peers call, so both run the same control code.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace os {

// A native window; 0 is none.
using WindowHandle = std::uintptr_t;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Messages and notification codes the layers above use by number.
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_DBLCLK = 2;
constexpr unsigned CBN_SETFOCUS = 3;
constexpr unsigned CBN_KILLFOCUS = 4;
constexpr unsigned CBN_EDITCHANGE = 5;
constexpr unsigned CBN_EDITUPDATE = 6;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_CLOSEUP = 8;
constexpr unsigned CBN_SELENDOK = 9;
constexpr unsigned CBN_SELENDCANCEL = 10;

// Message box flags and answers.
constexpr std::uint32_t MB_OK = 0x0;
constexpr std::uint32_t MB_OKCANCEL = 0x1;
constexpr std::uint32_t MB_YESNO = 0x4;
constexpr std::uint32_t MB_ICONERROR = 0x10;
constexpr std::uint32_t MB_ICONQUESTION = 0x20;
constexpr std::uint32_t MB_ICONWARNING = 0x30;
constexpr std::uint32_t MB_ICONINFORMATION = 0x40;
constexpr std::uint32_t MB_TASKMODAL = 0x2000;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

enum class PeerKind {
    Form,      // a top-level window
    Panel,     // a plain container
    GroupBox,  // a framed container with a caption
    Label,     // static text
    CheckBox,
    RadioButton,
    PushButton,  // also the bitmap button
    FlatButton,  // a speed button: never takes the focus
    ComboBox,    // edit line with a drop-down list
    ComboList,   // drop-down list without an edit line
    RichEdit,    // multi-line rich text view
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWindow };

struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = -11;  // negative: character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    // The text colour as the class library holds it: an RGB value 0x00BBGGRR
    // or a system colour 0x800000nn (nn = the COLOR_* index).
    std::int32_t color = static_cast<std::int32_t>(0x80000008u);
    int charset = 1;  // DEFAULT_CHARSET
    bool operator==(const FontSpec&) const = default;
};

enum class Cursor { Default, Arrow, HourGlass, IBeam };

// What a peer starts with; afterwards the control pushes changes.
struct PeerSpec {
    PeerKind kind = PeerKind::Panel;
    std::string className;  // the control's class name, for Form the window class
    std::string name;       // the component's name, by which automation tools find the window
    std::string text;
    Rect bounds;  // relative to the parent's client area; Form: window rectangle
    bool visible = true;
    bool enabled = true;
    bool tabStop = false;
    BorderStyle borderStyle = BorderStyle::Single;  // Form
    bool readOnly = false;                          // RichEdit
    bool wordWrap = true;                           // RichEdit
    int scrollBars = 0;  // RichEdit: 0 none, 1 horizontal, 2 vertical, 3 both
    // RichEdit, Label and Panel text: 0 left, 1 right, 2 centre; CheckBox and
    // RadioButton: 0 caption left of the box, 1 right of it.
    int alignment = 0;
    FontSpec font;
    bool defaultButton = false;  // PushButton: drawn as the form's default button
    bool cancelButton = false;   // PushButton: Escape in its form clicks it
    bool simpleList = false;     // ComboBox: the list is always shown below the edit line
    int maxLength = 0;           // ComboBox: most characters the edit line takes; 0 no limit
    // Panel edges: 0 none, 1 lowered, 2 raised, 3 space; each bevelWidth wide.
    int bevelOuter = 0;
    int bevelInner = 0;
    int bevelWidth = 1;
    int borderWidth = 0;
};

// The control side of a peer: native input reported back. An exception that
// an entry point raises while the backend dispatches a native message comes
// out of the backend call that dispatched it (HandleMessage,
// ProcessPendingMessages, a modal dialog, a peer operation).
class PeerHost {
  public:
    virtual ~PeerHost() = default;
    // A button, check box or radio button was clicked (BN_CLICKED).
    virtual void PeerClicked() {}
    // A command notification from the control (CBN_* codes). For a combo box
    // the host reads the peer's text and selection in answer, as the real
    // control's state has changed before the notification arrives; only at
    // CBN_SELCHANGE and CBN_SELENDOK the edit line may still show the text of
    // the item selected before. Focus changes come as PeerFocusChanged alone.
    virtual void PeerCommand(unsigned code) { (void)code; }
    // The window got (true) or lost (false) the input focus.
    virtual void PeerFocusChanged(bool focused) { (void)focused; }
    // A character typed into the control; the host may replace it, and 0
    // swallows it.
    virtual void PeerKeyPress(char& key) { (void)key; }
    // A key pressed (virtual-key code); returns true when handled.
    virtual bool PeerKeyDown(unsigned key) {
        (void)key;
        return false;
    }
    // A close request arrived at a top-level window (its close button, the
    // system menu, WM_CLOSE from outside).
    virtual void PeerCloseRequest() {}
    // The native window is being destroyed.
    virtual void PeerDestroyed() {}
};

class Peer {
  public:
    virtual ~Peer() = default;  // destroys the native window
    virtual WindowHandle Handle() const = 0;

    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual void SetBounds(const Rect& bounds) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void SetColor(std::int32_t color) = 0;
    virtual void SetFocus() = 0;
    // Places this window after previous in the tab order (null: first).
    virtual void PlaceAfter(const Peer* previous) = 0;

    // Check box and radio button. The control toggles its own state on a
    // click and pushes it: the native button must not check itself. A speed
    // button shows its Down state through SetChecked.
    virtual void SetChecked(bool checked) = 0;
    virtual bool Checked() const = 0;
    // 0 unchecked, 1 checked, 2 grayed (a check box that allows it).
    virtual void SetCheckState(int state) { SetChecked(state == 1); }
    // Push button and speed button: the image strip of a bitmap button, as
    // the form description holds it (a bitmap file, possibly behind a 4-byte
    // length); empty for none. numGlyphs images side by side.
    virtual void SetGlyph(const std::vector<std::uint8_t>& image, int numGlyphs) {
        (void)image;
        (void)numGlyphs;
    }
    // The mouse cursor shown over this window.
    virtual void SetCursor(Cursor cursor) { (void)cursor; }

    // Combo box: the list, the selection and the drop-down state.
    virtual void ComboClear() = 0;
    virtual void ComboInsert(int index, const std::string& item) = 0;  // -1 appends
    virtual void ComboDelete(int index) = 0;
    virtual void ComboSetItemIndex(int index) = 0;  // -1: none
    virtual int ComboItemIndex() const = 0;
    virtual void ComboSetDroppedDown(bool dropped) = 0;
    virtual bool ComboDroppedDown() const = 0;
    virtual void ComboSetDropDownCount(int count) = 0;
    virtual void ComboSelectText(int start, int length) = 0;  // in the edit line, characters
    // The selection in the edit line; false when the peer cannot tell.
    virtual bool ComboSelection(int& start, int& length) const {
        (void)start;
        (void)length;
        return false;
    }

    // Rich text view.
    virtual void RichAppendLine(const std::string& line) = 0;
    virtual void RichClear() = 0;
    virtual void RichSetReadOnly(bool readOnly) = 0;
};

struct FileDialogRequest {
    bool save = false;
    WindowHandle owner = 0;
    std::string title;
    std::string filter;  // "All files (*.*)|*.*"
    int filterIndex = 1;
    std::string initialDir;
    std::string fileName;
    std::string defaultExt;
    std::uint32_t options = 0;
};

struct FileDialogResult {
    std::string fileName;
    int filterIndex = 1;
};

// What DisableTaskWindows switched off, for EnableTaskWindows to restore.
using DisabledWindows = std::vector<WindowHandle>;

// What one turn of the message loop did.
enum class LoopTurn {
    Dispatched,  // a message was handled
    Quit,        // the quit message arrived
    Idle         // nothing is pending (sim only: the real backend waits instead)
};

class Windowing {
  public:
    virtual ~Windowing() = default;

    // A native peer for a control, or null when the backend has none. parent
    // is the parent control's peer (null for a top-level window).
    virtual std::unique_ptr<Peer> CreatePeer(const PeerSpec& params, Peer* parent,
                                             PeerHost& host) = 0;

    // The extra width and height that a top-level window's frame and caption
    // add to its client area.
    virtual Size NonClientSize(BorderStyle style) = 0;

    // Messages to a window. Text parameters are converted at the seam.
    virtual std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wparam,
                               std::intptr_t lparam) = 0;
    virtual std::intptr_t SendText(WindowHandle window, unsigned message, std::uintptr_t wparam,
                                   const std::string& text) = 0;
    virtual Rect WindowRect(WindowHandle window) = 0;
    virtual void MoveWindowTo(WindowHandle window, const Rect& rect, bool repaint) = 0;

    // The application's hidden main window (owner of dialogs).
    virtual WindowHandle ApplicationWindow() = 0;
    // Disables every enabled, visible top-level window of the application
    // except `except`, returning what it disabled.
    virtual DisabledWindows DisableTaskWindows(WindowHandle except) = 0;
    virtual void EnableTaskWindows(const DisabledWindows& windows) = 0;

    virtual Size ScreenSize() = 0;
    virtual void SetCursor(Cursor cursor) = 0;
    // The size of one line of text in the font (an auto-sized label). A
    // backend without text metrics keeps this estimate: the line height of
    // the font and an average character width of half of it.
    virtual Size TextExtent(const FontSpec& font, const std::string& text) {
        int line = font.height < 0 ? (-font.height * 6 + 2) / 5 : font.height;
        int chars = 0;
        for (unsigned char c : text) {
            if ((c & 0xC0) != 0x80)
                ++chars;  // count UTF-8 code points
        }
        return {chars * ((line + 1) / 2), line};
    }

    // Handles every pending message and returns.
    virtual void ProcessPendingMessages() = 0;
    // Handles one message, waiting for it (win32) or returning Idle when none
    // is pending (sim).
    virtual LoopTurn HandleMessage() = 0;
    // Queues a call to run on the user-interface thread in message order.
    virtual void PostCall(std::function<void()> call) = 0;
    // Puts the quit message into the queue.
    virtual void PostQuit() = 0;

    // A modal message box; returns the answer (IDOK ...). Like every modal
    // window of the application, it disables the application's other
    // top-level windows while it shows.
    virtual int ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& caption, std::uint32_t flags) = 0;
    // The open or save file dialog; nullopt when cancelled.
    virtual std::optional<FileDialogResult> ShowFileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace os
