#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/htmlwidget.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "model/storagewalk.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A widget that records what the generator asks of it.
class CFakeWidget : public IHtmlWidget {
public:
    std::string GetPreviewPath() override {
        m_strCalls += "path;";
        return m_strPreviewPath;
    }
    void RebuildResourceList() override {
        m_strCalls += "rebuild;";
        if (m_onRebuild)
            m_onRebuild();
    }
    std::string m_strPreviewPath;
    std::string m_strCalls;
    std::function<void()> m_onRebuild;
};

CDrawRect* AddButton(CAppletParameters& applet, CRect rc) {
    return applet.AddButton(std::make_unique<CDrawRect>(rc));
}
CMarquelItem& FirstItem(CDrawRect* pButton) {
    return *pButton->menu->m_items.front();
}
CMarquel& Hint(CDrawRect* pButton) {
    return *FirstItem(pButton).m_pSubMenu;
}

// The value of the parameter line `name`, or "<missing>".
std::string ParamValue(const std::string& html, const std::string& name) {
    const std::string head = "\t<param name=\"" + name + "\" value=\"";
    const size_t nStart = html.find(head);
    if (nStart == std::string::npos)
        return "<missing>";
    const size_t nValue = nStart + head.size();
    return html.substr(nValue, html.find("\">\r\n", nValue) - nValue);
}

std::string FirstLine(const std::string& html) {
    return html.substr(0, html.find("\r\n"));
}

const char* const kDefaultOver = "804040,ffffff,22,0,0,14,0,00,0,0,,,8c6f42,ffff80,";
const char* const kDefaultClick = "804040,000000,54,0,0,14,0,00,0,0,,,8c6f42,ffff80,";
const char* const kDefaultNormal = "804040,000000,31,0,0,14,0,00,0,0,,,8c6f42,ffff80,";

} // namespace

TEST(AppletHtml, EmptyDesignIsTheBareElement) {
    CAppletParameters applet;
    EXPECT_EQ(applet.GetHTML(nullptr, tb::HtmlMode::BareNames),
              "<applet  code=\"tlwbtn.class\" align=\"baseline\" width=\"105\" height=\"230\">\r\n"
              "\t<param name=\"Notice\" value=\"Brisko2.0,Copyright Tallowby,Registered\">\r\n"
              "\t<param name=\"ApStyle\" value=\"a8a6ec,7976e2,,0,0,0,,16,10,a8a6ec,1,"
              "Loading image ...\">\r\n"
              "\t<param name=\"Misc\" value=\"0,\">\r\n"
              "</applet>\r\n");
    const tb::CMenuNumbering numbering = tb::NumberMenus(applet, tb::MenuSelection::Shown);
    EXPECT_EQ(numbering.m_nMenuCount, 0);
    EXPECT_EQ(numbering.m_strMenuCounts, "");
}

TEST(AppletHtml, NewButtonWritesItsMenuButNotItsHiddenHint) {
    CAppletParameters applet;
    AddButton(applet, {20, 30, 120, 60});
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "MStyle-0"), "000000,00,0,0,20,30,100,30,5,6,000000,0,000000");
    EXPECT_EQ(ParamValue(html, "IStyle-0"),
              std::string(kDefaultNormal) + kDefaultOver + kDefaultClick);
    EXPECT_EQ(ParamValue(html, "I0-0"), "Button,,,,,,,_self,");
    EXPECT_EQ(ParamValue(html, "MStyle-1"), "<missing>");
    EXPECT_EQ(ParamValue(html, "Misc"), "1,1,-0,");
}

