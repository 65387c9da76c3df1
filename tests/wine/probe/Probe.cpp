// The win32 backend's own end-to-end probe. It installs the real backend and,
// through the seam alone, builds a small window of every peer kind that the
// class library uses, works the registry, the file system and the shell, and
// writes everything the peers report into its log view, where the Wine
// scenario reads it back through the robot.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/os/Backend.h"
#include "platform/win32/Backend.h"

namespace {

constexpr unsigned kVirtualF2 = 0x71;
constexpr unsigned kVirtualF3 = 0x72;
constexpr unsigned kVirtualF5 = 0x74;
constexpr std::uint32_t kOpenHideReadOnly = 0x00000004;
constexpr std::uint32_t kOpenExplorer = 0x00080000;
constexpr unsigned kBrowseReturnOnlyFileSystem = 0x0001;
constexpr unsigned kBrowseStatusText = 0x0004;

std::string ComboCodeName(unsigned code) {
    static const std::map<unsigned, std::string> names = {
        {os::CBN_SELCHANGE, "CBN_SELCHANGE"},   {os::CBN_DBLCLK, "CBN_DBLCLK"},
        {os::CBN_SETFOCUS, "CBN_SETFOCUS"},     {os::CBN_KILLFOCUS, "CBN_KILLFOCUS"},
        {os::CBN_EDITCHANGE, "CBN_EDITCHANGE"}, {os::CBN_EDITUPDATE, "CBN_EDITUPDATE"},
        {os::CBN_DROPDOWN, "CBN_DROPDOWN"},     {os::CBN_CLOSEUP, "CBN_CLOSEUP"},
        {os::CBN_SELENDOK, "CBN_SELENDOK"},     {os::CBN_SELENDCANCEL, "CBN_SELENDCANCEL"},
    };
    auto it = names.find(code);
    return it != names.end() ? it->second : "code " + std::to_string(code);
}

class ProbeForm;

// One control: its peer and what it does with the input the peer reports.
class Control : public os::PeerHost {
  public:
    Control(ProbeForm& form, std::string name) : form_(form), name_(std::move(name)) {}
    void Create(const os::PeerSpec& params, Control* parent);
    os::Peer& Peer() { return *peer_; }
    const std::string& Name() const { return name_; }

    void PeerClicked() override;
    void PeerCommand(unsigned code) override;
    void PeerFocusChanged(bool focused) override;
    void PeerKeyPress(char& key) override;
    bool PeerKeyDown(unsigned key) override;
    void PeerCloseRequest() override;

  private:
    ProbeForm& form_;
    std::string name_;
    os::PeerKind kind_ = os::PeerKind::Panel;
    std::unique_ptr<os::Peer> peer_;
};

class ProbeForm {
  public:
    ProbeForm();
    void Log(const std::string& line);
    void Clicked(Control& control);
    void ComboCommand(Control& control, unsigned code);
    void CloseRequest();
    void CheckSystem();
    void ChangeControls();
    void SaveFile();

  private:
    Control& Make(const std::string& name, os::PeerKind kind, const std::string& text,
                  os::Rect bounds, Control* parent, bool tabStop = false);
    void ShowMessage();
    void OpenFile();
    void BrowseFolder();

