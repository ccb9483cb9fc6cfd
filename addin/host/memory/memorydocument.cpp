#include "addin/host/memory/memorydocument.h"

namespace tb::host {

namespace {

std::unique_ptr<IHTMLElement> SnapshotOf(const CMemoryNode& node) {
    // Tag names are ASCII; the user's locale has no say in their case.
    std::string tag = node.strTag;
    for (char& c : tag)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return std::make_unique<CElementSnapshot>(node.Attribute("id"), tag, node.OuterHtml());
}

// Elements a click selects as a whole rather than putting the caret in them.
bool IsSelectedAsWhole(const std::string& tag) {
    return tag == "applet" || tag == "object" || tag == "img" || tag == "embed";
}

} // namespace

class CMemoryDocument::CRange : public IHTMLTxtRange {
public:
    CRange(CMemoryDocument& document, Selection selection)
        : m_pDocument(&document), m_alive(document.m_pAlive), m_selection(selection),
          m_nGeneration(document.m_nGeneration) {}

    std::string htmlText() const override {
        if (m_alive.expired() || m_nGeneration != m_pDocument->m_nGeneration)
            return {};
        switch (m_selection.kind) {
        case SelectionKind::Text:
            return m_selection.pNode->strText.substr(m_selection.nStart,
                                                     m_selection.nEnd - m_selection.nStart);
        case SelectionKind::Control:
            return m_selection.pNode->OuterHtml();
        case SelectionKind::Caret:
            break;
        }
        return {};
    }

    bool pasteHTML(const std::string& html) override {
        if (m_alive.expired())
            return false;
        return m_pDocument->ReplaceRange(m_selection, html, m_nGeneration);
    }

private:
    CMemoryDocument* m_pDocument;
    std::weak_ptr<bool> m_alive;
    Selection m_selection;
    unsigned m_nGeneration;
};

class CMemoryDocument::CTransaction : public IUndoTransaction {
public:
    explicit CTransaction(CMemoryDocument& document)
        : m_pDocument(&document), m_alive(document.m_pAlive) {}
    ~CTransaction() override { commit(); }

