#pragma once
// The seam to the shell's folder browse dialog and special folders.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/os/Windowing.h"

namespace os {

// An item-ID list allocated by the shell; 0 is none.
using ItemIdList = std::uintptr_t;

// Browse dialog callback messages and the messages sent to the dialog.
constexpr unsigned BFFM_INITIALIZED = 1;
constexpr unsigned BFFM_SELCHANGED = 2;
constexpr unsigned BFFM_SETSTATUSTEXT = 0x464;  // ANSI form
constexpr unsigned BFFM_ENABLEOK = 0x465;
constexpr unsigned BFFM_SETSELECTION = 0x466;  // ANSI form

struct BrowseRequest {
    WindowHandle owner = 0;
    ItemIdList root = 0;
    std::string title;
    std::uint32_t flags = 0;
    int imageIndex = 0;
    // Called with the dialog window, the message and its parameter (the item-ID
    // list for BFFM_SELCHANGED); returns 0.
    std::function<int(WindowHandle dialog, unsigned message, std::uintptr_t param)> callback;
};

struct BrowseResult {
    ItemIdList list = 0;      // to be released with FreeIdList
    std::string displayName;  // of the chosen item
    int imageIndex = 0;
};

class Shell {
  public:
    virtual ~Shell() = default;
    // The special folder's item-ID list (CSIDL number), 0 when there is none.
    virtual ItemIdList SpecialFolderLocation(WindowHandle owner, int csidl) = 0;
    // Runs the modal dialog; nullopt when it was cancelled.
    virtual std::optional<BrowseResult> BrowseForFolder(BrowseRequest& request) = 0;
    // The file-system path of the item, empty when it has none.
    virtual std::string PathFromIdList(ItemIdList list) = 0;
    // Releases a list the shell allocated; 0 is accepted.
    virtual void FreeIdList(ItemIdList list) = 0;
};

}  // namespace os
