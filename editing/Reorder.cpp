#include "editing/Reorder.h"

#include <cstdint>
#include <span>
#include <vector>

#include "document/Document.h"

namespace velmar {

namespace {

// Exchanges two equally long byte areas of the image through its write path.
void SwapAreas(Document& doc, std::size_t a, std::size_t b, std::size_t size) {
    if (a == b) return;
    const auto first = doc.Bytes(a, size);
    const std::vector<std::uint8_t> saved(first.begin(), first.end());
    const auto second = doc.Bytes(b, size);
    const std::vector<std::uint8_t> other(second.begin(), second.end());
    doc.WriteBytes(a, other);
    doc.WriteBytes(b, saved);
}

SlotCommandResult NotLoaded() {
    SlotCommandResult result;
    result.error = kNoFileLoaded;
    return result;
}

bool Loaded(const Document& doc) {
    return doc.FileLoaded() && doc.HasImage();
}

// The exchange as the view sees it: both items are rewritten and lose their selection.
void SwapInView(Document& doc, int list, int a, int b, SlotViewUpdate& view) {
    SwapSlot(doc, list, a, b);
    view.rewritten.set(a).set(b);
    view.selection.reset(a).reset(b);
}

SlotCommandResult Move(Document& doc, int list, const SlotSelection& selected, int step) {
    if (!Loaded(doc)) return NotLoaded();
    SlotCommandResult result;
    const int blocked = step < 0 ? 0 : kSlotCount - 1;
    if (selected.none() || selected.test(blocked)) return result;

    result.updateView = true;
    result.modified = true;
    SlotViewUpdate& view = result.view;
    view.selection = selected;
    // Walk against the direction of the move, so a moved slot is never met again and a run of
    // selected slots moves as a block.
    for (int k = 0; k < kSlotCount; ++k) {
        const int i = step < 0 ? k : kSlotCount - 1 - k;
        if (!view.selection.test(i)) continue;
        view.selection.reset(i);
        SwapInView(doc, list, i, i + step, view);
        view.Show(i + step, false);
    }
    return result;
}

}  // namespace

void SwapSlot(Document& doc, int list, int a, int b) {
    SwapAreas(doc, doc.SlotPos(list, a), doc.SlotPos(list, b), kSlotRecordSize);
    if (doc.HasDirectory()) {
        const std::size_t dir = doc.GetDir(list);
        SwapAreas(doc, dir + DirSlotOffset(a), dir + DirSlotOffset(b), kDirSlotRecordSize);
    }
    doc.SetFileModified(true);
}

void SwapList(Document& doc, int a, int b) {
    SwapAreas(doc, doc.GetList(a), doc.GetList(b), kSetListSize);
    if (doc.HasDirectory()) SwapAreas(doc, doc.GetDir(a), doc.GetDir(b), kDirEntrySize);
    doc.SetFileModified(true);
}

SlotCommandResult MoveSlotsUp(Document& doc, int list, const SlotSelection& selected) {
    return Move(doc, list, selected, -1);
}

SlotCommandResult MoveSlotsDown(Document& doc, int list, const SlotSelection& selected) {
    return Move(doc, list, selected, +1);
}

std::string SortKey(std::string_view name) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    std::size_t first = 0;
    std::size_t last = name.size();
    while (first < last && blank(name[first])) ++first;
    while (last > first && blank(name[last - 1])) --last;
    return std::string(name.substr(first, last - first));
}

bool SortsBefore(std::string_view q, std::string_view p) {
    if (q.empty()) return false;
    if (p.empty()) return true;
    // std::char_traits<char> compares as unsigned char: plain byte order.
    return q.compare(p) < 0;
}

Question SortQuestion(const SlotSelection& selected) {
    if (selected.none()) return {BoxKind::YesNo, "None selected. Sort all entries?"};
    return {BoxKind::OkCancel, "Sort all selected slots?"};
}

SlotCommandResult SortSlots(Document& doc, int list, int currentSlot,
                            const SlotSelection& selected) {
    if (!Loaded(doc)) return NotLoaded();
    SlotCommandResult result;
    result.updateView = true;
    SlotViewUpdate& view = result.view;
    const std::size_t count = selected.count();
    const bool clearAfter = selected.all() || count <= 1;
    view.selection = selected.none() ? SlotSelection().set() : selected;

    // The keys follow every exchange already made, as the items do.
    for (int p = 0; p < kSlotCount; ++p) {
        if (!view.selection.test(p)) continue;
        for (int q = p + 1; q < kSlotCount; ++q) {
            if (!view.selection.test(q)) continue;
            if (SortsBefore(SortKey(doc.GetSlotName(list, q)), SortKey(doc.GetSlotName(list, p)))) {
                SwapInView(doc, list, p, q, view);
                view.selection.set(p).set(q);
                result.modified = true;
            }
        }
    }
    // The details panel shows the slot now standing at currentSlot, so its fields never write
    // an old name or comment into a slot that moved in.
    const SlotSelection sorted = view.selection;
    view.Show(currentSlot, false);
    view.selection = sorted;
    if (clearAfter) {
        view.selection.reset();
        view.itemIndex = 0;
    } else {
        view.itemIndex = currentSlot;
    }
    return result;
}

}  // namespace velmar
