#pragma once
// What the applet HTML needs of the widget object that asks for it. The widget object
// implements it; the model stays free of the component layer.

#include <string>

class IHtmlWidget {
public:
    virtual ~IHtmlWidget() = default;

    // Prefix and codebase of the preview mode, used exactly as it stands.
    virtual std::string GetPreviewPath() = 0;
    // Rebuilds the widget's resource list from the model; may clear model paths whose files
    // are gone, which is why it runs before any text is written.
    virtual void RebuildResourceList() = 0;
};
