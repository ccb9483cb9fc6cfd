#pragma once
// Small pieces the pages and dialogs of the designer are laid out with.

#include <QLabel>
#include <QString>

class QComboBox;
class QGroupBox;
class QGridLayout;
class QPlainTextEdit;

namespace tb {

// A label whose mnemonic focuses `pBuddy`.
QLabel* BuddyLabel(const QString& text, QWidget* pBuddy);
// Adds "label: [control]" as a row of a grid at (nRow, nColumn) and (nRow, nColumn + 1).
void AddField(QGridLayout& grid, int nRow, int nColumn, const QString& label, QWidget* pField);
// A titled group holding pContent (which it takes as its child).
QGroupBox* NewGroup(const QString& title, QWidget* pContent, QWidget* pParent);
// A list of "Left", "Center", "Right" (values 0, 1, 2).
QComboBox* NewAlignmentList(QWidget* pParent);
// Shows an alignment in such a list; a value a file may hold beyond the list shows as
// "Left", as the canvas places it.
void ShowAlignment(QComboBox& list, int nValue);
// A multi-line text box about nLines high in which Tab moves on to the next control.
QPlainTextEdit* NewMultiLineBox(int nLines, QWidget* pParent);

} // namespace tb
