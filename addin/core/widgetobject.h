#pragma once
// The add-in's hold on one widget component object. Every member is called by its name, as
// a script would call it, so the add-in works with any installed widget kind that answers
// to the same names. Calls on an object that was never created answer false, 0 or "".

#include <cstdint>
#include <string>

#include "platform/com/dispdriver.h"
#include "platform/module/moduleres.h"

namespace tb::addin {

class CWidgetObject {
public:
    CWidgetObject() = default;
    CWidgetObject(const CWidgetObject&) = delete;
    CWidgetObject& operator=(const CWidgetObject&) = delete;

    // Creates an object of the ProgID through the registry (dropping any held before); false,
    // with the reason in ErrorDescription(), when the ProgID is unknown or its module fails.
    bool Create(const std::string& progId);
    bool IsCreated() const { return m_dispatch.GetDispatch() != nullptr; }
    // Why the last call failed, in words.
    const std::string& ErrorDescription() const { return m_strError; }

    std::string GetProgID() { return GetString("ProgID"); }
    void SetProgID(const std::string& value) { PutString("ProgID", value); }
    std::string GetTitle() { return GetString("Title"); }
    void SetTitle(const std::string& value) { PutString("Title", value); }
    void SetDescription(const std::string& value) { PutString("Description", value); }
    std::string GetPreviewPath() { return GetString("PreviewPath"); }
    void SetPreviewPath(const std::string& value) { PutString("PreviewPath", value); }
    // An automation date.
    void SetLastUpdateTime(double date);

    bool ReadConfigFile(const std::string& path) { return CallBool("ReadConfigFile", path); }
    bool WriteConfigFile(const std::string& path) { return CallBool("WriteConfigFile", path); }
    // nFlag 0 points the design at copies of its media beside the file; others only copy.
    bool WriteConfigFileEx(const std::string& path, int16_t nFlag) {
        return CallBool("WriteConfigFileEx", path, nFlag);
    }
    // Runs the component's designer; true when the user finished it with OK.
    bool Config() { return CallBool("Config"); }

    int16_t GetHTMLSegmentNumber();
    std::string GetHTMLPosition(int16_t nSegment) {
        return CallString("GetHTMLPosition", nSegment);
    }
    std::string GetHTMLBody(int16_t nSegment, int16_t nMode) {
        return CallString("GetHTMLBody", nSegment, nMode);
    }

    // The component's first small icon from its module resources; an empty image when it
    // has none.
    ModuleImage SmallIcon();

private:
    std::string GetString(const char* name);
    void PutString(const char* name, const std::string& value);
    template <class... Args> bool CallBool(const char* name, const Args&... args) {
        if (!IsCreated())
            return false;
        const tb::DispResult r = m_dispatch.CallMethod(name, VT_BOOL, args...);
        return Check(r) && r.value.boolVal != 0;
    }
    template <class... Args> std::string CallString(const char* name, const Args&... args) {
        if (!IsCreated())
            return {};
        const tb::DispResult r = m_dispatch.CallMethod(name, VT_BSTR, args...);
        return Check(r) ? r.value.bstrVal : std::string();
    }
    bool Check(const tb::DispResult& result);

    COleDispatchDriver m_dispatch;
    std::string m_strError;
};

} // namespace tb::addin
