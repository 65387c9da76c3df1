#include "platform/controls/Registry.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/os/Backend.h"
#include "platform/sim/Machine.h"

namespace {

using os::RootKey;

struct RegistryFixture : ::testing::Test {
    sim::Machine machine;
    os::ScopedBackend backend{machine};
    sim::SimRegistry& reg = machine.Registry();

    void SetUp() override {
        reg.SetString(RootKey::LocalMachine, "Software\\Borland\\Delphi\\5.0", "App",
                      "C:\\Programme\\Borland\\Delphi5\\Bin\\delphi32.exe");
        reg.SetDWord(RootKey::LocalMachine, "Software\\Borland\\Delphi\\5.0", "Version", 5);
        reg.CreateKey(RootKey::CurrentUser, "Software\\Borland\\Delphi\\5.0\\Known Packages");
    }
};

TEST_F(RegistryFixture, ReadsTextFromAnOpenedKeyAndClosesItWhenItGoes) {
    {
        TRegistry registry;
        EXPECT_EQ(registry.RootKey(), RootKey::CurrentUser);
        registry.SetRootKey(RootKey::LocalMachine);
        ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\5.0", false));
        EXPECT_EQ(registry.CurrentPath(), "Software\\Borland\\Delphi\\5.0");
        EXPECT_EQ(registry.ReadString("App"), "C:\\Programme\\Borland\\Delphi5\\Bin\\delphi32.exe");
        EXPECT_EQ(registry.ReadInteger("Version"), 5);
        EXPECT_TRUE(registry.ValueExists("app"));
        EXPECT_FALSE(registry.ValueExists("Delphi 5"));
        EXPECT_EQ(reg.OpenHandles(), 1u);
    }
    EXPECT_EQ(reg.OpenHandles(), 0u);
    EXPECT_EQ(reg.InvalidCloses(), 0);
}

// A caller that builds a folder from the text must not get an empty path.
TEST_F(RegistryFixture, AMissingOrNonTextValueRaisesInsteadOfReadingAsEmpty) {
    TRegistry registry;
    registry.SetRootKey(RootKey::LocalMachine);
    EXPECT_THROW(registry.ReadString("App"), ERegistryException);  // no key open
    ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\5.0", false));
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case& c : {Case{"Delphi 5", "Failed to get data for 'Delphi 5'"},
                          Case{"Version", "Invalid data type for 'Version'"}}) {
        try {
            registry.ReadString(c.name);
            ADD_FAILURE() << c.name << " read";
        } catch (const ERegistryException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_THROW(registry.ReadInteger("App"), ERegistryException);
}

TEST_F(RegistryFixture, OpenWithoutCreateFailsOnAMissingKeyAndKeepsTheOpenOne) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\5.0\\Known Packages", false));
    EXPECT_FALSE(registry.OpenKey("\\Software\\Borland\\Delphi\\3.0\\Known Packages", false));
    EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, "Software\\Borland\\Delphi\\3.0"));
    EXPECT_EQ(registry.CurrentPath(), "Software\\Borland\\Delphi\\5.0\\Known Packages");
    EXPECT_EQ(reg.OpenHandles(), 1u);
}

TEST_F(RegistryFixture, RelativePathsStartAtTheOpenKeyAndALeadingBackslashAtTheRoot) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Ostrell GbR", true));
    ASSERT_TRUE(registry.OpenKey("Formaxis", true));
    EXPECT_EQ(registry.CurrentPath(), "Software\\Ostrell GbR\\Formaxis");
    EXPECT_TRUE(registry.KeyExists("\\Software\\Ostrell GbR"));
    ASSERT_TRUE(registry.OpenKey("\\Software", false));
    EXPECT_EQ(registry.CurrentPath(), "Software");
    EXPECT_TRUE(registry.KeyExists("Ostrell GbR\\Formaxis"));
    EXPECT_EQ(reg.OpenHandles(), 1u);
    // Changing the root closes the key.
    registry.SetRootKey(RootKey::LocalMachine);
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_EQ(reg.OpenHandles(), 0u);
}

TEST_F(RegistryFixture, WritesDeletesAndListsValuesAndKeys) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\5.0\\Known Packages", false));
    registry.WriteString("C:\\Bin\\OstrellVocalith50Design.bpl", "Ostrell Vocalith");
    registry.WriteInteger("Count", -1);
    EXPECT_EQ(reg.GetString(RootKey::CurrentUser, "Software\\Borland\\Delphi\\5.0\\Known Packages",
                            "C:\\Bin\\OstrellVocalith50Design.bpl"),
              "Ostrell Vocalith");
    EXPECT_EQ(registry.ReadInteger("Count"), -1);
    TStringList names;
    registry.GetValueNames(names);
    EXPECT_EQ(names.CommaText(), "C:\\Bin\\OstrellVocalith50Design.bpl,Count");
    EXPECT_TRUE(registry.DeleteValue("Count"));
    EXPECT_FALSE(registry.DeleteValue("Count"));  // an absent value

    ASSERT_TRUE(registry.OpenKey("\\Software\\Borland\\Delphi", false));
    registry.GetKeyNames(names);
    EXPECT_EQ(names.CommaText(), "5.0");
    EXPECT_TRUE(registry.HasSubKeys());
    EXPECT_TRUE(registry.DeleteKey("5.0"));
    EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, "Software\\Borland\\Delphi\\5.0"));
    EXPECT_FALSE(registry.DeleteKey(""));  // neither the open key nor the root
    EXPECT_FALSE(registry.DeleteKey("\\"));
    EXPECT_TRUE(reg.KeyExists(RootKey::CurrentUser, "Software\\Borland\\Delphi"));
}

TEST_F(RegistryFixture, AFailedWriteRaisesWithTheValueName) {
    reg.DenyWrite(RootKey::CurrentUser, "Software\\Borland");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\Borland\\Delphi\\5.0\\Known Packages", false));
    try {
        registry.WriteString("X", "Ostrell Vocalith");
        ADD_FAILURE() << "written";
    } catch (const ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'X'");
    }
    registry.CloseKey();
    EXPECT_THROW(registry.WriteInteger("X", 1), ERegistryException);
}

}  // namespace
