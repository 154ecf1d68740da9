#include "editing/SlotClipboard.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "document/Document.h"
#include "editing/Reorder.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

// One slot as it travels: its record and, where it comes from, its directory record.
struct SlotBytes {
    std::vector<std::uint8_t> record;
    std::vector<std::uint8_t> dir;
};

bool Loaded(const Document& doc) {
    return doc.FileLoaded() && doc.HasImage();
}

SlotCommandResult Failed(std::string text) {
    SlotCommandResult result;
    result.error = std::move(text);
    return result;
}

void CheckIndex(int value, const char* what) {
    if (value < 0 || value >= kSlotCount) throw std::out_of_range(what);
}

void CheckContext(const SlotContext& ctx) {
    CheckIndex(ctx.list, "slot command: set list out of range");
    CheckIndex(ctx.currentSlot, "slot command: current slot out of range");
    CheckIndex(ctx.focused, "slot command: focused slot out of range");
}

// Cut and Clear empty the name and comment; the sound and values stay.
void BlankText(Document& doc, int list, int s) {
    doc.SetSlotName(list, s, "");
    doc.SetSlotComment(list, s, "", true);
}

// A result whose view keeps the command's selection.
SlotCommandResult SelectionUpdate(const SlotSelection& selected) {
    SlotCommandResult result;
    result.updateView = true;
    result.view.selection = selected;
    return result;
}

bool IsEmptySlot(const Document& doc, int list, int s) {
    return doc.GetSlotName(list, s).empty() && doc.GetSlotComment(list, s).empty();
}

SlotBytes ReadSlot(const Document& doc, int list, int s) {
    SlotBytes slot;
    const auto record = doc.Bytes(doc.SlotPos(list, s), kSlotRecordSize);
    slot.record.assign(record.begin(), record.end());
    if (doc.HasDirectory()) {
        const auto dir = doc.Bytes(doc.GetDir(list) + DirSlotOffset(s), kDirSlotRecordSize);
        slot.dir.assign(dir.begin(), dir.end());
    }
    return slot;
}

void WriteSlot(Document& doc, int list, int s, const SlotBytes& slot) {
    doc.WriteBytes(doc.SlotPos(list, s), slot.record);
    if (doc.HasDirectory() && !slot.dir.empty())
        doc.WriteBytes(doc.GetDir(list) + DirSlotOffset(s), slot.dir);
}

std::vector<SlotBytes> ReadPicks(const Document& doc, const PickList& pick) {
    std::vector<SlotBytes> slots;
    slots.reserve(pick.Entries().size());
    for (const PickEntry& entry : pick.Entries())
        slots.push_back(ReadSlot(doc, entry.list, entry.slot));
    return slots;
}

// The whole records of the slot clipboard file. The file holds no directory data, so a pasted
// slot's directory record takes the first 28 bytes of its record (the name and the bytes after
// it).
struct ClipFile {
    bool exists = false;
    std::vector<SlotBytes> slots;
    std::string error;
};

std::size_t RecordsInFile(std::int64_t size) {
    return size < 0 ? 0 : static_cast<std::size_t>(size) / kSlotClipRecordSize;
}

ClipFile ReadClipFile(const std::string& path, std::size_t records) {
    ClipFile file;
    file.exists = true;
    std::vector<std::uint8_t> buffer(records * kSlotClipRecordSize);
    if (auto error = ReadBytesFromFile(buffer, path, buffer.size())) {
        file.error = *error;
        return file;
    }
    for (std::size_t k = 0; k < records; ++k) {
        const auto first = buffer.begin() + static_cast<std::ptrdiff_t>(k * kSlotClipRecordSize);
        SlotBytes slot;
        slot.record.assign(first, first + kSlotRecordSize);
        slot.dir.assign(first, first + kDirSlotRecordSize);
        file.slots.push_back(std::move(slot));
    }
    return file;
}

