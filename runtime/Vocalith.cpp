#include "runtime/Vocalith.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/Vocalith.cpp 3.0");
}

// ---- TVocalithResource -----------------------------------------------------------

const TClassType& TVocalithResource::StaticClass() {
    static const TClassType type =
        TClassType::Define<TVocalithResource, TCollectionItem>("TVocalithResource")
            .Property(Prop<TVocalithResource>::Str("Key", &TVocalithResource::Key,
                                                   &TVocalithResource::SetKey))
            .Property(Prop<TVocalithResource>::Object<TStrings>("Texts", &TVocalithResource::Texts,
                                                                &TVocalithResource::SetTexts));
    return type;
}

TVocalithResource::TVocalithResource(TCollection* collection)
    : TCollectionItem(collection), texts_(std::make_unique<TStringList>()) {}

void TVocalithResource::SetTexts(TStrings* texts) {
    if (texts != nullptr)
        texts_->Assign(*texts);
}

void TVocalithResource::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TVocalithResource*>(&source)) {
        key_ = other->key_;
        texts_->Assign(*other->texts_);
        return;
    }
    TCollectionItem::Assign(source);
}

// ---- TVocalithTranslation --------------------------------------------------------

const TClassType& TVocalithTranslation::StaticClass() {
    static const TClassType type =
        TClassType::Define<TVocalithTranslation, TCollectionItem>("TVocalithTranslation")
            .Property(Prop<TVocalithTranslation>::Object<TComponent>(
                "Component", &TVocalithTranslation::Component, &TVocalithTranslation::SetComponent))
            .Property(Prop<TVocalithTranslation>::Str("Path", &TVocalithTranslation::Path,
                                                      &TVocalithTranslation::SetPath))
            .Property(Prop<TVocalithTranslation>::Object<TStrings>(
                "Texts", &TVocalithTranslation::Texts, &TVocalithTranslation::SetTexts));
    return type;
}

TVocalithTranslation::TVocalithTranslation(TCollection* collection)
    : TCollectionItem(collection), texts_(std::make_unique<TStringList>()) {}

void TVocalithTranslation::SetTexts(TStrings* texts) {
    if (texts != nullptr)
        texts_->Assign(*texts);
}

void TVocalithTranslation::Assign(const TPersistent& source) {
    if (const auto* other = dynamic_cast<const TVocalithTranslation*>(&source)) {
        component_ = other->component_;
        path_ = other->path_;
        texts_->Assign(*other->texts_);
        return;
    }
    TCollectionItem::Assign(source);
}

// ---- TVocalith -------------------------------------------------------------------

const TClassType& TVocalith::StaticClass() {
    static const TClassType type =
        TClassType::Define<TVocalith, TComponent>("TVocalith")
            .Property(Prop<TVocalith>::Object<TStrings>("Languages", &TVocalith::Languages,
                                                        &TVocalith::SetLanguages))
            .Property(
                Prop<TVocalith>::Str("Language", &TVocalith::Language, &TVocalith::SetLanguage))
            .Property(Prop<TVocalith>::Object<TCollection>("Resources", &TVocalith::Resources,
                                                           &TVocalith::SetResources))
            .Property(Prop<TVocalith>::Object<TCollection>("Translations", &TVocalith::Translations,
                                                           &TVocalith::SetTranslations))
            .Property(Prop<TVocalith>::Event("OnChange", &TVocalith::OnChange, "TNotifyEvent"));
    return type;
}

TVocalith::TVocalith(TComponent* owner)
    : TComponent(owner),
      languages_(std::make_unique<TStringList>()),
      resources_(std::make_unique<TOwnedCollection>(
          this, TVocalithResource::StaticClass(),
          [](TCollection* c) { return std::make_unique<TVocalithResource>(c); })),
      translations_(std::make_unique<TOwnedCollection>(
          this, TVocalithTranslation::StaticClass(),
          [](TCollection* c) { return std::make_unique<TVocalithTranslation>(c); })) {}

TVocalith::~TVocalith() {
    // A client owned elsewhere may outlive this component.
    std::vector<TVocalithClient*> clients;
    clients.swap(clients_);
    for (TVocalithClient* client : clients)
        client->VocalithDestroyed(*this);
}

void TVocalith::SetLanguages(TStrings* languages) {
    if (languages != nullptr)
        languages_->Assign(*languages);
    for (TVocalithClient* client : clients_)
        client->LanguagesChanged(*this);
}

