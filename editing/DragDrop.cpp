#include "editing/DragDrop.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "document/Document.h"
#include "editing/EditTypes.h"
#include "editing/Reorder.h"
#include "editing/SlotClipboard.h"

namespace velmar {

namespace {

std::int64_t SteadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool ValidSlot(int s) {
    return s >= 0 && s < kSlotCount;
}

bool ValidList(int a) {
    return a >= 0 && a < kSetListCount;
}

// The drop line moved: the previous line goes, the new one comes. Back on the source item
// there is no line to draw, but the previous one must still go, or it would promise a drop
// that the release will not make.
DropLineRepaint MoveDropLine(int target, int source, int& previous) {
    DropLineRepaint repaint;
    if (target == source) {
        if (previous != target) repaint.previous = previous;
    } else {
        repaint.previous = previous;
        if (target != previous) repaint.target = target;
    }
    previous = target;
    return repaint;
}

}  // namespace

DragDrop::DragDrop() : tick_(SteadyMilliseconds) {}

bool DragDrop::SlotLeftPressed(int item, int screenX, int screenY, bool shiftOrCtrl,
                               bool pickMode) {
    state.MouseDownX = screenX;
    state.MouseDownY = screenY;
    state.MouseDownTick = Tick();
    if (pickMode || shiftOrCtrl) return false;
    state.DragSourceSlot = item;
    // A new drag starts without a line: nothing from an earlier drag may count for it.
    state.DropTargetSlot = item;
    state.PrevDropTargetSlot = item;
    state.DropMarkDrawn = false;
    state.SlotDragActive = true;
    return true;
}

int SlotScrollStep(const SlotViewMetrics& view) {
    if (view.columnCount <= 0 || view.itemHeight <= 0) return 0;
    return std::min((kSlotCount - 1) / view.columnCount,
                    (view.height - view.scrollBarSize) / view.itemHeight);
}

SlotMoveSteps DragDrop::SlotMoved(int x, int itemAtPointer, bool leftHeld, bool scrollTimerRunning,
                                  const SlotViewMetrics& view) {
    SlotMoveSteps steps;
    state.DropListIndex = kNoDropList;  // a pending set list switch is off
    if (!leftHeld) state.SlotDragActive = false;
    if (!state.SlotDragActive) {
        steps.releaseCapture = true;
        return steps;
    }
    if (view.columnCount == 0) return steps;
    if (x >= 0 && x <= view.width && scrollTimerRunning) {
        steps.stopScrollTimer = true;
        scrollTimerRunning = false;
    }
    if (scrollTimerRunning) {  // outside and scrolling: only the line follows
        steps.repaintDropLine = true;
        return steps;
    }
    if (view.topIndex == 0 && x < 0 && Tick() - state.MouseDownTick > kLeaveToListDelay) {
        // From now on the set list view gets the mouse: the slot can be held over a set list.
        steps.releaseCapture = true;
        return steps;
    }
    if (x < 0 || x >= view.width) {
        state.DropTargetSlot = -1;
        if (x > view.width) {
            const int rows = SlotScrollStep(view);
            if (view.topIndex + rows * view.columnCount < view.itemCount) {
                state.DragScrollDirection = 1;
                steps.startScrollTimer = true;
            }
        } else if (x < 0 && view.topIndex > 0) {
            state.DragScrollDirection = -1;
            steps.startScrollTimer = true;
        }
    } else {
        state.DropTargetSlot = itemAtPointer;
    }
    steps.repaintDropLine = true;
    return steps;
}

int DragDrop::SlotScrollTop(const SlotViewMetrics& view) const {
    return view.topIndex + SlotScrollStep(view) * state.DragScrollDirection;
}

bool DragDrop::MovedEnough(int screenX, int screenY) const {
    return std::abs(screenX - state.MouseDownX) >= kDropMinDistance ||
           std::abs(screenY - state.MouseDownY) >= kDropMinDistance;
}

SlotRelease DragDrop::SlotReleased(int x, int y, int viewWidth, int viewHeight, int screenX,
                                   int screenY, int currentSetList) {
    const std::int64_t tick = Tick();
    state.ListDragActive = false;
    if (!state.SlotDragActive) return SlotRelease::NotDragging;
    state.SlotDragActive = false;
    const bool inside = x >= 0 && x <= viewWidth && y >= 0 && y <= viewHeight;
    const bool counts = inside && MovedEnough(screenX, screenY) &&
                        tick - state.MouseDownTick >= kSlotDropMinTime && state.DropMarkDrawn;
    state.DropMarkDrawn = false;
    if (!counts) return SlotRelease::NoDrop;
    const int s = state.DragSourceSlot;
    const int t = state.DropTargetSlot;
    const bool otherList = state.DragFromList >= 0 && state.DragFromList != currentSetList;
    if (s == -1 || t < 0 || (s == t && !otherList)) return SlotRelease::ShowItem;
    return otherList ? SlotRelease::InsertFromList : SlotRelease::MoveWithinList;
}

DropLineRepaint DragDrop::SlotDropLine(int currentSetList) {
    const int source = SourceListShown(currentSetList) ? state.DragSourceSlot : -2;
    return MoveDropLine(state.DropTargetSlot, source, state.PrevDropTargetSlot);
}

void DragDrop::ListLeftPressed(int row, int screenX, int screenY) {
    state.MouseDownX = screenX;
    state.MouseDownY = screenY;
    state.DragSourceListRow = row;
    state.DropTargetListRow = row;
    state.PrevDropTargetListRow = row;
    state.DropMarkDrawn = false;
    state.ListDragActive = true;
}

ListMoveSteps DragDrop::ListMoved(int y, int rowAtPointer, bool leftHeld, bool scrollTimerRunning,
                                  int viewHeight, int topIndex, int itemCount) {
    ListMoveSteps steps;
    if (!leftHeld) state.ListDragActive = false;
    if (!state.ListDragActive && !state.SlotDragActive) {
        steps.releaseCapture = true;
        return steps;
    }
    if (state.SlotDragActive) {
        // A slot held over a set list: the timer counts from the first arrival.
        state.DropListIndex = rowAtPointer;
        steps.startDropSlotAtListTimer = true;
    }
    if (!state.ListDragActive) return steps;
    if (y >= 0 && y <= viewHeight && scrollTimerRunning) {
        steps.stopScrollTimer = true;
        scrollTimerRunning = false;
    }
    if (scrollTimerRunning) return steps;
    if (y >= 0 && y < viewHeight - kListScrollZone) {
        state.DropTargetListRow = rowAtPointer >= 0 ? rowAtPointer : topIndex;
        steps.repaintDropLine = true;
    }
    if (y > viewHeight - kListScrollZone && state.DropTargetListRow < itemCount - 1) {
        state.DragScrollDirection = 1;
        steps.startScrollTimer = true;
    }
    if (y < 0 && topIndex > 0) {
        state.DragScrollDirection = -1;
        steps.startScrollTimer = true;
    }
    return steps;
}

ListScrollStep DragDrop::ListScroll(int topIndex, int itemCount, bool pointerOverItem) {
    ListScrollStep step;
    step.newTop = topIndex + state.DragScrollDirection;
    if (step.newTop < 0 || step.newTop >= itemCount) return step;  // the timer keeps running
    state.PrevDropTargetListRow = state.DropTargetListRow;
    const int target = state.DropTargetListRow;
    if (target != 0 && target != itemCount - 1 && !pointerOverItem)
        state.DropTargetListRow = step.newTop;
    else
        step.stopTimer = true;
    step.scroll = true;
    return step;
}

bool DragDrop::ListReleased(int screenX, int screenY) {
    state.SlotDragActive = false;
    if (!state.ListDragActive) return false;
    state.ListDragActive = false;
    const bool counts = MovedEnough(screenX, screenY) && state.DropMarkDrawn;
    state.DropMarkDrawn = false;
    if (!counts) return false;
    const int s = state.DragSourceListRow;
    const int t = state.DropTargetListRow;
    return s >= 0 && t >= 0 && s != t;
}

DropLineRepaint DragDrop::ListDropLine() {
    return MoveDropLine(state.DropTargetListRow, state.DragSourceListRow,
                        state.PrevDropTargetListRow);
}

int DragDrop::ListToShow() const {
    if (!state.SlotDragActive || state.DropListIndex == kNoDropList) return -1;
    return ValidList(state.DropListIndex) ? state.DropListIndex : -1;
}

void DragDrop::EndDrags() {
    state.SlotDragActive = false;
    state.ListDragActive = false;
}

void MoveSlotInList(Document& doc, int list, int s, int t) {
    if (!ValidList(list) || !ValidSlot(s) || !ValidSlot(t)) return;
    for (int k = s - 1; k >= t; --k) SwapSlot(doc, list, k, k + 1);
    for (int k = s; k < t; ++k) SwapSlot(doc, list, k, k + 1);
}

void MoveSetList(Document& doc, int s, int t) {
    if (!ValidList(s) || !ValidList(t)) return;
    for (int k = s - 1; k >= t; --k) SwapList(doc, k, k + 1);
    for (int k = s; k < t; ++k) SwapList(doc, k, k + 1);
}

std::string InsertDraggedSlot(Document& doc, EditState& state, int fromList, int fromSlot, int list,
                              int t, bool clearSource) {
    if (!ValidList(fromList) || !ValidSlot(fromSlot) || !ValidList(list) || !ValidSlot(t))
        return {};
    const int last = kSlotCount - 1;
    if (t != last &&
        (!doc.GetSlotName(list, last).empty() || !doc.GetSlotComment(list, last).empty()))
        return kNoSpaceForInsert;
    for (int k = last - 1; k >= t; --k) SwapSlot(doc, list, k, k + 1);
    CopySlot(doc, state, fromList, fromSlot, list, t);
    if (clearSource && fromList != list) {
        doc.SetSlotName(fromList, fromSlot, "");
        // The cleared comment is not the one in the details panel: the window must not take
        // this write for an edit of the shown slot.
        DocumentListener* listener = doc.Listener();
        doc.SetListener(nullptr);
        (void)doc.SetSlotComment(fromList, fromSlot, "", false);
        doc.SetListener(listener);
    }
    return {};
}

}  // namespace velmar
