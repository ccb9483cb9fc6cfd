#pragma once
// The in-memory host's document: a page body as a tree, a selection (a caret, some text in
// one text node, or one element), pasting and clearing as a page editor does them, and an
// undo history in which a transaction makes one step. Tests drive it through the methods
// below the interface, as a person would with the mouse.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/host/htmldocument.h"
#include "addin/host/memory/memorynode.h"

namespace tb::host {

class CMemoryDocument : public IHTMLDocument2, public IHTMLSelectionObject {
public:
    // lastError receives the reason of every failing call (the application's description).
    CMemoryDocument(HTMLLocation location, const std::string& bodyHtml, std::string& lastError);
    ~CMemoryDocument();

    // IHTMLDocument2
    HTMLLocation location() const override { return m_location; }
    IHTMLSelectionObject& selection() override { return *this; }
    std::unique_ptr<IHTMLElement> activeElement() const override;
    std::unique_ptr<IUndoTransaction> createUndoTransaction(const std::string& name) override;

    // IHTMLSelectionObject
    std::string type() const override;
    bool clear() override;
    std::unique_ptr<IHTMLTxtRange> createRange() override;

    // What a person does.
    void PlaceCaretAtEnd();
    bool PlaceCaretAfter(const std::string& text);
    bool SelectText(const std::string& text);
    bool SelectElement(const std::string& id);
    // Selects widgets, objects and images as a whole; elsewhere puts the caret at the start.
    bool ClickElement(const std::string& id);
    bool Undo();
    bool Redo();
    void SetLocation(HTMLLocation location) { m_location = std::move(location); }

    std::string BodyHtml() const { return m_pBody->InnerHtml(); }
    // Names of the undo steps, oldest first.
    std::vector<std::string> UndoNames() const;
    size_t RedoCount() const { return m_redo.size(); }

    // Called whenever the selection changes (the host raises its update event then).
    void SetSelectionListener(std::function<void()> listener) {
        m_fnSelectionChanged = std::move(listener);
    }

private:
    class CRange;
    class CTransaction;

    enum class SelectionKind { Caret, Text, Control };
    struct Selection {
        SelectionKind kind = SelectionKind::Caret;
        CMemoryNode* pNode = nullptr; // caret and text: a text node or an element
        size_t nStart = 0;            // offset in the text, or child index in the element
        size_t nEnd = 0;              // text: end of the selected text
    };
    struct Step {
        std::string name;
        std::string bodyHtml;
    };

    void SetSelection(Selection selection);
    // Opens an undo step unless a transaction holds one.
    void BeginEdit(const std::string& name);
    Selection DeleteContents(const Selection& selection);
    void InsertAt(const Selection& caret, const std::string& html);
    bool ReplaceRange(const Selection& range, const std::string& html, unsigned generation);
    void Restore(const std::string& bodyHtml);
    void EndTransaction();
    bool Fail(const std::string& reason);

    HTMLLocation m_location;
    std::unique_ptr<CMemoryNode> m_pBody;
    Selection m_selection;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    int m_nOpenTransactions = 0;
    // Changes with every edit, so a range made before an edit is known to be stale.
    unsigned m_nGeneration = 0;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
    std::string& m_strLastError;
    std::function<void()> m_fnSelectionChanged;
};

} // namespace tb::host
