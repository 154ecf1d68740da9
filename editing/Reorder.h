#pragma once

#include <string>
#include <string_view>

#include "editing/EditTypes.h"

// Slots and set lists change places only by exchanging two whole records together with their
// directory copies; moving up and down and sorting are built on these exchanges.
namespace velmar {

class Document;

// Exchanges slots a and b of set list `list`: the 542-byte records and the 28-byte directory
// records (skipped when the file has no directory). Sets FileModified. The caller rewrites
// slot view items a and b, which then are no longer selected.
void SwapSlot(Document& doc, int list, int a, int b);

// Exchanges set lists a and b: the 69416-byte records and the 3612-byte directory entries.
// Sets FileModified. The caller rewrites set list view items a and b.
void SwapList(Document& doc, int a, int b);

// Move up / Move down of the selected slots of `list` by one place; a run of selected slots
// moves as a block. Nothing happens when slot 0 (up) or slot 127 (down) is selected. The
// caller writes the comment editor into the shown slot first (MemoCommentExit).
[[nodiscard]] SlotCommandResult MoveSlotsUp(Document& doc, int list, const SlotSelection& selected);
[[nodiscard]] SlotCommandResult MoveSlotsDown(Document& doc, int list,
                                              const SlotSelection& selected);

// The key a slot sorts by: its name with bytes up to 0x20 cut from both ends.
[[nodiscard]] std::string SortKey(std::string_view name);
// True when the slot with key `q` belongs before the one with key `p`: both named and q smaller
// in plain byte order, or p unnamed and q named. Equal keys never exchange.
[[nodiscard]] bool SortsBefore(std::string_view q, std::string_view p);

// The question Sort asks first: "None selected. Sort all entries?" (Yes/No) when nothing is
// selected, else "Sort all selected slots?" (OK/Cancel).
[[nodiscard]] Question SortQuestion(const SlotSelection& selected);

// Sort after the question was answered Yes/OK: the selected places (all 128 when none is
// selected) end up holding their slots in ascending name order, unnamed ones last. The details
// panel is refreshed with `currentSlot`, which may now hold another slot; the caller writes the
// comment editor into the shown slot first, so nothing typed is lost. When all 128 were sorted
// or at most one was selected, nothing stays selected and the item index is 0.
[[nodiscard]] SlotCommandResult SortSlots(Document& doc, int list, int currentSlot,
                                          const SlotSelection& selected);

}  // namespace velmar
