// The drag decisions of the two views and the moves a drop makes in the document.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EditingFixture.h"
#include "document/Document.h"
#include "editing/DragDrop.h"
#include "editing/EditTypes.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

std::vector<std::string> ListNames(const Document& doc) {
    std::vector<std::string> names;
    for (int a = 0; a < kSetListCount; ++a) names.push_back(doc.GetListName(a));
    return names;
}

// The order a move of s to t gives, by moving one element of a plain vector.
template <typename T>
std::vector<T> Moved(std::vector<T> items, int s, int t) {
    const T moving = items[static_cast<std::size_t>(s)];
    items.erase(items.begin() + s);
    items.insert(items.begin() + t, moving);
    return items;
}

struct MoveCase {
    int s;
    int t;
};

class DragMoveTest : public ::testing::TestWithParam<MoveCase> {};

TEST_P(DragMoveTest, SlotEndsAtTargetAndTheOthersMoveTowardsTheSource) {
    const auto [s, t] = GetParam();
    fixtures::PcgImage image = BlankImage();
    NameSlots(image, 6);
    NameSlots(image, 7);
    Document doc;
    Load(doc, image);
    const auto before = SlotNames(doc, 6);

    MoveSlotInList(doc, 6, s, t);

    EXPECT_EQ(SlotNames(doc, 6), Moved(before, s, t));
    EXPECT_EQ(SlotNames(doc, 7), before) << "another set list changed";
    EXPECT_EQ(doc.FileModified(), s != t);
}

TEST_P(DragMoveTest, SetListEndsAtTargetAndTheOthersMoveTowardsTheSource) {
    const auto [s, t] = GetParam();
    fixtures::PcgImage image = BlankImage();
    for (int a = 0; a < kSetListCount; ++a)
        fixtures::PutListName(image, a, "L" + std::to_string(a));
    Document doc;
    Load(doc, image);
    const auto before = ListNames(doc);

    MoveSetList(doc, s, t);

    EXPECT_EQ(ListNames(doc), Moved(before, s, t));
    EXPECT_EQ(doc.FileModified(), s != t);
}

INSTANTIATE_TEST_SUITE_P(Drag, DragMoveTest,
                         ::testing::Values(MoveCase{2, 5}, MoveCase{5, 2}, MoveCase{10, 3},
                                           MoveCase{4, 4}, MoveCase{0, 127}, MoveCase{127, 0}));

struct InsertCase {
    const char* name;
    int t;
    const char* slot127Name;  // of the target set list
    const char* slot127Comment;
    bool clearSource;
    bool refused;
};

class DragInsertTest : public ::testing::TestWithParam<InsertCase> {};

