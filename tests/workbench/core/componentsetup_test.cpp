// The component beside the program: registered for the user when nobody did, or when the
// registration names a module that is gone; left alone when it works.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/com/comruntime.h"
#include "platform/registry/registry.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/componentsetup.h"

using namespace tb;
using namespace tb::test;

TEST(ComponentSetup, RegistersTheModuleBesideTheProgramWhenNothingIsRegistered) {
    std::string module;
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", ProgramDir(), &module),
              ComponentSetup::RegisteredNow);
    EXPECT_EQ(module, ProgramDir() + "/TesseraBrisko.so");
    EXPECT_EQ(RegisteredModulePath(), module);
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", ProgramDir()),
              ComponentSetup::Ready);
}

TEST(ComponentSetup, ARegistrationOfAModuleThatIsGoneIsReplaced) {
    CInProcessBrisko stale; // registers a module file of its own folder
    ASSERT_EQ(RegisteredModulePath(), stale.Folder().file("TesseraBrisko.so"));
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", ProgramDir()),
              ComponentSetup::Ready);
    std::filesystem::remove(stale.Folder().file("TesseraBrisko.so"));
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", ProgramDir()),
              ComponentSetup::RegisteredNow);
    EXPECT_EQ(RegisteredModulePath(), ProgramDir() + "/TesseraBrisko.so");
}

TEST(ComponentSetup, WithoutAModuleBesideTheProgramNothingIsRegistered) {
    TempDir empty;
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", empty.path()),
              ComponentSetup::NotRegistered);
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", ""), ComponentSetup::NotRegistered);
    // A file of that name that is no module is not registered either.
    WriteFileBytes(empty.file("TesseraBrisko.so"), "not a module");
    EXPECT_EQ(EnsureComponentRegistered("TesseraServer.Brisko", empty.path()),
              ComponentSetup::NotRegistered);
    EXPECT_EQ(RegisteredModulePath(), "<none>");
}
