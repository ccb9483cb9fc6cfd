#include "model/storagelinks.h"

#include <cstddef>
#include <numeric>

namespace tb {

namespace {

// Disjoint sets of menus, one set per tree built so far, each knowing its tree's root menu.
class CForest {
public:
    explicit CForest(int n) : m_parent(n), m_root(n) {
        std::iota(m_parent.begin(), m_parent.end(), 0);
        std::iota(m_root.begin(), m_root.end(), 0);
    }
    int RootOf(int m) { return m_root[Find(m)]; }
    // Hangs the tree rooted at nChild below a node of nParent's tree.
    void Attach(int nParent, int nChild) {
        int a = Find(nParent);
        int b = Find(nChild);
        m_parent[b] = a;
    }

private:
    int Find(int m) {
        int r = m;
        while (m_parent[r] != r)
            r = m_parent[r];
        while (m_parent[m] != r) {
            int next = m_parent[m];
            m_parent[m] = r;
            m = next;
        }
        return r;
    }
    std::vector<int> m_parent;
    std::vector<int> m_root; // meaningful at set representatives
};

// Item entries first, as the sub-menus are set before any button is made. Each accepted link
// places its menu below the item; placed[m] marks the menus that got an owner.
std::vector<CStorageLink> AcceptItemLinks(int nMenus, const std::vector<int>& itemOwner,
                                          const std::vector<CStorageLink>& entries,
                                          std::vector<char>& placed) {
    const int nItems = static_cast<int>(itemOwner.size());
    // An item owns one sub-menu: a second one would delete the first with everything below.
    std::vector<char> itemLinked(nItems, 0);
    std::vector<CStorageLink> accepted;
    CForest forest(nMenus);
    for (const CStorageLink& e : entries) {
        if (e.nItem < 0 || e.nItem >= nItems || e.nMenu < 0 || e.nMenu >= nMenus)
            continue;
        const int nOwner = itemOwner[e.nItem];
        if (nOwner < 0 || nOwner >= nMenus || placed[e.nMenu] || itemLinked[e.nItem])
            continue;
        // An unplaced menu is the root of its tree; it closes a cycle when the item's menu
        // already hangs below it.
        if (forest.RootOf(nOwner) == e.nMenu)
            continue;
        forest.Attach(nOwner, e.nMenu);
        placed[e.nMenu] = 1;
        itemLinked[e.nItem] = 1;
        accepted.push_back(e);
    }
    return accepted;
}

// Drops the accepted links that would put a menu deeper than nMaxDepth. Depths are found
// breadth first from every root; a menu too deep keeps no owner and starts a tree of its own,
// so every tree stays within the limit.
std::vector<CStorageLink> LimitDepth(int nMenus, const std::vector<int>& itemOwner,
                                     const std::vector<CStorageLink>& accepted, int nMaxDepth,
                                     std::vector<char>& placed) {
    std::vector<int> linkOf(nMenus, -1); // the accepted link that places each menu
    std::vector<int> childStart(nMenus + 1, 0);
    for (size_t k = 0; k < accepted.size(); ++k) {
        linkOf[accepted[k].nMenu] = static_cast<int>(k);
        ++childStart[itemOwner[accepted[k].nItem] + 1];
    }
    std::partial_sum(childStart.begin(), childStart.end(), childStart.begin());
    std::vector<int> children(accepted.size());
    std::vector<int> fill(childStart.begin(), childStart.end() - 1);
    for (const CStorageLink& c : accepted)
        children[fill[itemOwner[c.nItem]]++] = c.nMenu;

    std::vector<int> depth(nMenus, 0);
    std::vector<char> rejected(accepted.size(), 0);
    std::vector<int> queue;
    queue.reserve(nMenus);
    for (int m = 0; m < nMenus; ++m)
        if (!placed[m])
            queue.push_back(m);
    for (size_t q = 0; q < queue.size(); ++q) {
        const int p = queue[q];
        for (int k = childStart[p]; k < childStart[p + 1]; ++k) {
            const int c = children[k];
            if (depth[p] + 1 > nMaxDepth) {
                rejected[linkOf[c]] = 1;
                placed[c] = 0;
                depth[c] = 0;
            } else {
                depth[c] = depth[p] + 1;
            }
            queue.push_back(c);
        }
    }

    std::vector<CStorageLink> kept;
    for (size_t k = 0; k < accepted.size(); ++k)
        if (!rejected[k])
            kept.push_back(accepted[k]);
    return kept;
}

} // namespace

CStorageLinkPlan PlanStorageLinks(int nMenus, const std::vector<int>& itemOwner,
                                  const std::vector<CStorageLink>& entries, int nMaxDepth) {
    CStorageLinkPlan plan;
    if (nMenus <= 0)
        return plan;
    std::vector<char> placed(nMenus, 0);
    plan.itemLinks = LimitDepth(
        nMenus, itemOwner, AcceptItemLinks(nMenus, itemOwner, entries, placed), nMaxDepth, placed);
    // Button entries make buttons of the menus still without an owner, each once.
    for (const CStorageLink& e : entries) {
        if (e.nItem >= 0 || e.nMenu < 0 || e.nMenu >= nMenus || placed[e.nMenu])
            continue;
        placed[e.nMenu] = 1;
        plan.topLevel.push_back(e.nMenu);
    }
    return plan;
}

} // namespace tb
