// The fixture generator is the ground truth of many core tests, so its promises are checked
// here with byte scans of their own, without the program's load.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/Layout.h"
#include "tools/fixtures/PcgFixture.h"

namespace velmar::fixtures {
namespace {

struct Tag {
    char kind;  // 'B' for "SBK1", 'D' for "SDB1"
    std::size_t pos;
};

// Every tag from offset 0 up to size - 4, in file order.
std::vector<Tag> ScanTags(const std::vector<std::uint8_t>& b) {
    std::vector<Tag> tags;
    for (std::size_t i = 0; i + 4 <= b.size(); ++i) {
        if (std::memcmp(&b[i], "SBK1", 4) == 0) tags.push_back({'B', i});
        if (std::memcmp(&b[i], "SDB1", 4) == 0) tags.push_back({'D', i});
    }
    return tags;
}

std::string Order(const std::vector<Tag>& tags) {
    std::string order;
    for (const Tag& t : tags) order += t.kind;
    return order;
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t pos) {
    return (std::uint32_t{b[pos]} << 24) | (std::uint32_t{b[pos + 1]} << 16) |
           (std::uint32_t{b[pos + 2]} << 8) | b[pos + 3];
}

std::uint8_t Sum(const std::vector<std::uint8_t>& b, std::size_t from, std::size_t to) {
    unsigned sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += b[i];
    return static_cast<std::uint8_t>(sum);
}

const PcgImage& Demo() {
    static const PcgImage image = GeneratePcg({.seed = 7});
    return image;
}

TEST(PcgFixture, ValidImageHasTheLayoutTheInstrumentWrites) {
    const PcgImage& img = Demo();
    const auto& b = img.bytes;
    ASSERT_TRUE(img.sbkPos && img.sdbPos);
    EXPECT_EQ(0, std::memcmp(b.data(), "KORG\x68\x00", 6));
    EXPECT_EQ(0, std::memcmp(&b[0x10], "PCG1", 4));
    EXPECT_EQ(U32(b, 0x14), b.size() - 0x10 - 12);

    const auto tags = ScanTags(b);
    ASSERT_EQ(Order(tags), "DB");
    EXPECT_EQ(tags[0].pos, *img.sdbPos);
    EXPECT_EQ(tags[1].pos, *img.sbkPos);

    const std::size_t sbk = *img.sbkPos;
    ASSERT_LE(sbk + kSbkSpan, b.size());
    EXPECT_EQ(U32(b, sbk + 4), 12 + 128u * 69416);
    EXPECT_EQ(U32(b, sbk + 12), 128u);
    EXPECT_EQ(U32(b, sbk + 16), 69416u);
    EXPECT_EQ(U32(b, sbk + 20), 0u);
    EXPECT_EQ(b[sbk + 11], Sum(b, sbk + 12, sbk + 24 + 128 * 69416));
    EXPECT_EQ(b[sbk + 11], BankChecksum(b, sbk));

    const std::size_t sdb = *img.sdbPos;
    ASSERT_LE(sdb + kSdbSpan, b.size());
    EXPECT_EQ(U32(b, sdb + 12), 128u);
    EXPECT_EQ(U32(b, sdb + 16), 3612u);
}

TEST(PcgFixture, DirectoryCopiesEqualTheSetListNames) {
    const auto& b = Demo().bytes;
    for (int a = 0; a < kSetListCount; ++a) {
        const std::size_t list = ListPos(Demo(), a);
        const std::size_t dir = DirPos(Demo(), a);
        ASSERT_EQ(0, std::memcmp(&b[list], &b[dir], kNameSize)) << "set list " << a;
        for (int s = 0; s < kSlotCount; ++s)
            ASSERT_EQ(0,
                      std::memcmp(&b[list + SlotOffset(s)], &b[dir + DirSlotOffset(s)], kNameSize))
                << "set list " << a << " slot " << s;
    }
}

// The core tests rely on every kind of value being present somewhere in a generated file.
TEST(PcgFixture, ContentCoversEveryFieldValue) {
    const PcgImage& img = Demo();
    const auto& b = img.bytes;
    std::vector<bool> types(4), colors(16), fonts(8), holds(26), transposeSigns(2);
    int zeroInName = 0, crlf = 0, umlaut = 0, empty = 0, fullComment = 0;
    for (int a = 0; a < kSetListCount; ++a) {
        for (int s = 0; s < kSlotCount; ++s) {
            const std::uint8_t* slot = &b[SlotPos(img, a, s)];
            const std::string name(reinterpret_cast<const char*>(slot), kNameSize);
            const std::string comment(reinterpret_cast<const char*>(slot + kSlotComment),
                                      kCommentSize);
            types[slot[24] & 3] = true;
            colors[(slot[24] >> 2) & 15] = true;
            fonts[(slot[24] >> 6) | ((slot[29] & 0x10) >> 2)] = true;
            if (slot[27] < 26) holds[slot[27]] = true;
            const int t = ((slot[25] & 0xE0) >> 2) | ((slot[29] & 0xE0) >> 5);
            if (t != 0) transposeSigns[t >= 40] = true;
            const auto end = name.find_last_not_of('\0');
            zeroInName += end != std::string::npos && name.find('\0') < end;
            crlf += comment.find("\r\n") != std::string::npos;
            umlaut +=
                (name + comment).find_first_of("\xE4\xF6\xFC\xC4\xD6\xDC\xDF") != std::string::npos;
            empty += name.find_first_not_of('\0') == std::string::npos;
            fullComment += comment.back() != '\0';
        }
    }
    for (const auto* seen : {&types, &colors, &fonts, &holds, &transposeSigns})
        EXPECT_TRUE(std::all_of(seen->begin(), seen->end(), [](bool v) { return v; }));
    EXPECT_GT(zeroInName, 0);
    EXPECT_GT(crlf, 0);
    EXPECT_GT(umlaut, 0);
    EXPECT_GT(empty, 0);
    EXPECT_GT(fullComment, 0);
}

TEST(PcgFixture, SameSeedSameBytesOtherSeedOtherBytes) {
    EXPECT_EQ(GeneratePcg({.seed = 7}).bytes, Demo().bytes);
    EXPECT_NE(GeneratePcg({.seed = 8}).bytes, Demo().bytes);
}

TEST(PcgFixture, RequestedSizeIsExactAndKeepsTheTagsUnique) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{12} << 20, std::size_t{9500001}}) {
        const PcgImage img = GeneratePcg({.seed = 3, .totalSize = size});
        if (size != 0) {
            EXPECT_EQ(img.bytes.size(), size);
        }
        EXPECT_EQ(Order(ScanTags(img.bytes)), "DB") << size;
    }
    const PcgImage noDir = GeneratePcg({.seed = 3, .withDirectory = false});
    EXPECT_EQ(Order(ScanTags(noDir.bytes)), "B");
    EXPECT_FALSE(noDir.sdbPos);
}

