#include "platform/core/Strings.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/Filer.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Update.h"
#include "platform/stream/Reader.h"
#include "platform/stream/Writer.h"

const TClassType& TStrings::StaticClass() {
    static const TClassType type = TClassType::Define<TStrings, TPersistent>("TStrings");
    return type;
}

void TStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
}

TObject* TStrings::ObjectAt(int) const {
    return nullptr;
}

void TStrings::Put(int index, const std::string& s) {
    TObject* object = ObjectAt(index);
    WithUpdate(*this, [&] {
        Delete(index);
        InsertObject(index, s, object);
    });
}

void TStrings::SetObjectAt(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    SetObjectAt(index, object);
}

int TStrings::Add(const std::string& s) {
    int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    int index = Add(s);
    SetObjectAt(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& other) {
    WithUpdate(*this, [&] {
        // Counted first: adding a list to itself doubles it instead of running on.
        const int count = other.Count();
        for (int i = 0; i < count; ++i)
            AddObject(other.Get(i), other.ObjectAt(i));
    });
}

void TStrings::Move(int from, int to) {
    if (from == to)
        return;
    WithUpdate(*this, [&] {
        std::string s = Get(from);
        TObject* object = ObjectAt(from);
        Delete(from);
        InsertObject(to, s, object);
    });
}

void TStrings::Exchange(int a, int b) {
    WithUpdate(*this, [&] {
        std::string sa = Get(a);
        TObject* oa = ObjectAt(a);
        Put(a, Get(b));
        SetObjectAt(a, ObjectAt(b));
        Put(b, sa);
        SetObjectAt(b, oa);
    });
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameText(Get(i), s))
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i) {
        if (ObjectAt(i) == object)
            return i;
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(const std::string& text) {
    WithUpdate(*this, [&] {
        Clear();
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find_first_of("\r\n", start);
            if (end == std::string::npos) {
                Add(text.substr(start));
                break;
            }
            Add(text.substr(start, end - start));
            start = end + 1;
            if (text[end] == '\r' && start < text.size() && text[start] == '\n')
                ++start;
        }
    });
}

std::string TStrings::CommaText() const {
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        bool quote = s.empty() || s.find_first_of(" ,\"") != std::string::npos ||
                     std::any_of(s.begin(), s.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 32; });
        if (i > 0)
            text += ',';
        if (quote) {
            text += '"';
            for (char c : s) {
                if (c == '"')
                    text += '"';
                text += c;
            }
            text += '"';
        } else {
            text += s;
        }
    }
    return text;
}

void TStrings::SetCommaText(const std::string& text) {
    WithUpdate(*this, [&] {
        Clear();
        std::size_t i = 0;
        auto skipBlanks = [&] {
            while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32)
                ++i;
        };
        skipBlanks();
        while (i < text.size()) {
            std::string item;
            if (text[i] == '"') {
                ++i;
                while (i < text.size()) {
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            item += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    item += text[i++];
                }
            } else {
                while (i < text.size() && text[i] != ',' &&
                       static_cast<unsigned char>(text[i]) > 32) {
                    item += text[i++];
                }
            }
            Add(item);
            skipBlanks();
            if (i < text.size() && text[i] == ',') {
                ++i;
                skipBlanks();
            }
        }
    });
}

std::string TStrings::Names(int index) const {
    std::string s = Get(index);
    std::size_t eq = s.find('=');
    return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        std::size_t eq = s.find('=');
        if (eq != std::string::npos && SameText(s.substr(0, eq), name))
            return i;
    }
    return -1;
}

std::string TStrings::Values(const std::string& name) const {
    int i = IndexOfName(name);
    if (i < 0)
        return "";
    std::string s = Get(i);
    return s.substr(s.find('=') + 1);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    if (i < 0) {
        Add(name + "=" + value);
    } else {
        Put(i, name + "=" + value);
    }
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

bool TStrings::Equals(const TStrings& other) const {
    if (Count() != other.Count())
        return false;
    for (int i = 0; i < Count(); ++i) {
        if (Get(i) != other.Get(i))
            return false;
    }
    return true;
}

void TStrings::Assign(const TPersistent& source) {
    if (const auto* strings = dynamic_cast<const TStrings*>(&source)) {
        if (strings == this)
            return;
        WithUpdate(*this, [&] {
            Clear();
            AddStrings(*strings);
        });
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            reader.ReadListBegin();
            WithUpdate(*this, [&] {
                Clear();
                while (!reader.EndOfList())
                    Add(reader.ReadString());
            });
            reader.ReadListEnd();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer.WriteString(Get(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}

// ---- TStringList -----------------------------------------------------------------

const TClassType& TStringList::StaticClass() {
    static const TClassType type = TClassType::Define<TStringList, TStrings>("TStringList");
    return type;
}

TStringList::TStringList(std::initializer_list<std::string> lines) {
    for (const auto& line : lines)
        items_.push_back({line, nullptr});
}

std::string TStringList::Get(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)].text;
}

TObject* TStringList::ObjectAt(int index) const {
    CheckIndex(index, Count());
    return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::Put(int index, const std::string& s) {
    if (sorted_)
        throw EListError("Operation not allowed on sorted string list");
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<std::size_t>(index)].text = s;
    Changed();
}

void TStringList::SetObjectAt(int index, TObject* object) {
    CheckIndex(index, Count());
    Changing();
    items_[static_cast<std::size_t>(index)].object = object;
    Changed();
}

void TStringList::Insert(int index, const std::string& s) {
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    if (sorted_)
        throw EListError("Operation not allowed on sorted string list");
    if (index < 0 || index > Count()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

int TStringList::Add(const std::string& s) {
    if (!sorted_)
        return TStrings::Add(s);
    int index = 0;
    if (Find(s, index)) {
        if (duplicates_ == TDuplicates::dupIgnore)
            return index;
        if (duplicates_ == TDuplicates::dupError) {
            throw EListError("String list does not allow duplicates");
        }
    }
    Changing();
    items_.insert(items_.begin() + index, Item{s, nullptr});
    Changed();
    return index;
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    Changing();
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty())
        return;
    Changing();
    items_.clear();
    Changed();
}

int TStringList::IndexOf(const std::string& s) const {
    if (!sorted_)
        return TStrings::IndexOf(s);
    int index = 0;
    return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::string& s, int& index) const {
    int low = 0;
    int high = Count() - 1;
    bool found = false;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = CompareText(items_[static_cast<std::size_t>(mid)].text, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != TDuplicates::dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::SetSorted(bool sorted) {
    if (sorted_ == sorted)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::Sort() {
    Changing();
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return CompareText(a.text, b.text) < 0; });
    Changed();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating) {
        OnChanging(this);
    } else {
        OnChange(this);
    }
}

void TStringList::Changing() {
    if (!Updating())
        OnChanging(this);
}

void TStringList::Changed() {
    if (!Updating())
        OnChange(this);
}
