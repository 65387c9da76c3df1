#include <gtest/gtest.h>

#include "platform/controls/Application.h"
#include "platform/core/StrUtils.h"
#include "platform/sim/Machine.h"
#include "runtime/Helpers.h"
#include "runtime/Msg.h"
#include "runtime/RegistryKey.h"

namespace {

class RuntimeHelpersTest : public ::testing::Test {
  protected:
    sim::Machine machine;
    os::ScopedBackend use{machine};
};

TEST(RuntimeHelpers, ShortPathKeepsTheHeadAndTheLastComponentsThatFit) {
    struct Case {
        const char* path;
        int maxLen;
        const char* expected;
    };
    const Case cases[] = {
        // Fits: unchanged, also with a trailing backslash.
        {"C:\\Programme\\Borland\\Delphi 5\\Bin", 35, "C:\\Programme\\Borland\\Delphi 5\\Bin"},
        {"C:\\Tools\\", 9, "C:\\Tools\\"},
        {"C:\\Program Files\\Borland\\Delphi5\\Projects\\Bin", 35,
         "C:\\...\\Borland\\Delphi5\\Projects\\Bin"},
        {"C:\\Program Files\\Borland\\Delphi5\\Projects\\Bin", 20, "C:\\...\\Projects\\Bin"},
        {"C:\\Program Files\\Borland\\Delphi5\\Projects\\Bin\\", 12, "C:\\...\\Bin"},
        {"\\\\server\\share\\Borland\\Delphi 5\\Bin", 30, "\\\\server\\share\\...\\Bin"},
        {"D:/Tools/Borland/Delphi/Bin", 14, "D:\\...\\Bin"},
        // The head does not fit any more.
        {"C:\\Program Files\\Borland\\Delphi5\\Projects", 12, "...\\Projects"},
        // The last component alone is too long: its end.
        {"C:\\Programs\\AVeryLongFolderNameIndeed", 12, "...ameIndeed"},
        {"AVeryLongFileNameWithoutFolders.txt", 10, "...ers.txt"},
        // Characters, not bytes: "ü" is one character and is never split.
        {"C:\\Daten\\Müller\\Übersicht", 16, "C:\\...\\Übersicht"},
        {"C:\\ÄÄÄÄÄÄÄÄÄÄ", 6, "...ÄÄÄ"},
        // Limits too small for a form.
        {"C:\\Tools\\Bin", 3, "..."},
        {"C:\\Tools\\Bin", 2, ".."},
        {"C:\\Tools\\Bin", 0, ""},
        {"C:\\Tools\\Bin", -5, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " / " + std::to_string(c.maxLen));
        std::string result = ShortPath(c.path, c.maxLen);
        EXPECT_EQ(result, c.expected);
        EXPECT_LE(Utf8CharCount(result), static_cast<std::size_t>(std::max(c.maxLen, 0)));
    }
}

TEST(RuntimeHelpers, ShortPathNeverExceedsTheLimit) {
    const std::string path = "C:\\Programme\\Ostrell\\Vocalith\\Delphi 5\\Lib\\Entwürfe\\Bin";
    for (int maxLen = 0; maxLen <= static_cast<int>(Utf8CharCount(path)) + 1; ++maxLen) {
        SCOPED_TRACE(maxLen);
        std::string result = ShortPath(path, maxLen);
        EXPECT_LE(Utf8CharCount(result), static_cast<std::size_t>(maxLen));
        if (maxLen >= 4) {
            EXPECT_FALSE(result.empty());
        }
    }
}

TEST(RuntimeHelpers, ExpandFileNameByDirWithAndWithoutBackslash) {
    struct Case {
        const char* name;
        const char* dir;
        const char* expected;
    };
    const Case cases[] = {
        {"Tool.cfg", "C:\\Setup", "C:\\Setup\\Tool.cfg"},
        {"Tool.cfg", "C:\\Setup\\", "C:\\Setup\\Tool.cfg"},
        {"Tool.cfg", "C:\\", "C:\\Tool.cfg"},
        {"Tool.cfg", "C:", "C:\\Tool.cfg"},
        {"Sub\\Tool.cfg", "C:\\Setup", "C:\\Setup\\Sub\\Tool.cfg"},
        {"..\\Tool.cfg", "C:\\Setup\\Bin\\", "C:\\Setup\\Tool.cfg"},
        {".\\a\\.\\b/..\\Tool.cfg", "C:\\Setup", "C:\\Setup\\a\\Tool.cfg"},
        {"..\\..\\..\\Tool.cfg", "C:\\Setup", "C:\\Tool.cfg"},
        {"D:\\Other\\Tool.cfg", "C:\\Setup", "D:\\Other\\Tool.cfg"},
        {"\\Root.cfg", "C:\\Setup", "\\Root.cfg"},
        {"\\\\server\\share\\x.cfg", "C:\\Setup", "\\\\server\\share\\x.cfg"},
        {"", "C:\\Setup\\", "C:\\Setup"},
        {"x.cfg", "", "x.cfg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " in " + c.dir);
        EXPECT_EQ(ExpandFileNameByDir(c.name, c.dir), c.expected);
    }
}

TEST(RuntimeHelpers, RemoveBackslashDropsOneButKeepsARoot) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Setup\\", "C:\\Setup"},
        {"C:\\Setup", "C:\\Setup"},
        {"C:\\Setup/", "C:\\Setup"},
        {"C:\\", "C:\\"},
        {"\\", "\\"},
        {"", ""},
        {"C:\\a\\\\", "C:\\a\\"},
    };
    for (const auto& [path, expected] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(RemoveBackslash(path), expected);
    }
}

