#include "platform/core/StrUtils.h"

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}
char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

// Index one past the folder part, keeping a drive's "C:" together.
std::size_t FolderEnd(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        char c = path[i - 1];
        if (IsSeparator(c) || c == ':')
            return i;
    }
    return 0;
}

}  // namespace

std::string TrimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && IsBlank(s[b]))
        ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IsBlank(s[e - 1]))
        --e;
    return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
}

int CompareText(std::string_view a, std::string_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(FoldAscii(a[i]));
        unsigned char cb = static_cast<unsigned char>(FoldAscii(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
    return CompareText(a, b) == 0;
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = FoldAscii(c);
    return r;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return r;
}

std::string Format(std::string_view format, const std::vector<std::string>& args) {
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                if (next < args.size())
                    out += args[next];
                ++next;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, FolderEnd(path)));
}

std::string ExtractFileDir(std::string_view path) {
    std::size_t end = FolderEnd(path);
    // Keep the separator of a root ("C:\") and of a bare "\".
    if (end > 0 && IsSeparator(path[end - 1]) && end > 1 && path[end - 2] != ':')
        --end;
    return std::string(path.substr(0, end));
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(FolderEnd(path)));
}

std::string ExtractFileExt(std::string_view path) {
    std::string name = ExtractFileName(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
    std::size_t start = FolderEnd(path);
    std::size_t dot = path.rfind('.');
    std::string base(path);
    if (dot != std::string_view::npos && dot >= start)
        base = std::string(path.substr(0, dot));
    return base + std::string(ext);
}

std::string IncludeTrailingBackslash(std::string_view path) {
    std::string r(path);
    if (r.empty() || !IsSeparator(r.back()))
        r += '\\';
    return r;
}

std::string ExcludeTrailingBackslash(std::string_view path) {
    std::string r(path);
    if (!r.empty() && IsSeparator(r.back()))
        r.pop_back();
    return r;
}

std::size_t Utf8CharCount(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    }
    return n;
}

std::size_t Utf8ByteOffset(std::string_view s, std::size_t chars) {
    std::size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
        --chars;
    }
    return i;
}
