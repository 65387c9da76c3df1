#include "platform/core/Object.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"

void Abort() {
    throw EAbort();
}

const TClassType& TObject::StaticClass() {
    static const TClassType type = TClassType::DefineRoot("TObject");
    return type;
}

// ---- TPersistent -----------------------------------------------------------------

const TClassType& TPersistent::StaticClass() {
    static const TClassType type = TClassType::Define<TPersistent, TObject>("TPersistent");
    return type;
}

void TPersistent::Assign(const TPersistent& source) {
    source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& dest) const {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}

void TPersistent::DefineProperties(TFiler&) {}

// ---- TComponent ------------------------------------------------------------------

const TClassType& TComponent::StaticClass() {
    static const TClassType type =
        TClassType::Define<TComponent, TPersistent>("TComponent")
            .Property(Prop<TComponent>::Str("Name", &TComponent::Name, &TComponent::SetName,
                                            "TComponentName")
                          .Stored(TStoredRule::Never))
            .Property(
                Prop<TComponent>::Int("Tag", &TComponent::Tag, &TComponent::SetTag, 0, "Longint"));
    return type;
}

TComponent::TComponent(TComponent* owner) {
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    DestroyComponents();
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        FreeComponent(last);
    }
}

void TComponent::BeforeDestruction() {
    Destroying();
}

void FreeComponent(TComponent* component) {
    if (component == nullptr)
        return;
    if (!component->IsDestroying())
        component->BeforeDestruction();
    // Leave the owner while the whole object still exists, so that the
    // siblings' Notification sees the component as what it is.
    if (TComponent* owner = component->Owner())
        owner->RemoveComponent(component);
    delete component;
}

bool IsValidIdent(std::string_view name) {
    if (name.empty())
        return false;
    auto alpha = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!alpha(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

void TComponent::SetName(const std::string& name) {
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name)) {
        throw EComponentError("'" + name + "' is not a valid component name");
    }
    if (!name.empty() && owner_ != nullptr) {
        TComponent* other = owner_->FindComponent(name);
        if (other != nullptr && other != this) {
            throw EComponentError("A component named " + name + " already exists");
        }
    }
    name_ = name;
}

void TComponent::SetDesigning(bool designing, bool andChildren) {
    if (designing) {
        state_ |= csDesigning;
    } else {
        state_ &= ~csDesigning;
    }
    if (andChildren) {
        for (TComponent* c : components_)
            c->SetDesigning(designing, true);
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) {
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    }
    return components_[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr)
        return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_) {
        if (SameText(c->Name(), name))
            return c;
    }
    return nullptr;
}

void TComponent::Loaded() {
    state_ &= ~csLoading;
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    // A root writes the components it owns that have no parent to place them.
    if (root != this)
        return;
    for (TComponent* c : components_) {
        if (!c->HasParent())
            proc(c);
    }
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_ == this)
        return;
    if (!component->name_.empty()) {
        TComponent* other = FindComponent(component->name_);
        if (other != nullptr) {
            throw EComponentError("A component named " + component->name_ + " already exists");
        }
    }
    if (component->owner_ != nullptr)
        component->owner_->RemoveComponent(component);
    component->owner_ = this;
    components_.push_back(component);
    if ((state_ & csDesigning) != 0)
        component->SetDesigning(true);
    for (TComponent* c : components_) {
        if (c != component)
            c->Notification(component, TOperation::opInsert);
    }
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end())
        return;
    components_.erase(it);
    component->owner_ = nullptr;
    // A published field that still points at the component would dangle.
    // While the owner is destroying, its derived parts may be gone already.
    if (!IsDestroying()) {
        for (const TClassType* t = &ClassType(); t != nullptr; t = t->Parent()) {
            for (const TFieldInfo& field : t->OwnFields()) {
                if (field.get && field.get(*this) == component)
                    field.set(*this, nullptr);
            }
        }
    }
    // Everyone that may hold a reference hears of the removal: the owner's
    // other components and the owner itself.
    Notification(component, TOperation::opRemove);
    for (TComponent* c : components_)
        c->Notification(component, TOperation::opRemove);
}

void RegisterCoreClasses() {
    RegisterComponentClass(TPersistent::StaticClass());
    RegisterComponentClass(TComponent::StaticClass());
}
