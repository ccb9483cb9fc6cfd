// The reference holder: every reference it takes is given back exactly once.

#include <gtest/gtest.h>

#include <utility>

#include "platform/com/interfaceptr.h"

namespace {

// Counts its references and records when the last one goes.
class CCounted {
public:
    explicit CCounted(bool& bDeleted) : m_bDeleted(bDeleted) {}
    unsigned AddRef() { return ++m_nRefs; }
    unsigned Release() {
        const unsigned n = --m_nRefs;
        if (n == 0)
            m_bDeleted = true;
        return n;
    }
    unsigned Refs() const { return m_nRefs; }

private:
    unsigned m_nRefs = 1;
    bool& m_bDeleted;
};

using CountedPtr = tb::CInterfacePtr<CCounted>;

TEST(InterfacePtr, AdoptedReferenceIsReleasedOnce) {
    bool bDeleted = false;
    CCounted object(bDeleted);
    {
        CountedPtr p = CountedPtr::Adopt(&object);
        EXPECT_EQ(object.Refs(), 1u);
        CountedPtr copy = p;
        EXPECT_EQ(object.Refs(), 2u);
        CountedPtr moved = std::move(copy);
        EXPECT_FALSE(copy);
        EXPECT_EQ(object.Refs(), 2u);
        moved.Reset();
        EXPECT_FALSE(moved);
        EXPECT_EQ(object.Refs(), 1u);
    }
    EXPECT_TRUE(bDeleted);
}

TEST(InterfacePtr, SharedReferenceAndDetachLeaveTheOwnerAlone) {
    bool bDeleted = false;
    CCounted object(bDeleted);
    {
        CountedPtr shared = CountedPtr::Share(&object);
        EXPECT_EQ(object.Refs(), 2u);
        CountedPtr other;
        other = shared;
        EXPECT_EQ(other.Get(), &object);
        EXPECT_EQ(object.Refs(), 3u);
        CCounted* pDetached = other.Detach();
        EXPECT_EQ(pDetached, &object);
        EXPECT_EQ(object.Refs(), 3u);
        pDetached->Release();
    }
    EXPECT_EQ(object.Refs(), 1u);
    EXPECT_FALSE(bDeleted);
    EXPECT_FALSE(CountedPtr::Share(nullptr));
}

} // namespace
