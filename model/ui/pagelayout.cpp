#include "model/ui/pagelayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPlainTextEdit>

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

QComboBox* NewAlignmentList(QWidget* pParent) {
    auto* pList = new QComboBox(pParent);
    pList->addItems({QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")});
    return pList;
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
