#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "DocTestSupport.h"
#include "analysis/PrintPlan.h"
#include "document/Document.h"

namespace velmar {
namespace {

using P = PrintPlacement;

struct Slot {
    int index;
    std::string name;
    std::string comment;
    bool selected = true;
};

struct PlanCase {
    const char* what;
    std::vector<Slot> slots;
    bool merge;
    std::vector<PrintEntry> expected;
    std::vector<std::vector<int>> pages;
};

bool operator==(const PrintEntry& a, const PrintEntry& b) {
    return a.slot == b.slot && a.placement == b.placement;
}

std::vector<PrintCandidate> Candidates(const std::vector<Slot>& slots) {
    std::vector<PrintCandidate> all(kSlotCount);
    for (const Slot& s : slots) all[s.index] = {s.selected, s.name, s.comment};
    return all;
}

class PrintPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(PrintPlanTest, PlacesEverySlotAndGroupsPages) {
    const PlanCase& c = GetParam();
    const std::vector<PrintCandidate> all = Candidates(c.slots);
    const std::vector<PrintEntry> plan = PlanPrint(all, c.merge);
    ASSERT_EQ(plan.size(), c.expected.size()) << c.what;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].slot, c.expected[i].slot) << c.what << " entry " << i;
        EXPECT_EQ(plan[i].placement, c.expected[i].placement) << c.what << " entry " << i;
    }
    EXPECT_EQ(PageGroups(plan), c.pages) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintPlanTest,
    ::testing::Values(
        PlanCase{"variants merged",
                 {{4, "Song 1", "verse"}, {5, "Song 2", "chorus"}},
                 true,
                 {{4, P::NewPage}, {5, P::Merged}},
                 {{4, 5}}},
        PlanCase{"variants not merged",
                 {{4, "Song 1", "verse"}, {5, "Song 2", "chorus"}},
                 false,
                 {{4, P::NewPage}, {5, P::NewPage}},
                 {{4}, {5}}},
        PlanCase{"identical variant skipped, with or without merging",
                 {{0, "Intro", "same"}, {1, "Intro 2", "same"}},
                 false,
                 {{0, P::NewPage}, {1, P::Skipped}},
                 {{0}}},
        PlanCase{"a skipped slot is the reference of the next",
                 {{0, "Intro", "a"}, {1, "Intro 2", "a"}, {2, "Intro 3", "b"}, {3, "Intro4", "b"}},
                 true,
                 {{0, P::NewPage}, {1, P::Skipped}, {2, P::Merged}, {3, P::Skipped}},
                 {{0, 2}}},
        PlanCase{"blank names and unselected slots are passed over, not references",
                 {{10, "Piano 1", "x"},
                  {11, "   ", "y", true},
                  {12, "", "z", true},
                  {13, "Organ", "o", false},
                  {14, " Piano 12 ", "w"}},
                 true,
                 {{10, P::NewPage}, {14, P::Merged}},
                 {{10, 14}}},
        PlanCase{"different letters are different songs; the first slot never merges",
                 {{0, "Bass A", "x"}, {1, "Bass B", "x"}, {127, "Bass B 2", "y"}},
                 true,
                 {{0, P::NewPage}, {1, P::NewPage}, {127, P::Merged}},
                 {{0}, {1, 127}}},
        PlanCase{"slot 127 alone", {{127, "Last", ""}}, false, {{127, P::NewPage}}, {{127}}},
        PlanCase{"same comment under another name prints",
                 {{0, "Intro", "same"}, {1, "Outro", "same"}},
                 true,
                 {{0, P::NewPage}, {1, P::NewPage}},
                 {{0}, {1}}},
        PlanCase{
            "nothing selected has a name", {{3, " ", "c"}, {4, "Song", "c", false}}, true, {}, {}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(PrintNames, KeyAndTrim) {
    EXPECT_EQ(PrintNameKey(" Piano 12 "), "Piano");
    EXPECT_EQ(PrintNameKey("Piano 1"), PrintNameKey("Piano12"));
    EXPECT_NE(PrintNameKey("Bass A"), PrintNameKey("Bass B"));
    EXPECT_EQ(TrimName("\t Song 1 \r"), "Song 1");
    EXPECT_EQ(TrimName("   "), "");
}

TEST(PrintNames, PdfFileNames) {
    EXPECT_EQ(PdfFileNameForTitle("005 AC/DC: Back?"), "005 AC_DC_ Back_.pdf");
    EXPECT_EQ(PdfFileNameForTitle("007 Intro. "), "007 Intro.pdf");
    EXPECT_EQ(PdfFileNameForTitle("012 \"Big\" <Band> | *x*\\y"), "012 _Big_ _Band_ _ _x__y.pdf");
    EXPECT_EQ(PdfFileNameForTitle("013 Gr\xC3\xBC\xC3\x9F"
                                  "e"),
              "013 Gr\xC3\xBC\xC3\x9F"
              "e.pdf");
    EXPECT_EQ(PdfFileNameForTitle("..."), "_.pdf");
}

TEST(PrintGeometry, LineAdvanceIsFontHeightPlusGap) {
    EXPECT_EQ(LineAdvance(30, 300), 125 + kLineGap);
    EXPECT_EQ(LineAdvance(10, 300), 42 + kLineGap);  // 41.67 device units
    EXPECT_EQ(LineAdvance(48, 600), 400 + kLineGap);
}

TEST(PrintCandidatesFromDocument, ReadsSelectedSlotsOnly) {
    fixtures::PcgImage image = testing::BlankImage();
    fixtures::PutSlotName(image, 2, 0, "Song 1");
    fixtures::PutSlotComment(image, 2, 0, "verse\r\nchorus");
    fixtures::PutSlotName(image, 2, 127, "Song 2");
    fixtures::PutSlotName(image, 2, 5, "Unselected");
    Document doc;
    testing::LoadOrDie(doc, image);
    std::array<bool, kSlotCount> selected{};
    selected[0] = selected[127] = true;
    const std::vector<PrintCandidate> c = PrintCandidates(doc, 2, selected);
    ASSERT_EQ(c.size(), static_cast<std::size_t>(kSlotCount));
    EXPECT_TRUE(c[0].selected);
    EXPECT_EQ(c[0].name, "Song 1");
    EXPECT_EQ(c[0].comment, "verse\r\nchorus");
    EXPECT_EQ(c[127].name, "Song 2");
    EXPECT_FALSE(c[5].selected);
    EXPECT_EQ(c[5].name, "");
    const std::vector<PrintEntry> plan = PlanPrint(c, true);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[1].slot, 127);
    EXPECT_EQ(plan[1].placement, P::Merged);
}

}  // namespace
}  // namespace velmar
