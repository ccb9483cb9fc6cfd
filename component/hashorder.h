#pragma once
// A string-to-string map that iterates in the order of a 17-bucket chained hash table
// (h = 33 * h + signed byte; buckets ascending; newest key first within a bucket; replacing a
// value keeps the key where it is). Widget files list their entries in that order, so keeping
// it makes our files byte-identical to those the component has always written. Lookup is a
// real hash lookup and every operation is O(1), whatever the number of keys.

#include "model/parametermap.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace tb {

// The hash of a key: h = 33 * h + byte over its bytes from 0, each byte taken as a signed
// 8-bit value, unsigned 32-bit wrapping arithmetic.
uint32_t HashOrderHash(std::string_view key);
// HashOrderHash(key) % CHashOrderMap::kBucketCount.
unsigned HashOrderBucket(std::string_view key);

class CHashOrderMap : public IParameterMap {
    using Entry = std::pair<const std::string, std::string>;
    using Bucket = std::list<Entry>;

public:
    static constexpr unsigned kBucketCount = 17;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = const Entry*;
        using reference = const Entry&;

        const_iterator() = default;
        reference operator*() const { return *m_it; }
        pointer operator->() const { return &*m_it; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const const_iterator& other) const {
            return m_nBucket == other.m_nBucket && m_it == other.m_it;
        }

    private:
        friend class CHashOrderMap;
        const_iterator(const std::array<Bucket, kBucketCount>* pBuckets, unsigned nBucket,
                       Bucket::const_iterator it);
        void SkipEmptyBuckets();

        const std::array<Bucket, kBucketCount>* m_pBuckets = nullptr;
        unsigned m_nBucket = kBucketCount;
        Bucket::const_iterator m_it{};
    };

    CHashOrderMap() = default;
    CHashOrderMap(const CHashOrderMap& other);
    CHashOrderMap& operator=(const CHashOrderMap& other);
    CHashOrderMap(CHashOrderMap&& other) noexcept;
    CHashOrderMap& operator=(CHashOrderMap&& other) noexcept;
    ~CHashOrderMap() override = default;

    // IParameterMap
    void Clear() override;
    void Set(const std::string& strKey, const std::string& strValue) override;
    const std::string* Find(const std::string& strKey) const override;
    size_t Size() const override { return m_index.size(); }

    bool Contains(std::string_view key) const { return FindView(key) != nullptr; }
    // The value, or the empty string when the key is missing (nothing is inserted).
    std::string Get(std::string_view key) const;
    // Removes the key; a later Set of it counts as a new insertion. False when missing.
    bool Erase(std::string_view key);
    bool Empty() const { return m_index.empty(); }

    // Entries in file order.
    const_iterator begin() const;
    const_iterator end() const { return const_iterator(); }

    // Same keys and values; the order is not compared.
    bool SameEntries(const CHashOrderMap& other) const;

private:
    const std::string* FindView(std::string_view key) const;

    std::array<Bucket, kBucketCount> m_buckets;
    // Keys point into the list nodes, which never move while the entry lives.
    std::unordered_map<std::string_view, Bucket::iterator> m_index;
};

} // namespace tb