void TVocalith::SetResources(TCollection* resources) {
    if (resources != nullptr)
        resources_->Assign(*resources);
}

void TVocalith::SetTranslations(TCollection* translations) {
    if (translations != nullptr)
        translations_->Assign(*translations);
}

int TVocalith::LanguageIndex() const {
    return languages_->IndexOf(language_);
}

void TVocalith::SetLanguage(const std::string& language) {
    if (IsLoading()) {
        language_ = language;
        return;
    }
    int index = languages_->IndexOf(language);
    if (index < 0)
        throw EPropertyError("Unknown language '" + language + "'");
    std::string name = languages_->Get(index);
    if (name == language_)
        return;
    language_ = name;
    ApplyLanguage(index);
    for (TVocalithClient* client : clients_)
        client->LanguagesChanged(*this);
    DoChange();
}

void TVocalith::Loaded() {
    TComponent::Loaded();
    // The description's texts are those of the first (design) language; a
    // description that names another language gets it applied now.
    int index = languages_->IndexOf(language_);
    if (index < 0 && languages_->Count() > 0) {
        language_ = languages_->Get(0);
        index = 0;
    }
    if (index > 0)
        ApplyLanguage(index);
    for (TVocalithClient* client : clients_)
        client->LanguagesChanged(*this);
}

void TVocalith::ApplyLanguage(int index) {
    for (int i = 0; i < translations_->Count(); ++i) {
        auto* t = static_cast<TVocalithTranslation*>(translations_->Items(i));
        if (t->Component() == nullptr || index >= t->Texts()->Count())
            continue;
        SetStringPropertyByPath(*t->Component(), t->Path(), t->Texts()->Get(index));
    }
}

std::string TVocalith::GetString(const std::string& key) const {
    int index = std::max(LanguageIndex(), 0);
    for (int i = 0; i < resources_->Count(); ++i) {
        auto* r = static_cast<TVocalithResource*>(resources_->Items(i));
        if (!SameText(r->Key(), key))
            continue;
        if (r->Texts()->Count() == 0)
            return "";
        return r->Texts()->Get(std::min(index, r->Texts()->Count() - 1));
    }
    throw EPropertyError("Unknown message key '" + key + "'");
}

void TVocalith::DoChange() {
    OnChange(this);
}

void TVocalith::AddClient(TVocalithClient* client) {
    if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) {
        clients_.push_back(client);
    }
}

void TVocalith::RemoveClient(TVocalithClient* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void TVocalith::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    for (int i = 0; i < translations_->Count(); ++i) {
        auto* t = static_cast<TVocalithTranslation*>(translations_->Items(i));
        if (t->Component() == component)
            t->SetComponent(nullptr);
    }
}

// ---- property paths --------------------------------------------------------------

void SetStringPropertyByPath(TComponent& component, const std::string& path,
                             const std::string& value) {
    TObject* object = &component;
    std::size_t start = 0;
    while (true) {
        std::size_t dot = path.find('.', start);
        std::string step =
            path.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        int itemIndex = -1;
        std::size_t bracket = step.find('[');
        if (bracket != std::string::npos) {
            std::size_t close = step.find(']', bracket);
            std::int64_t n = 0;
            if (close == std::string::npos ||
                !TryStrToInt(step.substr(bracket + 1, close - bracket - 1), n) || n < 0) {
                throw EPropertyError("Invalid property path '" + path + "'");
            }
            itemIndex = static_cast<int>(n);
            step = step.substr(0, bracket);
        }
        const TPropInfo* prop = object->ClassType().FindProperty(step);
        if (prop == nullptr) {
            throw EPropertyError("Property " + step + " does not exist on " + object->ClassName());
        }
        bool last = dot == std::string::npos;
        if (last && itemIndex < 0) {
            prop->SetValue(*object, Variant(value));
            return;
        }
        if (prop->kind != TTypeKind::tkClass || !prop->getObj) {
            throw EPropertyError("Property " + step + " has no sub-properties");
        }
        object = prop->getObj(*object);
        if (itemIndex >= 0) {
            auto* collection = dynamic_cast<TCollection*>(object);
            if (collection == nullptr) {
                throw EPropertyError("Property " + step + " is not a collection");
            }
            object = collection->Items(itemIndex);
        }
        if (object == nullptr || last) {
            throw EPropertyError("Invalid property path '" + path + "'");
        }
        start = dot + 1;
    }
}
