#include "workbench/core/aboutdata.h"

namespace tb {

namespace {

// The maker's addresses lie in a reserved domain until the program has a site of its own.
// Credits: a tab ends a title, a line feed a heading, a carriage return a subheading, '^' a
// picture's name; the empty lines are gaps.
const CAboutData kAboutData = {
    "https://www.tallowby.example/",
    "support@tallowby.example",
    "Tallowby Software\nWorkshop Row 12\n4410 Tallowby",
    "Ambrel Brisko\t|Version 2.0||ambrel-brisko^||"
    "Founding Engineers\n||"
    "Button Model\r|Orla Quennemet||"
    "Designer\r|Tavo Brisklund||"
    "Workbench\r|Mirela Ostvang||"
    "Script Player\r|Jonne Wickerstaff||"
    "Help and Tests\r|Sefa Dunmoor|||"
    "With Thanks\n||"
    "to every web author|who drew a panel of buttons|and told us what it needed.|||",
};

} // namespace

const CAboutData& InstallationAboutData() {
    return kAboutData;
}

} // namespace tb
