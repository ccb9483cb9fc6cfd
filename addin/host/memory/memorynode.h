#pragma once
// The in-memory host's page: a small tree of elements, text and comments, read from HTML
// and written back as HTML. Text keeps its character references as written; nothing is
// decoded, so what was read is what is written.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tb::host {

struct CMemoryNode {
    enum class Kind { Element, Text, Comment };

    Kind kind = Kind::Element;
    std::string strTag; // elements: lower case
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string strText; // text and comments
    std::vector<std::unique_ptr<CMemoryNode>> children;
    CMemoryNode* pParent = nullptr;

    bool IsElement() const { return kind == Kind::Element; }
    bool IsText() const { return kind == Kind::Text; }
    std::string Attribute(std::string_view name) const;
    size_t IndexInParent() const;

    std::string OuterHtml() const;
    std::string InnerHtml() const;

    // The first element below (or at) this node with the id, or null.
    CMemoryNode* FindById(std::string_view id);
    // The first text node below this one that holds the text, or null.
    CMemoryNode* FindText(std::string_view text, size_t* offset);

    // Inserts at position index of this node's children and returns the inserted node.
    CMemoryNode* Insert(size_t index, std::unique_ptr<CMemoryNode> child);
    std::unique_ptr<CMemoryNode> Remove(size_t index);
};

// The nodes an HTML fragment makes, as a page parser would nest them (end tags close the
// nearest open element of their name; stray ones are dropped; void elements stay empty).
std::vector<std::unique_ptr<CMemoryNode>> ParseHtmlFragment(std::string_view html);

// A body element holding the fragment.
std::unique_ptr<CMemoryNode> ParseBody(std::string_view html);

} // namespace tb::host
