#include "editing/ListClipboard.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "document/Document.h"
#include "editing/Reorder.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

bool Loaded(const Document& doc) {
    return doc.FileLoaded() && doc.HasImage();
}

ListCommandResult Failed(std::string text) {
    ListCommandResult result;
    result.error = std::move(text);
    return result;
}

ListPlan Refuse(std::string text) {
    return {false, {BoxKind::Error, std::move(text)}};
}

void CheckContext(const ListContext& ctx) {
    if (ctx.currentList < 0 || ctx.currentList >= kSetListCount || ctx.focused < 0 ||
        ctx.focused >= kSetListCount)
        throw std::out_of_range("set list command: set list out of range");
}

constexpr const char* kSelectExactlyOne = "Please select exactly 1 List!";
constexpr const char* kCopyListFirst = "Please copy a List first!";

// The first 73028 bytes of the set list clipboard file, or why they cannot be had.
struct ListClip {
    bool exists = false;
    std::vector<std::uint8_t> bytes;
    std::string error;
};

ListClip ReadListClip() {
    ListClip clip;
    const std::string path = ListClipboardPath();
    const std::int64_t size = FileSizeOf(path);
    if (size < 0) return clip;
    clip.exists = true;
    if (static_cast<std::size_t>(size) < kListClipDataSize) {
        // A short file would paste a set list with missing slots: refuse it whole.
        clip.error = "The set list clipboard file " + path + " is incomplete (" +
                     std::to_string(size) + " of " + std::to_string(kListClipFileSize) +
                     " bytes). Please copy a List again!";
        return clip;
    }
    clip.bytes.resize(kListClipDataSize);
    if (auto error = ReadBytesFromFile(clip.bytes, path, kListClipDataSize)) clip.error = *error;
    return clip;
}

// Overwrites set list `list` and its directory entry with the clipboard bytes.
void WriteListClip(Document& doc, int list, const std::vector<std::uint8_t>& bytes) {
    const std::span<const std::uint8_t> all(bytes);
    doc.WriteBytes(doc.GetList(list), all.first(kSetListSize));
    if (doc.HasDirectory())
        doc.WriteBytes(doc.GetDir(list), all.subspan(kSetListSize, kDirEntrySize));
    doc.SetFileModified(true);
}

// Paste List and Insert List end pick mode whatever its state.
void EndPicking(EditState& state, ListCommandResult& result) {
    state.pick.Reset();
    result.pickReset = true;
}

}  // namespace

std::string ListClipboardPath() {
    return TempFilePath("velmar_list.tmp");
}

std::optional<std::string> CopySetListToFile(const Document& doc, EditState& state, int list) {
    state.clipboardKind = ClipboardKind::SetList;
    std::vector<std::uint8_t> buffer(kListClipFileSize, 0);
    const auto record = doc.Bytes(doc.GetList(list), kSetListSize);
    std::copy(record.begin(), record.end(), buffer.begin());
    if (doc.HasDirectory()) {
        const auto dir = doc.Bytes(doc.GetDir(list), kDirEntrySize);
        std::copy(dir.begin(), dir.end(), buffer.begin() + kSetListSize);
    }
    return WriteBytesToFile(buffer, ListClipboardPath(), buffer.size());
}

void InitializeSetList(Document& doc, int list) {
    doc.SetListName(list, "");
    for (int s = 0; s < kSlotCount; ++s) {
        doc.SetSlotName(list, s, "");
        doc.SetSlotComment(list, s, "", true);
    }
    doc.SetFileModified(true);
}

ListCommandResult CopyList(const Document& doc, EditState& state, const ListContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    if (ctx.selected.count() != 1) return Failed(kSelectExactlyOne);
    if (auto error = CopySetListToFile(doc, state, ctx.currentList)) return Failed(*error);
    return {};
}

ListPlan PlanCutList(const Document& doc, const ListContext& ctx) {
    if (!Loaded(doc)) return Refuse(kNoFileLoaded);
    if (ctx.selected.count() != 1) return Refuse(kSelectExactlyOne);
    return {false, {BoxKind::OkCancel, "Delete Set List?"}};
}

