#pragma once
// The file system through the W functions. Every call that fails keeps the
// system's error code for LastError.

#include "platform/os/Files.h"

namespace win32 {

class Files : public os::Files {
  public:
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
    std::string ProgramPath() override;
    std::string WindowsDirectory() override;
    std::uint32_t LastError() override { return lastError_; }

  private:
    // Keeps the error code when ok is false; returns ok.
    bool Note(bool ok);

    std::uint32_t lastError_ = 0;
};

}  // namespace win32
