#include "platform/stream/Writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

#include "platform/core/Collection.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TypeInfo.h"
#include "platform/core/Variant.h"

namespace {

// Longest run of text in one string piece before the writer continues the
// string with '+' on the next line.
constexpr std::size_t kStringPieceLength = 64;
constexpr std::size_t kBinaryBytesPerLine = 32;

// A string as quoted pieces: printable text in quotes, control characters as
// #nn, long texts split into several pieces (never inside a UTF-8 sequence).
std::vector<std::string> StringPieces(const std::string& s) {
    std::vector<std::string> pieces;
    std::string current;
    bool quoted = false;
    auto closeQuote = [&] {
        if (quoted)
            current += '\'';
        quoted = false;
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < 32 || b == 127) {
            closeQuote();
            current += '#' + IntToStr(b);
        } else {
            if (!quoted)
                current += '\'';
            quoted = true;
            if (b == '\'')
                current += '\'';
            current += static_cast<char>(b);
        }
        bool continuation =
            i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80;
        if (current.size() >= kStringPieceLength && i + 1 < s.size() && !continuation) {
            closeQuote();
            pieces.push_back(std::move(current));
            current.clear();
        }
    }
    closeQuote();
    if (current.empty())
        current = "''";
    pieces.push_back(std::move(current));
    return pieces;
}

std::string SetText(const TEnumInfo& info, std::uint32_t mask) {
    std::string text = "[";
    for (std::size_t i = 0; i < info.names.size() && i < 32; ++i) {
        if ((mask & (1u << i)) == 0)
            continue;
        if (text.size() > 1)
            text += ", ";
        text += info.names[i];
    }
    return text + "]";
}

}  // namespace

struct TWriter::Impl {
    explicit Impl(TWriter& writer) : self(writer) {}

    TWriter& self;
    std::string out;
    TComponent* root = nullptr;
    std::string prefix;            // dotted path of the sub-object being written
    int column = 0;                // column of the property lines
    std::vector<int> listColumns;  // column of the values in each open list
    std::set<const TComponent*> written;
    std::vector<const TPersistent*> path;  // objects being written, against cycles

    void NewLine(int col) {
        if (!out.empty())
            out += '\n';
        out.append(static_cast<std::size_t>(col), ' ');
    }

    void BeginProperty(const std::string& name) {
        NewLine(column);
        out += prefix + name + " =";
        listColumns.clear();
    }

    // Places a value: on its own line inside a list, else after "Name =".
    // Returns the column the value is aligned to.
    int Emit(const std::string& token) {
        if (!listColumns.empty()) {
            NewLine(listColumns.back());
            out += token;
            return listColumns.back();
        }
        out += ' ';
        out += token;
        return column;
    }

    struct State {
        std::string prefix;
        int column;
        std::vector<int> listColumns;
    };
    State Save() const { return {prefix, column, listColumns}; }
    void Load(State s) {
        prefix = std::move(s.prefix);
        column = s.column;
        listColumns = std::move(s.listColumns);
    }

    std::string ReferenceName(const TComponent* c) const {
        if (c->Name().empty())
            return "";
        if (c == root || c->Owner() == root)
            return c->Name();
        if (c->Owner() != nullptr && !c->Owner()->Name().empty()) {
            return c->Owner()->Name() + "." + c->Name();
        }
        return "";
    }

    void WriteComponent(TComponent& component, int col) {
        written.insert(&component);
        NewLine(col);
        out += "object ";
        if (!component.Name().empty())
            out += component.Name() + ": ";
        out += component.ClassName();
        State saved = Save();
        prefix.clear();
        column = col + 2;
        listColumns.clear();
        WriteProperties(component);
        component.GetChildren(
            [&](TComponent* child) {
                if (child != nullptr && written.count(child) == 0)
                    WriteComponent(*child, col + 2);
            },
            root);
        Load(std::move(saved));
        NewLine(col);
        out += "end";
    }

    // Published properties, then defined ones, at the current prefix.
    void WriteProperties(TPersistent& object) {
        if (std::find(path.begin(), path.end(), &object) != path.end())
            return;
        path.push_back(&object);
        for (const TPropInfo* prop : object.ClassType().Properties())
            WriteProperty(object, *prop);
        object.DefineProperties(self);
        path.pop_back();
    }

