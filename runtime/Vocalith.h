#pragma once
// TVocalith, the language component. It holds a form's translation data: the
// list of languages, a message catalogue (one text per language for every
// key) and a table of translated properties (a component, a property path and
// one text per language). Assigning Language switches: every translated
// property is set to the new language's text, then OnChange fires.
//
// Property paths are published property names joined by ".", with a
// collection item selected by "[index]": "Caption", "Buttons[0].Caption".

#include <string>
#include <vector>

#include "platform/core/Collection.h"
#include "platform/core/Object.h"
#include "platform/core/Strings.h"

class TVocalith;

// One catalogue entry: a key and its text in each language, by position.
class TVocalithResource : public TCollectionItem {
    PF_CLASS(TVocalithResource)
  public:
    explicit TVocalithResource(TCollection* collection);

    const std::string& Key() const { return key_; }
    void SetKey(const std::string& key) { key_ = key; }
    TStrings* Texts() const { return texts_.get(); }
    void SetTexts(TStrings* texts);
    std::string DisplayName() const override { return key_; }
    void Assign(const TPersistent& source) override;

  private:
    std::string key_;
    std::unique_ptr<TStringList> texts_;
};

// One translated property: the component, the path of a string property on
// it and the property's text in each language.
class TVocalithTranslation : public TCollectionItem {
    PF_CLASS(TVocalithTranslation)
  public:
    explicit TVocalithTranslation(TCollection* collection);

    TComponent* Component() const { return component_; }
    void SetComponent(TComponent* component) { component_ = component; }
    const std::string& Path() const { return path_; }
    void SetPath(const std::string& path) { path_ = path; }
    TStrings* Texts() const { return texts_.get(); }
    void SetTexts(TStrings* texts);
    void Assign(const TPersistent& source) override;

  private:
    TComponent* component_ = nullptr;
    std::string path_;
    std::unique_ptr<TStringList> texts_;
};

// Something that follows the language of a TVocalith (its combo box).
class TVocalithClient {
  public:
    virtual ~TVocalithClient() = default;
    virtual void LanguagesChanged(TVocalith& sender) = 0;
    // The component is going away; forget it.
    virtual void VocalithDestroyed(TVocalith& sender) = 0;
};

class TVocalith : public TComponent {
    PF_CLASS(TVocalith)
  public:
    explicit TVocalith(TComponent* owner);
    ~TVocalith() override;

    // The current language's name. Assigning another language applies it and
    // fires OnChange; while loading the name is only stored. EPropertyError
    // for a name that is not in Languages (matched without regard to case).
    const std::string& Language() const { return language_; }
    void SetLanguage(const std::string& language);
    int LanguageIndex() const;

    TStrings* Languages() const { return languages_.get(); }
    void SetLanguages(TStrings* languages);
    TCollection* Resources() const { return resources_.get(); }
    void SetResources(TCollection* resources);
    TCollection* Translations() const { return translations_.get(); }
    void SetTranslations(TCollection* translations);

    // The key's text in the current language; EPropertyError for an unknown key.
    std::string GetString(const std::string& key) const;

    TNotifyEvent OnChange;

    void AddClient(TVocalithClient* client);
    void RemoveClient(TVocalithClient* client);

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

  protected:
    virtual void DoChange();
    // Sets every translated property to the text of the language at index.
    void ApplyLanguage(int index);

  private:
    std::string language_ = "English";
    std::unique_ptr<TStringList> languages_;
    std::unique_ptr<TCollection> resources_;
    std::unique_ptr<TCollection> translations_;
    std::vector<TVocalithClient*> clients_;
};

// Sets the string property at path (see above) on component.
// EPropertyError when a step of the path does not exist.
void SetStringPropertyByPath(TComponent& component, const std::string& path,
                             const std::string& value);
