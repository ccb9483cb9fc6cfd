#pragma once
// A click on a widget button: a new widget of the button's kind is made (blank, from a
// template or from a widget file, chosen in the form "New Widget"), designed, saved into the
// page's "_tsqres" folder and its HTML pasted at the selection; or, with a widget element
// selected, that widget's own file is designed again and the element replaced. Every paste
// is one undo step "InsertWidget".

#include <functional>
#include <string>

#include "addin/core/newwidgetchooser.h"
#include "addin/core/widgetbar.h"
#include "addin/core/widgetobject.h"
#include "addin/host/pageapplication.h"

namespace tb::addin {

inline constexpr const char* kUndoName = "InsertWidget";

// The form "New Widget" as the insertion uses it: its chooser, and showing it modally until
// OK or Cancel.
class INewWidgetForm {
public:
    virtual CNewWidgetChooser& Chooser() = 0;
    virtual void ShowModal() = 0;

protected:
    ~INewWidgetForm() = default;
};

class CWidgetInsertion {
public:
    // Clocks give automation dates; the default is the current local time.
    using Clock = std::function<double()>;

    // form: the form "New Widget", asked for when a new widget is made (and not before: it
    // is a window with a web view).
    using FormSource = std::function<INewWidgetForm&()>;
    CWidgetInsertion(host::IPageEditorApplication& application, const CWidgetTables& tables,
                     FormSource form, Clock clock = {});

    // What a click on the button with that tag does.
    void OnClick(int nIndex);

    void InsertWidget(int nIndex);
    // sTsqFile: relative to the page's folder.
    void ConfigWidget(const std::string& sProgID, const std::string& sTsqFile);
    // Pastes the widget's HTML, its id naming sRelativeTsqFile, over the selection.
    bool InsertHTML(CWidgetObject& widget, const std::string& sRelativeTsqFile);

private:
    // A name in the page's widget folder that no file takes yet, made from time; time moves
    // on by seconds until one is free.
    std::string FreshWidgetFile(const std::string& pageFolder, const std::string& progId,
                                double& time);

    host::IPageEditorApplication& m_application;
    const CWidgetTables& m_tables;
    FormSource m_form;
    Clock m_clock;
};

} // namespace tb::addin
