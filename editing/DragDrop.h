#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Dragging slots and set lists with the left mouse button in the two views. The drag runs on
// the views' own mouse events: this class keeps the drag state and makes every decision of
// the handlers; the window carries the decisions out (capture, timers, repaints, showing).
// No widget is involved, so each rule can be checked on its own.
namespace velmar {

class Document;
struct EditState;

// DropListIndex while no set list switch is pending.
inline constexpr int kNoDropList = 999;
// A release counts as a drop only this far from the press, in x or in y ...
inline constexpr int kDropMinDistance = 3;
// ... and (slots) this long after it.
inline constexpr std::int64_t kSlotDropMinTime = 200;
// Leaving an unscrolled slot view to the left hands the mouse to the set list view only after
// this long, so that a quick stroke does not switch set lists.
inline constexpr std::int64_t kLeaveToListDelay = 400;
// The bottom pixels of the set list view that scroll it down during a set list drag.
inline constexpr int kListScrollZone = 6;

// Intervals of the three drag timers.
inline constexpr int kScrollFirstInterval = 250;  // every scroll timer starts with this
inline constexpr int kSlotScrollInterval = 350;   // each slot scroll step
inline constexpr int kListScrollInterval = 250;   // each set list scroll step
inline constexpr int kDropSlotAtListInterval = 800;

inline constexpr const char* kNoSpaceForInsert = "No space for insert (Slot 127 must be empty)!";

// The drag state of the main window.
struct DragState {
    bool SlotDragActive = false;
    bool ListDragActive = false;
    int DragFromList = -1;  // the set list shown when the slot drag started
    int DragSourceSlot = 0;
    int DropTargetSlot = 0;  // -1: the pointer is over no slot
    int PrevDropTargetSlot = 0;
    int DragSourceListRow = 0;
    int DropTargetListRow = 0;
    int PrevDropTargetListRow = 0;
    int DropListIndex = kNoDropList;  // set list under a slot held over the set list view
    int DragScrollDirection = 0;
    int MouseDownX = 0;  // screen coordinates of the press
    int MouseDownY = 0;
    std::int64_t MouseDownTick = 0;
    bool DropMarkDrawn = false;  // a drop line was painted during this drag
};

// The slot view as a pointer move sees it (client pixels, items).
struct SlotViewMetrics {
    int width = 0;
    int height = 0;
    int topIndex = 0;
    int itemCount = 0;
    int columnCount = 0;
    int itemHeight = 13;
    int scrollBarSize = 0;  // taken off the height when the height includes a scroll bar
};

// What the window does after a pointer move in the slot view, in this order.
struct SlotMoveSteps {
    bool releaseCapture = false;
    bool stopScrollTimer = false;
    bool startScrollTimer = false;  // with DragScrollDirection set
    bool repaintDropLine = false;
};

// What the window does after a pointer move in the set list view.
struct ListMoveSteps {
    bool releaseCapture = false;
    bool stopScrollTimer = false;
    bool startScrollTimer = false;
    bool startDropSlotAtListTimer = false;  // a slot is held over a set list
    bool repaintDropLine = false;
};

// What a button release in the slot view comes to.
enum class SlotRelease {
    NotDragging,     // no slot drag was under way: nothing to do
    NoDrop,          // too quick, too short, outside or no line drawn: release the capture
    ShowItem,        // not a valid drop: show the slot at the item index
    MoveWithinList,  // DragSourceSlot to DropTargetSlot inside the shown set list
    InsertFromList,  // DragSourceSlot of DragFromList into the shown set list
};

// The two items to repaint after the drop target changed; -1 for none.
struct DropLineRepaint {
    int previous = -1;
    int target = -1;
};

// One set list scroll step.
struct ListScrollStep {
    bool scroll = false;  // make newTop the top index and repaint the drop line
    int newTop = 0;
    bool stopTimer = false;
};

class DragDrop {
  public:
    using TickSource = std::function<std::int64_t()>;

    DragDrop();

    // The milliseconds clock of the handlers (a monotonic clock unless replaced).
    void SetTickSource(TickSource source) { tick_ = std::move(source); }
    [[nodiscard]] std::int64_t Tick() const { return tick_(); }

    DragState state;

    // --- Slot view ---
    // A button press, any button: remembers the set list the press happened in.
    void SlotPressed(int currentSetList) { state.DragFromList = currentSetList; }
    // The left button pressed at screen (x, y) on item `item`; without Shift or Ctrl and out
    // of pick mode the slot drag starts (true): capture the mouse, stop the slot scroll timer.
    bool SlotLeftPressed(int item, int screenX, int screenY, bool shiftOrCtrl, bool pickMode);
    // The pointer moved to x (client) over `itemAtPointer` (-1 none).
    SlotMoveSteps SlotMoved(int x, int itemAtPointer, bool leftHeld, bool scrollTimerRunning,
                            const SlotViewMetrics& view);
    // A slot scroll timer step: the new top index (unchanged when the view has no columns).
    [[nodiscard]] int SlotScrollTop(const SlotViewMetrics& view) const;
    // The button released at client (x, y), screen (screenX, screenY).
    SlotRelease SlotReleased(int x, int y, int viewWidth, int viewHeight, int screenX, int screenY,
                             int currentSetList);
    // The drop target changed: which items to repaint. The source row is only the source
    // while its set list is shown; in another set list it is a drop position like any other.
    DropLineRepaint SlotDropLine(int currentSetList);
    [[nodiscard]] bool SourceListShown(int currentSetList) const {
        return state.DragFromList == -1 || state.DragFromList == currentSetList;
    }

    // --- Set list view ---
    // The left button pressed on row `row`: the set list drag starts.
    void ListLeftPressed(int row, int screenX, int screenY);
    // The pointer moved to y (client). rowAtPointer: the row at (0, y), -1 for none.
    ListMoveSteps ListMoved(int y, int rowAtPointer, bool leftHeld, bool scrollTimerRunning,
                            int viewHeight, int topIndex, int itemCount);
    ListScrollStep ListScroll(int topIndex, int itemCount, bool pointerOverItem);
    // The button released at screen (screenX, screenY): true for a drop (DragSourceListRow to
    // DropTargetListRow). Also ends a slot drag without a drop.
    bool ListReleased(int screenX, int screenY);
    DropLineRepaint ListDropLine();

    // The set list switch timer fired: the set list to show, or -1 for none.
    [[nodiscard]] int ListToShow() const;

    // Focus loss, deactivation, a modal box, another document: no drag goes on.
    void EndDrags();

  private:
    [[nodiscard]] bool MovedEnough(int screenX, int screenY) const;
    TickSource tick_;
};

// Slots per step of the slot view's auto-scroll: one column.
[[nodiscard]] int SlotScrollStep(const SlotViewMetrics& view);

// Moves slot s of `list` to row t by exchanging neighbours: the slots between move one place
// towards s. Sets FileModified when anything moved.
void MoveSlotInList(Document& doc, int list, int s, int t);
// The same for whole set lists.
void MoveSetList(Document& doc, int s, int t);

// Puts a copy of slot `fromSlot` of set list `fromList` on row t of `list` (another set list),
// the slots t..126 moving one row down over the empty slot 127; a drop on row 127 overwrites
// it. With `clearSource` the source slot's name and comment become empty (its sound and values
// stay). Returns kNoSpaceForInsert, with nothing changed, when slot 127 is in use.
[[nodiscard]] std::string InsertDraggedSlot(Document& doc, EditState& state, int fromList,
                                            int fromSlot, int list, int t, bool clearSource);

}  // namespace velmar
