// Drag and drop in the two views: slots reordered inside a set list, slots copied or moved
// into another set list, set lists reordered, with the drop line, the auto-scroll of both
// views and the set list switch while a slot is held over the set list view.

#include <QAbstractItemModel>
#include <QApplication>
#include <QGuiApplication>
#include <QListWidgetItem>
#include <QScrollBar>
#include <QTimer>

#include "document/Document.h"
#include "editing/DragDrop.h"
#include "editing/EditTypes.h"
#include "mainwindow/DragDropUi.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemPainter.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/ListItemDelegate.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "settings/IniStore.h"

namespace velmar {

namespace {

bool ShiftOrCtrl(Qt::KeyboardModifiers modifiers) {
    return (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) != 0;
}

// The first item in the view's client area.
int TopIndex(const QListView& view) {
    const QModelIndex index = view.indexAt(QPoint(1, 1));
    return index.isValid() ? index.row() : 0;
}

int RowAt(const QListView& view, QPoint pos) {
    const QModelIndex index = view.indexAt(pos);
    return index.isValid() ? index.row() : -1;
}

// Scrolls so that `row` is the first item; a row outside the items leaves the view as it is.
void SetTopIndex(QListView& view, int row) {
    if (view.model() == nullptr || row < 0 || row >= view.model()->rowCount()) return;
    const QModelIndex target = view.model()->index(row, 0);
    if (!view.isWrapping()) {
        view.scrollTo(target, QAbstractItemView::PositionAtTop);
        return;
    }
    // The slot view wraps its items into columns and scrolls sideways.
    QScrollBar* bar = view.horizontalScrollBar();
    const QRect top = view.visualRect(view.model()->index(TopIndex(view), 0));
    const int delta = view.visualRect(target).left() - top.left();
    if (view.horizontalScrollMode() == QAbstractItemView::ScrollPerPixel) {
        bar->setValue(bar->value() + delta);
    } else {
        const int pitch = view.gridSize().width() > 0 ? view.gridSize().width() : top.width();
        if (pitch > 0) bar->setValue(bar->value() + delta / pitch);
    }
}

void StartTimer(QTimer* timer) {
    if (!timer->isActive()) timer->start();  // a running timer keeps counting
}

void StopScrollTimer(QTimer* timer) {
    timer->stop();
    timer->setInterval(kScrollFirstInterval);
}

void SetRole(QListWidgetItem* item, int role, const QVariant& value) {
    if (item != nullptr && item->data(role) != value) item->setData(role, value);
}

}  // namespace

void TFormMain::DragDropUiDeleter::operator()(DragDropUi* ui) const {
    delete ui;
}

DragDrop& TFormMain::Drag() {
    return drag_->drag;
}

void TFormMain::RegisterDragDrop() {
    drag_.reset(new DragDropUi(*this));
    DragDropUi* ui = drag_.get();
    comboSlotNr_->viewport()->installEventFilter(ui);
    comboListNr_->viewport()->installEventFilter(ui);
    installEventFilter(ui);  // a modal window blocking this one
    // Connected after the navigation part of the press, so these run after it.
    connect(comboSlotNr_, &TListView::MouseDown, ui,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { ComboSlotNrMouseDownDrag(b, m); });
    connect(comboListNr_, &TListView::MouseDown, ui,
            [this](Qt::MouseButton b, Qt::KeyboardModifiers m) { ComboListNrMouseDownDrag(b, m); });
    // Losing the focus in either view ends any drag (timers and capture stay as they are).
    auto focusLeft = [this] {
        if (HasDocument()) ApplicationEvents1Deactivate();
    };
    connect(comboSlotNr_, &TListView::FocusLeft, ui, focusLeft);
    connect(comboListNr_, &TListView::FocusLeft, ui, focusLeft);
    connect(qApp, &QGuiApplication::applicationStateChanged, ui, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) ApplicationEvents1Deactivate();
    });
    // The set list view is refilled only when another document has been loaded.
    connect(comboListNr_->model(), &QAbstractItemModel::modelAboutToBeReset, ui,
            [this] { CancelDrag(); });
    connect(timerScrollSlot_, &QTimer::timeout, ui, [this] { TimerScrollSlotTimer(); });
    connect(timerScrollList_, &QTimer::timeout, ui, [this] { TimerScrollListTimer(); });
    connect(timerDropSlotAtList_, &QTimer::timeout, ui, [this] { TimerDropSlotAtListTimer(); });
}

