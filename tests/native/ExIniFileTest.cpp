#include "runtime/ExIniFile.h"

#include <gtest/gtest.h>

#include "platform/sim/Machine.h"

namespace {

const char* kFile = "C:\\Setup\\Install.cfg";
const char* kPath = "Software\\Ostrell GbR\\Formaxis";

// Texts that a naive INI file would mangle.
const std::vector<std::string>& AwkwardValues() {
    static const std::vector<std::string> values = {
        "",
        "plain",
        "C:\\Tools;C:\\Ostrell;",  // ';' without a blank before it stays bare
        "  leading and trailing  ",
        "\tTabbed",
        "a ; b",
        "; starts like a comment",
        "\"quoted\" text",
        "x = y = z",
        "100%",
        "%41 is not an escape",
        "line one\r\nline two",
        "Schließen, Übersicht, ça, 日本",
        "\"",
        " ",
        "ends with semicolon ;",
    };
    return values;
}

class ExIniFileTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    os::ScopedBackend use{machine};

    void SetUp() override { machine.Files().AddDir("C:\\Setup"); }
    std::string FileText() { return machine.Files().Contents(kFile).value_or("<none>"); }
    std::unique_ptr<TExIniFile> File() { return TExIniFile::Create(kFile); }
    std::unique_ptr<TExIniFile> Registry(bool forWriting) {
        return TExIniFile::CreateInRegistry(TRegistryKey::rkCurrentUser, kPath, forWriting);
    }
};

TEST_F(ExIniFileTest, FileModeRoundTripsAwkwardValuesWithAndWithoutHints) {
    for (bool hints : {false, true}) {
        SCOPED_TRACE(hints ? "hints on" : "hints off");
        machine.Files().Remove(kFile);
        {
            auto ini = File();
            ini->SetHintsEnabled(hints);
            const auto& values = AwkwardValues();
            for (std::size_t i = 0; i < values.size(); ++i) {
                ini->WriteStringEx("Values", "V" + std::to_string(i), values[i], "a ; hint");
            }
        }
        auto ini = File();
        const auto& values = AwkwardValues();
        for (std::size_t i = 0; i < values.size(); ++i) {
            SCOPED_TRACE(values[i]);
            EXPECT_EQ(ini->ReadString("values", "v" + std::to_string(i), "<default>"), values[i]);
        }
    }
}

TEST_F(ExIniFileTest, FileLayoutWithHintColumnAndQuoting) {
    {
        auto ini = File();
        ini->SetHintPosition(30);
        ini->WriteStringEx("TVocalithInstallForm", "FolderSelect.History", "C:\\Tools;C:\\Ost;",
                           "string");
        ini->WriteStringEx("TVocalithInstallForm", "Mode", "cmFile", "(cmFile, cmRegistry)");
        ini->WriteString("Global", "Vocalith.Language", "  Deutsch ");
        // A value that reaches the column: one blank before the hint.
        ini->WriteStringEx("Global", "Long", "0123456789012345678901234567890123", "Integer");
        ini->WriteStringEx("Global", "NoHint", "x", "");
        ini->WriteStringEx("Global", "Control", "y", "multi\nline");
    }
    // Column 30: the ';' is the 31st character of its line.
    EXPECT_EQ(FileText(),
              "[TVocalithInstallForm]\r\n"
              "FolderSelect.History=C:\\Tools;C:\\Ost; ; string\r\n"
              "Mode=cmFile" +
                  std::string(19, ' ') +
                  "; (cmFile, cmRegistry)\r\n"
                  "\r\n"
                  "[Global]\r\n"
                  "Vocalith.Language=\"  Deutsch \"\r\n"
                  "Long=0123456789012345678901234567890123 ; Integer\r\n"
                  "NoHint=x\r\n"
                  "Control=y" +
                  std::string(21, ' ') + "; multi line\r\n");
}

TEST_F(ExIniFileTest, HintColumnCountsCharactersNotBytes) {
    {
        auto ini = File();
        ini->SetHintPosition(12);
        ini->WriteStringEx("S", "Ä", "ü", "hint");
    }
    EXPECT_EQ(FileText(), "[S]\r\nÄ=ü" + std::string(9, ' ') + "; hint\r\n");
}

