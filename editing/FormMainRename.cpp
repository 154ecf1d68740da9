// Renaming a set list (F2, double-click in the set list view) or a slot (double-click in the
// slot view) through the name prompt, and the three conversions of the selected slot names.

#include <QLineEdit>

#include "editing/EditingViews.h"
#include "editing/Rename.h"
#include "editing/RenameDialog.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"

namespace velmar {

namespace {

// The prompt's answer as file text; nothing when it was refused or cancelled.
std::optional<std::string> AskName(QWidget* parent, const Prompt& prompt) {
    if (!prompt.error.empty()) {
        ShowError(FromBytes(prompt.error));
        return std::nullopt;
    }
    const std::optional<QString> text = RunNamePrompt(
        parent, FromBytes(prompt.caption), FromBytes(prompt.label), FromBytes(prompt.text));
    if (!text) return std::nullopt;
    return ToFileText(*text);
}

}  // namespace

void TFormMain::MenuRenameListClick() {
    const int list = currentSetList_;
    const auto text = AskName(this, RenameListPrompt(doc_, list, SelectedLists(*comboListNr_)));
    if (!text) return;
    const RenameResult result = RenameList(doc_, list, *text);
    if (!result.error.empty()) {
        ShowError(FromBytes(result.error));
        return;
    }
    if (QListWidgetItem* item = comboListNr_->item(result.item))
        item->setText(FromBytes(result.itemText));
}

void TFormMain::ComboSlotNrDblClick() {
    const int list = currentSetList_;
    const int slot = currentSlot_;
    const auto text = AskName(this, RenameSlotPrompt(doc_, list, slot));
    if (!text) return;
    const RenameResult result = RenameSlot(doc_, list, slot, *text);
    if (!result.error.empty()) {
        ShowError(FromBytes(result.error));
        return;
    }
    if (QListWidgetItem* item = comboSlotNr_->item(result.item))
        item->setText(FromBytes(result.itemText));
    editSlotName_->setText(FromBytes(result.nameField));
}

namespace {

void Convert(TFormMain& form, Conversion kind) {
    const SlotSelection selected = SelectedSlots(*form.ComboSlotNr());
    if (kind == Conversion::SoundAndName) form.MemoCommentExit();
    if (!Confirm(ConversionQuestion(form.Doc(), kind, selected))) return;
    if (kind == Conversion::SoundAndName) form.ComboSlotNr()->setFocus(Qt::OtherFocusReason);
    const ConversionResult result =
        ConvertSlotNames(form.Doc(), kind, form.CurrentSetList(), form.CurrentSlot(), selected);
    if (!result.error.empty()) {
        ShowError(FromBytes(result.error));
        return;
    }
    // The view items follow each name write; the panel shows the current slot's name, which
    // its change handling writes to the slot again.
    form.EditSlotNr()->setText(FromBytes(result.slotNrField));
    form.EditSlotName()->setText(FromBytes(result.nameField));
}

}  // namespace

void TFormMain::mnuUpperClick() {
    Convert(*this, Conversion::Upper);
}

void TFormMain::mnuLowerClick() {
    Convert(*this, Conversion::FirstLetterUpper);
}

void TFormMain::MenuSoundAndNameClick() {
    Convert(*this, Conversion::SoundAndName);
}

}  // namespace velmar
