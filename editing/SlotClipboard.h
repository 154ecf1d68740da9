#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "editing/EditTypes.h"

// The slot commands Clear, Cut, Copy, Insert and Paste of the slot view. Slots travel through
// the slot clipboard file in the temporary directory, a bare sequence of 544-byte records
// (542 bytes of the slot, two unused bytes written as zero), shared by every running copy of
// the program and kept after it ends. Picked slots (pick mode) take the file's place in Paste
// and Insert.
namespace velmar {

class Document;

inline constexpr std::size_t kSlotClipRecordSize = 544;

// The slot clipboard file: TempFilePath("velmar_slot.tmp").
[[nodiscard]] std::string SlotClipboardPath();

// What the slot view holds when a command starts.
struct SlotContext {
    int list = 0;         // CurrentSetList
    int currentSlot = 0;  // CurrentSlot, the slot in the details panel
    int focused = 0;      // the slot view's focused item, where Paste and Insert put slots
    SlotSelection selected;
};

// The selected slots of `list`, in ascending order, to the slot clipboard file (written beside
// and then moved over it). The document stays unchanged. Returns the error text on failure.
[[nodiscard]] std::optional<std::string> CopySlotsToFile(const Document& doc, int list,
                                                         const SlotSelection& selected);

// Copies slot srcSlot of srcList over slot dstSlot of dstList, with its directory record. Sets
// ClipboardKind to slots and FileModified. The caller rewrites slot view item dstSlot.
void CopySlot(Document& doc, EditState& state, int srcList, int srcSlot, int dstList, int dstSlot);

// Copy (Ctrl+C) with the slot view focused. Refuses without a document and while picking.
[[nodiscard]] SlotCommandResult CopySlots(const Document& doc, const EditState& state,
                                          const SlotContext& ctx);

// Cut (Ctrl+X, Delete) with the slot view focused: copies the selected slots to the file, then
// blanks their names and comments and moves them to the end of the list, the slots behind
// each moving up. Sound, colour and values of the blanked slots stay. Refuses while picking;
// nothing is blanked when the file cannot be written.
[[nodiscard]] SlotCommandResult CutSlots(Document& doc, EditState& state, const SlotContext& ctx);

// Clear (Ctrl+Y) with the slot view focused: blanks name, comment and colour of the selected
// slots; sound, font size and values stay. The details panel shows currentSlot again.
[[nodiscard]] SlotCommandResult ClearSlots(Document& doc, const SlotContext& ctx);

// Paste (Ctrl+V, the pick mode Paste button) with the slot view focused: the picked slots in
// pick order, or else the whole records of the slot clipboard file, overwrite the slots from
// the focused one on. All sources are read before anything is written. A missing file does
// nothing; too little room gives "Not enough space for pasting" and changes nothing. Ends pick
// mode when it is still on.
[[nodiscard]] SlotCommandResult PasteSlots(Document& doc, EditState& state, const SlotContext& ctx);

// Insert (Ctrl+T): makes room at the focused slot for the picked slots, or the file's records
// (one empty slot when the file holds none), by moving the slots from there on to the end, then
// pastes into the room. The last slots must be empty to make room.
[[nodiscard]] SlotCommandResult InsertSlots(Document& doc, EditState& state,
                                            const SlotContext& ctx);

}  // namespace velmar