ListCommandResult CutList(Document& doc, EditState& state, const ListContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    if (ctx.selected.count() != 1) return Failed(kSelectExactlyOne);
    // Nothing is blanked unless the set list is safe in the file.
    if (auto error = CopySetListToFile(doc, state, ctx.currentList)) return Failed(*error);
    ListCommandResult result;
    InitializeSetList(doc, ctx.currentList);
    result.rewritten.set(ctx.currentList);
    for (int i = ctx.currentList + 1; i < kSetListCount; ++i) {
        if (ctx.selected.test(i)) result.deselect.set(i);
        SwapList(doc, i, i - 1);
        result.rewritten.set(i).set(i - 1);
    }
    result.modified = true;
    result.showSetList = ctx.currentList;
    return result;
}

ListPlan PlanPasteList(const Document& doc, const EditState& state, const ListContext& ctx) {
    if (state.clipboardKind != ClipboardKind::SetList) return {true, {}};
    if (!Loaded(doc)) return Refuse(kNoFileLoaded);
    if (FileSizeOf(ListClipboardPath()) < 0) return Refuse(kCopyListFirst);
    if (!doc.GetListName(ctx.currentList).empty())
        return {false, {BoxKind::OkCancel, "Overwrite Set List?"}};
    return {};
}

ListCommandResult PasteList(Document& doc, EditState& state, const ListContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    const ListClip clip = ReadListClip();
    if (!clip.exists) return {};
    if (!clip.error.empty()) return Failed(clip.error);
    ListCommandResult result;
    WriteListClip(doc, ctx.currentList, clip.bytes);
    result.rewritten.set(ctx.currentList);
    result.showSetList = ctx.currentList;
    result.modified = true;
    EndPicking(state, result);
    return result;
}

ListPlan PlanInsertList(const Document& doc, const EditState& state, const ListContext& ctx) {
    (void)ctx;
    if (state.clipboardKind != ClipboardKind::SetList) return {true, {}};
    if (!Loaded(doc)) return Refuse(kNoFileLoaded);
    if (FileSizeOf(ListClipboardPath()) < 0) return Refuse(kCopyListFirst);
    if (!doc.GetListName(kSetListCount - 1).empty())
        return Refuse("No space for insert (Set List 127 must be empty)!");
    return {};
}

ListCommandResult InsertList(Document& doc, EditState& state, const ListContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    const ListClip clip = ReadListClip();
    if (!clip.exists) return Failed(kCopyListFirst);
    if (!clip.error.empty()) return Failed(clip.error);
    const int last = kSetListCount - 1;
    if (!doc.GetListName(last).empty())
        return Failed("No space for insert (Set List 127 must be empty)!");

    ListCommandResult result;
    doc.SetListName(last, "");
    const int p = ctx.focused;
    for (int b = last - 1; b >= p; --b) SwapList(doc, b, b + 1);
    for (int i = p; i < kSetListCount; ++i) result.rewritten.set(i);
    WriteListClip(doc, p, clip.bytes);
    result.showSetList = p;
    result.modified = true;
    EndPicking(state, result);
    return result;
}

ListPlan PlanClearLists(const Document& doc) {
    if (!Loaded(doc)) return Refuse(kNoFileLoaded);
    return {false, {BoxKind::OkCancel, "Initialize all Slots in selected Set Lists?"}};
}

ListCommandResult ClearLists(Document& doc, const ListContext& ctx) {
    if (!Loaded(doc)) return Failed(kNoFileLoaded);
    CheckContext(ctx);
    ListCommandResult result;
    for (int a = 0; a < kSetListCount; ++a) {
        if (!ctx.selected.test(a)) continue;
        InitializeSetList(doc, a);
        result.rewritten.set(a);
        result.modified = true;
    }
    // The details panel shows the cleared slot afresh, so it never writes the old name or
    // comment back into it.
    result.refreshSlot = ctx.selected.test(ctx.currentList);
    return result;
}

}  // namespace velmar
