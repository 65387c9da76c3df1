#pragma once
// The shell's special folders and folder browse dialog. COM (OLE) is
// initialised once, before the first shell call, and released with the
// object.

#include "platform/os/Shell.h"

namespace win32 {

class Shell : public os::Shell {
  public:
    Shell() = default;
    ~Shell() override;
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    os::ItemIdList SpecialFolderLocation(os::WindowHandle owner, int csidl) override;
    // The request's callback runs inside the dialog's modal loop. An exception
    // it raises cancels the dialog and is raised again from here.
    std::optional<os::BrowseResult> BrowseForFolder(os::BrowseRequest& request) override;
    std::string PathFromIdList(os::ItemIdList list) override;
    void FreeIdList(os::ItemIdList list) override;

  private:
    void InitializeOle();

    bool oleInitialized_ = false;
    bool oleTried_ = false;
};

}  // namespace win32
