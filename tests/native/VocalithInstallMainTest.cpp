// The installer window: detection of the targets at start-up, the message
// catalogue and language switching, closing, and the option rules.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "installer/VocalithInstall.h"
#include "installer/VocalithInstallMain.h"
#include "platform/controls/Application.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioButton.h"
#include "platform/core/StrUtils.h"
#include "platform/sim/Machine.h"
#include "platform/sim/UserInput.h"
#include "runtime/ButtonPanel.h"
#include "runtime/Helpers.h"
#include "runtime/Vocalith.h"
#include "runtime/VocalithComboBox.h"

namespace {

constexpr os::RootKey HKLM = os::RootKey::LocalMachine;
const std::string kDist = "C:\\Dist";
const char kD3Package[] = "OstrellVocalith30Design.dpl";
const char kD4Package[] = "OstrellVocalith40Design.bpl";
const char kD5Package[] = "OstrellVocalith50Design.bpl";
const char kD3Key[] = "Software\\Borland\\Delphi\\3.0";
const char kD4Key[] = "Software\\Borland\\Delphi\\4.0";
const char kD5Key[] = "Software\\Borland\\Delphi\\5.0";
const char kD5Exe[] = "C:\\Programme\\Borland\\Delphi 5\\Bin\\delphi32.exe";
const char kD5Bin[] = "C:\\Programme\\Borland\\Delphi 5\\Bin";

class InstallerTest : public ::testing::Test {
  protected:
    InstallerTest() {
        RegisterSetupClasses();
        machine.Files().SetProgramPath(kDist + "\\Install.exe");
        machine.Files().AddFile(kDist + "\\Install.exe", "program");
    }

    void AddPackage(const std::string& name) {
        machine.Files().AddFile(kDist + "\\" + name, "bpl");
    }
    void InstallDelphi3(const std::string& exe) {
        machine.Registry().SetString(HKLM, kD3Key, "Delphi 3", exe);
    }
    void InstallDelphi4(const std::string& exe) {
        machine.Registry().SetString(HKLM, kD4Key, "Delphi 4", exe);
    }
    void InstallDelphi5(const std::string& exe) {
        machine.Registry().SetString(HKLM, kD5Key, "App", exe);
    }

    // Runs the program entry until its message loop has nothing left to do.
    void Start() {
        app.emplace();
        VocalithInstall();
        form = dynamic_cast<TVocalithInstallForm*>(Application->MainForm());
        ASSERT_NE(form, nullptr);
    }
    // Ends the program as the end of the process would: the window is destroyed.
    void Stop() {
        form = nullptr;
        app.reset();
    }

    const std::vector<sim::ShownMessageBox>& Boxes() { return machine.Windowing().MessageBoxes(); }

    struct BoxState {
        std::string caption;
        bool checked;
        bool enabled;
    };
    static BoxState StateOf(const TCheckBox* box) {
        return {box->Caption(), box->Checked(), box->Enabled()};
    }