// --- Drag roles of the items: what the painter shows for the drag ---

namespace {

void PaintSlotDragItem(TListView& view, const DragDrop& drag, int currentSetList, int row) {
    QListWidgetItem* item = view.item(row);
    if (item == nullptr) return;
    const DragState& st = drag.state;
    DropMark mark =
        ItemPainter::SlotDropMark(st.SlotDragActive, row, st.DragSourceSlot, st.DropTargetSlot);
    // In another set list the source's row number is a drop position like any other: the
    // dragged slot is inserted above the slot there.
    if (mark == DropMark::BlackTopAndBottom && !drag.SourceListShown(currentSetList))
        mark = DropMark::AmberTop;
    SetRole(item, roles::kDropMark, static_cast<int>(mark));
    SetRole(item, roles::kDragSource, st.SlotDragActive && row == st.DragSourceSlot);
    RepaintItem(view, row);
}

void PaintListDragItem(TListView& view, const DragDrop& drag, int row) {
    QListWidgetItem* item = view.item(row);
    if (item == nullptr) return;
    const DragState& st = drag.state;
    const DropMark mark = ItemPainter::ListDropMark(st.ListDragActive, row, st.DragSourceListRow,
                                                    st.DropTargetListRow);
    SetRole(item, roles::kDropMark, static_cast<int>(mark));
    RepaintItem(view, row);
}

// After a drag: no item keeps a source highlight or a drop line.
void ClearDragRoles(TListView& view) {
    for (int row = 0; row < view.count(); ++row) {
        QListWidgetItem* item = view.item(row);
        SetRole(item, roles::kDropMark, static_cast<int>(DropMark::None));
        SetRole(item, roles::kDragSource, false);
    }
}

// Called at the end of every drag handler: items of a view without a drag lose their marks.
void FinishDragRoles(DragDropUi& ui, TListView& slotView, TListView& listView) {
    if (!ui.drag.state.SlotDragActive && ui.slotRolesSet) {
        ClearDragRoles(slotView);
        ui.slotRolesSet = false;
    }
    if (!ui.drag.state.ListDragActive && ui.listRolesSet) {
        ClearDragRoles(listView);
        ui.listRolesSet = false;
    }
}

}  // namespace

// --- Slot view ---

void TFormMain::ComboSlotNrMouseDownDrag(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (!HasDocument()) return;
    DragDrop& drag = drag_->drag;
    drag.SlotPressed(currentSetList_);
    if (button != Qt::LeftButton) return;
    const QPoint screen = drag_->pressScreenPos;
    if (!drag.SlotLeftPressed(comboSlotNr_->ItemIndex(), screen.x(), screen.y(),
                              ShiftOrCtrl(modifiers), PickMode()))
        return;
    drag_->capture = DragDropUi::Capture::SlotView;
    StopScrollTimer(timerScrollSlot_);
    drag_->slotRolesSet = true;
    PaintSlotDragItem(*comboSlotNr_, drag, currentSetList_, drag.state.DragSourceSlot);
}

void TFormMain::ComboSlotNrMouseMove(Qt::MouseButtons buttons, QPoint pos) {
    DragDrop& drag = drag_->drag;
    SlotViewMetrics view;
    view.width = comboSlotNr_->viewport()->width();
    view.height = comboSlotNr_->viewport()->height();
    view.topIndex = TopIndex(*comboSlotNr_);
    view.itemCount = comboSlotNr_->count();
    view.columnCount = columns_.ColumnCount();
    view.itemHeight = ItemPainter::kItemHeight;
    // The client height already leaves out the horizontal scroll bar.
    view.scrollBarSize = 0;
    const SlotMoveSteps steps =
        drag.SlotMoved(pos.x(), RowAt(*comboSlotNr_, pos), (buttons & Qt::LeftButton) != 0,
                       timerScrollSlot_->isActive(), view);
    if (steps.releaseCapture) drag_->capture = DragDropUi::Capture::None;
    if (steps.stopScrollTimer) StopScrollTimer(timerScrollSlot_);
    if (steps.startScrollTimer) StartTimer(timerScrollSlot_);
    if (steps.repaintDropLine) {
        const DropLineRepaint repaint = drag.SlotDropLine(currentSetList_);
        PaintSlotDragItem(*comboSlotNr_, drag, currentSetList_, repaint.previous);
        PaintSlotDragItem(*comboSlotNr_, drag, currentSetList_, repaint.target);
    }
    FinishDragRoles(*drag_, *comboSlotNr_, *comboListNr_);
}

