// CTessera: how it finds and creates a component, what it keeps from it, and the exact
// Invoke it makes for each member: against a recording object in this process, and against
// the built component as the workbench meets it.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/com/comruntime.h"
#include "platform/core/paths.h"
#include "platform/registry/registry.h"
#include "tests/support/scriptedui.h"
#include "tests/workbench/core/testdispatch.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kRecorderClsid[] = "{7A51D0E2-3C4B-4F60-8E21-5B0C9D1E2F30}";
const char kRecorderProgID[] = "TbTest.Recorder";

struct RecordedCall {
    DISPID dispid;
    WORD flags;
    std::vector<VARTYPE> args; // in call order
    friend bool operator==(const RecordedCall&, const RecordedCall&) = default;
};

std::ostream& operator<<(std::ostream& out, const RecordedCall& call) {
    out << "{" << call.dispid << ", flags " << call.flags << ", args";
    for (VARTYPE vt : call.args)
        out << " " << vt;
    return out << "}";
}

// An automation object that records every Invoke as it arrives and answers with values of
// the types the component's members have.
class CRecordingWidget : public CTestDispatch {
public:
    static inline std::vector<RecordedCall> s_calls;
    static inline int s_nObjects = 0;
    static inline HINSTANCE s_hResources = 0;

    CRecordingWidget() { ++s_nObjects; }
    ~CRecordingWidget() override { --s_nObjects; }

    HRESULT Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO*, UINT*) override {
        RecordedCall call{dispid, flags, {}};
        for (UINT i = params->cArgs; i-- > 0;)
            call.args.push_back(params->rgvarg[i].vt);
        s_calls.push_back(call);
        if (flags == DISPATCH_PROPERTYPUT) {
            m_properties[dispid] = params->rgvarg[0];
            return S_OK;
        }
        if (!result)
            return S_OK;
        switch (dispid) {
        case 1:
        case 2:
        case 3:
        case 5:
            *result = m_properties.count(dispid) ? m_properties[dispid] : VariantString("");
            break;
        case 10:
        case 11:
        case 12:
        case 13:
            *result = VariantI4(dispid - 9); // the component's ids 1 to 4
            break;
        case 20:
            *result = VariantI4(s_hResources);
            break;
        case 17:
        case 21:
            *result = VariantI2(2);
            break;
        case 18:
        case 19:
        case 22:
        case 23:
        case 24:
            *result = VariantString("text " + std::to_string(dispid));
            break;
        default:
            *result = VariantBool(true);
        }
        return S_OK;
    }

private:
    std::map<DISPID, VARIANT> m_properties;
};

class CRecorderFactory : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        *ppv = static_cast<IClassFactory*>(this);
        return riid == IID_IUnknown || riid == IID_IClassFactory ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown*, REFIID riid, void** ppv) override {
        auto* pObject = new CRecordingWidget;
        const HRESULT hr = pObject->QueryInterface(riid, ppv);
        pObject->Release();
        return hr;
    }
    HRESULT LockServer(bool) override { return S_OK; }
};

void SetDefault(const std::string& key, const std::string& value) {
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, key, &h), ERROR_SUCCESS);
    RegSetString(h, "", value);
    RegCloseKey(h);
}

class TesseraBinding : public ::testing::Test {
protected:
    void SetUp() override {
        CRecordingWidget::s_calls.clear();
        CRecordingWidget::s_hResources = m_texts.handle();
        RegisterRecorder(m_folder.file("recorder.so"));
        WriteFileBytes(m_folder.file("recorder.so"), "");
        ASSERT_EQ(CoRegisterClassObject(MakeGuid(kRecorderClsid), &m_factory, CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &m_nCookie),
                  S_OK);
    }
    void TearDown() override { CoRevokeClassObject(m_nCookie); }

    static void RegisterRecorder(const std::string& modulePath) {
        SetDefault(std::string(kRecorderProgID) + "\\CLSID", kRecorderClsid);
        SetDefault(std::string("CLSID\\") + kRecorderClsid + "\\ProgID", kRecorderProgID);
        SetDefault(std::string("CLSID\\") + kRecorderClsid + "\\InprocServer32", modulePath);
    }

    static constexpr ModuleString kTexts[] = {
        {1, "Type text"}, {2, "Name text"}, {3, "Menu text"}, {4, "Message text"}};
    CWorkbenchStringsScope m_strings;
    CModuleResources m_texts{"recorder", kTexts};
    TempDir m_folder;
    CRecorderFactory m_factory;
    uint32_t m_nCookie = 0;
};

} // namespace

