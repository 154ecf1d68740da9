#include <gtest/gtest.h>

#include "DocTestSupport.h"

namespace velmar {
namespace {

using testing::BlankImage;
using testing::LoadOrDie;

// Records what the document tells its listener.
struct Recorder : DocumentListener {
    std::vector<std::string> names;
    int comments = 0;
    bool lastUmlaut = false;
    int tabs = 0;
    int colors = 0;
    void SlotNameWritten(int a, int s, const std::string& text) override {
        names.push_back(std::to_string(a) + "/" + std::to_string(s) + ":" + text);
    }
    void SlotCommentWritten(bool umlaut) override {
        ++comments;
        lastUmlaut = umlaut;
    }
    void SlotColorWritten(int, int) override { ++colors; }
    void TabsReplaced() override { ++tabs; }
};

TEST(Records, SoundTexts) {
    struct Case {
        int type, bank, number;
        const char* longForm;
        const char* shortForm;
    } cases[] = {
        {0, 0, 5, "CMB INT-A 005", "CIA005"},
        {0, 6, 0, "CMB INT-G 000", "CIG000"},
        {0, 7, 1, "CMB USR-A 001", "CUA001"},
        {0, 13, 99, "CMB USR-G 099", "CUG099"},
        {0, 14, 3, "CMB  003", "C003"},
        {0, 0x12, 3, "CMB INT-C 003", "CIC003"},  // only bits 0-3 count for combinations
        {1, 24, 127, "PRG USR-AA 127", "PUAA127"},
        {1, 30, 1, "PRG USR-GG 001", "PUGG001"},
        {1, 17, 2, "PRG USR-A 002", "PUA002"},
        {1, 23, 2, "PRG USR-G 002", "PUG002"},
        {1, 14, 0, "PRG ?14? 000", "P?14?000"},
        {1, 16, 0, "PRG ?16? 000", "P?16?000"},
        {1, 31, 0, "PRG ?31? 000", "P?31?000"},
        {2, 5, 12, "SEQ       012", "S012"},
        {3, 0, 7, "???  007", "??? 007"},
    };
    auto image = BlankImage();
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
        fixtures::PutSound(image, 1, i, cases[i].type, cases[i].bank, cases[i].number);
    Document doc;
    LoadOrDie(doc, image);
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        EXPECT_EQ(doc.GetSoundText(1, i, false), cases[i].longForm) << i;
        EXPECT_EQ(doc.GetSoundText(1, i, true), cases[i].shortForm) << i;
    }
    EXPECT_EQ(std::string("SEQ       012").find("012"), 10u);  // SEQ and seven blanks
}

TEST(Records, TransposeHoldVolume) {
    const std::pair<int, const char*> transposes[] = {
        {0, "T 0"}, {1, "T +1"}, {24, "T +24"}, {39, "T +39"}, {40, "T -24"}, {63, "T -1"}};
    const std::pair<int, const char*> holds[] = {
        {0, "H 0s"}, {1, "H 0.5s"}, {11, "H 10s"}, {12, "H 12s"}, {17, "H 25s"},
        {21, "H 60s"}, {22, "H 60s"}, {255, "H 60s"}};
    auto image = BlankImage();
    int s = 0;
    for (const auto& [raw, text] : transposes) fixtures::PutTranspose(image, 2, s++, raw);
    s = 0;
    for (const auto& [code, text] : holds) fixtures::PutHold(image, 3, s++, code);
    fixtures::PutVolume(image, 4, 0, 127);
    fixtures::PutVolume(image, 4, 1, 255);
    Document doc;
    LoadOrDie(doc, image);
    s = 0;
    for (const auto& [raw, text] : transposes) EXPECT_EQ(doc.GetTransposeText(2, s++), text) << raw;
    s = 0;
    for (const auto& [code, text] : holds) EXPECT_EQ(doc.GetHoldText(3, s++), text) << code;
    EXPECT_EQ(doc.GetVolumeText(4, 0), "V 127");
    EXPECT_EQ(doc.GetVolumeText(4, 1), "V 255");
    EXPECT_EQ(doc.GetVolumeText(4, 2), "V 0");
}

TEST(Records, ColourAndFontSizeKeepTheSharedBits) {
    auto image = fixtures::GeneratePcg();  // random bits everywhere
    Document doc;
    LoadOrDie(doc, image);
    Recorder rec;
    doc.SetListener(&rec);
    for (int code = 0; code < 8; ++code) {
        for (int color = 0; color < 16; color += 5) {
            const std::size_t pos = doc.SlotPos(9, code);
            const std::uint8_t b24 = doc.Image()[pos + 24], b25 = doc.Image()[pos + 25];
            const std::uint8_t b29 = doc.Image()[pos + 29];
            doc.SetSlotColor(9, code, color);
            doc.SetSlotFontSize(9, code, code);
            EXPECT_EQ(doc.GetSlotColorIndex(9, code), color);
            EXPECT_EQ(doc.GetSlotColor(9, code), kSlotColors[static_cast<std::size_t>(color)].rgb);
            EXPECT_EQ(doc.GetSlotFontSize(9, code), code);
            EXPECT_EQ(doc.Image()[pos + 24] & 0x03, b24 & 0x03);  // sound type
            EXPECT_EQ(doc.Image()[pos + 25], b25);                // bank, transpose high bits
            EXPECT_EQ(doc.Image()[pos + 29] & 0xEF, b29 & 0xEF);  // transpose low bits, bits 0-3
        }
    }
    EXPECT_EQ(rec.colors, 8 * 4);
    EXPECT_FALSE(doc.FileModified());  // accessors never set it
    EXPECT_STREQ(kSlotColors[14].name, "Silver");
    EXPECT_EQ(kSlotColors[14].rgb, 0x808080u);
}

TEST(Records, CopySoundCopiesTheThreeReferenceBytes) {
    auto image = fixtures::GeneratePcg();
    Document doc;
    LoadOrDie(doc, image);
    const auto from = doc.Bytes(doc.SlotPos(1, 1) + 24, 6);
    const std::vector<std::uint8_t> src(from.begin(), from.end());
    const std::uint8_t target29 = doc.Image()[doc.SlotPos(2, 2) + 29];
    doc.CopySound(1, 1, 2, 2);
    const auto to = doc.Bytes(doc.SlotPos(2, 2) + 24, 6);
    EXPECT_TRUE(std::equal(src.begin(), src.begin() + 3, to.begin()));
    EXPECT_EQ(to[5], target29);  // byte 29 is not part of the reference
}

TEST(Records, NamesAndTheirDirectoryCopy) {
    Document doc;
    LoadOrDie(doc, fixtures::GeneratePcg());
    Recorder rec;
    doc.SetListener(&rec);
    doc.SetSlotName(5, 7, "A name of thirty characters!!");
    EXPECT_EQ(doc.GetSlotName(5, 7), "A name of thirty charact");
    doc.SetSlotName(5, 8, "Abc");
    doc.SetListName(5, "Gig");
    auto same = [&](std::size_t a, std::size_t b) {
        const auto x = doc.Bytes(a, 24), y = doc.Bytes(b, 24);
        return std::equal(x.begin(), x.end(), y.begin());
    };
    EXPECT_TRUE(same(doc.SlotPos(5, 7), doc.GetDir(5) + DirSlotOffset(7)));
    EXPECT_TRUE(same(doc.SlotPos(5, 8), doc.GetDir(5) + DirSlotOffset(8)));
    EXPECT_TRUE(same(doc.GetList(5), doc.GetDir(5)));
    const auto abc = doc.Bytes(doc.SlotPos(5, 8), 24);
    EXPECT_TRUE(std::all_of(abc.begin() + 3, abc.end(), [](auto b) { return b == 0; }));
    ASSERT_EQ(rec.names.size(), 2u);
    EXPECT_EQ(rec.names[1], "5/8:Abc");

    // A zero in the middle reads without it; writing the text back closes the gap.
    auto image = BlankImage();
    fixtures::PutSlotName(image, 0, 0, std::string("AB\0C", 4));
    LoadOrDie(doc, image);
    EXPECT_EQ(doc.GetSlotName(0, 0), "ABC");
    doc.SetSlotName(0, 0, doc.GetSlotName(0, 0));
    EXPECT_EQ(doc.Image()[doc.SlotPos(0, 0) + 2], 'C');
    EXPECT_EQ(doc.Image()[doc.SlotPos(0, 0) + 3], 0);
}

TEST(Records, WithoutDirectoryNothingIsWrittenOutsideTheRecords) {
    auto image = BlankImage(false);
    Document doc;
    LoadOrDie(doc, image);
    doc.SetListName(0, "Set");
    doc.SetSlotName(0, 0, "Slot");
    // Only the two name fields changed: no default directory position was written.
    std::size_t differing = 0;
    for (std::size_t i = 0; i < image.bytes.size(); ++i) differing += image.bytes[i] != doc.Image()[i];
    EXPECT_EQ(differing, 7u);
}

TEST(Records, Comments) {
    Document doc;
    LoadOrDie(doc, BlankImage());
    Recorder rec;
    doc.SetListener(&rec);
    EXPECT_FALSE(doc.SetSlotComment(1, 1, "", true).changed);  // equal: nothing at all
    EXPECT_EQ(rec.comments, 0);

    const CommentWrite tab = doc.SetSlotComment(1, 1, "a\tb", true);
    EXPECT_TRUE(tab.changed && tab.tabsReplaced);
    EXPECT_EQ(doc.GetSlotComment(1, 1), "a b");
    EXPECT_EQ(rec.tabs, 1);
    doc.SetSlotComment(1, 2, "c\td", false);  // the periodic check passes false: no info
    EXPECT_EQ(rec.tabs, 1);

    doc.SetSlotComment(1, 3, "Gr\xFC\xDF" "e", true);
    EXPECT_TRUE(rec.lastUmlaut);
    doc.SetSlotComment(1, 3, "plain", true);
    EXPECT_FALSE(rec.lastUmlaut);
    EXPECT_EQ(rec.comments, 4);

    doc.SetSlotComment(1, 4, std::string(600, 'x'), true);
    EXPECT_EQ(doc.GetSlotComment(1, 4), std::string(512, 'x'));
    EXPECT_EQ(doc.Image()[doc.SlotPos(1, 5)], 0);  // nothing spilled into the next slot
}

}  // namespace
}  // namespace velmar
