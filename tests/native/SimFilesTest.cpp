#include "platform/sim/SimFiles.h"

#include <gtest/gtest.h>

using sim::SimFiles;

namespace {

class SimFilesTest : public ::testing::Test {
  protected:
    SimFiles fs;

    // Expects the call to fail with the Windows error code.
    void ExpectError(bool ok, std::uint32_t error) {
        EXPECT_FALSE(ok);
        EXPECT_EQ(fs.LastError(), error);
    }
};

TEST_F(SimFilesTest, AFreshMachineHoldsDriveCWithTheWindowsDirectory) {
    EXPECT_EQ(fs.AllPaths(), (std::vector<std::string>{"C:\\", "C:\\WINDOWS\\"}));
    EXPECT_EQ(fs.WindowsDirectory(), "C:\\WINDOWS");
    EXPECT_EQ(fs.ProgramPath(), "C:\\Setup\\Install.exe");
    EXPECT_FALSE(fs.FileExists(fs.ProgramPath()));

    fs.SetWindowsDirectory("D:\\WinNT\\");
    fs.SetProgramPath("E:\\Dist\\Setup.exe");
    EXPECT_EQ(fs.WindowsDirectory(), "D:\\WinNT");
    EXPECT_TRUE(fs.DirectoryExists("d:\\winnt"));
    EXPECT_EQ(fs.ProgramPath(), "E:\\Dist\\Setup.exe");
}

TEST_F(SimFilesTest, PathsFollowWindowsRules) {
    fs.AddFile("C:\\Program Files\\Ostrell\\Read Me.txt", "hello");
    fs.SetCurrentDirectory("C:\\Program Files");
    struct Case {
        const char* path;
        bool file;
        bool folder;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Ostrell\\Read Me.txt", true, false},
        {"c:/program files/OSTRELL/read me.TXT", true, false},
        {"C:\\Program Files\\\\Ostrell\\.\\Read Me.txt", true, false},
        {"C:\\Program Files\\Other\\..\\Ostrell\\Read Me.txt", true, false},
        {"C:\\..\\Program Files\\Ostrell\\Read Me.txt", true, false},  // ".." stops at the root
        {"Ostrell\\Read Me.txt", true, false},                         // relative
        {"C:Ostrell\\Read Me.txt", true, false},                       // relative on drive C:
        {"\\Program Files\\Ostrell", false, true},                     // current drive
        {"C:\\Program Files\\Ostrell\\", false, true},                 // trailing "\" on a folder
        {"C:\\Program Files\\Ostrell\\Read Me.txt\\", false, false},   // but not on a file
        {"C:\\", false, true},
        {"D:\\", false, false},
        {"C:\\Program Files\\Ost?ell", false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(fs.FileExists(c.path), c.file);
        EXPECT_EQ(fs.DirectoryExists(c.path), c.folder);
    }
    EXPECT_EQ(fs.FullPath("c:/PROGRAM FILES/ostrell/new.txt"),
              "C:\\Program Files\\Ostrell\\new.txt");
    EXPECT_EQ(fs.List("C:\\Program Files"), std::vector<std::string>{"Ostrell\\"});
}

TEST_F(SimFilesTest, InvalidPathsReportTheirError) {
    ExpectError(fs.CreateDir("C:\\a|b"), 123);
    ExpectError(fs.CreateDir("\\\\server\\share\\x"), 53);
    ExpectError(fs.WriteWholeFile("C:\\WINDOWS\\new.txt\\", "x"), 123);
    EXPECT_FALSE(fs.Exists("C:\\WINDOWS\\new.txt"));
}

TEST_F(SimFilesTest, CreateDirNeedsItsParentAndANewName) {
    EXPECT_TRUE(fs.CreateDir("C:\\Ostrell"));
    EXPECT_TRUE(fs.CreateDir("c:\\ostrell\\Vocalith\\"));
    EXPECT_EQ(fs.AllPaths(),
              (std::vector<std::string>{"C:\\", "C:\\Ostrell\\", "C:\\Ostrell\\Vocalith\\",
                                        "C:\\WINDOWS\\"}));
    ExpectError(fs.CreateDir("C:\\OSTRELL"), 183);
    ExpectError(fs.CreateDir("C:\\Missing\\Child"), 3);
    ExpectError(fs.CreateDir("Q:\\Folder"), 3);
    fs.AddFile("C:\\file.txt");
    ExpectError(fs.CreateDir("C:\\file.txt"), 183);
    ExpectError(fs.CreateDir("C:\\file.txt\\sub"), 3);

    fs.DenyCreateDir("C:\\Ostrell\\Denied");
    ExpectError(fs.CreateDir("C:\\Ostrell\\Denied"), 5);
    EXPECT_FALSE(fs.Exists("C:\\Ostrell\\Denied"));
    // Setup helpers are not subject to faults.
    fs.AddDir("C:\\Ostrell\\Denied");
    EXPECT_TRUE(fs.DirectoryExists("C:\\Ostrell\\Denied"));
}

TEST_F(SimFilesTest, RemoveDirRemovesOnlyAnEmptyFolder) {
    fs.AddFile("C:\\Target\\a.dll", "x");
    ExpectError(fs.RemoveDir("C:\\Target"), 145);
    ExpectError(fs.RemoveDir("C:\\Target\\a.dll"), 267);
    ExpectError(fs.RemoveDir("C:\\Nothing"), 2);
    ExpectError(fs.RemoveDir("C:\\Nothing\\Deeper"), 3);
    ExpectError(fs.RemoveDir("C:\\"), 5);
    ASSERT_TRUE(fs.DeleteFileAt("C:\\Target\\A.DLL"));
    EXPECT_TRUE(fs.RemoveDir("C:\\target\\"));
    EXPECT_FALSE(fs.Exists("C:\\Target"));
}

TEST_F(SimFilesTest, DeleteFailsOnReadOnlyFilesFoldersAndMissingFiles) {
    fs.AddFile("C:\\ro.txt", "x", os::faReadOnly | os::faArchive);
    ExpectError(fs.DeleteFileAt("C:\\ro.txt"), 5);
    ExpectError(fs.DeleteFileAt("C:\\WINDOWS"), 5);
    ExpectError(fs.DeleteFileAt("C:\\absent.txt"), 2);
    ExpectError(fs.DeleteFileAt("C:\\Absent\\absent.txt"), 3);
    ASSERT_TRUE(fs.SetAttributes("C:\\ro.txt", os::faNormal));
    EXPECT_EQ(fs.Attributes("C:\\ro.txt"), os::faNormal);
    EXPECT_TRUE(fs.DeleteFileAt("C:\\ro.txt"));
}

TEST_F(SimFilesTest, CopyFollowsWindowsRules) {
    fs.AddFile("C:\\Dist\\Pack.bpl", "package", os::faArchive);
    fs.AddFile("C:\\Bin\\OLD.BPL", "old", os::faArchive);
    fs.AddFile("C:\\Bin\\Fixed.bpl", "fixed", os::faReadOnly);

    // Onto an existing file: replaced, the target keeps its spelling.
    EXPECT_TRUE(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "c:\\bin\\old.bpl", false));
    EXPECT_EQ(fs.Contents("C:\\Bin\\OLD.BPL"), "package");
    EXPECT_EQ(fs.List("C:\\Bin"), (std::vector<std::string>{"Fixed.bpl", "OLD.BPL"}));
    // A new file takes the given spelling, contents and the source's attributes.
    EXPECT_TRUE(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "C:\\Bin\\New.bpl", true));
    EXPECT_EQ(fs.Contents("C:\\Bin\\New.bpl"), "package");
    EXPECT_EQ(fs.Attributes("C:\\Bin\\New.bpl"), os::faArchive);