TEST(RuntimeHelpers, ReplaceAll) {
    struct Case {
        const char* s;
        const char* oldText;
        const char* newText;
        const char* expected;
    };
    const Case cases[] = {
        {"a;b;c", ";", "\r\n", "a\r\nb\r\nc"},
        {"aaa", "aa", "a", "aa"},  // no rescanning
        {"%s and %s", "%s", "%s%s", "%s%s and %s%s"},
        {"abc", "", "x", "abc"},
        {"abc", "d", "x", "abc"},
        {"Abc", "a", "x", "Abc"},  // case-sensitive
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        EXPECT_EQ(ReplaceAll(c.s, c.oldText, c.newText), c.expected);
    }
}

TEST(RuntimeHelpers, CaseErrorRaisesACriticalError) {
    try {
        CaseError("TConfigMode 7");
        FAIL() << "CaseError returned";
    } catch (const ECriticalError& e) {
        EXPECT_EQ(e.Message(), "Case error: TConfigMode 7");
    }
    EXPECT_THROW(CaseError(), ECriticalError);
}

TEST(RuntimeHelpers, UnitVersionRecordsEachLineOnce) {
    // The package's own units registered at start-up.
    const auto& lines = UnitVersions();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "runtime/ExIniFile.cpp 3.0"), lines.end());

    std::size_t before = lines.size();
    EXPECT_TRUE(UnitVersion("tests/RuntimeHelpersTest.cpp 1.0"));
    EXPECT_FALSE(UnitVersion("tests/RuntimeHelpersTest.cpp 1.0"));
    ASSERT_EQ(UnitVersions().size(), before + 1);
    EXPECT_EQ(UnitVersions().back(), "tests/RuntimeHelpersTest.cpp 1.0");
}

TEST(RuntimeHelpers, RegistryKeyOrdinalsAndRoots) {
    EXPECT_EQ(static_cast<int>(TRegistryKey::rkCurrentUser), 2);
    const std::pair<TRegistryKey, os::RootKey> cases[] = {
        {TRegistryKey::rkClassesRoot, os::RootKey::ClassesRoot},
        {TRegistryKey::rkLocalMachine, os::RootKey::LocalMachine},
        {TRegistryKey::rkCurrentUser, os::RootKey::CurrentUser},
        {TRegistryKey::rkUsers, os::RootKey::Users},
        {TRegistryKey::rkCurrentConfig, os::RootKey::CurrentConfig},
    };
    for (const auto& [key, root] : cases) {
        EXPECT_EQ(RegistryRootOf(key), root);
        EXPECT_EQ(
            RegistryKeyEnumInfo().OrdinalOf(RegistryKeyEnumInfo().NameOf(static_cast<int>(key))),
            static_cast<int>(key));
    }
    EXPECT_EQ(RegistryKeyEnumInfo().NameOf(2), "rkCurrentUser");
    EXPECT_THROW(RegistryRootOf(static_cast<TRegistryKey>(9)), ECriticalError);
}

TEST_F(RuntimeHelpersTest, FoldersOfTheMachine) {
    machine.Files().SetProgramPath("C:\\Dist\\Install.exe");
    machine.Files().SetWindowsDirectory("C:\\WINNT");
    EXPECT_EQ(GetApplicationDir(), "C:\\Dist");
    EXPECT_EQ(GetWindowsDir(), "C:\\WINNT");
    EXPECT_EQ(ExpandApplicationDir("OstrellVocalith50Design.bpl"),
              "C:\\Dist\\OstrellVocalith50Design.bpl");
    EXPECT_EQ(ExpandApplicationDir("E:\\Elsewhere\\x.cfg"), "E:\\Elsewhere\\x.cfg");
    machine.Files().SetProgramPath("C:\\Install.exe");
    EXPECT_EQ(GetApplicationDir(), "C:\\");
    EXPECT_EQ(ExpandApplicationDir("Install.cfg"), "C:\\Install.cfg");
}

