// The built component module as hosts meet it: registration, creation by ProgID, calls by
// DISPID and by name, catalogue resources, unloading.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/com/catmgr.h"
#include "platform/com/dispdriver.h"
#include "platform/module/moduleres.h"
#include "platform/registry/registry.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

const char kClsid[] = "{B2471160-D234-11D2-B481-00400533CDD6}";
const char kCatid[] = "{2542EDC1-7EFB-11D2-8CA5-0088CC081531}";

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_strModule = ProgramDir() + "/TesseraBrisko.so";
        m_hModule = dlopen(m_strModule.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_hModule, nullptr) << dlerror();
    }
    void TearDown() override {
        if (m_hModule)
            dlclose(m_hModule);
    }
    HRESULT Call(const char* name) {
        auto pfn = reinterpret_cast<HRESULT (*)()>(dlsym(m_hModule, name));
        return pfn ? pfn() : E_FAIL;
    }
    static std::string DefaultValue(const std::string& key) {
        HKEY h = nullptr;
        std::string value;
        if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key, &h) != ERROR_SUCCESS)
            return "<absent>";
        RegQueryString(h, "", &value);
        RegCloseKey(h);
        return value;
    }
    static void SetDefault(const std::string& key, const std::string& value) {
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, key, &h), ERROR_SUCCESS);
        RegSetString(h, "", value);
        RegCloseKey(h);
    }

    std::string m_strModule;
    void* m_hModule = nullptr;
};

} // namespace

TEST_F(ModuleTest, RegistrationWritesTheEntriesOnceAndKeepsNamesAlreadyThere) {
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    const std::string clsidKey = std::string("CLSID\\") + kClsid;
    EXPECT_EQ(DefaultValue("TesseraServer.Brisko"), "TesseraServer.Brisko");
    EXPECT_EQ(DefaultValue("TesseraServer.Brisko\\CLSID"), kClsid);
    EXPECT_EQ(DefaultValue(clsidKey), "TesseraServer.Brisko");
    EXPECT_EQ(DefaultValue(clsidKey + "\\ProgID"), "TesseraServer.Brisko");
    EXPECT_EQ(DefaultValue(clsidKey + "\\InProcServer32"), m_strModule);
    EXPECT_NE(DefaultValue(clsidKey + "\\Implemented Categories\\" + kCatid), "<absent>");
    std::string desc;
    EXPECT_EQ(tb::GetCategoryDesc(tb::MakeGuid(kCatid), 0x409, &desc), S_OK);
    EXPECT_EQ(desc, "Tallowby Tesseras");

    SetDefault("TesseraServer.Brisko", "Renamed");
    SetDefault(clsidKey, "Renamed class");
    SetDefault(clsidKey + "\\InProcServer32", "/elsewhere.so");
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    EXPECT_EQ(DefaultValue("TesseraServer.Brisko"), "Renamed");
    EXPECT_EQ(DefaultValue(clsidKey), "Renamed class");
    EXPECT_EQ(DefaultValue(clsidKey + "\\InProcServer32"), m_strModule);
    std::vector<CLSID> classes;
    const CATID catid = tb::MakeGuid(kCatid);
    ASSERT_EQ(tb::EnumClassesOfCategories(std::span<const CATID>(&catid, 1), &classes), S_OK);
    EXPECT_EQ(classes.size(), 1u);

    ASSERT_EQ(Call("DllUnregisterServer"), S_OK);
    EXPECT_EQ(DefaultValue(clsidKey), "<absent>");
    EXPECT_EQ(DefaultValue("TesseraServer.Brisko"), "<absent>");
    EXPECT_EQ(tb::GetCategoryDesc(catid, 0x409, &desc), S_OK);
    classes.clear();
    tb::EnumClassesOfCategories(std::span<const CATID>(&catid, 1), &classes);
    EXPECT_TRUE(classes.empty());
    // Nothing left to find: the ProgID lookup fails and says so.
    EXPECT_EQ(Call("DllUnregisterServer"), REGDB_E_CLASSNOTREG);
}

TEST_F(ModuleTest, ObjectsCreatedByProgIDKeepTheModuleLoaded) {
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    EXPECT_EQ(Call("DllCanUnloadNow"), S_OK);
    {
        COleDispatchDriver widget;
        ASSERT_EQ(widget.CreateDispatch("TesseraServer.Brisko"), S_OK);
        EXPECT_EQ(Call("DllCanUnloadNow"), S_FALSE);
    }
    EXPECT_EQ(Call("DllCanUnloadNow"), S_OK);
}

