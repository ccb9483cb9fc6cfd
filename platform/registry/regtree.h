#pragma once
// One hive in memory: a tree of keys, each with its values. Names compare without regard to
// ASCII case but keep the case they were created with; sub-keys and values keep their
// creation order (the default value, whose name is empty, always comes first).

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/core/asciitext.h"
#include "platform/registry/registry.h"

namespace tb {

struct RegValue {
    std::string strName;
    DWORD dwType = REG_SZ;
    std::string strText; // REG_SZ
    DWORD dwNumber = 0;  // REG_DWORD

    bool sameData(const RegValue& other) const {
        return dwType == other.dwType &&
               (dwType == REG_DWORD ? dwNumber == other.dwNumber : strText == other.strText);
    }
};

class CRegNode {
public:
    explicit CRegNode(std::string name = {}) : m_strName(std::move(name)) {}
    // Tears the subtree down level by level: a hand-made hive may nest deeper than the
    // stack could follow.
    ~CRegNode();
    CRegNode(const CRegNode&) = delete;
    CRegNode& operator=(const CRegNode&) = delete;

    const std::string& name() const { return m_strName; }

    CRegNode* child(std::string_view name) const;
    // The existing child of that name, or a new last one; *created tells which.
    CRegNode* addChild(std::string_view name, bool* created = nullptr);
    bool removeChild(std::string_view name);
    size_t childCount() const { return m_vecChildren.size(); }
    const CRegNode& childAt(size_t index) const { return *m_vecChildren[index]; }

    const RegValue* value(std::string_view name) const;
    // Replaces the data of an existing value in place (its name keeps its first spelling).
    void setValue(RegValue value);
    bool removeValue(std::string_view name);
    size_t valueCount() const { return m_vecValues.size(); }
    const RegValue& valueAt(size_t index) const { return m_vecValues[index]; }

    bool empty() const { return m_vecChildren.empty() && m_vecValues.empty(); }
    void clear();

private:
    void reindexValues();

    std::string m_strName;
    std::vector<std::unique_ptr<CRegNode>> m_vecChildren;
    std::unordered_map<std::string, size_t> m_mapChildIndex; // folded name -> position
    std::vector<RegValue> m_vecValues;
    std::unordered_map<std::string, size_t> m_mapValueIndex;
};

} // namespace tb
