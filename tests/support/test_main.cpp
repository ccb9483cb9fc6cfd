// Every test process gets its own empty registry folder and cache folder, so no test sees the
// user's settings or another test's entries or leaves files behind, and Qt never looks for a
// display. A scripted UI with nothing
// expected stands behind every test: a message box that no test asked for fails the run.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/ui/uiservices.h"
#include "tests/support/scripteduiservices.h"
#include "tests/support/tempdir.h"

namespace {

class UnexpectedUiCheck : public ::testing::Environment {
public:
    void SetUp() override { m_pPrevious = tb::SetUi(&m_ui); }
    void TearDown() override {
        tb::SetUi(m_pPrevious);
        for (const std::string& failure : m_ui.failures())
            ADD_FAILURE() << "UI call that no test expected: " << failure;
    }

private:
    tb::ScriptedUiServices m_ui;
    tb::UiServices* m_pPrevious = nullptr;
};

} // namespace

// Under -DTB_SANITIZE=ON: fontconfig keeps its caches for the life of the process, which
// LeakSanitizer reports at exit; those are not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    auto registryDir = std::make_unique<tb::test::TempDir>();
    ::setenv("TALLOWBY_REGISTRY_DIR", registryDir->path().c_str(), 1);
    auto cacheDir = std::make_unique<tb::test::TempDir>();
    ::setenv("XDG_CACHE_HOME", cacheDir->path().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("TB_PROGRAM_DIR", TB_DEFAULT_PROGRAM_DIR, 0);
    ::setenv("TB_SOURCE_DIR", TB_DEFAULT_SOURCE_DIR, 0);
    ::testing::AddGlobalTestEnvironment(new UnexpectedUiCheck);
    int result = RUN_ALL_TESTS();
    cacheDir.reset();
    registryDir.reset();
    return result;
}