TEST_F(ExIniFileTest, ReadingFollowsTheFileRules) {
    machine.Files().AddFile(kFile,
                            "\xEF\xBB\xBF"
                            "; a comment\n"
                            "Orphan=before any section\n"
                            "[ Main ]\r\n"
                            "  Spaced  =  value with blanks   ; comment\r\n"
                            "Semi=a;b ;c\r"
                            "Quoted=\"  kept \"\" \" ; comment\n"
                            "Open=\"unterminated\n"
                            "Empty=\n"
                            "Dup=first\n"
                            "Dup=second\n"
                            "# hash comment\n"
                            "garbage line\n"
                            "[main]\n"
                            "Later=in a second block\n");
    auto ini = File();
    struct Case {
        const char* section;
        const char* ident;
        const char* expected;
    };
    const Case cases[] = {
        {"Main", "spaced", "value with blanks"},
        {"MAIN", "Semi", "a;b"},
        {"Main", "Quoted", "  kept \" "},
        {"Main", "Open", "\"unterminated"},
        {"Main", "Empty", ""},
        {"Main", "Dup", "first"},
        {"main", "Later", "in a second block"},
        {"Main", "Orphan", "<default>"},
        {"", "Orphan", "<default>"},
        {"Main", "Missing", "<default>"},
        {"Nowhere", "Spaced", "<default>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.ident);
        EXPECT_EQ(ini->ReadString(c.section, c.ident, "<default>"), c.expected);
    }
    EXPECT_TRUE(ini->ValueExists("main", "EMPTY"));
    EXPECT_FALSE(ini->ValueExists("Main", "Orphan"));
}

TEST_F(ExIniFileTest, KeepCommentsKeepsForeignLinesAndUntouchedValues) {
    const std::string original =
        "; Settings of the tool\r\n"
        "[Main]\r\n"
        "Keep=  odd   spacing   ; their note\r\n"
        "Change=old\r\n"
        "\r\n"
        "; second section\r\n"
        "[Other]\r\n"
        "X=1\r\n";
    machine.Files().AddFile(kFile, original);
    {
        auto ini = File();
        ini->SetKeepComments(true);
        ini->WriteString("Main", "CHANGE", "new");
        ini->WriteString("Main", "Added", "2");
        ini->WriteString("Third", "Y", "3");
    }
    EXPECT_EQ(FileText(),
              "; Settings of the tool\r\n"
              "[Main]\r\n"
              "Keep=  odd   spacing   ; their note\r\n"
              "Change=new\r\n"
              "Added=2\r\n"
              "\r\n"
              "; second section\r\n"
              "[Other]\r\n"
              "X=1\r\n"
              "\r\n"
              "[Third]\r\n"
              "Y=3\r\n");

    // Off: the file is rewritten from its values alone.
    machine.Files().AddFile(kFile, original);
    {
        auto ini = File();
        ini->WriteStringEx("Other", "X", "9", "Integer");
    }
    EXPECT_EQ(FileText(),
              "[Main]\r\n"
              "Keep=odd   spacing\r\n"
              "Change=old\r\n"
              "\r\n"
              "[Other]\r\n"
              "X=9" +
                  std::string(46, ' ') + "; Integer\r\n");
}

TEST_F(ExIniFileTest, TheFileIsWrittenOnlyWhenSomethingChanged) {
    machine.Files().AddFile(kFile, "[S]\nA=1\n");
    {
        auto ini = File();
        ini->SetKeepComments(true);
        EXPECT_EQ(ini->ReadString("S", "A", ""), "1");
        ini->WriteString("S", "A", "1");  // the same line again
        EXPECT_FALSE(ini->Modified());
    }
    EXPECT_EQ(FileText(), "[S]\nA=1\n");  // untouched, even its line ends
    { auto none = TExIniFile::Create("C:\\Setup\\Other.cfg"); }
    EXPECT_FALSE(machine.Files().Exists("C:\\Setup\\Other.cfg"));
}

TEST_F(ExIniFileTest, DeleteKeyAndEraseSectionInAFile) {
    machine.Files().AddFile(kFile, "[A]\nX=1\nY=2\nX=3\n[B]\nZ=4\n[a]\nW=5\n");
    {
        auto ini = File();
        ini->SetKeepComments(true);
        ini->DeleteKey("A", "x");
        EXPECT_FALSE(ini->ValueExists("A", "X"));  // the duplicate went too
        ini->DeleteKey("A", "Missing");
        ini->EraseSection("B");
        ini->EraseSection("Missing");
        EXPECT_EQ(ini->ReadString("B", "Z", "gone"), "gone");
    }
    EXPECT_EQ(FileText(), "[A]\r\nY=2\r\n[a]\r\nW=5\r\n");
}

TEST_F(ExIniFileTest, InvalidNamesAreRefusedInFileMode) {
    auto ini = File();
    for (const char* section : {"a]b", " lead", "trail ", "line\nbreak"}) {
        SCOPED_TRACE(section);
        EXPECT_THROW(ini->WriteString(section, "X", "1"), EIniFileError);
    }
    for (const char* ident : {"a=b", "[x", ";x", "#x", " x", "x\t"}) {
        SCOPED_TRACE(ident);
        EXPECT_THROW(ini->WriteString("S", ident, "1"), EIniFileError);
    }
    EXPECT_FALSE(ini->Modified());
}

TEST_F(ExIniFileTest, ALockedOrReadOnlyFileFailsLoudly) {
    machine.Files().AddFile(kFile, "[S]\r\nA=1\r\n");
    machine.Files().Lock(kFile);
    // Reading a file that exists but cannot be opened raises.
    EXPECT_THROW(File(), EIniFileError);

    machine.Files().Unlock(kFile);
    auto ini = File();
    ini->WriteString("S", "A", "2");
    machine.Files().Lock(kFile);
    try {
        ini->Commit();
        FAIL() << "Commit succeeded on a locked file";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Message(), std::string("Cannot write file ") + kFile + " (error 32)");
    }
    EXPECT_TRUE(ini->Modified());
    // The changes stay pending: once the file is free, a commit writes them.
    machine.Files().Unlock(kFile);
    ini->Commit();
    EXPECT_FALSE(ini->Modified());
    EXPECT_EQ(FileText(), "[S]\r\nA=2\r\n");

    machine.Files().SetAttributes(kFile, os::faReadOnly);
    ini->WriteString("S", "A", "3");
    EXPECT_THROW(ini->Commit(), EIniFileError);
    // The destructor swallows the failure (it cannot raise); the file stays.
    ini.reset();
    EXPECT_EQ(FileText(), "[S]\r\nA=2\r\n");
}

