// Dragging in the main window with synthesized mouse events: reordering slotView and set listView,
// inserting a slot into another set list, the rules on what counts as a drop, auto-scroll and
// the ways a drag ends without a drop. The drag clock is the test's, so nothing sleeps.

#include <QDialog>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "document/Layout.h"
#include "editing/DragDrop.h"
#include "mainwindow/ItemPainter.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

// One drag as the window system delivers it: every event after the press goes to the view
// that was pressed, with the pointer's screen position.
class Mouse {
  public:
    explicit Mouse(TestFormMain& form, std::int64_t& clock) : form_(form), clock_(clock) {}

    void Press(TListView* view, QPoint local, Qt::KeyboardModifiers modifiers = {}) {
        port_ = view->viewport();
        Send(QEvent::MouseButtonPress, port_->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
             modifiers);
    }
    void PressItem(TListView* view, int row) { Press(view, Center(view, row)); }
    // Moves with the left button held; `ms` pass first.
    void MoveTo(QPoint screen, int ms = 50) {
        clock_ += ms;
        Send(QEvent::MouseMove, screen, Qt::NoButton, Qt::LeftButton);
    }
    void MoveToItem(TListView* view, int row, int ms = 50) {
        MoveTo(view->viewport()->mapToGlobal(Center(view, row)), ms);
    }
    void Release(QPoint screen, int ms = 50) {
        clock_ += ms;
        Send(QEvent::MouseButtonRelease, screen, Qt::LeftButton, Qt::NoButton);
    }
    void ReleaseOnItem(TListView* view, int row, int ms = 50) {
        Release(view->viewport()->mapToGlobal(Center(view, row)), ms);
    }

    static QPoint Center(TListView* view, int row) {
        return view->visualItemRect(view->item(row)).center();
    }

  private:
    void Send(QEvent::Type type, QPoint screen, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, QPointF(port_->mapFromGlobal(screen)), QPointF(screen), button,
                          buttons, modifiers);
        QApplication::sendEvent(port_, &event);
        QApplication::processEvents();  // the repaints that draw the drop line
    }

    TestFormMain& form_;
    std::int64_t& clock_;
    QWidget* port_ = nullptr;
};

QStringList SlotNames(const Document& doc, int list) {
    QStringList names;
    for (int s = 0; s < kSlotCount; ++s) names << FromFileText(doc.GetSlotName(list, s));
    return names;
}

QStringList ListNames(const Document& doc) {
    QStringList names;
    for (int a = 0; a < kSetListCount; ++a) names << FromFileText(doc.GetListName(a));
    return names;
}

QStringList Moved(QStringList names, int s, int t) {
    names.move(s, t);
    return names;
}

QList<int> SelectedRows(const TListView* view) {
    QList<int> rows;
    for (int r = 0; r < view->count(); ++r)
        if (view->IsSelected(r)) rows << r;
    return rows;
}

// No item keeps a drag mark once the drag is over.
bool NoDragMarks(const TListView* view) {
    for (int r = 0; r < view->count(); ++r) {
        if (view->item(r)->data(roles::kDropMark).toInt() != 0) return false;
        if (view->item(r)->data(roles::kDragSource).toBool()) return false;
    }
    return true;
}

}  // namespace

class TestDrag : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reorderSlots_data();
    void reorderSlots();
    void rejectedSlotDrags_data();
    void rejectedSlotDrags();
    void insertIntoOtherSetList_data();
    void insertIntoOtherSetList();
    void shortHoverSwitchesNothing();
    void reorderSetLists();
    void autoScroll();
    void dragEndsWithoutDrop_data();
    void dragEndsWithoutDrop();

  private:
    // Shows set list `list` and holds slot `slot` over set list `target` until it is shown.
    void DragSlotToOtherList(Mouse& mouse, int list, int slot, int target);
    void OpenWindow(const fixtures::PcgImage& image);

    QTemporaryDir dir_;
    fixtures::PcgImage image_;
    std::unique_ptr<MemorySettings> settings_;
    std::unique_ptr<ScriptedMessages> boxes_;
    std::unique_ptr<TestFormMain> form_;
    std::int64_t clock_ = 100000;
};

