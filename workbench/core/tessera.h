#pragma once
// CTessera: the workbench's hold on one widget component object. It finds the component
// through the registry (ProgID, class identifier, module path), creates the object, and
// offers one typed operation per member the workbench uses, each one Invoke by the member's
// fixed dispatch identifier. Nothing else in the workbench talks to a component.
//
// Calls on a wrapper without an object, and calls the object fails, answer false, 0 or "".

#include <cstdint>
#include <string>

#include "platform/com/dispdriver.h"
#include "platform/com/guid.h"
#include "platform/module/moduleres.h"

namespace tb {

class CTessera {
public:
    CTessera() = default;
    // Releases the component object.
    ~CTessera() = default;
    CTessera(const CTessera&) = delete;
    CTessera& operator=(const CTessera&) = delete;

    // The class identifier of the ProgID, then CreateFromCLSID; false, without a message,
    // when the ProgID is unknown.
    bool CreateFromProgID(const std::string& progID);
    // Looks the class up, creates its object unless one is held already, loads the widget
    // texts and sets Title "Normal" and an empty Description. Shows "Create the dispatch of
    // the %s Error!" only when the object itself cannot be made.
    bool CreateFromCLSID(const CLSID& clsid);
    bool IsCreated() const { return m_dispatch.GetDispatch() != nullptr; }

    std::string GetProgID();
    void SetProgID(const std::string& value);
    std::string GetTitle();
    void SetTitle(const std::string& value);
    std::string GetDescription();
    void SetDescription(const std::string& value);
    std::string GetPreviewPath();
    void SetPreviewPath(const std::string& value);
    // An automation date: days since 1899-12-30, local time.
    void SetLastUpdateTime(double date);

    bool ReadConfigFile(const std::string& path);
    bool WriteConfigFile(const std::string& path);
    bool WriteConfigFileEx(const std::string& path, int16_t nFlag);
    // Runs the component's designer; true when it reports success.
    bool Config();

    int32_t GetTesseraTypeID();
    int32_t GetTesseraNameID();
    int32_t GetMenuTextID();
    int32_t GetMessageTextID();
    HINSTANCE GetResourceInstance();

    int16_t GetHTMLSegmentNumber();
    std::string GetHTMLPosition(int16_t nSegment);
    // nMode 0 for previews, 1 for publishing.
    std::string GetHTMLBody(int16_t nSegment, int16_t nMode);

    int16_t GetResourceNumber();
    std::string GetResourceName(int16_t nIndex);
    std::string GetResourceLocalPath(int16_t nIndex);
    std::string GetResourceWebPath(int16_t nIndex);

    std::string m_strProgID; // as the registry names the class; "" until created
    CLSID m_clsid{};         // the component's class identifier
    COleDispatchDriver m_dispatch;
    std::string m_strFolder; // the component module's folder, without a trailing separator
    std::string m_strName;   // the component's texts, from its own string table
    std::string m_strMessage;
    std::string m_strType;
    std::string m_strMenu;
    std::string m_strSamplePage; // folder + "/Sample/sample.htm" when that file exists
    std::string m_strHelpFile;   // folder + "/" + module title + ".hlp" when that file exists

private:
    std::string GetString(DISPID dispid);
    void PutString(DISPID dispid, const std::string& value);
    template <class... Args> bool CallBool(DISPID dispid, const Args&... args);
    int32_t CallLong(DISPID dispid);
    int16_t CallShort(DISPID dispid);
    template <class... Args> std::string CallString(DISPID dispid, const Args&... args);
    void LoadWidgetTexts();
};

} // namespace tb
