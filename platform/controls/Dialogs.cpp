#include "platform/controls/Dialogs.h"

#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/os/Backend.h"

const TClassType& TCommonDialog::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCommonDialog, TComponent>("TCommonDialog")
            .Property(Prop<TCommonDialog>::Int("HelpContext", &TCommonDialog::HelpContext,
                                               &TCommonDialog::SetHelpContext, 0, "THelpContext"))
            .Property(
                Prop<TCommonDialog>::Event("OnClose", &TCommonDialog::OnClose, "TNotifyEvent"))
            .Property(Prop<TCommonDialog>::Event("OnShow", &TCommonDialog::OnShow, "TNotifyEvent"));
    return type;
}

const TEnumInfo& OpenOptionEnumInfo() {
    static const TEnumInfo info{"TOpenOption", {"ofReadOnly",
                                                "ofOverwritePrompt",
                                                "ofHideReadOnly",
                                                "ofNoChangeDir",
                                                "ofShowHelp",
                                                "ofNoValidate",
                                                "ofAllowMultiSelect",
                                                "ofExtensionDifferent",
                                                "ofPathMustExist",
                                                "ofFileMustExist",
                                                "ofCreatePrompt",
                                                "ofShareAware",
                                                "ofNoReadOnlyReturn",
                                                "ofNoTestFileCreate",
                                                "ofNoNetworkButton",
                                                "ofNoLongNames",
                                                "ofOldStyleDialog",
                                                "ofNoDereferenceLinks",
                                                "ofEnableIncludeNotify",
                                                "ofEnableSizing"}};
    return info;
}

std::uint32_t OpenOptionsToFlags(TOpenOptions options) {
    // The OFN_* value of each option, by ordinal; ofOldStyleDialog has none:
    // it leaves out the explorer style that every other dialog gets.
    static const std::uint32_t flags[] = {
        0x00000001,  // OFN_READONLY
        0x00000002,  // OFN_OVERWRITEPROMPT
        0x00000004,  // OFN_HIDEREADONLY
        0x00000008,  // OFN_NOCHANGEDIR
        0x00000010,  // OFN_SHOWHELP
        0x00000100,  // OFN_NOVALIDATE
        0x00000200,  // OFN_ALLOWMULTISELECT
        0x00000400,  // OFN_EXTENSIONDIFFERENT
        0x00000800,  // OFN_PATHMUSTEXIST
        0x00001000,  // OFN_FILEMUSTEXIST
        0x00002000,  // OFN_CREATEPROMPT
        0x00004000,  // OFN_SHAREAWARE
        0x00008000,  // OFN_NOREADONLYRETURN
        0x00010000,  // OFN_NOTESTFILECREATE
        0x00020000,  // OFN_NONETWORKBUTTON
        0x00040000,  // OFN_NOLONGNAMES
        0x00000000,  // old style: no OFN_EXPLORER
        0x00100000,  // OFN_NODEREFERENCELINKS
        0x00400000,  // OFN_ENABLEINCLUDENOTIFY
        0x00800000,  // OFN_ENABLESIZING
    };
    std::uint32_t result = 0;
    for (std::uint32_t i = 0; i < sizeof flags / sizeof flags[0]; ++i) {
        if ((options & (1u << i)) != 0)
            result |= flags[i];
    }
    if ((options & OpenOptionBit(ofOldStyleDialog)) == 0)
        result |= 0x00080000;  // OFN_EXPLORER
    return result;
}

const TClassType& TOpenDialog::StaticClass() {
    using P = Prop<TOpenDialog>;
    static const TClassType type =
        TClassType::Define<TOpenDialog, TCommonDialog>("TOpenDialog")
            .Property(P::Str("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt))
            .Property(
                P::Str("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName, "TFileName"))
            .Property(P::Str("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter))
            .Property(
                P::Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1))
            .Property(P::Str("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir))
            .Property(P::SetOf("Options", OpenOptionEnumInfo(), "TOpenOptions",
                               &TOpenDialog::Options, &TOpenDialog::SetOptions,
                               OpenOptionBit(ofHideReadOnly)))
            .Property(P::Str("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle));
    return type;
}

const TClassType& TSaveDialog::StaticClass() {
    static const TClassType type = TClassType::Define<TSaveDialog, TOpenDialog>("TSaveDialog");
    return type;
}

TOpenDialog::TOpenDialog(TComponent* owner)
    : TCommonDialog(owner), files_(std::make_unique<TStringList>()) {}

bool TOpenDialog::Execute() {
    return ExecuteFor(false);
}

bool TSaveDialog::Execute() {
    return ExecuteFor(true);
}

bool TOpenDialog::ExecuteFor(bool save) {
    os::FileDialogRequest request;
    request.save = save;
    if (Screen != nullptr && Screen->ActiveForm() != nullptr) {
        request.owner = Screen->ActiveForm()->Handle();
    }
    if (request.owner == 0)
        request.owner = os::windowing().ApplicationWindow();
    request.title = title_;
    request.filter = filter_;
    request.filterIndex = filterIndex_;
    request.initialDir = initialDir_;
    request.fileName = fileName_;
    request.defaultExt = defaultExt_;
    request.options = OpenOptionsToFlags(options_);
    DoShow();
    std::optional<os::FileDialogResult> result = os::windowing().ShowFileDialog(request);
    DoClose();
    if (!result)
        return false;
    fileName_ = result->fileName;
    filterIndex_ = result->filterIndex;
    files_->Clear();
    files_->Add(fileName_);
    return true;
}
