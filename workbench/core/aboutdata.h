#pragma once
// What the installation tells about its maker in the About box: the addresses it shows and
// links to, and the credits it scrolls. (The order page is in the string table.)

#include <string>

namespace tb {

struct CAboutData {
    std::string webAddress;    // "Web:", opened by a click
    std::string supportMail;   // "Tech Support:", opened by a click as a mail address
    std::string postalAddress; // "Postal Mail:", lines separated by '\n'
    std::string credits;       // lines separated by '|', styled by their last characters
};

const CAboutData& InstallationAboutData();

} // namespace tb
