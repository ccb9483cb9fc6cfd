#include "addin/host/pageaddress.h"

#include "addin/host/pageapplication.h"

namespace tb::host {

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

} // namespace

std::string FileAddressFromPath(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (unsigned char c : path) {
        if (IsUnreserved(c)) {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 0xF];
        }
    }
    return address;
}

HTMLLocation LocationOfPage(std::string_view path) {
    if (path.empty())
        return {kUnsavedAddress, {}};
    return {FileAddressFromPath(path), std::string(path)};
}

} // namespace tb::host
