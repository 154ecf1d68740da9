// Showing a set list in the slot view and a slot in the details panel, the edits of the name
// field and the comment editor, and the answers to the document's notifications.

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QPushButton>

#include "mainwindow/CommentFormatter.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/ListItemDelegate.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"

namespace velmar {

namespace {

const QColor kTransposeSet{248, 80, 105};
const QColor kAccent{253, 190, 2};

bool ValidIndex(int i) {
    return i >= 0 && i < kSlotCount;
}

QString ThreeDigits(int i) {
    return QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
}

void SetFieldBackground(QLineEdit* field, const QColor& color) {
    field->setStyleSheet(QStringLiteral("QLineEdit { background: %1; }").arg(color.name()));
}

QString CommentToEditor(const std::string& bytes) {
    QString text = FromFileText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

std::string TFormMain::EditorCommentBytes() const {
    const QString text = memoComment_->toPlainText();
    // An unedited comment goes back byte for byte, whatever its line breaks were.
    if (text == shownCommentText_) return shownCommentBytes_;
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return ToFileText(crlf);
}

void TFormMain::ShowSetList(int list, bool showItsSlot, bool deselectPrevious) {
    WaitCursor wait;
    if (deselectPrevious && list != currentSetList_)
        comboListNr_->SetSelected(currentSetList_, false);
    if (lastListToggle_)
        lastListA_ = list;
    else
        lastListB_ = list;
    lastListToggle_ = !lastListToggle_;
    comboListNr_->SetItemIndex(list);
    if (!ValidIndex(list) || !HasDocument()) return;

    currentSetList_ = list;
    currentListPtr_ = doc_.GetList(list);
    comboSlotNr_->setUpdatesEnabled(false);
    comboSlotNr_->clear();
    for (int s = 0; s < kSlotCount; ++s) {
        auto* item = new QListWidgetItem(FromFileText(ItemText(s, doc_.GetSlotName(list, s))));
        item->setData(roles::kColorIndex, doc_.GetSlotColorIndex(list, s));
        item->setData(roles::kSizeCode, doc_.GetSlotFontSize(list, s));
        comboSlotNr_->addItem(item);
    }
    comboSlotNr_->setUpdatesEnabled(true);
    comboListNr_->SetSelected(list, true);
    comboListNr_->scrollToItem(comboListNr_->item(list));
    if (showItsSlot) ShowSlot(lastSlotOfList_[static_cast<std::size_t>(list)], true);
    syncedSlot_ = -1;
}

void TFormMain::ShowSlot(int slot, bool deselectOthers) {
    if (showingSlot_ || !ValidIndex(slot)) return;
    if (deselectOthers) {
        for (QListWidgetItem* item : comboSlotNr_->selectedItems())
            if (comboSlotNr_->row(item) != slot) item->setSelected(false);
    }
    // Slot jump: the entry the next shown slot overwrites keeps the slot shown before.
    if (slot == currentSlot_) {
        std::swap(abListA_, abListB_);
        std::swap(abSlotA_, abSlotB_);
    } else if (abToggle_) {
        abListA_ = currentSetList_;
        abSlotA_ = slot;
    } else {
        abListB_ = currentSetList_;
        abSlotB_ = slot;
    }
    abToggle_ = !abToggle_;
    if (!HasDocument() || FileName().isEmpty()) return;

    showingSlot_ = true;
    const int a = currentSetList_;
    editSlotNr_->setText(ThreeDigits(slot));
    editSlotName_->setText(comboSlotNr_->NameOf(slot));
    editSlotName_->selectAll();
    editSound_->setText(FromFileText(doc_.GetSoundText(a, slot, false)));
    editVol_->setText(FromFileText(doc_.GetVolumeText(a, slot)));
    editSST_->setText(FromFileText(doc_.GetHoldText(a, slot)));
    editTranspose_->setText(FromFileText(doc_.GetTransposeText(a, slot)));
    SetFieldBackground(editTranspose_,
                       editTranspose_->text() == QLatin1String("T 0") ? kAccent : kTransposeSet);

    panelCommentBorder_->setEnabled(false);
    const int code = doc_.GetSlotFontSize(a, slot);
    if (const std::optional<CommentFont> font = CommentFontForSizeCode(code)) {
        PressSizeButton(code);
        commentFontSize_ = font->points;
        blankSizeDelta_ = font->blankDelta;
        commentFontName_ = font->family;
    }
    panelCommentBorder_->setFixedWidth(code == 2 ? 675 : 772);
    memoComment_->SetTypingFont(commentFontName_, commentFontSize_, blankSizeDelta_);

    memoComment_->clear();
    QTextCharFormat format;
    format.setFontPointSize(commentFontSize_);
    format.setForeground(kCommentText);
    memoComment_->setCurrentCharFormat(format);
    shownCommentBytes_ = doc_.GetSlotComment(a, slot);
    memoComment_->setPlainText(CommentToEditor(shownCommentBytes_));
    shownCommentText_ = memoComment_->toPlainText();

    SetColorButton(QColor::fromRgb(doc_.GetSlotColor(a, slot)));
    const bool small = sizeButtons_[0]->isChecked() || sizeButtons_[1]->isChecked();
    if (const auto background = ShowSlotCommentBackground(umlautCheck_, small, shownCommentText_))
        velmar::SetCommentBackground(*memoComment_, *background);
    FormatMemoComment();
    panelCommentBorder_->setEnabled(true);

    comboSlotNr_->SetItemIndex(slot);
    currentSlot_ = slot;
    comboSlotNr_->SetSelected(slot, true);
    comboSlotNr_->scrollToItem(comboSlotNr_->item(slot));
    RepaintSlotItem(slot);
    lastSlotOfList_[static_cast<std::size_t>(a)] = slot;
    showingSlot_ = false;
}

void TFormMain::EditSlotNameChange() {
    if (showingSlot_ || !HasDocument()) return;
    const QString text = editSlotName_->text();
    const std::string bytes = ToFileText(text);
    // What the code page cannot hold is stored as '?': the field shows what was stored.
    const QString stored = FromFileText(bytes);
    if (stored != text) {
        const int cursor = editSlotName_->cursorPosition();
        const QSignalBlocker block(editSlotName_);
        editSlotName_->setText(stored);
        editSlotName_->setCursorPosition(cursor);
    }
    doc_.SetFileModified(true);
    doc_.SetSlotName(currentSetList_, currentSlot_, bytes);
}

void TFormMain::MemoCommentChange() {
    if (!showingSlot_ && HasDocument()) doc_.SetFileModified(true);
}

void TFormMain::MemoCommentExit() {
    if (!HasDocument() || showingSlot_) return;
    WriteEditorComment();
}

void TFormMain::WriteEditorComment() {
    doc_.SetSlotComment(currentSetList_, currentSlot_, EditorCommentBytes(), true);
    shownCommentBytes_ = doc_.GetSlotComment(currentSetList_, currentSlot_);
    shownCommentText_ = memoComment_->toPlainText();
}

void TFormMain::MemoCommentKeyUp(QKeyEvent* event) {
    if (event->key() == Qt::Key_V && (event->modifiers() & Qt::ControlModifier))
        FormatMemoComment();
}

void TFormMain::FormatMemoComment() {
    const bool wasShowing = showingSlot_;
    showingSlot_ = true;  // formatting is no edit
    FormatComment(*memoComment_, CommentFont{commentFontName_, commentFontSize_, blankSizeDelta_,
                                             panelCommentBorder_->width()});
    showingSlot_ = wasShowing;
}

void TFormMain::SlotNameWritten(int a, int s, const std::string& text) {
    if (a != currentSetList_) return;
    if (QListWidgetItem* item = comboSlotNr_->item(s))
        item->setText(FromFileText(ItemText(s, text)));
}

void TFormMain::SlotCommentWritten(bool umlautSeen) {
    const bool small = sizeButtons_[0]->isChecked() || sizeButtons_[1]->isChecked();
    velmar::SetCommentBackground(*memoComment_,
                                 WrittenCommentBackground(umlautCheck_, small, umlautSeen));
}

void TFormMain::SlotColorWritten(int a, int s) {
    if (a != currentSetList_) return;
    if (QListWidgetItem* item = comboSlotNr_->item(s))
        item->setData(roles::kColorIndex, doc_.GetSlotColorIndex(a, s));
    RepaintSlotItem(s);
}

void TFormMain::TabsReplaced() {
    ShowInfo(QStringLiteral("Info: TABS have been deleted. KRONOS cannot handle them"));
}

void TFormMain::RepaintSlotItem(int s) {
    RepaintItem(*comboSlotNr_, s);
}

}  // namespace velmar
