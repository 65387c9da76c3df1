#include "platform/sim/SimFiles.h"

#include <algorithm>

#include "platform/core/StrUtils.h"

namespace sim {

namespace {

constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kSharingViolation = 32;
constexpr std::uint32_t kBadNetPath = 53;
constexpr std::uint32_t kFileExists = 80;
constexpr std::uint32_t kInvalidName = 123;
constexpr std::uint32_t kDirNotEmpty = 145;
constexpr std::uint32_t kAlreadyExists = 183;
constexpr std::uint32_t kDirectory = 267;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool ValidName(std::string_view name) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32)
            return false;
        if (std::string_view("<>:\"|?*").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

// Appends the components of a relative "a\b\..\c" to parts (drive first).
bool AppendComponents(std::vector<std::string>& parts, std::string_view rest) {
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t sep = rest.find('\\', start);
        std::string_view part = rest.substr(
            start, sep == std::string_view::npos ? std::string_view::npos : sep - start);
        if (part == "..") {
            if (parts.size() > 1)
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            if (!ValidName(part))
                return false;
            parts.emplace_back(part);
        }
        if (sep == std::string_view::npos)
            break;
        start = sep + 1;
    }
    return true;
}

std::uint32_t FileAttributes(std::uint32_t requested) {
    std::uint32_t a = requested & ~static_cast<std::uint32_t>(os::faDirectory | os::faNormal);
    return a == 0 ? static_cast<std::uint32_t>(os::faNormal) : a;
}

}  // namespace

SimFiles::Node* SimFiles::Node::Child(std::string_view childName) const {
    for (const auto& c : children) {
        if (SameText(c->name, childName))
            return c.get();
    }
    return nullptr;
}

SimFiles::SimFiles() : top_(std::make_unique<Node>()) {
    top_->folder = true;
    AddDrive('C');
    AddDir(windowsDir_);
}

SimFiles::~SimFiles() = default;

// ---- paths -----------------------------------------------------------------------

SimFiles::Resolved SimFiles::Resolve(std::string_view path) const {
    Resolved r;
    std::string p(path);
    std::replace(p.begin(), p.end(), '/', '\\');
    if (p.empty()) {
        r.error = kPathNotFound;
        return r;
    }
    if (p.size() >= 2 && p[0] == '\\' && p[1] == '\\') {
        r.error = kBadNetPath;
        return r;
    }
    auto base = [&]() {
        Resolved cwd;
        std::string c = currentDir_;
        std::replace(c.begin(), c.end(), '/', '\\');
        if (c.size() >= 2 && IsLetter(c[0]) && c[1] == ':') {
            cwd.parts.push_back(UpperCase(c.substr(0, 2)));
            AppendComponents(cwd.parts, std::string_view(c).substr(2));
        } else {
            cwd.parts.push_back("C:");
        }
        return cwd.parts;
    };
    std::string_view rest;
    if (p.size() >= 2 && IsLetter(p[0]) && p[1] == ':') {
        std::string drive = UpperCase(p.substr(0, 2));
        rest = std::string_view(p).substr(2);
        if (!rest.empty() && rest.front() == '\\') {
            r.parts.push_back(drive);
        } else {
            // "X:name" is relative to the current directory when X is its drive.
            std::vector<std::string> cwd = base();
            if (cwd.front() == drive) {
                r.parts = std::move(cwd);
            } else {
                r.parts.push_back(drive);
            }
        }
    } else if (p.front() == '\\') {
        r.parts.push_back(base().front());
        rest = p;
    } else {
        r.parts = base();
        rest = p;
    }
    r.trailing = p.back() == '\\';
    if (!AppendComponents(r.parts, rest)) {
        r.parts.clear();
        r.error = kInvalidName;
    }
    return r;
}

SimFiles::Lookup SimFiles::Find(std::string_view path) const {
    Lookup l;
    Resolved r = Resolve(path);
    if (r.error != 0) {
        l.error = r.error;
        return l;
    }
    Node* cur = top_.get();
    for (std::size_t i = 0; i < r.parts.size(); ++i) {
        Node* next = cur->Child(r.parts[i]);
        if (i + 1 == r.parts.size()) {
            l.trailing = r.trailing;
            if (next != nullptr && !next->folder && r.trailing) {
                // "file.txt" names no file.
                l.error = kInvalidName;
                return l;
            }
            l.parent = cur;
            l.node = next;
            return l;
        }
        if (next == nullptr || !next->folder) {
            l.error = kPathNotFound;
            return l;
        }
        cur = next;
    }
    return l;
}

