// The template dialogs on real folders: Save as Template's target and its refusal of an
// existing file, and Manage Templates' Rename and Delete with their messages, over the
// user's templates and the program's own.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "platform/core/paths.h"
#include "tests/support/scriptedui.h"
#include "tests/support/widgetapp.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/tessera.h"
#include "workbench/templatedialogs.h"

using namespace tb;
using namespace tb::test;

namespace {

class TemplateDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }

    static std::string Write(const std::string& folder, const std::string& name,
                             const std::string& description) {
        const std::string path = folder + "/" + name + "_TesseraServer.Brisko.tsq";
        WriteTitledWidgetFile(path, name, description);
        return path;
    }
    static QStringList Names(QListWidget* pList) {
        QStringList names;
        for (int i = 0; i < pList->count(); ++i)
            names << pList->item(i)->text();
        return names;
    }

    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    TempDir user;
    ExpectUi ui;
};

} // namespace

TEST_F(TemplateDialogs, SaveAsTemplateFollowsTheNameAndRefusesAnExistingTemplate) {
    const std::string existing = Write(user.path(), "Blue", "Blue glass");
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    widget.SetTitle("Blue");
    widget.SetDescription("Mine");
    CDlgSaveAsTemplate dialog(widget, user.path());
    ASSERT_TRUE(dialog.IsUsable());
    EXPECT_EQ(dialog.NameEdit()->text(), "Blue");
    EXPECT_EQ(dialog.DescriptionEdit()->text(), "Mine");
    EXPECT_EQ(Names(dialog.TemplateList()), QStringList{"Blue"});
    EXPECT_EQ(dialog.TargetLabel()->text().toStdString(), existing);

    ui.Expect(UiAnswer::Message(IDOK).WithText(
        existing + " is already exist.Please enter a new template name."));
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    dialog.NameEdit()->clear();
    EXPECT_EQ(dialog.TargetLabel()->text().toStdString(), user.path() + "/");
    dialog.NameEdit()->setText("Green");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.TargetPath(), user.file("Green_TesseraServer.Brisko.tsq"));
}

TEST_F(TemplateDialogs, RenameRefusesItsOwnNameAndRewritesTheTemplateUnderTheNewOne) {
    const std::string blue = Write(user.path(), "Blue", "Blue glass");
    CDlgManageTemplates dialog(user.path());
    ASSERT_TRUE(dialog.IsUsable());
    EXPECT_EQ(dialog.Current(), 0);
    EXPECT_EQ(dialog.NameEdit()->text(), "Blue");
    EXPECT_EQ(dialog.DescriptionEdit()->text(), "Blue glass");

    // Only a new description: the file would be its own target.
    dialog.DescriptionEdit()->setText("Deep blue");
    ui.Expect(UiAnswer::Message(IDOK).WithText(
        "The Blue template has been there,please give a new name!"));
    dialog.OnRename();
    EXPECT_TRUE(FileExists(blue));

    dialog.NameEdit()->setText("Navy");
    ui.Expect(UiAnswer::Message(IDCANCEL).WithText(
        "Are you sure to rename \" Blue\" template to \"Navy\"?"));
    dialog.OnRename();
    EXPECT_TRUE(FileExists(blue));
    ui.Expect(UiAnswer::Message(IDOK));
    dialog.OnRename();
    EXPECT_FALSE(FileExists(blue));
    EXPECT_EQ(dialog.Templates().paths,
              std::vector<std::string>{user.file("Navy_TesseraServer.Brisko.tsq")});
    EXPECT_EQ(Names(dialog.TemplateList()), QStringList{"Navy"});
    CTessera reader;
    ASSERT_TRUE(reader.CreateFromProgID("TesseraServer.Brisko"));
    ASSERT_TRUE(reader.ReadConfigFile(user.file("Navy_TesseraServer.Brisko.tsq")));
    EXPECT_EQ(reader.GetTitle(), "Navy");
    EXPECT_EQ(reader.GetDescription(), "Deep blue");
}

TEST_F(TemplateDialogs, DeleteStepsBackAtTheEndAndTheProgramsTemplatesStay) {
    const std::string shipped = Write(component.Folder().path(), "Shipped", "Ours");
    Write(user.path(), "One", "1");
    CDlgManageTemplates dialog(user.path());
    ASSERT_EQ(dialog.Templates().Size(), 2u);
    EXPECT_EQ(dialog.NameEdit()->text(), "Shipped");
    ui.Expect(UiAnswer::Message(IDOK).WithText(
        "\"Shipped\" is one of the program's own templates: it cannot be renamed or deleted."));
    dialog.OnDelete();
    EXPECT_TRUE(FileExists(shipped));

    dialog.TemplateList()->setCurrentRow(1);
    EXPECT_EQ(dialog.NameEdit()->text(), "One");
    ui.Expect(UiAnswer::Message(IDOK).WithText("Are you sure to delete \"One\" template?"));
    dialog.OnDelete();
    EXPECT_FALSE(FileExists(user.file("One_TesseraServer.Brisko.tsq")));
    EXPECT_EQ(dialog.Current(), 0);
    EXPECT_EQ(dialog.NameEdit()->text(), "Shipped");
    EXPECT_EQ(Names(dialog.TemplateList()), QStringList{"Shipped"});
}

TEST_F(TemplateDialogs, WithNoTemplatesRenameAndDeleteAskForOne) {
    CDlgManageTemplates dialog(user.path());
    EXPECT_EQ(dialog.Current(), -1);
    EXPECT_EQ(dialog.NameEdit()->text(), "");
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a template first!"));
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a template first!"));
    dialog.OnDelete();
    dialog.OnRename();
}
