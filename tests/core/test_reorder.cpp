#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "EditingFixture.h"
#include "document/Document.h"
#include "editing/Reorder.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

constexpr int kList = 4;

std::vector<std::uint8_t> Area(const Document& doc, std::size_t pos, std::size_t size) {
    const auto bytes = doc.Bytes(pos, size);
    return {bytes.begin(), bytes.end()};
}

// Gives slot s distinct bytes everywhere in its record and its directory record, so a swap
// that forgets any byte is seen.
void Stamp(fixtures::PcgImage& image, int a, int s, std::uint8_t seed) {
    for (std::size_t i = 0; i < kSlotRecordSize; ++i)
        image.bytes[fixtures::SlotPos(image, a, s) + i] = static_cast<std::uint8_t>(seed + i);
    if (image.sdbPos) {
        for (std::size_t i = 0; i < kDirSlotRecordSize; ++i)
            image.bytes[fixtures::DirSlotPos(image, a, s) + i] =
                static_cast<std::uint8_t>(seed * 3 + i);
    }
}

class SwapTest : public ::testing::TestWithParam<bool> {};

TEST_P(SwapTest, SwapSlotExchangesRecordAndDirectoryRecordOnly) {
    fixtures::PcgImage image = BlankImage(GetParam());
    Stamp(image, kList, 3, 11);
    Stamp(image, kList, 7, 99);
    Document doc;
    Load(doc, image);
    const std::vector<std::uint8_t> before(doc.Image().begin(), doc.Image().end());

    SwapSlot(doc, kList, 3, 7);

    EXPECT_TRUE(doc.FileModified());
    std::vector<std::uint8_t> expected = before;
    auto exchange = [&](std::size_t a, std::size_t b, std::size_t size) {
        std::swap_ranges(expected.begin() + a, expected.begin() + a + size, expected.begin() + b);
    };
    exchange(fixtures::SlotPos(image, kList, 3), fixtures::SlotPos(image, kList, 7),
             kSlotRecordSize);
    if (GetParam())
        exchange(fixtures::DirSlotPos(image, kList, 3), fixtures::DirSlotPos(image, kList, 7),
                 kDirSlotRecordSize);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), doc.Image().begin()));

    SwapSlot(doc, kList, 5, 5);  // the same place: no byte moves
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), doc.Image().begin()));
}

TEST_P(SwapTest, SwapListExchangesWholeRecordsAndEntries) {
    fixtures::PcgImage image = BlankImage(GetParam());
    fixtures::PutListName(image, 3, "Gig A");
    fixtures::PutListName(image, 4, "Gig B");
    // The 16 trailing bytes and the 4 carried bytes of the entry travel too.
    image.bytes[fixtures::ListPos(image, 3) + kSetListSize - 1] = 0x5A;
    if (GetParam()) image.bytes[fixtures::DirPos(image, 4) + 25] = 0x77;
    Stamp(image, 3, 127, 40);
    Document doc;
    Load(doc, image);
    const auto list3 = Area(doc, doc.GetList(3), kSetListSize);
    const auto list4 = Area(doc, doc.GetList(4), kSetListSize);

    SwapList(doc, 3, 4);

    EXPECT_TRUE(doc.FileModified());
    EXPECT_EQ(Area(doc, doc.GetList(3), kSetListSize), list4);
    EXPECT_EQ(Area(doc, doc.GetList(4), kSetListSize), list3);
    EXPECT_EQ(doc.GetListName(3), "Gig B");
    if (GetParam()) {
        EXPECT_EQ(doc.Image()[doc.GetDir(3) + 25], 0x77);
        EXPECT_EQ(Area(doc, doc.GetDir(3), kNameSize), Area(doc, doc.GetList(3), kNameSize));
        const auto stamped =
            image.bytes.begin() + static_cast<std::ptrdiff_t>(fixtures::DirSlotPos(image, 3, 127));
        EXPECT_EQ(Area(doc, doc.GetDir(4) + DirSlotOffset(127), kDirSlotRecordSize),
                  std::vector<std::uint8_t>(stamped, stamped + kDirSlotRecordSize));
    }
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutDirectory, SwapTest, ::testing::Bool());

struct MoveCase {
    const char* what;
    bool up;
    std::vector<int> selected;
    std::vector<std::pair<int, int>> placeHolds;  // place -> former slot
    std::vector<int> selectedAfter;
    int shown;  // -1: nothing happens
};