TEST(AppletHtml, GeometryFollowsTheNormalisedBoundsWithoutChangingThem) {
    CAppletParameters applet;
    CDrawRect* pButton = AddButton(applet, {200, 80, 120, 50});
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "MStyle-0"), "000000,00,0,0,120,50,80,30,5,6,000000,0,000000");
    const CMarquel& menu = *pButton->menu;
    EXPECT_EQ(menu.m_nLeft, 120);
    EXPECT_EQ(menu.m_nTop, 50);
    EXPECT_EQ(menu.m_nWidth, 80);
    EXPECT_EQ(menu.m_nHeight, 30);
    EXPECT_EQ(pButton->bounds, (CRect{200, 80, 120, 50}));

    // Extreme corners from a hostile clipboard do not overflow.
    pButton->bounds = {INT32_MAX, 0, INT32_MIN, 1};
    EXPECT_EQ(ParamValue(applet.GetHTML(nullptr, tb::HtmlMode::BareNames), "MStyle-0"),
              "000000,00,0,0,-2147483648,0,2147483647,1,5,6,000000,0,000000");
}

TEST(AppletHtml, NumbersMenusDepthFirstAndLinksThem) {
    // Two buttons: the first with two visible items, the second of which has a one-item
    // sub-menu; the second button with one visible item.
    CAppletParameters applet;
    CDrawRect* pFirst = AddButton(applet, {0, 0, 10, 10});
    CMarquel& first = *pFirst->menu;
    first.AddItem(std::make_unique<CMarquelItem>("Two"));
    first.m_items[1]->m_pSubMenu->AddItem(std::make_unique<CMarquelItem>("Sub"));
    AddButton(applet, {0, 20, 10, 30});

    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "Misc"), "3,2,1,1,-0,-2,1-1,");
    EXPECT_EQ(ParamValue(html, "I0-1"), "Two,,,,,,,_self,");
    EXPECT_EQ(ParamValue(html, "I1-0"), "Sub,,,,,,,_self,");
    EXPECT_EQ(ParamValue(html, "I2-0"), "Button,,,,,,,_self,");
    // The lines come in numbering order.
    EXPECT_LT(html.find("\"I0-1\""), html.find("\"MStyle-1\""));
    EXPECT_LT(html.find("\"I1-0\""), html.find("\"MStyle-2\""));

    const tb::CMenuNumbering numbering = tb::NumberMenus(applet, tb::MenuSelection::Shown);
    EXPECT_EQ(numbering.m_nMenuCount, 3);
    EXPECT_EQ(numbering.m_strMenuCounts, "2,1,1,");
    ASSERT_EQ(numbering.m_flatItems.size(), 4u);
    EXPECT_EQ(numbering.m_flatItems[2]->m_strLabel, "Sub");
    EXPECT_EQ(numbering.m_buttonMenus, (std::vector<int>{0, 2}));
    EXPECT_EQ(numbering.m_subMenus, (std::vector<int>{-1, 1, -1, -1}));
    EXPECT_EQ(first.m_nIndex, 0);
    EXPECT_EQ(first.m_items[1]->m_pSubMenu->m_nIndex, 1);
    EXPECT_EQ(applet.m_buttons[1]->menu->m_nIndex, 2);

    // A second run gives the same, and so does one after a walk of the stored form, which
    // numbers every menu differently.
    EXPECT_EQ(applet.GetHTML(nullptr, tb::HtmlMode::BareNames), html);
    tb::StorageNumberingWalk(applet, false, nullptr);
    EXPECT_NE(first.m_items[1]->m_pSubMenu->m_nIndex, 1);
    EXPECT_EQ(applet.GetHTML(nullptr, tb::HtmlMode::BareNames), html);
}

