#include "model/archive.h"

#include <cstring>
#include <limits>
#include <new>

namespace {

constexpr uint16_t kNullTag = 0;
constexpr uint16_t kNewClassTag = 0xFFFF;
constexpr uint16_t kClassTag = 0x8000;
constexpr uint32_t kBigClassTag = 0x80000000;
constexpr uint16_t kBigObjectTag = 0x7FFF;
// Classes and objects share one index space; past this the tags could not be told apart.
constexpr uint32_t kMaxMapCount = 0x3FFFFFFE;
// Class names longer than this are not ours.
constexpr uint16_t kMaxClassName = 64;

} // namespace

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::string_view bytes) : m_mode(load), m_input(bytes) {
    m_loadArray.push_back({nullptr, nullptr}); // index 0: the null object
}

void CArchive::Fail(CArchiveException::Cause cause, const std::string& what) {
    throw CArchiveException(cause, what);
}

void CArchive::Need(size_t n) const {
    if (m_mode != load)
        Fail(CArchiveException::generic, "The archive is not open for reading.");
    if (n > Remaining())
        Fail(CArchiveException::endOfFile, "The archive ends before its data does.");
}

void CArchive::Write(const void* p, size_t n) {
    if (m_mode != store)
        Fail(CArchiveException::generic, "The archive is not open for writing.");
    m_buffer.append(static_cast<const char*>(p), n);
}

void CArchive::WriteByte(uint8_t v) {
    Write(&v, 1);
}

void CArchive::WriteWord(uint16_t v) {
    const unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    Write(b, 2);
}

void CArchive::WriteDWord(uint32_t v) {
    const unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                static_cast<unsigned char>(v >> 16),
                                static_cast<unsigned char>(v >> 24)};
    Write(b, 4);
}

void CArchive::Read(void* p, size_t n) {
    Need(n);
    if (n)
        std::memcpy(p, m_input.data() + m_pos, n);
    m_pos += n;
}

uint8_t CArchive::ReadByte() {
    Need(1);
    return static_cast<uint8_t>(m_input[m_pos++]);
}