// Test names on the command line show the case, not its bytes.
void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << c.what;
}

class MoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveTest, MovesSelectedSlotsOnePlace) {
    const MoveCase& c = GetParam();
    fixtures::PcgImage image = BlankImage();
    NameSlots(image, kList);
    Document doc;
    Load(doc, image);
    SlotSelection selected;
    for (int s : c.selected) selected.set(s);

    const SlotCommandResult r =
        c.up ? MoveSlotsUp(doc, kList, selected) : MoveSlotsDown(doc, kList, selected);

    EXPECT_TRUE(r.error.empty());
    if (c.shown < 0) {
        EXPECT_FALSE(r.modified);
        EXPECT_FALSE(doc.FileModified());
        EXPECT_EQ(doc.GetSlotName(kList, 0), "S000");
        EXPECT_EQ(doc.GetSlotName(kList, 127), "S127");
        return;
    }
    EXPECT_TRUE(doc.FileModified());
    for (const auto& [place, former] : c.placeHolds) {
        char name[8];
        std::snprintf(name, sizeof name, "S%03d", former);
        EXPECT_EQ(doc.GetSlotName(kList, place), name) << "place " << place;
    }
    SlotSelection expected;
    for (int s : c.selectedAfter) expected.set(s);
    EXPECT_EQ(r.view.selection, expected);
    EXPECT_EQ(r.view.showSlot, c.shown);
    EXPECT_FALSE(r.view.deselectOthers);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MoveTest,
    ::testing::Values(
        MoveCase{"UpBlock", true, {2, 3}, {{1, 2}, {2, 3}, {3, 1}, {0, 0}, {4, 4}}, {1, 2}, 2},
        MoveCase{"UpApart", true, {5, 9}, {{4, 5}, {5, 4}, {8, 9}, {9, 8}}, {4, 8}, 8},
        MoveCase{"UpWithSlot0", true, {0, 5}, {}, {}, -1},
        MoveCase{"DownBlock", false, {2, 3}, {{3, 2}, {4, 3}, {2, 4}, {5, 5}}, {3, 4}, 3},
        MoveCase{"DownToEnd", false, {126}, {{127, 126}, {126, 127}}, {127}, 127},
        MoveCase{"DownWithSlot127", false, {40, 127}, {}, {}, -1},
        MoveCase{"NothingSelected", true, {}, {}, {}, -1}),
    [](const auto& info) { return info.param.what; });

// Sorting: names per place before, the selection, the names per place afterwards.
struct SortCase {
    const char* what;
    std::vector<std::string> names;  // places 0.. (the rest stay unnamed)
    std::vector<int> selected;
    std::vector<std::string> sorted;  // places 0.. afterwards
};

// Test names on the command line show the case, not its bytes.
void PrintTo(const SortCase& c, std::ostream* os) {
    *os << c.what;
}

class SortTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortTest, SortsSelectedPlaces) {
    const SortCase& c = GetParam();
    fixtures::PcgImage image = BlankImage();
    for (std::size_t s = 0; s < c.names.size(); ++s)
        fixtures::PutSlotName(image, kList, static_cast<int>(s), c.names[s]);
    Document doc;
    Load(doc, image);
    SlotSelection selected;
    for (int s : c.selected) selected.set(s);

    const SlotCommandResult r = SortSlots(doc, kList, 0, selected);

    ASSERT_TRUE(r.error.empty());
    for (std::size_t s = 0; s < c.sorted.size(); ++s)
        EXPECT_EQ(doc.GetSlotName(kList, static_cast<int>(s)), c.sorted[s]) << "place " << s;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SortTest,
    ::testing::Values(
        SortCase{"CaseOrderEmptyLast", {"b", "", "C", "a"}, {0, 1, 2, 3}, {"C", "a", "b", ""}},
        SortCase{
            "PrefixFirst", {"Piano 2", "Piano", "Pia"}, {0, 1, 2}, {"Pia", "Piano", "Piano 2"}},
        SortCase{"BlanksAtEndsIgnored",
                 {"  zeta", "alpha  ", " Beta"},
                 {0, 1, 2},
                 {" Beta", "alpha  ", "  zeta"}},
        SortCase{"PlainByteOrder",
                 {"\xE4rger", "zebra", "Zebra"},
                 {0, 1, 2},
                 {"Zebra", "zebra", "\xE4rger"}},
        SortCase{"OnlySelectedPlaces", {"d", "c", "b", "a"}, {0, 2}, {"b", "c", "d", "a"}},
        SortCase{"NothingSelectedSortsAll", {"", "z", "", "m"}, {}, {"m", "z", "", ""}}),
    [](const auto& info) { return info.param.what; });

