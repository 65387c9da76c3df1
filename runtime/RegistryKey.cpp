#include "runtime/RegistryKey.h"

#include "platform/core/Variant.h"
#include "runtime/Helpers.h"

namespace {
const bool registered = UnitVersion("runtime/RegistryKey.cpp 3.0");
}

const TEnumInfo& RegistryKeyEnumInfo() {
    static const TEnumInfo info{
        "TRegistryKey",
        {"rkClassesRoot", "rkLocalMachine", "rkCurrentUser", "rkUsers", "rkCurrentConfig"}};
    return info;
}

os::RootKey RegistryRootOf(TRegistryKey key) {
    switch (key) {
        case TRegistryKey::rkClassesRoot:
            return os::RootKey::ClassesRoot;
        case TRegistryKey::rkLocalMachine:
            return os::RootKey::LocalMachine;
        case TRegistryKey::rkCurrentUser:
            return os::RootKey::CurrentUser;
        case TRegistryKey::rkUsers:
            return os::RootKey::Users;
        case TRegistryKey::rkCurrentConfig:
            return os::RootKey::CurrentConfig;
    }
    CaseError("TRegistryKey " + IntToStr(static_cast<int>(key)));
}