    void commit() override {
        if (m_bCommitted)
            return;
        m_bCommitted = true;
        if (!m_alive.expired())
            m_pDocument->EndTransaction();
    }

private:
    CMemoryDocument* m_pDocument;
    std::weak_ptr<bool> m_alive;
    bool m_bCommitted = false;
};

CMemoryDocument::CMemoryDocument(HTMLLocation location, const std::string& bodyHtml,
                                 std::string& lastError)
    : m_location(std::move(location)), m_pBody(ParseBody(bodyHtml)), m_strLastError(lastError) {
    m_selection = {SelectionKind::Caret, m_pBody.get(), m_pBody->children.size(), 0};
}

CMemoryDocument::~CMemoryDocument() = default;

std::unique_ptr<IHTMLElement> CMemoryDocument::activeElement() const {
    const CMemoryNode* node = m_selection.pNode;
    if (node && !node->IsElement())
        node = node->pParent;
    return SnapshotOf(node ? *node : *m_pBody);
}

std::unique_ptr<IUndoTransaction> CMemoryDocument::createUndoTransaction(const std::string& name) {
    if (m_nOpenTransactions++ == 0) {
        m_undo.push_back({name, BodyHtml()});
        m_redo.clear();
    }
    return std::make_unique<CTransaction>(*this);
}

std::string CMemoryDocument::type() const {
    switch (m_selection.kind) {
    case SelectionKind::Text:
        return m_selection.nStart < m_selection.nEnd ? kSelectionText : kSelectionNone;
    case SelectionKind::Control:
        return kSelectionControl;
    case SelectionKind::Caret:
        break;
    }
    return kSelectionNone;
}

bool CMemoryDocument::clear() {
    if (m_selection.kind == SelectionKind::Caret)
        return true;
    BeginEdit("Delete");
    Selection caret = DeleteContents(m_selection);
    ++m_nGeneration;
    SetSelection(caret);
    return true;
}

std::unique_ptr<IHTMLTxtRange> CMemoryDocument::createRange() {
    return std::make_unique<CRange>(*this, m_selection);
}

void CMemoryDocument::PlaceCaretAtEnd() {
    SetSelection({SelectionKind::Caret, m_pBody.get(), m_pBody->children.size(), 0});
}

bool CMemoryDocument::PlaceCaretAfter(const std::string& text) {
    size_t offset = 0;
    CMemoryNode* node = m_pBody->FindText(text, &offset);
    if (!node)
        return false;
    SetSelection({SelectionKind::Caret, node, offset + text.size(), 0});
    return true;
}

bool CMemoryDocument::SelectText(const std::string& text) {
    size_t offset = 0;
    CMemoryNode* node = text.empty() ? nullptr : m_pBody->FindText(text, &offset);
    if (!node)
        return false;
    SetSelection({SelectionKind::Text, node, offset, offset + text.size()});
    return true;
}

bool CMemoryDocument::SelectElement(const std::string& id) {
    CMemoryNode* node = m_pBody->FindById(id);
    if (!node || node == m_pBody.get())
        return false;
    SetSelection({SelectionKind::Control, node, 0, 0});
    return true;
}

bool CMemoryDocument::ClickElement(const std::string& id) {
    CMemoryNode* node = m_pBody->FindById(id);
    if (!node)
        return false;
    if (IsSelectedAsWhole(node->strTag))
        return SelectElement(id);
    SetSelection({SelectionKind::Caret, node, 0, 0});
    return true;
}

bool CMemoryDocument::Undo() {
    if (m_undo.empty() || m_nOpenTransactions > 0)
        return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back({step.name, BodyHtml()});
    Restore(step.bodyHtml);
    return true;
}

bool CMemoryDocument::Redo() {
    if (m_redo.empty() || m_nOpenTransactions > 0)
        return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back({step.name, BodyHtml()});
    Restore(step.bodyHtml);
    return true;
}

std::vector<std::string> CMemoryDocument::UndoNames() const {
    std::vector<std::string> names;
    for (const Step& step : m_undo)
        names.push_back(step.name);
    return names;
}

void CMemoryDocument::SetSelection(Selection selection) {
    m_selection = selection;
    if (m_fnSelectionChanged)
        m_fnSelectionChanged();
}

void CMemoryDocument::BeginEdit(const std::string& name) {
    if (m_nOpenTransactions > 0)
        return;
    m_undo.push_back({name, BodyHtml()});
    m_redo.clear();
}

CMemoryDocument::Selection CMemoryDocument::DeleteContents(const Selection& selection) {
    switch (selection.kind) {
    case SelectionKind::Text:
        selection.pNode->strText.erase(selection.nStart, selection.nEnd - selection.nStart);
        return {SelectionKind::Caret, selection.pNode, selection.nStart, 0};
    case SelectionKind::Control: {
        CMemoryNode* parent = selection.pNode->pParent;
        size_t index = selection.pNode->IndexInParent();
        parent->Remove(index);
        return {SelectionKind::Caret, parent, index, 0};
    }
    case SelectionKind::Caret:
        break;
    }
    return selection;
}

void CMemoryDocument::InsertAt(const Selection& caret, const std::string& html) {
    CMemoryNode* parent = caret.pNode;
    size_t index = caret.nStart;
    if (caret.pNode->IsText()) {
        // Split the text at the caret and put the new nodes between the halves.
        CMemoryNode* text = caret.pNode;
        parent = text->pParent;
        index = text->IndexInParent() + 1;
        std::string after = text->strText.substr(caret.nStart);
        text->strText.resize(caret.nStart);
        if (!after.empty()) {
            auto tail = std::make_unique<CMemoryNode>();
            tail->kind = CMemoryNode::Kind::Text;
            tail->strText = after;
            parent->Insert(index, std::move(tail));
        }
        if (text->strText.empty())
            parent->Remove(--index);
    }
    for (auto& node : ParseHtmlFragment(html))
        parent->Insert(index++, std::move(node));
    SetSelection({SelectionKind::Caret, parent, index, 0});
}

bool CMemoryDocument::ReplaceRange(const Selection& range, const std::string& html,
                                   unsigned generation) {
    if (generation != m_nGeneration)
        return Fail("The range no longer matches the page: it was edited since.");
    BeginEdit("Paste");
    Selection caret = DeleteContents(range);
    ++m_nGeneration;
    InsertAt(caret, html);
    return true;
}

void CMemoryDocument::Restore(const std::string& bodyHtml) {
    m_pBody = ParseBody(bodyHtml);
    ++m_nGeneration;
    PlaceCaretAtEnd();
}

void CMemoryDocument::EndTransaction() {
    if (m_nOpenTransactions == 0 || --m_nOpenTransactions > 0)
        return;
    // A transaction that changed nothing leaves no step behind.
    if (!m_undo.empty() && m_undo.back().bodyHtml == BodyHtml())
        m_undo.pop_back();
}

bool CMemoryDocument::Fail(const std::string& reason) {
    m_strLastError = reason;
    return false;
}

} // namespace tb::host
