#include "platform/registry/regtree.h"

namespace tb {

CRegNode::~CRegNode() {
    std::vector<std::unique_ptr<CRegNode>> pending = std::move(m_vecChildren);
    while (!pending.empty()) {
        std::unique_ptr<CRegNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->m_vecChildren)
            pending.push_back(std::move(child));
        node->m_vecChildren.clear();
    }
}

CRegNode* CRegNode::child(std::string_view name) const {
    auto it = m_mapChildIndex.find(FoldCase(name));
    return it == m_mapChildIndex.end() ? nullptr : m_vecChildren[it->second].get();
}

CRegNode* CRegNode::addChild(std::string_view name, bool* created) {
    std::string folded = FoldCase(name);
    auto it = m_mapChildIndex.find(folded);
    if (created)
        *created = it == m_mapChildIndex.end();
    if (it != m_mapChildIndex.end())
        return m_vecChildren[it->second].get();
    m_mapChildIndex.emplace(std::move(folded), m_vecChildren.size());
    m_vecChildren.push_back(std::make_unique<CRegNode>(std::string(name)));
    return m_vecChildren.back().get();
}

bool CRegNode::removeChild(std::string_view name) {
    auto it = m_mapChildIndex.find(FoldCase(name));
    if (it == m_mapChildIndex.end())
        return false;
    size_t position = it->second;
    m_mapChildIndex.erase(it);
    m_vecChildren.erase(m_vecChildren.begin() + static_cast<std::ptrdiff_t>(position));
    for (auto& entry : m_mapChildIndex)
        if (entry.second > position)
            --entry.second;
    return true;
}

const RegValue* CRegNode::value(std::string_view name) const {
    auto it = m_mapValueIndex.find(FoldCase(name));
    return it == m_mapValueIndex.end() ? nullptr : &m_vecValues[it->second];
}

void CRegNode::setValue(RegValue value) {
    std::string folded = FoldCase(value.strName);
    auto it = m_mapValueIndex.find(folded);
    if (it != m_mapValueIndex.end()) {
        RegValue& existing = m_vecValues[it->second];
        value.strName = existing.strName;
        existing = std::move(value);
        return;
    }
    if (value.strName.empty()) {
        // The default value leads, as it does in every listing of a key.
        m_vecValues.insert(m_vecValues.begin(), std::move(value));
        reindexValues();
        return;
    }
    m_mapValueIndex.emplace(std::move(folded), m_vecValues.size());
    m_vecValues.push_back(std::move(value));
}

bool CRegNode::removeValue(std::string_view name) {
    auto it = m_mapValueIndex.find(FoldCase(name));
    if (it == m_mapValueIndex.end())
        return false;
    m_vecValues.erase(m_vecValues.begin() + static_cast<std::ptrdiff_t>(it->second));
    reindexValues();
    return true;
}

void CRegNode::clear() {
    m_vecChildren.clear();
    m_mapChildIndex.clear();
    m_vecValues.clear();
    m_mapValueIndex.clear();
}

void CRegNode::reindexValues() {
    m_mapValueIndex.clear();
    for (size_t i = 0; i < m_vecValues.size(); ++i)
        m_mapValueIndex.emplace(FoldCase(m_vecValues[i].strName), i);
}

} // namespace tb
