#pragma once
// The entries model: which properties of which components a configuration
// component keeps, as a collection that a form description stores:
//
//   Entries = <
//     item
//       Ref = FolderSelect
//       Props = <
//         item
//           Name = 'History'
//           Kind = tkLString
//         end>
//       Items = <>
//       SubType = [stPubPropObject]
//     end>
//
// A TComponentEntry names a component (Ref), the properties to keep (Props)
// and sub-entries for its sub-objects (Items). A TSubEntry names a class
// property of its parent's object (Name, such as "Font") and has Props,
// Items and SubType of its own. SubType says how an entry's object is kept:
//   stPubPropObject    the listed published properties of the object itself;
//   stCollectionItems  the object is a collection: the listed properties of
//                      each of its items, and the sub-entries below each item;
//   stStrings          the object is a string list: its lines, as one value
//                      in comma text form.
// A new entry holds [stPubPropObject], a plain component.
//
// Property paths, unique within a component entry and the same in every run
// for the same entries and collection sizes:
//   "History"               a property of the component itself;
//   "Font.Height"           a property of a sub-object (a sub-entry "Font");
//   "Font.Sub.Prop"         deeper sub-objects, joined by ".";
//   "Buttons[0].Caption"    a property of item 0 of a collection;
//   "Items"                 a string list kept as a whole.
// The property names in paths are spelled as the class tables spell them.
// A property listed twice is listed once.
//
// Preparing (TMainEntries::Init, or the first MoveSubItemsToStrings after a
// change) resolves every name against the class tables. What cannot be
// resolved (no component, an unknown property or sub-object, a property
// whose kind differs from the stored Kind, a class or event property, a
// SubType that does not fit the object) is not dropped: the entry remembers
// the error and MoveSubItemsToStrings raises EPropertyError with it. Init
// itself never raises for such data, so a form with a stale entry still
// loads; the configuration pass that uses the entry fails and reports it.
//
// Ownership: each component entry owns its TPropertyEntry objects. A list
// filled by MoveSubItemsToStrings only refers to them; they stay valid until
// the next TMainEntries::Init or the destruction of the entry.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Strings.h"
#include "platform/core/Variant.h"

class TComponentEntry;
class TCustomEntry;

enum TSubType : std::uint32_t { stPubPropObject, stCollectionItems, stStrings };
using TSubTypes = std::uint32_t;  // bit mask of 1 << TSubType
constexpr TSubTypes SubTypes(std::initializer_list<TSubType> types) {
    TSubTypes set = 0;
    for (TSubType t : types)
        set |= 1u << t;
    return set;
}
const TEnumInfo& SubTypeEnumInfo();

// Entries nested deeper than this are refused when preparing.
constexpr int kMaxEntryLevel = 16;

// One property to keep: its name and the kind it had when it was chosen.
class TPropItem : public TCollectionItem {
    PF_CLASS(TPropItem)
  public:
    explicit TPropItem(TCollection* collection) : TCollectionItem(collection) {}
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // tkUnknown accepts a property of any kind.
    TTypeKind Kind() const { return kind_; }
    void SetKind(TTypeKind kind);
    std::string DisplayName() const override { return name_.empty() ? ClassName() : name_; }
    void Assign(const TPersistent& source) override;

  private:
    std::string name_;
    TTypeKind kind_ = TTypeKind::tkUnknown;
};

class TPropItems : public TOwnedCollection {
    PF_CLASS(TPropItems)
  public:
    explicit TPropItems(TCustomEntry* owner);
    TPropItem* GetItem(int index) const { return static_cast<TPropItem*>(Items(index)); }
    TPropItem* Add() { return static_cast<TPropItem*>(TCollection::Add()); }
    void Update(TCollectionItem* item) override;
};

class TSubEntries;

// What component entries and sub-entries share: Props, Items and SubType.
class TCustomEntry : public TCollectionItem {
    PF_CLASS(TCustomEntry)
  public:
    TCustomEntry(TCollection* collection, int level);
    ~TCustomEntry() override;

    TPropItems* Props() const { return props_.get(); }
    TSubEntries* Items() const { return items_.get(); }
    TSubTypes SubType() const { return subType_; }
    void SetSubType(TSubTypes subType);
    // 0 for a component entry, one more for each level of sub-entries.
    int Level() const { return level_; }

    // Something below this entry changed: the component entry prepares anew.
    virtual void EntryChanged();

  protected:
    void AssignEntry(const TCustomEntry& source);

  private:
    std::unique_ptr<TPropItems> props_;
    std::unique_ptr<TSubEntries> items_;
    TSubTypes subType_ = SubTypes({stPubPropObject});
    int level_;
};