TEST_P(DragInsertTest, InsertsAboveTheTargetOverTheEmptyLastSlot) {
    const InsertCase& c = GetParam();
    constexpr int kFrom = 3;
    constexpr int kSource = 10;
    constexpr int kTo = 8;
    fixtures::PcgImage image = BlankImage();
    NameSlots(image, kFrom);
    NameSlots(image, kTo);
    fixtures::PutSlotName(image, kTo, 127, c.slot127Name);
    fixtures::PutSlotComment(image, kTo, 127, c.slot127Comment);
    fixtures::PutSlotComment(image, kFrom, kSource, "Count in");
    fixtures::PutSound(image, kFrom, kSource, 0, 2, 17);
    Document doc;
    Load(doc, image);
    const auto target = SlotNames(doc, kTo);
    const auto sourceList = SlotNames(doc, kFrom);
    const std::string sound = doc.GetSoundText(kFrom, kSource, false);
    EditState state;
    state.clipboardKind = ClipboardKind::SetList;

    const std::string error =
        InsertDraggedSlot(doc, state, kFrom, kSource, kTo, c.t, c.clearSource);

    if (c.refused) {
        EXPECT_EQ(error, kNoSpaceForInsert);
        EXPECT_EQ(SlotNames(doc, kTo), target);
        EXPECT_EQ(SlotNames(doc, kFrom), sourceList);
        EXPECT_FALSE(doc.FileModified());
        return;
    }
    EXPECT_EQ(error, "");
    std::vector<std::string> expected = target;
    expected.insert(expected.begin() + c.t, "S010");
    expected.pop_back();  // the last slot is gone (or, at row 127, overwritten)
    EXPECT_EQ(SlotNames(doc, kTo), expected);
    EXPECT_EQ(doc.GetSlotComment(kTo, c.t), "Count in");
    EXPECT_EQ(doc.GetSoundText(kTo, c.t, false), sound);
    EXPECT_TRUE(doc.FileModified());
    EXPECT_EQ(state.clipboardKind, ClipboardKind::Slots);
    EXPECT_EQ(doc.GetSlotName(kFrom, kSource), c.clearSource ? "" : "S010");
    EXPECT_EQ(doc.GetSlotComment(kFrom, kSource), c.clearSource ? "" : "Count in");
    EXPECT_EQ(doc.GetSoundText(kFrom, kSource, false), sound) << "the sound stays";
    for (int s = 0; s < kSlotCount; ++s) {
        if (s == kSource) continue;
        EXPECT_EQ(doc.GetSlotName(kFrom, s), sourceList[s]);
    }
    if (c.clearSource) {
        // Name and comment are all zero bytes, not blanks.
        const auto record = doc.Bytes(doc.SlotPos(kFrom, kSource), kSlotRecordSize);
        EXPECT_TRUE(std::all_of(record.begin(), record.begin() + 24,
                                [](std::uint8_t b) { return b == 0; }));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Drag, DragInsertTest,
    ::testing::Values(InsertCase{"copy", 4, "", "", false, false},
                      InsertCase{"move", 4, "", "", true, false},
                      InsertCase{"first row", 0, "", "", false, false},
                      InsertCase{"last slot named", 4, "Encore", "", false, true},
                      InsertCase{"last slot with comment only", 4, "", "x", true, true},
                      InsertCase{"last slot blank name", 126, " ", "", false, true},
                      InsertCase{"row 127 overwrites", 127, "Encore", "note", false, false}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// --- Decisions of the handlers, with a clock the test moves ---

class DragDecisions : public ::testing::Test {
  protected:
    DragDecisions() {
        drag.SetTickSource([this] { return now; });
    }
    DragDrop drag;
    std::int64_t now = 1000;
};

struct ReleaseCase {
    const char* name;
    int dx, dy;
    std::int64_t elapsed;
    bool inside;
    bool markDrawn;
    int target;
    int fromList;  // the current set list is 5
    SlotRelease expected;
};

class DragReleaseTest : public DragDecisions, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(DragReleaseTest, OnlyAFarLongDrawnReleaseInsideIsADrop) {
    const ReleaseCase& c = GetParam();
    drag.SlotPressed(c.fromList);
    ASSERT_TRUE(drag.SlotLeftPressed(2, 100, 200, false, false));
    drag.state.DropTargetSlot = c.target;
    drag.state.DropMarkDrawn = c.markDrawn;
    now += c.elapsed;
    const int x = c.inside ? 50 : 401;
    EXPECT_EQ(drag.SlotReleased(x, 30, 400, 300, 100 + c.dx, 200 + c.dy, 5), c.expected);
    EXPECT_FALSE(drag.state.SlotDragActive);
    EXPECT_FALSE(drag.state.DropMarkDrawn);
    EXPECT_EQ(drag.SlotReleased(x, 30, 400, 300, 100, 200, 5), SlotRelease::NotDragging);
}

INSTANTIATE_TEST_SUITE_P(
    Drag, DragReleaseTest,
    ::testing::Values(
        ReleaseCase{"move", 0, 3, 200, true, true, 5, 5, SlotRelease::MoveWithinList},
        ReleaseCase{"move_left", -3, 0, 900, true, true, 0, 5, SlotRelease::MoveWithinList},
        ReleaseCase{"insert", 40, 0, 900, true, true, 4, 3, SlotRelease::InsertFromList},
        ReleaseCase{"insert_same_row", 40, 0, 900, true, true, 2, 3, SlotRelease::InsertFromList},
        ReleaseCase{"on_itself", 0, 9, 900, true, true, 2, 5, SlotRelease::ShowItem},
        ReleaseCase{"no_target", 0, 9, 900, true, true, -1, 5, SlotRelease::ShowItem},
        ReleaseCase{"quick", 0, 30, 199, true, true, 5, 5, SlotRelease::NoDrop},
        ReleaseCase{"tiny", 2, -2, 900, true, true, 5, 5, SlotRelease::NoDrop},
        ReleaseCase{"outside", 0, 30, 900, false, true, 5, 5, SlotRelease::NoDrop},
        ReleaseCase{"no_line", 0, 30, 900, true, false, 5, 5, SlotRelease::NoDrop}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DragDecisions, ShiftCtrlAndPickModeStartNoSlotDrag) {
    EXPECT_FALSE(drag.SlotLeftPressed(3, 0, 0, true, false));
    EXPECT_FALSE(drag.SlotLeftPressed(3, 0, 0, false, true));
    EXPECT_FALSE(drag.state.SlotDragActive);
    EXPECT_TRUE(drag.SlotLeftPressed(3, 0, 0, false, false));
    EXPECT_TRUE(drag.state.SlotDragActive);
}

TEST_F(DragDecisions, SlotMovesPickTargetScrollOrHandOverToTheSetListView) {
    SlotViewMetrics view{.width = 400,
                         .height = 160,
                         .topIndex = 0,
                         .itemCount = 128,
                         .columnCount = 4,
                         .itemHeight = 13,
                         .scrollBarSize = 17};
    // (160 - 17) / 13 = 11 rows per column step, below 127 / 4 = 31.
    EXPECT_EQ(SlotScrollStep(view), 11);
    drag.SlotPressed(5);
    ASSERT_TRUE(drag.SlotLeftPressed(2, 0, 0, false, false));

    SlotMoveSteps steps = drag.SlotMoved(120, 14, true, false, view);
    EXPECT_EQ(drag.state.DropTargetSlot, 14);
    EXPECT_TRUE(steps.repaintDropLine);
    EXPECT_FALSE(steps.startScrollTimer);

    steps = drag.SlotMoved(401, -1, true, false, view);  // right of the view, more items there
    EXPECT_EQ(drag.state.DropTargetSlot, -1);
    EXPECT_TRUE(steps.startScrollTimer);
    EXPECT_EQ(drag.state.DragScrollDirection, 1);
    view.topIndex = 22;
    EXPECT_EQ(drag.SlotScrollTop(view), 33);

    steps = drag.SlotMoved(500, -1, true, true, view);  // still outside while scrolling
    EXPECT_TRUE(steps.repaintDropLine);
    EXPECT_FALSE(steps.stopScrollTimer || steps.startScrollTimer);

    steps = drag.SlotMoved(-5, -1, true, true, view);  // back left of it: scroll back
    EXPECT_FALSE(steps.stopScrollTimer);
    steps = drag.SlotMoved(10, 22, true, true, view);  // inside again
    EXPECT_TRUE(steps.stopScrollTimer);
    EXPECT_EQ(drag.state.DropTargetSlot, 22);
    steps = drag.SlotMoved(-5, -1, true, false, view);
    EXPECT_TRUE(steps.startScrollTimer);
    EXPECT_EQ(drag.state.DragScrollDirection, -1);

    view.topIndex = 0;
    steps = drag.SlotMoved(400, -1, true, false, view);  // exactly the width: nothing more
    EXPECT_FALSE(steps.startScrollTimer || steps.releaseCapture);
    steps = drag.SlotMoved(-5, -1, true, false, view);  // left, unscrolled, too early
    EXPECT_FALSE(steps.releaseCapture || steps.startScrollTimer);
    now += 401;
    steps = drag.SlotMoved(-5, -1, true, false, view);
    EXPECT_TRUE(steps.releaseCapture);
    EXPECT_TRUE(drag.state.SlotDragActive) << "the slot is now held over the set list view";
    EXPECT_EQ(drag.state.DropListIndex, kNoDropList);

    steps = drag.SlotMoved(30, 3, false, false, view);  // the button is no longer held
    EXPECT_TRUE(steps.releaseCapture);
    EXPECT_FALSE(drag.state.SlotDragActive);
}

TEST_F(DragDecisions, DropLineRepaintsPreviousAndNewTargetAndClearsItOnTheSource) {
    drag.SlotPressed(5);
    ASSERT_TRUE(drag.SlotLeftPressed(2, 0, 0, false, false));
    struct Step {
        int target, previous, repaintedTarget;
    };
    for (const Step& step : {Step{5, 2, 5}, Step{6, 5, 6}, Step{6, 6, -1}, Step{2, 6, -1},
                             Step{2, -1, -1}, Step{-1, 2, -1}, Step{3, -1, 3}}) {
        drag.state.DropTargetSlot = step.target;
        const DropLineRepaint repaint = drag.SlotDropLine(5);
        EXPECT_EQ(repaint.previous, step.previous) << "target " << step.target;
        EXPECT_EQ(repaint.target, step.repaintedTarget) << "target " << step.target;
    }
    // In another set list the source's row is an ordinary target.
    drag.state.DropTargetSlot = 2;
    EXPECT_EQ(drag.SlotDropLine(6).target, 2);
}

TEST_F(DragDecisions, HoldingASlotOverTheSetListViewPicksTheSetListToShow) {
    drag.SlotPressed(5);
    ASSERT_TRUE(drag.SlotLeftPressed(2, 0, 0, false, false));
    ListMoveSteps steps = drag.ListMoved(40, 9, true, false, 300, 0, 128);
    EXPECT_TRUE(steps.startDropSlotAtListTimer);
    EXPECT_FALSE(steps.repaintDropLine);
    EXPECT_EQ(drag.ListToShow(), 9);
    // Back in the slot view before the timer fired: no switch.
    drag.SlotMoved(
        10, 1, true, false,
        SlotViewMetrics{.width = 400, .height = 160, .itemCount = 128, .columnCount = 4});
    EXPECT_EQ(drag.ListToShow(), -1);
    drag.ListMoved(40, -1, true, false, 300, 0, 128);  // below the last set list
    EXPECT_EQ(drag.ListToShow(), -1);
    drag.ListMoved(40, 9, true, false, 300, 0, 128);
    EXPECT_TRUE(drag.ListReleased(0, 0) == false);  // a release there ends the slot drag
    EXPECT_FALSE(drag.state.SlotDragActive);
    EXPECT_EQ(drag.ListToShow(), -1);
}

TEST_F(DragDecisions, SetListDragTargetsScrollsAndDrops) {
    drag.ListLeftPressed(10, 50, 500);
    ListMoveSteps steps = drag.ListMoved(100, 3, true, false, 300, 0, 128);
    EXPECT_EQ(drag.state.DropTargetListRow, 3);
    EXPECT_TRUE(steps.repaintDropLine);
    EXPECT_FALSE(steps.startDropSlotAtListTimer);

    steps = drag.ListMoved(295, 22, true, false, 300, 0, 128);  // bottom scroll zone
    EXPECT_TRUE(steps.startScrollTimer);
    EXPECT_FALSE(steps.repaintDropLine);
    EXPECT_EQ(drag.state.DragScrollDirection, 1);
    steps = drag.ListMoved(294, 22, true, false, 300, 0, 128);  // height - 6: nothing at all
    EXPECT_FALSE(steps.startScrollTimer || steps.repaintDropLine);

    // A step with the pointer off the items makes the new top row the target.
    ListScrollStep step = drag.ListScroll(0, 128, false);
    EXPECT_TRUE(step.scroll);
    EXPECT_EQ(step.newTop, 1);
    EXPECT_FALSE(step.stopTimer);
    EXPECT_EQ(drag.state.DropTargetListRow, 1);
    EXPECT_EQ(drag.state.PrevDropTargetListRow, 3);
    step = drag.ListScroll(0, 128, true);  // over an item: the timer stops
    EXPECT_TRUE(step.stopTimer);
    EXPECT_EQ(drag.state.DropTargetListRow, 1);
    step = drag.ListScroll(127, 128, false);  // beyond the items: nothing
    EXPECT_FALSE(step.scroll);

    drag.state.DropTargetListRow = 3;
    EXPECT_FALSE(drag.ListReleased(52, 502)) << "no line drawn";
    drag.ListLeftPressed(10, 50, 500);
    drag.ListMoved(100, 3, true, false, 300, 0, 128);
    drag.state.DropMarkDrawn = true;
    EXPECT_FALSE(drag.ListReleased(52, 502)) << "less than 3 pixels";
    drag.ListLeftPressed(10, 50, 500);
    drag.ListMoved(100, 3, true, false, 300, 0, 128);
    drag.state.DropMarkDrawn = true;
    EXPECT_TRUE(drag.ListReleased(50, 460));
    EXPECT_FALSE(drag.state.ListDragActive);
}

}  // namespace
