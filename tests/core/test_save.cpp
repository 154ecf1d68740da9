#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

#include "DocTestSupport.h"
#include "document/Save.h"
#include "editing/TextTools.h"

namespace velmar {
namespace {

using testing::LoadOrDie;
using testing::ScratchDir;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A source image whose checksum byte is deliberately wrong, so the test sees it recomputed.
fixtures::PcgImage StaleChecksumImage() {
    auto image = fixtures::GeneratePcg();
    image.bytes[*image.sbkPos + 11] ^= 0x5A;
    return image;
}

std::vector<std::size_t> Differences(const std::vector<std::uint8_t>& a,
                                     const std::vector<std::uint8_t>& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) at.push_back(i);
    return at;
}

TEST(Save, UnchangedFileDiffersOnlyInTheChecksum) {
    ScratchDir dir;
    const auto image = StaleChecksumImage();
    Document doc;
    LoadOrDie(doc, image);
    const std::string out = dir.File("out.pcg");
    ASSERT_TRUE(SaveDocument(doc, out, false).ok);
    const auto saved = ReadAll(out);
    ASSERT_EQ(saved.size(), image.bytes.size());
    EXPECT_EQ(Differences(saved, image.bytes), std::vector<std::size_t>{*image.sbkPos + 11});
    EXPECT_EQ(saved[*image.sbkPos + 11], fixtures::BankChecksum(saved, *image.sbkPos));
}

TEST(Save, NameChangeTouchesNameDirectoryAndChecksum) {
    ScratchDir dir;
    auto image = fixtures::GeneratePcg();
    fixtures::PutSlotName(image, 3, 4, "Intro");
    fixtures::FixChecksum(image);
    Document doc;
    LoadOrDie(doc, image);
    doc.SetSlotName(3, 4, "Intr0");
    doc.SetFileModified(true);
    const std::string out = dir.File("out.pcg");
    ASSERT_TRUE(SaveDocument(doc, out, false).ok);
    EXPECT_FALSE(doc.FileModified());
    std::vector<std::size_t> want{*image.sbkPos + 11, fixtures::SlotPos(image, 3, 4) + 4,
                                  fixtures::DirSlotPos(image, 3, 4) + 4};
    std::sort(want.begin(), want.end());
    EXPECT_EQ(Differences(ReadAll(out), image.bytes), want);
}

TEST(Save, FailedWriteLeavesTargetAndFlag) {
    ScratchDir dir;
    Document doc;
    LoadOrDie(doc, fixtures::GeneratePcg());
    const std::string target = dir.File("live.pcg");
    std::ofstream(target) << "previous contents";
    doc.SetFileModified(true);

    // A writer that stops halfway, like a full disk.
    std::size_t budget = doc.Image().size() / 2;
    const ChunkWriter failing = [&](std::FILE* f, const std::uint8_t* p, std::size_t n) {
        const std::size_t take = std::min(n, budget);
        budget -= take;
        return std::fwrite(p, 1, take, f);
    };
    const SaveResult r = SaveDocument(doc, target, false, failing);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Error 010: Cannot write file!");
    EXPECT_TRUE(doc.FileModified());
    const auto kept = ReadAll(target);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous contents");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(target).parent_path()),
                            std::filesystem::directory_iterator{}),
              1);  // no temporary file left behind

    EXPECT_EQ(SaveDocument(doc, dir.File("no/such/dir.pcg"), false).error,
              "Error 010: Cannot write file!");
}

TEST(Save, AutosaveKeepsTheModifiedFlag) {
    ScratchDir dir;
    Document doc;
    LoadOrDie(doc, fixtures::GeneratePcg());
    doc.SetFileModified(true);
    ASSERT_TRUE(SaveDocument(doc, dir.File("Velmar_Autosave_live.pcg"), true).ok);
    EXPECT_TRUE(doc.FileModified());
    EXPECT_EQ(ExtractNamePart(AutosavePath("D:\\sets\\live.pcg")), "Velmar_Autosave_live.pcg");
    EXPECT_EQ(ExtractNamePart(AutosavePath("/home/me/live.pcg")), "Velmar_Autosave_live.pcg");
}

TEST(Save, RefusesAFileItCouldNotOpenAgain) {
    ScratchDir dir;
    struct Case {
        const char* what;
        std::function<void(Document&)> edit;
        const char* names;
    } cases[] = {
        {"slot name", [](Document& d) { d.SetSlotName(5, 12, "My SBK1 patch"); },
         "the name of slot 012 in set list 005"},
        {"comment", [](Document& d) { d.SetSlotComment(2, 127, "see SDB1 notes", false); },
         "the comment of slot 127 in set list 002"},
        {"set list name", [](Document& d) { d.SetListName(0, "SBK1"); }, "the name of set list 000"},
    };
    for (const auto& c : cases) {
        Document doc;
        LoadOrDie(doc, fixtures::GeneratePcg());
        c.edit(doc);
        doc.SetFileModified(true);
        const std::string out = dir.File("refused.pcg");
        const SaveResult r = SaveDocument(doc, out, false);
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_NE(r.error.find(c.names), std::string::npos) << r.error;
        EXPECT_EQ(FileSizeOf(out), -1) << c.what;
        EXPECT_TRUE(doc.FileModified());
    }
}

TEST(Save, SavedFileLoadsBackToTheSameImage) {
    ScratchDir dir;
    Document doc;
    LoadOrDie(doc, fixtures::GeneratePcg());
    doc.SetSlotComment(0, 0, "Line 1\r\nLine 2 \xE4\xF6\xFC", false);
    const std::string out = dir.File("round.pcg");
    ASSERT_TRUE(SaveDocument(doc, out, false).ok);
    Document again;
    ASSERT_TRUE(again.LoadFile(out).ok);
    EXPECT_TRUE(std::equal(doc.Image().begin(), doc.Image().end(), again.Image().begin(),
                           again.Image().end()));
}

}  // namespace
}  // namespace velmar
