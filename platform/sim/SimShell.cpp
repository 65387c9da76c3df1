#include "platform/sim/SimShell.h"

#include "platform/core/StrUtils.h"
#include "platform/os/Backend.h"
#include "platform/sim/SimWindowing.h"

namespace sim {

namespace {

constexpr unsigned kSetStatusTextW = 0x468;
constexpr unsigned kSetSelectionW = 0x467;

bool SamePath(const std::string& a, const std::string& b) {
    return SameText(ExcludeTrailingBackslash(a), ExcludeTrailingBackslash(b));
}

// Runs a cleanup however the scope is left.
template <class F>
struct Finally {
    F f;
    ~Finally() { f(); }
};
template <class F>
Finally(F) -> Finally<F>;

}  // namespace

SimShell::SimShell() {
    struct Special {
        int csidl;
        const char* path;  // null: no file-system path
        const char* name;
    };
    static const Special defaults[] = {
        {0x00, "C:\\WINDOWS\\Desktop", "Desktop"},
        {0x02, "C:\\WINDOWS\\Start Menu\\Programs", "Programs"},
        {0x03, nullptr, "Control Panel"},
        {0x04, nullptr, "Printers"},
        {0x05, "C:\\My Documents", "My Documents"},
        {0x06, "C:\\WINDOWS\\Favorites", "Favorites"},
        {0x07, "C:\\WINDOWS\\Start Menu\\Programs\\StartUp", "StartUp"},
        {0x08, "C:\\WINDOWS\\Recent", "Recent"},
        {0x09, "C:\\WINDOWS\\SendTo", "SendTo"},
        {0x0A, nullptr, "Recycle Bin"},
        {0x0B, "C:\\WINDOWS\\Start Menu", "Start Menu"},
        {0x10, "C:\\WINDOWS\\Desktop", "Desktop"},
        {0x11, nullptr, "My Computer"},
        {0x12, nullptr, "Entire Network"},
        {0x13, "C:\\WINDOWS\\NetHood", "NetHood"},
        {0x14, "C:\\WINDOWS\\Fonts", "Fonts"},
        {0x15, "C:\\WINDOWS\\ShellNew", "ShellNew"},
    };
    for (const Special& s : defaults) {
        SetSpecialFolder(s.csidl, s.path ? std::optional<std::string>(s.path) : std::nullopt,
                         s.name);
    }
}

SimShell::~SimShell() = default;

// ---- setup and inspection ------------------------------------------------------

int SimShell::AddItem(std::optional<std::string> path, std::string displayName, int imageIndex) {
    items_.push_back(Item{std::move(path), std::move(displayName), imageIndex});
    return static_cast<int>(items_.size()) - 1;
}

int SimShell::SetSpecialFolder(int csidl, std::optional<std::string> path,
                               std::string displayName) {
    int item = AddItem(std::move(path), std::move(displayName));
    special_[csidl] = item;
    return item;
}

void SimShell::RemoveSpecialFolder(int csidl) {
    special_.erase(csidl);
}

int SimShell::SpecialFolderItem(int csidl) const {
    auto it = special_.find(csidl);
    return it == special_.end() ? -1 : it->second;
}

std::optional<std::string> SimShell::ItemPath(int item) const {
    if (item < 0 || item >= static_cast<int>(items_.size()))
        return std::nullopt;
    return items_[static_cast<std::size_t>(item)].path;
}

const std::string& SimShell::ItemName(int item) const {
    static const std::string none;
    if (item < 0 || item >= static_cast<int>(items_.size()))
        return none;
    return items_[static_cast<std::size_t>(item)].displayName;
}

int SimShell::LiveIdLists() const {
    return static_cast<int>(lists_.size());
}

int SimShell::ItemOfList(os::ItemIdList list) const {
    auto it = lists_.find(list);
    if (it != lists_.end())
        return it->second;
    it = lent_.find(list);
    return it == lent_.end() ? -1 : it->second;
}

int SimShell::FindItemByPath(const std::string& path) const {
    if (path.empty())
        return -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].path && SamePath(*items_[i].path, path))
            return static_cast<int>(i);
    }
    return -1;
}

os::ItemIdList SimShell::NewList(int item) {
    os::ItemIdList list = nextList_++;
    lists_[list] = item;
    return list;
}

// ---- os::Shell ---------------------------------------------------------------------

os::ItemIdList SimShell::SpecialFolderLocation(os::WindowHandle, int csidl) {
    int item = SpecialFolderItem(csidl);
    return item < 0 ? 0 : NewList(item);
}

