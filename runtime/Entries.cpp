#include "runtime/Entries.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "runtime/ClassInfo.h"
#include "runtime/Helpers.h"

namespace {

const bool registered = UnitVersion("runtime/Entries.cpp 3.0");

constexpr std::uint32_t Bit(TSubType t) {
    return 1u << t;
}

std::string JoinPath(const std::string& prefix, const std::string& name) {
    return prefix.empty() ? name : prefix + "." + name;
}

}  // namespace

const TEnumInfo& SubTypeEnumInfo() {
    static const TEnumInfo info{"TSubType", {"stPubPropObject", "stCollectionItems", "stStrings"}};
    return info;
}

// ---- TPropItem ----------------------------------------------------------------------

const TClassType& TPropItem::StaticClass() {
    static const TClassType type =
        TClassType::Define<TPropItem, TCollectionItem>("TPropItem")
            .Property(Prop<TPropItem>::Str("Name", &TPropItem::Name, &TPropItem::SetName))
            .Property(Prop<TPropItem>::Enum<TTypeKind>("Kind", TypeKindEnumInfo(), &TPropItem::Kind,
                                                       &TPropItem::SetKind, std::nullopt));
    return type;
}

void TPropItem::SetName(const std::string& name) {
    if (name == name_)
        return;
    name_ = name;
    Changed(false);
}

void TPropItem::SetKind(TTypeKind kind) {
    if (kind == kind_)
        return;
    kind_ = kind;
    Changed(false);
}

void TPropItem::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TPropItem*>(&source)) {
        name_ = other->name_;
        kind_ = other->kind_;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

// ---- TPropItems ---------------------------------------------------------------------

const TClassType& TPropItems::StaticClass() {
    static const TClassType type = TClassType::Define<TPropItems, TOwnedCollection>("TPropItems");
    return type;
}

TPropItems::TPropItems(TCustomEntry* owner)
    : TOwnedCollection(owner, TPropItem::StaticClass(),
                       [](TCollection* c) { return std::make_unique<TPropItem>(c); }) {}

void TPropItems::Update(TCollectionItem*) {
    if (auto* entry = dynamic_cast<TCustomEntry*>(GetOwner()))
        entry->EntryChanged();
}

// ---- TCustomEntry -------------------------------------------------------------------

const TClassType& TCustomEntry::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCustomEntry, TCollectionItem>("TCustomEntry");
    return type;
}

TCustomEntry::TCustomEntry(TCollection* collection, int level)
    : TCollectionItem(collection),
      props_(std::make_unique<TPropItems>(this)),
      items_(std::make_unique<TSubEntries>(this, level + 1)),
      level_(level) {}

TCustomEntry::~TCustomEntry() = default;

void TCustomEntry::SetSubType(TSubTypes subType) {
    if (subType == subType_)
        return;
    subType_ = subType;
    EntryChanged();
}

void TCustomEntry::EntryChanged() {
    if (auto* parent =
            Collection() ? dynamic_cast<TCustomEntry*>(Collection()->GetOwner()) : nullptr) {
        parent->EntryChanged();
    }
}

void TCustomEntry::AssignEntry(const TCustomEntry& source) {
    props_->Assign(*source.props_);
    items_->Assign(*source.items_);
    subType_ = source.subType_;
    EntryChanged();
}

// ---- TSubEntry / TSubEntries ----------------------------------------------------------

const TClassType& TSubEntry::StaticClass() {
    static const TClassType type =
        TClassType::Define<TSubEntry, TCustomEntry>("TSubEntry")
            .Property(Prop<TSubEntry>::Str("Name", &TSubEntry::Name, &TSubEntry::SetName))
            .Property(Prop<TSubEntry>::Object<TPropItems>("Props", &TSubEntry::Props, nullptr))
            .Property(Prop<TSubEntry>::Object<TSubEntries>("Items", &TSubEntry::Items, nullptr))
            .Property(Prop<TSubEntry>::SetOf("SubType", SubTypeEnumInfo(), "TSubTypes",
                                             &TSubEntry::SubType, &TSubEntry::SetSubType,
                                             std::nullopt));
    return type;
}

