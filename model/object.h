#pragma once
// Run-time class records for the archivable classes: a name and schema written into archives,
// a base for kind checks, and a factory for creation by name when an archive is loaded.

#include <cstdint>
#include <memory>
#include <string_view>

class CObject;
class CArchive;

struct CRuntimeClass {
    const char* m_lpszClassName;
    uint16_t m_wSchema;
    const CRuntimeClass* m_pBaseClass;
    // Null for classes that are never created from an archive.
    std::unique_ptr<CObject> (*m_pfnCreateObject)();

    bool IsDerivedFrom(const CRuntimeClass* pBase) const;
    std::unique_ptr<CObject> CreateObject() const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

class CObject {
public:
    static const CRuntimeClass classCObject;
    static const CRuntimeClass* GetThisClass() { return &classCObject; }

    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    virtual void Serialize(CArchive& ar);
    bool IsKindOf(const CRuntimeClass* pClass) const {
        return GetRuntimeClass()->IsDerivedFrom(pClass);
    }
};

namespace tb {
// The classes an archive may create by name. The table is explicit because self-registration
// by static initialisers is dropped when the objects come from a static library.
const CRuntimeClass* FindRuntimeClass(std::string_view name);
} // namespace tb