    sim::Machine machine;
    os::ScopedBackend use{machine};
    sim::UserInput user;
    std::optional<ScopedApplication> app;
    TVocalithInstallForm* form = nullptr;
};

void ExpectBox(const TCheckBox* box, const std::string& caption, bool checked, bool enabled) {
    SCOPED_TRACE(box->Name());
    EXPECT_EQ(box->Caption(), caption);
    EXPECT_EQ(box->Checked(), checked);
    EXPECT_EQ(box->Enabled(), enabled);
}

// ---- the window as described ------------------------------------------------------

TEST_F(InstallerTest, WindowHasTheDescribedLayout) {
    AddPackage(kD5Package);
    Start();
    EXPECT_EQ(Application->Title(), "Setup");
    EXPECT_EQ(form->Caption(), "Ostrell Vocalith - Installation");
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(form->ClientWidth(), 505);
    EXPECT_EQ(form->ClientHeight(), 368);
    EXPECT_EQ(form->Font()->Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font()->Height(), -11);

    struct Row {
        const TControl* control;
        const TControl* parent;
        os::Rect bounds;
        const char* caption;
    };
    const Row rows[] = {
        {form->ButtonPanel, form, {0, 328, 505, 40}, nullptr},
        {form->PanelMain, form, {0, 0, 505, 328}, nullptr},
        {form->GroupMode, form->PanelMain, {8, 8, 217, 73}, "Installation/uninstallation"},
        {form->BtnInstall, form->GroupMode, {16, 24, 185, 17}, "Install"},
        {form->BtnUninstall, form->GroupMode, {16, 48, 185, 17}, "Uninstall"},
        {form->LabelLang, form->PanelMain, {352, 8, 51, 13}, "Language:"},
        {form->LangComboBox, form->PanelMain, {352, 24, 145, 21}, nullptr},
        {form->GroupFolder, form->PanelMain, {8, 96, 489, 81}, "Installation folder"},
        {form->BtnFolder, form->GroupFolder, {16, 24, 113, 17}, "Enabled"},
        {form->GroupDir, form->PanelMain, {8, 192, 273, 121}, "Package locations"},
        {form->BtnWindows, form->GroupDir, {16, 24, 241, 17}, nullptr},
        {form->BtnD3Dir, form->GroupDir, {16, 48, 241, 17}, "...\\Delphi 3\\Bin"},
        {form->BtnD4Dir, form->GroupDir, {16, 72, 241, 17}, "...\\Delphi 4\\Bin"},
        {form->BtnD5Dir, form->GroupDir, {16, 96, 241, 17}, nullptr},
        {form->GroupReg, form->PanelMain, {296, 216, 201, 97}, "Register packages to"},
        {form->BtnD3, form->GroupReg, {16, 24, 169, 17}, "Delphi 3"},
        {form->BtnD4, form->GroupReg, {16, 48, 169, 17}, "Delphi 4"},
        {form->BtnD5, form->GroupReg, {16, 72, 169, 17}, "Delphi 5"},
    };
    for (const Row& row : rows) {
        ASSERT_NE(row.control, nullptr);
        SCOPED_TRACE(row.control->Name());
        EXPECT_EQ(row.control->Parent(), row.parent);
        EXPECT_EQ((os::Rect{row.control->Left(), row.control->Top(), row.control->Width(),
                            row.control->Height()}),
                  row.bounds);
        if (row.caption != nullptr) {
            EXPECT_EQ(row.control->Caption(), row.caption);
        }
    }

    ASSERT_EQ(form->ButtonPanel->Buttons()->Count(), 2);
    TBitBtn* next = form->ButtonPanel->Buttons()->GetItem(0)->Button();
    TBitBtn* close = form->ButtonPanel->Buttons()->GetItem(1)->Button();
    EXPECT_EQ(next->Caption(), "&Continue");
    EXPECT_EQ(close->Caption(), "Close");
    // Right-aligned, 128 x 32, 8 apart and 8 from the edge.
    EXPECT_EQ((os::Rect{next->Left(), next->Top(), next->Width(), next->Height()}),
              (os::Rect{233, 4, 128, 32}));
    EXPECT_EQ((os::Rect{close->Left(), close->Top(), close->Width(), close->Height()}),
              (os::Rect{369, 4, 128, 32}));
    EXPECT_TRUE(next->Enabled() && next->Visible() && close->Enabled());

    ASSERT_EQ(form->LangComboBox->Items()->Count(), 2);
    EXPECT_EQ(form->LangComboBox->Items()->Get(0), "English");
    EXPECT_EQ(form->LangComboBox->Items()->Get(1), "Deutsch");
    EXPECT_EQ(form->LangComboBox->ItemIndex(), 0);
    EXPECT_TRUE(form->BtnInstall->Checked());
    EXPECT_FALSE(form->BtnUninstall->Checked());
    EXPECT_TRUE(form->BtnFolder->Checked());
    EXPECT_TRUE(form->GroupReg->Enabled());
    // Centred on the 1024 x 768 screen.
    EXPECT_EQ(form->Left(), (1024 - form->Width()) / 2);
    EXPECT_EQ(form->Top(), (768 - form->Height()) / 2);
}

// ---- detection --------------------------------------------------------------------

TEST_F(InstallerTest, NoDesignTimePackageEndsWithTheNoFilesBox) {
    InstallDelphi5(kD5Exe);
    Start();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "No files to install found.");
    EXPECT_EQ(Boxes()[0].caption, "Setup");
    EXPECT_EQ(Boxes()[0].flags & 0xF0, os::MB_ICONERROR);
    EXPECT_FALSE(form->Ready());
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(Application->Terminated());
    // Nothing was filled and no registry object made.
    EXPECT_EQ(form->Registry(), nullptr);
    ExpectBox(form->BtnD5Dir, "...\\Delphi 5\\Bin", false, false);
    EXPECT_EQ(form->BtnWindows->Caption(), "C:\\Windows");
    Stop();
    EXPECT_EQ(machine.Registry().OpenHandles(), 0u);
}

