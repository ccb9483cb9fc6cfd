#include "component/hashorder.h"

#include <algorithm>
#include <functional>

namespace tb {

namespace {

// The lookup hash is the library's string hash rather than the order hash: keys in a file
// are anyone's to choose, and many keys sharing the simple order hash must not make every
// lookup walk them all.
size_t LookupHash(std::string_view key) {
    return std::hash<std::string_view>{}(key);
}

constexpr size_t kFirstSlotCount = 16;

uint64_t SlotValue(size_t nHash, uint32_t nEntry) {
    return (uint64_t(nHash) & 0xFFFFFFFF00000000u) | (uint64_t(nEntry) + 1);
}

uint32_t EntryOf(uint64_t nSlot) {
    return uint32_t(nSlot) - 1;
}

} // namespace

uint32_t HashOrderHash(std::string_view key) {
    uint32_t h = 0;
    for (char c : key)
        h = h * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    return h;
}

unsigned HashOrderBucket(std::string_view key) {
    return HashOrderHash(key) % CHashOrderMap::kBucketCount;
}

CHashOrderMap::const_iterator::const_iterator(const CHashOrderMap* pMap, unsigned nBucket)
    : m_pMap(pMap), m_nBucket(nBucket), m_nEntry(pMap->m_newest[nBucket]) {
    SkipEmptyBuckets();
}

CHashOrderMap::const_iterator::reference CHashOrderMap::const_iterator::operator*() const {
    return m_pMap->m_entries[m_nEntry].entry;
}

void CHashOrderMap::const_iterator::SkipEmptyBuckets() {
    while (m_nEntry == kNone && ++m_nBucket < kBucketCount)
        m_nEntry = m_pMap->m_newest[m_nBucket];
}

CHashOrderMap::const_iterator& CHashOrderMap::const_iterator::operator++() {
    m_nEntry = m_pMap->m_entries[m_nEntry].nOlder;
    SkipEmptyBuckets();
    return *this;
}

CHashOrderMap::CHashOrderMap(CHashOrderMap&& other) noexcept
    : m_entries(std::move(other.m_entries)), m_slots(std::move(other.m_slots)),
      m_newest(other.m_newest), m_nTakenIn(other.m_nTakenIn), m_nGone(other.m_nGone) {
    other.Clear();
}

CHashOrderMap& CHashOrderMap::operator=(CHashOrderMap&& other) noexcept {
    if (this != &other) {
        m_entries = std::move(other.m_entries);
        m_slots = std::move(other.m_slots);
        m_newest = other.m_newest;
        m_nTakenIn = other.m_nTakenIn;
        m_nGone = other.m_nGone;
        other.Clear();
    }
    return *this;
}

void CHashOrderMap::Clear() {
    // The room stays: a map is mostly cleared to be filled again with as many entries.
    m_entries.clear();
    std::fill(m_slots.begin(), m_slots.end(), 0u);
    m_newest.fill(kNone);
    m_nTakenIn = 0;
    m_nGone = 0;
}

size_t CHashOrderMap::SlotOf(std::string_view key, size_t nHash) const {
    const size_t nMask = m_slots.size() - 1;
    const uint64_t nTag = uint64_t(nHash) >> 32;
    for (size_t nSlot = nHash & nMask;; nSlot = (nSlot + 1) & nMask) {
        const uint64_t nHeld = m_slots[nSlot];
        if (nHeld == 0)
            return nSlot;
        if ((nHeld >> 32) == nTag && m_entries[EntryOf(nHeld)].entry.first == key)
            return nSlot;
    }
}

void CHashOrderMap::Resize(size_t nEntries) const {
    size_t nSlots = kFirstSlotCount;
    while (nSlots < 2 * nEntries)
        nSlots *= 2;
    m_slots.assign(nSlots, 0u);
    const size_t nMask = nSlots - 1;
    for (size_t i = 0; i < m_nTakenIn; ++i) {
        if (m_entries[i].bGone)
            continue;
        size_t nSlot = m_entries[i].nHash & nMask;
        while (m_slots[nSlot] != 0)
            nSlot = (nSlot + 1) & nMask;
        m_slots[nSlot] = SlotValue(m_entries[i].nHash, uint32_t(i));
    }
}

void CHashOrderMap::CatchUp() const {
    if (m_nTakenIn == m_entries.size())
        return;
    if (2 * (m_entries.size() - m_nGone) > m_slots.size())
        Resize(m_entries.size() - m_nGone);
    for (size_t i = m_nTakenIn; i < m_entries.size(); ++i) {
        CNode& node = m_entries[i];
        const size_t nSlot = SlotOf(node.entry.first, node.nHash);
        if (m_slots[nSlot] == 0) {
            m_slots[nSlot] = SlotValue(node.nHash, uint32_t(i));
            continue;
        }
        m_entries[EntryOf(m_slots[nSlot])].entry.second = std::move(node.entry.second);
        Remove(uint32_t(i));
    }
    m_nTakenIn = m_entries.size();
    CompactIfSparse();
}

void CHashOrderMap::Link(uint32_t nEntry) {
    CNode& node = m_entries[nEntry];
    node.nNewer = kNone;
    node.nOlder = m_newest[node.nBucket];
    if (node.nOlder != kNone)
        m_entries[node.nOlder].nNewer = nEntry;
    m_newest[node.nBucket] = nEntry;
}

void CHashOrderMap::Unlink(uint32_t nEntry) const {
    const CNode& node = m_entries[nEntry];
    if (node.nNewer != kNone)
        m_entries[node.nNewer].nOlder = node.nOlder;
    else
        m_newest[node.nBucket] = node.nOlder;
    if (node.nOlder != kNone)
        m_entries[node.nOlder].nNewer = node.nNewer;
}

void CHashOrderMap::Remove(uint32_t nEntry) const {
    Unlink(nEntry);
    CNode& node = m_entries[nEntry];
    node.bGone = true;
    node.entry = Entry();
    ++m_nGone;
}

void CHashOrderMap::CompactIfSparse() const {
    if (m_nGone == 0 || 2 * m_nGone < m_entries.size())
        return;
    std::vector<uint32_t> moved(m_entries.size(), kNone);
    uint32_t nKept = 0;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].bGone)
            continue;
        moved[i] = nKept;
        if (nKept != i)
            m_entries[nKept] = std::move(m_entries[i]);
        ++nKept;
    }
    m_entries.resize(nKept);
    auto remap = [&moved](uint32_t n) { return n == kNone ? kNone : moved[n]; };
    for (CNode& node : m_entries) {
        node.nNewer = remap(node.nNewer);
        node.nOlder = remap(node.nOlder);
    }
    for (uint32_t& nNewest : m_newest)
        nNewest = remap(nNewest);
    m_nGone = 0;
    m_nTakenIn = m_entries.size();
    Resize(m_entries.size());
}