void TestDrag::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgOptions options;
    options.blank = true;
    image_ = fixtures::GeneratePcg(options);
    for (int a : {3, 5, 8})
        for (int s = 0; s < kSlotCount; ++s)
            fixtures::PutSlotName(image_, a, s, QString("L%1 S%2").arg(a).arg(s).toStdString());
    fixtures::PutSlotName(image_, 8, 127, "");  // room for an insert
    fixtures::PutSlotComment(image_, 3, 10, "Count in");
    for (int a = 0; a < kSetListCount; ++a)
        fixtures::PutListName(image_, a, "Set " + std::to_string(a));
    fixtures::FixChecksum(image_);
}

void TestDrag::init() {
    settings_ = std::make_unique<MemorySettings>();
    boxes_ = std::make_unique<ScriptedMessages>();
    settings_->Put("DonationPressed1.0.4", "1");
}

void TestDrag::cleanup() {
    form_.reset();
    boxes_.reset();
    settings_.reset();
}

void TestDrag::OpenWindow(const fixtures::PcgImage& image) {
    const QString file = WritePcg(dir_.filePath("drag.pcg"), image);
    form_ = StartWindow({file});
    QVERIFY(form_->Doc().FileLoaded());
    form_->Drag().SetTickSource([this] { return clock_; });
    form_->ShowSetList(5, true, true);
    QApplication::processEvents();
}

void TestDrag::reorderSlots_data() {
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("t");
    QTest::newRow("down: 2 onto 5") << 2 << 5;
    QTest::newRow("up: 5 onto 2") << 5 << 2;
    QTest::newRow("onto itself") << 5 << 5;
}

void TestDrag::reorderSlots() {
    QFETCH(int, s);
    QFETCH(int, t);
    OpenWindow(image_);
    TListView* slotView = form_->ComboSlotNr();
    const QStringList before = SlotNames(form_->Doc(), 5);
    Mouse mouse(*form_, clock_);

    mouse.PressItem(slotView, s);
    QVERIFY(form_->Drag().state.SlotDragActive);
    QVERIFY(slotView->item(s)->data(roles::kDragSource).toBool());
    mouse.MoveTo(slotView->viewport()->mapToGlobal(Mouse::Center(slotView, s) + QPoint(0, 4)));
    const QPoint end = slotView->viewport()->mapToGlobal(Mouse::Center(slotView, t) + QPoint(0, 3));
    mouse.MoveTo(end);
    if (s != t) {
        QVERIFY(form_->Drag().state.DropMarkDrawn);
        QCOMPARE(slotView->item(t)->data(roles::kDropMark).toInt(),
                 static_cast<int>(t > s ? DropMark::AmberBottom : DropMark::AmberTop));
    }
    mouse.Release(end, 300);

    QCOMPARE(SlotNames(form_->Doc(), 5), Moved(before, s, t));
    QCOMPARE(form_->Doc().FileModified(), s != t);
    QCOMPARE(slotView->NameOf(t), before.at(s));
    QCOMPARE(form_->CurrentSlot(), t);
    QCOMPARE(SelectedRows(slotView), QList<int>{t});
    QVERIFY(!form_->Drag().state.SlotDragActive);
    QVERIFY(NoDragMarks(slotView));
}

void TestDrag::rejectedSlotDrags_data() {
    QTest::addColumn<QPoint>("releaseOffset");  // from the centre of item 5 (or 3 for tiny)
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("heldMs");
    QTest::newRow("quick") << QPoint(0, 0) << 5 << 150;
    QTest::newRow("tiny, into the next item") << QPoint(0, 0) << 3 << 900;
    QTest::newRow("released right of the view") << QPoint(4000, 0) << 5 << 900;
}