TEST(AppletHtml, HiddenMenusAndItemsAreSkippedWithEverythingBelow) {
    CAppletParameters applet;
    CDrawRect* pHidden = AddButton(applet, {0, 0, 10, 10});
    FirstItem(pHidden).m_bVisible = 0;
    FirstItem(pHidden).m_pSubMenu->m_items.front()->m_bVisible = 1; // under a hidden item
    CDrawRect* pShown = AddButton(applet, {0, 0, 10, 10});
    pShown->menu->AddItem(std::make_unique<CMarquelItem>("Off"));
    pShown->menu->m_items[1]->m_bVisible = 0;
    pShown->menu->m_items[1]->m_pSubMenu->AddItem(std::make_unique<CMarquelItem>("Deep"));
    CDrawRect* pNoShow = AddButton(applet, {0, 0, 10, 10});
    pNoShow->menu->m_bShow = 0;
    Hint(pNoShow).m_items.front()->m_bVisible = 1;
    FirstItem(pShown).m_pSubMenu.reset(); // a null sub-menu is skipped too

    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "Misc"), "1,1,-0,");
    EXPECT_EQ(ParamValue(html, "I0-0"), "Button,,,,,,,_self,");
    EXPECT_EQ(ParamValue(html, "I0-1"), "<missing>");
    EXPECT_EQ(ParamValue(html, "MStyle-1"), "<missing>");
    EXPECT_EQ(html.find("Deep"), std::string::npos);
    EXPECT_EQ(html.find("Hint"), std::string::npos);
    EXPECT_EQ(pShown->menu->m_nIndex, 0);
}

TEST(AppletHtml, ShownHintBecomesTheNextMenu) {
    CAppletParameters applet;
    CDrawRect* pButton = AddButton(applet, {10, 5, 90, 35});
    Hint(pButton).m_items.front()->m_bVisible = 1;
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    const std::string hintBlock = "ffff00,000000,11,0,0,14,0,01,0,0,,,000000,ffff80,";
    EXPECT_EQ(ParamValue(html, "MStyle-1"), "000000,00,0,0,15,10,30,20,5,1,000000,0,000000");
    EXPECT_EQ(ParamValue(html, "IStyle-1"), hintBlock + hintBlock + hintBlock);
    EXPECT_EQ(ParamValue(html, "I1-0"), "Hint,,,,,,,_self,");
    EXPECT_EQ(ParamValue(html, "Misc"), "2,1,1,-0,0-1,");
}

TEST(AppletHtml, ItemFieldsLabelsAndTargets) {
    CAppletParameters applet;
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    CMarquelItem& item = FirstItem(pButton);
    item.m_strLabel = "Line one\r\na, b";
    item.m_strDescription = "A, B"; // the comma travels escaped, as in labels
    item.m_strUrl = "http://x/y?a=1";
    pButton->menu->AddItem(std::make_unique<CMarquelItem>("Second"));
    pButton->menu->m_items[1]->m_strTarget = "_blank";

    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "I0-0"), "Line one|_#`a~@^` b,A~@^` B,,,,,,_self,http://x/y?a=1");
    EXPECT_EQ(ParamValue(html, "I0-1"), "Second,,,,,,,_blank,");
}

TEST(AppletHtml, PairedDigitsOfTheStateStyle) {
    CAppletParameters applet;
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    CMarquelState& normal = pButton->menu->m_states[CMarquel::stateNormal];
    normal.m_nImageOffset = 3;
    normal.m_nImageAlign = 1;
    normal.m_nTextAlign = 2;
    normal.m_nTextOffset = -4;
    normal.m_nFontEffect = 4;
    normal.m_nFontName = 2;
    normal.m_nFontSize = 10;
    normal.m_nFontStyle = 1;
    normal.m_crBack = RGB(0x01, 0x02, 0xab);
    EXPECT_EQ(ParamValue(applet.GetHTML(nullptr, tb::HtmlMode::BareNames), "IStyle-0"),
              std::string("0102ab,000000,31,4,2,10,1,12,3,-4,,,8c6f42,ffff80,") + kDefaultOver +
                  kDefaultClick);
}

