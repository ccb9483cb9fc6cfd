#pragma once
// Driving the selected button's pages as a user does: retyping a box, choosing from a list,
// answering a modal dialog the code under test opens, and watching what the canvas repaints.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace tb::test {

// Makes the window the active one and waits until the application says so. (A window counts
// as active for QTest while a window it owns has the keyboard; shortcuts and focus go by the
// application's active window.)
inline bool WaitUntilActive(QWidget& window) {
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

inline bool Activate(QWidget& window) {
    window.activateWindow();
    return WaitUntilActive(window);
}

// Selects everything in the box and types text over it, key by key.
inline void Retype(QWidget* pBox, const QString& text) {
    pBox->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(pBox, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(pBox, Qt::Key_Backspace);
    else
        QTest::keyClicks(pBox, text);
}

// Opens the list and clicks its entry, as a user picks one.
inline void ChooseFromList(QComboBox& list, int nIndex) {
    list.showPopup();
    QAbstractItemView* pView = list.view();
    const QRect entry = pView->visualRect(pView->model()->index(nIndex, 0));
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, {}, entry.center());
    QCoreApplication::processEvents();
}

// Runs act on the next modal dialog of type T once the code under test has it open (and is
// waiting in its exec()). Gives up after a few seconds.
template <class T> void OnNextModal(std::function<void(T&)> act) {
    auto* pTimer = new QTimer;
    pTimer->setInterval(10);
    auto nTries = std::make_shared<int>(0);
    QObject::connect(pTimer, &QTimer::timeout, [pTimer, act, nTries] {
        auto* pDialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!pDialog && ++*nTries < 500)
            return;
        pTimer->stop();
        pTimer->deleteLater();
        if (pDialog)
            act(*pDialog);
    });
    pTimer->start();
}

// Collects the areas a widget paints.
class CPaintWatcher : public QObject {
public:
    explicit CPaintWatcher(QWidget& widget) : m_widget(widget) { widget.installEventFilter(this); }
    ~CPaintWatcher() override { m_widget.removeEventFilter(this); }

    // Paints what is pending and returns all painted since the last call.
    QRegion Painted() {
        QCoreApplication::processEvents();
        QRegion painted = m_painted;
        m_painted = {};
        return painted;
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override {
        if (pWatched == &m_widget && pEvent->type() == QEvent::Paint)
            m_painted += static_cast<QPaintEvent*>(pEvent)->region();
        return false;
    }

private:
    QWidget& m_widget;
    QRegion m_painted;
};

} // namespace tb::test