void TestDrag::rejectedSlotDrags() {
    QFETCH(QPoint, releaseOffset);
    QFETCH(int, target);
    QFETCH(int, heldMs);
    OpenWindow(image_);
    TListView* slotView = form_->ComboSlotNr();
    const QStringList before = SlotNames(form_->Doc(), 5);
    Mouse mouse(*form_, clock_);

    QPoint press = Mouse::Center(slotView, 2);
    if (target == 3)
        press = slotView->visualItemRect(slotView->item(2)).bottomLeft() + QPoint(20, -1);
    mouse.Press(slotView, press);
    const QPoint end = target == 3
                           ? slotView->viewport()->mapToGlobal(press + QPoint(0, 2))
                           : slotView->viewport()->mapToGlobal(Mouse::Center(slotView, target));
    mouse.MoveTo(end, heldMs / 2);
    QCOMPARE(form_->Drag().state.DropTargetSlot, target);
    mouse.MoveTo(end + releaseOffset, 0);
    mouse.Release(end + releaseOffset, heldMs / 2);

    QCOMPARE(SlotNames(form_->Doc(), 5), before);
    QVERIFY(!form_->Doc().FileModified());
    QCOMPARE(form_->CurrentSlot(), 2);
    QVERIFY(!form_->Drag().state.SlotDragActive);
    QVERIFY(!form_->TimerScrollSlot()->isActive());
    QVERIFY(NoDragMarks(slotView));
}

void TestDrag::DragSlotToOtherList(Mouse& mouse, int list, int slot, int target) {
    TListView* slotView = form_->ComboSlotNr();
    TListView* listView = form_->ComboListNr();
    form_->ShowSetList(list, true, true);
    QApplication::processEvents();
    mouse.PressItem(slotView, slot);
    // Out of the slot view to the left, after the 400 ms that hand the mouse over.
    mouse.MoveTo(slotView->viewport()->mapToGlobal(QPoint(-1, Mouse::Center(slotView, slot).y())),
                 450);
    mouse.MoveToItem(listView, target);
    QVERIFY(form_->TimerDropSlotAtList()->isActive());
    QCOMPARE(form_->TimerDropSlotAtList()->interval(), kDropSlotAtListInterval);
    QCOMPARE(form_->CurrentSetList(), list);
    clock_ += 800;
    form_->TimerDropSlotAtListTimer();  // the 800 ms are over
    QVERIFY(!form_->TimerDropSlotAtList()->isActive());
    QCOMPARE(form_->CurrentSetList(), target);
    QVERIFY(form_->Drag().state.SlotDragActive);
    QVERIFY(slotView->item(slot)->data(roles::kDragSource).toBool());
}

void TestDrag::insertIntoOtherSetList_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<QString>("slot127");
    QTest::newRow("copy to row 4") << 4 << false << "";
    QTest::newRow("move to row 4") << 4 << true << "";
    QTest::newRow("same row number as the source") << 10 << false << "";
    QTest::newRow("slot 127 in use") << 4 << true << "Encore";
    QTest::newRow("row 127 overwrites") << 127 << false << "Encore";
}

void TestDrag::insertIntoOtherSetList() {
    QFETCH(int, row);
    QFETCH(bool, deleteSource);
    QFETCH(QString, slot127);
    fixtures::PcgImage image = image_;
    fixtures::PutSlotName(image, 8, 127, slot127.toStdString());
    fixtures::FixChecksum(image);
    settings_->Put("DeleteDragSource", deleteSource ? "1" : "0");
    OpenWindow(image);
    TListView* slotView = form_->ComboSlotNr();
    const QStringList source = SlotNames(form_->Doc(), 3);
    const QStringList target = SlotNames(form_->Doc(), 8);
    Mouse mouse(*form_, clock_);

    DragSlotToOtherList(mouse, 3, 10, 8);
    mouse.MoveToItem(slotView, row == 10 ? 12 : 10);
    // The drop counts 3 pixels away from the press, also on the source's row number.
    const QPoint end =
        slotView->viewport()->mapToGlobal(Mouse::Center(slotView, row) + QPoint(0, 3));
    mouse.MoveTo(end);
    QVERIFY(form_->Drag().state.DropMarkDrawn);
    QVERIFY(slotView->item(row)->data(roles::kDropMark).toInt() != 0);
    mouse.Release(end);

    const bool refused = row != 127 && !slot127.isEmpty();
    if (refused) {
        QCOMPARE(boxes_->Texts(ScriptedMessages::Kind::Error),
                 QStringList{"No space for insert (Slot 127 must be empty)!"});
        QCOMPARE(SlotNames(form_->Doc(), 8), target);
        QCOMPARE(SlotNames(form_->Doc(), 3), source);
        QVERIFY(!form_->Doc().FileModified());
        QVERIFY(NoDragMarks(slotView));
        return;
    }
    QVERIFY(boxes_->Boxes().isEmpty());
    QStringList expected = target;
    expected.insert(row, "L3 S10");
    expected.removeLast();
    QCOMPARE(SlotNames(form_->Doc(), 8), expected);
    QCOMPARE(form_->Doc().GetSlotComment(8, row), std::string("Count in"));
    QStringList sourceAfter = source;
    if (deleteSource) sourceAfter[10] = "";
    QCOMPARE(SlotNames(form_->Doc(), 3), sourceAfter);
    QCOMPARE(form_->Doc().GetSlotComment(3, 10), deleteSource ? "" : std::string("Count in"));
    QVERIFY(form_->Doc().FileModified());
    QCOMPARE(form_->CurrentSetList(), 8);
    QCOMPARE(form_->CurrentSlot(), row);
    QCOMPARE(slotView->NameOf(row), QString("L3 S10"));
    QCOMPARE(slotView->NameOf(127), expected.last());
    QCOMPARE(SelectedRows(slotView), QList<int>{row});
    QVERIFY(NoDragMarks(slotView));
}

