// Support Files: the rows a widget's resources give, and their copying with the message
// that names what could not be copied.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scriptedui.h"
#include "tests/workbench/core/scriptedwidget.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/supportfiles.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

TEST(SupportFiles, ARowRepeatingAnEarlierOneInAllThreeTextsIsListedOnce) {
    CWorkbenchStringsScope strings;
    CScriptedWidgetScope scripted;
    scripted.script.resources = {{"a.gif", "/src/", "images/"},
                                 {"b.wav", "/src/", ""},
                                 {"a.gif", "/src/", "images/"},
                                 {"a.gif", "/src/", "other/"},
                                 {"a.gif", "/elsewhere/", "images/"}};
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID(kScriptedProgID));
    EXPECT_EQ(ListSupportFiles(widget),
              (std::vector<CSupportFile>{{"a.gif", "/src/", "images/"},
                                         {"b.wav", "/src/", ""},
                                         {"a.gif", "/src/", "other/"},
                                         {"a.gif", "/elsewhere/", "images/"}}));
}

TEST(SupportFiles, CopyReplacesTargetsAndTheMessageNamesTheFilesThatFailed) {
    CWorkbenchStringsScope strings;
    TempDir source;
    TempDir target;
    WriteFileBytes(source.file("a.gif"), "GIF");
    WriteFileBytes(target.file("a.gif"), "OLD");
    std::filesystem::create_directory(source.file("dir.wav")); // not a file: cannot be copied
    const std::vector<CSupportFile> files = {{"a.gif", source.path() + "/", "images/"},
                                             {"dir.wav", source.path() + "/", ""},
                                             {"gone.class", source.path() + "/", ""}};
    const std::vector<std::string> failed = CopySupportFiles(files, target.path());
    EXPECT_EQ(ReadFileBytes(target.file("a.gif")), "GIF");
    EXPECT_EQ(failed, (std::vector<std::string>{"dir.wav", "gone.class"}));
    EXPECT_EQ(SupportFilesCopiedMessage("/t", failed),
              "Copy support files to /t success!\nThese files could not be copied: dir.wav "
              "gone.class");
    EXPECT_EQ(SupportFilesCopiedMessage("/t", {}), "Copy support files to /t success!");
}
