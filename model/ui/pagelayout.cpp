#include "model/ui/pagelayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tb {

QLabel* BuddyLabel(const QString& text, QWidget* pBuddy) {
    auto* pLabel = new QLabel(text, pBuddy->parentWidget());
    pLabel->setBuddy(pBuddy);
    return pLabel;
}

void AddField(QGridLayout& grid, int nRow, int nColumn, const QString& label, QWidget* pField) {
    grid.addWidget(BuddyLabel(label, pField), nRow, nColumn);
    grid.addWidget(pField, nRow, nColumn + 1);
}

QGroupBox* NewGroup(const QString& title, QWidget* pContent, QWidget* pParent) {
    auto* pGroup = new QGroupBox(title, pParent);
    auto* pLayout = new QVBoxLayout(pGroup);
    pContent->setParent(pGroup);
    pLayout->addWidget(pContent);
    return pGroup;
}

QComboBox* NewAlignmentList(QWidget* pParent) {
    auto* pList = new QComboBox(pParent);
    pList->addItems({QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    return pList;
}

void ShowAlignment(QComboBox& list, int nValue) {
    list.setCurrentIndex(nValue == 1 || nValue == 2 ? nValue : 0);
}

QPlainTextEdit* NewMultiLineBox(int nLines, QWidget* pParent) {
    auto* pBox = new QPlainTextEdit(pParent);
    pBox->setTabChangesFocus(true);
    pBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics metrics(pBox->font());
    const int nFrame = 2 * pBox->frameWidth() + 2 * int(pBox->document()->documentMargin());
    pBox->setFixedHeight(metrics.lineSpacing() * nLines + nFrame + 2);
    return pBox;
}

} // namespace tb
