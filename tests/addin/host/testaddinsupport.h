#pragma once
// Registering the test add-in in the test's registry and reading what it logged.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "addin/host/addinregistry.h"
#include "tests/support/tempdir.h"

namespace tb::test {

inline constexpr const char* kTestAddInProgId = "TestAddIn.Connect";
inline constexpr const char* kTestAddInClsid = "{6F1A2B3C-4D5E-4F60-8A71-92B3C4D5E6F7}";

// Registers the test add-in module with the load behaviour and points its log at logPath.
inline void RegisterTestAddIn(uint32_t loadBehavior, const std::string& logPath,
                              const std::string& modulePath = TB_TEST_ADDIN) {
    host::RegisterAddInClass(kTestAddInProgId, kTestAddInClsid, modulePath);
    host::WriteAddInRecord(
        {kTestAddInProgId, "Test add-in", "Logs what it receives", loadBehavior});
    ::setenv("TB_TEST_ADDIN_LOG", logPath.c_str(), 1);
}

// The logged lines, oldest first.
inline std::vector<std::string> AddInLog(const std::string& logPath) {
    std::vector<std::string> lines;
    std::string text = ReadFileBytes(logPath);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace tb::test
