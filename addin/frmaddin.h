#pragma once
// The add-in's own small form: OK tells which page the add-in works on, Cancel hides it.

#include <QDialog>

#include <functional>

#include "addin/host/pageapplication.h"

namespace tb::addin {

class CFrmAddIn : public QDialog {
    Q_OBJECT

public:
    // cancel: what Cancel does (the connection hides the form through it).
    CFrmAddIn(host::IPageEditorApplication& application, std::function<void()> cancel,
              QWidget* parent = nullptr);

private:
    host::IPageEditorApplication& m_application;
};

} // namespace tb::addin