    ExpectError(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "C:\\Bin\\New.bpl", true), 80);
    ExpectError(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "C:\\Bin\\Fixed.bpl", false), 5);
    EXPECT_EQ(fs.Contents("C:\\Bin\\Fixed.bpl"), "fixed");
    ExpectError(fs.CopyFileTo("C:\\Dist\\Missing.bpl", "C:\\Bin\\x.bpl", false), 2);
    ExpectError(fs.CopyFileTo("C:\\Gone\\Missing.bpl", "C:\\Bin\\x.bpl", false), 3);
    ExpectError(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "C:\\NoFolder\\x.bpl", false), 3);
    ExpectError(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "C:\\Bin", false), 5);
    ExpectError(fs.CopyFileTo("C:\\Dist", "C:\\Bin\\x", false), 5);
    ExpectError(fs.CopyFileTo("C:\\Dist\\Pack.bpl", "C:\\DIST\\pack.bpl", false), 32);
    EXPECT_FALSE(fs.Exists("C:\\Bin\\x.bpl"));
}

TEST_F(SimFilesTest, ALockedFileFailsEverythingWithASharingViolation) {
    fs.AddFile("C:\\Dist\\Busy.dll", "busy");
    fs.AddFile("C:\\Dist\\Free.dll", "free");
    fs.Lock("c:\\dist\\busy.dll");

    ExpectError(fs.OpenExclusive("C:\\Dist\\Busy.dll"), 32);
    EXPECT_EQ(fs.ReadWholeFile("C:\\Dist\\Busy.dll"), std::nullopt);
    EXPECT_EQ(fs.LastError(), 32u);
    ExpectError(fs.WriteWholeFile("C:\\Dist\\Busy.dll", "x"), 32);
    ExpectError(fs.CopyFileTo("C:\\Dist\\Busy.dll", "C:\\copy.dll", false), 32);
    ExpectError(fs.CopyFileTo("C:\\Dist\\Free.dll", "C:\\Dist\\Busy.dll", false), 32);
    ExpectError(fs.DeleteFileAt("C:\\Dist\\Busy.dll"), 32);
    EXPECT_EQ(fs.Contents("C:\\Dist\\Busy.dll"), "busy");
    // Attributes need no sharing.
    EXPECT_TRUE(fs.SetAttributes("C:\\Dist\\Busy.dll", os::faArchive));

    fs.Unlock("C:\\Dist\\Busy.dll");
    EXPECT_TRUE(fs.OpenExclusive("C:\\Dist\\Busy.dll"));
    EXPECT_TRUE(fs.DeleteFileAt("C:\\Dist\\Busy.dll"));
}

