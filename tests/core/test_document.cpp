#include <gtest/gtest.h>

#include "DocTestSupport.h"
#include "document/Document.h"

namespace velmar {
namespace {

using fixtures::PcgVariant;
using testing::BlankImage;
using testing::LoadOrDie;
using testing::ScratchDir;

TEST(Load, ErrorTable) {
    ScratchDir dir;
    struct Case {
        PcgVariant variant;
        const char* want;  // "%" stands for the file name; empty: the load succeeds
    } cases[] = {
        {PcgVariant::Valid, ""},
        {PcgVariant::NoSbk, "Error 008: No setlist found in file % !"},
        {PcgVariant::SbkTwice, "Error 006: Cannot open file (Chunk SBK1 not unique!)"},
        {PcgVariant::SbkTwiceBeforeSdb, "Error 006: Cannot open file (Chunk SBK1 not unique!)"},
        {PcgVariant::SdbTwice, "Error 005: Cannot open file (Chunk SDB1 not unique!)"},
        {PcgVariant::SbkTruncated, "Error 003 reading file %(GetList)"},
        {PcgVariant::SdbTruncated, "Error 004 reading file % (GetDir)"},
        {PcgVariant::SbkPartialAtEnd, ""},
        {PcgVariant::SbkWholeAtEnd, "Error 006: Cannot open file (Chunk SBK1 not unique!)"},
        {PcgVariant::SbkAtOffsetZero, "Error 008: No setlist found in file % !"},
        {PcgVariant::SdbAtOffsetZero, ""},
    };
    for (const auto& c : cases) {
        const std::string name = dir.File(std::string(fixtures::VariantName(c.variant)) + ".pcg");
        fixtures::PcgOptions options;
        options.variant = c.variant;
        ASSERT_FALSE(fixtures::WritePcgFile(name, options));
        Document doc;
        const LoadResult r = doc.LoadFile(name);
        std::string want = c.want;
        if (auto at = want.find('%'); at != std::string::npos) want.replace(at, 1, name);
        EXPECT_EQ(r.ok, want.empty()) << fixtures::VariantName(c.variant);
        EXPECT_EQ(r.error, want) << fixtures::VariantName(c.variant);
        EXPECT_EQ(doc.FileLoaded(), want.empty());
        EXPECT_EQ(r.items.size(), want.empty() ? 128u : 0u);
    }
    Document doc;
    const std::string missing = dir.File("missing.pcg");
    EXPECT_EQ(doc.LoadFile(missing).error, "Error 001 opening File <" + missing + "> (FileSize<0)");
}

TEST(Load, ItemsAndPositions) {
    auto image = fixtures::GeneratePcg();
    fixtures::PutListName(image, 7, "Gig A");
    fixtures::PutListName(image, 8, std::string("Gi\0g B", 6));  // a zero byte inside
    fixtures::FixChecksum(image);
    Document doc;
    const LoadResult r = doc.LoadImage(image.bytes, "x.pcg");
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.items.size(), 128u);
    EXPECT_EQ(r.items[7], "007 Gig A");
    EXPECT_EQ(r.items[8], "008 Gig B");
    EXPECT_EQ(r.items[127].substr(0, 4), "127 ");
    EXPECT_EQ(doc.SbkPos(), *image.sbkPos);
    EXPECT_EQ(doc.SdbPos(), *image.sdbPos);
    EXPECT_EQ(doc.StoredChecksum(), doc.ComputeChecksum());  // the generator writes it right
    EXPECT_FALSE(doc.FileModified());
}

TEST(Load, FailureKeepsThePreviousDocument) {
    Document doc;
    auto image = fixtures::GeneratePcg();
    fixtures::PutListName(image, 0, "Kept");
    LoadOrDie(doc, image);
    doc.SetFileModified(true);
    fixtures::PcgOptions bad;
    bad.variant = PcgVariant::SbkTruncated;
    EXPECT_FALSE(doc.LoadImage(fixtures::GeneratePcg(bad).bytes, "bad.pcg").ok);
    EXPECT_TRUE(doc.FileLoaded());
    EXPECT_TRUE(doc.FileModified());
    EXPECT_EQ(doc.GetListName(0), "Kept");
    EXPECT_EQ(doc.LoadedName(), "t.pcg");
}

TEST(Load, LocatorsGuardTheirRange) {
    Document empty;
    EXPECT_THROW((void)empty.GetList(0), std::out_of_range);
    Document doc;
    LoadOrDie(doc, BlankImage(false));
    EXPECT_THROW((void)doc.GetList(128), std::out_of_range);
    EXPECT_THROW((void)doc.GetList(-1), std::out_of_range);
    EXPECT_THROW((void)doc.GetDir(0), std::out_of_range);  // no directory in this file
    EXPECT_FALSE(doc.HasDirectory());
}

TEST(FindChunks, StopsAtTheFirstDuplicateMet) {
    auto image = [](std::initializer_list<std::pair<std::size_t, const char*>> tags, std::size_t size) {
        std::vector<std::uint8_t> bytes(size, 0);
        for (const auto& [at, tag] : tags) std::copy(tag, tag + 4, bytes.begin() + at);
        return bytes;
    };
    const ChunkSearch plain = FindChunks(image({{4, "SDB1"}, {20, "SBK1"}}, 64));
    EXPECT_EQ(plain.error, 0);
    EXPECT_EQ(plain.sdbPos, 4u);
    EXPECT_EQ(plain.sbkPos, 20u);
    EXPECT_EQ(FindChunks(image({{4, "SDB1"}, {20, "SBK1"}, {30, "SDB1"}, {40, "SBK1"}}, 64)).error, 5);
    EXPECT_EQ(FindChunks(image({{4, "SDB1"}, {20, "SBK1"}, {30, "SBK1"}, {40, "SDB1"}}, 64)).error, 6);
    // The search ends at size - 4: a tag that needs one more byte is not found.
    auto cut = image({{20, "SBK1"}}, 64);
    cut.resize(63);
    cut[60] = 'S', cut[61] = 'D', cut[62] = 'B';
    EXPECT_EQ(FindChunks(cut).sdbPos, 0u);
    EXPECT_EQ(FindChunks(image({{0, "SBK1"}}, 8)).sbkPos, 0u);  // offset 0 reads as missing
    EXPECT_EQ(FindChunks(std::vector<std::uint8_t>{'S', 'B'}).error, 0);
}

}  // namespace
}  // namespace velmar
