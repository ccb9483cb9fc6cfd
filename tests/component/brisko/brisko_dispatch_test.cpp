// CBrisko through its dispatch interface: the member table, argument coercion, Config.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "model/appletparameters.h"
#include "platform/core/paths.h"
#include "tests/component/brisko/briskotestutil.h"

using namespace tb::test;

namespace {

const char* const kMembers[] = {"ProgID",
                                "Title",
                                "Description",
                                "BitmapFileName",
                                "PreviewPath",
                                "LastUpdateTime",
                                "ReadConfigFile",
                                "WriteConfigFile",
                                "Config",
                                "GetTesseraTypeID",
                                "GetTesseraNameID",
                                "GetMenuTextID",
                                "GetMessageTextID",
                                "GetTipsTextID",
                                "GetIconID",
                                "GetReservedNumber",
                                "GetHTMLSegmentNumber",
                                "GetHTMLPosition",
                                "GetHTMLBody",
                                "GetResourceInstance",
                                "GetResourceNumber",
                                "GetResourceName",
                                "GetResourceLocalPath",
                                "GetResourceWebPath",
                                "GetResourceLocalPathByName",
                                "GetResourceWebPathByName",
                                "SetResourceLocalPath",
                                "WriteConfigFileEx"};

DISPID IdOf(IDispatch* d, const char* name) {
    DISPID id = DISPID_UNKNOWN;
    d->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

int g_nDesignerRuns = 0;
std::string g_strScratch;
bool g_bScratchWasPrivate = false;
void RecordingDesigner(CBrisko&, CAppletParameters& applet, const std::string& strScratch) {
    ++g_nDesignerRuns;
    applet.m_nWidth = 555;
    g_strScratch = strScratch;
    struct stat st {};
    g_bScratchWasPrivate =
        ::stat(strScratch.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0777) == 0700;
    WriteFileBytes(strScratch + "/preview.htm", "page");
}

} // namespace

TEST(BriskoDispatch, EveryMemberHasItsPositionAsDispidWhateverTheCase) {
    BriskoHolder b;
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(IdOf(b.p, kMembers[i]), i + 1) << kMembers[i];
        std::string lower = kMembers[i];
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(IdOf(b.p, lower.c_str()), i + 1) << lower;
    }
    EXPECT_EQ(IdOf(b.p, "WriteConfigFileExx"), DISPID_UNKNOWN);
}

TEST(BriskoDispatch, CatalogueAndFixedAnswers) {
    BriskoHolder b;
    HRESULT hr;
    const int32_t kIds[] = {1, 2, 3, 4, 5};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Invoke(b.p, 10 + i, DISPATCH_METHOD, {}, &hr).lVal, kIds[i]);
    EXPECT_EQ(Invoke(b.p, 15, DISPATCH_METHOD, {tb::VariantI2(7)}, &hr).lVal, 4000);
    EXPECT_EQ(Invoke(b.p, 16, DISPATCH_METHOD, {}, &hr).vt, VT_I2);
    EXPECT_EQ(Invoke(b.p, 16, DISPATCH_METHOD, {}, &hr).iVal, 0);
    EXPECT_EQ(Invoke(b.p, 17, DISPATCH_METHOD, {}, &hr).iVal, 1);
    EXPECT_EQ(Invoke(b.p, 18, DISPATCH_METHOD, {tb::VariantI2(3)}, &hr).bstrVal, "cursor");
    tb::SetComponentResourceHandle(42);
    EXPECT_EQ(Invoke(b.p, 20, DISPATCH_METHOD, {}, &hr).lVal, 42);
    tb::SetComponentResourceHandle(0);
    b->applet.m_strWebPath = "pub/";
    EXPECT_EQ(Invoke(b.p, 24, DISPATCH_METHOD, {tb::VariantI2(99)}, &hr).bstrVal, "pub/");
    EXPECT_EQ(Invoke(b.p, 26, DISPATCH_METHOD, {tb::VariantString("x")}, &hr).bstrVal, "pub/");
    // A wrong argument count is refused, not guessed at.
    Invoke(b.p, 19, DISPATCH_METHOD, {tb::VariantI2(0)}, &hr);
    EXPECT_EQ(hr, DISP_E_BADPARAMCOUNT);
}