TEST_F(InstallerTest, Delphi5OnlyReadsOnlyItsKeyAndShortensALongBinPath) {
    const std::string exe =
        "C:\\Program Files\\Borland Software\\Delphi 5 Enterprise\\Bin\\delphi32.exe";
    const std::string bin = "C:\\Program Files\\Borland Software\\Delphi 5 Enterprise\\Bin";
    AddPackage(kD5Package);
    InstallDelphi3("C:\\D3\\Bin\\delphi32.exe");
    InstallDelphi4("C:\\D4\\Bin\\delphi32.exe");
    InstallDelphi5(exe);
    std::vector<std::string> opened;
    machine.Registry().onOpenKey = [&](os::RootKey, std::string_view path) {
        opened.emplace_back(path);
    };
    Start();

    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(form->Ready());
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(opened, std::vector<std::string>{kD5Key});

    ASSERT_GT(bin.size(), 35u);
    EXPECT_EQ(form->BtnD5Dir->Hint(), bin);
    EXPECT_EQ(form->BtnD5Dir->Caption(), ShortPath(bin, 35));
    EXPECT_LE(Utf8CharCount(form->BtnD5Dir->Caption()), 35u);
    EXPECT_TRUE(form->BtnD5Dir->Checked());
    EXPECT_TRUE(form->BtnD5Dir->Enabled());
    ExpectBox(form->BtnD5, "Delphi 5", true, true);
    ExpectBox(form->BtnD3Dir, "...\\Delphi 3\\Bin", false, false);
    ExpectBox(form->BtnD4Dir, "...\\Delphi 4\\Bin", false, false);
    ExpectBox(form->BtnD3, "Delphi 3", false, false);
    ExpectBox(form->BtnD4, "Delphi 4", false, false);

    EXPECT_EQ(form->BtnWindows->Hint(), "C:\\WINDOWS");
    ExpectBox(form->BtnWindows, "C:\\WINDOWS (Runtime packages only)", true, true);
}

TEST_F(InstallerTest, AllThreeVersionsAreDetected) {
    AddPackage(kD3Package);
    AddPackage(kD4Package);
    AddPackage(kD5Package);
    InstallDelphi3("C:\\Borland\\Delphi 3\\Bin\\delphi32.exe");
    InstallDelphi4("C:\\Borland\\Delphi4\\Bin\\delphi32.exe");
    InstallDelphi5(kD5Exe);
    Start();
    ExpectBox(form->BtnD3Dir, "C:\\Borland\\Delphi 3\\Bin", true, true);
    ExpectBox(form->BtnD4Dir, "C:\\Borland\\Delphi4\\Bin", true, true);
    ExpectBox(form->BtnD5Dir, kD5Bin, true, true);
    EXPECT_EQ(form->BtnD3Dir->Hint(), "C:\\Borland\\Delphi 3\\Bin");
    ExpectBox(form->BtnD3, "Delphi 3", true, true);
    ExpectBox(form->BtnD4, "Delphi 4", true, true);
    ExpectBox(form->BtnD5, "Delphi 5", true, true);
}

