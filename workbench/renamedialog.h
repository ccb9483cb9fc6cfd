#pragma once
// "Rename": the widget's name and description. OK keeps the dialog open until the name
// follows the name rule, with the rule's message.

#include "workbench/workbenchhelp.h"

#include <string>

class QLineEdit;

namespace tb {

class CDlgRename : public CHelpDialog {
    Q_OBJECT

public:
    CDlgRename(const std::string& name, const std::string& description, QWidget* parent = nullptr);

    std::string Name() const;
    std::string Description() const;
    QLineEdit* NameEdit() const { return m_pName; }
    QLineEdit* DescriptionEdit() const { return m_pDescription; }

    void accept() override;

private:
    QLineEdit* m_pName;
    QLineEdit* m_pDescription;
};

} // namespace tb
