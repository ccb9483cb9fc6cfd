// Feeds arbitrary bytes to the registry hive reader, as a hand-edited or damaged hive file
// would. Besides crashes, leaks and undefined behaviour it checks what must hold for any
// input: a hive that reads is written in a form the reader takes back (unless it is too large
// to be written at all), and that form reads and writes to the same bytes again.

#include "platform/registry/hivefile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const std::string kRoot = "HKEY_CLASSES_ROOT";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tb::CRegNode root;
    int line = 0;
    std::string why;
    if (!tb::ParseHive(text, kRoot, root, &line, &why))
        return 0;

    std::string written;
    if (!tb::FormatHiveWithin(root, kRoot, tb::kMaxHiveBytes, &written))
        return 0;
    tb::CRegNode again;
    if (!tb::ParseHive(written, kRoot, again, &line, &why))
        std::abort(); // the writer produced a hive its own reader refuses
    if (tb::FormatHive(again, kRoot) != written)
        std::abort();
    return 0;
}