TEST_F(ExIniFileTest, RegistryLayoutIsOneSubkeyPerSection) {
    {
        auto ini = Registry(true);
        ini->WriteStringEx("Global", "Vocalith.Language", "Deutsch", "string");
        ini->WriteString("TVocalithInstallForm", "FolderSelect.History", "C:\\A;C:\\B;");
        ini->WriteString("", "AtTheKey", "top");
    }
    sim::SimRegistry& reg = machine.Registry();
    const auto root = os::RootKey::CurrentUser;
    EXPECT_EQ(reg.SubKeyNames(root, kPath),
              (std::vector<std::string>{"Global", "TVocalithInstallForm"}));
    EXPECT_EQ(reg.ValueNames(root, std::string(kPath) + "\\Global"),
              std::vector<std::string>{"Vocalith.Language"});
    // The hint is not stored: the value is the text alone, of type string.
    EXPECT_EQ(reg.GetString(root, std::string(kPath) + "\\Global", "Vocalith.Language"), "Deutsch");
    EXPECT_EQ(reg.GetType(root, std::string(kPath) + "\\Global", "Vocalith.Language"),
              os::ValueType::String);
    EXPECT_EQ(
        reg.GetString(root, std::string(kPath) + "\\TVocalithInstallForm", "FolderSelect.History"),
        "C:\\A;C:\\B;");
    EXPECT_EQ(reg.GetString(root, kPath, "AtTheKey"), "top");
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(ExIniFileTest, RegistryModeRoundTripsAwkwardValues) {
    const auto& values = AwkwardValues();
    {
        auto ini = Registry(true);
        for (std::size_t i = 0; i < values.size(); ++i) {
            ini->WriteStringEx("Values", "V" + std::to_string(i), values[i], "hint");
        }
    }
    auto ini = Registry(false);
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(values[i]);
        EXPECT_EQ(ini->ReadString("VALUES", "v" + std::to_string(i), "<default>"), values[i]);
    }
    EXPECT_EQ(machine.Registry().OpenHandles(), 0u);
}