TEST_F(RuntimeHelpersTest, FileExistAndDirExistTellFilesFromFolders) {
    machine.Files().AddFile("C:\\Dist\\Pack.bpl");
    EXPECT_TRUE(FileExist("c:\\dist\\pack.bpl"));
    EXPECT_FALSE(FileExist("C:\\Dist"));
    EXPECT_FALSE(FileExist(""));
    EXPECT_TRUE(DirExist("C:\\Dist\\"));
    EXPECT_FALSE(DirExist("C:\\Dist\\Pack.bpl"));
    EXPECT_FALSE(DirExist(""));
}

TEST_F(RuntimeHelpersTest, CreateDirRecurseCreatesEveryMissingLevel) {
    sim::SimFiles& fs = machine.Files();
    fs.AddFile("C:\\Blocked", "a file where a folder should be");
    fs.DenyCreateDir("C:\\Program Files\\Denied");
    struct Case {
        const char* dir;
        bool result;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Ostrell\\Vocalith", true},
        {"C:\\Program Files\\Ostrell\\Vocalith\\", true},  // exists now
        {"C:\\Program Files\\Ostrell\\..\\Other\\.\\Sub", true},
        {"C:\\Program Files\\Denied\\Below", false},  // a level that cannot be created
        {"C:\\Blocked\\Sub", false},                  // a file in the way
        {"Q:\\NoDrive\\Sub", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        EXPECT_EQ(CreateDirRecurse(c.dir), c.result);
    }
    EXPECT_TRUE(fs.DirectoryExists("C:\\Program Files\\Other\\Sub"));
    EXPECT_FALSE(fs.Exists("C:\\Program Files\\Denied"));
    EXPECT_EQ(fs.AllPaths(),
              (std::vector<std::string>{
                  "C:\\", "C:\\Blocked", "C:\\Program Files\\", "C:\\Program Files\\Ostrell\\",
                  "C:\\Program Files\\Ostrell\\Vocalith\\", "C:\\Program Files\\Other\\",
                  "C:\\Program Files\\Other\\Sub\\", "C:\\WINDOWS\\"}));
}

TEST_F(RuntimeHelpersTest, MsgShowsAModalBoxOwnedByTheApplication) {
    machine.Windowing().SetTaskWindows({500, 501});
    std::vector<os::WindowHandle> disabledDuring;
    machine.Windowing().onMessageBox = [&](const sim::ShownMessageBox&) {
        disabledDuring = machine.Windowing().DisabledTaskWindows();
    };
    machine.Windowing().ScriptMessageBoxAnswer(os::IDNO);

    EXPECT_EQ(Msg("Overwrite?", "Setup", mkConfirmation, MsgButtons({mbYes, mbNo}), 0), os::IDNO);
    EXPECT_EQ(disabledDuring, (std::vector<os::WindowHandle>{500, 501}));
    EXPECT_TRUE(machine.Windowing().DisabledTaskWindows().empty());

    struct Case {
        int kind;
        TMsgButtons buttons;
        std::uint32_t flags;
    };
    const Case cases[] = {
        {mkError, 0, os::MB_ICONERROR | os::MB_OK},
        {mkInformation, MsgButtons({mbOK}), os::MB_ICONINFORMATION | os::MB_OK},
        {mkWarning, MsgButtons({mbOK, mbCancel}), os::MB_ICONWARNING | os::MB_OKCANCEL},
        {mkPlain, MsgButtons({mbYes, mbNo, mbCancel}), 0x3},
        {mkError, MsgButtons({mbRetry, mbCancel}), os::MB_ICONERROR | 0x5},
        {mkError, MsgButtons({mbAbort, mbRetry, mbIgnore}), os::MB_ICONERROR | 0x2},
    };
    for (const Case& c : cases)
        Msg("text", "caption", c.kind, c.buttons, 0);
    const auto& boxes = machine.Windowing().MessageBoxes();
    ASSERT_EQ(boxes.size(), 1 + std::size(cases));
    EXPECT_EQ(boxes[0].owner, sim::SimWindowing::kApplicationWindow);
    EXPECT_EQ(boxes[0].text, "Overwrite?");
    EXPECT_EQ(boxes[0].caption, "Setup");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(boxes[i + 1].flags, cases[i].flags);
    }
}

TEST_F(RuntimeHelpersTest, MsgRefusesUnknownKindsAndButtonSets) {
    EXPECT_THROW(Msg("t", "c", 5, 0, 0), ECriticalError);
    EXPECT_THROW(Msg("t", "c", mkError, MsgButtons({mbYes}), 0), ECriticalError);
    EXPECT_TRUE(machine.Windowing().MessageBoxes().empty());
}

TEST_F(RuntimeHelpersTest, MsgWithAnEmptyCaptionUsesTheDefaultTitle) {
    machine.Files().SetProgramPath("C:\\Dist\\Install.exe");
    Msg("No files to install found.", "", mkError, 0, 0);
    {
        ScopedApplication application;
        Application->SetTitle("Setup");
        Msg("Installation completed.", "", mkInformation, 0, 0);
    }
    const auto& boxes = machine.Windowing().MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Install");
    EXPECT_EQ(boxes[1].caption, "Setup");
}

}  // namespace
