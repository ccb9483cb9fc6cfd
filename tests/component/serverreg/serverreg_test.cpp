// Registration as other processes see it: all entries at once, one hive write, and no
// success without the entries on disk.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "component/serverreg.h"
#include "platform/registry/registry.h"
#include "tests/support/renamefailure.h"
#include "tests/support/tempdir.h"

using tb::test::ReadFileBytes;

namespace {

const std::string kClassKey = "[HKEY_CLASSES_ROOT\\CLSID\\{B2471160-D234-11D2-B481-00400533CDD6}";
const std::string kModule = "/opt/brisko/TesseraBrisko.so";

std::string Hive() {
    return ReadFileBytes(tb::RegistryFolder() + "/HKEY_CLASSES_ROOT.reg");
}

bool Has(const std::string& text, const std::string& section) {
    return text.find(section + "]\n") != std::string::npos;
}

// What a host needs to create the class: anything less is a half registration.
bool WholeOrNothing(const std::string& text) {
    const bool bClass = Has(text, kClassKey);
    const bool bAll = bClass && Has(text, kClassKey + "\\ProgID") &&
                      Has(text, kClassKey + "\\InProcServer32") &&
                      Has(text, "[HKEY_CLASSES_ROOT\\TesseraServer.Brisko\\CLSID");
    return bAll || (!bClass && !Has(text, "[HKEY_CLASSES_ROOT\\TesseraServer.Brisko"));
}

} // namespace

TEST(ServerRegistration, WritesTheHiveOnceEachWay) {
    tb::test::RenameCounter counter;
    ASSERT_EQ(tb::RegisterBriskoServer(kModule), S_OK);
    EXPECT_EQ(counter.Renames(), 1);
    EXPECT_NE(Hive().find("@=\"" + kModule + "\""), std::string::npos);
    ASSERT_EQ(tb::UnregisterBriskoServer(), S_OK);
    EXPECT_EQ(counter.Renames(), 2);
    EXPECT_FALSE(Has(Hive(), kClassKey));
}

TEST(ServerRegistration, EntriesThatCannotBeWrittenAreNoSuccess) {
    {
        // The disk is full while the server entries would be written, then has room again.
        tb::test::RenameCounter fullAtFirst(5);
        EXPECT_EQ(tb::RegisterBriskoServer(kModule), SELFREG_E_CLASS);
    }
    // Nothing of the class, not even its category membership, is left behind.
    const std::string text = Hive();
    EXPECT_FALSE(Has(text, kClassKey)) << text;
    EXPECT_TRUE(WholeOrNothing(text));
}

TEST(ServerRegistration, AnotherProcessNeverSeesAHalfRegisteredClass) {
    const pid_t child = ::fork();
    if (child == 0) {
        bool ok = true;
        for (int i = 0; i < 40 && ok; ++i)
            ok = tb::RegisterBriskoServer(kModule) == S_OK && tb::UnregisterBriskoServer() == S_OK;
        ::_exit(ok ? 0 : 1);
    }
    ASSERT_GT(child, 0);
    int nHalf = 0;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0)
        nHalf += !WholeOrNothing(Hive());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(nHalf, 0);
}

TEST(ServerRegistration, UnregisteringFromTwoProcessesAtOnceNeverFailsHalfWay) {
    // Each unregistration finds the class whole or finds nothing to remove.
    auto run = [] {
        for (int i = 0; i < 30; ++i) {
            if (tb::RegisterBriskoServer(kModule) != S_OK)
                return false;
            const HRESULT hr = tb::UnregisterBriskoServer();
            if (hr != S_OK && hr != REGDB_E_CLASSNOTREG)
                return false;
        }
        return true;
    };
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(run() ? 0 : 1);
    ASSERT_GT(child, 0);
    EXPECT_TRUE(run());
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