void TFormMain::TimerScrollSlotTimer() {
    timerScrollSlot_->setInterval(kSlotScrollInterval);
    SlotViewMetrics view;
    view.height = comboSlotNr_->viewport()->height();
    view.topIndex = TopIndex(*comboSlotNr_);
    view.columnCount = columns_.ColumnCount();
    view.itemHeight = ItemPainter::kItemHeight;
    SetTopIndex(*comboSlotNr_, drag_->drag.SlotScrollTop(view));
}

void TFormMain::ComboSlotNrMouseUp(QPoint pos, QPoint screenPos) {
    DragDrop& drag = drag_->drag;
    const SlotRelease release = drag.SlotReleased(
        pos.x(), pos.y(), comboSlotNr_->viewport()->width(), comboSlotNr_->viewport()->height(),
        screenPos.x(), screenPos.y(), currentSetList_);
    if (release != SlotRelease::NotDragging) StopScrollTimer(timerScrollSlot_);
    if (release == SlotRelease::NoDrop) drag_->capture = DragDropUi::Capture::None;
    FinishDragRoles(*drag_, *comboSlotNr_, *comboListNr_);
    if (release == SlotRelease::NotDragging || release == SlotRelease::NoDrop) return;

    MemoCommentExit();
    drag_->capture = DragDropUi::Capture::None;
    const int s = drag.state.DragSourceSlot;
    const int t = drag.state.DropTargetSlot;
    if (release == SlotRelease::ShowItem) {
        ShowSlot(comboSlotNr_->ItemIndex(), true);
        return;
    }
    int first = std::min(s, t);
    if (release == SlotRelease::MoveWithinList) {
        comboSlotNr_->SetSelected(s, false);
        MoveSlotInList(doc_, currentSetList_, s, t);
    } else {
        const bool clearSource = Ini().IniGetBool(QStringLiteral("DeleteDragSource"), false);
        const std::string error = InsertDraggedSlot(doc_, EditingState(), drag.state.DragFromList,
                                                    s, currentSetList_, t, clearSource);
        if (!error.empty()) {
            ShowError(QString::fromLatin1(error.c_str()));
            return;
        }
        first = t;
    }
    const int last = release == SlotRelease::MoveWithinList ? std::max(s, t) : kSlotCount - 1;
    for (int row = first; row <= last; ++row) {
        QListWidgetItem* item = comboSlotNr_->item(row);
        if (item == nullptr) continue;
        item->setText(FromFileText(ItemText(row, doc_.GetSlotName(currentSetList_, row))));
        item->setData(roles::kColorIndex, doc_.GetSlotColorIndex(currentSetList_, row));
        item->setData(roles::kSizeCode, doc_.GetSlotFontSize(currentSetList_, row));
    }
    ShowSlot(t, true);
    comboSlotNr_->clearSelection();
    comboSlotNr_->SetSelected(t, true);
}

// --- Set list view ---

void TFormMain::ComboListNrMouseDownDrag(Qt::MouseButton button,
                                         Qt::KeyboardModifiers /*modifiers*/) {
    if (button != Qt::LeftButton || !HasDocument()) return;
    DragDrop& drag = drag_->drag;
    const QPoint screen = drag_->pressScreenPos;
    drag.ListLeftPressed(comboListNr_->ItemIndex(), screen.x(), screen.y());
    drag_->capture = DragDropUi::Capture::ListView;
    StopScrollTimer(timerScrollList_);
    drag_->listRolesSet = true;
}

