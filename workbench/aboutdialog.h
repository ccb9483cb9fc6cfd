#pragma once
// "About Ambrel Brisko": the program's name and version, the maker's web and support
// addresses as links, its postal address, and the credits scrolling beside them.

#include "workbench/workbenchhelp.h"

namespace tb {

class CCreditsScroller;
class CLinkLabel;
struct CAboutData;

class CAboutDlg : public CHelpDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(const CAboutData& data, QWidget* parent = nullptr);

    CLinkLabel& WebLink() const { return *m_pWeb; }
    CLinkLabel& MailLink() const { return *m_pMail; }
    CCreditsScroller& Credits() const { return *m_pCredits; }

private:
    CLinkLabel* m_pWeb;
    CLinkLabel* m_pMail;
    CCreditsScroller* m_pCredits;
};

} // namespace tb