TEST(SortRulesTest, EqualNamesFollowTheExchangeOrder) {
    fixtures::PcgImage image = BlankImage();
    fixtures::PutSlotName(image, kList, 0, "B");
    fixtures::PutSlotComment(image, kList, 0, "first");
    fixtures::PutSlotName(image, kList, 1, "B");
    fixtures::PutSlotComment(image, kList, 1, "second");
    fixtures::PutSlotName(image, kList, 2, "A");
    Document doc;
    Load(doc, image);

    (void)SortSlots(doc, kList, 0, Slots({0, 1, 2}));

    EXPECT_EQ(doc.GetSlotName(kList, 0), "A");
    EXPECT_EQ(doc.GetSlotComment(kList, 1), "second");
    EXPECT_EQ(doc.GetSlotComment(kList, 2), "first");
    // The directory copies moved with their slots.
    for (int s = 0; s < 3; ++s)
        EXPECT_EQ(Area(doc, doc.GetDir(kList) + DirSlotOffset(s), kNameSize),
                  Area(doc, doc.SlotPos(kList, s), kNameSize));
}

TEST(SortRulesTest, SelectionAndShownSlotAfterwards) {
    struct Case {
        SlotSelection selected;
        SlotSelection after;
        int itemIndex;
        const char* at30;
    };
    SlotSelection all;
    all.set();
    const Case cases[] = {
        {Slots({10, 20, 30}), Slots({10, 20, 30}), 7, "c"},  // the selection stays
        {SlotSelection(), SlotSelection(), 0, ""},  // all sorted: nothing selected, index 0
        {all, SlotSelection(), 0, ""},
        {Slots({10}), SlotSelection(), 0, "a"},  // a single slot: the same
    };
    for (const Case& c : cases) {
        fixtures::PcgImage image = BlankImage();
        fixtures::PutSlotName(image, kList, 10, "c");
        fixtures::PutSlotName(image, kList, 20, "b");
        fixtures::PutSlotName(image, kList, 30, "a");
        Document doc;
        Load(doc, image);
        const SlotCommandResult r = SortSlots(doc, kList, 7, c.selected);
        EXPECT_EQ(r.view.selection, c.after) << c.selected;
        EXPECT_EQ(r.view.itemIndex, c.itemIndex) << c.selected;
        // The details panel is shown again for the current slot, whatever now stands there.
        EXPECT_EQ(r.view.showSlot, 7);
        EXPECT_EQ(doc.GetSlotName(kList, 30), c.at30) << c.selected;
    }
}

TEST(SortRulesTest, QuestionDependsOnSelection) {
    EXPECT_EQ(SortQuestion(SlotSelection()).kind, BoxKind::YesNo);
    EXPECT_EQ(SortQuestion(SlotSelection()).text, "None selected. Sort all entries?");
    EXPECT_EQ(SortQuestion(Slots({4})).kind, BoxKind::OkCancel);
    EXPECT_EQ(SortQuestion(Slots({4, 5})).text, "Sort all selected slots?");
}

TEST(SortRulesTest, SortedListLeavesFileUnmodified) {
    fixtures::PcgImage image = BlankImage();
    NameSlots(image, kList);
    Document doc;
    Load(doc, image);
    const SlotCommandResult r = SortSlots(doc, kList, 0, SlotSelection());
    EXPECT_FALSE(r.modified);
    EXPECT_FALSE(doc.FileModified());
}

TEST(ReorderTest, RefusesWithoutDocument) {
    Document doc;
    EXPECT_EQ(MoveSlotsUp(doc, 0, Slots({3})).error, "No file loaded!");
    EXPECT_EQ(MoveSlotsDown(doc, 0, Slots({3})).error, "No file loaded!");
    EXPECT_EQ(SortSlots(doc, 0, 0, Slots({3})).error, "No file loaded!");
}

}  // namespace
