#include "model/object.h"

#include "model/appletparameters.h"
#include "model/drawobj.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"

const CRuntimeClass CObject::classCObject{"CObject", 0xFFFF, nullptr, nullptr};

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBase) const {
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass) {
        if (p == pBase)
            return true;
    }
    return false;
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

void CObject::Serialize(CArchive&) {}

namespace tb {

const CRuntimeClass* FindRuntimeClass(std::string_view name) {
    static const CRuntimeClass* const kClasses[] = {
        RUNTIME_CLASS(CMarquelItem), RUNTIME_CLASS(CMarquel),  RUNTIME_CLASS(CAppletParameters),
        RUNTIME_CLASS(CDrawObj),     RUNTIME_CLASS(CDrawRect),
    };
    for (const CRuntimeClass* p : kClasses) {
        if (name == p->m_lpszClassName)
            return p;
    }
    return nullptr;
}

} // namespace tb
