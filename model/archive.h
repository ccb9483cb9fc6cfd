#pragma once
// The object archive: a byte stream of little-endian values, counted strings and tagged
// objects (class name and schema on first use, back-references afterwards). Used for undo
// snapshots, the clipboard and the button list of the applet.
//
// Storing appends to an in-memory buffer. Loading reads from bytes that may come from anywhere
// (the clipboard), so every read is checked: a malformed archive throws CArchiveException from
// the read that notices it. The exception never leaves the archive boundary: run loads through
// tb::LoadArchive, which catches it (and memory exhaustion) and reports a status.

#include "model/object.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        generic,
        endOfFile, // the bytes end in the middle of a value
        badIndex,  // a class or object reference that names nothing loaded
        badClass,  // an unknown class, or one of the wrong kind for its place
        badSchema, // a known class with another schema
        badCount,  // a count or length larger than the bytes that are left
        tooDeep,   // sub-menus nested beyond the loading limit
        badObject, // a null, repeated or foreign object where the form allows none
    };
    CArchiveException(Cause cause, const std::string& what)
        : std::runtime_error(what), m_cause(cause) {}
    Cause m_cause;
};

class CArchive {
public:
    enum Mode { store, load };

    // Sub-menus nested deeper than this are refused on loading, so that hostile bytes cannot
    // exhaust the stack through the recursive Serialize calls.
    static constexpr int kMaxLoadNesting = 64;

    // A storing archive that writes into its own buffer.
    CArchive();
    // A loading archive over `bytes`, which must outlive it.
    explicit CArchive(std::string_view bytes);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // Storing: the bytes written so far.
    const std::string& GetBuffer() const { return m_buffer; }
    std::string TakeBuffer() { return std::move(m_buffer); }
    // Loading: bytes not read yet.
    size_t Remaining() const { return m_input.size() - m_pos; }

    // Plain values, little-endian.
    void Write(const void* p, size_t n);
    void WriteByte(uint8_t v);
    void WriteWord(uint16_t v);
    void WriteDWord(uint32_t v);
    void WriteInt(int32_t v) { WriteDWord(static_cast<uint32_t>(v)); }
    void Read(void* p, size_t n);
    uint8_t ReadByte();
    uint16_t ReadWord();
    uint32_t ReadDWord();
    int32_t ReadInt() { return static_cast<int32_t>(ReadDWord()); }

    // Counted strings: a length byte, or 0xFF and a 16-bit length, or 0xFF, 0xFFFF and a
    // 32-bit length; then the bytes.
    void WriteString(std::string_view s);
    std::string ReadString();

    // Element counts of object arrays and lists: a 16-bit count, or 0xFFFF and a 32-bit count.
    void WriteCount(size_t n);
    // Refuses a count whose elements could not fit in the remaining bytes, at least
    // `minElementBytes` each.
    size_t ReadCount(size_t minElementBytes = 2);

    // Tagged objects. A null pointer writes the null tag; an object written before writes a
    // back-reference; otherwise the class (or a reference to it) and then the object's own
    // Serialize.
    void WriteObject(const CObject* pOb);
    // Reads one tagged object of kind `pBase` (null, new or a back-reference). A new object is
    // handed to the caller through `created`; a back-reference returns the earlier object
    // and leaves `created` empty.
    CObject* ReadObject(const CRuntimeClass* pBase, std::unique_ptr<CObject>& created);
    // An object the caller will own: null and back-references are refused, since an owned
    // object may have one owner only.
    std::unique_ptr<CObject> ReadNewObject(const CRuntimeClass* pBase);
    template <class T> std::unique_ptr<T> ReadNewObject() {
        return std::unique_ptr<T>(static_cast<T*>(ReadNewObject(T::GetThisClass()).release()));
    }
    // A back-reference to an object loaded earlier by this archive; anything else is refused.
    CObject* ReadObjectRef(const CRuntimeClass* pBase);

    // Counts one level of menu nesting while loading; throws tooDeep past kMaxLoadNesting.
    class NestingGuard {
    public:
        explicit NestingGuard(CArchive& ar);
        ~NestingGuard();
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        CArchive& m_ar;
    };

    [[noreturn]] static void Fail(CArchiveException::Cause cause, const std::string& what);

private:
    const CRuntimeClass* ReadClass(uint32_t* pObTag);
    void WriteClass(const CRuntimeClass* pClass);
    void Need(size_t n) const;

    Mode m_mode;
    std::string m_buffer;     // storing
    std::string_view m_input; // loading
    size_t m_pos = 0;
    int m_nDepth = 0;
    // Classes and objects share one index space; index 0 is the null object.
    uint32_t m_nMapCount = 1;
    std::unordered_map<const void*, uint32_t> m_storeMap;
    struct LoadEntry {
        const CRuntimeClass* pClass; // set for a class entry
        CObject* pObject;            // set for an object entry
    };
    std::vector<LoadEntry> m_loadArray;
};

// Shorthand used by the Serialize functions.
inline CArchive& operator<<(CArchive& ar, int32_t v) {
    ar.WriteInt(v);
    return ar;
}
inline CArchive& operator<<(CArchive& ar, uint32_t v) {
    ar.WriteDWord(v);
    return ar;
}
inline CArchive& operator<<(CArchive& ar, uint16_t v) {
    ar.WriteWord(v);
    return ar;
}
inline CArchive& operator<<(CArchive& ar, const std::string& s) {
    ar.WriteString(s);
    return ar;
}
inline CArchive& operator>>(CArchive& ar, int32_t& v) {
    v = ar.ReadInt();
    return ar;
}
inline CArchive& operator>>(CArchive& ar, uint32_t& v) {
    v = ar.ReadDWord();
    return ar;
}
inline CArchive& operator>>(CArchive& ar, uint16_t& v) {
    v = ar.ReadWord();
    return ar;
}
inline CArchive& operator>>(CArchive& ar, std::string& s) {
    s = ar.ReadString();
    return ar;
}

namespace tb {

struct ArchiveStatus {
    bool ok = true;
    std::string message; // empty when ok
    explicit operator bool() const { return ok; }
};

// Runs `write` over a storing archive and returns the bytes.
std::string StoreArchive(const std::function<void(CArchive&)>& write);
// Runs `read` over a loading archive of `bytes`. A malformed archive or memory exhaustion
// gives ok = false and a message; whatever `read` built must then be thrown away by it (keep
// loaded objects in owning holders until the whole read succeeded).
ArchiveStatus LoadArchive(std::string_view bytes, const std::function<void(CArchive&)>& read);

// An object list or array: the count, then each element as a tagged object.
template <class T> void WriteObjectList(CArchive& ar, const std::vector<std::unique_ptr<T>>& list) {
    ar.WriteCount(list.size());
    for (const auto& p : list)
        ar.WriteObject(p.get());
}
template <class T> void WriteObjectList(CArchive& ar, const std::vector<T*>& list) {
    ar.WriteCount(list.size());
    for (const T* p : list)
        ar.WriteObject(p);
}
// Reads a list whose elements are new objects of kind T, appending them to `out`.
template <class T> void ReadOwnedObjectList(CArchive& ar, std::vector<std::unique_ptr<T>>& out) {
    size_t n = ar.ReadCount();
    for (size_t i = 0; i < n; ++i)
        out.push_back(ar.ReadNewObject<T>());
}

} // namespace tb
