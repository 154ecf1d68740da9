#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DocTestSupport.h"
#include "analysis/Reports.h"
#include "document/Document.h"

namespace velmar {
namespace {

using fixtures::PutSlotComment;
using fixtures::PutSlotName;
using fixtures::PutSound;

constexpr int kList = 9;

// Splits a report at CR LF; every line, the last included, must end with it.
std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "line without CR LF: " << text.substr(start);
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class ReportsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::PcgImage image = testing::BlankImage();
        // Every slot gets a program sound so that the empty slots sort after the named ones.
        for (int s = 0; s < 128; ++s) PutSound(image, kList, s, 1, 6, 127);
        PutSlotName(image, kList, 0, "Zebra");
        PutSound(image, kList, 0, 0, 1, 5);  // CMB INT-B 005
        PutSlotName(image, kList, 1, "alpha");
        PutSound(image, kList, 1, 0, 1, 5);
        PutSlotName(image, kList, 2, "Beta");
        PutSound(image, kList, 2, 0, 1, 5);
        PutSlotComment(image, kList, 2, "Line one\r\nline two\r\n");
        PutSlotName(image, kList, 3, "Organ");
        PutSound(image, kList, 3, 0, 0, 7);                        // CMB INT-A 007
        PutSlotName(image, kList, 4, "A name 25 characters lon");  // 24 bytes kept
        testing::LoadOrDie(doc_, image);
    }
    Document doc_;
};

TEST_F(ReportsTest, BySlotNumber) {
    const std::vector<std::string> lines = SplitCrLf(ListBySlotNumber(doc_, kList));
    ASSERT_EQ(lines.size(), 128U);
    EXPECT_EQ(lines[0], "000 CMB INT-B 005 Zebra");
    EXPECT_EQ(lines[3], "003 CMB INT-A 007 Organ");
    EXPECT_EQ(lines[127], "127 PRG INT-G 127 ");  // empty slots appear too
}

TEST_F(ReportsTest, WithCommentsOnOneLine) {
    const std::vector<std::string> lines = SplitCrLf(ListWithComments(doc_, kList));
    ASSERT_EQ(lines.size(), 128U);
    EXPECT_EQ(lines[2], "002 CMB INT-B 005 Beta" + std::string(21, ' ') + "Line one line two ");
    EXPECT_EQ(lines[4], "004 PRG INT-G 127 A name 25 characters lon ");
    EXPECT_EQ(lines[5], "005 PRG INT-G 127 " + std::string(25, ' '));
}

TEST_F(ReportsTest, BySoundThenNameThenNumber) {
    const std::vector<std::string> lines = SplitCrLf(ListBySound(doc_, kList));
    ASSERT_EQ(lines.size(), 128U);
    EXPECT_EQ(lines[0], "003 CMB INT-A 007 Organ");
    EXPECT_EQ(lines[1], "001 CMB INT-B 005 alpha");  // case is ignored: alpha, Beta, Zebra
    EXPECT_EQ(lines[2], "002 CMB INT-B 005 Beta");
    EXPECT_EQ(lines[3], "000 CMB INT-B 005 Zebra");
    EXPECT_EQ(lines[4], "005 PRG INT-G 127 ");  // equal keys but for the number: by number
    EXPECT_EQ(lines[5], "006 PRG INT-G 127 ");
    EXPECT_EQ(lines[127], "004 PRG INT-G 127 A name 25 characters lon");
}

TEST_F(ReportsTest, BySoundUsesTheGivenCollation) {
    // A collation that puts everything in reverse byte order.
    const auto reversed = [](const std::string& a, const std::string& b) { return b < a; };
    const std::vector<std::string> lines = SplitCrLf(ListBySound(doc_, kList, reversed));
    ASSERT_EQ(lines.size(), 128U);
    EXPECT_EQ(lines[0], "004 PRG INT-G 127 A name 25 characters lon");
    EXPECT_EQ(lines[127], "003 CMB INT-A 007 Organ");
}

TEST(ReportsText, ThreeDigitsAndFallbackCollation) {
    EXPECT_EQ(ThreeDigits(0), "000");
    EXPECT_EQ(ThreeDigits(127), "127");
    EXPECT_TRUE(AsciiCaseInsensitiveLess("apple", "Banana"));
    EXPECT_FALSE(AsciiCaseInsensitiveLess("Banana", "apple"));
    EXPECT_NE(AsciiCaseInsensitiveLess("abc", "ABC"), AsciiCaseInsensitiveLess("ABC", "abc"));
}

}  // namespace
}  // namespace velmar
