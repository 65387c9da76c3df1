#pragma once
// The simulated file system, with Windows path rules and error numbers.
//
// Paths: a drive letter ("C:"), "\" separators ("/" is accepted too), names
// compared without regard to case (letters A-Z) that keep the spelling they
// were created with; repeated separators, "." and ".." are normalised, and a
// trailing "\" is tolerated on folders. A path without a drive, or "X:name",
// is relative to the current directory ("C:\Setup" unless set); "\name" is
// on the current drive. A name holding one of < > : " | ? * or a control
// character is invalid (123); a UNC path ("\\server\share") fails with 53.
//
// A fresh file system holds drive C: with the Windows directory C:\WINDOWS
// (empty) and nothing else; ProgramPath is only a name, so a test that needs
// the program file adds it with AddFile.
//
// Errors follow Windows: 2 file not found, 3 path not found (a missing
// folder on the way or a missing drive), 5 access denied, 32 sharing
// violation, 80 file exists, 123 invalid name, 145 folder not empty, 183
// already exists, 267 not a folder. LastError keeps the code of the last
// failed call; a successful call leaves it alone, as most Windows calls do.
//
// Fault injection works on paths (the file or folder need not exist yet):
// Lock makes a file behave as held open without sharing by another process
// (open, read, write, copy from, copy onto and delete fail with 32),
// DenyCreateDir makes a folder impossible to create (5), and InjectFault
// fails any chosen operations with any error.
//
// Not modelled: time stamps, free space, short (8.3) names, the stripping of
// trailing dots and blanks from names, the read-only attribute of folders
// (ignored, as under Wine), and case folding beyond A-Z.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/Files.h"

namespace sim {

// Operations that InjectFault can make fail.
enum SimFileOp : std::uint32_t {
    fopOpen = 1u << 0,      // OpenExclusive and ReadWholeFile
    fopWrite = 1u << 1,     // WriteWholeFile
    fopCopyFrom = 1u << 2,  // the path as the source of a copy
    fopCopyOnto = 1u << 3,  // the path as the target of a copy
    fopDelete = 1u << 4,
    fopCreateDir = 1u << 5,
    fopRemoveDir = 1u << 6,
    fopSetAttributes = 1u << 7,
};

class SimFiles : public os::Files {
  public:
    SimFiles();
    ~SimFiles() override;

    // ---- what a test sets up ----------------------------------------------------
    void AddDrive(char letter);
    // Creates the folder with every missing parent (the drive must exist).
    void AddDir(std::string_view path);
    // Creates or replaces a file, creating missing folders; the attributes
    // default to archive, as a freshly written file has.
    void AddFile(std::string_view path, std::string_view contents = {},
                 std::uint32_t attributes = os::faArchive);
    // Removes a file or a whole folder tree, whatever its state.
    void Remove(std::string_view path);
    void SetProgramPath(std::string path) { programPath_ = std::move(path); }
    // Also creates the folder.
    void SetWindowsDirectory(std::string path);
    void SetCurrentDirectory(std::string path) { currentDir_ = std::move(path); }

    void InjectFault(std::string_view path, std::uint32_t operations, std::uint32_t error);
    // Held open without sharing by another process.
    void Lock(std::string_view path);
    void DenyCreateDir(std::string_view path);
    // Removes every fault of the path (Unlock).
    void ClearFaults(std::string_view path);
    void Unlock(std::string_view path) { ClearFaults(path); }

    // ---- what a test inspects -----------------------------------------------------
    bool Exists(std::string_view path) const;                          // a file or a folder
    std::optional<std::string> Contents(std::string_view path) const;  // files only
    std::optional<std::uint32_t> Attributes(std::string_view path) const;
    // The names in a folder in their stored spelling, sorted without regard
    // to case; folders carry a trailing "\". Empty for a missing folder.
    std::vector<std::string> List(std::string_view folder) const;
    // Every folder and file below the drives, as full paths in their stored
    // spelling (folders with a trailing "\"), depth first in name order.
    std::vector<std::string> AllPaths() const;
    // The full path in its stored spelling (as far as it exists), or nullopt
    // for an invalid path.
    std::optional<std::string> FullPath(std::string_view path) const;

    // ---- os::Files --------------------------------------------------------------------
    bool FileExists(std::string_view path) override;
    bool DirectoryExists(std::string_view path) override;
    bool CreateDir(std::string_view path) override;
    bool RemoveDir(std::string_view path) override;
    bool CopyFileTo(std::string_view source, std::string_view target, bool failIfExists) override;
    bool DeleteFileAt(std::string_view path) override;
    std::optional<std::uint32_t> GetAttributes(std::string_view path) override;
    bool SetAttributes(std::string_view path, std::uint32_t attributes) override;
    bool OpenExclusive(std::string_view path) override;
    std::optional<std::string> ReadWholeFile(std::string_view path) override;
    bool WriteWholeFile(std::string_view path, std::string_view contents) override;
    std::string ProgramPath() override { return programPath_; }
    std::string WindowsDirectory() override { return windowsDir_; }
    std::uint32_t LastError() override { return lastError_; }

  private:
    struct Node {
        std::string name;
        bool folder = false;
        std::string contents;
        std::uint32_t attributes = 0;
        std::vector<std::unique_ptr<Node>> children;

        Node* Child(std::string_view name) const;
    };
    struct Resolved {
        std::vector<std::string> parts;  // drive ("C:") first
        std::uint32_t error = 0;         // non-zero for an invalid path
        bool trailing = false;           // written with a final separator
    };
    struct Lookup {
        Node* parent = nullptr;   // the folder that holds (or would hold) the item
        Node* node = nullptr;     // the item, null when missing
        std::uint32_t error = 0;  // why parent is missing: 3, or the path's own error
        bool trailing = false;    // names a folder: a file cannot be meant
    };
    struct Fault {
        std::uint32_t operations = 0;
        std::uint32_t error = 0;
    };

    Resolved Resolve(std::string_view path) const;
    Lookup Find(std::string_view path) const;
    static std::string Key(const std::vector<std::string>& parts);
    // The error injected for op on path, 0 when none.
    std::uint32_t FaultFor(std::string_view path, SimFileOp op) const;
    Node* EnsureFolder(const std::vector<std::string>& parts, std::size_t count);
    bool Fail(std::uint32_t error);
    void Collect(const Node& node, const std::string& prefix, std::vector<std::string>& out) const;

    std::unique_ptr<Node> top_;  // the drives are its children
    std::map<std::string, Fault> faults_;
    std::string programPath_ = "C:\\Setup\\Install.exe";
    std::string windowsDir_ = "C:\\WINDOWS";
    std::string currentDir_ = "C:\\Setup";
    std::uint32_t lastError_ = 0;
};

}  // namespace sim
