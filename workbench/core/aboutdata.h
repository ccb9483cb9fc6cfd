#pragma once
// What the installation tells about its maker: the addresses the About box shows and links
// to, the credits it scrolls, and the page where the program is ordered.

#include <string>

namespace tb {

struct CAboutData {
    std::string webAddress;    // "Web:", opened by a click
    std::string supportMail;   // "Tech Support:", opened by a click as a mail address
    std::string postalAddress; // "Postal Mail:", lines separated by '\n'
    std::string credits;       // lines separated by '|', styled by their last characters
    std::string orderPage;     // the address Ordering Information opens
};

const CAboutData& InstallationAboutData();

} // namespace tb