void TestDrag::shortHoverSwitchesNothing() {
    OpenWindow(image_);
    TListView* slotView = form_->ComboSlotNr();
    TListView* listView = form_->ComboListNr();
    Mouse mouse(*form_, clock_);
    mouse.PressItem(slotView, 10);
    mouse.MoveTo(slotView->viewport()->mapToGlobal(QPoint(-1, Mouse::Center(slotView, 10).y())),
                 450);
    mouse.MoveToItem(listView, 8);
    QVERIFY(form_->TimerDropSlotAtList()->isActive());
    mouse.MoveToItem(slotView, 10, 300);  // back before the 800 ms are over
    form_->TimerDropSlotAtListTimer();    // the timer still fires, later
    QCOMPARE(form_->CurrentSetList(), 5);
    QVERIFY(!form_->TimerDropSlotAtList()->isActive());
    QVERIFY(form_->Drag().state.SlotDragActive);
    // A release over the set list view ends the drag without a drop.
    mouse.MoveToItem(listView, 8);
    mouse.ReleaseOnItem(listView, 8, 300);
    QVERIFY(!form_->Drag().state.SlotDragActive);
    QCOMPARE(form_->CurrentSetList(), 5);
    QVERIFY(!form_->Doc().FileModified());
    QVERIFY(NoDragMarks(slotView));
}

void TestDrag::reorderSetLists() {
    OpenWindow(image_);
    TListView* listView = form_->ComboListNr();
    const QStringList before = ListNames(form_->Doc());
    Mouse mouse(*form_, clock_);

    mouse.PressItem(listView, 10);
    QCOMPARE(form_->CurrentSetList(), 10);
    QVERIFY(form_->Drag().state.ListDragActive);
    mouse.MoveToItem(listView, 6);
    mouse.MoveToItem(listView, 3);
    QVERIFY(form_->Drag().state.DropMarkDrawn);
    QCOMPARE(listView->item(3)->data(roles::kDropMark).toInt(),
             static_cast<int>(DropMark::AmberTop));
    QCOMPARE(listView->item(6)->data(roles::kDropMark).toInt(), static_cast<int>(DropMark::None));
    mouse.ReleaseOnItem(listView, 3);

    QCOMPARE(ListNames(form_->Doc()), Moved(before, 10, 3));
    QCOMPARE(listView->NameOf(3), QString("Set 10"));
    QCOMPARE(listView->NameOf(10), QString("Set 9"));
    QCOMPARE(form_->CurrentSetList(), 3);
    QCOMPARE(form_->ComboSlotNr()->NameOf(0), FromFileText(form_->Doc().GetSlotName(3, 0)));
    QVERIFY(form_->Doc().FileModified());
    QVERIFY(NoDragMarks(listView));

    // A press and release without 3 pixels of movement moves nothing.
    form_->Doc().SetFileModified(false);
    mouse.PressItem(listView, 20);
    mouse.MoveTo(listView->viewport()->mapToGlobal(Mouse::Center(listView, 20) + QPoint(2, 2)));
    mouse.Release(listView->viewport()->mapToGlobal(Mouse::Center(listView, 20) + QPoint(2, 2)));
    QCOMPARE(ListNames(form_->Doc()), Moved(before, 10, 3));
    QVERIFY(!form_->Doc().FileModified());
}