struct VariantCase {
    PcgVariant variant;
    const char* order;  // the tags in file order
    std::function<void(const PcgImage&)> defect;
};

TEST(PcgFixture, VariantsCarryTheirDefect) {
    const std::vector<VariantCase> cases{
        {PcgVariant::Valid, "DB", {}},
        {PcgVariant::NoSbk, "D", {}},
        {PcgVariant::SbkTwice, "DBB", {}},
        {PcgVariant::SbkTwiceBeforeSdb, "BBD", {}},
        {PcgVariant::SdbTwice, "DDB", {}},
        {PcgVariant::SbkTruncated, "DB",
         [](const PcgImage& img) { EXPECT_EQ(img.bytes.size(), *img.sbkPos + kSbkSpan - 1); }},
        {PcgVariant::SdbTruncated, "BD",
         [](const PcgImage& img) {
             EXPECT_EQ(img.bytes.size(), *img.sdbPos + kSdbSpan - 1);
             EXPECT_LE(*img.sbkPos + kSbkSpan, img.bytes.size());
         }},
        {PcgVariant::SbkPartialAtEnd, "DB",
         [](const PcgImage& img) {
             EXPECT_EQ(0, std::memcmp(&img.bytes[img.bytes.size() - 3], "SBK", 3));
         }},
        {PcgVariant::SbkWholeAtEnd, "DBB",
         [](const PcgImage& img) { EXPECT_EQ(*img.duplicatePos, img.bytes.size() - 4); }},
        {PcgVariant::SbkAtOffsetZero, "BD",
         [](const PcgImage& img) { EXPECT_EQ(*img.sbkPos, 0u); }},
        {PcgVariant::SdbAtOffsetZero, "DB",
         [](const PcgImage& img) { EXPECT_EQ(*img.sdbPos, 0u); }},
    };
    ASSERT_EQ(cases.size(), AllVariants().size());
    for (const VariantCase& c : cases) {
        SCOPED_TRACE(std::string(VariantName(c.variant)));
        EXPECT_EQ(VariantFromName(VariantName(c.variant)), c.variant);
        const PcgImage img = GeneratePcg({.seed = 11, .variant = c.variant});
        const auto tags = ScanTags(img.bytes);
        ASSERT_EQ(Order(tags), c.order);
        // The reported positions are the first tag of each kind and the second occurrence.
        std::vector<std::size_t> sbk, sdb;
        for (const Tag& t : tags) (t.kind == 'B' ? sbk : sdb).push_back(t.pos);
        EXPECT_EQ(img.sbkPos, sbk.empty() ? std::nullopt : std::optional(sbk[0]));
        EXPECT_EQ(img.sdbPos, sdb.empty() ? std::nullopt : std::optional(sdb[0]));
        if (sbk.size() > 1) {
            EXPECT_EQ(img.duplicatePos, sbk[1]);
        }
        if (sdb.size() > 1) {
            EXPECT_EQ(img.duplicatePos, sdb[1]);
        }
        if (c.defect) c.defect(img);
    }
}

