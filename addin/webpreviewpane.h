#pragma once
// The form's preview: a web view that goes where the chooser sends it.

#include <QWebEngineView>

#include "workbench/core/browserpane.h"

namespace tb::addin {

class CWebPreviewPane : public QWebEngineView, public CBrowserPane {
    Q_OBJECT

public:
    explicit CWebPreviewPane(QWidget* parent = nullptr);
    void Navigate(const std::string& pathOrBlank) override;
};

} // namespace tb::addin
