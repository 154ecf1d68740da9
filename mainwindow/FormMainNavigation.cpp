// Navigation and selection: previous and next slot and set list, the two last-selected jumps,
// select all, the focus commands, mouse and keys in the two views; and the views' column
// rules, focus changes and the size buttons.

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "mainwindow/FormMain.h"
#include "mainwindow/ItemPainter.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/ListItemDelegate.h"
#include "mainwindow/MainControls.h"

namespace velmar {

namespace {

bool ShiftOrCtrl(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
}

}  // namespace

// --- Previous / next ---

void TFormMain::MenuPrevSlotClick() {
    if (!HasDocument()) return;
    const int index = comboSlotNr_->ItemIndex();
    if (index > 0 && comboSlotNr_->IsSelected(index)) {
        MemoCommentExit();  // the comment typed so far must not be lost
        ShowSlot(index - 1, true);
    }
}

void TFormMain::MenuNextSlotClick() {
    if (!HasDocument()) return;
    const int index = comboSlotNr_->ItemIndex();
    if (index < kSlotCount - 1) {
        MemoCommentExit();
        ShowSlot(index + 1, true);
    }
}

void TFormMain::MenuPrevListClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    const int index = comboListNr_->ItemIndex();
    if (index > 0) ShowSetList(index - 1, true, true);
}

void TFormMain::MenuNextListClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    const int index = comboListNr_->ItemIndex();
    if (index < kSetListCount - 1) ShowSetList(index + 1, true, true);
}

// --- The two jumps ---

void TFormMain::MenuLastSelectedClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    int target = 0;
    if (abToggle_) {
        comboSlotNr_->SetSelected(abSlotB_, false);
        if (abListA_ != currentSetList_) ShowSetList(abListA_, false, true);
        target = abSlotA_;
    } else {
        comboSlotNr_->SetSelected(abSlotA_, false);
        if (abListB_ != currentSetList_) ShowSetList(abListB_, false, true);
        target = abSlotB_;
    }
    ShowSlot(target, false);
    comboSlotNr_->SetSelected(target, true);
}

void TFormMain::MenuLastSelectedListClick() {
    if (!HasDocument()) return;
    MemoCommentExit();
    ShowSetList(lastListToggle_ ? lastListA_ : lastListB_, true, true);
}

// --- Selection and focus ---

void TFormMain::MenuSelectAllClick() {
    if (memoComment_->hasFocus())
        memoComment_->selectAll();
    else if (editSlotName_->hasFocus())
        editSlotName_->selectAll();
    else if (comboSlotNr_->hasFocus() && HasDocument())
        comboSlotNr_->selectAll();
}

void TFormMain::MenuFocusNameClick() {
    editSlotName_->setFocus(Qt::ShortcutFocusReason);
}

void TFormMain::MenuFocusCommentClick() {
    memoComment_->setFocus(Qt::ShortcutFocusReason);
}

// --- Mouse and keys in the views ---

void TFormMain::ComboSlotNrMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton || !HasDocument()) return;
    // The view has already moved its item index to the slot under the pointer.
    if (!ShiftOrCtrl(modifiers)) ShowSlot(comboSlotNr_->ItemIndex(), true);
}

void TFormMain::ComboSlotNrKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    if (!HasDocument()) return;
    if (key == Qt::Key_Delete && !IsPending(QStringLiteral("MenuCutClick"))) MenuCutClick();
    const int index = comboSlotNr_->ItemIndex();
    if (!ShiftOrCtrl(modifiers) && index >= 0 && index != currentSlot_) ShowSlot(index, false);
}

void TFormMain::ComboListNrMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton || !HasDocument()) return;
    const int index = comboListNr_->ItemIndex();
    if (!ShiftOrCtrl(modifiers) && index >= 0) ShowSetList(index, true, false);
}

void TFormMain::ComboListNrClick() {
    if (!HasDocument()) return;
    const int index = comboListNr_->ItemIndex();
    if (index >= 0 && index != currentSetList_) ShowSetList(index, true, true);
}

// --- Focus changes: the highlighted items follow the focus at once ---

void TFormMain::RepaintSelectedItems(TListView* view) {
    if (HasDocument()) view->viewport()->update();
}

void TFormMain::ComboSlotNrEnter() {
    RepaintSelectedItems(comboSlotNr_);
}
void TFormMain::ComboSlotNrExit() {
    RepaintSelectedItems(comboSlotNr_);
}
void TFormMain::ComboListNrEnter() {
    RepaintSelectedItems(comboListNr_);
}
void TFormMain::ComboListNrExit() {
    RepaintSelectedItems(comboListNr_);
}

// --- Columns of the slot view ---

void TFormMain::AdjustSlotColumns() {
    if (columns_.ColumnCount() == 0) return;
    ApplySlotColumns(*comboSlotNr_, columns_, editNumCols_->value());
}

void TFormMain::EditNumColsChange() {
    bool ok = false;
    const int setting = editNumCols_->text().toInt(&ok);
    // A field being retyped (empty) keeps the count it had.
    if (!ok || comboSlotNr_->height() == 0) return;
    columns_.OnColumnsChanged(setting, comboSlotNr_->height(), ItemPainter::kItemHeight);
    AdjustSlotColumns();
    EnsureSixteenRows();
}

void TFormMain::FormResize() {
    if (panelTool_ == nullptr || comboSlotNr_ == nullptr) return;
    const int barWidth = panelMenu_->width();
    const int colorRight = buttonColor_->x() + buttonColor_->width();
    const int toolLeft =
        colorRight + 100 < barWidth ? barWidth - panelTool_->width() - 5 : colorRight + 10;
    panelTool_->move(toolLeft, panelTool_->y());
    columns_.OnResize(editNumCols_->value(), comboSlotNr_->height(), ItemPainter::kItemHeight);
    AdjustSlotColumns();
}

// --- Size buttons ---

void TFormMain::SizeButtonClick(int code) {
    if (!HasDocument()) return;
    MemoCommentExit();
    for (int s = 0; s < kSlotCount; ++s) {
        if (!comboSlotNr_->IsSelected(s)) continue;
        doc_.SetSlotFontSize(currentSetList_, s, code);
        comboSlotNr_->item(s)->setData(roles::kSizeCode, code);
    }
    ShowSlot(comboSlotNr_->ItemIndex(), false);
    PressSizeButton(code);
}

}  // namespace velmar