void CHashOrderMap::Set(std::string_view key, std::string value) {
    // Entries linked here are taken into the table by the next lookup.
    m_entries.push_back({{std::string(key), std::move(value)},
                         LookupHash(key),
                         kNone,
                         kNone,
                         uint8_t(HashOrderBucket(key)),
                         false});
    Link(uint32_t(m_entries.size() - 1));
}

const std::string* CHashOrderMap::Find(std::string_view key) const {
    CatchUp();
    if (m_entries.size() == m_nGone)
        return nullptr;
    const uint64_t nHeld = m_slots[SlotOf(key, LookupHash(key))];
    return nHeld == 0 ? nullptr : &m_entries[EntryOf(nHeld)].entry.second;
}

size_t CHashOrderMap::Size() const {
    CatchUp();
    return m_entries.size() - m_nGone;
}

void CHashOrderMap::ForEach(
    const std::function<void(std::string_view, const std::string&)>& visit) const {
    CatchUp();
    // In the order the entries were set, which is the order they lie in memory.
    for (const CNode& node : m_entries)
        if (!node.bGone)
            visit(node.entry.first, node.entry.second);
}

std::string CHashOrderMap::Get(std::string_view key) const {
    const std::string* value = Find(key);
    return value ? *value : std::string();
}

void CHashOrderMap::FreeSlot(size_t nSlot) const {
    const size_t nMask = m_slots.size() - 1;
    m_slots[nSlot] = 0;
    for (size_t nNext = (nSlot + 1) & nMask; m_slots[nNext] != 0; nNext = (nNext + 1) & nMask) {
        const size_t nHome = m_entries[EntryOf(m_slots[nNext])].nHash & nMask;
        // An entry may move into the hole when its home does not lie after the hole on the
        // way round to where it is now.
        const bool bHomeBetween =
            nSlot <= nNext ? (nSlot < nHome && nHome <= nNext) : (nSlot < nHome || nHome <= nNext);
        if (!bHomeBetween) {
            m_slots[nSlot] = m_slots[nNext];
            m_slots[nNext] = 0;
            nSlot = nNext;
        }
    }
}

bool CHashOrderMap::Erase(std::string_view key) {
    CatchUp();
    if (m_entries.size() == m_nGone)
        return false;
    const size_t nSlot = SlotOf(key, LookupHash(key));
    if (m_slots[nSlot] == 0)
        return false;
    const uint32_t nEntry = EntryOf(m_slots[nSlot]);
    FreeSlot(nSlot);
    Remove(nEntry);
    CompactIfSparse();
    return true;
}

CHashOrderMap::const_iterator CHashOrderMap::begin() const {
    CatchUp();
    return const_iterator(this, 0);
}

bool CHashOrderMap::SameEntries(const CHashOrderMap& other) const {
    if (Size() != other.Size())
        return false;
    for (const auto& [key, value] : *this) {
        const std::string* theirs = other.Find(key);
        if (!theirs || *theirs != value)
            return false;
    }
    return true;
}

} // namespace tb
