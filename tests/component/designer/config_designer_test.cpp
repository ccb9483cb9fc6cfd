// Config end to end as the workbench runs it: the built module, created through the registry
// in a process with a QApplication, shows its designer modally until the designer is closed.

#include <gtest/gtest.h>

#include <QApplication>
#include <dlfcn.h>

#include <cstdlib>

#include "component/brisko.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "platform/com/comruntime.h"
#include "platform/com/interfaceptr.h"
#include "platform/com/variant.h"
#include "platform/core/paths.h"
#include "tests/support/designerdriver.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

// What the test saw while the designer was open.
struct CSeen {
    QSize canvas;
    size_t nScratchFolders = 0;
};

class ConfigDesigner : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }
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
    const CDesignerDriver driver(QPoint(20, 10), [&](const CDesignerSeen& windows) {
        seen.nScratchFolders = EntriesIn(ScratchParent());
        if (windows.pCanvas)
            seen.canvas = windows.pCanvas->size();
    });

    DISPPARAMS none{};
    VARIANT result;
    EXCEPINFO excep;
    UINT argErr = 0;
    ASSERT_EQ(pDispatch->Invoke(9, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, &result,
                                &excep, &argErr),
              S_OK);
    EXPECT_EQ(result.vt, VT_BOOL);
    EXPECT_EQ(result.boolVal, VARIANT_TRUE);

    EXPECT_TRUE(driver.DesignerOpened());
    EXPECT_NE(driver.Seen().pDesignWindow, nullptr);
    EXPECT_NE(driver.Seen().pPalette, nullptr);
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
