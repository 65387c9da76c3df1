// Collections: owned items, ids, order, update notifications, assignment.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Exceptions.h"

namespace {

class TNoteItem : public TCollectionItem {
    PF_CLASS(TNoteItem)
  public:
    using TCollectionItem::TCollectionItem;
    std::string text;
    void SetText(const std::string& t) {
        text = t;
        Changed(false);
    }
    void Assign(const TPersistent& source) override {
        if (const auto* other = dynamic_cast<const TNoteItem*>(&source)) {
            text = other->text;
            return;
        }
        TCollectionItem::Assign(source);
    }
};

const TClassType& TNoteItem::StaticClass() {
    static const TClassType type = TClassType::Define<TNoteItem, TCollectionItem>("TNoteItem");
    return type;
}

// Records every Update: the changed item's text, or "*" for all items.
class TNotes : public TOwnedCollection {
  public:
    explicit TNotes(TPersistent* owner = nullptr)
        : TOwnedCollection(owner, TNoteItem::StaticClass(),
                           [](TCollection* c) { return std::make_unique<TNoteItem>(c); }) {}
    TNoteItem* Note(int i) const { return static_cast<TNoteItem*>(Items(i)); }
    TNoteItem* AddNote(const std::string& text) {
        auto* item = static_cast<TNoteItem*>(Add());
        item->text = text;
        return item;
    }
    std::vector<std::string> updates;
    void Update(TCollectionItem* item) override {
        updates.push_back(item == nullptr ? "*" : static_cast<TNoteItem*>(item)->text);
    }
};

std::vector<std::string> Texts(const TNotes& notes) {
    std::vector<std::string> texts;
    for (int i = 0; i < notes.Count(); ++i)
        texts.push_back(notes.Note(i)->text);
    return texts;
}

TEST(CollectionTest, ItemsKeepTheirOrderIdsAndCollection) {
    TNotes notes;
    TNoteItem* a = notes.AddNote("a");
    TNoteItem* b = notes.AddNote("b");
    TNoteItem* c = notes.AddNote("c");
    EXPECT_EQ(0, a->ID());
    EXPECT_EQ(2, c->ID());
    EXPECT_EQ(&notes, b->Collection());
    EXPECT_EQ(&notes, b->GetOwner());
    EXPECT_EQ(1, b->Index());

    c->SetIndex(0);
    EXPECT_EQ((std::vector<std::string>{"c", "a", "b"}), Texts(notes));
    EXPECT_THROW(c->SetIndex(3), EListError);

    notes.Delete(1);  // frees a
    EXPECT_EQ((std::vector<std::string>{"c", "b"}), Texts(notes));
    EXPECT_EQ(nullptr, notes.FindItemID(0));
    EXPECT_EQ(b, notes.FindItemID(1));
    // Ids are never reused.
    EXPECT_EQ(3, notes.AddNote("d")->ID());

    auto* inserted = static_cast<TNoteItem*>(notes.Insert(0));
    EXPECT_EQ(0, inserted->Index());
    EXPECT_THROW(notes.Items(9), EListError);
    EXPECT_THROW(notes.Items(-1), EListError);
}

TEST(CollectionTest, AnItemFreedDirectlyLeavesItsCollection) {
    TNotes notes;
    notes.AddNote("a");
    TNoteItem* b = notes.AddNote("b");
    notes.AddNote("c");
    delete b;
    EXPECT_EQ((std::vector<std::string>{"a", "c"}), Texts(notes));
}

TEST(CollectionTest, UpdatesComeOncePerBatchAndPerChangedItem) {
    TNotes notes;
    notes.AddNote("a");
    notes.updates.clear();

    notes.Note(0)->SetText("A");
    EXPECT_EQ((std::vector<std::string>{"A"}), notes.updates);

    notes.updates.clear();
    notes.BeginUpdate();
    notes.AddNote("b");
    notes.Note(1)->SetText("B");
    notes.Delete(0);
    EXPECT_TRUE(notes.updates.empty());
    notes.EndUpdate();
    EXPECT_EQ((std::vector<std::string>{"*"}), notes.updates);

    notes.updates.clear();
    notes.Clear();
    EXPECT_EQ((std::vector<std::string>{"*"}), notes.updates);
    EXPECT_EQ(0, notes.Count());
}

TEST(CollectionTest, AssignCopiesTheItemsAndRefusesOtherSources) {
    TNotes source;
    source.AddNote("x");
    source.AddNote("y");
    TNotes target;
    target.AddNote("old");
    target.Assign(source);
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Texts(target));
    EXPECT_NE(source.Note(0), target.Note(0));

    TNoteItem loose(nullptr);
    EXPECT_THROW(target.Assign(loose), EConvertError);
    EXPECT_EQ(2, target.Count());
}

TEST(CollectionTest, OwnedCollectionNamesItsOwner) {
    TNotes owner;
    TNotes owned(&owner);
    EXPECT_EQ(&owner, owned.GetOwner());
    EXPECT_EQ(&TNoteItem::StaticClass(), &owned.ItemClass());
}

}  // namespace
