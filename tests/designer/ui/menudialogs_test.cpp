// The image, audio and font dialogs of the selected button's pages: their controls and file
// choosers, "Only this button" and "All the buttons", the web paths they carry, thumbnails,
// the font size check, and Cancel changing nothing.

#include "tests/designer/ui/designerfixture.h"

#include <sys/stat.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "designer/ui/dlgfont.h"
#include "designer/ui/dlgmediafiles.h"
#include "designer/ui/dlgmenustyle.h"
#include "designer/ui/menupropertysheet.h"
#include "model/ui/colorbutton.h"
#include "model/ui/spinedit.h"
#include "platform/surface/qt/qtrect.h"
#include "tests/designer/ui/pagedriver.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

class MenuDialogs : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        Click(ToQRect(button(1)->bounds).center());
        ASSERT_EQ(applet().m_selection.size(), 1u);
        dialog().MenuSheet().SetActivePage(pageLabel);
    }
    CDlgMenuStyle& page() {
        return dynamic_cast<CDlgMenuStyle&>(*dialog().MenuSheet().Page(pageLabel));
    }
    CMarquelItem& item(size_t i) { return *button(i)->menu->m_items.front(); }

    // A real picture to choose.
    std::string WriteImage(const char* name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const std::string path = scratch.file(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
};

QStringList LabelTexts(QWidget& dialog) {
    QStringList texts;
    for (QLabel* pLabel : dialog.findChildren<QLabel*>()) {
        if (pLabel->buddy())
            texts << pLabel->text().remove('&');
    }
    return texts;
}

} // namespace

TEST_F(MenuDialogs, ImageDialogChoosesFilesShowsThumbnailsAndGivesThemToThisButton) {
    item(1).m_strImageNormal = "/old/normal.gif";
    item(1).m_strWebPathImageNormal = "img/normal.gif";
    const std::string png = WriteImage("over.png", 120, 40);
    ExpectUi ui;
    ui.Expect(UiAnswer::OpenFile(png).WithText(kImageFilter));
    OnNextModal<CDlgMediaFiles>([&](CDlgMediaFiles& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Image");
        EXPECT_EQ(LabelTexts(dlg), (QStringList{"Normal:", "Mouse Over:", "Click:"}));
        ASSERT_EQ(dlg.RowCount(), 3);
        EXPECT_EQ(dlg.PathBox(0).text(), "/old/normal.gif");
        EXPECT_TRUE(dlg.OnlyThisButton().isChecked());
        EXPECT_EQ(dlg.AllTheButtons().text(), "All the &buttons");
        // A file that is not there shows no picture.
        EXPECT_TRUE(dlg.Thumbnail(0)->pixmap().isNull());
        QTest::mouseClick(&dlg.BrowseButton(1), Qt::LeftButton);
        EXPECT_EQ(dlg.PathBox(1).text().toStdString(), png);
        const QPixmap thumbnail = dlg.Thumbnail(1)->pixmap();
        EXPECT_EQ(thumbnail.size(), QSize(40, 13)); // 120 x 40, shrunk to fit 40 x 40
        // A pipe typed in (or a folder) is no picture, and the dialog does not wait on it.
        const std::string pipe = scratch.file("pipe.gif");
        ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        Retype(&dlg.PathBox(2), QString::fromStdString(pipe));
        EXPECT_TRUE(dlg.Thumbnail(2)->pixmap().isNull());
        Retype(&dlg.PathBox(2), QString::fromStdString(scratch.path()));
        EXPECT_TRUE(dlg.Thumbnail(2)->pixmap().isNull());
        Retype(&dlg.PathBox(2), "/pics/click.jpg");
        dlg.accept();
    });
    QTest::mouseClick(&page().ImageButton(), Qt::LeftButton);
    EXPECT_EQ(ui.pending(), 0u);
    // The "PNG Images" entry follows the usual one in the chooser's list.
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(
        ui.calls()[0].file.filter,
        "Image Files(*.GIF,*.JPG.*.JPEG) | *.gif;*.jpg;*.jpeg | PNG Images (*.png) | *.png ||");
    EXPECT_EQ(ui.calls()[0].file.initialFile, "");
    EXPECT_EQ(item(1).m_strImageNormal, "/old/normal.gif");
    EXPECT_EQ(item(1).m_strImageOver, png);
    EXPECT_EQ(item(1).m_strImageClick, "/pics/click.jpg");
    EXPECT_EQ(item(1).m_strWebPathImageNormal, "img/normal.gif");
    EXPECT_EQ(item(0).m_strImageOver, "");
}

TEST_F(MenuDialogs, AllTheButtonsGetTheSameImagesAndWebPaths) {
    item(1).m_strWebPathImageClick = "web/click.gif";
    OnNextModal<CDlgMediaFiles>([](CDlgMediaFiles& dlg) {
        Retype(&dlg.PathBox(0), "/pics/a.gif");
        Retype(&dlg.PathBox(1), "/pics/b.gif");
        Retype(&dlg.PathBox(2), "/pics/c.gif");
        QTest::mouseClick(&dlg.AllTheButtons(), Qt::LeftButton);
        dlg.accept();
    });
    QTest::mouseClick(&page().ImageButton(), Qt::LeftButton);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(item(i).m_strImageNormal, "/pics/a.gif") << i;
        EXPECT_EQ(item(i).m_strImageOver, "/pics/b.gif") << i;
        EXPECT_EQ(item(i).m_strImageClick, "/pics/c.gif") << i;
        EXPECT_EQ(item(i).m_strWebPathImageNormal, "") << i;
        EXPECT_EQ(item(i).m_strWebPathImageClick, "web/click.gif") << i;
    }
}

