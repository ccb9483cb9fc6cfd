// The built add-in module: registration and unregistration through its entry points, and
// the editor loading it at start-up, which puts up the bar with the installed component.

#include <gtest/gtest.h>

#include "addin/host/addinmanager.h"
#include "addin/host/memory/memoryeditor.h"
#include "platform/com/comruntime.h"
#include "tests/support/scriptedui.h"
#include "tests/support/tempdir.h"

using namespace tb::host;

namespace {

const char kProgId[] = "AmbrelWidget.Connect";

HRESULT CallModule(const std::string& module, const char* entry) {
    std::string absolute;
    return tb::CallServerRegistration(tb::test::ProgramDir() + "/" + module, entry, &absolute);
}

TEST(AddInModule, RegistersAsAStartUpAddInOfTheEditorAndUnregistersAgain) {
    ASSERT_EQ(CallModule("AmbrelWidgetFP.so", "DllRegisterServer"), S_OK) << tb::LastComErrorText();
    const std::optional<AddInRecord> record = FindRegisteredAddIn(kProgId);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->friendlyName, "Ambrel Widgets");
    EXPECT_EQ(record->description, "Adding pop-up menu, animate text, button into page");
    EXPECT_EQ(record->loadBehavior, 3u);
    std::string error;
    EXPECT_EQ(AddInModulePath(kProgId, &error), tb::test::ProgramDir() + "/AmbrelWidgetFP.so");

    ASSERT_EQ(CallModule("AmbrelWidgetFP.so", "DllUnregisterServer"), S_OK);
    EXPECT_FALSE(FindRegisteredAddIn(kProgId));
    EXPECT_FALSE(AddInModulePath(kProgId, &error));
}

TEST(AddInModule, TheEditorLoadsItAndItOffersTheInstalledComponentWithItsIcon) {
    ASSERT_EQ(CallModule("TesseraBrisko.so", "DllRegisterServer"), S_OK);
    ASSERT_EQ(CallModule("AmbrelWidgetFP.so", "DllRegisterServer"), S_OK);
    CMemoryPageEditor editor;
    editor.NewPage("<p>text</p>");
    CAddInManager manager(editor);
    manager.ConnectStartupAddIns();
    ASSERT_TRUE(manager.IsConnected(kProgId));

    ICommandBar* bar = editor.CommandBars().Find("Ambrel Widgets");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->Visible());
    ASSERT_EQ(bar->Controls().Count(), 1);
    ICommandBarButton* button = bar->Controls().Item(1);
    EXPECT_EQ(button->Caption(), "Brisko 2.0");
    EXPECT_EQ(button->TooltipText(), "Generate cool effect Java Applet buttons");
    EXPECT_EQ(button->Tag(), "0");
    EXPECT_EQ(button->Face().nWidth, 16);
    EXPECT_EQ(button->Face().nHeight, 16);

    // A click on an unsaved page: the add-in's own message (its copy of the platform shows
    // it on stderr here, as a program without windows does) and nothing pasted.
    editor.Bars().Bar(1)->Button(1)->Click();
    EXPECT_EQ(editor.Page()->BodyHtml(), "<p>text</p>");

    manager.DisconnectAll(DisconnectModeHostShutdown);
    EXPECT_EQ(editor.CommandBars().Find("Ambrel Widgets"), nullptr);
    EXPECT_EQ(editor.GetSetting("Ambrel Widgets", "Settings", "DisplayOnConnect", ""), "0");
}

} // namespace