uint16_t CArchive::ReadWord() {
    unsigned char b[2];
    Read(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t CArchive::ReadDWord() {
    unsigned char b[4];
    Read(b, 4);
    return uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) | (uint32_t(b[3]) << 24);
}

void CArchive::WriteString(std::string_view s) {
    const size_t n = s.size();
    if (n < 0xFF) {
        WriteByte(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(static_cast<uint16_t>(n));
    } else if (n < 0xFFFFFFFF) {
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(static_cast<uint32_t>(n));
    } else {
        Fail(CArchiveException::badCount, "A text is too long for the archive.");
    }
    Write(s.data(), n);
}

std::string CArchive::ReadString() {
    size_t n = ReadByte();
    if (n == 0xFF) {
        n = ReadWord();
        // 0xFFFE marks a wide-character text, which this system never writes.
        if (n == 0xFFFE)
            Fail(CArchiveException::generic, "The archive holds a wide-character text.");
        if (n == 0xFFFF)
            n = ReadDWord();
    }
    // Checked before allocating, so that a hostile length costs nothing.
    Need(n);
    std::string s(m_input.substr(m_pos, n));
    m_pos += n;
    return s;
}

void CArchive::WriteCount(size_t n) {
    if (n < 0xFFFF) {
        WriteWord(static_cast<uint16_t>(n));
    } else if (n <= 0xFFFFFFFE) {
        WriteWord(0xFFFF);
        WriteDWord(static_cast<uint32_t>(n));
    } else {
        Fail(CArchiveException::badCount, "A list is too long for the archive.");
    }
}

size_t CArchive::ReadCount(size_t minElementBytes) {
    size_t n = ReadWord();
    if (n == 0xFFFF)
        n = ReadDWord();
    if (minElementBytes && n > Remaining() / minElementBytes)
        Fail(CArchiveException::badCount, "The archive holds a count larger than its data.");
    return n;
}

void CArchive::WriteClass(const CRuntimeClass* pClass) {
    auto it = m_storeMap.find(pClass);
    if (it != m_storeMap.end()) {
        if (it->second < kBigObjectTag) {
            WriteWord(static_cast<uint16_t>(kClassTag | it->second));
        } else {
            WriteWord(kBigObjectTag);
            WriteDWord(kBigClassTag | it->second);
        }
        return;
    }
    const size_t len = std::strlen(pClass->m_lpszClassName);
    WriteWord(kNewClassTag);
    WriteWord(pClass->m_wSchema);
    WriteWord(static_cast<uint16_t>(len));
    Write(pClass->m_lpszClassName, len);
    if (m_nMapCount > kMaxMapCount)
        Fail(CArchiveException::badCount, "The archive holds too many objects.");
    m_storeMap[pClass] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb) {
    if (!pOb) {
        WriteWord(kNullTag);
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        if (it->second < kBigObjectTag) {
            WriteWord(static_cast<uint16_t>(it->second));
        } else {
            WriteWord(kBigObjectTag);
            WriteDWord(it->second);
        }
        return;
    }
    const CRuntimeClass* pClass = pOb->GetRuntimeClass();
    if (!pClass->m_pfnCreateObject)
        Fail(CArchiveException::badClass, "The object cannot be archived.");
    WriteClass(pClass);
    if (m_nMapCount > kMaxMapCount)
        Fail(CArchiveException::badCount, "The archive holds too many objects.");
    m_storeMap[pOb] = m_nMapCount++;
    // Storing reads the object only; Serialize is shared with loading and so not const.
    const_cast<CObject*>(pOb)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClass(uint32_t* pObTag) {
    const uint16_t wTag = ReadWord();
    if (wTag == kNewClassTag) {
        const uint16_t wSchema = ReadWord();
        const uint16_t nLen = ReadWord();
        if (nLen >= kMaxClassName)
            Fail(CArchiveException::badClass, "The archive names an unknown class.");
        char name[kMaxClassName];
        Read(name, nLen);
        const CRuntimeClass* pClass = tb::FindRuntimeClass(std::string_view(name, nLen));
        if (!pClass || !pClass->m_pfnCreateObject)
            Fail(CArchiveException::badClass,
                 "The archive names an unknown class \"" + std::string(name, nLen) + "\".");
        if (wSchema != pClass->m_wSchema)
            Fail(CArchiveException::badSchema, "The archive holds another version of \"" +
                                                   std::string(pClass->m_lpszClassName) + "\".");
        if (m_loadArray.size() > kMaxMapCount)
            Fail(CArchiveException::badCount, "The archive holds too many objects.");
        m_loadArray.push_back({pClass, nullptr});
        return pClass;
    }
    uint32_t obTag;
    if (wTag == kBigObjectTag)
        obTag = ReadDWord();
    else
        obTag = (uint32_t(wTag & kClassTag) << 16) | (wTag & ~kClassTag);
    if (!(obTag & kBigClassTag)) {
        *pObTag = obTag;
        return nullptr;
    }
    const uint32_t index = obTag & ~kBigClassTag;
    if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].pClass)
        Fail(CArchiveException::badIndex, "The archive refers to a class it does not hold.");
    return m_loadArray[index].pClass;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pBase, std::unique_ptr<CObject>& created) {
    created.reset();
    uint32_t obTag = 0;
    const CRuntimeClass* pClass = ReadClass(&obTag);
    if (!pClass) {
        if (obTag == 0)
            return nullptr;
        if (obTag >= m_loadArray.size() || !m_loadArray[obTag].pObject)
            Fail(CArchiveException::badIndex, "The archive refers to an object it does not hold.");
        CObject* pOb = m_loadArray[obTag].pObject;
        if (!pOb->IsKindOf(pBase))
            Fail(CArchiveException::badClass, "The archive holds an unexpected object.");
        return pOb;
    }
    // Checked before creating anything, so that no foreign object is ever built.
    if (!pClass->IsDerivedFrom(pBase))
        Fail(CArchiveException::badClass, "The archive holds an unexpected object.");
    std::unique_ptr<CObject> pOb = pClass->CreateObject();
    if (m_loadArray.size() > kMaxMapCount)
        Fail(CArchiveException::badCount, "The archive holds too many objects.");
    m_loadArray.push_back({nullptr, pOb.get()});
    pOb->Serialize(*this);
    created = std::move(pOb);
    return created.get();
}

std::unique_ptr<CObject> CArchive::ReadNewObject(const CRuntimeClass* pBase) {
    std::unique_ptr<CObject> created;
    ReadObject(pBase, created);
    if (!created)
        Fail(CArchiveException::badObject, "The archive holds a missing or repeated object.");
    return created;
}

CObject* CArchive::ReadObjectRef(const CRuntimeClass* pBase) {
    std::unique_ptr<CObject> created;
    CObject* pOb = ReadObject(pBase, created);
    if (!pOb || created)
        Fail(CArchiveException::badObject, "The archive refers to an object it does not hold.");
    return pOb;
}

CArchive::NestingGuard::NestingGuard(CArchive& ar) : m_ar(ar) {
    if (m_ar.IsLoading() && m_ar.m_nDepth >= kMaxLoadNesting)
        Fail(CArchiveException::tooDeep, "The archive nests its menus too deeply.");
    ++m_ar.m_nDepth;
}

CArchive::NestingGuard::~NestingGuard() {
    --m_ar.m_nDepth;
}

namespace tb {

std::string StoreArchive(const std::function<void(CArchive&)>& write) {
    CArchive ar;
    write(ar);
    return ar.TakeBuffer();
}

ArchiveStatus LoadArchive(std::string_view bytes, const std::function<void(CArchive&)>& read) {
    try {
        CArchive ar(bytes);
        read(ar);
        return {};
    } catch (const CArchiveException& e) {
        return {false, e.what()};
    } catch (const std::bad_alloc&) {
        return {false, "There is not enough memory to read the archive."};
    } catch (const std::length_error&) {
        return {false, "There is not enough memory to read the archive."};
    }
}

} // namespace tb