void TSubEntry::SetName(const std::string& name) {
    if (name == name_)
        return;
    name_ = name;
    EntryChanged();
}

void TSubEntry::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TSubEntry*>(&source)) {
        name_ = other->name_;
        AssignEntry(*other);
        return;
    }
    TCustomEntry::Assign(source);
}

const TClassType& TSubEntries::StaticClass() {
    static const TClassType type = TClassType::Define<TSubEntries, TOwnedCollection>("TSubEntries");
    return type;
}

TSubEntries::TSubEntries(TCustomEntry* owner, int level)
    : TOwnedCollection(owner, TSubEntry::StaticClass(),
                       [level](TCollection* c) { return std::make_unique<TSubEntry>(c, level); }) {}

void TSubEntries::Update(TCollectionItem*) {
    if (auto* entry = dynamic_cast<TCustomEntry*>(GetOwner()))
        entry->EntryChanged();
}

// ---- TPropertyEntry -----------------------------------------------------------------

const TClassType& TPropertyEntry::StaticClass() {
    static const TClassType type = TClassType::Define<TPropertyEntry, TObject>("TPropertyEntry");
    return type;
}

TPropertyEntry::TPropertyEntry(TComponentEntry& entry, std::vector<Step> steps,
                               std::string property, std::string path, std::string typDef,
                               int level)
    : entry_(&entry),
      steps_(std::move(steps)),
      property_(std::move(property)),
      path_(std::move(path)),
      typDef_(std::move(typDef)),
      level_(level) {}

TObject& TPropertyEntry::Resolve() const {
    TObject* object = entry_->GetRef();
    if (object == nullptr)
        throw EPropertyError(path_ + ": the entry has no component");
    for (const Step& step : steps_) {
        if (!step.property.empty()) {
            const TPropInfo* info = object->ClassType().FindProperty(step.property);
            if (info == nullptr || !info->getObj) {
                throw EPropertyError(path_ + ": " + object->ClassName() + " has no sub-object " +
                                     step.property);
            }
            object = info->getObj(*object);
        } else {
            auto* collection = dynamic_cast<TCollection*>(object);
            if (collection == nullptr || step.item >= collection->Count()) {
                throw EPropertyError(path_ + ": item " + IntToStr(step.item) + " does not exist");
            }
            object = collection->Items(step.item);
        }
        if (object == nullptr)
            throw EPropertyError(path_ + ": a sub-object is not assigned");
    }
    return *object;
}

Variant TPropertyEntry::GetValue() const {
    TObject& object = Resolve();
    if (property_.empty())
        return Variant(dynamic_cast<TStrings&>(object).CommaText());
    const TPropInfo* info = object.ClassType().FindProperty(property_);
    if (info == nullptr)
        throw EPropertyError(path_ + ": no such property");
    return info->GetValue(object);
}

void TPropertyEntry::SetValue(const Variant& value) {
    TObject& object = Resolve();
    if (property_.empty()) {
        dynamic_cast<TStrings&>(object).SetCommaText(value.ToString());
        return;
    }
    const TPropInfo* info = object.ClassType().FindProperty(property_);
    if (info == nullptr)
        throw EPropertyError(path_ + ": no such property");
    info->SetValue(object, value);
}

// ---- TComponentEntry ----------------------------------------------------------------

