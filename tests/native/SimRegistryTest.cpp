#include "platform/sim/SimRegistry.h"

#include <gtest/gtest.h>

using os::RootKey;
using os::ValueType;
using sim::SimRegistry;

namespace {

class SimRegistryTest : public ::testing::Test {
  protected:
    SimRegistry reg;
};

TEST_F(SimRegistryTest, NamesCompareWithoutCaseAndKeepTheirSpelling) {
    reg.SetString(RootKey::CurrentUser, "Software\\Ostrell GbR", "Language", "English");

    os::KeyHandle key = reg.OpenKey(RootKey::CurrentUser, "SOFTWARE\\ostrell gbr", false);
    ASSERT_NE(key, 0u);
    EXPECT_EQ(reg.ReadString(key, "LANGUAGE"), "English");
    EXPECT_TRUE(reg.WriteString(key, "language", "Deutsch"));
    reg.CloseKey(key);

    EXPECT_EQ(reg.ValueNames(RootKey::CurrentUser, "Software\\Ostrell GbR"),
              std::vector<std::string>{"Language"});
    EXPECT_EQ(reg.SubKeyNames(RootKey::CurrentUser, "software"),
              std::vector<std::string>{"Ostrell GbR"});
    EXPECT_EQ(reg.GetString(RootKey::CurrentUser, "software\\OSTRELL GBR", "Language"), "Deutsch");
    // Each root is a tree of its own.
    EXPECT_FALSE(reg.KeyExists(RootKey::LocalMachine, "Software\\Ostrell GbR"));
}

TEST_F(SimRegistryTest, OpenWithoutCreateFailsOnAMissingKeyAndCreateMakesEveryLevel) {
    EXPECT_EQ(reg.OpenKey(RootKey::CurrentUser, "A\\B\\C", false), 0u);
    EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, "A"));

    os::KeyHandle key = reg.OpenKey(RootKey::CurrentUser, "A\\B\\C", true);
    ASSERT_NE(key, 0u);
    reg.CloseKey(key);
    EXPECT_TRUE(reg.KeyExists(RootKey::CurrentUser, "A\\B"));
    EXPECT_TRUE(reg.KeyExists(RootKey::CurrentUser, "A\\B\\C\\"));  // trailing "\" tolerated
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(SimRegistryTest, MalformedPathsFail) {
    reg.CreateKey(RootKey::CurrentUser, "A\\B");
    for (const char* path : {"\\A", "A\\\\B"}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(reg.OpenKey(RootKey::CurrentUser, path, true), 0u);
        EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, path));
    }
    EXPECT_EQ(reg.SubKeyNames(RootKey::CurrentUser, "A"), std::vector<std::string>{"B"});
}

TEST_F(SimRegistryTest, ValueTypesAreKeptAndTextReadsOnlyTextValues) {
    const char* path = "Software\\Types";
    reg.SetString(RootKey::LocalMachine, path, "Sz", "text");
    reg.SetExpandString(RootKey::LocalMachine, path, "Expand", "%windir%\\x");
    reg.SetDWord(RootKey::LocalMachine, path, "Number", 42);
    reg.SetBinary(RootKey::LocalMachine, path, "Bytes", {1, 2, 3});

    os::KeyHandle key = reg.OpenKey(RootKey::LocalMachine, path, false);
    ASSERT_NE(key, 0u);
    struct Case {
        const char* name;
        ValueType type;
        std::optional<std::string> text;
        std::optional<std::uint32_t> number;
    };
    const Case cases[] = {
        {"Sz", ValueType::String, "text", std::nullopt},
        {"Expand", ValueType::ExpandString, "%windir%\\x", std::nullopt},
        {"Number", ValueType::DWord, std::nullopt, 42u},
        {"Bytes", ValueType::Binary, std::nullopt, std::nullopt},
        {"Missing", ValueType::None, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reg.GetValueType(key, c.name), c.type);
        EXPECT_EQ(reg.ReadString(key, c.name), c.text);
        EXPECT_EQ(reg.ReadDWord(key, c.name), c.number);
    }
    // Writing a text replaces a value of another type.
    EXPECT_TRUE(reg.WriteString(key, "Number", "now text"));
    EXPECT_EQ(reg.GetValueType(key, "Number"), ValueType::String);
    EXPECT_EQ(reg.GetBinary(RootKey::LocalMachine, path, "Bytes"),
              (std::vector<std::uint8_t>{1, 2, 3}));
    // The default value has the empty name.
    EXPECT_TRUE(reg.WriteString(key, "", "default"));
    EXPECT_EQ(reg.GetString(RootKey::LocalMachine, path, ""), "default");
    reg.CloseKey(key);
}