// Writes the sources to the slots from p on. Picked slots count as CopySlot (clipboard kind).
void PasteAt(Document& doc, EditState& state, int list, int p, const std::vector<SlotBytes>& slots,
             bool picked, SlotViewUpdate& view) {
    for (std::size_t k = 0; k < slots.size(); ++k) {
        const int s = p + static_cast<int>(k);
        WriteSlot(doc, list, s, slots[k]);
        view.rewritten.set(s);
        view.selection.reset(s);
    }
    if (picked && !slots.empty()) state.clipboardKind = ClipboardKind::Slots;
}

// The common end of Paste (and of Insert from the file): show the slot at p, remember it for
// the set list, mark the file modified and end pick mode when it is still on.
void FinishPaste(Document& doc, EditState& state, int p, SlotCommandResult& result) {
    result.view.Show(p, false);
    result.view.lastSlotOfList = p;
    doc.SetFileModified(true);
    result.modified = true;
    if (state.pick.PickMode()) {
        state.pick.Reset();
        result.pickReset = true;
    }
}

bool NotEnoughSpace(int p, std::size_t count) {
    return static_cast<std::size_t>(p) + count > static_cast<std::size_t>(kSlotCount);
}

}  // namespace

std::string SlotClipboardPath() {
    return TempFilePath("velmar_slot.tmp");
}

std::optional<std::string> CopySlotsToFile(const Document& doc, int list,
                                           const SlotSelection& selected) {
    std::vector<std::uint8_t> buffer;
    buffer.reserve(selected.count() * kSlotClipRecordSize);
    for (int s = 0; s < kSlotCount; ++s) {
        if (!selected.test(s)) continue;
        const auto record = doc.Bytes(doc.SlotPos(list, s), kSlotRecordSize);
        buffer.insert(buffer.end(), record.begin(), record.end());
        buffer.insert(buffer.end(), kSlotClipRecordSize - kSlotRecordSize, 0);
    }
    return WriteBytesToFile(buffer, SlotClipboardPath(), buffer.size());
}

void CopySlot(Document& doc, EditState& state, int srcList, int srcSlot, int dstList, int dstSlot) {
    state.clipboardKind = ClipboardKind::Slots;
    WriteSlot(doc, dstList, dstSlot, ReadSlot(doc, srcList, srcSlot));
    doc.SetFileModified(true);
}

SlotCommandResult CopySlots(const Document& doc, const EditState& state, const SlotContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    if (state.pick.PickMode()) return Failed("Not possible while Picking!");
    if (auto error = CopySlotsToFile(doc, ctx.list, ctx.selected)) return Failed(*error);
    return {};
}

SlotCommandResult CutSlots(Document& doc, EditState& state, const SlotContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    state.clipboardKind = ClipboardKind::Slots;
    if (state.pick.PickMode()) return Failed("Not possible while Picking!");
    // Nothing is blanked unless the cut slots are safe in the file.
    if (auto error = CopySlotsToFile(doc, ctx.list, ctx.selected)) return Failed(*error);

    SlotCommandResult result = SelectionUpdate(ctx.selected);
    SlotViewUpdate& view = result.view;
    // From the end, so every blanked slot travels behind the ones blanked before it: the slot
    // that stood first ends last.
    for (int s = kSlotCount - 1; s >= 0; --s) {
        if (!ctx.selected.test(s)) continue;
        BlankText(doc, ctx.list, s);
        view.rewritten.set(s);
        for (int b = s; b < kSlotCount - 1; ++b) {
            SwapSlot(doc, ctx.list, b, b + 1);
            view.rewritten.set(b).set(b + 1);
        }
    }
    view.Show(ctx.focused, true);
    doc.SetFileModified(true);
    result.modified = true;
    return result;
}