// A Delphi 4 row in the states that leave it off (the package is there).
TEST_F(InstallerTest, UnusableDelphiEntriesLeaveTheirRowsOff) {
    struct Case {
        const char* what;
        std::function<void(sim::SimRegistry&)> seed;
        bool package;
    };
    const Case cases[] = {
        {"package missing",
         [](sim::SimRegistry& r) { r.SetString(HKLM, kD4Key, "Delphi 4", "C:\\D4\\Bin\\d.exe"); },
         false},
        {"key missing", [](sim::SimRegistry&) {}, true},
        {"value missing", [](sim::SimRegistry& r) { r.CreateKey(HKLM, kD4Key); }, true},
        {"value not a text", [](sim::SimRegistry& r) { r.SetDWord(HKLM, kD4Key, "Delphi 4", 4); },
         true},
        {"value names no folder",
         [](sim::SimRegistry& r) { r.SetString(HKLM, kD4Key, "Delphi 4", "delphi32.exe"); }, true},
        {"value empty", [](sim::SimRegistry& r) { r.SetString(HKLM, kD4Key, "Delphi 4", ""); },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Machine m;
        os::ScopedBackend useThis(m);
        m.Files().SetProgramPath(kDist + "\\Install.exe");
        m.Files().AddFile(kDist + "\\" + kD5Package, "bpl");
        if (c.package)
            m.Files().AddFile(kDist + "\\" + kD4Package, "bpl");
        c.seed(m.Registry());
        {
            ScopedApplication application;
            VocalithInstall();
            auto* f = dynamic_cast<TVocalithInstallForm*>(Application->MainForm());
            ASSERT_NE(f, nullptr);
            EXPECT_TRUE(f->Ready());
            ExpectBox(f->BtnD4Dir, "...\\Delphi 4\\Bin", false, false);
            EXPECT_TRUE(f->BtnD4Dir->Hint().empty());
            ExpectBox(f->BtnD4, "Delphi 4", false, false);
            EXPECT_TRUE(m.Windowing().MessageBoxes().empty());
        }
        EXPECT_EQ(m.Registry().OpenHandles(), 0u);
    }
}

TEST_F(InstallerTest, ABinFolderAtADriveRootKeepsItsBackslash) {
    // The folder of the IDE's program file loses its trailing backslash, but
    // a drive's root keeps it: "D:" alone would mean the drive's current folder.
    AddPackage(kD5Package);
    InstallDelphi5("D:\\delphi32.exe");
    Start();
    EXPECT_EQ(form->BtnD5Dir->Hint(), "D:\\");
    EXPECT_TRUE(form->BtnD5Dir->Checked());
}

TEST_F(InstallerTest, AnErrorDuringDetectionShowsTheUnknownErrorBoxAndEnds) {
    AddPackage(kD5Package);
    InstallDelphi5(kD5Exe);
    machine.Registry().onOpenKey = [](os::RootKey, std::string_view) {
        throw std::runtime_error("registry unavailable");
    };
    Start();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "An unknown installation error has occured.");
    EXPECT_EQ(Boxes()[0].flags & 0xF0, os::MB_ICONERROR);
    EXPECT_FALSE(form->Ready());
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(Application->Terminated());
    machine.Registry().onOpenKey = nullptr;
    Stop();
    EXPECT_EQ(machine.Registry().OpenHandles(), 0u);
}

// ---- languages --------------------------------------------------------------------

TEST_F(InstallerTest, SwitchingLanguagesRetextsTheWindowAndRebuildsTheWindowsCaption) {
    AddPackage(kD5Package);
    InstallDelphi5(kD5Exe);
    Start();
    TCustomComboBox* lang = form->LangComboBox;

    ASSERT_TRUE(user.Pick(lang, 1));
    EXPECT_EQ(form->Vocalith->Language(), "Deutsch");
    struct Text {
        const TControl* control;
        const char* german;
    };
    const Text texts[] = {
        {form->LabelLang, "Sprache:"},
        {form->GroupReg, "Packages registrieren für"},
        {form->GroupDir, "Package-Verzeichnisse"},
        {form->GroupMode, "Installation/Deinstallation"},
        {form->BtnInstall, "Installieren"},
        {form->BtnUninstall, "Deinstallieren"},
        {form->GroupFolder, "Installationsverzeichnis"},
        {form->BtnFolder, "Aktivieren"},
        {form, "Ostrell Vocalith - Installation"},
        {form->ButtonPanel->Buttons()->GetItem(0)->Button(), "&Weiter"},
        {form->ButtonPanel->Buttons()->GetItem(1)->Button(), "Schließen"},
        {form->BtnWindows, "C:\\WINDOWS (nur Laufzeit-Packages)"},
        {form->BtnD5Dir, kD5Bin},
        {form->BtnD5, "Delphi 5"},
    };
    for (const Text& t : texts)
        EXPECT_EQ(t.control->Caption(), t.german) << t.control->Name();

    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(user.Pick(lang, 0));
        ASSERT_TRUE(user.Pick(lang, 1));
    }
    EXPECT_EQ(form->BtnWindows->Caption(), "C:\\WINDOWS (nur Laufzeit-Packages)");
    ASSERT_TRUE(user.Pick(lang, 0));
    EXPECT_EQ(form->BtnWindows->Caption(), "C:\\WINDOWS (Runtime packages only)");
    EXPECT_EQ(form->LabelLang->Caption(), "Language:");
    EXPECT_EQ(form->ButtonPanel->Buttons()->GetItem(1)->Button()->Caption(), "Close");
    EXPECT_EQ(form->Caption(), "Ostrell Vocalith - Installation");
}