void TFormMain::ComboListNrMouseMove(Qt::MouseButtons buttons, QPoint pos) {
    DragDrop& drag = drag_->drag;
    const int height = comboListNr_->viewport()->height();
    const ListMoveSteps steps = drag.ListMoved(
        pos.y(), RowAt(*comboListNr_, QPoint(0, pos.y())), (buttons & Qt::LeftButton) != 0,
        timerScrollList_->isActive(), height, TopIndex(*comboListNr_), comboListNr_->count());
    if (steps.releaseCapture) drag_->capture = DragDropUi::Capture::None;
    if (steps.startDropSlotAtListTimer) StartTimer(timerDropSlotAtList_);
    if (steps.stopScrollTimer) StopScrollTimer(timerScrollList_);
    if (steps.repaintDropLine) {
        const DropLineRepaint repaint = drag.ListDropLine();
        PaintListDragItem(*comboListNr_, drag, repaint.previous);
        PaintListDragItem(*comboListNr_, drag, repaint.target);
    }
    if (steps.startScrollTimer) StartTimer(timerScrollList_);
    FinishDragRoles(*drag_, *comboSlotNr_, *comboListNr_);
}

void TFormMain::TimerScrollListTimer() {
    DragDrop& drag = drag_->drag;
    timerScrollList_->setInterval(kListScrollInterval);
    QWidget* port = comboListNr_->viewport();
    const QPoint pointer = port->mapFromGlobal(drag_->lastScreenPos);
    const bool overItem = port->rect().contains(pointer) && RowAt(*comboListNr_, pointer) >= 0;
    const ListScrollStep step =
        drag.ListScroll(TopIndex(*comboListNr_), comboListNr_->count(), overItem);
    if (step.stopTimer) StopScrollTimer(timerScrollList_);
    if (!step.scroll) return;
    SetTopIndex(*comboListNr_, step.newTop);
    const DropLineRepaint repaint = drag.ListDropLine();
    PaintListDragItem(*comboListNr_, drag, repaint.previous);
    PaintListDragItem(*comboListNr_, drag, repaint.target);
}

void TFormMain::ComboListNrMouseUp(QPoint /*pos*/, QPoint screenPos) {
    DragDrop& drag = drag_->drag;
    const bool listDrag = drag.state.ListDragActive;
    const bool drop = drag.ListReleased(screenPos.x(), screenPos.y());
    if (listDrag) {
        StopScrollTimer(timerScrollList_);
        drag_->capture = DragDropUi::Capture::None;
    }
    FinishDragRoles(*drag_, *comboSlotNr_, *comboListNr_);
    if (!drop) return;
    const int s = drag.state.DragSourceListRow;
    const int t = drag.state.DropTargetListRow;
    MoveSetList(doc_, s, t);
    for (int row = std::min(s, t); row <= std::max(s, t); ++row)
        if (QListWidgetItem* item = comboListNr_->item(row))
            item->setText(FromFileText(ItemText(row, doc_.GetListName(row))));
    ShowSetList(t, true, true);
    doc_.SetFileModified(true);
}

// The slot has been held over the set list view long enough: show the set list under it, so
// that the slot can be dropped there.
void TFormMain::TimerDropSlotAtListTimer() {
    MemoCommentExit();
    DragDrop& drag = drag_->drag;
    const int list = drag.ListToShow();
    if (list >= 0 && HasDocument()) {
        ShowSetList(list, true, true);
        // The new items: the source's row number is highlighted in whatever set list is shown.
        PaintSlotDragItem(*comboSlotNr_, drag, currentSetList_, drag.state.DragSourceSlot);
        drag.state.PrevDropTargetSlot = drag.state.DragSourceSlot;
    }
    timerDropSlotAtList_->stop();
}

// --- Ending a drag from outside ---

// Also the drag part of losing the focus in either view.
void TFormMain::ApplicationEvents1Deactivate() {
    drag_->drag.EndDrags();
    FinishDragRoles(*drag_, *comboSlotNr_, *comboListNr_);
}

void TFormMain::CancelDrag() {
    if (!drag_) return;
    drag_->drag.EndDrags();
    drag_->drag.state.DropListIndex = kNoDropList;
    drag_->capture = DragDropUi::Capture::None;
    StopScrollTimer(timerScrollSlot_);
    StopScrollTimer(timerScrollList_);
    timerDropSlotAtList_->stop();
    FinishDragRoles(*drag_, *comboSlotNr_, *comboListNr_);
}

}  // namespace velmar
