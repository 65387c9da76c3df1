#include "runtime/ExIniFile.h"

#include <algorithm>

#include "platform/core/StrUtils.h"
#include "platform/core/Variant.h"
#include "platform/os/Backend.h"
#include "runtime/Helpers.h"

namespace {

const bool registered = UnitVersion("runtime/ExIniFile.cpp 3.0");

constexpr const char* kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsControl(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u < 32 || u == 0x7F;
}
bool HasControl(const std::string& s) {
    return std::any_of(s.begin(), s.end(), IsControl);
}
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool NeedsQuotes(const std::string& v) {
    if (v.empty())
        return false;
    unsigned char first = static_cast<unsigned char>(v.front());
    unsigned char last = static_cast<unsigned char>(v.back());
    if (first <= 32 || last <= 32 || v.front() == '"' || v.front() == ';')
        return true;
    if (HasControl(v))
        return true;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (v[i] == ';' && IsBlank(v[i - 1]))
            return true;
    }
    return false;
}

std::string EncodeValue(const std::string& v) {
    if (!NeedsQuotes(v))
        return v;
    static const char* hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (char c : v) {
        unsigned char u = static_cast<unsigned char>(c);
        if (c == '"') {
            out += "\"\"";
        } else if (c == '%' || IsControl(c)) {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The value of the text after "=" (see the file layout in the header).
std::string DecodeValue(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    if (i < s.size() && s[i] == '"') {
        std::string out;
        for (std::size_t j = i + 1; j < s.size(); ++j) {
            char c = s[j];
            if (c == '"') {
                if (j + 1 < s.size() && s[j + 1] == '"') {
                    out += '"';
                    ++j;
                    continue;
                }
                return out;
            }
            if (c == '%' && j + 2 < s.size()) {
                int hi = HexDigit(s[j + 1]);
                int lo = HexDigit(s[j + 2]);
                if (hi >= 0 && lo >= 0) {
                    out += static_cast<char>(hi * 16 + lo);
                    j += 2;
                    continue;
                }
            }
            out += c;
        }
        // No closing quote: read it as a bare value.
    }
    std::size_t end = s.size();
    for (std::size_t k = i; k < s.size(); ++k) {
        if (s[k] == ';' && (k == i || IsBlank(s[k - 1]))) {
            end = k;
            break;
        }
    }
    std::string value(s.substr(i, end - i));
    while (!value.empty() && (IsBlank(value.back()) || value.back() == '\r'))
        value.pop_back();
    return value;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

// Closes a registry key however the scope is left.
class KeyScope {
  public:
    explicit KeyScope(os::KeyHandle key) : key_(key) {}
    ~KeyScope() {
        if (key_ != 0)
            os::registry().CloseKey(key_);
    }
    KeyScope(const KeyScope&) = delete;
    KeyScope& operator=(const KeyScope&) = delete;
    os::KeyHandle get() const { return key_; }

  private:
    os::KeyHandle key_;
};

}  // namespace

const TClassType& TExIniFile::StaticClass() {
    static const TClassType type = TClassType::Define<TExIniFile, TObject>("TExIniFile");
    return type;
}

// ---- creation ----------------------------------------------------------------------

std::unique_ptr<TExIniFile> TExIniFile::Create(const std::string& fileName) {
    std::unique_ptr<TExIniFile> ini(new TExIniFile());
    ini->fileName_ = fileName;
    if (os::files().FileExists(fileName)) {
        std::optional<std::string> text = os::files().ReadWholeFile(fileName);
        if (!text) {
            throw EIniFileError("Cannot open file " + fileName + " (error " +
                                IntToStr(os::files().LastError()) + ")");
        }
        ini->Parse(*text);
    }
    return ini;
}

std::unique_ptr<TExIniFile> TExIniFile::CreateInRegistry(TRegistryKey root, const std::string& path,
                                                         bool forWriting) {
    os::RootKey rootKey = RegistryRootOf(root);
    std::unique_ptr<TExIniFile> ini(new TExIniFile());
    ini->inRegistry_ = true;
    ini->root_ = root;
    ini->path_ = RemoveBackslash(path);
    ini->forWriting_ = forWriting;
    if (forWriting) {
        KeyScope key(os::registry().OpenKey(rootKey, ini->path_, true));
        if (key.get() == 0)
            throw ERegistryException("Failed to create key " + ini->path_);
    }
    return ini;
}

TExIniFile::~TExIniFile() {
    try {
        Commit();
    } catch (const std::exception&) {
        // Nothing can be reported from a destructor; Commit first to know.
    }
}

// ---- file document -------------------------------------------------------------

void TExIniFile::Parse(const std::string& text) {
    std::string_view body = text;
    if (body.substr(0, 3) == kBom) {
        bom_ = true;
        body.remove_prefix(3);
    }
    for (std::string& raw : SplitLines(body)) {
        Line line;
        line.raw = std::move(raw);
        std::string trimmed = TrimLeft(line.raw);
        if (Trim(trimmed).empty()) {
            line.kind = Line::Kind::Blank;
        } else if (trimmed[0] == ';' || trimmed[0] == '#') {
            line.kind = Line::Kind::Comment;
        } else if (trimmed[0] == '[') {
            std::size_t close = trimmed.find(']');
            if (close != std::string::npos) {
                line.kind = Line::Kind::Section;
                line.name = Trim(trimmed.substr(1, close - 1));
            }
        } else if (std::size_t eq = line.raw.find('='); eq != std::string::npos) {
            line.kind = Line::Kind::Value;
            line.name = Trim(line.raw.substr(0, eq));
            line.value = DecodeValue(std::string_view(line.raw).substr(eq + 1));
        }
        lines_.push_back(std::move(line));
    }
}

std::string TExIniFile::Compose() const {
    std::string out = bom_ ? kBom : "";
    if (keepComments_) {
        for (const Line& line : lines_)
            out += line.raw + "\r\n";
        return out;
    }
    bool first = true;
    for (const Line& line : lines_) {
        if (line.kind == Line::Kind::Section) {
            if (!first)
                out += "\r\n";
            out += "[" + line.name + "]\r\n";
            first = false;
        } else if (line.kind == Line::Kind::Value && !first) {
            out += (line.written ? line.raw : FormatLine(line.name, line.value, {})) + "\r\n";
        }
    }
    return out;
}

int TExIniFile::FindValue(const std::string& section, const std::string& ident) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Line::Kind::Section) {
            inSection = SameText(line.name, section);
        } else if (inSection && line.kind == Line::Kind::Value && SameText(line.name, ident)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string TExIniFile::FormatLine(const std::string& ident, const std::string& value,
                                   const std::string& hint) const {
    std::string line = ident + "=" + EncodeValue(value);
    if (hintsEnabled_ && !hint.empty()) {
        std::size_t width = Utf8CharCount(line);
        std::size_t column = hintPosition_ > 0 ? static_cast<std::size_t>(hintPosition_) : 0;
        line.append(column > width ? column - width : 1, ' ');
        std::string text = hint;
        std::replace_if(text.begin(), text.end(), IsControl, ' ');
        line += "; " + text;
    }
    return line;
}

void TExIniFile::CheckNames(const std::string& section, const std::string& ident) const {
    auto badEnds = [](const std::string& s) {
        return !s.empty() && (static_cast<unsigned char>(s.front()) <= 32 ||
                              static_cast<unsigned char>(s.back()) <= 32);
    };
    if (section.find(']') != std::string::npos || HasControl(section) || badEnds(section)) {
        throw EIniFileError("Invalid section name '" + section + "'");
    }
    if (ident.find('=') != std::string::npos || HasControl(ident) || badEnds(ident) ||
        (!ident.empty() && (ident[0] == '[' || ident[0] == ';' || ident[0] == '#'))) {
        throw EIniFileError("Invalid identifier '" + ident + "'");
    }
}

void TExIniFile::Write(const std::string& section, const std::string& ident,
                       const std::string& value, const std::string& hint) {
    CheckNames(section, ident);
    int found = FindValue(section, ident);
    if (found >= 0) {
        Line& line = lines_[static_cast<std::size_t>(found)];
        std::string raw = FormatLine(line.name, value, hint);
        if (raw != line.raw) {
            line.raw = raw;
            line.value = value;
            modified_ = true;
        }
        line.written = true;
        return;
    }
    Line line;
    line.kind = Line::Kind::Value;
    line.name = ident;
    line.value = value;
    line.raw = FormatLine(ident, value, hint);
    line.written = true;
    modified_ = true;
    // Into the first block of the section, after its last value.
    std::size_t header = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Line::Kind::Section && SameText(lines_[i].name, section)) {
            header = i;
            break;
        }
    }
    if (header < lines_.size()) {
        std::size_t at = header + 1;
        for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Line::Kind::Section;
             ++i) {
            if (lines_[i].kind == Line::Kind::Value)
                at = i + 1;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
        return;
    }
    if (!lines_.empty() && lines_.back().kind != Line::Kind::Blank) {
        lines_.push_back(Line{Line::Kind::Blank, "", "", "", false});
    }
    lines_.push_back(Line{Line::Kind::Section, "[" + section + "]", section, "", false});
    lines_.push_back(std::move(line));
}

// ---- registry -------------------------------------------------------------------

std::string TExIniFile::SectionKey(const std::string& section) const {
    if (section.empty())
        return path_;
    if (path_.empty())
        return section;
    return path_ + "\\" + section;
}

void TExIniFile::CheckWritable() const {
    if (!forWriting_) {
        throw ERegistryException("Registry key " + path_ + " is open for reading only");
    }
}

// ---- values -----------------------------------------------------------------------

std::string TExIniFile::ReadString(const std::string& section, const std::string& ident,
                                   const std::string& def) {
    if (inRegistry_) {
        KeyScope key(os::registry().OpenKey(RegistryRootOf(root_), SectionKey(section), false));
        if (key.get() == 0)
            return def;
        return os::registry().ReadString(key.get(), ident).value_or(def);
    }
    int found = FindValue(section, ident);
    return found < 0 ? def : lines_[static_cast<std::size_t>(found)].value;
}

void TExIniFile::WriteString(const std::string& section, const std::string& ident,
                             const std::string& value) {
    WriteStringEx(section, ident, value, {});
}

void TExIniFile::WriteStringEx(const std::string& section, const std::string& ident,
                               const std::string& value, const std::string& hint) {
    if (!inRegistry_) {
        Write(section, ident, value, hint);
        return;
    }
    CheckWritable();
    std::string keyPath = SectionKey(section);
    KeyScope key(os::registry().OpenKey(RegistryRootOf(root_), keyPath, true));
    if (key.get() == 0)
        throw ERegistryException("Failed to create key " + keyPath);
    if (!os::registry().WriteString(key.get(), ident, value)) {
        throw ERegistryException("Failed to set data for '" + ident + "'");
    }
}

bool TExIniFile::ValueExists(const std::string& section, const std::string& ident) {
    if (inRegistry_) {
        KeyScope key(os::registry().OpenKey(RegistryRootOf(root_), SectionKey(section), false));
        return key.get() != 0 &&
               os::registry().GetValueType(key.get(), ident) != os::ValueType::None;
    }
    return FindValue(section, ident) >= 0;
}

void TExIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    if (inRegistry_) {
        CheckWritable();
        KeyScope key(os::registry().OpenKey(RegistryRootOf(root_), SectionKey(section), false));
        if (key.get() == 0 ||
            os::registry().GetValueType(key.get(), ident) == os::ValueType::None) {
            return;
        }
        if (!os::registry().DeleteValue(key.get(), ident)) {
            throw ERegistryException("Failed to delete value '" + ident + "'");
        }
        return;
    }
    for (int found = FindValue(section, ident); found >= 0; found = FindValue(section, ident)) {
        lines_.erase(lines_.begin() + found);
        modified_ = true;
    }
}