    std::vector<std::unique_ptr<Control>> controls_;
    Control* form_ = nullptr;
    Control* feature_ = nullptr;
    Control* radioOne_ = nullptr;
    Control* radioTwo_ = nullptr;
    Control* allowClose_ = nullptr;
    Control* status_ = nullptr;
    Control* log_ = nullptr;
    Control* colour_ = nullptr;
    Control* size_ = nullptr;
    std::string programDir_;
};

void Control::Create(const os::PeerSpec& params, Control* parent) {
    kind_ = params.kind;
    peer_ = os::windowing().CreatePeer(params, parent != nullptr ? parent->peer_.get() : nullptr,
                                       *this);
}

void Control::PeerClicked() {
    form_.Clicked(*this);
}

void Control::PeerCommand(unsigned code) {
    form_.ComboCommand(*this, code);
}

void Control::PeerFocusChanged(bool focused) {
    if (kind_ == os::PeerKind::Form)
        return;
    form_.Log(std::string(focused ? "focus in: " : "focus out: ") + name_);
}

void Control::PeerKeyPress(char& key) {
    if (kind_ != os::PeerKind::ComboBox)
        return;
    // The combo box shows letters in capitals and refuses '#'.
    if (key == '#') {
        form_.Log(name_ + ": key '#' swallowed");
        key = 0;
    } else if (key >= 'a' && key <= 'z') {
        key = static_cast<char>(key - 'a' + 'A');
    } else if (key == '\r') {
        form_.Log(name_ + ": key Enter");
    }
}

bool Control::PeerKeyDown(unsigned key) {
    if (key == kVirtualF3) {
        form_.ChangeControls();
        return true;
    }
    if (key == kVirtualF5) {
        form_.SaveFile();
        return true;
    }
    if (key != kVirtualF2)
        return false;
    form_.Log(name_ + ": key down F2 handled");
    return true;
}

void Control::PeerCloseRequest() {
    form_.CloseRequest();
}

Control& ProbeForm::Make(const std::string& name, os::PeerKind kind, const std::string& text,
                         os::Rect bounds, Control* parent, bool tabStop) {
    os::PeerSpec params;
    params.kind = kind;
    params.name = name;
    params.text = text;
    params.bounds = bounds;
    params.tabStop = tabStop;
    params.visible = kind != os::PeerKind::Form;
    if (kind == os::PeerKind::Form) {
        params.className = "TProbeForm";
        params.borderStyle = os::BorderStyle::Dialog;
    }
    if (kind == os::PeerKind::Panel)
        params.className = "TPanel";
    if (kind == os::PeerKind::CheckBox || kind == os::PeerKind::RadioButton)
        params.alignment = 1;  // the caption right of the box
    if (kind == os::PeerKind::RichEdit) {
        params.readOnly = true;
        params.scrollBars = 2;
    }
    params.defaultButton = name == "BtnMessage";
    params.cancelButton = name == "BtnClose";
    controls_.push_back(std::make_unique<Control>(*this, name));
    Control& control = *controls_.back();
    control.Create(params, parent);
    return control;
}

ProbeForm::ProbeForm() {
    os::Windowing& w = os::windowing();
    std::string program = os::files().ProgramPath();
    programDir_ = program.substr(0, program.rfind('\\'));

    os::Size frame = w.NonClientSize(os::BorderStyle::Dialog);
    os::Size screen = w.ScreenSize();
    os::Rect bounds{0, 0, 416 + frame.width, 320 + frame.height};
    bounds.left = (screen.width - bounds.width) / 2;
    bounds.top = (screen.height - bounds.height) / 2;
    form_ = &Make("ProbeForm", os::PeerKind::Form, "Backend Probe", bounds, nullptr);

    Control& group =
        Make("GroupOptions", os::PeerKind::GroupBox, "Options", {8, 8, 200, 96}, form_);
    feature_ =
        &Make("CheckFeature", os::PeerKind::CheckBox, "&Feature", {12, 20, 170, 17}, &group, true);
    radioOne_ =
        &Make("RadioOne", os::PeerKind::RadioButton, "One", {12, 44, 170, 17}, &group, true);
    radioTwo_ = &Make("RadioTwo", os::PeerKind::RadioButton, "Two", {12, 68, 170, 17}, &group);
    radioOne_->Peer().SetChecked(true);

    colour_ = &Make("ComboColour", os::PeerKind::ComboBox, "", {216, 8, 192, 21}, form_, true);
    Control& colour = *colour_;
    for (const char* item : {"Red", "Green", "Blue"})
        colour.Peer().ComboInsert(-1, item);
    colour.Peer().ComboSetItemIndex(0);
    size_ = &Make("ListSize", os::PeerKind::ComboList, "", {216, 40, 192, 21}, form_, true);
    Control& size = *size_;
    for (const char* item : {"Small", "Large"})
        size.Peer().ComboInsert(-1, item);
    size.Peer().ComboSetItemIndex(0);
    status_ = &Make("LabelStatus", os::PeerKind::Label, "Ready", {216, 72, 192, 13}, form_);
    Make("BtnFail", os::PeerKind::PushButton, "&Fail", {316, 86, 92, 22}, form_, true);
    log_ = &Make("LogView", os::PeerKind::RichEdit, "", {8, 112, 400, 150}, form_);

    Control& panel = Make("PanelButtons", os::PeerKind::Panel, "", {0, 268, 416, 52}, form_);
    allowClose_ = &Make("CheckAllowClose", os::PeerKind::CheckBox, "Allow closing", {8, 0, 150, 17},
                        &panel, true);
    Make("BtnMessage", os::PeerKind::PushButton, "&Message", {8, 22, 92, 25}, &panel, true);
    Make("BtnOpen", os::PeerKind::PushButton, "&Open...", {108, 22, 92, 25}, &panel, true);
    Make("BtnBrowse", os::PeerKind::PushButton, "&Browse...", {208, 22, 92, 25}, &panel, true);
    Make("BtnClose", os::PeerKind::PushButton, "Close", {316, 22, 92, 25}, &panel, true);

    // The tab order: the combo boxes before the options, set explicitly.
    colour.Peer().PlaceAfter(nullptr);
    size.Peer().PlaceAfter(&colour.Peer());
    group.Peer().PlaceAfter(&size.Peer());

    w.PostCall([this] { Log("posted call ran"); });
    form_->Peer().SetVisible(true);
    feature_->Peer().SetFocus();
}

void ProbeForm::Log(const std::string& line) {
    log_->Peer().RichAppendLine(line);
    status_->Peer().SetText(line);
}

void ProbeForm::Clicked(Control& control) {
    const std::string& name = control.Name();
    if (name == "CheckFeature" || name == "CheckAllowClose") {
        control.Peer().SetChecked(!control.Peer().Checked());
        Log("clicked " + name + ", checked " + (control.Peer().Checked() ? "1" : "0"));
    } else if (name == "RadioOne" || name == "RadioTwo") {
        radioOne_->Peer().SetChecked(&control == radioOne_);
        radioTwo_->Peer().SetChecked(&control == radioTwo_);
        Log("clicked " + name);
    } else if (name == "BtnMessage") {
        ShowMessage();
    } else if (name == "BtnOpen") {
        OpenFile();
    } else if (name == "BtnBrowse") {
        BrowseFolder();
    } else if (name == "BtnFail") {
        // Raised inside the window procedure; the message loop gets it.
        throw std::runtime_error("probe failure");
    } else if (name == "BtnClose") {
        Log("clicked BtnClose");
        CloseRequest();
    }
}

void ProbeForm::ComboCommand(Control& control, unsigned code) {
    os::Peer& peer = control.Peer();
    Log(control.Name() + ": " + ComboCodeName(code) + " index " +
        std::to_string(peer.ComboItemIndex()) + " text '" + peer.Text() + "'");
}

// F3: the program changes its controls through the peers, as the class
// library does when properties change; the scenario reads the result.
void ProbeForm::ChangeControls() {
    log_->Peer().RichClear();
    feature_->Peer().SetEnabled(false);  // it has the focus: the focus moves on
    radioTwo_->Peer().SetVisible(false);
    os::Peer& colour = colour_->Peer();
    colour.ComboDelete(2);
    colour.ComboInsert(0, "Cyan");
    colour.ComboSetItemIndex(0);
    colour.ComboSetDroppedDown(true);
    bool dropped = colour.ComboDroppedDown();
    colour.ComboSetDroppedDown(false);
    os::Peer& size = size_->Peer();
    size.ComboClear();
    size.ComboInsert(-1, "Only");
    size.ComboSetItemIndex(0);
    status_->Peer().SetBounds({216, 76, 150, 13});
    Log(std::string("changed, dropped ") + (dropped ? "1" : "0") + ", now " +
        (colour.ComboDroppedDown() ? "1" : "0"));
}

void ProbeForm::CloseRequest() {
    if (!allowClose_->Peer().Checked()) {
        Log("close refused");
        return;
    }
    Log("close granted");
    os::windowing().PostQuit();
}

void ProbeForm::ShowMessage() {
    int answer =
        os::windowing().ShowMessageBox(form_->Peer().Handle(), "Grüße aus der Probe. Schließen?",
                                       "Probe message", os::MB_OKCANCEL | os::MB_ICONQUESTION);
    Log("message box answer " + std::to_string(answer));
}

void ProbeForm::OpenFile() {
    os::FileDialogRequest request;
    request.owner = form_->Peer().Handle();
    request.title = "Probe open";
    request.filter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
    request.filterIndex = 2;
    request.initialDir = programDir_;
    request.options = kOpenExplorer | kOpenHideReadOnly;
    auto result = os::windowing().ShowFileDialog(request);
    if (!result) {
        Log("file dialog cancelled");
        return;
    }
    Log("file dialog chose " + result->fileName + " filter " + std::to_string(result->filterIndex));
}

// F5: the save dialog, which adds the default extension to a typed name.
void ProbeForm::SaveFile() {
    os::FileDialogRequest request;
    request.save = true;
    request.owner = form_->Peer().Handle();
    request.title = "Probe save";
    request.filter = "Text files (*.txt)|*.txt";
    request.initialDir = programDir_;
    request.fileName = "report";
    request.defaultExt = "txt";
    request.options = kOpenExplorer | kOpenHideReadOnly;
    auto result = os::windowing().ShowFileDialog(request);
    Log(result ? "save dialog chose " + result->fileName : std::string("save dialog cancelled"));
}

void ProbeForm::BrowseFolder() {
    os::Shell& shell = os::shell();
    std::string initial = os::files().WindowsDirectory();
    os::BrowseRequest request;
    request.owner = os::windowing().ApplicationWindow();
    request.root = shell.SpecialFolderLocation(request.owner, 0);
    request.title = "Pick a folder for the probe";
    request.flags = kBrowseReturnOnlyFileSystem | kBrowseStatusText;
    request.callback = [&](os::WindowHandle dialog, unsigned message, std::uintptr_t param) {
        os::Windowing& w = os::windowing();
        if (message == os::BFFM_INITIALIZED) {
            // Centred on the screen, as the browse dialog component does it.
            os::Rect r = w.WindowRect(dialog);
            os::Size screen = w.ScreenSize();
            w.MoveWindowTo(
                dialog,
                {(screen.width - r.width) / 2, (screen.height - r.height) / 2, r.width, r.height},
                false);
            w.SendText(dialog, os::WM_SETTEXT, 0, "Probe folder");
            w.SendText(dialog, os::BFFM_SETSTATUSTEXT, 0, "Status: Grüße");
            w.SendText(dialog, os::BFFM_SETSELECTION, 1, initial);
        } else if (message == os::BFFM_SELCHANGED) {
            Log("browse selection " + os::shell().PathFromIdList(param));
        }
        return 0;
    };
    auto result = shell.BrowseForFolder(request);
    shell.FreeIdList(request.root);
    if (!result) {
        Log("browse cancelled");
        return;
    }
    Log("browse chose " + shell.PathFromIdList(result->list) + " named " + result->displayName);
    shell.FreeIdList(result->list);
}

// Works the registry and the files through the seam; the scenario seeds what
// is read here and checks what is written.
void ProbeForm::CheckSystem() {
    os::Registry& reg = os::registry();
    const std::string key = "Software\\Ostrell\\Probe";
    os::KeyHandle seed = reg.OpenKey(os::RootKey::CurrentUser, key, false);
    if (seed == 0) {
        Log("registry: seed key missing");
    } else {
        auto text = reg.ReadString(seed, "Seed");
        auto number = reg.ReadDWord(seed, "Number");
        Log("registry read '" + text.value_or("(none)") + "'");
        Log("registry number " + (number ? std::to_string(*number) : std::string("(none)")));
        Log(std::string("registry number as text ") +
            (reg.ReadString(seed, "Number") ? "read" : "refused"));
        Log(std::string("registry missing value ") +
            (reg.GetValueType(seed, "Missing") == os::ValueType::None ? "none" : "found"));
        reg.CloseKey(seed);
        os::KeyHandle out = reg.OpenKey(os::RootKey::CurrentUser, key + "\\Written", true);
        bool wrote = out != 0 && reg.WriteString(out, "Text", text.value_or("") + " (written)") &&
                     reg.WriteDWord(out, "Count", 7);
        reg.CloseKey(out);
        Log(std::string("registry write ") + (wrote ? "ok" : "failed"));
    }
    // The machine's keys, as the setup program's detection reads them.
    os::KeyHandle delphi =
        reg.OpenKey(os::RootKey::LocalMachine, "Software\\Borland\\Delphi\\5.0", false);
    std::string app = delphi != 0 ? reg.ReadString(delphi, "App").value_or("(none)") : "(no key)";
    reg.CloseKey(delphi);
    Log("delphi 5 program " + app + ", exists " + (os::files().FileExists(app) ? "yes" : "no"));

    os::KeyHandle deep = reg.OpenKey(os::RootKey::CurrentUser, key + "\\Tree\\A\\B", true);
    reg.WriteString(deep, "Leaf", "x");
    reg.CloseKey(deep);
    bool deleted = reg.DeleteKey(os::RootKey::CurrentUser, key + "\\Tree") &&
                   !reg.KeyExists(os::RootKey::CurrentUser, key + "\\Tree");
    Log(std::string("registry delete tree ") + (deleted ? "ok" : "failed"));

    os::Files& files = os::files();
    const std::string source = programDir_ + "\\source.txt";
    const std::string out = programDir_ + "\\Out";
    Log("windows directory " + files.WindowsDirectory());
    Log(std::string("exclusive open ") + (files.OpenExclusive(source) ? "ok" : "failed"));
    bool copied = files.CreateDir(out) && files.CopyFileTo(source, out + "\\copy.txt", false);
    Log(std::string("copy ") + (copied ? "ok" : "failed " + std::to_string(files.LastError())));
    Log(std::string("copy again without overwrite ") +
        (files.CopyFileTo(source, out + "\\copy.txt", true)
             ? "ok"
             : "failed " + std::to_string(files.LastError())));
    auto contents = files.ReadWholeFile(out + "\\copy.txt");
    Log("read " + std::to_string(contents ? contents->size() : 0) + " bytes");
    files.WriteWholeFile(out + "\\written.txt", "Grüße\r\n");
    files.SetAttributes(out + "\\copy.txt", os::faReadOnly);
    auto attributes = files.GetAttributes(out + "\\copy.txt");
    Log(std::string("read-only attribute ") +
        (attributes && (*attributes & os::faReadOnly) != 0 ? "set" : "missing"));
    Log(std::string("delete read-only ") + (files.DeleteFileAt(out + "\\copy.txt")
                                                ? "ok"
                                                : "failed " + std::to_string(files.LastError())));
    Log(std::string("remove full folder ") +
        (files.RemoveDir(out) ? "ok" : "failed " + std::to_string(files.LastError())));
    files.SetAttributes(out + "\\copy.txt", os::faNormal);
    Log(std::string("delete ") + (files.DeleteFileAt(out + "\\copy.txt") ? "ok" : "failed"));
    Log(std::string("folder exists ") + (files.DirectoryExists(out) ? "yes" : "no") +
        ", file exists " + (files.FileExists(out + "\\written.txt") ? "yes" : "no"));
}

}  // namespace

int main() {
    win32::Backend backend;
    os::InstallBackend(&backend);
    int code = 0;
    {
        ProbeForm form;
        form.CheckSystem();
        os::Windowing& w = os::windowing();
        for (;;) {
            try {
                if (w.HandleMessage() == os::LoopTurn::Quit)
                    break;
            } catch (const std::exception& error) {
                form.Log(std::string("error: ") + error.what());
            }
        }
    }
    os::InstallBackend(nullptr);
    return code;
}
