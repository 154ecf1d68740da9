#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "DocTestSupport.h"
#include "analysis/Find.h"
#include "document/Document.h"

namespace velmar {
namespace {

using fixtures::PutSlotComment;
using fixtures::PutSlotName;

struct MatchCase {
    const char* what;
    std::string name;
    std::string comment;
    std::string text;
    bool comments;
    MatchField field;
    std::size_t commentPos;
};

class FindMatchTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(FindMatchTest, MatchesNameThenComment) {
    const MatchCase& c = GetParam();
    fixtures::PcgImage image = testing::BlankImage();
    PutSlotName(image, 0, 0, c.name);
    PutSlotComment(image, 0, 0, c.comment);
    Document doc;
    testing::LoadOrDie(doc, image);
    const SlotMatch m = MatchSlot(doc, 0, 0, FindQuery{c.text, c.comments});
    EXPECT_EQ(m.field, c.field);
    if (m.field == MatchField::Comment) {
        EXPECT_EQ(m.commentPos, c.commentPos);
        EXPECT_EQ(m.length, c.text.size());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindMatchTest,
    ::testing::Values(
        MatchCase{"mixed case name", "Pad 1", "", "pad", false, MatchField::Name, 0},
        MatchCase{"upper name", "SYNPAD", "", "pad", false, MatchField::Name, 0},
        MatchCase{"upper text", "pads", "", "PAD", false, MatchField::Name, 0},
        // Only A..Z fold: an a-umlaut does not find an A-umlaut.
        MatchCase{"umlaut case", "\xC4rger", "", "\xE4rger", false, MatchField::None, 0},
        MatchCase{"umlaut exact", "\xC4rger", "", "\xC4R", false, MatchField::Name, 0},
        MatchCase{"comment off", "Song", "play the INTRO twice", "intro", false, MatchField::None,
                  0},
        MatchCase{"comment on", "Song", "play the INTRO twice", "intro", true, MatchField::Comment,
                  9},
        MatchCase{"name first", "Intro", "intro", "intro", true, MatchField::Name, 0},
        MatchCase{"neither", "Song", "words", "xyz", true, MatchField::None, 0}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

class FindListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fixtures::PcgImage image = testing::BlankImage();
        // Matches of "piano" at (0,3), (4,127) by comment, (5,0), (5,9) and (127,127); set list 5
        // has no name and is searched all the same.
        PutSlotName(image, 0, 3, "Piano");
        PutSlotComment(image, 4, 127, "grand piano");
        PutSlotName(image, 4, 127, "Ballad");
        PutSlotName(image, 5, 0, "E-PIANO");
        PutSlotName(image, 5, 9, "piano 2");
        PutSlotName(image, 127, 127, "Piano End");
        testing::LoadOrDie(doc_, image);
    }
    Document doc_;
    const FindQuery names_{"piano", false};
    const FindQuery both_{"piano", true};
};

TEST_F(FindListsTest, AcrossListsForwardAndBackward) {
    struct Case {
        FindQuery query;
        int list, slot;
        bool backward;
        std::optional<SlotAddress> expected;
    };
    const std::vector<Case> cases{
        {both_, 4, 127, false, SlotAddress{4, 127}},
        {both_, 4, 128, false, SlotAddress{5, 0}},  // past the last slot: next list from slot 0
        {names_, 4, 0, false, SlotAddress{5, 0}},   // the comment match needs the flag
        {both_, 5, 1, false, SlotAddress{5, 9}},
        {both_, 5, 10, false, SlotAddress{127, 127}},
        {both_, 5, -1, true, SlotAddress{4, 127}},  // before slot 0: previous list from 127
        {both_, 5, 8, true, SlotAddress{5, 0}},
        {both_, 0, 2, true, std::nullopt},
        {names_, 4, 127, true, SlotAddress{0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.list) + "/" + std::to_string(c.slot));
        EXPECT_EQ(FindAcrossLists(doc_, c.query, c.list, c.slot, c.backward), c.expected);
    }
}

TEST_F(FindListsTest, WrapAroundStartsFromTheOtherEnd) {
    // Find Next from the last match finds nothing, then the wrap starts at 0/0.
    const AcrossStep next{false};
    const SlotAddress from = next.From(127, 127);
    EXPECT_FALSE(FindAcrossLists(doc_, both_, from.list, from.slot, false));
    EXPECT_STREQ(next.Question(), "Search from Beginning?");
    const SlotAddress wrap = next.WrapStart();
    EXPECT_EQ(FindAcrossLists(doc_, both_, wrap.list, wrap.slot, false), (SlotAddress{0, 3}));

    const AcrossStep previous{true};
    const SlotAddress back = previous.From(0, 3);
    EXPECT_FALSE(FindAcrossLists(doc_, both_, back.list, back.slot, true));
    EXPECT_STREQ(previous.Question(), "Search from End?");
    const SlotAddress end = previous.WrapStart();
    EXPECT_EQ(FindAcrossLists(doc_, both_, end.list, end.slot, true), (SlotAddress{127, 127}));

    EXPECT_EQ(NotFoundAcrossLists(both_), "\"piano\" not found!");
}

TEST_F(FindListsTest, AllMatchesInForwardOrder) {
    const std::vector<SlotAddress> all = FindAllAcrossLists(doc_, both_);
    const std::vector<SlotAddress> expected{{0, 3}, {4, 127}, {5, 0}, {5, 9}, {127, 127}};
    EXPECT_EQ(all, expected);
    EXPECT_EQ(FindAllAcrossLists(doc_, names_).size(), 4U);
}

TEST_F(FindListsTest, InTheShownListEveryMatchLowestFirst) {
    const std::vector<FoundSlot> found = FindInSetList(doc_, 5, names_);
    ASSERT_EQ(found.size(), 2U);
    EXPECT_EQ(found[0].slot, 0);
    EXPECT_EQ(found[1].slot, 9);

    const std::vector<FoundSlot> byComment = FindInSetList(doc_, 4, both_);
    ASSERT_EQ(byComment.size(), 1U);
    EXPECT_EQ(byComment[0].match.field, MatchField::Comment);
    EXPECT_EQ(byComment[0].match.commentPos, 6U);  // "grand piano": highlight 6..10
    EXPECT_TRUE(FindInSetList(doc_, 1, both_).empty());
}

TEST(FindNextSelected, StepsThroughTheSelectionWithWrapAround) {
    std::array<bool, 128> selected{};
    selected[0] = selected[5] = selected[127] = true;
    struct Case {
        int focused;
        bool backward;
        std::optional<int> expected;
    };
    const std::vector<Case> cases{
        {5, false, 127},  {127, false, 0},  // wraps round to the lowest, slot 0 included
        {5, true, 0},     {0, true, 127},   // backward wraps to the highest
        {60, false, 127}, {60, true, 5},    // from an unselected focused row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.focused);
        EXPECT_EQ(NextSelectedSlot(selected, c.focused, c.backward), c.expected);
    }
    std::array<bool, 128> one{};
    one[7] = true;
    EXPECT_FALSE(NextSelectedSlot(one, 7, false));
    EXPECT_FALSE(NextSelectedSlot(one, 7, true));
}

TEST(FindState, CancelKeepsTheLastConfirmedSearch) {
    FindState state;
    state.DialogClosed(false, "bass", true, true);  // Cancel before any OK: nothing to search
    EXPECT_FALSE(state.HasQuery());
    EXPECT_TRUE(state.AllLists());

    state.DialogClosed(true, "Pad", true, false);
    ASSERT_TRUE(state.HasQuery());
    EXPECT_EQ(state.Query().text, "Pad");
    EXPECT_TRUE(state.Query().comments);
    EXPECT_FALSE(state.AllLists());

    // Cancel with another text repeats the confirmed search; the set list box still counts.
    state.DialogClosed(false, "Strings", false, true);
    EXPECT_EQ(state.Query().text, "Pad");
    EXPECT_TRUE(state.Query().comments);
    EXPECT_TRUE(state.AllLists());

    // A leading "#" typed by the user is text, not the comment marker.
    state.DialogClosed(true, "#1", false, false);
    EXPECT_EQ(state.Query().text, "#1");
    EXPECT_FALSE(state.Query().comments);

    state.DialogClosed(true, "", true, false);
    EXPECT_FALSE(state.HasQuery());
}

}  // namespace
}  // namespace velmar
