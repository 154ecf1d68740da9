#include <gtest/gtest.h>

#include "document/Cp1252.h"

namespace velmar {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, Table) {
    struct Case {
        unsigned char byte;
        char32_t cp;
    } cases[] = {{0x41, U'A'},     {0x80, 0x20AC}, {0x81, 0x81},   {0x8D, 0x8D},
                 {0x8F, 0x8F},     {0x90, 0x90},   {0x9D, 0x9D},   {0x9F, 0x178},
                 {0xE4, U'\u00E4'}, {0xDF, 0xDF},  {0x96, 0x2013}, {0xA0, 0xA0}};
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252ToUnicode(c.byte), c.cp) << int{c.byte};
        EXPECT_EQ(UnicodeToCp1252(c.cp), c.byte) << int{c.byte};
    }
    EXPECT_EQ(Cp1252ToUtf8("\xE4\x80"), "\xC3\xA4\xE2\x82\xAC");
}

TEST(Cp1252, UnencodableBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x86\x92z"), "a?z");    // arrow
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x8E\xB9"), "?");     // emoji
    EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");               // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");                 // not UTF-8
}

}  // namespace
}  // namespace velmar
