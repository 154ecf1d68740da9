#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The slot commands Cut, Copy, Clear and Paste when the slot name field or the comment editor
// of the details panel has the focus: they act on the field's text and the system clipboard.
// These functions compute the outcome; the window does the clipboard and field I/O. Texts are
// byte strings in the file's code page; positions and lengths count bytes.
namespace velmar {

class Document;
struct EditState;

enum class TextField { SlotName, Comment };

inline constexpr std::size_t kNameFieldLimit = 24;
inline constexpr std::size_t kCommentFieldLimit = 512;

// A field's text and selection (the caret is selStart when selLength is 0).
struct FieldState {
    std::string text;
    std::size_t selStart = 0;
    std::size_t selLength = 0;
};

struct FieldEditResult {
    std::string error;    // ShowError text ("No file loaded!"); nothing else happened
    std::string warning;  // ShowError text after the edit ("Warning: Text truncated!")
    bool setClipboard = false;
    std::string clipboardText;  // for the system clipboard when setClipboard
    bool textChanged = false;
    FieldState field;       // the field afterwards, caret after the edit
    bool modified = false;  // FileModified was set
};

// Copy: the selected text to the system clipboard; nothing else changes.
[[nodiscard]] FieldEditResult CopyFieldText(const Document& doc, const FieldState& field);
// Cut: the selected text to the clipboard, deleted from the field. Sets FileModified. The
// main Cut command passes the edit state: like every Cut it sets ClipboardKind to slots. The
// comment editor's own Cut passes none.
[[nodiscard]] FieldEditResult CutFieldText(Document& doc, const FieldState& field,
                                           EditState* state = nullptr);
// Clear with the comment editor focused: as Cut.
[[nodiscard]] FieldEditResult ClearFieldText(Document& doc, const FieldState& field);
// Paste of the system clipboard text at the caret, replacing the selection. The name field
// takes what fits into 24 characters of the first line. The comment editor gets every TAB
// replaced by a blank; a text beyond 512 characters is cut there and the warning
// "Warning: Text truncated!" comes back. Sets FileModified.
[[nodiscard]] FieldEditResult PasteFieldText(Document& doc, TextField kind, const FieldState& field,
                                             std::string_view clipboard);

}  // namespace velmar