TEST_F(TesseraBinding, CreationLoadsTheTextsThroughTheComponentsModuleAndStartsWithTitleNormal) {
    const HINSTANCE hHost = AfxGetResourceHandle();
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID(kRecorderProgID));
    EXPECT_EQ(widget.m_strProgID, kRecorderProgID);
    EXPECT_EQ(widget.m_strType, "Type text");
    EXPECT_EQ(widget.m_strName, "Name text");
    EXPECT_EQ(widget.m_strMessage, "Message text");
    EXPECT_EQ(widget.m_strMenu, "Menu text");
    EXPECT_EQ(AfxGetResourceHandle(), hHost);
    const std::vector<RecordedCall> expected = {
        {20, DISPATCH_METHOD, {}},
        {10, DISPATCH_METHOD, {}},
        {11, DISPATCH_METHOD, {}},
        {13, DISPATCH_METHOD, {}},
        {12, DISPATCH_METHOD, {}},
        {2, DISPATCH_PROPERTYPUT, {VT_BSTR}},
        {3, DISPATCH_PROPERTYPUT, {VT_BSTR}},
    };
    EXPECT_EQ(CRecordingWidget::s_calls, expected);
    EXPECT_EQ(widget.GetTitle(), "Normal");
    EXPECT_EQ(widget.GetDescription(), "");
}

TEST_F(TesseraBinding, EveryMemberIsOneInvokeByItsFixedIdentifierWithItsKindAndTypes) {
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID(kRecorderProgID));
    CRecordingWidget::s_calls.clear();

    widget.GetProgID();
    widget.SetProgID("p");
    widget.GetTitle();
    widget.SetTitle("t");
    widget.GetDescription();
    widget.SetDescription("d");
    widget.GetPreviewPath();
    widget.SetPreviewPath("v");
    widget.SetLastUpdateTime(36892.5);
    EXPECT_TRUE(widget.ReadConfigFile("/a.tsq"));
    EXPECT_TRUE(widget.WriteConfigFile("/a.tsq"));
    EXPECT_TRUE(widget.Config());
    EXPECT_EQ(widget.GetTesseraTypeID(), 1);
    EXPECT_EQ(widget.GetTesseraNameID(), 2);
    EXPECT_EQ(widget.GetMenuTextID(), 3);
    EXPECT_EQ(widget.GetMessageTextID(), 4);
    EXPECT_EQ(widget.GetHTMLSegmentNumber(), 2);
    EXPECT_EQ(widget.GetHTMLPosition(1), "text 18");
    EXPECT_EQ(widget.GetHTMLBody(1, 0), "text 19");
    EXPECT_EQ(widget.GetResourceInstance(), m_texts.handle());
    EXPECT_EQ(widget.GetResourceNumber(), 2);
    EXPECT_EQ(widget.GetResourceName(0), "text 22");
    EXPECT_EQ(widget.GetResourceLocalPath(0), "text 23");
    EXPECT_EQ(widget.GetResourceWebPath(0), "text 24");
    EXPECT_TRUE(widget.WriteConfigFileEx("/b.tsq", 1));

    const WORD get = DISPATCH_PROPERTYGET;
    const WORD put = DISPATCH_PROPERTYPUT;
    const WORD call = DISPATCH_METHOD;
    const std::vector<RecordedCall> expected = {
        {1, get, {}},
        {1, put, {VT_BSTR}},
        {2, get, {}},
        {2, put, {VT_BSTR}},
        {3, get, {}},
        {3, put, {VT_BSTR}},
        {5, get, {}},
        {5, put, {VT_BSTR}},
        {6, put, {VT_DATE}},
        {7, call, {VT_BSTR}},
        {8, call, {VT_BSTR}},
        {9, call, {}},
        {10, call, {}},
        {11, call, {}},
        {12, call, {}},
        {13, call, {}},
        {17, call, {}},
        {18, call, {VT_I2}},
        {19, call, {VT_I2, VT_I2}},
        {20, call, {}},
        {21, call, {}},
        {22, call, {VT_I2}},
        {23, call, {VT_I2}},
        {24, call, {VT_I2}},
        {28, call, {VT_BSTR, VT_I2}},
    };
    EXPECT_EQ(CRecordingWidget::s_calls, expected);
}

TEST_F(TesseraBinding, CreatingTwiceKeepsTheOneObjectButResetsTheTitle) {
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID(kRecorderProgID));
    widget.SetTitle("Changed");
    const int nObjects = CRecordingWidget::s_nObjects;
    ASSERT_TRUE(widget.CreateFromCLSID(widget.m_clsid));
    EXPECT_EQ(CRecordingWidget::s_nObjects, nObjects);
    EXPECT_EQ(widget.GetTitle(), "Normal");
}

