#include "designer/ui/designerhelp.h"

#include <QApplication>
#include <QShortcut>
#include <QVariant>
#include <QWidget>
#include <string>

#include "model/ui/pagechecks.h"
#include "model/ui/propertysheet.h"
#include "platform/ui/qt/helpwindow.h"

namespace tb {

namespace {

constexpr char kTemplateProperty[] = "helpTemplate";
constexpr char kPageTemplatesProperty[] = "helpPageTemplates";

struct CHelpTopic {
    unsigned nTemplate;
    std::string_view page;
};

constexpr CHelpTopic kTopics[] = {
    {IDD_APPLET_MORE, "dmore.htm"},
    {IDD_APPLET_PARAMETERS, "dapplet.htm"},
    {IDD_AUDIO, "daudio.htm"},
    {IDD_BROWSE_FILES, "dviewfile.htm"},
    {IDD_COPY_RESOURCES, "dcopyfile.htm"},
    {IDD_FONT, "dfont.htm"},
    {IDD_IMAGE, "dimage.htm"},
    {IDD_CLICKED, "dclick.htm"},
    {IDD_HINT, "dhint.htm"},
    {IDD_MOUSE_OVER, "dmouseover.htm"},
    {IDD_NORMAL, "dnormal.htm"},
    {IDD_LABEL, "dmenu.htm"},
    {IDD_BUTTON_PROPERTIES, "dapplet.htm"},
};

bool ShowPage(std::string_view page) {
    return ShowHelpPage(std::string(page), kDialogHelpMissing, kPageMessageCaption);
}

} // namespace

std::string_view DesignerHelpTopic(unsigned nTemplate) {
    for (const CHelpTopic& topic : kTopics) {
        if (topic.nTemplate == nTemplate)
            return topic.page;
    }
    return {};
}

bool ShowDesignerHelp(unsigned nTemplate) {
    const std::string_view page = DesignerHelpTopic(nTemplate);
    return !page.empty() && ShowPage(page);
}

bool ShowDesignerHelpIndex() {
    return ShowPage(kHelpIndexPage);
}

void SetHelpTemplate(QWidget& widget, unsigned nTemplate) {
    widget.setProperty(kTemplateProperty, nTemplate);
}

void SetPageHelpTemplates(QWidget& sheet, std::initializer_list<unsigned> templates) {
    QVariantList list;
    for (unsigned nTemplate : templates)
        list.append(nTemplate);
    sheet.setProperty(kPageTemplatesProperty, list);
}

unsigned HelpTemplateAround(const QWidget* pWidget) {
    for (const QWidget* p = pWidget; p; p = p->parentWidget()) {
        const QVariant value = p->property(kTemplateProperty);
        if (value.isValid())
            return value.toUInt();
        if (const auto* pSheet = qobject_cast<const CPropertySheet*>(p)) {
            if (const CPropertyPage* pPage = pSheet->ActivePage();
                pPage && pPage->property(kTemplateProperty).isValid())
                return pPage->property(kTemplateProperty).toUInt();
            const QVariantList byPlace = pSheet->property(kPageTemplatesProperty).toList();
            if (const int nPage = pSheet->ActivePageIndex(); nPage >= 0 && nPage < byPlace.size())
                return byPlace[nPage].toUInt();
        }
    }
    return 0;
}

void InstallHelpKey(QWidget& window) {
    auto* pShortcut = new QShortcut(QKeySequence::HelpContents, &window);
    pShortcut->setContext(Qt::WindowShortcut);
    QObject::connect(pShortcut, &QShortcut::activated, &window, [pWindow = &window] {
        QWidget* pFocus = QApplication::focusWidget();
        if (!pFocus || pFocus->window() != pWindow)
            pFocus = pWindow;
        ShowDesignerHelp(HelpTemplateAround(pFocus));
    });
}

} // namespace tb
