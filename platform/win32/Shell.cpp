#include "platform/win32/Shell.h"

#include "platform/win32/Dispatch.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/WinApi.h"

namespace win32 {

namespace {

// The callback routes to the caller's request through its user data.
int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM param, LPARAM data) {
    auto* request = reinterpret_cast<os::BrowseRequest*>(data);
    if (HasPending() || !request->callback)
        return 0;
    int result = 0;
    Guarded([&] {
        result = request->callback(reinterpret_cast<os::WindowHandle>(dialog), message,
                                   static_cast<std::uintptr_t>(param));
    });
    // An exception ends the dialog; BrowseForFolder raises it again.
    if (HasPending())
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return result;
}

}  // namespace

Shell::~Shell() {
    if (oleInitialized_)
        OleUninitialize();
}

void Shell::InitializeOle() {
    if (oleTried_)
        return;
    oleTried_ = true;
    HRESULT hr = OleInitialize(nullptr);
    oleInitialized_ = SUCCEEDED(hr);  // S_FALSE too: it must be balanced
}

os::ItemIdList Shell::SpecialFolderLocation(os::WindowHandle owner, int csidl) {
    InitializeOle();
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(reinterpret_cast<HWND>(owner), csidl, &list)))
        return 0;
    return reinterpret_cast<os::ItemIdList>(list);
}

std::optional<os::BrowseResult> Shell::BrowseForFolder(os::BrowseRequest& request) {
    InitializeOle();
    wchar_t displayName[MAX_PATH] = {};
    std::wstring title = Widen(request.title);

    BROWSEINFOW info{};
    info.hwndOwner = reinterpret_cast<HWND>(request.owner);
    info.pidlRoot = reinterpret_cast<LPCITEMIDLIST>(request.root);
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = request.flags;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(&request);
    info.iImage = request.imageIndex;

    LPITEMIDLIST chosen = SHBrowseForFolderW(&info);
    if (HasPending()) {
        if (chosen != nullptr)
            CoTaskMemFree(chosen);
        RethrowPending();
    }
    if (chosen == nullptr)
        return std::nullopt;
    os::BrowseResult result;
    result.list = reinterpret_cast<os::ItemIdList>(chosen);
    result.displayName = NarrowBuffer(displayName);
    result.imageIndex = info.iImage;
    return result;
}

std::string Shell::PathFromIdList(os::ItemIdList list) {
    if (list == 0)
        return {};
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(reinterpret_cast<LPCITEMIDLIST>(list), path))
        return {};
    return NarrowBuffer(path);
}

void Shell::FreeIdList(os::ItemIdList list) {
    if (list != 0)
        CoTaskMemFree(reinterpret_cast<void*>(list));
}

}  // namespace win32
