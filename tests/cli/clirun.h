#pragma once
// Runs the built tessera as a subprocess, with the registry folder of this test process.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/support/tempdir.h"

namespace tb::test {

struct CliRun {
    int code = -1;
    std::string out;
};

// Runs a shell command line and collects what it writes to the pipe.
inline CliRun RunShell(const std::string& cmd) {
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int status = pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline std::string TesseraCommand(const std::string& args) {
    return "'" + ProgramDir() + "/tessera' " + args;
}

// tessera with the arguments (already quoted where needed): its standard output; stderr is
// dropped.
inline CliRun Tessera(const std::string& args) {
    return RunShell(TesseraCommand(args) + " 2>/dev/null");
}

// The same, collecting only what tessera writes to stderr.
inline CliRun TesseraErrors(const std::string& args) {
    return RunShell(TesseraCommand(args) + " 2>&1 >/dev/null");
}

// A shipped template, quoted for the command line.
inline std::string Template() {
    return "'" + ProgramDir() + "/blueglassbar.tsq'";
}

// Tests that start with the component registered.
class TesseraTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Tessera("register '" + ProgramDir() + "/TesseraBrisko.so'").code, 0);
    }
};

} // namespace tb::test
