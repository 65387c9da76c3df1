#include "platform/win32/Files.h"

#include <algorithm>

#include "platform/win32/Utf16.h"
#include "platform/win32/WinApi.h"

namespace win32 {

namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (valid())
            CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

  private:
    HANDLE h_;
};

}  // namespace

bool Files::Note(bool ok) {
    if (!ok)
        lastError_ = GetLastError();
    return ok;
}

bool Files::FileExists(std::string_view path) {
    DWORD a = GetFileAttributesW(Widen(path).c_str());
    return Note(a != INVALID_FILE_ATTRIBUTES) && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Files::DirectoryExists(std::string_view path) {
    DWORD a = GetFileAttributesW(Widen(path).c_str());
    return Note(a != INVALID_FILE_ATTRIBUTES) && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Files::CreateDir(std::string_view path) {
    return Note(CreateDirectoryW(Widen(path).c_str(), nullptr) != 0);
}

bool Files::RemoveDir(std::string_view path) {
    return Note(RemoveDirectoryW(Widen(path).c_str()) != 0);
}

bool Files::CopyFileTo(std::string_view source, std::string_view target, bool failIfExists) {
    return Note(CopyFileW(Widen(source).c_str(), Widen(target).c_str(), failIfExists) != 0);
}

bool Files::DeleteFileAt(std::string_view path) {
    return Note(DeleteFileW(Widen(path).c_str()) != 0);
}

std::optional<std::uint32_t> Files::GetAttributes(std::string_view path) {
    DWORD a = GetFileAttributesW(Widen(path).c_str());
    if (!Note(a != INVALID_FILE_ATTRIBUTES))
        return std::nullopt;
    return a;
}

bool Files::SetAttributes(std::string_view path, std::uint32_t attributes) {
    return Note(SetFileAttributesW(Widen(path).c_str(), attributes) != 0);
}

bool Files::OpenExclusive(std::string_view path) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return Note(file.valid());
}

std::optional<std::string> Files::ReadWholeFile(std::string_view path) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!Note(file.valid()))
        return std::nullopt;
    std::string contents;
    char chunk[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!Note(ReadFile(file.get(), chunk, sizeof(chunk), &got, nullptr) != 0)) {
            return std::nullopt;
        }
        if (got == 0)
            return contents;
        contents.append(chunk, got);
    }
}

bool Files::WriteWholeFile(std::string_view path, std::string_view contents) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!Note(file.valid()))
        return false;
    while (!contents.empty()) {
        DWORD wrote = 0;
        DWORD want = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1u << 20));
        if (!Note(WriteFile(file.get(), contents.data(), want, &wrote, nullptr) != 0)) {
            return false;
        }
        contents.remove_prefix(wrote);
    }
    return true;
}

std::string Files::ProgramPath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) {
            Note(false);
            return {};
        }
        if (n < buffer.size())
            return Narrow(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 2);  // cut off: try a larger buffer
    }
}

std::string Files::WindowsDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    UINT n = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) {
        Note(false);
        return {};
    }
    std::wstring dir(buffer, n);
    while (!dir.empty() && dir.back() == L'\\')
        dir.pop_back();
    return Narrow(dir);
}

}  // namespace win32