TEST(AppletHtml, FileReferencesAndCodebaseByMode) {
    CAppletParameters applet;
    applet.m_strWebPath = "http://www.example.com/btn/";
    applet.m_strBackImage = "/home/u/pics/back.gif";
    applet.m_strBackAudio = "C:\\Sounds\\bg.au";
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    FirstItem(pButton).m_strImageClick = "click.gif";
    CFakeWidget widget;
    widget.m_strPreviewPath = "preview/";

    const std::string preview = applet.GetHTML(&widget, tb::HtmlMode::Preview);
    EXPECT_EQ(FirstLine(preview), "<applet codebase=\"preview/\" code=\"tlwbtn.class\" "
                                  "align=\"baseline\" width=\"105\" height=\"230\">");
    EXPECT_EQ(ParamValue(preview, "ApStyle"),
              "a8a6ec,7976e2,preview/back.gif,0,0,0,preview/bg.au,16,10,a8a6ec,1,"
              "Loading image ...");
    EXPECT_EQ(ParamValue(preview, "I0-0"), "Button,,,,preview/click.gif,,,_self,");

    const std::string published = applet.GetHTML(&widget, tb::HtmlMode::Publish);
    EXPECT_EQ(FirstLine(published),
              "<applet codebase=\"http://www.example.com/btn/\" code=\"tlwbtn.class\" "
              "align=\"baseline\" width=\"105\" height=\"230\">");
    EXPECT_EQ(ParamValue(published, "I0-0"),
              "Button,,,,http://www.example.com/btn/click.gif,,,_self,");

    const char* const bareTag =
        "<applet  code=\"tlwbtn.class\" align=\"baseline\" width=\"105\" height=\"230\">";
    for (short nMode : {2, -1, 7}) {
        const std::string bare = applet.GetHTML(&widget, tb::HtmlModeFromNumber(nMode));
        EXPECT_EQ(FirstLine(bare), bareTag) << nMode;
        EXPECT_EQ(ParamValue(bare, "ApStyle"),
                  "a8a6ec,7976e2,back.gif,0,0,0,bg.au,16,10,a8a6ec,1,Loading image ...");
        EXPECT_EQ(ParamValue(bare, "I0-0"), "Button,,,,click.gif,,,_self,");
    }

    applet.m_strWebPath.clear();
    EXPECT_EQ(applet.GetHTML(&widget, tb::HtmlMode::Publish),
              applet.GetHTML(&widget, tb::HtmlMode::BareNames));
    widget.m_strPreviewPath.clear();
    EXPECT_EQ(applet.GetHTML(&widget, tb::HtmlMode::Preview),
              applet.GetHTML(&widget, tb::HtmlMode::BareNames));
    EXPECT_EQ(applet.GetHTML(nullptr, tb::HtmlMode::Preview),
              applet.GetHTML(&widget, tb::HtmlMode::BareNames));
}

TEST(AppletHtml, PlayerLineFollowsTheElementAndLoadsFromItsCodebase) {
    CAppletParameters applet;
    applet.m_strWebPath = "http://example.com/a\"b/";
    AddButton(applet, {0, 0, 10, 10});
    CFakeWidget widget;
    widget.m_strPreviewPath = "file:///p/";
    const std::pair<tb::HtmlMode, std::string> kModes[] = {
        {tb::HtmlMode::Preview, "file:///p/"},
        {tb::HtmlMode::Publish, "http://example.com/a&quot;b/"},
        {tb::HtmlMode::BareNames, ""},
    };
    for (const auto& [mode, prefix] : kModes) {
        applet.m_bPlayer = 0;
        const std::string off = applet.GetHTML(&widget, mode);
        EXPECT_TRUE(off.ends_with("</applet>\r\n"));
        EXPECT_EQ(off.find("<script"), std::string::npos);
        // On, the same element with one line more.
        applet.m_bPlayer = 1;
        EXPECT_EQ(applet.GetHTML(&widget, mode),
                  off + "<script src=\"" + prefix + "tlwbtn.js\"></script>\r\n");
    }
}

TEST(AppletHtml, ResourceListIsRebuiltBeforeAnythingIsWritten) {
    CAppletParameters applet;
    applet.m_strBackImage = "gone.gif";
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    FirstItem(pButton).m_strAudioOver = "gone.au";
    CFakeWidget widget;
    widget.m_onRebuild = [&] {
        applet.m_strBackImage.clear();
        FirstItem(pButton).m_strAudioOver.clear();
    };
    const std::string html = applet.GetHTML(&widget, tb::HtmlMode::BareNames);
    EXPECT_EQ(widget.m_strCalls, "rebuild;");
    EXPECT_EQ(html.find("gone"), std::string::npos);

    widget.m_strCalls.clear();
    applet.GetHTML(&widget, tb::HtmlMode::Preview);
    EXPECT_EQ(widget.m_strCalls, "rebuild;path;");
}

