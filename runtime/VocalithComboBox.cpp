#include "runtime/VocalithComboBox.h"
#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/VocalithComboBox.cpp 3.0");
}

const TClassType& TVocalithComboBox::StaticClass() {
    using P = Prop<TVocalithComboBox>;
    using C = ControlProps<TVocalithComboBox>;
    using W = WinControlProps<TVocalithComboBox>;
    static const TClassType type =
        TClassType::Define<TVocalithComboBox, TCustomComboBox>("TVocalithComboBox")
            .Property(C::Color(clWindow))
            .Property(P::Int("DropDownCount", &TCustomComboBox::DropDownCount,
                             &TCustomComboBox::SetDropDownCount, 8))
            .Property(C::Enabled())
            .Property(C::Font())
            .Property(P::Int("ItemHeight", &TCustomComboBox::ItemHeight,
                             &TCustomComboBox::SetItemHeight, 13))
            .Property(C::ParentColor(false))
            .Property(C::ParentFont())
            .Property(C::ParentShowHint())
            .Property(C::ShowHint())
            .Property(W::TabOrder())
            .Property(W::TabStop(true))
            .Property(C::Visible())
            .Property(P::Object<TVocalith>("Vocalith", &TVocalithComboBox::Vocalith,
                                           &TVocalithComboBox::SetVocalith))
            .Property(W::OnEnter())
            .Property(W::OnExit());
    return type;
}

TVocalithComboBox::TVocalithComboBox(TComponent* owner) : TCustomComboBox(owner) {
    SetStyle(csDropDownList);
}

TVocalithComboBox::~TVocalithComboBox() {
    if (vocalith_ != nullptr)
        vocalith_->RemoveClient(this);
}

void TVocalithComboBox::SetVocalith(TVocalith* vocalith) {
    if (vocalith == vocalith_)
        return;
    if (vocalith_ != nullptr)
        vocalith_->RemoveClient(this);
    vocalith_ = vocalith;
    if (vocalith_ != nullptr)
        vocalith_->AddClient(this);
    if (!IsLoading())
        ShowLanguages();
}

void TVocalithComboBox::Loaded() {
    TCustomComboBox::Loaded();
    ShowLanguages();
}

void TVocalithComboBox::LanguagesChanged(TVocalith&) {
    if (!IsLoading())
        ShowLanguages();
}

void TVocalithComboBox::VocalithDestroyed(TVocalith& sender) {
    if (&sender == vocalith_)
        vocalith_ = nullptr;
}

void TVocalithComboBox::ShowLanguages() {
    Items()->BeginUpdate();
    Items()->Clear();
    if (vocalith_ != nullptr)
        Items()->AddStrings(*vocalith_->Languages());
    Items()->EndUpdate();
    SetItemIndex(vocalith_ != nullptr ? vocalith_->LanguageIndex() : -1);
}

void TVocalithComboBox::Change() {
    TCustomComboBox::Change();
    if (vocalith_ != nullptr && ItemIndex() >= 0) {
        vocalith_->SetLanguage(Items()->Get(ItemIndex()));
    }
}

void TVocalithComboBox::Notification(TComponent* component, TOperation operation) {
    TCustomComboBox::Notification(component, operation);
    if (operation == TOperation::opRemove && component == vocalith_)
        vocalith_ = nullptr;
}
