#pragma once
// TVocalithComboBox: a drop-down list of the languages of the TVocalith in
// its Vocalith property. Picking a language switches the component to it;
// a switch made elsewhere shows in the box.

#include "platform/controls/ComboBox.h"
#include "runtime/Vocalith.h"

class TVocalithComboBox : public TCustomComboBox, public TVocalithClient {
    PF_CLASS(TVocalithComboBox)
  public:
    explicit TVocalithComboBox(TComponent* owner);
    ~TVocalithComboBox() override;

    TVocalith* Vocalith() const { return vocalith_; }
    void SetVocalith(TVocalith* vocalith);

    void LanguagesChanged(TVocalith& sender) override;
    void VocalithDestroyed(TVocalith& sender) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

  protected:
    void Change() override;

  private:
    void ShowLanguages();

    TVocalith* vocalith_ = nullptr;
};