class TSubEntry : public TCustomEntry {
    PF_CLASS(TSubEntry)
  public:
    TSubEntry(TCollection* collection, int level) : TCustomEntry(collection, level) {}
    // The class property of the parent's object that this entry keeps.
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    std::string DisplayName() const override { return name_.empty() ? ClassName() : name_; }
    void Assign(const TPersistent& source) override;

  private:
    std::string name_;
};

class TSubEntries : public TOwnedCollection {
    PF_CLASS(TSubEntries)
  public:
    // level: the level of the entries it holds.
    TSubEntries(TCustomEntry* owner, int level);
    TSubEntry* GetItem(int index) const { return static_cast<TSubEntry*>(Items(index)); }
    TSubEntry* Add() { return static_cast<TSubEntry*>(TCollection::Add()); }
    void Update(TCollectionItem* item) override;
};

// A property to keep, as MoveSubItemsToStrings lists it. It finds its object
// anew on every access (component, sub-objects, collection items), so it
// never holds a pointer that a changed form could leave dangling.
class TPropertyEntry : public TObject {
    PF_CLASS(TPropertyEntry)
  public:
    const std::string& Path() const { return path_; }
    TComponentEntry& Entry() const { return *entry_; }
    // The value: as TPropInfo::GetValue gives it, or the comma text of a
    // string list. EPropertyError when the object cannot be reached.
    Variant GetValue() const;
    // Converts the variant to the property's type (EConvertError for a text
    // that names no value of it) and assigns it.
    void SetValue(const Variant& value);
    // TypeDescription of the property; a string list gives its property's
    // type name ("TStrings").
    const std::string& GetTypDef() const { return typDef_; }

  private:
    friend class TComponentEntry;
    friend class TMainEntry;
    struct Step {
        std::string property;  // a class property of the current object, or
        int item = -1;         // (property empty) an item of the current collection
    };
    TPropertyEntry(TComponentEntry& entry, std::vector<Step> steps, std::string property,
                   std::string path, std::string typDef, int level);
    TObject& Resolve() const;

    TComponentEntry* entry_;
    std::vector<Step> steps_;
    std::string property_;  // empty: the object is a string list
    std::string path_;
    std::string typDef_;
    int level_;  // of the entry that listed it
};

class TComponentEntry : public TCustomEntry {
    PF_CLASS(TComponentEntry)
  public:
    explicit TComponentEntry(TCollection* collection, int level = 0)
        : TCustomEntry(collection, level) {}
    ~TComponentEntry() override;

    TComponent* GetRef() const { return ref_; }
    void SetRef(TComponent* component);
    std::string DisplayName() const override;
    void Assign(const TPersistent& source) override;
    void EntryChanged() override;

  private:
    friend class TMainEntries;
    friend class TMainEntry;
    // Resolves the entry into property entries, or remembers why it cannot.
    void Prepare();
    void Build(TObject& object, const TCustomEntry& entry,
               const std::vector<TPropertyEntry::Step>& steps, const std::string& prefix,
               const std::string& stringsType);
    void AddProperty(TObject& object, const TPropItem& item,
                     const std::vector<TPropertyEntry::Step>& steps, const std::string& prefix,
                     int level);
    void AddEntry(std::unique_ptr<TPropertyEntry> entry);

    TComponent* ref_ = nullptr;
    bool prepared_ = false;
    std::string error_;
    std::vector<std::unique_ptr<TPropertyEntry>> properties_;
    // Entries replaced by a later preparation, kept until the next Init so
    // that lists filled before stay valid.
    std::vector<std::unique_ptr<TPropertyEntry>> retired_;
};

class TComponentEntries : public TOwnedCollection {
    PF_CLASS(TComponentEntries)
  public:
    // level: the nesting level of the collection, 0 for a component's own
    // entries (the only kind there is so far).
    TComponentEntries(TComponent* owner, int level);
    TComponentEntry* GetItem(int index) const {
        return static_cast<TComponentEntry*>(Items(index));
    }
    TComponentEntry* Add() { return static_cast<TComponentEntry*>(TCollection::Add()); }
    int Level() const { return level_; }
    // The owner forwards its Notification: an entry whose component is
    // removed forgets it.
    void Notification(TComponent* component, TOperation operation);

  private:
    int level_;
};

// The operations on a whole entries collection.
class TMainEntries {
  public:
    // Prepares every entry for a pass: resolves names against the class
    // tables and frees property entries listed before.
    static void Init(TComponentEntries& entries);
};

// The operations on one component entry.
class TMainEntry {
  public:
    // Appends one line per property to keep: the text is the property path,
    // the object its TPropertyEntry (owned by the entry). recursive: also the
    // properties of the sub-entries; otherwise only the entry's own Props.
    // EPropertyError when the entry cannot be resolved.
    static void MoveSubItemsToStrings(TComponentEntry& entry, bool recursive, TStrings& list);
};
