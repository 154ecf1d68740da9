#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "editing/EditTypes.h"

// The set list commands Clear, Cut, Copy, Insert and Paste of the set list view. A set list
// travels through the set list clipboard file in the temporary directory: its record (69416
// bytes), its directory entry (3612 bytes) and 256 unused bytes written as zero.
namespace velmar {

class Document;

inline constexpr std::size_t kListClipDataSize = kSetListSize + kDirEntrySize;  // 73028
inline constexpr std::size_t kListClipFileSize = kListClipDataSize + 256;       // 73284

// The set list clipboard file: TempFilePath("velmar_list.tmp").
[[nodiscard]] std::string ListClipboardPath();

// What the set list view holds when a command starts.
struct ListContext {
    int currentList = 0;  // CurrentSetList
    int focused = 0;      // the set list view's focused item, where Insert puts the set list
    ListSelection selected;
};

// How the views follow a set list command. The window rewrites the `rewritten` set list view
// items from the image, deselects `deselect`, then runs ShowSetList(showSetList, show its slot,
// deselect previous) when showSetList >= 0; else, with refreshSlot, shows CurrentSlot again so
// the details panel drops what it held of a cleared slot.
struct ListCommandResult {
    std::string error;  // ShowError text; nothing changed
    bool modified = false;
    ListSelection rewritten;
    ListSelection deselect;
    int showSetList = -1;
    bool refreshSlot = false;
    bool pickReset = false;  // pick mode was reset: restore the pick buttons, repaint
};

// What a set list command needs before it runs. runSlotCommand: the set list clipboard is not
// in use, run the slot command of the same name instead. Otherwise `ask`: None runs the command
// at once, Error shows the text and stops, OkCancel runs it only on OK.
struct ListPlan {
    bool runSlotCommand = false;
    Question ask;
};

// Set list `list` to the set list clipboard file; sets ClipboardKind to set list first.
[[nodiscard]] std::optional<std::string> CopySetListToFile(const Document& doc, EditState& state,
                                                           int list);
// Blanks the name of set list `list` and the names and comments of all its slots; sounds,
// colours, values and the trailing bytes stay. Sets FileModified.
void InitializeSetList(Document& doc, int list);

// Copy (Ctrl+Alt+C): exactly one set list must be selected.
[[nodiscard]] ListCommandResult CopyList(const Document& doc, EditState& state,
                                         const ListContext& ctx);

// Cut (Ctrl+Alt+X): copies the current set list to the file, blanks it and moves it to the
// end, the set lists behind it moving up; the view then shows the one that followed it.
[[nodiscard]] ListPlan PlanCutList(const Document& doc, const ListContext& ctx);
[[nodiscard]] ListCommandResult CutList(Document& doc, EditState& state, const ListContext& ctx);

// Paste (Ctrl+Alt+V): overwrites the current set list with the file's set list and directory
// entry. A file shorter than 73028 bytes is refused and changes nothing; of a longer one the
// first 73028 bytes count. Always ends pick mode.
[[nodiscard]] ListPlan PlanPasteList(const Document& doc, const EditState& state,
                                     const ListContext& ctx);
[[nodiscard]] ListCommandResult PasteList(Document& doc, EditState& state, const ListContext& ctx);

// Insert (Ctrl+Alt+T): the nameless set list 127 is moved to the focused place, the set lists
// from there on moving down, and the file's set list is pasted into it. The file is checked
// before anything moves.
[[nodiscard]] ListPlan PlanInsertList(const Document& doc, const EditState& state,
                                      const ListContext& ctx);
[[nodiscard]] ListCommandResult InsertList(Document& doc, EditState& state, const ListContext& ctx);

// Clear (Ctrl+Alt+Y): initializes every selected set list.
[[nodiscard]] ListPlan PlanClearLists(const Document& doc);
[[nodiscard]] ListCommandResult ClearLists(Document& doc, const ListContext& ctx);

}  // namespace velmar