TEST_F(TesseraBinding, FolderSamplePageAndHelpFileFollowTheRegisteredModule) {
    const std::string module = m_folder.file("Brisko.so");
    WriteFileBytes(module, "");
    RegisterRecorder(module);
    {
        CTessera widget;
        ASSERT_TRUE(widget.CreateFromProgID(kRecorderProgID));
        EXPECT_EQ(widget.m_strFolder, m_folder.path());
        EXPECT_EQ(widget.m_strSamplePage, "");
        EXPECT_EQ(widget.m_strHelpFile, "");
    }
    std::filesystem::create_directory(m_folder.file("Sample"));
    WriteFileBytes(m_folder.file("Sample/sample.htm"), "<HTML></HTML>");
    WriteFileBytes(m_folder.file("Brisko.hlp"), "");
    {
        CTessera widget;
        ASSERT_TRUE(widget.CreateFromProgID(kRecorderProgID));
        EXPECT_EQ(widget.m_strSamplePage, m_folder.file("Sample/sample.htm"));
        EXPECT_EQ(widget.m_strHelpFile, m_folder.file("Brisko.hlp"));
    }
    // A module path without any folder, or one whose file is gone: no folder, no pages.
    RegisterRecorder("Brisko.so");
    {
        CTessera widget;
        ASSERT_TRUE(widget.CreateFromProgID(kRecorderProgID));
        EXPECT_EQ(widget.m_strFolder, "");
        EXPECT_EQ(widget.m_strSamplePage, "");
    }
}

TEST_F(TesseraBinding, UnknownProgIDFailsSilentlyAndAnObjectThatCannotBeMadeSaysSo) {
    ExpectUi ui;
    CTessera unknown;
    EXPECT_FALSE(unknown.CreateFromProgID("TbTest.Nobody"));
    EXPECT_FALSE(unknown.IsCreated());
    EXPECT_EQ(unknown.GetTitle(), "");
    EXPECT_FALSE(unknown.ReadConfigFile("/a.tsq"));

    // Registered, but no class object and no module file to load.
    CoRevokeClassObject(m_nCookie);
    m_nCookie = 0;
    RegisterRecorder(m_folder.file("gone.so"));
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("Create the dispatch of the TbTest.Recorder Error!"));
    CTessera missing;
    EXPECT_FALSE(missing.CreateFromProgID(kRecorderProgID));
    EXPECT_EQ(missing.m_strProgID, kRecorderProgID);
    EXPECT_EQ(missing.m_strFolder, m_folder.path());
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].caption, kCaption);
    EXPECT_EQ(ui.calls()[0].buttons, MbButtons::OK);
}

TEST(TesseraWithTheBuiltComponent, ReadsWritesAndAnswersAsTheWorkbenchUsesIt) {
    CWorkbenchStringsScope strings;
    RegisterBuiltComponent();
    TempDir dir;
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    EXPECT_EQ(widget.m_strFolder, ProgramDir());
    EXPECT_EQ(widget.m_strType, "Java Applet");
    EXPECT_EQ(widget.m_strName, "Brisko 2.0");
    EXPECT_EQ(widget.m_strMenu, "Brisko 2.0");
    EXPECT_EQ(widget.m_strMessage, "Generate cool effect Java Applet buttons");
    EXPECT_EQ(widget.GetTitle(), "Normal");

    widget.SetTitle("Menu");
    widget.SetDescription("Three buttons");
    ASSERT_TRUE(widget.WriteConfigFile(dir.file("w.tsq")));
    EXPECT_EQ(widget.GetHTMLSegmentNumber(), 1);
    EXPECT_EQ(widget.GetHTMLPosition(0), "cursor");
    EXPECT_NE(widget.GetHTMLBody(0, 1).find("<applet"), std::string::npos);
    ASSERT_GE(widget.GetResourceNumber(), 1);
    EXPECT_EQ(widget.GetResourceName(0), "tlwbtn.class");

    CTessera reader;
    ASSERT_TRUE(reader.CreateFromProgID("TesseraServer.Brisko"));
    ASSERT_TRUE(reader.ReadConfigFile(dir.file("w.tsq")));
    EXPECT_EQ(reader.GetTitle(), "Menu");
    EXPECT_EQ(reader.GetDescription(), "Three buttons");
    EXPECT_EQ(reader.GetProgID(), "TesseraServer.Brisko");
    EXPECT_FALSE(reader.ReadConfigFile(dir.file("none.tsq")));
    // Without a display the component has no designer to run.
    EXPECT_FALSE(reader.Config());
}
