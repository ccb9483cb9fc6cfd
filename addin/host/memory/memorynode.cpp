#include "addin/host/memory/memorynode.h"

#include <algorithm>

#include "addin/host/htmltokenizer.h"

namespace tb::host {

std::string CMemoryNode::Attribute(std::string_view name) const {
    for (const auto& [attrName, value] : attributes)
        if (attrName == name)
            return value;
    return {};
}

size_t CMemoryNode::IndexInParent() const {
    if (!pParent)
        return 0;
    for (size_t i = 0; i < pParent->children.size(); ++i)
        if (pParent->children[i].get() == this)
            return i;
    return 0;
}

std::string CMemoryNode::OuterHtml() const {
    switch (kind) {
    case Kind::Text:
        return strText;
    case Kind::Comment:
        return "<!--" + strText + "-->";
    case Kind::Element:
        break;
    }
    std::string html = "<" + strTag;
    for (const auto& [name, value] : attributes) {
        char quote = value.find('"') == std::string::npos ? '"' : '\'';
        html += " " + name + "=" + quote + value + quote;
    }
    html += ">";
    if (IsVoidElement(strTag))
        return html;
    return html + InnerHtml() + "</" + strTag + ">";
}

std::string CMemoryNode::InnerHtml() const {
    std::string html;
    for (const auto& child : children)
        html += child->OuterHtml();
    return html;
}

CMemoryNode* CMemoryNode::FindById(std::string_view id) {
    if (IsElement() && Attribute("id") == id)
        return this;
    for (const auto& child : children)
        if (CMemoryNode* found = child->FindById(id))
            return found;
    return nullptr;
}

CMemoryNode* CMemoryNode::FindText(std::string_view text, size_t* offset) {
    if (IsText()) {
        size_t at = strText.find(text);
        if (at == std::string::npos)
            return nullptr;
        *offset = at;
        return this;
    }
    for (const auto& child : children)
        if (CMemoryNode* found = child->FindText(text, offset))
            return found;
    return nullptr;
}

CMemoryNode* CMemoryNode::Insert(size_t index, std::unique_ptr<CMemoryNode> child) {
    child->pParent = this;
    index = std::min(index, children.size());
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
    return children[index].get();
}

std::unique_ptr<CMemoryNode> CMemoryNode::Remove(size_t index) {
    std::unique_ptr<CMemoryNode> removed = std::move(children[index]);
    children.erase(children.begin() + static_cast<std::ptrdiff_t>(index));
    removed->pParent = nullptr;
    return removed;
}

std::vector<std::unique_ptr<CMemoryNode>> ParseHtmlFragment(std::string_view html) {
    CMemoryNode root;
    std::vector<CMemoryNode*> open{&root};
    for (const HtmlToken& token : TokenizeHtml(html)) {
        auto node = std::make_unique<CMemoryNode>();
        switch (token.kind) {
        case HtmlTokenKind::Text:
            node->kind = CMemoryNode::Kind::Text;
            node->strText = std::string(html.substr(token.nBegin, token.nEnd - token.nBegin));
            open.back()->Insert(open.back()->children.size(), std::move(node));
            break;
        case HtmlTokenKind::Comment:
            node->kind = CMemoryNode::Kind::Comment;
            node->strText = token.data;
            open.back()->Insert(open.back()->children.size(), std::move(node));
            break;
        case HtmlTokenKind::StartTag: {
            node->strTag = token.name;
            for (const HtmlAttribute& attribute : token.attributes)
                node->attributes.emplace_back(attribute.name, attribute.value);
            CMemoryNode* added = open.back()->Insert(open.back()->children.size(), std::move(node));
            if (!IsVoidElement(token.name))
                open.push_back(added);
            break;
        }
        case HtmlTokenKind::EndTag:
            for (size_t i = open.size() - 1; i > 0; --i) {
                if (open[i]->strTag == token.name) {
                    open.resize(i);
                    break;
                }
            }
            break;
        case HtmlTokenKind::Doctype:
        case HtmlTokenKind::Bogus:
            break;
        }
    }
    for (auto& child : root.children)
        child->pParent = nullptr;
    return std::move(root.children);
}

std::unique_ptr<CMemoryNode> ParseBody(std::string_view html) {
    auto body = std::make_unique<CMemoryNode>();
    body->strTag = "body";
    for (auto& node : ParseHtmlFragment(html))
        body->Insert(body->children.size(), std::move(node));
    return body;
}

} // namespace tb::host