// Each field writer changes exactly its own bits of the shared bytes 24..29.
TEST(PcgFixture, FieldWritersTouchOnlyTheirBits) {
    struct Case {
        const char* field;
        std::function<void(PcgImage&, bool)> put;  // all ones or all zeros
        std::array<std::uint8_t, 6> mask;          // bits of bytes 24..29
    };
    const std::vector<Case> cases{
        {"sound",
         [](PcgImage& i, bool on) { PutSound(i, 5, 9, on ? 3 : 0, on ? 31 : 0, on ? 255 : 0); },
         {0x03, 0x1F, 0xFF, 0, 0, 0}},
        {"transpose",
         [](PcgImage& i, bool on) { PutTranspose(i, 5, 9, on ? 63 : 0); },
         {0, 0xE0, 0, 0, 0, 0xE0}},
        {"hold",
         [](PcgImage& i, bool on) { PutHold(i, 5, 9, on ? 255 : 0); },
         {0, 0, 0, 0xFF, 0, 0}},
        {"volume",
         [](PcgImage& i, bool on) { PutVolume(i, 5, 9, on ? 255 : 0); },
         {0, 0, 0, 0, 0xFF, 0}},
        {"colour",
         [](PcgImage& i, bool on) { PutColor(i, 5, 9, on ? 15 : 0); },
         {0x3C, 0, 0, 0, 0, 0}},
        {"font size",
         [](PcgImage& i, bool on) { PutFontSize(i, 5, 9, on ? 7 : 0); },
         {0xC0, 0, 0, 0, 0, 0x10}},
    };
    PcgImage img = GeneratePcg({.blank = true});
    const std::size_t pos = SlotPos(img, 5, 9) + kSlotSoundType;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        for (const bool on : {true, false}) {
            std::fill_n(img.bytes.begin() + static_cast<std::ptrdiff_t>(pos), 6, on ? 0 : 0xFF);
            c.put(img, on);
            for (std::size_t k = 0; k < 6; ++k)
                EXPECT_EQ(img.bytes[pos + k], on ? c.mask[k] : 0xFF & ~c.mask[k])
                    << "byte " << 24 + k;
        }
    }
    EXPECT_EQ(TransposeRaw(-24), 40);
    EXPECT_EQ(TransposeRaw(-1), 63);
    EXPECT_EQ(TransposeRaw(39), 39);
}

TEST(PcgFixture, TextWritersCutPadMirrorAndKeepTheChecksumFixable) {
    PcgImage img = GeneratePcg({.seed = 5});
    const std::string longName = "Total Eclipse of the Heart (Live)";
    PutSlotName(img, 3, 127, longName);
    PutListName(img, 127, std::string("A\0B", 3));
    PutSlotComment(img, 3, 127, std::string(600, 'x'));
    const auto& b = img.bytes;
    const std::size_t slot = SlotPos(img, 3, 127);
    EXPECT_EQ(0, std::memcmp(&b[slot], longName.data(), kNameSize));
    EXPECT_EQ(0, std::memcmp(&b[DirSlotPos(img, 3, 127)], longName.data(), kNameSize));
    EXPECT_EQ(0, std::memcmp(&b[ListPos(img, 127)], "A\0B\0\0\0", 6));
    EXPECT_EQ(0, std::memcmp(&b[DirPos(img, 127)], "A\0B\0\0\0", 6));
    EXPECT_EQ(std::count(b.begin() + static_cast<std::ptrdiff_t>(slot + kSlotComment),
                         b.begin() + static_cast<std::ptrdiff_t>(slot + kSlotComment + 513), 'x'),
              512);

    EXPECT_NE(b[*img.sbkPos + kChecksumOffset], BankChecksum(b, *img.sbkPos));
    FixChecksum(img);
    EXPECT_EQ(b[*img.sbkPos + kChecksumOffset], BankChecksum(b, *img.sbkPos));

    PutSlotName(img, 4, 0, "Solo", /*mirror=*/false);
    EXPECT_NE(0, std::memcmp(&b[SlotPos(img, 4, 0)], &b[DirSlotPos(img, 4, 0)], kNameSize));

    PcgImage cut = GeneratePcg({.blank = true});
    cut.bytes.resize(SlotPos(cut, 127, 127) + kSlotRecordSize - 1);
    EXPECT_THROW(PutVolume(cut, 127, 127, 1), std::out_of_range);
    EXPECT_NO_THROW(PutVolume(cut, 127, 126, 1));
}

}  // namespace
}  // namespace velmar::fixtures
