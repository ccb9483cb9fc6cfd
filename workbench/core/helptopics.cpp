#include "workbench/core/helptopics.h"

#include "workbench/core/commandids.h"

namespace tb {

namespace {

struct CHelpTopic {
    unsigned nKey;
    std::string_view page;
};

constexpr CHelpTopic kTopics[] = {
    {IDD_ABOUTBOX, "dhelpabout.htm"},
    {IDD_SUPPORT_FILES, "dsupportfiles.htm"},
    {IDD_INSERT, "dinsertintohtml.htm"},
    {IDD_NEW, "dnew.htm"},
    {IDD_RENAME, "drename.htm"},
    {IDD_SAVE_AS_TEMPLATE, "dsaveastemplate.htm"},
    {IDD_EDITOR_CHOICE, "dinsert.htm"},
    {IDD_MANAGE_TEMPLATES, "dmanagetemplate.htm"},
    {IDD_VIEW_CODE, "dviewcode.htm"},
    {IDD_WEB_BROWSER, "dbrowser.htm"},
    {ID_HELP_FINDER, "index.htm"},
    {ID_HELP_TUTORIAL, "step.htm"},
    {ID_HELP_FAQ, "faq.htm"},
    {ID_HELP_WORK_WITH_EDITOR, "workwithvellumo.htm"},
    {IDD_MAIN_FORM, "mainframe.htm"},
    {IDC_MORE_INFORMATION, "insertintohtml.htm"},
};

} // namespace

std::string_view WorkbenchHelpPage(unsigned nKey) {
    for (const CHelpTopic& topic : kTopics) {
        if (topic.nKey == nKey)
            return topic.page;
    }
    return {};
}

} // namespace tb
