#pragma once
// The page being edited, as an add-in sees it: where it lives, what is selected, which
// element is active, and the two edits an add-in makes (clearing the selection and pasting
// HTML), grouped by undo transactions. The member names follow the page's own scripting
// model so that add-in code reads as page script does.

#include <memory>
#include <string>
#include <utility>

namespace tb::host {

// The page's address split as a page script sees it. For a saved page href is its file
// address and pathname the absolute path in URL form ("/home/ann/site/page.htm",
// '/'-separated, not percent-encoded); an unsaved page has the href "unsaved://Untitled"
// and an empty pathname.
struct HTMLLocation {
    std::string href;
    std::string pathname;
};

// A snapshot of one element taken when it was asked for.
class IHTMLElement {
public:
    virtual ~IHTMLElement() = default;
    virtual std::string id() const = 0;
    // Upper case, as page scripts see it ("APPLET").
    virtual std::string tagName() const = 0;
    virtual std::string outerHTML() const = 0;
};

// The element values as an editor read them from its page.
class CElementSnapshot : public IHTMLElement {
public:
    CElementSnapshot(std::string id, std::string tagName, std::string outerHtml)
        : m_strId(std::move(id)), m_strTag(std::move(tagName)), m_strOuter(std::move(outerHtml)) {}
    std::string id() const override { return m_strId; }
    std::string tagName() const override { return m_strTag; }
    std::string outerHTML() const override { return m_strOuter; }

private:
    std::string m_strId;
    std::string m_strTag;
    std::string m_strOuter;
};

// A stretch of the page: the selected text, the selected element, or the caret.
class IHTMLTxtRange {
public:
    virtual ~IHTMLTxtRange() = default;
    // The HTML the range covers now (empty for a caret).
    virtual std::string htmlText() const = 0;
    // Replaces what the range covers by the HTML and puts the caret after it. False (with the
    // reason in the application's LastErrorDescription) when the page is gone or read-only.
    virtual bool pasteHTML(const std::string& html) = 0;
};

// Selection types as page scripts spell them.
inline constexpr const char* kSelectionNone = "None";       // nothing, or only a caret
inline constexpr const char* kSelectionText = "Text";       // some text
inline constexpr const char* kSelectionControl = "Control"; // one element (a widget, image)

class IHTMLSelectionObject {
public:
    virtual std::string type() const = 0;
    // Deletes what is selected (the text, or the selected element) and leaves the caret in
    // its place; nothing happens for a caret.
    virtual bool clear() = 0;
    // A range over the current selection; null when the page is gone.
    virtual std::unique_ptr<IHTMLTxtRange> createRange() = 0;

protected:
    ~IHTMLSelectionObject() = default;
};

// Groups every edit made while it is open into one undo step named after it. Transactions
// opened inside an open one join it. Destroying one that was not committed commits it, so
// an add-in that stops half-way never leaves the page's history open.
class IUndoTransaction {
public:
    virtual ~IUndoTransaction() = default;
    virtual void commit() = 0;
};

class IHTMLDocument2 {
public:
    virtual HTMLLocation location() const = 0;
    virtual IHTMLSelectionObject& selection() = 0;
    // The selected element; otherwise the innermost element holding the caret or the start
    // of the selected text (the body when there is none).
    virtual std::unique_ptr<IHTMLElement> activeElement() const = 0;
    virtual std::unique_ptr<IUndoTransaction> createUndoTransaction(const std::string& name) = 0;

protected:
    ~IHTMLDocument2() = default;
};

} // namespace tb::host
