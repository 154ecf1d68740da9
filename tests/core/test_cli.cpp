#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "CliRunner.h"
#include "DocTestSupport.h"
#include "document/Cp1252.h"

namespace velmar {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::ScratchDir;

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        image_ = fixtures::GeneratePcg();
        fixtures::PutListName(image_, 3, "Gig \xC4rger");  // umlaut: printed as UTF-8
        fixtures::PutSlotName(image_, 3, 12, "Intro");
        fixtures::PutSlotComment(image_, 3, 12, "Count \"4\"\r\nthen go");
        fixtures::PutSound(image_, 3, 12, 0, 0, 5);
        fixtures::PutColor(image_, 3, 12, 2);
        fixtures::PutFontSize(image_, 3, 12, 3);
        fixtures::PutTranspose(image_, 3, 12, 2);
        fixtures::PutHold(image_, 3, 12, 1);
        fixtures::PutVolume(image_, 3, 12, 127);
        fixtures::FixChecksum(image_);
        file_ = dir_.File("set.pcg");
        ASSERT_FALSE(fixtures::WriteBytes(file_, image_.bytes));
    }
    ScratchDir dir_;
    fixtures::PcgImage image_;
    std::string file_;
};

TEST_F(CliTest, ListsAndSlots) {
    Document doc;
    ASSERT_TRUE(doc.LoadFile(file_).ok);
    std::string lists, slots;
    for (const auto& item : doc.ListItems()) lists += Cp1252ToUtf8(item) + "\n";
    for (int s = 0; s < 128; ++s) slots += Cp1252ToUtf8(ItemText(s, doc.GetSlotName(3, s))) + "\n";

    const CliRun l = Cli("lists " + file_, dir_);
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.out, lists);
    EXPECT_NE(l.out.find("003 Gig \xC3\x84rger\n"), std::string::npos);
    const CliRun s = Cli("slots " + file_ + " 3", dir_);
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out, slots);
    EXPECT_NE(s.out.find("\n012 Intro\n"), std::string::npos);
}

TEST_F(CliTest, ExportCheckResave) {
    const CliRun e = Cli("export " + file_, dir_);
    ASSERT_EQ(e.code, 0);
    EXPECT_EQ(e.out.rfind("{\"file\": \"" + file_ + "\", \"setLists\": [", 0), 0u);
    EXPECT_NE(e.out.find("{\"index\": 12, \"name\": \"Intro\", \"comment\": \"Count \\\"4\\\"\\r\\nthen go\", "
                         "\"sound\": \"CMB INT-A 005\", \"soundShort\": \"CIA005\", \"transpose\": \"T +2\", "
                         "\"volume\": \"V 127\", \"hold\": \"H 0.5s\", \"colorIndex\": 2, \"colorName\": "
                         "\"Brick\", \"fontSize\": 3}"),
              std::string::npos);
    std::size_t slotsSeen = 0;
    for (std::size_t at = 0; (at = e.out.find("\"soundShort\"", at)) != std::string::npos; ++at) ++slotsSeen;
    EXPECT_EQ(slotsSeen, 128u * 128u);

    const CliRun c = Cli("check " + file_, dir_);
    const int sum = fixtures::BankChecksum(image_.bytes, *image_.sbkPos);
    EXPECT_EQ(c.out, "SBK1 at " + std::to_string(*image_.sbkPos) + "\nSDB1 at " +
                         std::to_string(*image_.sdbPos) + "\nchecksum stored " + std::to_string(sum) +
                         " computed " + std::to_string(sum) + "\n");

    const std::string out = dir_.File("out.pcg");
    const CliRun r = Cli("resave " + file_ + " " + out, dir_);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    Document a, b;
    ASSERT_TRUE(a.LoadFile(file_).ok);
    ASSERT_TRUE(b.LoadFile(out).ok);
    EXPECT_TRUE(std::equal(a.Image().begin(), a.Image().end(), b.Image().begin(), b.Image().end()));
}

TEST_F(CliTest, ErrorsAndUsage) {
    fixtures::PcgOptions options;
    options.variant = fixtures::PcgVariant::NoSbk;
    const std::string bad = dir_.File("x.pcg");
    ASSERT_FALSE(fixtures::WritePcgFile(bad, options));
    const CliRun noSet = Cli("lists " + bad, dir_);
    EXPECT_EQ(noSet.code, 1);
    EXPECT_EQ(noSet.err, "Error 008: No setlist found in file " + bad + " !\n");
    EXPECT_EQ(noSet.out, "");

    const CliRun resave = Cli("resave " + file_ + " " + dir_.File("missing/dir/out.pcg"), dir_);
    EXPECT_EQ(resave.code, 1);
    EXPECT_EQ(resave.err, "Error 010: Cannot write file!\n");

    for (const char* wrong : {"", "lists", "slots " , "frobnicate x", "slots FILE 128", "slots FILE x"}) {
        std::string args = wrong;
        if (auto at = args.find("FILE"); at != std::string::npos) args.replace(at, 4, file_);
        const CliRun u = Cli(args, dir_);
        EXPECT_EQ(u.code, 2) << wrong;
        EXPECT_NE(u.err.find("usage: velmar-cli"), std::string::npos) << wrong;
    }
}

}  // namespace
}  // namespace velmar