TEST_F(SimFilesTest, InjectedFaultsHitOnlyTheirOperations) {
    fs.AddFile("C:\\a.txt", "a");
    fs.InjectFault("C:\\a.txt", sim::fopCopyFrom, 1392);
    ExpectError(fs.CopyFileTo("C:\\a.txt", "C:\\b.txt", false), 1392);
    EXPECT_TRUE(fs.OpenExclusive("C:\\a.txt"));
    // A fault may wait for a file that does not exist yet.
    fs.InjectFault("C:\\later.txt", sim::fopWrite, 112);
    ExpectError(fs.WriteWholeFile("C:\\later.txt", "x"), 112);
    EXPECT_FALSE(fs.Exists("C:\\later.txt"));
}

TEST_F(SimFilesTest, OpenReadAndWriteWholeFiles) {
    ExpectError(fs.OpenExclusive("C:\\none.ini"), 2);
    ExpectError(fs.OpenExclusive("C:\\WINDOWS"), 5);
    EXPECT_TRUE(fs.WriteWholeFile("C:\\WINDOWS\\app.ini", "[S]\r\nA=1\r\n"));
    EXPECT_EQ(fs.ReadWholeFile("c:\\windows\\APP.INI"), "[S]\r\nA=1\r\n");
    EXPECT_EQ(fs.Attributes("C:\\WINDOWS\\app.ini"), os::faArchive);
    EXPECT_EQ(fs.GetAttributes("C:\\WINDOWS"), os::faDirectory);
    ExpectError(fs.WriteWholeFile("C:\\Nowhere\\app.ini", "x"), 3);
    fs.SetAttributes("C:\\WINDOWS\\app.ini", os::faReadOnly);
    ExpectError(fs.WriteWholeFile("C:\\WINDOWS\\app.ini", "changed"), 5);
    EXPECT_EQ(fs.Contents("C:\\WINDOWS\\app.ini"), "[S]\r\nA=1\r\n");
}

TEST_F(SimFilesTest, AFailedCallKeepsItsErrorUntilTheNextFailure) {
    ExpectError(fs.DeleteFileAt("C:\\absent"), 2);
    EXPECT_TRUE(fs.CreateDir("C:\\New"));
    EXPECT_EQ(fs.LastError(), 2u);
    EXPECT_EQ(fs.GetAttributes("C:\\absent\\x"), std::nullopt);
    EXPECT_EQ(fs.LastError(), 3u);
}

}  // namespace