TEST_F(InstallerTest, TheCatalogueHasEveryKeyInBothLanguages) {
    AddPackage(kD5Package);
    Start();
    struct Entry {
        const char* key;
        const char* english;
        const char* german;
    };
    const Entry entries[] = {
        {"RTOnly", "(Runtime packages only)", "(nur Laufzeit-Packages)"},
        {"DirAlreadyExists", "Directory '%s' already exists.",
         "Verzeichnis '%s' existiert bereits."},
        {"DirCreated", "Directory '%s' created.", "Verzeichnis '%s' erstellt."},
        {"EDirCreate", "Error: Directory '%s' could not be created.",
         "Fehler: Verzeichnis '%s' konnte nicht erstellt werden."},
        {"EDirNotFound", "Error: Directory '%s' not found.",
         "Fehler: Verzeichnis '%s' nicht gefunden."},
        {"EDirDelete", "Error: Directory '%s' could not be deleted.",
         "Fehler: Verzeichnis '%s' konnte nicht gelöscht werden."},
        {"DirDeleted", "Directory '%s' deleted.", "Verzeichnis '%s' gelöscht."},
        {"FileCopied", "File '%s' copied to '%s'.", "Datei '%s' nach '%s' kopiert."},
        {"EFileCopy", "Error: File '%s' could not be copied to '%s'.",
         "Fehler: Datei '%s' konnte nicht nach '%s' kopiert werden."},
        {"FileDeleted", "File '%s' deleted.", "Datei '%s' gelöscht."},
        {"EFileDelete", "Error: File '%s' could not be deleted.",
         "Fehler: Datei '%s' konnte nicht gelöscht werden."},
        {"UninstStatus", "Status of uninstallation:", "Status der Deinstallation:"},
        {"InstStatus", "Status of installation:", "Status der Installation:"},
        {"Finished", "Finished.", "Abgeschlossen."},
        {"EPackageRegister", "Package '%s' could not be registered to Delphi.",
         "Package '%s' konnte nicht bei Delphi registriert werden."},
        {"PackageRegistered", "Package '%s' registered to Delphi.",
         "Package '%s' bei Delphi registriert."},
        {"EUnknownError", "An unknown installation error has occured.",
         "Ein unbekannter Installationsfehler ist aufgetreten."},
        {"NoFiles", "No files to install found.", "Keine Dateien zum Installieren gefunden."},
        {"InstallationCompleted", "Installation completed.", "Installation abgeschlossen."},
        {"DeinstallationCompleted", "Deinstallation completed.", "Deinstallation abgeschlossen."},
    };
    TVocalith& v = *form->Vocalith;
    ASSERT_EQ(v.Resources()->Count(), static_cast<int>(std::size(entries)));
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        auto* r = static_cast<TVocalithResource*>(v.Resources()->Items(static_cast<int>(i)));
        EXPECT_EQ(r->Key(), entries[i].key) << "index " << i;
    }
    for (const Entry& e : entries)
        EXPECT_EQ(v.GetString(e.key), e.english) << e.key;
    v.SetLanguage("Deutsch");
    for (const Entry& e : entries)
        EXPECT_EQ(v.GetString(e.key), e.german) << e.key;
}

