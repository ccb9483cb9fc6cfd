// The help keys and their pages, and the About box's credits cut into styled lines.

#include <gtest/gtest.h>

#include "workbench/core/creditslines.h"
#include "workbench/core/helptopics.h"

using namespace tb;

TEST(HelpTopics, EachKeyHasItsPageAndOtherKeysHaveNone) {
    const std::pair<unsigned, const char*> kTable[] = {
        {100, "dhelpabout.htm"},      {141, "dsupportfiles.htm"},
        {132, "dinsertintohtml.htm"}, {130, "dnew.htm"},
        {131, "drename.htm"},         {135, "dsaveastemplate.htm"},
        {147, "dinsert.htm"},         {155, "dmanagetemplate.htm"},
        {142, "dviewcode.htm"},       {134, "dbrowser.htm"},
        {57667, "index.htm"},         {32793, "step.htm"},
        {32790, "faq.htm"},           {32783, "workwithvellumo.htm"},
        {101, "mainframe.htm"},       {1028, "insertintohtml.htm"},
    };
    for (const auto& [nKey, page] : kTable)
        EXPECT_EQ(WorkbenchHelpPage(nKey), page) << nKey;
    for (unsigned nKey : {0u, 1u, 99u, 133u, 32791u, 57664u, 1024u})
        EXPECT_TRUE(WorkbenchHelpPage(nKey).empty()) << nKey;
}

TEST(CreditsLines, TheLastCharacterChoosesTheStyleAndIsNotShown) {
    const std::vector<CCreditLine> lines =
        SplitCredits("Title\t|Head\n|Sub\r|logo^|plain|x||end", '|');
    ASSERT_EQ(lines.size(), 8u);
    const std::pair<CCreditLine::Style, const char*> kExpected[] = {
        {CCreditLine::Title, "Title"},    {CCreditLine::Heading, "Head"},
        {CCreditLine::Subheading, "Sub"}, {CCreditLine::Bitmap, "logo"},
        {CCreditLine::Plain, "plain"},    {CCreditLine::Plain, "x"},
        {CCreditLine::Plain, ""},         {CCreditLine::Plain, "end"},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].style, kExpected[i].first) << i;
        EXPECT_EQ(lines[i].text, kExpected[i].second) << i;
    }
    // A style character alone is a line of that style without text; no text at all is one
    // empty line.
    const std::vector<CCreditLine> bare = SplitCredits("\t", '|');
    ASSERT_EQ(bare.size(), 1u);
    EXPECT_EQ(bare[0].style, CCreditLine::Title);
    EXPECT_EQ(bare[0].text, "");
    EXPECT_EQ(SplitCredits("", '|').size(), 1u);
}

TEST(CreditsLines, TheSpeedTableGivesTheStepIntervalsAndTheDefaultOutsideIt) {
    EXPECT_EQ(CreditsStepInterval(0), 70);
    EXPECT_EQ(CreditsStepInterval(1), 40);
    EXPECT_EQ(CreditsStepInterval(2), 5);
    EXPECT_EQ(CreditsStepInterval(3), 40);
    EXPECT_EQ(CreditsStepInterval(-1), 40);
}