std::string SimShell::PathFromIdList(os::ItemIdList list) {
    int item = ItemOfList(list);
    if (item < 0)
        return "";
    return items_[static_cast<std::size_t>(item)].path.value_or("");
}

void SimShell::FreeIdList(os::ItemIdList list) {
    if (list == 0)
        return;
    if (lists_.erase(list) == 0)
        ++invalidFrees_;
}

void SimShell::Select(std::size_t record, int item, os::BrowseRequest& request) {
    BrowseRecord& rec = browses_[record];
    if (!rec.open || item < 0 || item >= static_cast<int>(items_.size()) || item == rec.selection) {
        return;
    }
    rec.selection = item;
    if ((rec.flags & kBifReturnOnlyFsDirs) != 0) {
        rec.okEnabled = items_[static_cast<std::size_t>(item)].path.has_value();
    }
    rec.reported.push_back(item);
    os::WindowHandle dialog = rec.dialog;
    // The list is the shell's, lent for the call only.
    os::ItemIdList lent = nextList_++;
    lent_[lent] = item;
    Finally giveBack{[&] { lent_.erase(lent); }};
    if (request.callback)
        request.callback(dialog, os::BFFM_SELCHANGED, lent);
}

std::intptr_t SimShell::DialogProc(std::size_t record, os::BrowseRequest& request, unsigned message,
                                   std::uintptr_t wparam, std::intptr_t lparam,
                                   const std::string& text) {
    BrowseRecord& rec = browses_[record];
    switch (message) {
        case os::WM_SETTEXT:
            rec.caption = text;
            return 1;
        case os::BFFM_SETSTATUSTEXT:
        case kSetStatusTextW:
            rec.status = text;
            return 0;
        case os::BFFM_ENABLEOK:
            rec.okEnabled = lparam != 0;
            return 0;
        case os::BFFM_SETSELECTION:
        case kSetSelectionW: {
            int item = wparam != 0 ? FindItemByPath(text)
                                   : ItemOfList(static_cast<os::ItemIdList>(lparam));
            Select(record, item, request);
            return 0;
        }
        default:
            return 0;
    }
}

std::optional<os::BrowseResult> SimShell::BrowseForFolder(os::BrowseRequest& request) {
    BrowseRecord rec;
    rec.owner = request.owner;
    rec.flags = request.flags;
    rec.title = request.title;
    rec.root = request.root != 0 ? ItemOfList(request.root) : SpecialFolderItem(kCsidlDesktop);
    // The dialog opens with its root selected, without reporting it.
    rec.selection = rec.root;
    std::size_t index = browses_.size();
    browses_.push_back(rec);

    SimWindowing* windowing =
        os::HasBackend() ? dynamic_cast<SimWindowing*>(&os::windowing()) : nullptr;
    os::WindowHandle dialog = windowing ? windowing->AddWindow(dialogRect_) : nextOwnWindow_++;
    browses_[index].dialog = dialog;
    browses_[index].open = true;
    if (windowing) {
        windowing->SetWindowProc(dialog, [this, index, &request](const SentMessage& m) {
            return DialogProc(index, request, m.message, m.wparam, m.lparam, m.text);
        });
    }
    Finally close{[&] {
        browses_[index].open = false;
        if (windowing)
            windowing->RemoveWindow(dialog);
    }};

    std::vector<BrowseStep> steps;
    if (!scripts_.empty()) {
        steps = std::move(scripts_.front());
        scripts_.pop_front();
    }

    if (request.callback)
        request.callback(dialog, os::BFFM_INITIALIZED, 0);

    for (const BrowseStep& step : steps) {
        if (step.kind == BrowseStep::Kind::Select) {
            Select(index, step.item, request);
        } else if (step.kind == BrowseStep::Kind::Run) {
            if (step.action)
                step.action(dialog);
        } else if (step.kind == BrowseStep::Kind::Cancel) {
            break;
        } else if (!browses_[index].okEnabled) {
            ++browses_[index].disabledOkPresses;
        } else {
            browses_[index].accepted = true;
            break;
        }
    }
    if (!browses_[index].accepted)
        return std::nullopt;

    int chosen = browses_[index].selection;
    os::BrowseResult result;
    if (chosen >= 0) {
        const Item& item = items_[static_cast<std::size_t>(chosen)];
        result.list = NewList(chosen);
        result.displayName = item.displayName;
        result.imageIndex = item.imageIndex;
        request.imageIndex = item.imageIndex;
    } else {
        // No root and no desktop: OK still returns a list, of nothing.
        result.list = NewList(-1);
    }
    return result;
}

}  // namespace sim