void TExIniFile::EraseSection(const std::string& section) {
    if (inRegistry_) {
        CheckWritable();
        os::RootKey root = RegistryRootOf(root_);
        std::string keyPath = SectionKey(section);
        if (!os::registry().KeyExists(root, keyPath))
            return;
        if (!section.empty()) {
            if (!os::registry().DeleteKey(root, keyPath)) {
                throw ERegistryException("Failed to delete key " + keyPath);
            }
            return;
        }
        KeyScope key(os::registry().OpenKey(root, keyPath, false));
        for (const std::string& name : os::registry().ValueNames(key.get())) {
            if (!os::registry().DeleteValue(key.get(), name)) {
                throw ERegistryException("Failed to delete value '" + name + "'");
            }
        }
        return;
    }
    bool inSection = false;
    std::vector<Line> kept;
    for (Line& line : lines_) {
        if (line.kind == Line::Kind::Section)
            inSection = SameText(line.name, section);
        if (inSection) {
            modified_ = true;
        } else {
            kept.push_back(std::move(line));
        }
    }
    lines_ = std::move(kept);
}

void TExIniFile::Commit() {
    if (inRegistry_ || !modified_)
        return;
    if (!os::files().WriteWholeFile(fileName_, Compose())) {
        throw EIniFileError("Cannot write file " + fileName_ + " (error " +
                            IntToStr(os::files().LastError()) + ")");
    }
    modified_ = false;
}
