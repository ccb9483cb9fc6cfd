#pragma once
// What the workbench's tests share: the program's string table and profile key, the built
// widget component registered in the test's registry, widget files of other components, and
// a widget component made in the test's own process (so that a test can put its own designer
// behind Config through the component's seam).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "component/brisko.h"
#include "component/briskoids.h"
#include "component/componentstate.h"
#include "component/serverreg.h"
#include "platform/com/classfactory.h"
#include "platform/com/comruntime.h"
#include "platform/module/moduleres.h"
#include "platform/profile/profile.h"
#include "tests/support/tempdir.h"
#include "workbench/core/tessera.h"
#include "workbench/core/workbenchstrings.h"

namespace tb::test {

// The texts "Create the dispatch of the %s Error!" and its kin, as the workbench shows them.
inline const char kCaption[] = "Ambrel Brisko";

// The workbench's strings, registered for one test.
class CWorkbenchStringsScope {
public:
    CWorkbenchStringsScope() : m_pStrings(RegisterWorkbenchStrings()) {
        SetProfileKey("Tallowby", "Ambrel Brisko");
    }

private:
    std::unique_ptr<CModuleResources> m_pStrings;
};

// Registers the built TesseraBrisko.so in this process's (temporary) registry.
inline void RegisterBuiltComponent() {
    std::string registered;
    ASSERT_EQ(CallServerRegistration(ProgramDir() + "/TesseraBrisko.so", "DllRegisterServer",
                                     &registered),
              S_OK)
        << LastComErrorText();
}

// The module the registry names for the component's ProgID; "<none>" when it names none.
inline std::string RegisteredModulePath() {
    CLSID clsid;
    std::string path;
    if (FAILED(CLSIDFromProgID("TesseraServer.Brisko", &clsid)) ||
        FAILED(InProcServerPath(clsid, &path)))
        return "<none>";
    return path;
}

// A widget file that names another component; ours reads it, and keeps it as not its own.
inline void WriteForeignWidgetFile(const std::string& path) {
    WriteFileBytes(path, "========== Description Part Begin ==========\r\n"
                         "ProgID = Other.Widget\r\n"
                         "Title = Theirs\r\n"
                         "========== Description Part End ==========\r\n");
}

// A widget file of ours at path, written by the registered component, with that Title and
// Description (templates are such files).
inline void WriteTitledWidgetFile(const std::string& path, const std::string& title,
                                  const std::string& description) {
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    widget.SetTitle(title);
    widget.SetDescription(description);
    ASSERT_TRUE(widget.WriteConfigFile(path));
}

// CBrisko made in this process: its class object is offered to CoCreateInstance under the
// component's class identifier, the registry names a module file in a folder of the test's
// own (with the applet class file and a sample page), and the catalogue texts are there. A
// test puts its designer in with SetDesigner; without one, Config fails as it does where no
// designer can show.
class CInProcessBrisko {
public:
    CInProcessBrisko() {
        WriteFileBytes(m_folder.file("TesseraBrisko.so"), "not loaded: the class object is here");
        WriteFileBytes(m_folder.file("tlwbtn.class"), "CLASSBYTES");
        SetComponentFolder(m_folder.path());
        SetComponentResourceHandle(m_resources.handle());
        EXPECT_EQ(RegisterBriskoServer(m_folder.file("TesseraBrisko.so")), S_OK);
        EXPECT_EQ(CoRegisterClassObject(MakeGuid(kBriskoClsid), &m_factory, CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &m_nCookie),
                  S_OK);
    }
    ~CInProcessBrisko() {
        CoRevokeClassObject(m_nCookie);
        SetRunDesigner(nullptr);
        SetComponentResourceHandle(0);
        SetComponentFolder("");
    }
    CInProcessBrisko(const CInProcessBrisko&) = delete;
    CInProcessBrisko& operator=(const CInProcessBrisko&) = delete;

    void SetDesigner(PFN_RunDesigner pfn) { SetRunDesigner(pfn); }
    const TempDir& Folder() const { return m_folder; }

private:
    static constexpr ModuleString kTexts[] = {
        {kIdsTesseraType, "Java Applet"},
        {kIdsTesseraName, "Brisko 2.0"},
        {kIdsMenuText, "Brisko 2.0"},
        {kIdsMessageText, "Generate cool effect Java Applet buttons"},
    };
    TempDir m_folder;
    CModuleResources m_resources{"TesseraBriskoInProcess", kTexts};
    CClassFactory<CBrisko> m_factory;
    uint32_t m_nCookie = 0;
};

} // namespace tb::test
