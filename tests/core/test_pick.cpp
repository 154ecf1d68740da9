#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editing/PickList.h"

using namespace velmar;

namespace {

// One step of a pick session and the buttons it leaves.
enum class Step { Pick, Toggle, PasteButton, Reset };

struct StepCase {
    Step step;
    int list = 0;
    int slot = 0;
    PickState state;
    const char* pasteCaption;  // "" while hidden
    int count;
    PickList::PasteButtonAction action = PickList::PasteButtonAction::None;
};

TEST(PickListTest, TransitionsAndCaptions) {
    using A = PickList::PasteButtonAction;
    const std::vector<StepCase> steps = {
        {Step::Pick, 0, 0, PickState::Picking, "Done (0)", 0},
        {Step::Toggle, 1, 3, PickState::Picking, "Done (1)", 1},
        {Step::Toggle, 5, 9, PickState::Picking, "Done (2)", 2},
        {Step::Toggle, 1, 3, PickState::Picking, "Done (1)", 1},  // the same slot again: removed
        {Step::Toggle, 1, 3, PickState::Picking, "Done (2)", 2},  // and appended at the end
        {Step::Pick, 0, 0, PickState::Picking, "Done (2)", 2},    // the hidden button does nothing
        {Step::PasteButton, 0, 0, PickState::ReadyToPaste, "Paste (2)", 2, A::Finished},
        {Step::Toggle, 7, 7, PickState::ReadyToPaste, "Paste (2)", 2},  // no picking now
        {Step::PasteButton, 0, 0, PickState::ReadyToPaste, "Paste (2)", 2, A::Paste},
        {Step::PasteButton, 0, 0, PickState::ReadyToPaste, "Paste (2)", 2, A::Paste},
        {Step::Reset, 0, 0, PickState::Off, "", 0},
        {Step::PasteButton, 0, 0, PickState::Off, "", 0, A::None},
        {Step::Pick, 0, 0, PickState::Picking, "Done (0)", 0},
        {Step::PasteButton, 0, 0, PickState::ReadyToPaste, "Paste (0)", 0, A::Finished},
        {Step::PasteButton, 0, 0, PickState::ReadyToPaste, "Paste (0)", 0, A::Paste},
    };
    PickList pick;
    EXPECT_EQ(pick.State(), PickState::Off);
    EXPECT_TRUE(pick.PickButtonVisible());
    int n = 0;
    for (const StepCase& c : steps) {
        SCOPED_TRACE("step " + std::to_string(n++));
        A action = A::None;
        switch (c.step) {
            case Step::Pick:
                pick.Start();
                break;
            case Step::Toggle:
                pick.Toggle(c.list, c.slot);
                break;
            case Step::PasteButton:
                action = pick.PressPasteButton();
                break;
            case Step::Reset:
                pick.Reset();
                break;
        }
        EXPECT_EQ(action, c.action);
        EXPECT_EQ(pick.State(), c.state);
        EXPECT_EQ(pick.PickMode(), c.state == PickState::Picking);
        EXPECT_EQ(pick.PasteButtonCaption(), c.pasteCaption);
        EXPECT_EQ(pick.Count(), c.count);
        EXPECT_EQ(pick.PickButtonVisible(), c.state == PickState::Off);
        EXPECT_EQ(pick.PasteButtonVisible(), c.state != PickState::Off);
        EXPECT_EQ(pick.ResetButtonVisible(), c.state != PickState::Off);
    }
    EXPECT_EQ(PickList::PickButtonCaption(), "Pick");
}

TEST(PickListTest, KeepsPickOrderAndAnswersIsPicked) {
    PickList pick;
    EXPECT_FALSE(pick.Toggle(1, 1));  // not picking: ignored
    pick.Start();
    EXPECT_TRUE(pick.Toggle(5, 9));
    EXPECT_TRUE(pick.Toggle(1, 3));
    EXPECT_TRUE(pick.Toggle(9, 5));
    EXPECT_FALSE(pick.Toggle(5, 9));
    EXPECT_TRUE(pick.Toggle(5, 9));
    const std::vector<PickEntry> expected = {{1, 3}, {9, 5}, {5, 9}};
    EXPECT_EQ(pick.Entries(), expected);
    EXPECT_TRUE(pick.IsPicked(9, 5));
    EXPECT_FALSE(pick.IsPicked(5, 5));
    pick.Reset();
    EXPECT_FALSE(pick.IsPicked(9, 5));
    pick.Start();
    EXPECT_TRUE(pick.Empty());  // every way back to the Pick button empties the list
}

}  // namespace
