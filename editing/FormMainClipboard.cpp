// The slot commands Clear, Cut, Copy, Insert and Paste. With the slot name field or the
// comment editor focused they act on the field's text and the system clipboard; otherwise on
// the selected slots, through the slot clipboard file or the pick list.

#include <QLineEdit>
#include <QTextCursor>

#include "editing/EditingViews.h"
#include "editing/FieldText.h"
#include "editing/SlotClipboard.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/SystemClipboard.h"

namespace velmar {

namespace {

// Line breaks are stored as CR LF; the editor holds one character for them.
QString EditorToStored(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString StoredToEditor(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

FieldState CommentField(const TCommentEdit& editor) {
    const QString plain = editor.toPlainText();
    const QTextCursor cursor = editor.textCursor();
    auto stored = [&plain](int pos) {
        return static_cast<std::size_t>(pos + plain.left(pos).count(QLatin1Char('\n')));
    };
    const std::size_t start = stored(cursor.selectionStart());
    return {ToFileText(EditorToStored(plain)), start, stored(cursor.selectionEnd()) - start};
}

FieldState NameField(const QLineEdit& field) {
    const bool selection = field.hasSelectedText();
    const int start = selection ? field.selectionStart() : field.cursorPosition();
    return {ToFileText(field.text()), static_cast<std::size_t>(start),
            static_cast<std::size_t>(selection ? field.selectedText().size() : 0)};
}

// The system clipboard's text as the file would store it.
std::string ClipboardBytes() {
    return ToFileText(EditorToStored(StoredToEditor(SystemClipboard().Text())));
}

// The clipboard part of a field command; false when the command was refused.
bool Publish(const FieldEditResult& result) {
    if (!result.error.empty()) {
        ShowError(FromBytes(result.error));
        return false;
    }
    if (result.setClipboard)
        SystemClipboard().SetText(StoredToEditor(FromBytes(result.clipboardText)));
    return true;
}

// Cut and Clear in the comment editor: the selection goes, the formatting of the rest stays.
void RemoveCommentSelection(TCommentEdit& editor, const FieldEditResult& result) {
    if (!Publish(result) || !result.textChanged) return;
    QTextCursor cursor = editor.textCursor();
    cursor.removeSelectedText();
    editor.setTextCursor(cursor);
}

// Cut and Paste in the name field; its change handling writes the name into the slot.
void ApplyNameField(QLineEdit& field, const FieldEditResult& result) {
    if (!Publish(result)) return;
    if (result.textChanged || result.field.text != ToFileText(field.text()))
        field.setText(FromBytes(result.field.text));
    field.setCursorPosition(static_cast<int>(result.field.selStart));
}

}  // namespace

void TFormMain::MenuCopyClick() {
    if (memoComment_->hasFocus()) {
        (void)Publish(CopyFieldText(doc_, CommentField(*memoComment_)));
    } else if (editSlotName_->hasFocus()) {
        (void)Publish(CopyFieldText(doc_, NameField(*editSlotName_)));
    } else {
        const SlotContext ctx{currentSetList_, currentSlot_, currentSlot_,
                              SelectedSlots(*comboSlotNr_)};
        ApplySlotResult(*this, CopySlots(doc_, EditingState(), ctx));
    }
}

void TFormMain::MenuCutClick() {
    if (memoComment_->hasFocus()) {
        RemoveCommentSelection(*memoComment_,
                               CutFieldText(doc_, CommentField(*memoComment_), &EditingState()));
    } else if (editSlotName_->hasFocus()) {
        ApplyNameField(*editSlotName_,
                       CutFieldText(doc_, NameField(*editSlotName_), &EditingState()));
    } else if (comboSlotNr_->hasFocus() || !HasDocument()) {
        const int focused = comboSlotNr_->ItemIndex() >= 0 ? comboSlotNr_->ItemIndex() : 0;
        const SlotContext ctx{currentSetList_, currentSlot_, focused, SelectedSlots(*comboSlotNr_)};
        ApplySlotResult(*this, CutSlots(doc_, EditingState(), ctx));
    } else {
        // Neither a field nor the slot view: nothing to cut, but the command still counts as
        // an edit, as every Cut does.
        EditingState().clipboardKind = ClipboardKind::Slots;
        doc_.SetFileModified(true);
    }
}

void TFormMain::MenuItem2Click() {
    RemoveCommentSelection(*memoComment_, CutFieldText(doc_, CommentField(*memoComment_)));
}

void TFormMain::MenuClearClick() {
    if (memoComment_->hasFocus()) {
        const FieldEditResult result = ClearFieldText(doc_, CommentField(*memoComment_));
        RemoveCommentSelection(*memoComment_, result);
        if (!result.error.empty()) return;
        // The shortened comment reaches the slot before the panel is filled from the slot.
        MemoCommentExit();
        ShowSlot(currentSlot_, false);
        return;
    }
    const SlotContext ctx{currentSetList_, currentSlot_, currentSlot_,
                          SelectedSlots(*comboSlotNr_)};
    ApplySlotResult(*this, ClearSlots(doc_, ctx));
}

void TFormMain::MenuPasteClick() {
    if (memoComment_->hasFocus()) {
        const FieldEditResult result =
            PasteFieldText(doc_, TextField::Comment, CommentField(*memoComment_), ClipboardBytes());
        if (!Publish(result)) return;
        const QString stored = FromBytes(result.field.text);
        const int caret = static_cast<int>(result.field.selStart);
        const int breaks = static_cast<int>(stored.left(caret).count(QLatin1String("\r\n")));
        memoComment_->setPlainText(StoredToEditor(stored));
        QTextCursor cursor = memoComment_->textCursor();
        cursor.setPosition(
            std::min(caret - breaks, static_cast<int>(memoComment_->toPlainText().size())));
        memoComment_->setTextCursor(cursor);
        if (!result.warning.empty()) ShowError(FromBytes(result.warning));
        FormatMemoComment();
        return;
    }
    if (editSlotName_->hasFocus()) {
        ApplyNameField(*editSlotName_, PasteFieldText(doc_, TextField::SlotName,
                                                      NameField(*editSlotName_), ClipboardBytes()));
        return;
    }
    const int focused = comboSlotNr_->ItemIndex() >= 0 ? comboSlotNr_->ItemIndex() : 0;
    const SlotContext ctx{currentSetList_, currentSlot_, focused, SelectedSlots(*comboSlotNr_)};
    const SlotCommandResult result = PasteSlots(doc_, EditingState(), ctx);
    ApplySlotResult(*this, result);
    if (result.pickReset) ShowPickState(*this);
}

void TFormMain::MenuInsertClick() {
    const int focused = comboSlotNr_->ItemIndex() >= 0 ? comboSlotNr_->ItemIndex() : 0;
    const SlotContext ctx{currentSetList_, currentSlot_, focused, SelectedSlots(*comboSlotNr_)};
    const SlotCommandResult result = InsertSlots(doc_, EditingState(), ctx);
    ApplySlotResult(*this, result);
    if (result.pickReset) ShowPickState(*this);
}

}  // namespace velmar
