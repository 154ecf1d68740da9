#pragma once

#include <QObject>
#include <QPoint>

#include "editing/DragDrop.h"

class QListView;
class QWidget;

// The main window's side of dragging: the drag state, the mouse capture, and the events of the
// two views' client areas turned into the window's handlers. While a button is held, Qt sends
// every pointer event to the view it was pressed in; a captured view gets them as its own,
// without capture they go to the view under the pointer, as the window system would send
// them. Events of a drag never reach the views themselves, so a drag does not select ranges.
namespace velmar {

class TFormMain;
class TListView;

class DragDropUi : public QObject {
    Q_OBJECT
  public:
    enum class Capture { None, SlotView, ListView };

    explicit DragDropUi(TFormMain& form);

    DragDrop drag;
    Capture capture = Capture::None;
    // The press in the client coordinates of the view it happened in.
    QPoint pressPos;
    QPoint pressScreenPos;
    QWidget* pressedViewport = nullptr;
    // The pointer at the last mouse event of either view, on the screen.
    QPoint lastScreenPos;
    // Items carry drag roles (source highlight, drop line) that must go when the drag ends.
    bool slotRolesSet = false;
    bool listRolesSet = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The view that receives a pointer event at `screenPos`: the captured one, or else the
    // one under the pointer (nullptr for none).
    [[nodiscard]] TListView* Receiver(QPoint screenPos) const;
    [[nodiscard]] bool Dragging() const;
    bool PointerEvent(QWidget* viewport, QEvent* event);
    // Sets DropMarkDrawn when a paint covers the drop target while it shows its line.
    void NotePaint(TListView* view, QEvent* event);

    TFormMain& form_;
    bool forwarding_ = false;
};

}  // namespace velmar