std::string SimFiles::Key(const std::vector<std::string>& parts) {
    std::string key;
    for (const std::string& p : parts) {
        if (!key.empty())
            key += '\\';
        key += UpperCase(p);
    }
    return key;
}

std::uint32_t SimFiles::FaultFor(std::string_view path, SimFileOp op) const {
    Resolved r = Resolve(path);
    if (r.error != 0)
        return 0;
    auto it = faults_.find(Key(r.parts));
    if (it == faults_.end() || (it->second.operations & op) == 0)
        return 0;
    return it->second.error;
}

SimFiles::Node* SimFiles::EnsureFolder(const std::vector<std::string>& parts, std::size_t count) {
    Node* cur = top_.get();
    for (std::size_t i = 0; i < count; ++i) {
        Node* next = cur->Child(parts[i]);
        if (next == nullptr) {
            auto created = std::make_unique<Node>();
            created->name = parts[i];
            created->folder = true;
            created->attributes = os::faDirectory;
            next = created.get();
            cur->children.push_back(std::move(created));
        } else if (!next->folder) {
            // Setup replaces a file that stands in the way.
            next->folder = true;
            next->contents.clear();
            next->attributes = os::faDirectory;
        }
        cur = next;
    }
    return cur;
}

bool SimFiles::Fail(std::uint32_t error) {
    lastError_ = error;
    return false;
}

// ---- setup -----------------------------------------------------------------------

void SimFiles::AddDrive(char letter) {
    std::string drive = UpperCase(std::string(1, letter) + ":");
    EnsureFolder({drive}, 1);
}

void SimFiles::AddDir(std::string_view path) {
    Resolved r = Resolve(path);
    if (r.error == 0)
        EnsureFolder(r.parts, r.parts.size());
}

void SimFiles::AddFile(std::string_view path, std::string_view contents, std::uint32_t attributes) {
    Resolved r = Resolve(path);
    if (r.error != 0 || r.parts.size() < 2)
        return;
    Node* folder = EnsureFolder(r.parts, r.parts.size() - 1);
    Node* file = folder->Child(r.parts.back());
    if (file == nullptr) {
        auto created = std::make_unique<Node>();
        created->name = r.parts.back();
        file = created.get();
        folder->children.push_back(std::move(created));
    }
    file->folder = false;
    file->children.clear();
    file->contents = contents;
    file->attributes = FileAttributes(attributes);
}

void SimFiles::Remove(std::string_view path) {
    Lookup l = Find(path);
    if (l.node == nullptr || l.parent == nullptr)
        return;
    auto& siblings = l.parent->children;
    siblings.erase(
        std::remove_if(siblings.begin(), siblings.end(),
                       [&](const std::unique_ptr<Node>& n) { return n.get() == l.node; }),
        siblings.end());
}

void SimFiles::SetWindowsDirectory(std::string path) {
    windowsDir_ = ExcludeTrailingBackslash(path);
    AddDir(windowsDir_);
}

void SimFiles::InjectFault(std::string_view path, std::uint32_t operations, std::uint32_t error) {
    Resolved r = Resolve(path);
    if (r.error != 0)
        return;
    Fault& f = faults_[Key(r.parts)];
    f.operations |= operations;
    f.error = error;
}

void SimFiles::Lock(std::string_view path) {
    InjectFault(path, fopOpen | fopWrite | fopCopyFrom | fopCopyOnto | fopDelete,
                kSharingViolation);
}

void SimFiles::DenyCreateDir(std::string_view path) {
    InjectFault(path, fopCreateDir, kAccessDenied);
}

void SimFiles::ClearFaults(std::string_view path) {
    Resolved r = Resolve(path);
    if (r.error == 0)
        faults_.erase(Key(r.parts));
}

// ---- inspection ------------------------------------------------------------------

bool SimFiles::Exists(std::string_view path) const {
    return Find(path).node != nullptr;
}

