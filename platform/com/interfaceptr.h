#pragma once
// One counted reference to an object with AddRef and Release (any automation interface, or
// a component's own class), released when its holder goes. Copies take references of their
// own; a moved-from holder is empty.

#include <utility>

namespace tb {

template <class T> class CInterfacePtr {
public:
    CInterfacePtr() = default;
    // Takes over a reference the caller already owns: a new object, which starts with one, or
    // what an out-parameter received.
    static CInterfacePtr Adopt(T* p) {
        CInterfacePtr ptr;
        ptr.m_p = p;
        return ptr;
    }
    // Takes a reference of its own to an object someone else holds.
    static CInterfacePtr Share(T* p) {
        if (p)
            p->AddRef();
        return Adopt(p);
    }

    ~CInterfacePtr() { Reset(); }
    CInterfacePtr(const CInterfacePtr& other) : m_p(other.m_p) {
        if (m_p)
            m_p->AddRef();
    }
    CInterfacePtr(CInterfacePtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CInterfacePtr& operator=(CInterfacePtr other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // Releases the reference now.
    void Reset() {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }
    // Hands the reference to the caller, who must release it.
    T* Detach() { return std::exchange(m_p, nullptr); }

private:
    T* m_p = nullptr;
};

} // namespace tb
