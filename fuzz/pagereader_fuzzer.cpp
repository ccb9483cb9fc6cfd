// Feeds arbitrary bytes to the Insert dialog's page reader, as any file a person picks might
// hold, and the read text through the editor's text form and back. Besides crashes and
// undefined behaviour it checks what must hold for any page: the text does not depend on
// where reading cuts the bytes into pieces, every line ends in CR LF, the line breaks are the
// only change, and the editor's form gives the very same bytes back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "workbench/core/pagereader.h"
#include "workbench/pagetextcodec.h"

namespace {

void Check(bool bHolds) {
    if (!bHolds)
        std::abort();
}

// The page's bytes with every line break ("\n", or "\r\n") taken out, and the line count.
std::string WithoutBreaks(std::string_view bytes, size_t* pnLines) {
    std::string text;
    *pnLines = 0;
    size_t nStart = 0;
    while (nStart < bytes.size()) {
        size_t nBreak = bytes.find('\n', nStart);
        const bool bBroken = nBreak != std::string_view::npos;
        if (!bBroken)
            nBreak = bytes.size();
        size_t nEnd = nBreak;
        if (bBroken && nEnd > nStart && bytes[nEnd - 1] == '\r')
            --nEnd;
        text.append(bytes.substr(nStart, nEnd - nStart));
        ++*pnLines;
        nStart = nBreak + 1;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte says where the reader's first piece ends.
    const size_t nCut = data[0] % size;
    const std::string_view page(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string whole = tb::PageTextFromBytes(page);
    const size_t nFirst = nCut < page.size() ? nCut : page.size();
    size_t nOffset = 0;
    const tb::CPageReading pieces = tb::ReadPageFrom([&](char* buffer, size_t nSize) -> long {
        const size_t nEnd = nOffset < nFirst ? nFirst : page.size();
        const size_t n = nEnd - nOffset < nSize ? nEnd - nOffset : nSize;
        page.copy(buffer, n, nOffset);
        nOffset += n;
        return static_cast<long>(n);
    });
    Check(pieces.status == tb::CPageReading::Status::Read);
    Check(pieces.text == whole);

    size_t nLines = 0;
    const std::string plain = WithoutBreaks(page, &nLines);
    size_t nTextLines = 0;
    Check(WithoutBreaks(whole, &nTextLines) == plain);
    Check(nTextLines == nLines);
    Check(whole.empty() || whole.ends_with("\r\n"));

    const tb::CPageTextCodec codec(whole);
    Check(codec.FromEditorText(codec.ToEditor(whole)) == whole);
    return 0;
}
