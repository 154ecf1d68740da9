#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "CliRunner.h"
#include "DocTestSupport.h"

namespace velmar {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::ScratchDir;

class CliAnalysisTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::PcgImage image = testing::BlankImage();
        fixtures::PutListName(image, 1, "Gig \xC4rger");  // printed as UTF-8
        fixtures::PutListName(image, 5, "Tour");
        fixtures::PutSlotName(image, 1, 0, "Intro");
        fixtures::PutSlotComment(image, 1, 0, "Count in\r\nthen go");
        fixtures::PutSlotName(image, 1, 4,
                              "\xDC"
                              "ber");
        fixtures::PutSlotName(image, 5, 12, "Intro");
        fixtures::PutSlotComment(image, 5, 12, "Count in then go");
        fixtures::PutSound(image, 5, 12, 1, 1, 0);
        fixtures::PutSlotName(image, 5, 13, "INTRO-2");
        fixtures::FixChecksum(image);
        file_ = dir_.File("set.pcg");
        ASSERT_FALSE(fixtures::WriteBytes(file_, image.bytes));
    }
    ScratchDir dir_;
    std::string file_;
};

TEST_F(CliAnalysisTest, FindPrintsEveryMatchInForwardOrder) {
    const CliRun run = Cli("find " + file_ + " intro", dir_);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "001 000 Intro\n005 012 Intro\n005 013 INTRO-2\n");
    EXPECT_EQ(Cli("find " + file_ + " 'then go'", dir_).out, "");
    EXPECT_EQ(Cli("find " + file_ + " 'then go' --comments", dir_).out,
              "001 000 Intro\n005 012 Intro\n");
    EXPECT_EQ(Cli("find " + file_ +
                      " \xC3\x9C"
                      "b",
                  dir_)
                  .out,
              "001 004 \xC3\x9C"
              "ber\n");
}

TEST_F(CliAnalysisTest, SimilarPrintsStatesAndLabels) {
    const CliRun run =
        Cli("similar " + file_ + " 1 0 --same-name --similar-name --similar-comment", dir_);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "2 1 0 List 005 Slot 012 | Intro\n1 0 2 List 005 Slot 013 | INTRO-2\n");
    EXPECT_EQ(Cli("similar " + file_ + " 1 0 --same-name --threshold 100", dir_).out,
              "2 0 0 List 005 Slot 012 | Intro\n");
    EXPECT_EQ(Cli("similar " + file_ + " 1 0", dir_).out, "");
}

TEST_F(CliAnalysisTest, ReportsKeepCrLf) {
    const CliRun byNumber = Cli("report " + file_ + " 1 by-number", dir_);
    EXPECT_EQ(byNumber.code, 0);
    EXPECT_EQ(byNumber.out.substr(0, 25), "000 CMB INT-A 000 Intro\r\n");
    EXPECT_EQ(byNumber.out.size(),
              25U + 127U * 20U + 5U);  // "NNN CMB INT-A 000 \r\n", Über in UTF-8
    const CliRun comments = Cli("report " + file_ + " 1 comments", dir_);
    EXPECT_EQ(comments.out.substr(0, 61),
              "000 CMB INT-A 000 Intro" + std::string(20, ' ') + "Count in then go\r\n");
    const CliRun compare = Cli("compare " + file_ + " 5 1", dir_);
    EXPECT_EQ(compare.code, 0);
    EXPECT_EQ(compare.out.substr(0, 49),
              "SET LIST COMPARISON 001 Gig \xC3\x84rger / 005 Tour\r\n\r\n");
    EXPECT_EQ(Cli("compare " + file_ + " 2 3", dir_).out, "No differences found!\n");
}

TEST_F(CliAnalysisTest, WrongUsageAndLoadFailure) {
    for (const std::string& args :
         {"report " + file_ + " 1 sideways", "report " + file_ + " 128 by-number",
          "compare " + file_ + " 1 1", "compare " + file_ + " 1", "find " + file_,
          "find " + file_ + " x --names", "similar " + file_ + " 1 0 --threshold 101",
          "similar " + file_ + " 1 0 --threshold", "similar " + file_ + " 1 0 --fuzzy"}) {
        SCOPED_TRACE(args);
        const CliRun run = Cli(args, dir_);
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("usage"), std::string::npos);
        EXPECT_EQ(run.out, "");
    }
    const CliRun missing = Cli("find " + dir_.File("none.pcg") + " x", dir_);
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.empty());
    EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace velmar
