#pragma once
// TRegistryKey: the registry root keys that a store can use, by ordinal.
//
//   0 rkClassesRoot    HKEY_CLASSES_ROOT
//   1 rkLocalMachine   HKEY_LOCAL_MACHINE
//   2 rkCurrentUser    HKEY_CURRENT_USER (the default of the configuration
//                      component: settings belong to the user)
//   3 rkUsers          HKEY_USERS
//   4 rkCurrentConfig  HKEY_CURRENT_CONFIG

#include "platform/core/TypeInfo.h"
#include "platform/os/Registry.h"

enum class TRegistryKey { rkClassesRoot, rkLocalMachine, rkCurrentUser, rkUsers, rkCurrentConfig };

// The value names, for published properties and form descriptions.
const TEnumInfo& RegistryKeyEnumInfo();

// The root key; raises through CaseError for a value outside the type.
os::RootKey RegistryRootOf(TRegistryKey key);