TEST_F(ModuleTest, EveryMemberAnswersByDispidAndByName) {
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    COleDispatchDriver w;
    ASSERT_EQ(w.CreateDispatch("TesseraServer.Brisko"), S_OK);
    TempDir site;
    VARIANT v;

    ASSERT_EQ(w.SetProperty(2, tb::VariantString("Menu")), S_OK);
    ASSERT_EQ(w.SetProperty("description", tb::VariantString("Three buttons")), S_OK);
    ASSERT_EQ(w.SetProperty(6, tb::VariantR8(36892.123456789)), S_OK);
    ASSERT_EQ(w.GetProperty("BITMAPFILENAME", VT_BSTR, &v), S_OK);
    EXPECT_EQ(v.bstrVal, "");
    ASSERT_EQ(w.GetProperty(5, VT_BSTR, &v), S_OK);
    EXPECT_EQ(w.CallMethod(28, VT_BOOL, site.file("w.tsq"), int16_t(0)).value.boolVal,
              VARIANT_TRUE);
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.class")),
              ReadFileBytes(ProgramDir() + "/tlwbtn.class"));
    // A fresh design plays in current browsers, so the player went along.
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.js")), ReadFileBytes(ProgramDir() + "/tlwbtn.js"));

    COleDispatchDriver r;
    ASSERT_EQ(r.CreateDispatch("TesseraServer.Brisko"), S_OK);
    EXPECT_EQ(r.CallMethod("readconfigfile", VT_BOOL, site.file("w.tsq")).value.boolVal,
              VARIANT_TRUE);
    ASSERT_EQ(r.GetProperty(1, VT_BSTR, &v), S_OK);
    EXPECT_EQ(v.bstrVal, "TesseraServer.Brisko");
    ASSERT_EQ(r.GetProperty("Title", VT_BSTR, &v), S_OK);
    EXPECT_EQ(v.bstrVal, "Menu");
    ASSERT_EQ(r.GetProperty(6, VT_DATE, &v), S_OK);
    EXPECT_DOUBLE_EQ(v.date, 36892.123456789);
    EXPECT_NE(ReadFileBytes(site.file("w.tsq")).find("\r\nBitmapFileName = \r\n"),
              std::string::npos);

    EXPECT_EQ(r.CallMethod(19, VT_BSTR, int16_t(5), int16_t(0)).value.bstrVal,
              r.CallMethod("GetHTMLBody", VT_BSTR, int16_t(0), int16_t(0)).value.bstrVal);
    EXPECT_EQ(r.CallMethod(17, VT_I2).value.iVal, 1);
    EXPECT_EQ(r.CallMethod(18, VT_BSTR, int16_t(0)).value.bstrVal, "cursor");
    ASSERT_EQ(r.GetProperty("player", VT_BOOL, &v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    EXPECT_EQ(r.CallMethod(21, VT_I2).value.iVal, 2);
    EXPECT_EQ(r.CallMethod(22, VT_BSTR, int16_t(1)).value.bstrVal, "tlwbtn.js");
    ASSERT_EQ(r.SetProperty(29, tb::VariantBool(false)), S_OK);
    ASSERT_EQ(r.GetProperty(29, VT_BOOL, &v), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_FALSE);
    EXPECT_EQ(r.CallMethod(21, VT_I2).value.iVal, 1);
    EXPECT_EQ(r.CallMethod(22, VT_BSTR, int16_t(0)).value.bstrVal, "tlwbtn.class");
    EXPECT_EQ(r.CallMethod(23, VT_BSTR, int16_t(0)).value.bstrVal, ProgramDir() + "/");
    EXPECT_EQ(r.CallMethod(25, VT_BSTR, "tlwbtn.class").value.bstrVal, ProgramDir() + "/");
    EXPECT_EQ(r.CallMethod(27, VT_BOOL, "/pub/").value.boolVal, VARIANT_TRUE);
    EXPECT_EQ(r.CallMethod("GetResourceLocalPath", VT_BSTR, int16_t(0)).value.bstrVal, "/pub/");
    EXPECT_EQ(r.CallMethod(24, VT_BSTR, int16_t(0)).value.bstrVal, "");
    EXPECT_EQ(r.CallMethod(26, VT_BSTR, "x").value.bstrVal, "");
    EXPECT_EQ(r.CallMethod(16, VT_I2).value.iVal, 0);
    EXPECT_EQ(r.CallMethod(9, VT_BOOL).hr, E_NOTIMPL);
    EXPECT_EQ(r.CallMethod(8, VT_BOOL, site.file("again.tsq")).value.boolVal, VARIANT_TRUE);

    // Catalogue: identifiers into the module's own resources.
    const HINSTANCE h = r.CallMethod(20, VT_I4).value.lVal;
    ASSERT_NE(h, 0);
    const char* const kTexts[] = {"Java Applet", "Brisko 2.0", "Brisko 2.0",
                                  "Generate cool effect Java Applet buttons", "Brisko"};
    for (int i = 0; i < 5; ++i) {
        const int32_t id = r.CallMethod(10 + i, VT_I4).value.lVal;
        EXPECT_EQ(tb::LoadStringFromModule(h, id), kTexts[i]);
    }
    const int32_t icon = r.CallMethod("GetIconID", VT_I4, int16_t(0)).value.lVal;
    EXPECT_EQ(icon, 4000);
    for (int size : {16, 32}) {
        tb::ModuleImage image;
        ASSERT_TRUE(tb::LoadIconFromModule(h, icon, size, &image));
        EXPECT_EQ(image.nWidth, size);
        EXPECT_EQ(image.nHeight, size);
    }
}

TEST_F(ModuleTest, BareFileNameIsWrittenInTheCurrentFolder) {
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    TempDir cwd;
    char old[4096];
    ASSERT_NE(getcwd(old, sizeof old), nullptr);
    ASSERT_EQ(chdir(cwd.path().c_str()), 0);
    COleDispatchDriver w;
    ASSERT_EQ(w.CreateDispatch("TesseraServer.Brisko"), S_OK);
    const bool bOk = w.CallMethod(28, VT_BOOL, "bare.tsq", int16_t(0)).value.boolVal != 0;
    const bool bRead = w.CallMethod(7, VT_BOOL, "bare.tsq").value.boolVal != 0;
    ASSERT_EQ(chdir(old), 0);
    EXPECT_TRUE(bOk);
    EXPECT_TRUE(bRead);
    EXPECT_TRUE(tb::test::ReadFileBytes(cwd.file("bare.tsq")).size() > 0);
    EXPECT_EQ(ReadFileBytes(cwd.file("tlwbtn.class")),
              ReadFileBytes(ProgramDir() + "/tlwbtn.class"));
}
