#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "DocTestSupport.h"
#include "analysis/SimilarSlots.h"
#include "document/Document.h"

namespace velmar {
namespace {

using fixtures::PutListName;
using fixtures::PutSlotComment;
using fixtures::PutSlotName;
using fixtures::PutSound;

using States = std::array<int, 3>;  // name, comment, sound

SimilarCriteria Criteria(const std::string& boxes, int threshold = 50) {
    // Letters for the boxes switched on: N same name, n similar name, C same comment,
    // c similar comment, S same sound.
    SimilarCriteria c{false, false, false, false, false, threshold};
    for (char b : boxes) {
        if (b == 'N') c.sameName = true;
        if (b == 'n') c.similarName = true;
        if (b == 'C') c.sameComment = true;
        if (b == 'c') c.similarComment = true;
        if (b == 'S') c.sameSound = true;
    }
    return c;
}

struct StateCase {
    const char* what;
    std::string curName, curComment;
    std::string name, comment;
    bool otherSound;  // the candidate has another sound than the current slot
    SimilarCriteria criteria;
    std::optional<States> expected;  // nothing: not a hit
};

class SimilarStatesTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(SimilarStatesTest, CriteriaAndMarks) {
    const StateCase& c = GetParam();
    fixtures::PcgImage image = testing::BlankImage();
    PutSlotName(image, 2, 10, c.curName);
    PutSlotComment(image, 2, 10, c.curComment);
    PutSlotName(image, 2, 20, c.name);
    PutSlotComment(image, 2, 20, c.comment);
    if (c.otherSound) PutSound(image, 2, 20, 1, 3, 44);
    Document doc;
    testing::LoadOrDie(doc, image);
    for (CommentMethod method : {CommentMethod::Fast, CommentMethod::FullTable}) {
        const std::vector<SimilarHit> hits = FindSimilarSlots(doc, 2, 10, c.criteria, method);
        if (!c.expected) {
            EXPECT_TRUE(hits.empty());
            continue;
        }
        ASSERT_EQ(hits.size(), 1U);
        EXPECT_EQ(hits[0].slot, 20);
        EXPECT_EQ((States{hits[0].nameState, hits[0].commentState, hits[0].soundState}),
                  *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimilarStatesTest,
    ::testing::Values(
        StateCase{"letters_agree", "Pad 1", "", "PAD-2", "", false, Criteria("Nn"),
                  States{1, 2, 2}},
        StateCase{"no_letters_agree", "001", "", "002", "", true, Criteria("n"), States{1, 2, 0}},
        StateCase{"different_names", "Pad", "", "Bass", "", false, Criteria("Nn"), std::nullopt},
        StateCase{"same_off_similar_on", "Pad", "", "Pad", "", false, Criteria("n"), std::nullopt},
        StateCase{"same_off_found_by_sound", "Pad", "", "Pad", "", false, Criteria("nS"),
                  States{2, 2, 2}},
        StateCase{"other_sound", "Pad", "", "Bass", "", true, Criteria("S"), std::nullopt},
        StateCase{"blanks_removed", "A", "a b c", "B", "abc", true, Criteria("c"), States{0, 1, 0}},
        StateCase{"same_comment", "A", "x y", "B", "x y", true, Criteria("C"), States{0, 2, 0}},
        StateCase{"same_comment_not_similar", "A", "x y", "B", "x y", true, Criteria("c"),
                  std::nullopt},
        StateCase{"case_counts_80", "A", "Hello", "B", "hello", true, Criteria("c", 80),
                  States{0, 1, 0}},
        StateCase{"case_counts_81", "A", "Hello", "B", "hello", true, Criteria("c", 81),
                  std::nullopt},
        StateCase{"threshold_inclusive", "A", "abcd", "B", "abce", true, Criteria("c", 75),
                  States{0, 1, 0}},
        StateCase{"below_threshold", "A", "abcd", "B", "abce", true, Criteria("c", 76),
                  std::nullopt},
        // A hit by name still gets its comment judged against the threshold.
        StateCase{"name_hit_comment_far", "Pad", "abcd", "Pad", "wxyz", true, Criteria("N"),
                  States{2, 0, 0}},
        // An empty current comment admits nobody by comment; the marks still tell.
        StateCase{"empty_current_comment", "Pad", "", "Bass", "", false, Criteria("CcS"),
                  States{0, 2, 2}},
        StateCase{"empty_current_other_text", "Pad", "", "Bass", "x", false, Criteria("CcS"),
                  States{0, 0, 2}},
        StateCase{"empty_current_blank_other", "Pad", "", "Bass", "   ", false, Criteria("CcS"),
                  States{0, 1, 2}},
        // Two comments that are empty once blanks are removed are identical (100).
        StateCase{"both_blank", "A", "  ", "B", "", true, Criteria("c", 90), States{0, 1, 0}},
        StateCase{"no_name_never_a_hit", "Pad", "", "", "", false, Criteria("NnCcS"),
                  std::nullopt}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(SimilarSearch, NothingToSearch) {
    fixtures::PcgImage image = testing::BlankImage();
    PutSlotName(image, 0, 1, "Pad");  // same sound and name as the named current slot below
    PutSlotName(image, 0, 2, "Pad");
    Document doc;
    testing::LoadOrDie(doc, image);
    const SimilarSearch unnamed(doc, 0, 5, Criteria("NnCcS"));  // current slot without a name
    EXPECT_FALSE(unnamed.Active());
    EXPECT_TRUE(unnamed.Done());
    EXPECT_FALSE(unnamed.ShowsSearchingPanel());
    EXPECT_TRUE(FindSimilarSlots(doc, 0, 5, Criteria("NnCcS")).empty());
    EXPECT_TRUE(FindSimilarSlots(doc, 0, 1, Criteria("")).empty());  // no box on
    EXPECT_FALSE(SimilarSearch(doc, 0, 1, Criteria("NS")).ShowsSearchingPanel());
    EXPECT_TRUE(SimilarSearch(doc, 0, 1, Criteria("c")).ShowsSearchingPanel());
}

class SimilarOrderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::PcgImage image = testing::BlankImage();
        for (int a : {0, 4, 5, 6, 127}) PutListName(image, a, "Gig");
        // Current slot (5, 10); set list 3 has no name, so its slot is not searched.
        for (auto [a, s] : std::vector<std::pair<int, int>>{
                 {127, 127}, {6, 0}, {5, 3}, {5, 10}, {5, 100}, {4, 1}, {3, 2}, {0, 7}})
            PutSlotName(image, a, s, "Intro");
        testing::LoadOrDie(doc_, image);
    }
    Document doc_;
};

TEST_F(SimilarOrderTest, CurrentListFirstThenTheOthersInOrder) {
    const std::vector<SimilarHit> hits = FindSimilarSlots(doc_, 5, 10, Criteria("N"));
    std::vector<std::string> labels;
    for (const SimilarHit& h : hits) labels.push_back(h.label);
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "Slot 003\r\nIntro", "Slot 100\r\nIntro", "List 000 Slot 007\r\nIntro",
                          "List 004 Slot 001\r\nIntro", "List 006 Slot 000\r\nIntro",
                          "List 127 Slot 127\r\nIntro"}));
    ASSERT_EQ(hits.size(), 6U);
    EXPECT_EQ(hits[2].list, 0);
    EXPECT_EQ(hits[2].slot, 7);
}

TEST_F(SimilarOrderTest, StepsGiveTheSameHitsAndCanStopEarly) {
    SimilarSearch search(doc_, 5, 10, Criteria("N"));
    EXPECT_EQ(search.CurrentSearchList(), 5);
    EXPECT_TRUE(search.StepSetList());  // the current set list is done first
    EXPECT_EQ(search.Hits().size(), 2U);
    EXPECT_EQ(search.CurrentSearchList(), 0);
    for (int i = 0; i < 128; ++i) search.Step();
    EXPECT_EQ(search.CurrentSearchList(), 4);  // 1..3 have no name
    EXPECT_EQ(search.Hits().size(), 3U);       // a newer request would drop the search here
    search.RunToEnd();
    EXPECT_TRUE(search.Done());
    EXPECT_EQ(search.CurrentSearchList(), -1);
    EXPECT_EQ(search.Hits().size(), 6U);
    EXPECT_FALSE(search.Step());
}

TEST(SimilarSearch, KeepsEveryHit) {
    fixtures::PcgImage image = testing::BlankImage();
    for (int a = 0; a < 3; ++a) {
        PutListName(image, a, "Gig");
        for (int s = 0; s < 128; ++s) PutSlotName(image, a, s, "Song");
    }
    Document doc;
    testing::LoadOrDie(doc, image);
    EXPECT_EQ(FindSimilarSlots(doc, 1, 0, Criteria("Nn")).size(), 383U);
}

TEST(SimilarLabels, LabelAndRelabel) {
    EXPECT_EQ(HitLabel(3, 5, 12, "Intro"), "List 005 Slot 012\r\nIntro");
    EXPECT_EQ(HitLabel(3, 3, 0, "Pad"), "Slot 000\r\nPad");
    EXPECT_EQ(RelabelHit("List 005 Slot 012\r\nIntro", "Outro"), "List 005 Slot 012\r\nOutro");
    EXPECT_EQ(RelabelHit("Slot 000\r\nPad", ""), "Slot 000\r\n");
}

TEST(SimilarCopy, CopiesTheFieldTurnsTheMarkGreenAndLeavesFileModified) {
    fixtures::PcgImage image = testing::BlankImage();
    PutListName(image, 4, "Tour");
    PutSlotName(image, 1, 2, "Intro");
    PutSlotComment(image, 1, 2, "Count in");
    PutSound(image, 1, 2, 1, 3, 44);
    fixtures::PutColor(image, 1, 2, 5);  // shares the sound's byte: travels with it
    PutSlotName(image, 4, 9, "INTRO 2");
    PutSlotComment(image, 4, 9, "Bars");
    Document doc;
    testing::LoadOrDie(doc, image);
    std::vector<SimilarHit> hits = FindSimilarSlots(doc, 1, 2, Criteria("Nn"));
    ASSERT_EQ(hits.size(), 1U);
    SimilarHit& hit = hits[0];
    EXPECT_EQ((States{hit.nameState, hit.commentState, hit.soundState}), (States{1, 0, 0}));

    EXPECT_FALSE(CopyToHit(doc, 1, 2, hit, 3));  // the label column copies nothing
    EXPECT_EQ(doc.GetSlotName(4, 9), "INTRO 2");

    ASSERT_TRUE(CopyToHit(doc, 1, 2, hit, 0));
    EXPECT_EQ(doc.GetSlotName(4, 9), "Intro");
    EXPECT_EQ(hit.label, "List 004 Slot 009\r\nIntro");
    ASSERT_TRUE(CopyToHit(doc, 1, 2, hit, 1));
    EXPECT_EQ(doc.GetSlotComment(4, 9), "Count in");
    ASSERT_TRUE(CopyToHit(doc, 1, 2, hit, 2));
    EXPECT_EQ(doc.GetSoundText(4, 9, false), "PRG INT-D 044");
    EXPECT_EQ(doc.GetSlotColorIndex(4, 9), 5);
    EXPECT_EQ((States{hit.nameState, hit.commentState, hit.soundState}), (States{2, 2, 2}));
    EXPECT_FALSE(doc.FileModified());
    // The next search sees the copies.
    const std::vector<SimilarHit> again = FindSimilarSlots(doc, 1, 2, Criteria("N"));
    ASSERT_EQ(again.size(), 1U);
    EXPECT_EQ((States{again[0].nameState, again[0].commentState, again[0].soundState}),
              (States{2, 2, 2}));
}

}  // namespace
}  // namespace velmar
