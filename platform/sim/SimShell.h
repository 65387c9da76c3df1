#pragma once
// The simulated shell: special folders, item-ID lists and a scripted folder
// browse dialog.
//
// Items. Everything the dialog can show is an item: the special folders (a
// fresh shell knows the usual ones, see the constructor) and the items a test
// adds. An item has a file-system path or none (printers, a computer) and a
// display name. Every item-ID list handed out is a fresh handle that must be
// released with FreeIdList; LiveIdLists counts those not yet released, and
// InvalidFrees counts releases of lists that were not live (double frees,
// or freeing the list that the dialog lends to a BFFM_SELCHANGED callback).
//
// The dialog. BrowseForFolder records the request and then behaves as the
// shell's dialog:
//   1. it creates its window (through SimWindowing::AddWindow when the
//      installed backend's windowing is the simulated one, so WindowRect
//      and MoveWindowTo work on it) and calls the callback with
//      BFFM_INITIALIZED;
//   2. the messages sent to that window are answered by the dialog:
//      BFFM_SETSELECTION (wparam 1: the text is a path; 0: lparam is an
//      item-ID list) selects the item of that path, WM_SETTEXT sets the
//      caption, BFFM_SETSTATUSTEXT the status line, BFFM_ENABLEOK the OK
//      button;
//   3. it plays the scripted steps of the user in order: selecting an item,
//      pressing OK, cancelling, or running a test's code inside the modal
//      loop;
//   4. a selection that changes calls the callback with BFFM_SELCHANGED and
//      a list of the new item, lent for the call only, at once and
//      synchronously (also while another message is being handled, as in
//      the real dialog). With the flag "only file-system folders" (0x0001)
//      the dialog itself enables OK exactly for items with a path before it
//      reports the change;
//   5. OK returns a new list of the selected item (the root when nothing was
//      selected) with its display name; OK pressed while the button is
//      disabled does nothing and the script goes on. Cancel, or the end of
//      the script, returns nullopt. Without a script the dialog is cancelled
//      right after its initialisation.
// The window is destroyed (RemoveWindow) when BrowseForFolder returns.
//
// Not modelled: the folder tree itself (expanding, children of items),
// BFFM_VALIDATEFAILED and the edit box, and the new dialog style.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/Shell.h"

namespace sim {

// Special-folder numbers (CSIDL) and the browse flag the dialog itself acts on.
constexpr int kCsidlDesktop = 0x00;
constexpr int kCsidlPrinters = 0x04;
constexpr int kCsidlPersonal = 0x05;
constexpr int kCsidlDrives = 0x11;
constexpr std::uint32_t kBifReturnOnlyFsDirs = 0x0001;

// One thing the user does in the dialog.
struct BrowseStep {
    enum class Kind { Select, Ok, Cancel, Run };
    Kind kind = Kind::Cancel;
    int item = -1;                                 // Select
    std::function<void(os::WindowHandle)> action;  // Run: called with the dialog

    static BrowseStep Select(int item) { return {Kind::Select, item, {}}; }
    static BrowseStep Ok() { return {Kind::Ok, -1, {}}; }
    static BrowseStep Cancel() { return {Kind::Cancel, -1, {}}; }
    static BrowseStep Run(std::function<void(os::WindowHandle)> action) {
        return {Kind::Run, -1, std::move(action)};
    }
};

// What one showing of the dialog was asked and what happened in it.
struct BrowseRecord {
    os::WindowHandle owner = 0;
    std::uint32_t flags = 0;
    std::string title;
    int root = -1;  // the root item, -1 for the desktop by default
    os::WindowHandle dialog = 0;
    std::string caption = "Browse for Folder";
    std::string status;  // the status line's text
    bool okEnabled = true;
    int selection = -1;         // the selected item, -1 before any
    std::vector<int> reported;  // items reported with BFFM_SELCHANGED, in order
    int disabledOkPresses = 0;  // OK presses while the button was disabled
    bool accepted = false;
    bool open = false;  // the dialog is showing
};

class SimShell : public os::Shell {
  public:
    // Knows the special folders of the folder browse dialog's root table:
    // the desktop (C:\WINDOWS\Desktop), programs, control panel (no path),
    // printers (no path), my documents (C:\My Documents), favourites,
    // start-up, recent, send to, recycle bin (no path), start menu, the
    // desktop folder, my computer (no path), network (no path), network
    // neighbourhood, fonts and templates.
    SimShell();
    ~SimShell() override;

    // ---- what a test sets up ----------------------------------------------------
    // An item of the dialog; returns its index for BrowseStep::Select.
    int AddItem(std::optional<std::string> path, std::string displayName, int imageIndex = 0);
    // Replaces (or adds) a special folder; returns its item.
    int SetSpecialFolder(int csidl, std::optional<std::string> path, std::string displayName);
    // SpecialFolderLocation then fails for it.
    void RemoveSpecialFolder(int csidl);
    int SpecialFolderItem(int csidl) const;  // -1 when unknown
    // The user's steps in the next dialog shown (one call per dialog).
    void ScriptBrowse(std::vector<BrowseStep> steps) { scripts_.push_back(std::move(steps)); }
    // The rectangle the dialog window is created with.
    void SetDialogRect(const os::Rect& rect) { dialogRect_ = rect; }

    // ---- what a test inspects -----------------------------------------------------
    const std::vector<BrowseRecord>& Browses() const { return browses_; }
    std::optional<std::string> ItemPath(int item) const;
    const std::string& ItemName(int item) const;
    int LiveIdLists() const;
    int InvalidFrees() const { return invalidFrees_; }
    // The item a live list stands for, -1 when the list is not live.
    int ItemOfList(os::ItemIdList list) const;

    // ---- os::Shell ----------------------------------------------------------------------
    os::ItemIdList SpecialFolderLocation(os::WindowHandle owner, int csidl) override;
    std::optional<os::BrowseResult> BrowseForFolder(os::BrowseRequest& request) override;
    std::string PathFromIdList(os::ItemIdList list) override;
    void FreeIdList(os::ItemIdList list) override;

  private:
    struct Item {
        std::optional<std::string> path;
        std::string displayName;
        int imageIndex = 0;
    };

    os::ItemIdList NewList(int item);
    int FindItemByPath(const std::string& path) const;
    // Selects item in the open dialog and reports the change.
    void Select(std::size_t record, int item, os::BrowseRequest& request);
    std::intptr_t DialogProc(std::size_t record, os::BrowseRequest& request, unsigned message,
                             std::uintptr_t wparam, std::intptr_t lparam, const std::string& text);

    std::vector<Item> items_;
    std::map<int, int> special_;           // CSIDL -> item
    std::map<os::ItemIdList, int> lists_;  // live lists handed out -> item
    std::map<os::ItemIdList, int> lent_;   // lists lent to a callback -> item
    os::ItemIdList nextList_ = 0x10000;
    int invalidFrees_ = 0;
    std::deque<std::vector<BrowseStep>> scripts_;
    std::vector<BrowseRecord> browses_;
    os::Rect dialogRect_{0, 0, 306, 330};
    os::WindowHandle nextOwnWindow_ = 0x7000;
};

}  // namespace sim