// ---- closing ----------------------------------------------------------------------

TEST_F(InstallerTest, CloseEndsTheProgramAndFreesTheRegistryObject) {
    AddPackage(kD5Package);
    InstallDelphi5(kD5Exe);
    Start();
    ASSERT_NE(form->Registry(), nullptr);
    ASSERT_TRUE(user.Click(form->ButtonPanel->Buttons()->GetItem(1)->Button()));
    EXPECT_TRUE(Application->Terminated());
    Stop();
    EXPECT_EQ(machine.Registry().OpenHandles(), 0u);
}

TEST_F(InstallerTest, ACloseRequestIsRefusedWhileTheWindowIsDisabled) {
    AddPackage(kD5Package);
    Start();
    bool answer = true;
    form->SetEnabled(false);
    form->FormCloseQuery(form, answer);
    EXPECT_FALSE(answer);
    form->Close();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(form->Visible());

    form->SetEnabled(true);
    ASSERT_TRUE(user.RequestClose(form));
    EXPECT_TRUE(Application->Terminated());
}

// ---- option rules -----------------------------------------------------------------

class OptionRulesTest : public InstallerTest {
  protected:
    void SetUp() override {
        AddPackage(kD3Package);
        AddPackage(kD5Package);
        InstallDelphi3("C:\\D3\\Bin\\delphi32.exe");
        InstallDelphi5(kD5Exe);
        Start();
    }
    bool ContinueEnabled() const {
        return form->ButtonPanel->Buttons()->GetItem(0)->Button()->Enabled();
    }
};

TEST_F(OptionRulesTest, UninstallModeDisablesRegistrationAndInstallRestoresIt) {
    ASSERT_TRUE(user.Click(form->BtnD3));  // the user unchecks Delphi 3's registration
    EXPECT_FALSE(form->BtnD3->Checked());

    ASSERT_TRUE(user.Click(form->BtnUninstall));
    EXPECT_FALSE(form->BtnInstall->Checked());
    EXPECT_FALSE(form->GroupReg->Enabled());
    ExpectBox(form->BtnD3, "Delphi 3", false, false);
    ExpectBox(form->BtnD5, "Delphi 5", false, false);
    EXPECT_EQ(form->BtnD5->Tag(), 1);
    EXPECT_EQ(form->BtnD3->Tag(), 0);

    // Unchecking and re-checking a Bin folder in uninstall mode changes nothing.
    ASSERT_TRUE(user.Click(form->BtnD5Dir));
    ASSERT_TRUE(user.Click(form->BtnD5Dir));
    ExpectBox(form->BtnD5, "Delphi 5", false, false);

    ASSERT_TRUE(user.Click(form->BtnInstall));
    EXPECT_TRUE(form->GroupReg->Enabled());
    ExpectBox(form->BtnD5, "Delphi 5", true, true);
    ExpectBox(form->BtnD3, "Delphi 3", false, true);
    // Delphi 4 was never detected: its registration box stays off.
    ExpectBox(form->BtnD4, "Delphi 4", false, false);
}

TEST_F(OptionRulesTest, ABinFolderBoxCarriesItsRegistrationBox) {
    ASSERT_TRUE(user.Click(form->BtnD5Dir));
    ExpectBox(form->BtnD5, "Delphi 5", false, false);
    ASSERT_TRUE(user.Click(form->BtnD5Dir));
    ExpectBox(form->BtnD5, "Delphi 5", true, true);
}

TEST_F(OptionRulesTest, ContinueNeedsATarget) {
    EXPECT_TRUE(ContinueEnabled());
    for (TCheckBox* box : {form->BtnFolder, form->BtnWindows, form->BtnD3Dir, form->BtnD5Dir}) {
        ASSERT_TRUE(user.Click(box));
    }
    EXPECT_FALSE(ContinueEnabled());
    ASSERT_TRUE(user.Click(form->BtnWindows));
    EXPECT_TRUE(ContinueEnabled());
    // The registration boxes do not count.
    ASSERT_TRUE(user.Click(form->BtnWindows));
    EXPECT_FALSE(ContinueEnabled());
}

}  // namespace