const TClassType& TComponentEntry::StaticClass() {
    static const TClassType type =
        TClassType::Define<TComponentEntry, TCustomEntry>("TComponentEntry")
            .Property(Prop<TComponentEntry>::Object<TComponent>("Ref", &TComponentEntry::GetRef,
                                                                &TComponentEntry::SetRef))
            .Property(Prop<TComponentEntry>::Object<TPropItems>("Props", &TComponentEntry::Props,
                                                                nullptr))
            .Property(Prop<TComponentEntry>::Object<TSubEntries>("Items", &TComponentEntry::Items,
                                                                 nullptr))
            .Property(Prop<TComponentEntry>::SetOf("SubType", SubTypeEnumInfo(), "TSubTypes",
                                                   &TComponentEntry::SubType,
                                                   &TComponentEntry::SetSubType, std::nullopt));
    return type;
}

TComponentEntry::~TComponentEntry() = default;

void TComponentEntry::SetRef(TComponent* component) {
    if (component == ref_)
        return;
    ref_ = component;
    EntryChanged();
}

std::string TComponentEntry::DisplayName() const {
    return ref_ != nullptr && !ref_->Name().empty() ? ref_->Name() : ClassName();
}

void TComponentEntry::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TComponentEntry*>(&source)) {
        ref_ = other->ref_;
        AssignEntry(*other);
        return;
    }
    TCustomEntry::Assign(source);
}

void TComponentEntry::EntryChanged() {
    prepared_ = false;
}

void TComponentEntry::AddEntry(std::unique_ptr<TPropertyEntry> entry) {
    for (const auto& existing : properties_) {
        if (SameText(existing->Path(), entry->Path()))
            return;
    }
    properties_.push_back(std::move(entry));
}

void TComponentEntry::AddProperty(TObject& object, const TPropItem& item,
                                  const std::vector<TPropertyEntry::Step>& steps,
                                  const std::string& prefix, int level) {
    const TPropInfo* info = object.ClassType().FindProperty(item.Name());
    if (info == nullptr) {
        throw EPropertyError(object.ClassName() + " has no property '" + item.Name() + "'");
    }
    if (!info->Readable() || !(info->IsOrdinal() || info->IsString())) {
        throw EPropertyError("Property " + object.ClassName() + "." + info->name +
                             " cannot be kept as a value");
    }
    if (item.Kind() != TTypeKind::tkUnknown && item.Kind() != info->kind) {
        throw EPropertyError("Property " + object.ClassName() + "." + info->name + " is of kind " +
                             TypeKindEnumInfo().NameOf(static_cast<int>(info->kind)) + ", not " +
                             TypeKindEnumInfo().NameOf(static_cast<int>(item.Kind())));
    }
    AddEntry(std::unique_ptr<TPropertyEntry>(new TPropertyEntry(
        *this, steps, info->name, JoinPath(prefix, info->name), TypeDescription(*info), level)));
}

