#pragma once

#include <string>
#include <string_view>

#include "editing/EditTypes.h"

// Renaming set lists and slots through a prompt, and rewriting the names of the selected slots
// in upper case, with the first letter of each word upper case, or as short sound text plus
// name. Names are byte texts of at most 24 characters.
namespace velmar {

class Document;

inline constexpr int kMaxNameLength = 24;

// The prompt the window shows: caption, label and the text it starts with; or, with `error`
// set, the ShowError text instead of the prompt.
struct Prompt {
    std::string error;
    std::string caption;
    std::string label;
    std::string text;
};

struct RenameResult {
    std::string error;  // ShowError text; nothing changed
    bool modified = false;
    // The view item to rewrite (set list view for a set list, slot view for a slot), -1: none.
    int item = -1;
    std::string itemText;
    // Slots: the name field of the details panel shows this name afterwards.
    std::string nameField;
};

// Rename of the set list view (F2, double-click). Error "Please select only 1 List!" unless
// exactly one set list is selected; else the prompt "Rename List" / "List Name: ".
[[nodiscard]] Prompt RenameListPrompt(const Document& doc, int list, const ListSelection& selected);
// After OK: longer than 24 characters refuses with "List name must not exceed 24 characters"
// and changes nothing; otherwise the name (empty allowed) is stored and FileModified set.
[[nodiscard]] RenameResult RenameList(Document& doc, int list, std::string_view text);

// Rename of a slot (double-click in the slot view): the prompt "Rename Slot" / "Slot Name: ".
[[nodiscard]] Prompt RenameSlotPrompt(const Document& doc, int list, int slot);
[[nodiscard]] RenameResult RenameSlot(Document& doc, int list, int slot, std::string_view text);

enum class Conversion {
    Upper,             // "Convert to Upper"
    FirstLetterUpper,  // "Convert to First Letter Upper"
    SoundAndName,      // "Convert to Sound + Name"
};

// The question asked before a conversion: "Rename all selected slots?" (OK/Cancel) for two or
// more selected slots in the case conversions, none for one; Sound + Name always asks its own.
// Without a document: the error "No file loaded!".
[[nodiscard]] Question ConversionQuestion(const Document& doc, Conversion kind,
                                          const SlotSelection& selected);

// One name converted: `soundText` is the slot's short sound text (used by SoundAndName only).
[[nodiscard]] std::string ConvertName(Conversion kind, std::string_view name,
                                      std::string_view soundText);

struct ConversionResult {
    std::string error;
    bool modified = false;
    SlotSelection rewritten;  // the slot view items whose names changed
    // The details panel afterwards: slot number field and name field of currentSlot.
    std::string slotNrField;
    std::string nameField;
};

// Converts the names of the selected slots of `list` in ascending order; the name field then
// shows the name of currentSlot. For Sound + Name the caller writes the comment editor into the
// shown slot first and gives the slot view the focus.
[[nodiscard]] ConversionResult ConvertSlotNames(Document& doc, Conversion kind, int list,
                                                int currentSlot, const SlotSelection& selected);

}  // namespace velmar