TEST_F(SimRegistryTest, DeleteValueAndDeleteKeyWithEverythingBelow) {
    reg.SetString(RootKey::CurrentUser, "P\\Q\\R", "v", "1");
    reg.SetString(RootKey::CurrentUser, "P", "keep", "2");
    os::KeyHandle p = reg.OpenKey(RootKey::CurrentUser, "P", false);
    EXPECT_FALSE(reg.DeleteValue(p, "absent"));
    EXPECT_TRUE(reg.DeleteValue(p, "KEEP"));
    EXPECT_TRUE(reg.ValueNames(p).empty());
    reg.CloseKey(p);

    EXPECT_FALSE(reg.DeleteKey(RootKey::CurrentUser, "P\\Missing"));
    EXPECT_FALSE(reg.DeleteKey(RootKey::CurrentUser, ""));  // not the root
    EXPECT_TRUE(reg.DeleteKey(RootKey::CurrentUser, "p\\q"));
    EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, "P\\Q\\R"));
    EXPECT_TRUE(reg.KeyExists(RootKey::CurrentUser, "P"));
}

TEST_F(SimRegistryTest, AHandleToADeletedKeyFailsCleanly) {
    reg.SetString(RootKey::CurrentUser, "Gone\\Child", "v", "1");
    os::KeyHandle child = reg.OpenKey(RootKey::CurrentUser, "Gone\\Child", false);
    ASSERT_NE(child, 0u);
    ASSERT_TRUE(reg.DeleteKey(RootKey::CurrentUser, "Gone"));

    EXPECT_EQ(reg.ReadString(child, "v"), std::nullopt);
    EXPECT_EQ(reg.GetValueType(child, "v"), ValueType::None);
    EXPECT_FALSE(reg.WriteString(child, "v", "2"));
    EXPECT_TRUE(reg.ValueNames(child).empty());
    // Recreating the path makes a new key; the old handle still sees nothing.
    reg.SetString(RootKey::CurrentUser, "Gone\\Child", "v", "3");
    EXPECT_EQ(reg.ReadString(child, "v"), std::nullopt);
    reg.CloseKey(child);
    EXPECT_EQ(reg.OpenHandles(), 0u);
    EXPECT_EQ(reg.InvalidCloses(), 0);
}

TEST_F(SimRegistryTest, HandlesAreCountedAndADoubleCloseIsRecorded) {
    reg.CreateKey(RootKey::CurrentUser, "K");
    os::KeyHandle a = reg.OpenKey(RootKey::CurrentUser, "K", false);
    os::KeyHandle b = reg.OpenKey(RootKey::CurrentUser, "K", true);
    EXPECT_NE(a, b);
    EXPECT_EQ(reg.OpenHandles(), 2u);
    reg.CloseKey(a);
    reg.CloseKey(a);
    EXPECT_EQ(reg.OpenHandles(), 1u);
    EXPECT_EQ(reg.InvalidCloses(), 1);
    EXPECT_FALSE(reg.WriteString(a, "v", "x"));  // closed
    reg.CloseKey(b);
}

TEST_F(SimRegistryTest, DeniedKeyOpensForReadingOnly) {
    reg.SetString(RootKey::CurrentUser, "Locked", "v", "old");
    reg.CreateKey(RootKey::CurrentUser, "Locked\\Sub");
    reg.DenyWrite(RootKey::CurrentUser, "Locked");

    EXPECT_EQ(reg.OpenKey(RootKey::CurrentUser, "Locked", true), 0u);
    EXPECT_EQ(reg.OpenKey(RootKey::CurrentUser, "Locked\\New", true), 0u);
    EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, "Locked\\New"));
    EXPECT_FALSE(reg.DeleteKey(RootKey::CurrentUser, "Locked\\Sub"));  // inherited
    EXPECT_FALSE(reg.DeleteKey(RootKey::CurrentUser, "Locked"));

    os::KeyHandle key = reg.OpenKey(RootKey::CurrentUser, "Locked", false);
    ASSERT_NE(key, 0u);
    EXPECT_EQ(reg.ReadString(key, "v"), "old");
    EXPECT_FALSE(reg.WriteString(key, "v", "new"));
    EXPECT_FALSE(reg.WriteDWord(key, "n", 1));
    EXPECT_FALSE(reg.DeleteValue(key, "v"));
    reg.CloseKey(key);
    EXPECT_EQ(reg.GetString(RootKey::CurrentUser, "Locked", "v"), "old");

    // A denied key deep below keeps its ancestors from being deleted.
    reg.DenyWrite(RootKey::CurrentUser, "Top\\Mid\\Deep");
    EXPECT_FALSE(reg.DeleteKey(RootKey::CurrentUser, "Top"));
    EXPECT_TRUE(reg.KeyExists(RootKey::CurrentUser, "Top\\Mid"));
}

TEST_F(SimRegistryTest, DeniedValueFailsAlone) {
    reg.SetString(RootKey::CurrentUser, "Parent\\App", "Fixed", "1");
    reg.DenyValueWrite(RootKey::CurrentUser, "Parent\\App", "fixed");
    os::KeyHandle key = reg.OpenKey(RootKey::CurrentUser, "Parent\\App", true);
    ASSERT_NE(key, 0u);
    EXPECT_FALSE(reg.WriteString(key, "FIXED", "2"));
    EXPECT_FALSE(reg.DeleteValue(key, "Fixed"));
    EXPECT_TRUE(reg.WriteString(key, "Other", "3"));
    reg.CloseKey(key);
    EXPECT_EQ(reg.GetString(RootKey::CurrentUser, "Parent\\App", "Fixed"), "1");
}

}  // namespace
