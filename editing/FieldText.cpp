#include "editing/FieldText.h"

#include <algorithm>

#include "document/Document.h"
#include "editing/EditTypes.h"
#include "editing/TextTools.h"

namespace velmar {

namespace {

// The selection clamped to the text, so a stale selection never reaches past its end.
FieldState Clamped(const FieldState& field) {
    FieldState out = field;
    out.selStart = std::min(field.selStart, field.text.size());
    out.selLength = std::min(field.selLength, field.text.size() - out.selStart);
    return out;
}

bool Refused(const Document& doc, FieldEditResult& result) {
    if (doc.FileLoaded() && doc.HasImage()) return false;
    result.error = kNoFileLoaded;
    return true;
}

FieldEditResult CutSelection(Document& doc, const FieldState& field) {
    FieldEditResult result;
    if (Refused(doc, result)) return result;
    const FieldState f = Clamped(field);
    result.setClipboard = true;
    result.clipboardText = f.text.substr(f.selStart, f.selLength);
    result.field.text = f.text.substr(0, f.selStart) + f.text.substr(f.selStart + f.selLength);
    result.field.selStart = f.selStart;
    result.textChanged = f.selLength > 0;
    doc.SetFileModified(true);
    result.modified = true;
    return result;
}

}  // namespace

FieldEditResult CopyFieldText(const Document& doc, const FieldState& field) {
    FieldEditResult result;
    if (Refused(doc, result)) return result;
    const FieldState f = Clamped(field);
    result.setClipboard = true;
    result.clipboardText = f.text.substr(f.selStart, f.selLength);
    result.field = f;
    return result;
}

FieldEditResult CutFieldText(Document& doc, const FieldState& field, EditState* state) {
    FieldEditResult result = CutSelection(doc, field);
    if (state != nullptr && result.error.empty()) state->clipboardKind = ClipboardKind::Slots;
    return result;
}

FieldEditResult ClearFieldText(Document& doc, const FieldState& field) {
    return CutSelection(doc, field);
}

FieldEditResult PasteFieldText(Document& doc, TextField kind, const FieldState& field,
                               std::string_view clipboard) {
    FieldEditResult result;
    if (Refused(doc, result)) return result;
    const FieldState f = Clamped(field);
    const std::string before = f.text.substr(0, f.selStart);
    const std::string after = f.text.substr(f.selStart + f.selLength);
    std::string inserted(clipboard);
    if (kind == TextField::SlotName) {
        // A single-line field: the first line only, and only what fits.
        inserted = inserted.substr(0, inserted.find_first_of("\r\n"));
        const std::size_t room =
            kNameFieldLimit - std::min(kNameFieldLimit, before.size() + after.size());
        inserted.resize(std::min(inserted.size(), room));
        result.field.text = before + inserted + after;
        result.field.selStart = before.size() + inserted.size();
    } else {
        // The instrument cannot show TABs: the whole text is rebuilt with blanks for them.
        std::string text = ReplaceChar(before + inserted + after, '\t', ' ');
        result.field.selStart = std::min(before.size() + inserted.size(), kCommentFieldLimit);
        if (text.size() > kCommentFieldLimit) {
            text.resize(kCommentFieldLimit);
            result.warning = "Warning: Text truncated!";
        }
        result.field.text = std::move(text);
    }
    result.textChanged = result.field.text != f.text;
    doc.SetFileModified(true);
    result.modified = true;
    return result;
}

}  // namespace velmar
