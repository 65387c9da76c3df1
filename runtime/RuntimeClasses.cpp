#include "runtime/RuntimeClasses.h"

#include "platform/core/TypeInfo.h"
#include "runtime/ButtonPanel.h"
#include "runtime/Entries.h"
#include "runtime/ExComponent.h"
#include "runtime/SuperForm.h"
#include "runtime/Vocalith.h"
#include "runtime/VocalithComboBox.h"

void RegisterRuntimeClasses() {
    RegisterComponentClass(TExComponent::StaticClass());
    RegisterComponentClass(TComponentEntries::StaticClass());
    RegisterComponentClass(TComponentEntry::StaticClass());
    RegisterComponentClass(TSubEntries::StaticClass());
    RegisterComponentClass(TSubEntry::StaticClass());
    RegisterComponentClass(TPropItems::StaticClass());
    RegisterComponentClass(TPropItem::StaticClass());
    RegisterComponentClass(TVocalith::StaticClass());
    RegisterComponentClass(TVocalithComboBox::StaticClass());
    RegisterComponentClass(TButtonPanel::StaticClass());
    RegisterComponentClass(TSuperForm::StaticClass());
}