TEST_F(ExIniFileTest, RegistryReadingAMissingKeyGivesDefaultsAndCreatesNothing) {
    auto ini = Registry(false);
    EXPECT_EQ(ini->ReadString("Global", "Vocalith.Language", "English"), "English");
    EXPECT_FALSE(ini->ValueExists("Global", "Vocalith.Language"));
    EXPECT_FALSE(machine.Registry().KeyExists(os::RootKey::CurrentUser, "Software\\Ostrell GbR"));
    EXPECT_THROW(ini->WriteString("Global", "X", "1"), ERegistryException);
    EXPECT_FALSE(machine.Registry().KeyExists(os::RootKey::CurrentUser, "Software\\Ostrell GbR"));

    // A value of another type reads as absent.
    machine.Registry().SetDWord(os::RootKey::CurrentUser, std::string(kPath) + "\\Global", "Number",
                                7);
    EXPECT_EQ(ini->ReadString("Global", "Number", "none"), "none");
}

TEST_F(ExIniFileTest, RegistryWriteFailuresRaise) {
    machine.Registry().DenyWrite(os::RootKey::CurrentUser, kPath);
    EXPECT_THROW(Registry(true), ERegistryException);

    const std::string other = "Software\\Other";
    machine.Registry().CreateKey(os::RootKey::CurrentUser, other + "\\Locked");
    machine.Registry().DenyWrite(os::RootKey::CurrentUser, other + "\\Locked");
    machine.Registry().DenyValueWrite(os::RootKey::CurrentUser, other + "\\Open", "Fixed");
    auto ini = TExIniFile::CreateInRegistry(TRegistryKey::rkCurrentUser, other, true);
    EXPECT_THROW(ini->WriteString("Locked", "X", "1"), ERegistryException);
    EXPECT_THROW(ini->WriteString("Open", "Fixed", "1"), ERegistryException);
    ini->WriteString("Open", "Free", "1");
    EXPECT_EQ(ini->ReadString("Open", "Free", ""), "1");
    EXPECT_EQ(machine.Registry().OpenHandles(), 0u);
}

TEST_F(ExIniFileTest, DeleteKeyAndEraseSectionInTheRegistry) {
    {
        auto ini = Registry(true);
        ini->WriteString("A", "X", "1");
        ini->WriteString("A", "Y", "2");
        ini->WriteString("B", "Z", "3");
        ini->WriteString("", "Top", "4");
        ini->DeleteKey("A", "X");
        ini->DeleteKey("A", "Missing");
        ini->EraseSection("B");
        ini->EraseSection("Missing");
        // The empty section is the key itself: only its values go.
        ini->EraseSection("");
    }
    sim::SimRegistry& reg = machine.Registry();
    const auto root = os::RootKey::CurrentUser;
    EXPECT_EQ(reg.SubKeyNames(root, kPath), std::vector<std::string>{"A"});
    EXPECT_EQ(reg.ValueNames(root, std::string(kPath) + "\\A"), std::vector<std::string>{"Y"});
    EXPECT_TRUE(reg.ValueNames(root, kPath).empty());
    EXPECT_THROW(Registry(false)->DeleteKey("A", "Y"), ERegistryException);
}

}  // namespace
