#include "runtime/RuntimeClasses.h"

#include "platform/core/TypeInfo.h"
#include "runtime/Entries.h"
#include "runtime/ExComponent.h"

void RegisterRuntimeClasses() {
    RegisterComponentClass(TExComponent::StaticClass());
    RegisterComponentClass(TComponentEntries::StaticClass());
    RegisterComponentClass(TComponentEntry::StaticClass());
    RegisterComponentClass(TSubEntries::StaticClass());
    RegisterComponentClass(TSubEntry::StaticClass());
    RegisterComponentClass(TPropItems::StaticClass());
    RegisterComponentClass(TPropItem::StaticClass());
}
