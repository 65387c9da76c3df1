#pragma once
// A native peer: one window of a standard control class (or of the backend's
// form and container classes) that mirrors a control and reports user input
// to its host. Internal to the win32 backend.

#include "platform/win32/WinApi.h"
#include "platform/win32/Windowing.h"

namespace win32 {

// The window styles of a form's frame.
DWORD FormWindowStyle(os::BorderStyle style, DWORD* exStyle);
// The system cursor that shows a cursor of the seam.
const wchar_t* CursorShape(os::Cursor cursor);

class WindowPeer : public os::Peer {
  public:
    WindowPeer(Windowing& windowing, const os::PeerSpec& params, WindowPeer* parent,
               os::PeerHost& host);
    ~WindowPeer() override;
    WindowPeer(const WindowPeer&) = delete;
    WindowPeer& operator=(const WindowPeer&) = delete;

    // The peer a window belongs to (its own window, or a combo box's edit
    // line); null for other windows.
    static WindowPeer* Of(HWND window);

    HWND Window() const { return hwnd_; }
    os::PeerKind Kind() const { return kind_; }
    os::PeerHost& Host() { return host_; }
    bool IsComboEdit(HWND window) const { return edit_ != nullptr && window == edit_; }
    bool IsDropped() const;

    // ---- os::Peer -------------------------------------------------------------
    os::WindowHandle Handle() const override { return reinterpret_cast<os::WindowHandle>(hwnd_); }
    void SetText(const std::string& text) override;
    std::string Text() const override;
    void SetBounds(const os::Rect& bounds) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetFont(const os::FontSpec& font) override;
    void SetColor(std::int32_t color) override;
    void SetFocus() override;
    void PlaceAfter(const os::Peer* previous) override;
    void SetChecked(bool checked) override;
    bool Checked() const override;
    void ComboClear() override;
    void ComboInsert(int index, const std::string& item) override;
    void ComboDelete(int index) override;
    void ComboSetItemIndex(int index) override;
    int ComboItemIndex() const override;
    void ComboSetDroppedDown(bool dropped) override;
    bool ComboDroppedDown() const override;
    void ComboSetDropDownCount(int count) override;
    void ComboSelectText(int start, int length) override;
    void RichAppendLine(const std::string& line) override;
    void SetCheckState(int state) override;
    void SetCursor(os::Cursor cursor) override;
    bool ComboSelection(int& start, int& length) const override;
    void RichClear() override;
    void RichSetReadOnly(bool readOnly) override;

  private:
    // Registers the backend's window class for forms and containers of a name.
    static void RegisterOwnClass(const std::wstring& name);
    static LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wp, LPARAM lp);

    // Handles a message of one of this peer's windows; base runs the class's
    // own handling.
    LRESULT Handle(HWND window, UINT message, WPARAM wp, LPARAM lp);
    LRESULT Base(HWND window, UINT message, WPARAM wp, LPARAM lp);
    LRESULT OnNcDestroy(HWND window, UINT message, WPARAM wp, LPARAM lp);
    // A WM_COMMAND notification from this (child) control.
    void Notify(unsigned code);
    // Form: Enter or Escape that no control took; true when a button answered.
    bool DialogKey(WPARAM key);
    // Form: the button that Enter clicks now (the focused push button, else
    // the default button), if it is visible and enabled.
    HWND EnterTarget() const;
    WindowPeer* Form() const;
    // Moves the focus on before this window is hidden or disabled.
    void GiveUpFocus();
    void ResizeCombo(const os::Rect& bounds);
    // A panel shows its bevels and its caption on its background.
    void PaintPanel();
    // The parent's answer to WM_CTLCOLOR* for this control: its text colour
    // and, when it has a colour of its own, its brush.
    LRESULT ControlColor(HDC dc, LRESULT base) const;
    // The font's colour for all the text of a rich text view.
    void SetRichTextColor();
    LRESULT FlatButtonMouse(UINT message, LPARAM lp);

    Windowing& windowing_;
    os::PeerHost& host_;
    os::PeerKind kind_;
    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;  // a combo box's edit line
    WNDPROC baseProc_ = nullptr;
    WNDPROC editProc_ = nullptr;
    ATOM nameAtom_ = 0;
    HBRUSH brush_ = nullptr;
    COLORREF color_ = 0;
    os::Rect bounds_;
    int dropDownCount_ = 8;
    int alignment_ = 0;  // of a panel's caption
    int bevelOuter_ = 0;
    int bevelInner_ = 0;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    COLORREF textColor_ = 0;  // of the font
    bool destroying_ = false;
    bool tracking_ = false;  // flat button: the mouse button is down on it
    bool down_ = false;      // flat button: its Down state
    os::Cursor cursor_ = os::Cursor::Default;
    // Form only.
    HWND lastFocus_ = nullptr;
    HWND defaultButton_ = nullptr;
    HWND cancelButton_ = nullptr;
};

}  // namespace win32
