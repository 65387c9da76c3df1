#pragma once
// The object model: TObject with its class table, TPersistent (assignable,
// with defined properties for form descriptions) and TComponent (owner, name,
// tag, component state, Loaded).
//
// Ownership: a component's owner frees it. The owner's component list is the
// owning list; a component destroyed earlier (through DeleteClass or delete)
// leaves its owner's list first. Free-standing objects are held in
// std::unique_ptr by whoever created them.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/core/TypeInfo.h"

class TFiler;

class TObject {
  public:
    virtual ~TObject() = default;
    static const TClassType& StaticClass();
    virtual const TClassType& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().Name(); }
    bool InheritsFrom(const TClassType& type) const { return ClassType().InheritsFrom(type); }
};

class TPersistent : public TObject {
    PF_CLASS(TPersistent)
  public:
    // Copies source's state; the base raises EConvertError "Cannot assign a
    // TX to a TY" unless source's AssignTo takes it.
    virtual void Assign(const TPersistent& source);
    // Adds properties that a form description stores beside the published ones.
    virtual void DefineProperties(TFiler& filer);
    // The owner in the sense of a name path (collection of an item, ...).
    virtual TPersistent* GetOwner() const { return nullptr; }

  protected:
    virtual void AssignTo(TPersistent& dest) const;
};

// Component states; several may hold at once.
enum TComponentStateFlag : std::uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    PF_CLASS(TComponent)
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // EComponentError for a name that is not an identifier or that another
    // component of the same owner already has.
    virtual void SetName(const std::string& name);
    std::int32_t Tag() const { return tag_; }
    void SetTag(std::int32_t tag) { tag_ = tag; }

    std::uint32_t ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsReading() const { return (state_ & csReading) != 0; }
    bool IsDesigning() const { return (state_ & csDesigning) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }
    void SetDesigning(bool designing, bool andChildren = true);

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component with this name (case-insensitive), or null.
    TComponent* FindComponent(std::string_view name) const;

    // The form-description reader marks loading and reading around reading
    // this component and calls Loaded once everything has been read.
    void BeginLoading() { state_ |= csLoading | csReading; }
    void EndReading() { state_ &= ~csReading; }
    virtual void Loaded();

    // Runs before the destructor while the whole object still exists: marks
    // the component as destroying. A form fires its OnDestroy here. Owners and
    // DeleteClass call it; free a component only through one of them.
    virtual void BeforeDestruction();

    // Called on every component of the owner when one of them is inserted or
    // removed, so that references to it can be cleared.
    virtual void Notification(TComponent* component, TOperation operation);

    // Form-description support: the reader hands each component its enclosing
    // component (a control's parent); the writer asks a component for the
    // children it writes nested in its own block, and whether it has a parent
    // (then its parent, not its owner, writes it).
    virtual void SetParentComponent(TComponent* parent);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual bool HasParent() const { return false; }
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;

    // Stops owning component without freeing it.
    void RemoveComponent(TComponent* component);
    void InsertComponent(TComponent* component);

  protected:
    void Destroying() { state_ |= csDestroying; }
    // Frees the owned components, last first. A derived destructor whose
    // members the components use calls it first.
    void DestroyComponents();

  private:
    TComponent* owner_ = nullptr;
    std::string name_;
    std::int32_t tag_ = 0;
    std::uint32_t state_ = 0;
    std::vector<TComponent*> components_;  // owned
};

// Frees a component: BeforeDestruction, then the destructor.
void FreeComponent(TComponent* component);

// Frees the object, if there is one, and clears the variable.
template <class T>
void DeleteClass(T*& object) {
    T* doomed = object;
    object = nullptr;
    if constexpr (std::is_base_of_v<TComponent, T>) {
        FreeComponent(doomed);
    } else {
        delete doomed;
    }
}
template <class T>
void DeleteClass(std::unique_ptr<T>& object) {
    T* doomed = object.release();
    DeleteClass(doomed);
}

// Whether name is a valid identifier (letter or "_", then letters, digits, "_").
bool IsValidIdent(std::string_view name);

// Standard classes registered by the class library for form descriptions.
void RegisterCoreClasses();
