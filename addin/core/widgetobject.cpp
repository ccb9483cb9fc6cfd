#include "addin/core/widgetobject.h"

#include "platform/com/variant.h"

namespace tb::addin {

namespace {
constexpr int kSmallIconSize = 16;
}

bool CWidgetObject::Create(const std::string& progId) {
    m_dispatch.ReleaseDispatch();
    if (FAILED(m_dispatch.CreateDispatch(progId))) {
        m_strError = m_dispatch.LastException();
        return false;
    }
    m_strError.clear();
    return true;
}

bool CWidgetObject::Check(const tb::DispResult& result) {
    if (result.ok())
        return true;
    m_strError = IsCreated() ? m_dispatch.LastException() : "The widget object was not created.";
    return false;
}

std::string CWidgetObject::GetString(const char* name) {
    if (!IsCreated())
        return {};
    VARIANT value;
    if (FAILED(m_dispatch.GetProperty(name, VT_BSTR, &value))) {
        m_strError = m_dispatch.LastException();
        return {};
    }
    return value.bstrVal;
}

void CWidgetObject::PutString(const char* name, const std::string& value) {
    if (IsCreated() && FAILED(m_dispatch.SetProperty(name, VariantString(value))))
        m_strError = m_dispatch.LastException();
}

void CWidgetObject::SetLastUpdateTime(double date) {
    if (IsCreated() && FAILED(m_dispatch.SetProperty("LastUpdateTime", VariantDate(date))))
        m_strError = m_dispatch.LastException();
}

int16_t CWidgetObject::GetHTMLSegmentNumber() {
    if (!IsCreated())
        return 0;
    const tb::DispResult r = m_dispatch.CallMethod("GetHTMLSegmentNumber", VT_I2);
    return Check(r) ? r.value.iVal : 0;
}

ModuleImage CWidgetObject::SmallIcon() {
    ModuleImage icon;
    if (!IsCreated())
        return icon;
    const tb::DispResult module = m_dispatch.CallMethod("GetResourceInstance", VT_I4);
    const tb::DispResult id = m_dispatch.CallMethod("GetIconID", VT_I4, int16_t{0});
    if (!Check(module) || !Check(id) ||
        !LoadIconFromModule(module.value.lVal, static_cast<uint32_t>(id.value.lVal), kSmallIconSize,
                            &icon))
        return {};
    return icon;
}

} // namespace tb::addin
