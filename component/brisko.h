#pragma once
// The widget component's automation object: it owns the in-memory widget file and the
// button model, reads and writes widget files, runs the designer, and answers the hosts'
// questions about HTML, resources and catalogue data. Hosts reach it only through
// IDispatch (the member table is in briskodispatch.cpp); the plain members below are the
// same operations for code and tests inside the component.

#include <span>
#include <string>

#include "component/widgetconfig.h"
#include "model/appletparameters.h"
#include "model/htmlwidget.h"
#include "platform/com/dispatchimpl.h"

class CBrisko : public CDispatchImpl<CBrisko>, public IHtmlWidget {
public:
    static std::span<const DispEntry<CBrisko>> DispTable();

    CBrisko();
    ~CBrisko() override;

    // --- Catalogue properties (Description entries); a get creates a missing entry empty.
    std::string GetDescriptionEntry(std::string_view key);
    void SetDescriptionEntry(std::string_view key, std::string_view value);
    double GetLastUpdateTime();
    void SetLastUpdateTime(double date);

    // --- Widget files
    bool ReadConfigFile(const std::string& path);
    bool WriteConfigFile(const std::string& path) {
        return WriteConfigFileEx(path, tb::GatherMode::PointAtCopies);
    }
    // Gathers the design's files next to path and writes the widget file. When a copy fails
    // (a missing source aside) or the file cannot be written, the previous file stays, one
    // message through the UiServices names each failed file with its reason, and the result
    // is false.
    bool WriteConfigFileEx(const std::string& path, tb::GatherMode mode);

    // --- Designer. S_OK after the designer closed; E_NOTIMPL (and nothing changed) while no
    // designer is installed.
    HRESULT Config();

    // --- HTML and resources
    std::string GetHTMLBody(tb::HtmlMode mode);
    int GetResourceNumber();
    std::string GetResourceName(int nIndex);
    std::string GetResourceLocalPath(int nIndex);
    std::string GetResourceWebPath() const { return applet.m_strWebPath; }
    std::string GetResourceLocalPathByName(const std::string& name);
    bool SetResourceLocalPath(const std::string& path);
    // Rebuilds the list when the designer ran since the last rebuild.
    void EnsureResourcesCurrent();

    // --- "Play in current browsers": the HTML loads the script player, and the resource list
    // and the gathering take it along.
    bool GetPlayer() const { return applet.m_bPlayer != 0; }
    void SetPlayer(bool bOn);

    // IHtmlWidget
    std::string GetPreviewPath() override;
    void RebuildResourceList() override;

    // The folder of a widget file with a trailing '/'; "./" for a bare file name, which
    // lies in the current folder.
    static std::string WidgetFolder(const std::string& path);

    WidgetConfig config;
    CAppletParameters applet;
    int resourcesCurrent = 0;

private:
    // Dispatch handlers (briskodispatch.cpp): arguments arrive coerced to the table's types.
    HRESULT DispGetProgID(const DispArgs& args, VARIANT* result);
    HRESULT DispPutProgID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetTitle(const DispArgs& args, VARIANT* result);
    HRESULT DispPutTitle(const DispArgs& args, VARIANT* result);
    HRESULT DispGetDescription(const DispArgs& args, VARIANT* result);
    HRESULT DispPutDescription(const DispArgs& args, VARIANT* result);
    HRESULT DispGetBitmapFileName(const DispArgs& args, VARIANT* result);
    HRESULT DispPutBitmapFileName(const DispArgs& args, VARIANT* result);
    HRESULT DispGetPreviewPath(const DispArgs& args, VARIANT* result);
    HRESULT DispPutPreviewPath(const DispArgs& args, VARIANT* result);
    HRESULT DispGetLastUpdateTime(const DispArgs& args, VARIANT* result);
    HRESULT DispPutLastUpdateTime(const DispArgs& args, VARIANT* result);
    HRESULT DispReadConfigFile(const DispArgs& args, VARIANT* result);
    HRESULT DispWriteConfigFile(const DispArgs& args, VARIANT* result);
    HRESULT DispConfig(const DispArgs& args, VARIANT* result);
    HRESULT DispGetTesseraTypeID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetTesseraNameID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetMenuTextID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetMessageTextID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetTipsTextID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetIconID(const DispArgs& args, VARIANT* result);
    HRESULT DispGetReservedNumber(const DispArgs& args, VARIANT* result);
    HRESULT DispGetHTMLSegmentNumber(const DispArgs& args, VARIANT* result);
    HRESULT DispGetHTMLPosition(const DispArgs& args, VARIANT* result);
    HRESULT DispGetHTMLBody(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceInstance(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceNumber(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceName(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceLocalPath(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceWebPath(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceLocalPathByName(const DispArgs& args, VARIANT* result);
    HRESULT DispGetResourceWebPathByName(const DispArgs& args, VARIANT* result);
    HRESULT DispSetResourceLocalPath(const DispArgs& args, VARIANT* result);
    HRESULT DispWriteConfigFileEx(const DispArgs& args, VARIANT* result);
    HRESULT DispGetPlayer(const DispArgs& args, VARIANT* result);
    HRESULT DispPutPlayer(const DispArgs& args, VARIANT* result);
};
