#pragma once
// The seam to the file system, on Windows paths (drive letters, "\"
// separators, names compared without regard to case).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace os {

// File attribute bits, as Windows has them.
enum FileAttribute : std::uint32_t {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faDirectory = 0x10,
    faArchive = 0x20,
    faNormal = 0x80,
};

class Files {
  public:
    virtual ~Files() = default;

    virtual bool FileExists(std::string_view path) = 0;  // a file, not a folder
    virtual bool DirectoryExists(std::string_view path) = 0;
    // Creates one folder; fails when it exists or its parent does not.
    virtual bool CreateDir(std::string_view path) = 0;
    // Removes an empty folder.
    virtual bool RemoveDir(std::string_view path) = 0;
    // Copies a file, replacing the target unless failIfExists.
    virtual bool CopyFileTo(std::string_view source, std::string_view target,
                            bool failIfExists) = 0;
    virtual bool DeleteFileAt(std::string_view path) = 0;
    // nullopt when the path does not exist.
    virtual std::optional<std::uint32_t> GetAttributes(std::string_view path) = 0;
    virtual bool SetAttributes(std::string_view path, std::uint32_t attributes) = 0;
    // Opens the file for reading with no sharing and closes it at once: false
    // when it is missing or another process holds it open.
    virtual bool OpenExclusive(std::string_view path) = 0;
    // The whole contents, or nullopt when it cannot be read.
    virtual std::optional<std::string> ReadWholeFile(std::string_view path) = 0;
    // Creates or replaces the file with contents.
    virtual bool WriteWholeFile(std::string_view path, std::string_view contents) = 0;

    // Full path of the running program file.
    virtual std::string ProgramPath() = 0;
    // The Windows directory, without a trailing backslash.
    virtual std::string WindowsDirectory() = 0;
    // The error code of the last failed call (Windows error numbers: 2 file not
    // found, 3 path not found, 5 access denied, 32 sharing violation, 145
    // directory not empty, 183 already exists).
    virtual std::uint32_t LastError() = 0;
};

}  // namespace os