TEST(AppletHtml, QuotesCannotBreakTheElement) {
    CAppletParameters applet;
    applet.m_strLoadingMessage = "Say \"hi\"";
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    FirstItem(pButton).m_strLabel = "\"><b>";
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "ApStyle"),
              "a8a6ec,7976e2,,0,0,0,,16,10,a8a6ec,1,Say &quot;hi&quot;");
    EXPECT_EQ(ParamValue(html, "I0-0"), "&quot;><b>,,,,,,,_self,");
}

TEST(AppletHtml, LineBreaksInTextsBecomeBlanksSoEachParameterStaysOneLine) {
    CAppletParameters applet;
    // Would end the HTML segment of a saved widget file early.
    applet.m_strLoadingMessage = "Wait\r\n===== Segment End =====\r\nplease\nnow\r";
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    FirstItem(pButton).m_strLabel = "a\r\nb\nc"; // the pair is escaped, the lone LF is not
    FirstItem(pButton).m_strDescription = "d\r\ne";
    FirstItem(pButton).m_strUrl = "u\nv";
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::BareNames);
    EXPECT_EQ(ParamValue(html, "ApStyle"),
              "a8a6ec,7976e2,,0,0,0,,16,10,a8a6ec,1,Wait ===== Segment End ===== please now ");
    EXPECT_EQ(ParamValue(html, "I0-0"), "a|_#`b c,d e,,,,,,_self,u v");
    size_t nLines = 0;
    for (size_t i = 0; (i = html.find('\n', i)) != std::string::npos; ++i)
        ++nLines;
    EXPECT_EQ(nLines, 8u); // tag, Notice, ApStyle, two styles, one item, Misc, end tag
}

TEST(AppletHtml, CommasInFreeTextsCannotMoveTheFieldsAfterThem) {
    CAppletParameters applet;
    applet.m_strLoadingMessage = "Loading, please wait";
    CDrawRect* pButton = AddButton(applet, {0, 0, 10, 10});
    CMarquelItem& item = FirstItem(pButton);
    item.m_strLabel = "L";
    // A crafted description would otherwise put its own address in the URL's place.
    item.m_strDescription = "x,,,,,,_self,javascript:alert(1)";
    item.m_strTarget = "frame,2";
    item.m_strUrl = "http://x/a,b?c=1,2";
    item.m_strImageNormal = "/src/photo, 1.gif";
    const std::string html = applet.GetHTML(nullptr, tb::HtmlMode::Publish);
    EXPECT_EQ(ParamValue(html, "ApStyle"),
              "a8a6ec,7976e2,,0,0,0,,16,10,a8a6ec,1,Loading~@^` please wait");
    EXPECT_EQ(ParamValue(html, "I0-0"),
              "L,x~@^`~@^`~@^`~@^`~@^`~@^`_self~@^`javascript:alert(1),photo%2C 1.gif,,,,,"
              "frame~@^`2,http://x/a%2Cb?c=1%2C2");
}

