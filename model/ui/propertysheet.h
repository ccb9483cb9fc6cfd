#pragma once
// Property sheets and their pages. A page edits part of the model directly: Load copies the
// model into its controls, Store the controls into the model. The sheet keeps the page
// protocol: a page leaving the front stores (and stays in front when its Store fails a range
// check), a page coming to the front loads.

#include <QString>
#include <QTabWidget>
#include <QWidget>

class CPropertyPage : public QWidget {
public:
    explicit CPropertyPage(const QString& title, QWidget* pParent = nullptr);

    const QString& Title() const { return m_title; }

    // Copies the model's values into the controls.
    virtual void Load() {}
    // Writes the controls' values into the model; false, and nothing written, when a value
    // fails its range check (the page has said why).
    virtual bool Store() { return true; }
    // Coming to the front: loads. Pages that must repaint first do so before loading.
    virtual void OnSetActive() { Load(); }
    // Leaving the front: stores; false keeps the page in front.
    virtual bool OnKillActive() { return Store(); }

private:
    QString m_title;
};

class CPropertySheet : public QTabWidget {
    Q_OBJECT

public:
    explicit CPropertySheet(QWidget* pParent = nullptr);

    // Appends a page (the sheet owns it) under its title; returns its index.
    int AddPage(CPropertyPage* pPage);
    // Puts pPage (owned from now on) in the place of page nIndex, with its title; the page it
    // replaces is deleted. False when there is no such page.
    bool ReplacePage(int nIndex, CPropertyPage* pPage);
    int PageCount() const { return count(); }
    CPropertyPage* Page(int nIndex) const;

    // The page in front, or null / -1 while the sheet has none.
    CPropertyPage* ActivePage() const { return Page(currentIndex()); }
    int ActivePageIndex() const { return currentIndex(); }
    void SetActivePage(int nIndex) { setCurrentIndex(nIndex); }

    // Has the page in front load the model again.
    void RefreshActivePage();
    // Has the page in front store; the designer calls it before it closes.
    bool StoreActivePage();

    // The sheet's natural size, 50 pixels wider so that the pages' texts have room.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A page came to the front (after the one before it stored).
    void PageActivated(int nIndex);

private:
    void OnCurrentChanged(int nIndex);

    int m_nActive = -1;
};