void TComponentEntry::Build(TObject& object, const TCustomEntry& entry,
                            const std::vector<TPropertyEntry::Step>& steps,
                            const std::string& prefix, const std::string& stringsType) {
    if (entry.Level() > kMaxEntryLevel)
        throw EPropertyError("Entries are nested too deeply");
    const TSubTypes sub = entry.SubType();
    const bool perItem = (sub & Bit(stCollectionItems)) != 0;

    // A sub-entry below the object (or below an item of it).
    auto buildSub = [&](TObject& parent, const TSubEntry& child,
                        const std::vector<TPropertyEntry::Step>& at, const std::string& path) {
        const TPropInfo* info = parent.ClassType().FindProperty(child.Name());
        if (info == nullptr || info->kind != TTypeKind::tkClass || !info->getObj) {
            throw EPropertyError(parent.ClassName() + " has no sub-object '" + child.Name() + "'");
        }
        TObject* childObject = info->getObj(parent);
        std::string childPath = JoinPath(path, info->name);
        if (childObject == nullptr)
            throw EPropertyError(childPath + " is not assigned");
        std::vector<TPropertyEntry::Step> childSteps = at;
        childSteps.push_back({info->name, -1});
        Build(*childObject, child, childSteps, childPath, info->typeName);
    };

    if ((sub & Bit(stPubPropObject)) != 0) {
        for (int i = 0; i < entry.Props()->Count(); ++i) {
            AddProperty(object, *entry.Props()->GetItem(i), steps, prefix, entry.Level());
        }
    }
    if (perItem) {
        auto* collection = dynamic_cast<TCollection*>(&object);
        if (collection == nullptr) {
            throw EPropertyError((prefix.empty() ? object.ClassName() : prefix) +
                                 " is not a collection");
        }
        for (int k = 0; k < collection->Count(); ++k) {
            std::vector<TPropertyEntry::Step> itemSteps = steps;
            itemSteps.push_back({"", k});
            std::string itemPath = prefix + "[" + IntToStr(k) + "]";
            TCollectionItem& item = *collection->Items(k);
            for (int i = 0; i < entry.Props()->Count(); ++i) {
                AddProperty(item, *entry.Props()->GetItem(i), itemSteps, itemPath, entry.Level());
            }
            for (int i = 0; i < entry.Items()->Count(); ++i) {
                buildSub(item, *entry.Items()->GetItem(i), itemSteps, itemPath);
            }
        }
    }
    if ((sub & Bit(stStrings)) != 0) {
        if (prefix.empty() || dynamic_cast<TStrings*>(&object) == nullptr) {
            throw EPropertyError((prefix.empty() ? object.ClassName() : prefix) +
                                 " is not a string list");
        }
        AddEntry(std::unique_ptr<TPropertyEntry>(
            new TPropertyEntry(*this, steps, "", prefix, stringsType, entry.Level())));
    }
    if (!perItem) {
        for (int i = 0; i < entry.Items()->Count(); ++i) {
            buildSub(object, *entry.Items()->GetItem(i), steps, prefix);
        }
    }
}

void TComponentEntry::Prepare() {
    for (auto& p : properties_)
        retired_.push_back(std::move(p));
    properties_.clear();
    error_.clear();
    prepared_ = true;
    try {
        if (ref_ == nullptr) {
            throw EPropertyError("Entry " + IntToStr(Index()) + " has no component");
        }
        Build(*ref_, *this, {}, "", "");
    } catch (const Exception& e) {
        for (auto& p : properties_)
            retired_.push_back(std::move(p));
        properties_.clear();
        error_ = (ref_ != nullptr ? ref_->Name() + ": " : std::string()) + e.Message();
    }
}

// ---- TComponentEntries ---------------------------------------------------------------

const TClassType& TComponentEntries::StaticClass() {
    static const TClassType type =
        TClassType::Define<TComponentEntries, TOwnedCollection>("TComponentEntries");
    return type;
}

TComponentEntries::TComponentEntries(TComponent* owner, int level)
    : TOwnedCollection(
          owner, TComponentEntry::StaticClass(),
          [level](TCollection* c) { return std::make_unique<TComponentEntry>(c, level); }),
      level_(level) {}

void TComponentEntries::Notification(TComponent* component, TOperation operation) {
    if (operation != TOperation::opRemove || component == nullptr)
        return;
    for (int i = 0; i < Count(); ++i) {
        if (GetItem(i)->GetRef() == component)
            GetItem(i)->SetRef(nullptr);
    }
}

// ---- TMainEntries / TMainEntry -------------------------------------------------------

void TMainEntries::Init(TComponentEntries& entries) {
    for (int i = 0; i < entries.Count(); ++i) {
        TComponentEntry& entry = *entries.GetItem(i);
        entry.properties_.clear();
        entry.retired_.clear();
        entry.Prepare();
    }
}

void TMainEntry::MoveSubItemsToStrings(TComponentEntry& entry, bool recursive, TStrings& list) {
    if (!entry.prepared_)
        entry.Prepare();
    if (!entry.error_.empty())
        throw EPropertyError(entry.error_);
    for (const auto& property : entry.properties_) {
        if (recursive || property->level_ == entry.Level()) {
            list.AddObject(property->Path(), property.get());
        }
    }
}