std::optional<std::string> SimFiles::Contents(std::string_view path) const {
    Node* n = Find(path).node;
    if (n == nullptr || n->folder)
        return std::nullopt;
    return n->contents;
}

std::optional<std::uint32_t> SimFiles::Attributes(std::string_view path) const {
    Node* n = Find(path).node;
    if (n == nullptr)
        return std::nullopt;
    return n->attributes;
}

namespace {
bool ByName(const std::string& a, const std::string& b) {
    return CompareText(a, b) < 0;
}
}  // namespace

std::vector<std::string> SimFiles::List(std::string_view folder) const {
    std::vector<std::string> names;
    Node* n = Find(folder).node;
    if (n == nullptr || !n->folder)
        return names;
    for (const auto& c : n->children)
        names.push_back(c->folder ? c->name + "\\" : c->name);
    std::sort(names.begin(), names.end(), ByName);
    return names;
}

void SimFiles::Collect(const Node& node, const std::string& prefix,
                       std::vector<std::string>& out) const {
    std::vector<const Node*> sorted;
    for (const auto& c : node.children)
        sorted.push_back(c.get());
    std::sort(sorted.begin(), sorted.end(),
              [](const Node* a, const Node* b) { return CompareText(a->name, b->name) < 0; });
    for (const Node* c : sorted) {
        std::string path = prefix + c->name;
        if (c->folder) {
            out.push_back(path + "\\");
            Collect(*c, path + "\\", out);
        } else {
            out.push_back(path);
        }
    }
}

std::vector<std::string> SimFiles::AllPaths() const {
    std::vector<std::string> out;
    Collect(*top_, "", out);
    return out;
}

std::optional<std::string> SimFiles::FullPath(std::string_view path) const {
    Resolved r = Resolve(path);
    if (r.error != 0)
        return std::nullopt;
    std::string full;
    const Node* cur = top_.get();
    for (std::size_t i = 0; i < r.parts.size(); ++i) {
        const Node* next = cur ? cur->Child(r.parts[i]) : nullptr;
        if (i > 0)
            full += '\\';
        full += next ? next->name : r.parts[i];
        cur = next;
    }
    if (r.parts.size() == 1)
        full += '\\';
    return full;
}

// ---- os::Files -------------------------------------------------------------------

bool SimFiles::FileExists(std::string_view path) {
    Node* n = Find(path).node;
    return n != nullptr && !n->folder;
}

bool SimFiles::DirectoryExists(std::string_view path) {
    Node* n = Find(path).node;
    return n != nullptr && n->folder;
}

bool SimFiles::CreateDir(std::string_view path) {
    Lookup l = Find(path);
    if (l.error != 0)
        return Fail(l.error);
    if (l.node != nullptr)
        return Fail(kAlreadyExists);
    if (l.parent == top_.get())
        return Fail(kPathNotFound);  // a drive that does not exist
    if (std::uint32_t e = FaultFor(path, fopCreateDir))
        return Fail(e);
    auto created = std::make_unique<Node>();
    created->name = Resolve(path).parts.back();
    created->folder = true;
    created->attributes = os::faDirectory;
    l.parent->children.push_back(std::move(created));
    return true;
}

bool SimFiles::RemoveDir(std::string_view path) {
    Lookup l = Find(path);
    if (l.error != 0)
        return Fail(l.error);
    if (l.node == nullptr)
        return Fail(kFileNotFound);
    if (!l.node->folder)
        return Fail(kDirectory);
    if (l.parent == top_.get())
        return Fail(kAccessDenied);  // a drive's root
    if (!l.node->children.empty())
        return Fail(kDirNotEmpty);
    if (std::uint32_t e = FaultFor(path, fopRemoveDir))
        return Fail(e);
    Remove(path);
    return true;
}

