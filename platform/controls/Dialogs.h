#pragma once
// The common dialogs: TCommonDialog, the base of dialog components, and the
// open and save file dialogs over the platform's file dialogs.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/core/Events.h"
#include "platform/core/Object.h"
#include "platform/core/Strings.h"

class TCommonDialog : public TComponent {
    PF_CLASS(TCommonDialog)
  public:
    explicit TCommonDialog(TComponent* owner) : TComponent(owner) {}

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    // Shows the dialog modally; true when the user confirmed it.
    virtual bool Execute() = 0;

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

  protected:
    // Fire OnShow before the dialog appears and OnClose after it went.
    virtual void DoShow() { OnShow(this); }
    virtual void DoClose() { OnClose(this); }

  private:
    int helpContext_ = 0;
};

// The options of the file dialogs.
enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing
};
using TOpenOptions = std::uint32_t;  // bit (1 << option)
constexpr TOpenOptions OpenOptionBit(TOpenOption option) {
    return 1u << option;
}
const TEnumInfo& OpenOptionEnumInfo();
// The platform's OFN_* flags for a set of options.
std::uint32_t OpenOptionsToFlags(TOpenOptions options);

class TOpenDialog : public TCommonDialog {
    PF_CLASS(TOpenDialog)
  public:
    explicit TOpenDialog(TComponent* owner);

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    // Pairs of description and pattern, each part followed by "|":
    // "Text files (*.txt)|*.txt|All files (*.*)|*.*".
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    // The chosen pair of the filter, counted from 1.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& ext) { defaultExt_ = ext; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions options) { options_ = options; }
    // The chosen files: the one chosen file after Execute.
    TStrings* Files() const { return files_.get(); }

    // Shows the dialog, owned by the active form; on OK takes the chosen
    // file name and filter index. Cancel changes nothing.
    bool Execute() override;

  protected:
    bool ExecuteFor(bool save);

  private:
    std::string fileName_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string initialDir_;
    std::string title_;
    std::string defaultExt_;
    TOpenOptions options_ = OpenOptionBit(ofHideReadOnly);
    std::unique_ptr<TStringList> files_;
};

class TSaveDialog : public TOpenDialog {
    PF_CLASS(TSaveDialog)
  public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
    bool Execute() override;
};
