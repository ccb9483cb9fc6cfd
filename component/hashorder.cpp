#include "component/hashorder.h"

namespace tb {

uint32_t HashOrderHash(std::string_view key) {
    uint32_t h = 0;
    for (char c : key)
        h = h * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    return h;
}

unsigned HashOrderBucket(std::string_view key) {
    return HashOrderHash(key) % CHashOrderMap::kBucketCount;
}

CHashOrderMap::const_iterator::const_iterator(const std::array<Bucket, kBucketCount>* pBuckets,
                                              unsigned nBucket, Bucket::const_iterator it)
    : m_pBuckets(pBuckets), m_nBucket(nBucket), m_it(it) {
    SkipEmptyBuckets();
}

void CHashOrderMap::const_iterator::SkipEmptyBuckets() {
    while (m_nBucket < kBucketCount && m_it == (*m_pBuckets)[m_nBucket].end()) {
        ++m_nBucket;
        m_it =
            m_nBucket < kBucketCount ? (*m_pBuckets)[m_nBucket].begin() : Bucket::const_iterator{};
    }
    if (m_nBucket >= kBucketCount)
        m_pBuckets = nullptr; // compares equal to end()
}

CHashOrderMap::const_iterator& CHashOrderMap::const_iterator::operator++() {
    ++m_it;
    SkipEmptyBuckets();
    return *this;
}

CHashOrderMap::CHashOrderMap(const CHashOrderMap& other) {
    *this = other;
}

CHashOrderMap& CHashOrderMap::operator=(const CHashOrderMap& other) {
    if (this == &other)
        return *this;
    Clear();
    // Inserting each bucket oldest first rebuilds the same newest-first order.
    for (unsigned b = 0; b < kBucketCount; ++b)
        for (auto it = other.m_buckets[b].rbegin(); it != other.m_buckets[b].rend(); ++it)
            Set(it->first, it->second);
    return *this;
}

CHashOrderMap::CHashOrderMap(CHashOrderMap&& other) noexcept
    : m_buckets(std::move(other.m_buckets)), m_index(std::move(other.m_index)) {
    other.Clear();
}

CHashOrderMap& CHashOrderMap::operator=(CHashOrderMap&& other) noexcept {
    if (this != &other) {
        m_buckets = std::move(other.m_buckets);
        m_index = std::move(other.m_index);
        other.Clear();
    }
    return *this;
}

void CHashOrderMap::Clear() {
    m_index.clear();
    for (Bucket& bucket : m_buckets)
        bucket.clear();
}

void CHashOrderMap::Set(const std::string& strKey, const std::string& strValue) {
    auto found = m_index.find(strKey);
    if (found != m_index.end()) {
        found->second->second = strValue;
        return;
    }
    Bucket& bucket = m_buckets[HashOrderBucket(strKey)];
    bucket.emplace_front(strKey, strValue);
    m_index.emplace(std::string_view(bucket.front().first), bucket.begin());
}

const std::string* CHashOrderMap::Find(const std::string& strKey) const {
    return FindView(strKey);
}

const std::string* CHashOrderMap::FindView(std::string_view key) const {
    auto found = m_index.find(key);
    return found == m_index.end() ? nullptr : &found->second->second;
}

std::string CHashOrderMap::Get(std::string_view key) const {
    const std::string* value = FindView(key);
    return value ? *value : std::string();
}

bool CHashOrderMap::Erase(std::string_view key) {
    auto found = m_index.find(key);
    if (found == m_index.end())
        return false;
    Bucket::iterator node = found->second;
    m_index.erase(found); // before the node, whose text the index key points into
    m_buckets[HashOrderBucket(node->first)].erase(node);
    return true;
}

CHashOrderMap::const_iterator CHashOrderMap::begin() const {
    return const_iterator(&m_buckets, 0, m_buckets[0].begin());
}

bool CHashOrderMap::SameEntries(const CHashOrderMap& other) const {
    if (Size() != other.Size())
        return false;
    for (const auto& [key, value] : *this) {
        const std::string* theirs = other.FindView(key);
        if (!theirs || *theirs != value)
            return false;
    }
    return true;
}

} // namespace tb
