#include "platform/core/Collection.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/Update.h"

const TClassType& TCollectionItem::StaticClass() {
    static const TClassType type =
        TClassType::Define<TCollectionItem, TPersistent>("TCollectionItem");
    return type;
}

TCollectionItem::TCollectionItem(TCollection* collection) : collection_(collection) {}

TCollectionItem::~TCollectionItem() {
    if (collection_ != nullptr)
        collection_->RemoveItem(this);
}

int TCollectionItem::Index() const {
    if (collection_ == nullptr)
        return -1;
    auto& items = collection_->items_;
    auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    int current = Index();
    if (collection_ == nullptr || current < 0 || index == current)
        return;
    auto& items = collection_->items_;
    if (index < 0 || index >= static_cast<int>(items.size())) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

TPersistent* TCollectionItem::GetOwner() const {
    return collection_;
}

void TCollectionItem::Changed(bool all) {
    if (collection_ != nullptr && collection_->updateCount_ == 0) {
        collection_->Update(all ? nullptr : this);
    }
}

// ---- TCollection -----------------------------------------------------------------

const TClassType& TCollection::StaticClass() {
    static const TClassType type = TClassType::Define<TCollection, TPersistent>("TCollection");
    return type;
}

const TClassType& TOwnedCollection::StaticClass() {
    static const TClassType type =
        TClassType::Define<TOwnedCollection, TCollection>("TOwnedCollection");
    return type;
}

TCollection::TCollection(const TClassType& itemClass, ItemFactory factory)
    : itemClass_(&itemClass), factory_(std::move(factory)) {}

TCollection::~TCollection() {
    updateCount_ = 1;  // no updates while tearing down
    clearing_ = true;
    while (!items_.empty()) {
        TCollectionItem* last = items_.back();
        items_.pop_back();
        last->collection_ = nullptr;
        delete last;
    }
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    return items_[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::Add() {
    std::unique_ptr<TCollectionItem> item = factory_(this);
    TCollectionItem* raw = item.release();
    InsertItem(raw);
    return raw;
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) {
    delete Items(index);
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    WithUpdate(*this, [&] {
        while (!items_.empty())
            delete items_.back();
    });
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_) {
        if (item->id_ == id)
            return item;
    }
    return nullptr;
}

void TCollection::InsertItem(TCollectionItem* item) {
    item->collection_ = this;
    item->id_ = nextId_++;
    items_.push_back(item);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->collection_ = nullptr;
    if (!clearing_)
        Changed();
}

void TCollection::BeginUpdate() {
    ++updateCount_;
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TCollection*>(&source)) {
        if (other == this)
            return;
        WithUpdate(*this, [&] {
            Clear();
            for (TCollectionItem* item : other->items_)
                Add()->Assign(*item);
        });
        return;
    }
    TPersistent::Assign(source);
}
