// Move up, move down and sort of the selected slots, through the core's exchanges.

#include "editing/EditingViews.h"
#include "editing/Reorder.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"

namespace velmar {

void TFormMain::ButtonUpClick() {
    const SlotSelection selected = SelectedSlots(*comboSlotNr_);
    if (selected.test(0)) return;
    MemoCommentExit();
    ApplySlotResult(*this, MoveSlotsUp(doc_, currentSetList_, selected));
}

void TFormMain::ButtonDownClick() {
    const SlotSelection selected = SelectedSlots(*comboSlotNr_);
    if (selected.test(kSlotCount - 1)) return;
    MemoCommentExit();
    ApplySlotResult(*this, MoveSlotsDown(doc_, currentSetList_, selected));
}

void TFormMain::MenuSortClick() {
    ButtonSortClick();
}

void TFormMain::ButtonSortClick() {
    if (!HasDocument()) {
        ShowError(QString::fromLatin1(kNoFileLoaded));
        return;
    }
    const SlotSelection selected = SelectedSlots(*comboSlotNr_);
    if (!Confirm(SortQuestion(selected))) return;
    // What was typed into the comment goes to its slot before slots change places.
    MemoCommentExit();
    WaitCursor wait;
    ApplySlotResult(*this, SortSlots(doc_, currentSetList_, currentSlot_, selected));
}

}  // namespace velmar