TEST(BriskoDispatch, HtmlBodyIgnoresTheSegmentAndUsesThePreviewPathInModeZero) {
    ComponentFolderFixture component;
    BriskoHolder b;
    AddButton(b->applet);
    HRESULT hr;
    Invoke(b.p, 5, DISPATCH_PROPERTYPUT, {tb::VariantString("file:///tmp/prev/")}, &hr);
    ASSERT_EQ(hr, S_OK);
    const std::string body0 =
        Invoke(b.p, 19, DISPATCH_METHOD, {tb::VariantI2(0), tb::VariantI2(0)}, &hr).bstrVal;
    const std::string body5 =
        Invoke(b.p, 19, DISPATCH_METHOD, {tb::VariantI2(5), tb::VariantI2(0)}, &hr).bstrVal;
    EXPECT_EQ(body0, body5);
    EXPECT_EQ(body0.rfind("<applet codebase=\"file:///tmp/prev/\" code=\"tlwbtn.class\"", 0), 0u);
    const std::string body2 =
        Invoke(b.p, 19, DISPATCH_METHOD, {tb::VariantI2(0), tb::VariantI2(2)}, &hr).bstrVal;
    EXPECT_EQ(body2.rfind("<applet  code=\"tlwbtn.class\" align=\"baseline\" width=\"105\" "
                          "height=\"230\">\r\n",
                          0),
              0u);
}

TEST(BriskoDispatch, PropertiesTravelAsStringsAndDates) {
    BriskoHolder b;
    HRESULT hr;
    Invoke(b.p, 2, DISPATCH_PROPERTYPUT, {tb::VariantString("Menu")}, &hr);
    EXPECT_EQ(Invoke(b.p, 2, DISPATCH_PROPERTYGET, {}, &hr).bstrVal, "Menu");
    // The add-in sends the date as a double.
    Invoke(b.p, 6, DISPATCH_PROPERTYPUT, {tb::VariantR8(37000.25)}, &hr);
    EXPECT_EQ(hr, S_OK);
    VARIANT date = Invoke(b.p, 6, DISPATCH_PROPERTYGET, {}, &hr);
    EXPECT_EQ(date.vt, VT_DATE);
    EXPECT_DOUBLE_EQ(date.date, 37000.25);
    EXPECT_EQ(b->config.PeekDescription("LastUpdateTime"), "37000.250000000");
    // A put of ProgID holds until the next write.
    Invoke(b.p, 1, DISPATCH_PROPERTYPUT, {tb::VariantString("Other.Thing")}, &hr);
    EXPECT_EQ(Invoke(b.p, 1, DISPATCH_PROPERTYGET, {}, &hr).bstrVal, "Other.Thing");
}

TEST(BriskoDispatch, BooleanTrueAsModeArrivesAsANonZeroMode) {
    ComponentFolderFixture component;
    TempDir media;
    TempDir site;
    WriteFileBytes(media.file("pic.gif"), "GIF89a");
    BriskoHolder b;
    CMarquelItem& item = AddButton(b->applet);
    item.m_strImageNormal = media.file("pic.gif");
    HRESULT hr;
    VARIANT ok = Invoke(b.p, 28, DISPATCH_METHOD,
                        {tb::VariantString(site.file("w.tsq")), tb::VariantBool(true)}, &hr);
    ASSERT_EQ(hr, S_OK);
    EXPECT_EQ(ok.vt, VT_BOOL);
    EXPECT_EQ(ok.boolVal, VARIANT_TRUE);
    EXPECT_TRUE(tb::FileExists(site.file("pic.gif")));
    EXPECT_EQ(item.m_strImageNormal, media.file("pic.gif")); // not mode 0
}

