#pragma once
// A string-to-string map that iterates in the order of a 17-bucket chained hash table
// (h = 33 * h + signed byte; buckets ascending; newest key first within a bucket; replacing a
// value keeps the key where it is). Widget files list their entries in that order, so keeping
// it makes our files byte-identical to those the component has always written.
//
// The entries lie in one vector, linked into their bucket's order; an open-addressing table of
// positions finds them by key. New entries are taken into that table in one sweep at the next
// lookup rather than one by one, so that filling a large map (reading a file, storing a
// design) does not wait on the table's memory once per key. A lookup costs one hash and
// usually one probe, whatever the number of keys, and a map of a few hundred thousand entries
// is a handful of allocations besides the texts themselves.

#include "model/parametermap.h"

#include <array>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tb {

// The hash of a key: h = 33 * h + byte over its bytes from 0, each byte taken as a signed
// 8-bit value, unsigned 32-bit wrapping arithmetic.
uint32_t HashOrderHash(std::string_view key);
// HashOrderHash(key) % CHashOrderMap::kBucketCount.
unsigned HashOrderBucket(std::string_view key);

class CHashOrderMap : public IParameterMap {
    static constexpr uint32_t kNone = UINT32_MAX; // no entry

public:
    static constexpr unsigned kBucketCount = 17;
    using Entry = std::pair<std::string, std::string>;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        const_iterator() = default;
        reference operator*() const;
        pointer operator->() const { return &**this; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& other) const { return m_nEntry == other.m_nEntry; }

    private:
        friend class CHashOrderMap;
        const_iterator(const CHashOrderMap* pMap, unsigned nBucket);
        void SkipEmptyBuckets();

        const CHashOrderMap* m_pMap = nullptr;
        unsigned m_nBucket = kBucketCount;
        uint32_t m_nEntry = kNone; // kNone at the end
    };

    CHashOrderMap() = default;
    CHashOrderMap(const CHashOrderMap& other) = default;
    CHashOrderMap& operator=(const CHashOrderMap& other) = default;
    CHashOrderMap(CHashOrderMap&& other) noexcept;
    CHashOrderMap& operator=(CHashOrderMap&& other) noexcept;
    ~CHashOrderMap() override = default;

    // IParameterMap. Set and Erase invalidate iterators.
    void Clear() override;
    void Set(std::string_view key, std::string value) override;
    const std::string* Find(std::string_view key) const override;
    size_t Size() const override;
    void ForEach(const std::function<void(std::string_view, const std::string&)>& visit)
        const override;

    bool Contains(std::string_view key) const { return Find(key) != nullptr; }
    // The value, or the empty string when the key is missing (nothing is inserted).
    std::string Get(std::string_view key) const;
    // Removes the key; a later Set of it counts as a new insertion. False when missing.
    bool Erase(std::string_view key);
    bool Empty() const { return Size() == 0; }

    // Entries in file order.
    const_iterator begin() const;
    const_iterator end() const { return const_iterator(); }

    // Same keys and values; the order is not compared.
    bool SameEntries(const CHashOrderMap& other) const;

private:
    struct CNode {
        Entry entry;
        size_t nHash;    // the lookup hash of the key
        uint32_t nNewer; // neighbours in the bucket's order, kNone at either end
        uint32_t nOlder;
        uint8_t nBucket;
        bool bGone; // replaced by a later Set of its key, or erased
    };

    // Takes the entries set since the last lookup into the table. A key set again gives its
    // value to the entry that holds it, which keeps its place. What the map holds stays the
    // same, which is why lookups that are const may do it.
    void CatchUp() const;
    // The slot that holds the key's entry, or the empty slot where it would go.
    size_t SlotOf(std::string_view key, size_t nHash) const;
    // A new table for nEntries entries, holding the entries already taken in.
    void Resize(size_t nEntries) const;
    void Link(uint32_t nEntry);
    void Unlink(uint32_t nEntry) const;
    void Remove(uint32_t nEntry) const;
    // Removes the slot, moving later entries of its probe run back so lookups still find them.
    void FreeSlot(size_t nSlot) const;
    // Drops the entries that are gone, once they are as many as those that stay.
    void CompactIfSparse() const;

    mutable std::vector<CNode> m_entries;
    // Per slot, 0 when empty, else the entry index + 1 with the high half of its lookup hash
    // above it, so a probe reads an entry only when that half matches. A power of two in
    // size, at most half full.
    mutable std::vector<uint64_t> m_slots;
    mutable std::array<uint32_t, kBucketCount> m_newest{kNone, kNone, kNone, kNone, kNone, kNone,
                                                        kNone, kNone, kNone, kNone, kNone, kNone,
                                                        kNone, kNone, kNone, kNone, kNone};
    mutable size_t m_nTakenIn = 0; // entries [0, m_nTakenIn) are in the table or gone
    mutable size_t m_nGone = 0;
};

} // namespace tb