bool SimFiles::CopyFileTo(std::string_view source, std::string_view target, bool failIfExists) {
    Lookup s = Find(source);
    if (s.error != 0)
        return Fail(s.error);
    if (s.node == nullptr)
        return Fail(kFileNotFound);
    if (s.node->folder)
        return Fail(kAccessDenied);
    if (std::uint32_t e = FaultFor(source, fopCopyFrom))
        return Fail(e);
    Lookup t = Find(target);
    if (t.error != 0)
        return Fail(t.error);
    if (t.parent == top_.get())
        return Fail(t.node ? kAccessDenied : kPathNotFound);
    if (t.node != nullptr) {
        if (t.node->folder)
            return Fail(kAccessDenied);
        if (t.node == s.node)
            return Fail(kSharingViolation);  // the file is open as the source
        if (failIfExists)
            return Fail(kFileExists);
        if ((t.node->attributes & os::faReadOnly) != 0)
            return Fail(kAccessDenied);
    }
    if (std::uint32_t e = FaultFor(target, fopCopyOnto))
        return Fail(e);
    Node* file = t.node;
    if (file == nullptr) {
        if (t.trailing)
            return Fail(kInvalidName);
        auto created = std::make_unique<Node>();
        created->name = Resolve(target).parts.back();
        file = created.get();
        t.parent->children.push_back(std::move(created));
    }
    // The copy takes the source's contents and attributes; an existing
    // target keeps the spelling of its name.
    file->contents = s.node->contents;
    file->attributes = s.node->attributes;
    return true;
}

bool SimFiles::DeleteFileAt(std::string_view path) {
    Lookup l = Find(path);
    if (l.error != 0)
        return Fail(l.error);
    if (l.node == nullptr)
        return Fail(kFileNotFound);
    if (l.node->folder)
        return Fail(kAccessDenied);
    if ((l.node->attributes & os::faReadOnly) != 0)
        return Fail(kAccessDenied);
    if (std::uint32_t e = FaultFor(path, fopDelete))
        return Fail(e);
    Remove(path);
    return true;
}

std::optional<std::uint32_t> SimFiles::GetAttributes(std::string_view path) {
    Lookup l = Find(path);
    if (l.error != 0) {
        Fail(l.error);
        return std::nullopt;
    }
    if (l.node == nullptr) {
        Fail(kFileNotFound);
        return std::nullopt;
    }
    return l.node->attributes;
}

bool SimFiles::SetAttributes(std::string_view path, std::uint32_t attributes) {
    Lookup l = Find(path);
    if (l.error != 0)
        return Fail(l.error);
    if (l.node == nullptr)
        return Fail(kFileNotFound);
    if (std::uint32_t e = FaultFor(path, fopSetAttributes))
        return Fail(e);
    if (l.node->folder) {
        l.node->attributes = (attributes & ~static_cast<std::uint32_t>(os::faNormal)) |
                             static_cast<std::uint32_t>(os::faDirectory);
    } else {
        l.node->attributes = FileAttributes(attributes);
    }
    return true;
}

bool SimFiles::OpenExclusive(std::string_view path) {
    return ReadWholeFile(path).has_value();
}

std::optional<std::string> SimFiles::ReadWholeFile(std::string_view path) {
    Lookup l = Find(path);
    std::uint32_t error = l.error;
    if (error == 0 && l.node == nullptr)
        error = kFileNotFound;
    if (error == 0 && l.node->folder)
        error = kAccessDenied;
    if (error == 0)
        error = FaultFor(path, fopOpen);
    if (error != 0) {
        Fail(error);
        return std::nullopt;
    }
    return l.node->contents;
}

bool SimFiles::WriteWholeFile(std::string_view path, std::string_view contents) {
    Lookup l = Find(path);
    if (l.error != 0)
        return Fail(l.error);
    if (l.parent == top_.get())
        return Fail(l.node ? kAccessDenied : kPathNotFound);
    if (l.node != nullptr) {
        if (l.node->folder)
            return Fail(kAccessDenied);
        if ((l.node->attributes & os::faReadOnly) != 0)
            return Fail(kAccessDenied);
    }
    if (std::uint32_t e = FaultFor(path, fopWrite))
        return Fail(e);
    Node* file = l.node;
    if (file == nullptr) {
        if (l.trailing)
            return Fail(kInvalidName);
        auto created = std::make_unique<Node>();
        created->name = Resolve(path).parts.back();
        created->attributes = os::faArchive;
        file = created.get();
        l.parent->children.push_back(std::move(created));
    } else {
        file->attributes = FileAttributes(file->attributes | os::faArchive);
    }
    file->contents = contents;
    return true;
}

}  // namespace sim
