// Feeds arbitrary bytes to the widget file reader. Besides crashes, leaks and undefined
// behaviour it checks what must hold for any input: reading the bytes in small pieces gives
// the same record as reading them whole, and counts stay within 16 bits. The record's own
// written form is read back too, and the design is rebuilt from its parameters: the model
// that comes out must store and rebuild to the same parameters again.

#include "component/linereader.h"
#include "component/widgetconfig.h"
#include "model/appletparameters.h"
#include "model/parametermap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    WidgetConfig whole;
    whole.ReadText(text);

    WidgetConfig pieces;
    tb::CLineReader reader(text, 1 + size % 5);
    pieces.ReadFrom(reader);
    if (!pieces.SameContent(whole))
        std::abort();

    if (whole.Resources().size() > WidgetConfig::kMaxFileCount ||
        whole.Segments().size() > WidgetConfig::kMaxFileCount)
        std::abort();

    // Writing and re-reading tens of thousands of entries that a count conjured up would
    // only slow the search down.
    if (whole.Resources().size() + whole.Segments().size() <= 1024) {
        WidgetConfig again;
        again.ReadText(whole.WriteText());
    }

    CAppletParameters applet;
    applet.ReadParameters(whole.Parameters(), "/base/");
    CParameterMap stored;
    applet.WriteParameters(stored);
    CAppletParameters rebuilt;
    rebuilt.ReadParameters(stored, "/base/");
    CParameterMap storedAgain;
    rebuilt.WriteParameters(storedAgain);
    if (stored.Values() != storedAgain.Values())
        std::abort();

    whole.GetLastUpdateTime();
    whole.GetResourceLocalPathByName("tlwbtn.class");
    whole.SetResourceLocalPath("/tmp/");
    return 0;
}
