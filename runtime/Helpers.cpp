#include "runtime/Helpers.h"

#include <algorithm>

#include "platform/core/StrUtils.h"
#include "platform/os/Backend.h"

namespace {

const bool registered = UnitVersion("runtime/Helpers.cpp 3.0");

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}
bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The last count characters of s.
std::string LastChars(std::string_view s, std::size_t count) {
    std::size_t total = Utf8CharCount(s);
    if (count >= total)
        return std::string(s);
    return std::string(s.substr(Utf8ByteOffset(s, total - count)));
}

// A path split into its head (drive, share or root, with its separator) and
// its components, with "/" read as "\".
struct SplitPath {
    std::string head;
    std::vector<std::string> parts;
};

SplitPath Split(std::string_view path) {
    std::string p(path);
    std::replace(p.begin(), p.end(), '/', '\\');
    SplitPath r;
    std::size_t pos = 0;
    if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
        // "\\server\share\": the share is part of the head.
        std::size_t server = p.find('\\', 2);
        std::size_t share =
            server == std::string::npos ? std::string::npos : p.find('\\', server + 1);
        pos = share == std::string::npos ? p.size() : share + 1;
        r.head = p.substr(0, pos);
        if (share == std::string::npos)
            r.head += '\\';
    } else if (p.size() >= 2 && IsLetter(p[0]) && p[1] == ':') {
        pos = (p.size() >= 3 && p[2] == '\\') ? 3 : 2;
        r.head = p.substr(0, pos);
    } else if (!p.empty() && p[0] == '\\') {
        pos = 1;
        r.head.assign(1, '\\');
    }
    while (pos < p.size()) {
        std::size_t sep = p.find('\\', pos);
        if (sep == std::string::npos)
            sep = p.size();
        if (sep > pos)
            r.parts.push_back(p.substr(pos, sep - pos));
        pos = sep + 1;
    }
    return r;
}

std::string Join(const std::string& head, const std::vector<std::string>& parts,
                 std::size_t from = 0) {
    std::string out = head;
    for (std::size_t i = from; i < parts.size(); ++i) {
        if (!out.empty() && out.back() != '\\' && !(out.size() == 2 && out[1] == ':'))
            out += '\\';
        out += parts[i];
    }
    return out;
}

bool IsAbsolute(std::string_view path) {
    if (!path.empty() && IsSeparator(path[0]))
        return true;
    return path.size() >= 2 && IsLetter(path[0]) && path[1] == ':';
}

std::string Normalise(std::string_view path) {
    SplitPath s = Split(path);
    std::vector<std::string> parts;
    for (const std::string& part : s.parts) {
        if (part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..") {
                parts.pop_back();
            } else if (s.head.empty()) {
                parts.push_back(part);  // a relative path keeps what it cannot resolve
            }
            continue;
        }
        parts.push_back(part);
    }
    return Join(s.head, parts);
}

}  // namespace

void CaseError(std::string_view where) {
    std::string message = "Case error";
    if (!where.empty())
        message += ": " + std::string(where);
    throw ECriticalError(message);
}

namespace {
std::vector<std::string>& VersionLines() {
    static std::vector<std::string> lines;
    return lines;
}
}  // namespace

bool UnitVersion(const std::string& header) {
    auto& lines = VersionLines();
    if (std::find(lines.begin(), lines.end(), header) != lines.end())
        return false;
    lines.push_back(header);
    return true;
}

const std::vector<std::string>& UnitVersions() {
    return VersionLines();
}

std::string ReplaceAll(std::string_view s, std::string_view oldText, std::string_view newText) {
    if (oldText.empty())
        return std::string(s);
    std::string out;
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = s.find(oldText, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(s.substr(pos, hit - pos));
        out.append(newText);
        pos = hit + oldText.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::string GetApplicationDir() {
    return ExtractFileDir(os::files().ProgramPath());
}

std::string GetWindowsDir() {
    return RemoveBackslash(os::files().WindowsDirectory());
}

std::string RemoveBackslash(std::string_view path) {
    if (path.empty() || !IsSeparator(path.back()))
        return std::string(path);
    // A root needs its backslash: "C:\" without it means the drive's
    // current folder.
    if (path.size() == 1)
        return std::string(path);
    if (path.size() == 3 && IsLetter(path[0]) && path[1] == ':')
        return std::string(path);
    return std::string(path.substr(0, path.size() - 1));
}

std::string ExpandFileNameByDir(std::string_view name, std::string_view dir) {
    if (IsAbsolute(name))
        return Normalise(name);
    // A bare drive "C:" stands for its root here.
    std::string combined(dir);
    if (!combined.empty() && !IsSeparator(combined.back()))
        combined += '\\';
    combined += name;
    return Normalise(combined);
}

std::string ExpandApplicationDir(std::string_view name) {
    return ExpandFileNameByDir(name, GetApplicationDir());
}

std::string ShortPath(std::string_view path, int maxLen) {
    if (maxLen <= 0)
        return "";
    const std::size_t limit = static_cast<std::size_t>(maxLen);
    if (Utf8CharCount(path) <= limit)
        return std::string(path);
    if (limit < 4)
        return std::string(limit, '.');

    std::string trimmed = RemoveBackslash(path);
    if (Utf8CharCount(trimmed) <= limit)
        return trimmed;
    SplitPath s = Split(trimmed);
    const std::size_t n = s.parts.size();
    // As many last components as fit behind the head, dropping at least one.
    for (std::size_t keep = n > 0 ? n - 1 : 0; keep >= 1; --keep) {
        std::string candidate = Join(s.head + "...\\", s.parts, n - keep);
        if (Utf8CharCount(candidate) <= limit)
            return candidate;
    }
    if (n >= 1) {
        std::string candidate = "...\\" + s.parts.back();
        if (Utf8CharCount(candidate) <= limit)
            return candidate;
    }
    return "..." + LastChars(trimmed, limit - 3);
}

bool FileExist(std::string_view path) {
    return !path.empty() && os::files().FileExists(path);
}

bool DirExist(std::string_view path) {
    return !path.empty() && os::files().DirectoryExists(path);
}

bool CreateDirRecurse(std::string_view dir) {
    std::string full = RemoveBackslash(Normalise(dir));
    if (full.empty())
        return false;
    if (DirExist(full))
        return true;
    SplitPath s = Split(full);
    std::string prefix = s.head;
    for (std::size_t i = 0; i < s.parts.size(); ++i) {
        prefix = Join(prefix, {s.parts[i]});
        if (DirExist(prefix))
            continue;
        if (FileExist(prefix))
            return false;
        if (!os::files().CreateDir(prefix) && !DirExist(prefix))
            return false;
    }
    return DirExist(full);
}