    void WriteProperty(TPersistent& object, const TPropInfo& prop) {
        if (!prop.Readable() || !prop.IsStored(object))
            return;
        // A value the reader could not set back is not written; sub-objects
        // and collections are read into the existing object instead.
        if (prop.kind != TTypeKind::tkClass && !prop.Writable())
            return;
        switch (prop.kind) {
            case TTypeKind::tkInteger:
            case TTypeKind::tkInt64: {
                std::int64_t value = prop.getOrd(object);
                std::string ident;
                BeginProperty(prop.name);
                Emit(IntegerToIdent(prop.typeName, value, ident) ? ident : IntToStr(value));
                return;
            }
            case TTypeKind::tkChar:
            case TTypeKind::tkWChar:
                BeginProperty(prop.name);
                self.WriteString(std::string(1, static_cast<char>(prop.getOrd(object))));
                return;
            case TTypeKind::tkEnumeration: {
                std::int64_t value = prop.getOrd(object);
                BeginProperty(prop.name);
                Emit(prop.enumInfo != nullptr ? prop.enumInfo->NameOf(value) : IntToStr(value));
                return;
            }
            case TTypeKind::tkSet:
                if (prop.enumInfo == nullptr)
                    return;
                BeginProperty(prop.name);
                Emit(SetText(*prop.enumInfo, static_cast<std::uint32_t>(prop.getOrd(object))));
                return;
            case TTypeKind::tkString:
            case TTypeKind::tkLString:
            case TTypeKind::tkWString: {
                std::string value = prop.getStr(object);
                if (value.empty())
                    return;
                BeginProperty(prop.name);
                self.WriteString(value);
                return;
            }
            case TTypeKind::tkClass:
                WriteObjectProperty(object, prop);
                return;
            case TTypeKind::tkMethod: {
                TMethod method = prop.getMethod(object);
                if (!method || method.name.empty())
                    return;
                BeginProperty(prop.name);
                Emit(method.name);
                return;
            }
            default:
                return;
        }
    }

    void WriteObjectProperty(TPersistent& object, const TPropInfo& prop) {
        TObject* value = prop.getObj(object);
        if (value == nullptr)
            return;
        if (auto* component = dynamic_cast<TComponent*>(value)) {
            std::string name = ReferenceName(component);
            if (name.empty() || !prop.Writable())
                return;
            BeginProperty(prop.name);
            Emit(name);
        } else if (auto* collection = dynamic_cast<TCollection*>(value)) {
            if (collection->Count() == 0)
                return;
            BeginProperty(prop.name);
            self.WriteCollection(*collection);
        } else if (auto* persistent = dynamic_cast<TPersistent*>(value)) {
            State saved = Save();
            prefix += prop.name + ".";
            WriteProperties(*persistent);
            Load(std::move(saved));
        }
    }
};

TWriter::TWriter() : impl_(std::make_unique<Impl>(*this)) {}

TWriter::~TWriter() = default;

void TWriter::WriteRootComponent(TComponent& root) {
    impl_->root = &root;
    impl_->WriteComponent(root, 0);
    impl_->out += '\n';
}

std::string TWriter::Text() const {
    return impl_->out;
}

void TWriter::WriteListBegin() {
    int col = impl_->Emit("(");
    impl_->listColumns.push_back(col + 2);
}

void TWriter::WriteListEnd() {
    impl_->out += ')';
    if (!impl_->listColumns.empty())
        impl_->listColumns.pop_back();
}

void TWriter::WriteString(const std::string& value) {
    std::vector<std::string> pieces = StringPieces(value);
    int col = impl_->Emit(pieces[0]);
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        impl_->out += " +";
        impl_->NewLine(col + 2);
        impl_->out += pieces[i];
    }
}

void TWriter::WriteInteger(std::int64_t value) {
    impl_->Emit(IntToStr(value));
}

void TWriter::WriteBoolean(bool value) {
    impl_->Emit(value ? "True" : "False");
}

void TWriter::WriteFloat(double value) {
    if (!std::isfinite(value))
        throw EStreamError("Invalid floating point value");
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    // Keep it a float for the reader: "2" would read back as an integer.
    if (text.find_first_of(".eE") == std::string::npos)
        text += ".0";
    impl_->Emit(text);
}

void TWriter::WriteIdent(const std::string& ident) {
    impl_->Emit(ident);
}

void TWriter::WriteBinary(const std::vector<std::uint8_t>& data) {
    if (data.empty()) {
        impl_->Emit("{}");
        return;
    }
    static const char kHex[] = "0123456789ABCDEF";
    int col = impl_->Emit("{");
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i % kBinaryBytesPerLine == 0)
            impl_->NewLine(col + 2);
        impl_->out += kHex[data[i] >> 4];
        impl_->out += kHex[data[i] & 0x0F];
    }
    impl_->out += '}';
}

void TWriter::WriteCollection(const TCollection& collection) {
    if (collection.Count() == 0) {
        impl_->Emit("<>");
        return;
    }
    int itemColumn = impl_->Emit("<") + 2;
    for (int i = 0; i < collection.Count(); ++i) {
        impl_->NewLine(itemColumn);
        impl_->out += "item";
        Impl::State saved = impl_->Save();
        impl_->prefix.clear();
        impl_->column = itemColumn + 2;
        impl_->listColumns.clear();
        impl_->WriteProperties(*collection.Items(i));
        impl_->Load(std::move(saved));
        impl_->NewLine(itemColumn);
        impl_->out += "end";
    }
    impl_->out += '>';
}

void TWriter::DefineProperty(const std::string& name, const std::function<void(TReader&)>&,
                             const std::function<void(TWriter&)>& write, bool hasData) {
    if (!hasData || !write)
        return;
    impl_->BeginProperty(name);
    write(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name,
                                   const std::function<void(const std::vector<std::uint8_t>&)>&,
                                   const std::function<std::vector<std::uint8_t>()>& write,
                                   bool hasData) {
    if (!hasData || !write)
        return;
    impl_->BeginProperty(name);
    WriteBinary(write());
}

std::string ComponentToText(TComponent& root) {
    TWriter writer;
    writer.WriteRootComponent(root);
    return writer.Text();
}