SlotCommandResult ClearSlots(Document& doc, const SlotContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    SlotCommandResult result = SelectionUpdate(ctx.selected);
    SlotViewUpdate& view = result.view;
    for (int s = kSlotCount - 1; s >= 0; --s) {
        if (!ctx.selected.test(s)) continue;
        BlankText(doc, ctx.list, s);
        doc.SetSlotColor(ctx.list, s, 0);
        view.rewritten.set(s);
    }
    view.Show(ctx.currentSlot, false);
    doc.SetFileModified(true);
    result.modified = true;
    return result;
}

SlotCommandResult PasteSlots(Document& doc, EditState& state, const SlotContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    const int p = ctx.focused;
    std::vector<SlotBytes> slots;
    const bool picked = !state.pick.Empty();
    if (picked) {
        if (NotEnoughSpace(p, state.pick.Entries().size()))
            return Failed("Not enough space for pasting");
        slots = ReadPicks(doc, state.pick);
    } else {
        const std::string path = SlotClipboardPath();
        const std::int64_t size = FileSizeOf(path);
        if (size < 0) return {};  // no clipboard file: nothing at all
        const std::size_t records = RecordsInFile(size);
        if (NotEnoughSpace(p, records)) return Failed("Not enough space for pasting");
        ClipFile file = ReadClipFile(path, records);
        if (!file.error.empty()) return Failed(file.error);
        slots = std::move(file.slots);
    }

    SlotCommandResult result;
    result.updateView = true;
    result.view.selection = ctx.selected;
    PasteAt(doc, state, ctx.list, p, slots, picked, result.view);
    FinishPaste(doc, state, p, result);
    return result;
}

SlotCommandResult InsertSlots(Document& doc, EditState& state, const SlotContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    const int p = ctx.focused;
    const bool picked = !state.pick.Empty();
    const std::string path = SlotClipboardPath();
    const std::int64_t size = picked ? -1 : FileSizeOf(path);
    const std::size_t records = RecordsInFile(size);
    const std::size_t room =
        picked ? state.pick.Entries().size() : std::max<std::size_t>(records, 1);

    const int firstNeeded = kSlotCount - static_cast<int>(std::min<std::size_t>(room, kSlotCount));
    for (int s = firstNeeded; s < kSlotCount; ++s) {
        if (IsEmptySlot(doc, ctx.list, s)) continue;
        const std::string count = std::to_string(room);
        if (!picked && room == 1) return Failed("No space for insert (Slot 127 must be empty)!");
        return Failed("No space for insert (Last " + count + " Slots must be empty)!");
    }
    if (NotEnoughSpace(p, room)) return Failed("Not enough space for pasting");

    // Read every source before the room is made: picks are places, and the moves below would
    // otherwise shift picked slots of this set list away from under their references.
    std::vector<SlotBytes> slots;
    if (picked) {
        slots = ReadPicks(doc, state.pick);
    } else if (records > 0) {
        ClipFile file = ReadClipFile(path, records);
        if (!file.error.empty()) return Failed(file.error);
        slots = std::move(file.slots);
    }

    SlotCommandResult result;
    result.updateView = true;
    SlotViewUpdate& view = result.view;
    view.selection = ctx.selected;
    if (p < kSlotCount - 1) {
        for (std::size_t pass = 0; pass < room; ++pass) {
            for (int b = kSlotCount - 2; b >= p; --b) SwapSlot(doc, ctx.list, b, b + 1);
        }
        for (int s = p; s < kSlotCount; ++s) view.rewritten.set(s);
        view.selection &= ~view.rewritten;
        result.modified = true;
    }

    PasteAt(doc, state, ctx.list, p, slots, picked, view);
    if (picked) {
        view.Show(ctx.currentSlot, true);
        doc.SetFileModified(true);
        result.modified = true;
        if (state.pick.PickMode()) {
            state.pick.Reset();
            result.pickReset = true;
        }
    } else {
        // Also without a file: the inserted empty slot is shown, so the details panel never
        // keeps a slot that moved away.
        FinishPaste(doc, state, p, result);
    }
    return result;
}

}  // namespace velmar