TEST(BriskoConfig, WithoutDesignerFailsAndChangesNothing) {
    ComponentFolderFixture component;
    std::filesystem::create_directory(component.dir.file("tmp"));
    BriskoHolder b;
    b->GetResourceNumber();
    HRESULT hr;
    Invoke(b.p, 9, DISPATCH_METHOD, {}, &hr);
    EXPECT_EQ(hr, E_NOTIMPL);
    EXPECT_EQ(b->resourcesCurrent, 1);
    EXPECT_TRUE(b->applet.m_history.undoList.empty());
    EXPECT_TRUE(tb::DirectoryExists(component.dir.file("tmp")));
}

TEST(BriskoConfig, RunsTheDesignerAfterOneSnapshotAndCleansUpAfterIt) {
    ComponentFolderFixture component;
    // The program folder is no place for scratch files: a "tmp" there is not ours.
    std::filesystem::create_directory(component.dir.file("tmp"));
    WriteFileBytes(component.dir.file("tmp/preview.htm"), "x");
    TempDir cache;
    ::setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
    tb::SetRunDesigner(&RecordingDesigner);
    BriskoHolder b;
    AddButton(b->applet);
    b->applet.m_history.undoList = {"a", "b"};
    b->applet.m_history.redoList = {"c"};
    b->GetResourceNumber();
    HRESULT hr;
    VARIANT r = Invoke(b.p, 9, DISPATCH_METHOD, {}, &hr);
    tb::SetRunDesigner(nullptr);
    ASSERT_EQ(hr, S_OK);
    EXPECT_EQ(r.boolVal, VARIANT_TRUE);
    EXPECT_EQ(g_nDesignerRuns, 1);
    EXPECT_EQ(b->applet.m_nWidth, 555);
    ASSERT_EQ(b->applet.m_history.undoList.size(), 1u);
    EXPECT_FALSE(b->applet.m_history.undoList.front().empty());
    EXPECT_TRUE(b->applet.m_history.redoList.empty());
    EXPECT_EQ(b->resourcesCurrent, 0);
    // The run had a private folder of its own under the user's cache, gone afterwards.
    EXPECT_TRUE(g_bScratchWasPrivate);
    EXPECT_EQ(g_strScratch.rfind(cache.file("ambrel-brisko/preview-"), 0), 0u) << g_strScratch;
    EXPECT_FALSE(tb::DirectoryExists(g_strScratch));
    EXPECT_EQ(EntriesIn(cache.file("ambrel-brisko")), 0u);
    EXPECT_EQ(ReadFileBytes(component.dir.file("tmp/preview.htm")), "x");
}

TEST(BriskoConfig, TwoRunsGetDifferentScratchFoldersAndAnUnusableCacheFallsBackToTmp) {
    TempDir cache;
    WriteFileBytes(cache.file("not-a-folder"), "");
    ::setenv("XDG_CACHE_HOME", cache.file("not-a-folder").c_str(), 1);
    tb::SetRunDesigner(&RecordingDesigner);
    BriskoHolder b;
    EXPECT_EQ(b->Config(), S_OK);
    const std::string first = g_strScratch;
    EXPECT_EQ(b->Config(), S_OK);
    tb::SetRunDesigner(nullptr);
    EXPECT_FALSE(first.empty());
    EXPECT_NE(first, g_strScratch);
    EXPECT_TRUE(g_bScratchWasPrivate);
    EXPECT_FALSE(tb::DirectoryExists(first));
    EXPECT_FALSE(tb::DirectoryExists(g_strScratch));
}

TEST(BriskoConfig, LockedHistoryGetsNoSnapshot) {
    tb::SetRunDesigner(&RecordingDesigner);
    BriskoHolder b;
    b->applet.m_history.lockCount = 1;
    b->applet.m_history.undoList = {"a"};
    EXPECT_EQ(b->Config(), S_OK);
    tb::SetRunDesigner(nullptr);
    EXPECT_TRUE(b->applet.m_history.undoList.empty());
}