void TestDrag::autoScroll() {
    OpenWindow(image_);
    TListView* listView = form_->ComboListNr();
    TListView* slotView = form_->ComboSlotNr();
    Mouse mouse(*form_, clock_);

    // Set list view: below its bottom edge it scrolls down one row per step.
    mouse.PressItem(listView, 10);
    mouse.MoveToItem(listView, 12);
    const QPoint below =
        listView->viewport()->mapToGlobal(QPoint(10, listView->viewport()->height() + 20));
    mouse.MoveTo(below);
    QVERIFY(form_->TimerScrollList()->isActive());
    QCOMPARE(form_->TimerScrollList()->interval(), kScrollFirstInterval);
    form_->TimerScrollListTimer();
    QCOMPARE(form_->TimerScrollList()->interval(), kListScrollInterval);
    QCOMPARE(listView->indexAt(QPoint(1, 1)).row(), 1);
    QCOMPARE(form_->Drag().state.DropTargetListRow, 1);
    mouse.MoveToItem(listView, 14);  // back inside: the scrolling stops
    QVERIFY(!form_->TimerScrollList()->isActive());
    mouse.Release(below, 50);
    QVERIFY(!form_->Drag().state.ListDragActive);
    form_->ShowSetList(5, true, true);

    // Slot view with one fixed column: right of it, it scrolls one column per step.
    form_->EditNumCols()->setValue(1);
    QApplication::processEvents();
    const int rows = slotView->viewport()->height() / 13;
    QVERIFY(rows < kSlotCount);
    form_->ShowSlot(0, true);
    QCOMPARE(slotView->indexAt(QPoint(1, 1)).row(), 0);
    mouse.PressItem(slotView, 2);
    mouse.MoveTo(slotView->viewport()->mapToGlobal(QPoint(slotView->viewport()->width() + 5, 20)));
    QVERIFY(form_->TimerScrollSlot()->isActive());
    form_->TimerScrollSlotTimer();
    QCOMPARE(form_->TimerScrollSlot()->interval(), kSlotScrollInterval);
    const int top = slotView->indexAt(QPoint(1, 1)).row();
    QVERIFY2(top > 0 && top <= rows, qPrintable(QString::number(top)));
    mouse.MoveToItem(slotView, top + 1);
    QVERIFY(!form_->TimerScrollSlot()->isActive());
    QCOMPARE(form_->Drag().state.DropTargetSlot, top + 1);
    mouse.ReleaseOnItem(slotView, top + 1, 300);
    QCOMPARE(form_->Doc().GetSlotName(5, top + 1), std::string("L5 S2"));
}

void TestDrag::dragEndsWithoutDrop_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("another document") << "open";
    QTest::newRow("a modal box") << "modal";
    QTest::newRow("deactivation") << "deactivate";
}

void TestDrag::dragEndsWithoutDrop() {
    QFETCH(QString, how);
    OpenWindow(image_);
    TListView* slotView = form_->ComboSlotNr();
    const QStringList before = SlotNames(form_->Doc(), 5);
    Mouse mouse(*form_, clock_);
    mouse.PressItem(slotView, 2);
    mouse.MoveToItem(slotView, 6, 300);
    QVERIFY(form_->Drag().state.DropMarkDrawn);

    QDialog box(form_.get());
    if (how == "open") {
        QVERIFY(form_->OpenDocument());
        form_->ShowSetList(5, true, true);
    } else if (how == "modal") {
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QApplication::processEvents();
    } else {
        form_->ApplicationEvents1Deactivate();
    }
    QVERIFY(!form_->Drag().state.SlotDragActive);
    QVERIFY(NoDragMarks(slotView));
    box.hide();
    mouse.MoveToItem(slotView, 6, 300);
    mouse.ReleaseOnItem(slotView, 6, 300);
    QCOMPARE(SlotNames(form_->Doc(), 5), before);
    QVERIFY(!form_->Doc().FileModified());
}

QTEST_MAIN(TestDrag)
#include "test_drag.moc"
