#include "mainwindow/DragDropUi.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>

#include "mainwindow/FormMain.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/MainControls.h"

namespace velmar {

DragDropUi::DragDropUi(TFormMain& form) : form_(form) {}

bool DragDropUi::Dragging() const {
    return drag.state.SlotDragActive || drag.state.ListDragActive;
}

TListView* DragDropUi::Receiver(QPoint screenPos) const {
    TListView* slotView = form_.ComboSlotNr();
    TListView* listView = form_.ComboListNr();
    if (capture == Capture::SlotView) return slotView;
    if (capture == Capture::ListView) return listView;
    for (TListView* view : {slotView, listView}) {
        QWidget* port = view->viewport();
        if (port->isVisible() && port->rect().contains(port->mapFromGlobal(screenPos))) return view;
    }
    return nullptr;
}

bool DragDropUi::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_) {
        if (event->type() == QEvent::WindowBlocked) form_.CancelDrag();
        return false;
    }
    TListView* slotView = form_.ComboSlotNr();
    TListView* listView = form_.ComboListNr();
    QWidget* port = qobject_cast<QWidget*>(watched);
    if (forwarding_ || port == nullptr ||
        (port != slotView->viewport() && port != listView->viewport()))
        return false;
    switch (event->type()) {
        case QEvent::Paint:
            NotePaint(port == slotView->viewport() ? slotView : listView, event);
            return false;
        case QEvent::MouseButtonPress: {
            // Kept for the drag part of the press, which runs after the view has moved its
            // item index.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressPos = mouse->position().toPoint();
            pressScreenPos = mouse->globalPosition().toPoint();
            lastScreenPos = pressScreenPos;
            pressedViewport = port;
            return false;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return PointerEvent(port, event);
        default:
            return false;
    }
}

bool DragDropUi::PointerEvent(QWidget* /*viewport*/, QEvent* event) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint screen = mouse->globalPosition().toPoint();
    lastScreenPos = screen;
    if (!Dragging() && capture == Capture::None) return false;  // the view's own business
    const bool dragging = Dragging();
    TListView* slotView = form_.ComboSlotNr();
    TListView* listView = form_.ComboListNr();
    TListView* receiver = Receiver(screen);

    if (event->type() == QEvent::MouseMove) {
        if (receiver == slotView)
            form_.ComboSlotNrMouseMove(mouse->buttons(),
                                       slotView->viewport()->mapFromGlobal(screen));
        else if (receiver == listView)
            form_.ComboListNrMouseMove(mouse->buttons(),
                                       listView->viewport()->mapFromGlobal(screen));
        return dragging;
    }

    if (mouse->button() != Qt::LeftButton) return dragging;
    // The pressed view ends its press as a click where it was pressed (the selection the press
    // made stays); the drop then sets what it needs. After a set list switch the pressed slot
    // item is gone, so there is nothing to end.
    const bool pressedItemShown =
        pressedViewport != slotView->viewport() || drag.SourceListShown(form_.CurrentSetList());
    if (pressedViewport != nullptr && pressedItemShown) {
        QMouseEvent click(QEvent::MouseButtonRelease, QPointF(pressPos),
                          QPointF(pressedViewport->mapToGlobal(pressPos)), Qt::LeftButton,
                          mouse->buttons(), mouse->modifiers());
        forwarding_ = true;
        QCoreApplication::sendEvent(pressedViewport, &click);
        forwarding_ = false;
    }
    pressedViewport = nullptr;
    if (receiver == slotView)
        form_.ComboSlotNrMouseUp(slotView->viewport()->mapFromGlobal(screen), screen);
    else if (receiver == listView)
        form_.ComboListNrMouseUp(listView->viewport()->mapFromGlobal(screen), screen);
    else
        form_.CancelDrag();  // released outside both views: no drop
    return true;
}

void DragDropUi::NotePaint(TListView* view, QEvent* event) {
    const DragState& st = drag.state;
    int row = -1;
    if (view == form_.ComboSlotNr()) {
        if (!st.SlotDragActive) return;
        row = st.DropTargetSlot;
    } else {
        if (!st.ListDragActive) return;
        row = st.DropTargetListRow;
    }
    const QListWidgetItem* item = view->item(row);
    if (item == nullptr || item->data(roles::kDropMark).toInt() == 0) return;
    const auto* paint = static_cast<QPaintEvent*>(event);
    if (paint->region().intersects(view->visualItemRect(item))) drag.state.DropMarkDrawn = true;
}

}  // namespace velmar
