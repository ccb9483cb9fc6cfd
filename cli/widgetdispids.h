#pragma once
// The DISPIDs of the widget automation interface, as every host calls them. Hosts do not
// link the component, so they keep their own copy of the numbers.

#include "platform/com/interfaces.h"

namespace tb::cli {

enum WidgetDispId : DISPID {
    dispidProgID = 1,
    dispidTitle = 2,
    dispidDescription = 3,
    dispidBitmapFileName = 4,
    dispidPreviewPath = 5,
    dispidLastUpdateTime = 6,
    dispidReadConfigFile = 7,
    dispidWriteConfigFile = 8,
    dispidConfig = 9,
    dispidGetHTMLSegmentNumber = 17,
    dispidGetHTMLPosition = 18,
    dispidGetHTMLBody = 19,
    dispidGetResourceNumber = 21,
    dispidGetResourceName = 22,
    dispidGetResourceLocalPath = 23,
    dispidGetResourceWebPath = 24,
    dispidWriteConfigFileEx = 28,
    // Our component's own addition: whether the design plays in current browsers.
    dispidPlayer = 29,
};

// The ProgID of the component that reads any widget file when no other is asked for, and
// the category under which widget components are installed.
inline constexpr char kDefaultWidgetProgID[] = "TesseraServer.Brisko";
inline constexpr char kWidgetCategory[] = "{2542EDC1-7EFB-11D2-8CA5-0088CC081531}";

} // namespace tb::cli
