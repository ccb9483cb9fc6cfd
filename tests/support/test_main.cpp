// Every test process gets its own empty registry folder, so no test sees the user's settings
// or another test's entries, and Qt never looks for a display.

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/support/tempdir.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    auto registryDir = std::make_unique<tb::test::TempDir>();
    ::setenv("TALLOWBY_REGISTRY_DIR", registryDir->path().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("TB_PROGRAM_DIR", TB_DEFAULT_PROGRAM_DIR, 0);
    ::setenv("TB_SOURCE_DIR", TB_DEFAULT_SOURCE_DIR, 0);
    int result = RUN_ALL_TESTS();
    registryDir.reset();
    return result;
}