TEST(AppletHtml, WholeSmallDesign) {
    CAppletParameters applet;
    applet.m_nWidth = 300;
    applet.m_nHeight = 120;
    applet.m_strWebPath = "http://www.example.com/btn/";
    applet.m_strBackImage = "/home/u/pics/back.gif";
    applet.m_crBack = RGB(0x12, 0x34, 0x56);
    applet.m_nBackStyle = 2;
    applet.m_nBorderStyle = 3;
    applet.m_nImageDisplay = 1;
    applet.m_nImageX = 7;
    applet.m_nImageY = 8;
    applet.m_bProgressBar = 0;
    applet.m_strLoadingMessage = "Wait, please";

    CDrawRect* pHome = AddButton(applet, {10, 5, 90, 35});
    CMarquelItem& home = FirstItem(pHome);
    home.m_strLabel = "Home";
    home.m_strDescription = "Start page";
    home.m_strUrl = "index.htm";
    home.m_strImageNormal = "/media/a.gif";
    home.m_strImageOver = "C:\\img\\b.gif";
    home.m_strAudioOver = "snd/o.wav";
    Hint(pHome).m_items.front()->m_strLabel = "Go home";
    Hint(pHome).m_items.front()->m_bVisible = 1;

    CDrawRect* pNext = AddButton(applet, {200, 80, 120, 50});
    CMarquelItem& next = FirstItem(pNext);
    next.m_strLabel = "Line one\r\na, b";
    next.m_strTarget = "_blank";
    next.m_strUrl = "http://x/y?a=1";
    CMarquelState& normal = pNext->menu->m_states[CMarquel::stateNormal];
    normal.m_nImageAlign = 1;
    normal.m_nTextAlign = 2;
    normal.m_nImageOffset = 3;
    pNext->menu->AddItem(std::make_unique<CMarquelItem>("Hidden"));
    pNext->menu->m_items[1]->m_bVisible = 0;

    EXPECT_EQ(
        applet.GetHTML(nullptr, tb::HtmlMode::Publish),
        "<applet codebase=\"http://www.example.com/btn/\" code=\"tlwbtn.class\" "
        "align=\"baseline\" width=\"300\" height=\"120\">\r\n"
        "\t<param name=\"Notice\" value=\"Brisko2.0,Copyright Tallowby,Registered\">\r\n"
        "\t<param name=\"ApStyle\" value=\"123456,7976e2,http://www.example.com/btn/back.gif,"
        "1,7,8,,23,10,a8a6ec,0,Wait~@^` please\">\r\n"
        "\t<param name=\"MStyle-0\" value=\"000000,00,0,0,10,5,80,30,5,6,000000,0,000000\">\r\n"
        "\t<param name=\"IStyle-0\" value=\""
        "804040,000000,31,0,0,14,0,00,0,0,,,8c6f42,ffff80,"
        "804040,ffffff,22,0,0,14,0,00,0,0,,,8c6f42,ffff80,"
        "804040,000000,54,0,0,14,0,00,0,0,,,8c6f42,ffff80,\">\r\n"
        "\t<param name=\"I0-0\" value=\"Home,Start page,http://www.example.com/btn/a.gif,"
        "http://www.example.com/btn/b.gif,,http://www.example.com/btn/o.wav,,_self,"
        "index.htm\">\r\n"
        "\t<param name=\"MStyle-1\" value=\"000000,00,0,0,15,10,30,20,5,1,000000,0,000000\">\r\n"
        "\t<param name=\"IStyle-1\" value=\""
        "ffff00,000000,11,0,0,14,0,01,0,0,,,000000,ffff80,"
        "ffff00,000000,11,0,0,14,0,01,0,0,,,000000,ffff80,"
        "ffff00,000000,11,0,0,14,0,01,0,0,,,000000,ffff80,\">\r\n"
        "\t<param name=\"I1-0\" value=\"Go home,,,,,,,_self,\">\r\n"
        "\t<param name=\"MStyle-2\" value=\"000000,00,0,0,120,50,80,30,5,6,000000,0,000000\">\r\n"
        "\t<param name=\"IStyle-2\" value=\""
        "804040,000000,31,0,0,14,0,12,3,0,,,8c6f42,ffff80,"
        "804040,ffffff,22,0,0,14,0,00,0,0,,,8c6f42,ffff80,"
        "804040,000000,54,0,0,14,0,00,0,0,,,8c6f42,ffff80,\">\r\n"
        "\t<param name=\"I2-0\" value=\"Line one|_#`a~@^` b,,,,,,,_blank,http://x/y?a=1\">\r\n"
        "\t<param name=\"Misc\" value=\"3,1,1,1,-0,-2,0-1,\">\r\n"
        "</applet>\r\n");
}
