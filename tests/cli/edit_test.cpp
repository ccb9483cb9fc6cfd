// tessera edit in this process: the designer opens on the file, the test closes it as a user
// would, and the file is saved the way the workbench saves (or left alone with --no-save).

#include <gtest/gtest.h>

#include <QApplication>

#include <vector>

#include "cli/clicommand.h"
#include "component/brisko.h"
#include "model/drawrect.h"
#include "platform/com/interfaceptr.h"
#include "platform/core/autodate.h"
#include "tests/support/designerdriver.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

class TesseraEdit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }
    void SetUp() override { ASSERT_EQ(Run({"register", ProgramDir() + "/TesseraBrisko.so"}), 0); }

    static int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "tessera");
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        return tb::cli::RunCli(int(argv.size()), argv.data());
    }

    static size_t ButtonsIn(const std::string& path) {
        const auto pWidget = tb::CInterfacePtr<CBrisko>::Adopt(new CBrisko);
        return pWidget->ReadConfigFile(path) ? pWidget->applet.m_buttons.size() : size_t(-1);
    }

    TempDir dir;
};

} // namespace

TEST_F(TesseraEdit, MissingFileStartsANewDesignSavedWhenTheDesignerCloses) {
    const std::string path = dir.file("new.tsq");
    const CDesignerDriver driver(QPoint(5, 6));
    const double before = tb::CurrentAutomationDate();
    ASSERT_EQ(Run({"edit", path}), 0);
    EXPECT_TRUE(driver.DesignerOpened());
    EXPECT_EQ(ButtonsIn(path), 1u);
    const auto pWidget = tb::CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    ASSERT_TRUE(pWidget->ReadConfigFile(path));
    EXPECT_EQ(pWidget->GetDescriptionEntry("ProgID"), "TesseraServer.Brisko");
    EXPECT_GE(pWidget->GetLastUpdateTime(), before - 1.0 / 86400);
    EXPECT_LE(pWidget->GetLastUpdateTime(), tb::CurrentAutomationDate() + 1.0 / 86400);
    EXPECT_EQ(pWidget->applet.m_buttons.front()->bounds, (CRect{5, 6, 85, 36}));
    // The class file comes along, as with every save.
    EXPECT_TRUE(tb::test::ReadFileBytes(dir.file("tlwbtn.class")).size() > 0);
}

TEST_F(TesseraEdit, NoSaveLeavesTheFileAsItWas) {
    const std::string path = dir.file("kept.tsq");
    WriteFileBytes(path, ReadFileBytes(ProgramDir() + "/plainlinks.tsq"));
    const std::string original = ReadFileBytes(path);
    const CDesignerDriver driver(QPoint(5, 6));
    ASSERT_EQ(Run({"edit", path, "--no-save"}), 0);
    EXPECT_TRUE(driver.DesignerOpened());
    EXPECT_EQ(ReadFileBytes(path), original);
}

TEST_F(TesseraEdit, FileOfAnotherComponentIsRefusedWithoutOpeningTheDesigner) {
    const std::string path = dir.file("foreign.tsq");
    WriteFileBytes(path, "========== Description Part Begin ==========\r\n"
                         "ProgID = Other.Widget\r\n"
                         "========== Description Part End ==========\r\n");
    const CDesignerDriver driver;
    EXPECT_EQ(Run({"edit", path}), 1);
    EXPECT_FALSE(driver.DesignerOpened());
    EXPECT_EQ(Run({"edit", path, "--no-save=yes"}), 1);
}
