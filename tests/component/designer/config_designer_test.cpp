// Config end to end as the workbench runs it: the built module, created through the registry
// in a process with a QApplication, shows its designer modally until the designer is closed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <dlfcn.h>

#include <cstdlib>

#include "component/brisko.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "platform/com/comruntime.h"
#include "platform/com/interfaceptr.h"
#include "platform/com/variant.h"
#include "platform/core/paths.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

QWidget* VisibleWindow(const QString& title) {
    for (QWidget* pWindow : QApplication::topLevelWidgets()) {
        if (pWindow->isVisible() && pWindow->windowTitle() == title)
            return pWindow;
    }
    return nullptr;
}

QToolButton* PaletteButton(QWidget& palette, const QString& tooltip) {
    for (QToolButton* pButton : palette.findChildren<QToolButton*>()) {
        if (pButton->defaultAction() && pButton->defaultAction()->toolTip() == tooltip)
            return pButton;
    }
    return nullptr;
}

// What the test saw while the designer was open.
struct CSeen {
    bool bDialog = false;
    bool bDesignWindow = false;
    bool bPalette = false;
    QSize canvas;
    size_t nScratchFolders = 0;
};

class ConfigDesigner : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QApplication(argc, argv);
    }
    void SetUp() override {
        m_hModule = dlopen((ProgramDir() + "/TesseraBrisko.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_hModule, nullptr) << dlerror();
        auto pfnRegister = reinterpret_cast<HRESULT (*)()>(dlsym(m_hModule, "DllRegisterServer"));
        ASSERT_EQ(pfnRegister(), S_OK);
    }
    void TearDown() override { dlclose(m_hModule); }

    static std::string ScratchParent() {
        return tb::JoinPath(std::getenv("XDG_CACHE_HOME"), "ambrel-brisko");
    }

    void* m_hModule = nullptr;
};

} // namespace

TEST_F(ConfigDesigner, RunsTheDesignerUntilItClosesThenReturnsTrueAndCleansUp) {
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID("TesseraServer.Brisko", &clsid), S_OK);
    IDispatch* pDispatch = nullptr;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(&pDispatch)),
              S_OK);
    const auto holder = tb::CInterfacePtr<IDispatch>::Adopt(pDispatch);
    // The object was made by the module from the very library this test links: its data can
    // be read in place, which shows what Config did to the history.
    CBrisko& widget = *static_cast<CBrisko*>(pDispatch);
    widget.applet.m_nWidth = 240;
    widget.applet.m_nHeight = 80;
    widget.applet.m_history.undoList = {"stale", "older"};
    const std::string opening =
        tb::StoreArchive([&](CArchive& ar) { widget.applet.Serialize(ar); });

    CSeen seen;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* pDialog = VisibleWindow("Button Properties");
        if (!pDialog)
            return;
        poll.stop();
        seen.bDialog = true;
        QWidget* pDesign = VisibleWindow("Button Design");
        QWidget* pPalette = VisibleWindow("Palette");
        seen.bDesignWindow = pDesign != nullptr;
        seen.bPalette = pPalette != nullptr;
        seen.nScratchFolders = EntriesIn(ScratchParent());
        if (pDesign && pPalette && pDesign->focusProxy()) {
            seen.canvas = pDesign->focusProxy()->size();
            // One button drawn, as a user would: the button tool, then a click.
            QToolButton* pTool = PaletteButton(*pPalette, "Hold and drag to draw a button");
            if (pTool)
                QTest::mouseClick(pTool, Qt::LeftButton);
            QTest::mouseClick(pDesign->focusProxy(), Qt::LeftButton, {}, QPoint(20, 10));
        }
        pDialog->close();
    });
    poll.start();

    DISPPARAMS none{};
    VARIANT result;
    EXCEPINFO excep;
    UINT argErr = 0;
    ASSERT_EQ(pDispatch->Invoke(9, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &result,
                                &excep, &argErr),
              S_OK);
    EXPECT_EQ(result.vt, VT_BOOL);
    EXPECT_EQ(result.boolVal, VARIANT_TRUE);

    EXPECT_TRUE(seen.bDialog);
    EXPECT_TRUE(seen.bDesignWindow);
    EXPECT_TRUE(seen.bPalette);
    EXPECT_EQ(seen.canvas, QSize(240, 80));
    EXPECT_EQ(seen.nScratchFolders, 1u);
    // The private scratch folder went with the designer.
    EXPECT_EQ(EntriesIn(ScratchParent()), 0u);
    EXPECT_EQ(VisibleWindow("Button Properties"), nullptr);
    EXPECT_EQ(VisibleWindow("Button Design"), nullptr);

    // The history starts with the design as the designer opened it; the new button followed.
    ASSERT_EQ(widget.applet.m_buttons.size(), 1u);
    EXPECT_EQ(widget.applet.m_buttons.front()->bounds, (CRect{20, 10, 100, 40}));
    ASSERT_EQ(widget.applet.m_history.undoList.size(), 2u);
    EXPECT_EQ(widget.applet.m_history.undoList.back(), opening);
    EXPECT_TRUE(widget.applet.m_history.redoList.empty());
}
