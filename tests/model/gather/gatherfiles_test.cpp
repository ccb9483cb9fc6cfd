// Gathering the class file and the design's media into one folder, on real files.

#include "model/appletparameters.h"
#include "model/copyresources.h"
#include "model/drawrect.h"
#include "model/filecompare.h"
#include "model/gatherfiles.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using tb::GatherOutcome;
using tb::test::ReadFileBytes;
using tb::test::TempDir;
using tb::test::WriteFileBytes;

namespace {

class RecordingHandler : public ICopyResourcesHandler {
public:
    void CopyResources(const std::vector<std::string*>& references,
                       const std::string& strDestinationFolder) override {
        ++m_nCalls;
        m_references = references;
        m_strFolder = strDestinationFolder;
        for (std::string* p : references)
            m_texts.push_back(*p);
    }
    int m_nCalls = 0;
    std::vector<std::string*> m_references;
    std::vector<std::string> m_texts;
    std::string m_strFolder;
};

struct Folders {
    TempDir root;
    std::string src = root.file("src") + "/";
    std::string other = root.file("other") + "/";
    std::string dest = root.file("dest") + "/";
    std::string component = root.file("component") + "/";
    Folders() {
        for (const std::string& f : {src, other, dest, component})
            std::filesystem::create_directories(f);
    }
};

TEST(FilesEqual, ComparesSizesAndBytes) {
    TempDir dir;
    WriteFileBytes(dir.file("a"), "same bytes");
    WriteFileBytes(dir.file("b"), "same bytes");
    WriteFileBytes(dir.file("c"), "same bytez");
    WriteFileBytes(dir.file("d"), "same");
    WriteFileBytes(dir.file("e1"), "");
    WriteFileBytes(dir.file("e2"), "");
    EXPECT_TRUE(tb::FilesEqual(dir.file("a"), dir.file("b")));
    EXPECT_FALSE(tb::FilesEqual(dir.file("a"), dir.file("c")));
    EXPECT_FALSE(tb::FilesEqual(dir.file("a"), dir.file("d")));
    EXPECT_TRUE(tb::FilesEqual(dir.file("e1"), dir.file("e2")));
    EXPECT_FALSE(tb::FilesEqual(dir.file("a"), dir.file("missing")));
    EXPECT_FALSE(tb::FilesEqual(dir.file("missing"), dir.file("missing")));
    EXPECT_FALSE(tb::FilesEqual(dir.path(), dir.path())); // a folder cannot be mapped
}

TEST(GatherOne, ModeZeroCopiesOnceAndLaterReferencesKeepTheirSource) {
    Folders f;
    WriteFileBytes(f.src + "a.gif", "GIF-A");
    tb::CHandledPaths handled;
    std::string first = f.src + "a.gif";
    std::string second = f.src + "a.gif";
    EXPECT_EQ(GatherOne(first, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Copied);
    EXPECT_EQ(first, f.dest + "a.gif");
    EXPECT_EQ(ReadFileBytes(f.dest + "a.gif"), "GIF-A");
    // Changing the source now shows whether a second copy is made.
    WriteFileBytes(f.src + "a.gif", "GIF-A, edited");
    EXPECT_EQ(GatherOne(second, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Unchanged);
    EXPECT_EQ(second, f.src + "a.gif");
    EXPECT_EQ(ReadFileBytes(f.dest + "a.gif"), "GIF-A");
}

TEST(GatherOne, ModeZeroRedirectsToAnEqualFileWithoutCopying) {
    Folders f;
    WriteFileBytes(f.src + "a.gif", "GIF-A");
    WriteFileBytes(f.dest + "a.gif", "GIF-A");
    std::filesystem::permissions(f.dest + "a.gif", std::filesystem::perms::owner_read);
    tb::CHandledPaths handled;
    std::string ref = f.src + "a.gif";
    EXPECT_EQ(GatherOne(ref, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Redirected);
    EXPECT_EQ(ref, f.dest + "a.gif");
}

TEST(GatherOne, ModeZeroLeavesADifferentFileOfTheSameNameAsAConflict) {
    Folders f;
    WriteFileBytes(f.src + "a.gif", "GIF-A");
    WriteFileBytes(f.dest + "a.gif", "GIF-B");
    tb::CHandledPaths handled;
    std::string ref = f.src + "a.gif";
    EXPECT_EQ(GatherOne(ref, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Conflict);
    EXPECT_EQ(ref, f.src + "a.gif");
    EXPECT_EQ(ReadFileBytes(f.dest + "a.gif"), "GIF-B");
}

TEST(GatherOne, ModeZeroClearsMissingSourcesAndKeepsFilesAlreadyInPlace) {
    Folders f;
    tb::CHandledPaths handled;
    std::string missing = f.src + "gone.gif";
    EXPECT_EQ(GatherOne(missing, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Cleared);
    EXPECT_EQ(missing, "");
    std::string empty;
    EXPECT_EQ(GatherOne(empty, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Unchanged);
    WriteFileBytes(f.dest + "here.gif", "x");
    std::string inPlace = f.dest + "here.gif";
    EXPECT_EQ(GatherOne(inPlace, f.dest, handled, tb::GatherMode::PointAtCopies),
              GatherOutcome::Unchanged);
    EXPECT_EQ(inPlace, f.dest + "here.gif");
}

TEST(GatherOne, OtherModesCopyOverAndKeepTheReference) {
    Folders f;
    WriteFileBytes(f.src + "a.gif", "GIF-A");
    WriteFileBytes(f.dest + "a.gif", "GIF-B");
    tb::CHandledPaths handled;
    std::string ref = f.src + "a.gif";
    EXPECT_EQ(GatherOne(ref, f.dest, handled, tb::GatherMode::CopyOnly), GatherOutcome::Copied);
    EXPECT_EQ(ref, f.src + "a.gif");
    EXPECT_EQ(ReadFileBytes(f.dest + "a.gif"), "GIF-A");
    // A missing source is neither copied nor cleared outside mode 0.
    std::string missing = f.src + "gone.gif";
    EXPECT_EQ(GatherOne(missing, f.dest, handled, tb::GatherMode::CopyOnly),
              GatherOutcome::Unchanged);
    EXPECT_EQ(missing, f.src + "gone.gif");
    // A file gathered onto itself is not truncated.
    std::string inPlace = f.dest + "a.gif";
    GatherOne(inPlace, f.dest, handled, tb::GatherMode::CopyOnly);
    EXPECT_EQ(ReadFileBytes(f.dest + "a.gif"), "GIF-A");
}

// A design whose references go through every path of the gathering.
void BuildDesign(CAppletParameters& applet, const Folders& f) {
    applet.m_strBackImage = f.src + "back.jpg";   // copied
    applet.m_strBackAudio = f.other + "clash.au"; // differs from dest/clash.au
    auto button = std::make_unique<CDrawRect>(CRect{0, 0, 10, 10});
    CMarquelItem& item = *button->menu->m_items[0];
    item.m_strImageNormal = f.src + "n.gif";    // copied
    item.m_strImageOver = f.src + "n.gif";      // same source again
    item.m_strImageClick = f.src + "same.gif";  // equal file in dest
    item.m_strAudioOver = f.src + "missing.au"; // cleared
    item.m_strAudioClick = f.src + "clash.au";  // differs from dest/clash.au
    // The hint item comes after the button's item in the walk.
    button->menu->m_items[0]->m_pSubMenu->m_items[0]->m_strImageNormal = f.other + "n.gif";
    applet.AddButton(std::move(button));
}

// The class file and the sources BuildDesign refers to, with a different clash.au in dest.
void WriteDesignFiles(const Folders& f) {
    WriteFileBytes(f.component + "tlwbtn.class", "CAFEBABE");
    WriteFileBytes(f.src + "back.jpg", "JPG");
    WriteFileBytes(f.src + "n.gif", "N1");
    WriteFileBytes(f.other + "n.gif", "N2");
    WriteFileBytes(f.src + "same.gif", "S");
    WriteFileBytes(f.src + "clash.au", "C1");
    WriteFileBytes(f.other + "clash.au", "C2");
    WriteFileBytes(f.dest + "clash.au", "C0");
}

TEST(GatherFiles, ModeZeroGathersEverythingAndHandsConflictsOverOnce) {
    Folders f;
    WriteDesignFiles(f);
    WriteFileBytes(f.dest + "tlwbtn.class", "old class");
    WriteFileBytes(f.dest + "same.gif", "S");

    CAppletParameters applet;
    BuildDesign(applet, f);
    RecordingHandler handler;
    applet.GatherFiles(f.dest, tb::GatherMode::PointAtCopies, f.component, &handler);

    EXPECT_EQ(ReadFileBytes(f.dest + "tlwbtn.class"), "CAFEBABE");
    EXPECT_EQ(applet.m_strBackImage, f.dest + "back.jpg");
    EXPECT_EQ(ReadFileBytes(f.dest + "back.jpg"), "JPG");
    const CMarquelItem& item = *applet.m_buttons[0]->menu->m_items[0];
    EXPECT_EQ(item.m_strImageNormal, f.dest + "n.gif");
    EXPECT_EQ(item.m_strImageOver, f.src + "n.gif");
    EXPECT_EQ(item.m_strImageClick, f.dest + "same.gif");
    EXPECT_EQ(item.m_strAudioOver, "");
    EXPECT_EQ(ReadFileBytes(f.dest + "n.gif"), "N1");
    EXPECT_EQ(ReadFileBytes(f.dest + "clash.au"), "C0");

    // Background sound, the button's click sound, then the hint's image, in walk order.
    ASSERT_EQ(handler.m_nCalls, 1);
    EXPECT_EQ(handler.m_strFolder, f.dest);
    const CMarquelItem& hint = *item.m_pSubMenu->m_items[0];
    ASSERT_EQ(handler.m_references.size(), 3u);
    EXPECT_EQ(handler.m_references[0], &applet.m_strBackAudio);
    EXPECT_EQ(handler.m_references[1], &item.m_strAudioClick);
    EXPECT_EQ(handler.m_references[2], &hint.m_strImageNormal);
    EXPECT_EQ(handler.m_texts, (std::vector<std::string>{f.other + "clash.au", f.src + "clash.au",
                                                         f.other + "n.gif"}));
}

TEST(GatherFiles, WithoutConflictsOrHandlerNothingIsShown) {
    Folders f;
    WriteFileBytes(f.component + "tlwbtn.class", "CAFEBABE");
    WriteFileBytes(f.other + "clash.au", "C2");
    WriteFileBytes(f.dest + "clash.au", "C0");
    CAppletParameters applet;
    RecordingHandler handler;
    applet.GatherFiles(f.dest, tb::GatherMode::PointAtCopies, f.component, &handler);
    EXPECT_EQ(handler.m_nCalls, 0);
    // A null handler leaves the conflicting reference as it was.
    applet.m_strBackAudio = f.other + "clash.au";
    applet.GatherFiles(f.dest, tb::GatherMode::PointAtCopies, f.component, nullptr);
    EXPECT_EQ(applet.m_strBackAudio, f.other + "clash.au");
}

TEST(GatherFiles, ModeOneCopiesOverEverythingAndKeepsReferences) {
    Folders f;
    WriteDesignFiles(f);
    CAppletParameters applet;
    BuildDesign(applet, f);
    RecordingHandler handler;
    applet.GatherFiles(f.dest.substr(0, f.dest.size() - 1), tb::GatherMode::CopyOnly, f.component,
                       &handler);

    EXPECT_EQ(handler.m_nCalls, 0);
    EXPECT_EQ(ReadFileBytes(f.dest + "tlwbtn.class"), "CAFEBABE");
    EXPECT_EQ(applet.m_strBackImage, f.src + "back.jpg");
    const CMarquelItem& item = *applet.m_buttons[0]->menu->m_items[0];
    EXPECT_EQ(item.m_strImageNormal, f.src + "n.gif");
    EXPECT_EQ(item.m_strAudioOver, f.src + "missing.au");
    // Later references overwrite earlier ones of the same name.
    EXPECT_EQ(ReadFileBytes(f.dest + "n.gif"), "N2");
    EXPECT_EQ(ReadFileBytes(f.dest + "clash.au"), "C1");
    EXPECT_EQ(ReadFileBytes(f.dest + "back.jpg"), "JPG");
}

} // namespace

namespace {

bool IsLink(const std::string& path) {
    return std::filesystem::is_symlink(std::filesystem::symlink_status(path));
}

} // namespace

TEST(GatherFiles, TheScriptPlayerGoesAlongOnlyWhenTheDesignLoadsIt) {
    for (const auto mode : {tb::GatherMode::PointAtCopies, tb::GatherMode::CopyOnly}) {
        Folders f;
        WriteFileBytes(f.component + "tlwbtn.class", "CAFEBABE");
        WriteFileBytes(f.component + "tlwbtn.js", "PLAYER");
        CAppletParameters applet;
        applet.GatherFiles(f.dest, mode, f.component, nullptr);
        EXPECT_FALSE(std::filesystem::exists(f.dest + "tlwbtn.js"));

        // An older copy is replaced, as the class file is.
        WriteFileBytes(f.dest + "tlwbtn.js", "OLD");
        applet.m_bPlayer = 1;
        EXPECT_TRUE(applet.GatherFiles(f.dest, mode, f.component, nullptr).empty());
        EXPECT_EQ(ReadFileBytes(f.dest + "tlwbtn.js"), "PLAYER");
        EXPECT_EQ(ReadFileBytes(f.dest + "tlwbtn.class"), "CAFEBABE");

        // A program folder without the player is no failure: the page just does not play.
        std::filesystem::remove(f.component + "tlwbtn.js");
        EXPECT_TRUE(applet.GatherFiles(f.dest, mode, f.component, nullptr).empty());
    }
}

TEST(GatherCopies, ALinkInTheDestinationIsReplacedNeverFollowed) {
    Folders f;
    WriteFileBytes(f.root.file("secret.txt"), "SECRET");
    WriteFileBytes(f.component + "tlwbtn.class", "CAFEBABE");
    WriteFileBytes(f.src + "a.gif", "GIF-A");
    std::filesystem::create_symlink("../secret.txt", f.dest + "tlwbtn.class");
    std::filesystem::create_symlink("../secret.txt", f.dest + "a.gif");
    CAppletParameters applet;
    applet.m_strBackImage = f.src + "a.gif";
    EXPECT_TRUE(applet.GatherFiles(f.dest, tb::GatherMode::CopyOnly, f.component, nullptr).empty());
    EXPECT_EQ(ReadFileBytes(f.root.file("secret.txt")), "SECRET");
    EXPECT_FALSE(IsLink(f.dest + "tlwbtn.class"));
    EXPECT_EQ(ReadFileBytes(f.dest + "tlwbtn.class"), "CAFEBABE");
    EXPECT_FALSE(IsLink(f.dest + "a.gif"));
    EXPECT_EQ(ReadFileBytes(f.dest + "a.gif"), "GIF-A");
}

TEST(GatherCopies, AFailedCopyLeavesTheOldFileWholeAndSaysWhy) {
    Folders f;
    WriteFileBytes(f.src + "ok.gif", std::string(100000, 'G'));
    WriteFileBytes(f.dest + "ok.gif", "OLD");
    WriteFileBytes(f.src + "in-the-way.gif", "X");
    std::filesystem::create_directory(f.dest + "in-the-way.gif");
    tb::CHandledPaths handled;
    tb::GatherReport report;
    std::string full = f.src + "ok.gif";
    {
        tb::test::FileSizeLimit diskFull(4096);
        EXPECT_EQ(GatherOne(full, f.dest, handled, tb::GatherMode::CopyOnly, &report),
                  GatherOutcome::Failed);
    }
    EXPECT_EQ(ReadFileBytes(f.dest + "ok.gif"), "OLD");
    EXPECT_EQ(tb::test::EntriesIn(f.dest), 2u); // no temporary left behind
    std::string folder = f.src + "in-the-way.gif";
    EXPECT_EQ(GatherOne(folder, f.dest, handled, tb::GatherMode::CopyOnly, &report),
              GatherOutcome::Failed);
    // A new name whose copy fails keeps the reference on its source.
    std::string fresh = f.src + "ok.gif";
    tb::CHandledPaths handledHere;
    {
        tb::test::FileSizeLimit diskFull(4096);
        std::filesystem::remove(f.dest + "ok.gif");
        EXPECT_EQ(GatherOne(fresh, f.dest, handledHere, tb::GatherMode::PointAtCopies, &report),
                  GatherOutcome::Failed);
    }
    EXPECT_EQ(fresh, f.src + "ok.gif");
    EXPECT_FALSE(std::filesystem::exists(f.dest + "ok.gif"));
    // The same failure is reported once.
    EXPECT_EQ(report.failures,
              (std::vector<tb::CopyFailure>{
                  {f.src + "ok.gif", f.dest + "ok.gif", "File too large"},
                  {f.src + "in-the-way.gif", f.dest + "in-the-way.gif", "Is a directory"}}));
}

TEST(GatherCopies, NoCopyTakesTheNameOfTheWidgetFile) {
    Folders f;
    WriteFileBytes(f.component + "tlwbtn.class", "CAFEBABE");
    WriteFileBytes(f.src + "prev.tsq", "IMAGE");
    WriteFileBytes(f.dest + "prev.tsq", "PREVIOUS OUTPUT");
    for (tb::GatherMode mode : {tb::GatherMode::CopyOnly, tb::GatherMode::PointAtCopies}) {
        CAppletParameters applet;
        applet.m_strBackImage = f.src + "prev.tsq";
        applet.m_strBackAudio = f.src + "gone.au"; // a missing source is no failure
        const auto failures = applet.GatherFiles(f.dest, mode, f.component, nullptr, "prev.tsq");
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].strTarget, f.dest + "prev.tsq");
        EXPECT_EQ(failures[0].strWhy, "it has the name of the widget file, which it would replace");
        EXPECT_EQ(applet.m_strBackImage, f.src + "prev.tsq");
        EXPECT_EQ(ReadFileBytes(f.dest + "prev.tsq"), "PREVIOUS OUTPUT");
    }
    // Neither may the class file.
    std::filesystem::remove(f.dest + "tlwbtn.class");
    const auto failures = CAppletParameters().GatherFiles(f.dest, tb::GatherMode::CopyOnly,
                                                          f.component, nullptr, "tlwbtn.class");
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(f.dest + "tlwbtn.class"));
}