TEST_F(MenuDialogs, AudioDialogHasTwoSoundsAndItsOwnFilter) {
    item(1).m_strAudioClick = "/s/click.au";
    item(1).m_strWebPathAudioClick = "snd/click.au";
    ExpectUi ui;
    ui.Expect(UiAnswer::OpenFile("/s/over.au").WithText("Audio Files(*.au) | *.au"));
    OnNextModal<CDlgMediaFiles>([](CDlgMediaFiles& dlg) {
        EXPECT_EQ(dlg.windowTitle(), "Audio");
        EXPECT_EQ(LabelTexts(dlg), (QStringList{"Mouse Over:", "Click:"}));
        ASSERT_EQ(dlg.RowCount(), 2);
        EXPECT_EQ(dlg.Thumbnail(0), nullptr);
        QTest::mouseClick(&dlg.BrowseButton(0), Qt::LeftButton);
        dlg.accept();
    });
    QTest::mouseClick(&page().AudioButton(), Qt::LeftButton);
    EXPECT_EQ(item(1).m_strAudioOver, "/s/over.au");
    EXPECT_EQ(item(1).m_strAudioClick, "/s/click.au");
    EXPECT_EQ(item(1).m_strWebPathAudioClick, "snd/click.au");
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(MenuDialogs, CancelChangesNothingWhateverWasDoneInTheDialog) {
    ExpectUi ui;
    ui.Expect(UiAnswer::OpenFile("/s/new.au"));
    OnNextModal<CDlgMediaFiles>([](CDlgMediaFiles& dlg) {
        QTest::mouseClick(&dlg.BrowseButton(1), Qt::LeftButton);
        QTest::mouseClick(&dlg.AllTheButtons(), Qt::LeftButton);
        dlg.reject();
    });
    QTest::mouseClick(&page().AudioButton(), Qt::LeftButton);
    OnNextModal<CDlgMediaFiles>([](CDlgMediaFiles& dlg) {
        Retype(&dlg.PathBox(0), "/pics/a.gif");
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    QTest::mouseClick(&page().ImageButton(), Qt::LeftButton);
    // A cancelled file chooser leaves the box as it was.
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetOpenFileName));
    OnNextModal<CDlgMediaFiles>([](CDlgMediaFiles& dlg) {
        Retype(&dlg.PathBox(0), "/keep.gif");
        QTest::mouseClick(&dlg.BrowseButton(0), Qt::LeftButton);
        EXPECT_EQ(dlg.PathBox(0).text(), "/keep.gif");
        dlg.reject();
    });
    QTest::mouseClick(&page().ImageButton(), Qt::LeftButton);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(item(i).m_strAudioClick, "");
        EXPECT_EQ(item(i).m_strImageNormal, "");
    }
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(MenuDialogs, FontDialogShowsTheFontAndChecksTheSizeBeforeItCloses) {
    CFontValues values{1, RGB(10, 20, 30), 14, 1, 3};
    CDlgFont dlg(values);
    EXPECT_EQ(dlg.windowTitle(), "Font");
    EXPECT_EQ(LabelTexts(dlg),
              (QStringList{"Font Name:", "Font Color:", "Font Size:", "Special Effects:"}));
    EXPECT_EQ(dlg.NameList().currentText(), "Helvetica");
    EXPECT_EQ(dlg.ColorButton().Color(), RGB(10, 20, 30));
    EXPECT_TRUE(dlg.StyleButton(1).isChecked());
    EXPECT_EQ(dlg.EffectList().currentText(), "Bulge");
    EXPECT_EQ(dlg.EffectList().count(), 5);
    dlg.show();

    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter a positive integer."));
    Retype(&dlg.SizeBox(), "-3");
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer between 0 and 5000."));
    Retype(&dlg.SizeBox(), "5001");
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());

    ui.Expect(UiAnswer::Color(RGB(255, 0, 0)));
    QTest::mouseClick(&dlg.ColorButton(), Qt::LeftButton);
    Retype(&dlg.SizeBox(), "5000");
    dlg.accept();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.Values(), (CFontValues{1, RGB(255, 0, 0), 5000, 1, 3}));
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(MenuDialogs, DialogsOfferOkCancelAndHelp) {
    CDlgFont font(CFontValues{});
    CDlgMediaFiles images(MediaKind::Images, {});
    for (QDialog* pDialog : {static_cast<QDialog*>(&font), static_cast<QDialog*>(&images)}) {
        auto* pBox = pDialog->findChild<QDialogButtonBox*>();
        ASSERT_NE(pBox, nullptr);
        EXPECT_NE(pBox->button(QDialogButtonBox::Ok), nullptr);
        EXPECT_NE(pBox->button(QDialogButtonBox::Cancel), nullptr);
        EXPECT_NE(pBox->button(QDialogButtonBox::Help), nullptr);
    }
    // Out-of-list values from a file show as the entry the canvas paints them with.
    CDlgFont odd(CFontValues{7, 0, 14, 9, -1});
    EXPECT_EQ(odd.NameList().currentText(), "Courier");
    EXPECT_TRUE(odd.StyleButton(0).isChecked());
    EXPECT_EQ(odd.EffectList().currentText(), "Normal");
}
