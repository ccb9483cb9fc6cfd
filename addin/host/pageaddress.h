#pragma once
// The address of a page as its window shows it and the location its document reports.

#include <string>
#include <string_view>

#include "addin/host/htmldocument.h"

namespace tb::host {

// "file://" and the absolute path with every byte outside the unreserved set and '/'
// percent-encoded: "/home/ann/my site/a.htm" gives "file:///home/ann/my%20site/a.htm".
std::string FileAddressFromPath(std::string_view path);

// The location of a saved page (href its file address, pathname the path as it stands), or
// of an unsaved one when path is empty.
HTMLLocation LocationOfPage(std::string_view path);

} // namespace tb::host
