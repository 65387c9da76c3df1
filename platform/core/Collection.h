#pragma once
// Collections: an owned, ordered list of items of one item class, stored in
// form descriptions as "Prop = < item ... end >". Items publish their own
// properties through their class tables.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Object.h"

class TCollection;

class TCollectionItem : public TPersistent {
    PF_CLASS(TCollectionItem)
  public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    int Index() const;
    void SetIndex(int index);
    int ID() const { return id_; }
    virtual std::string DisplayName() const;
    TPersistent* GetOwner() const override;

  protected:
    // Tells the collection that this item changed (all: the whole collection).
    void Changed(bool all);

  private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

class TCollection : public TPersistent {
    PF_CLASS(TCollection)
  public:
    using ItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection*)>;

    // itemClass names the item class; factory creates one (without adding it).
    TCollection(const TClassType& itemClass, ItemFactory factory);
    ~TCollection() override;

    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const;  // EListError when out of range
    TCollectionItem* GetItem(int index) const { return Items(index); }
    const TClassType& ItemClass() const { return *itemClass_; }

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate();
    void EndUpdate();
    void Assign(const TPersistent& source) override;

    // Called after an item was added, removed or changed; null means every
    // item. Descendants apply the change (a button bar re-lays out its buttons).
    virtual void Update(TCollectionItem* item);

  protected:
    int UpdateCount() const { return updateCount_; }

  private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void Changed();

    const TClassType* itemClass_;
    ItemFactory factory_;
    std::vector<TCollectionItem*> items_;  // owned
    int nextId_ = 0;
    int updateCount_ = 0;
    bool clearing_ = false;
};

// A collection whose owner (for name paths and notifications) is a persistent.
class TOwnedCollection : public TCollection {
    PF_CLASS(TOwnedCollection)
  public:
    TOwnedCollection(TPersistent* owner, const TClassType& itemClass, ItemFactory factory)
        : TCollection(itemClass, std::move(factory)), owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }

  private:
    TPersistent* owner_;
};
