#pragma once

#include <bitset>
#include <string>

#include "document/Layout.h"
#include "editing/PickList.h"

// Types shared by the editing commands: selections of the two views, the clipboard kind, the
// questions a command asks before it runs and the state the main window keeps for them.
//
// The commands are functions over the document; the window asks the question a command names,
// shows its error text in the error box and applies the view update it returns:
//   Move up / down                    MoveSlotsUp / MoveSlotsDown         (editing/Reorder.h)
//   Sort                              SortQuestion, SortSlots
//   Clear, Cut, Copy, Insert, Paste   ClearSlots, CutSlots, CopySlots,    (editing/SlotClipboard.h)
//     (slot view focused)             InsertSlots, PasteSlots
//   the same with a text field        ClearFieldText, CutFieldText,       (editing/FieldText.h)
//                                     CopyFieldText, PasteFieldText
//   set list Clear .. Paste           Plan...List, then ClearLists,       (editing/ListClipboard.h)
//                                     CutList, CopyList, InsertList, PasteList
//   Rename set list / slot            RenameListPrompt + RenameList,      (editing/Rename.h)
//                                     RenameSlotPrompt + RenameSlot
//   Convert to ...                    ConversionQuestion, ConvertSlotNames
//   Pick, Done/Paste, Reset buttons   PickList in EditState                (editing/PickList.h)
namespace velmar {

// Bit i set: item i of the slot view (or of the set list view) is selected.
using SlotSelection = std::bitset<kSlotCount>;
using ListSelection = std::bitset<kSetListCount>;

// What the set list view's Paste and Insert act on: slots (the slot commands run instead) or
// a whole set list.
enum class ClipboardKind { Slots = 1, SetList = 2 };

// The box a message or question is shown in.
enum class BoxKind {
    None,      // nothing to show
    Error,     // ShowError: caption "Error", OK
    OkCancel,  // AskOkCancel: caption "VELMAR"; proceed on OK
    YesNo,     // AskYesNo: caption "VELMAR"; proceed on Yes
};

struct Question {
    BoxKind kind = BoxKind::None;
    std::string text;
    [[nodiscard]] bool Empty() const { return kind == BoxKind::None; }
};

// The part of the main window's state that the editing commands read and change. The window
// keeps one for the whole run.
struct EditState {
    ClipboardKind clipboardKind = ClipboardKind::Slots;
    PickList pick;
};

// How the slot view and the details panel follow a slot command. The window rewrites the
// `rewritten` items from the image (ItemText), then runs ShowSlot(showSlot, deselectOthers)
// when showSlot >= 0, then selects exactly `selection` and makes `itemIndex` the view's item
// index. `selection` already holds what ShowSlot selects.
struct SlotViewUpdate {
    SlotSelection rewritten;
    int showSlot = -1;
    bool deselectOthers = false;
    SlotSelection selection;
    int itemIndex = -1;
    // Only when the command sets it: the entry of LastSlotOfList for the current set list.
    int lastSlotOfList = -1;

    // ShowSlot(s) as the selection sees it: s becomes selected and the item index.
    void Show(int s, bool deselect) {
        if (deselect) selection.reset();
        selection.set(s);
        showSlot = s;
        deselectOthers = deselect;
        itemIndex = s;
    }
};

struct SlotCommandResult {
    std::string error;        // ShowError text; empty when the command ran
    bool modified = false;    // the command set FileModified
    bool updateView = false;  // `view` tells how the slot view follows
    SlotViewUpdate view;
    bool pickReset = false;  // pick mode was reset: restore the pick buttons, repaint the view
};

inline constexpr const char* kNoFileLoaded = "No file loaded!";

}  // namespace velmar
