// The column rules of the slot view and how they lay out a real list view.
#include <QDir>
#include <QListView>
#include <QStandardItemModel>
#include <QtTest>

#include "mainwindow/ItemPainter.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/ListItemDelegate.h"
#include "mainwindow/SlotColumnLayout.h"

using namespace velmar;

class TestColumns : public QObject {
    Q_OBJECT
  private slots:
    void columnCountRules_data();
    void columnCountRules();
    void columnWidthsAndScrollBar_data();
    void columnWidthsAndScrollBar();
    void slotViewFlowsInColumns();
};

void TestColumns::columnCountRules_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("setting");
    QTest::addColumn<bool>("resize");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("itemHeight");
    QTest::addColumn<int>("expected");
    // rows = height / 13; columns = ceiling(127 / rows); a resize takes 4 off the height.
    QTest::newRow("resize 208: 15 rows") << 0 << 0 << true << 208 << 13 << 9;
    QTest::newRow("spin 208: 16 rows") << 0 << 0 << false << 208 << 13 << 8;
    QTest::newRow("spin 127 rows: one column") << 0 << 0 << false << 127 * 13 << 13 << 1;
    QTest::newRow("spin 126 rows: two columns") << 0 << 0 << false << 126 * 13 << 13 << 2;
    QTest::newRow("resize tall view") << 0 << 0 << true << 404 << 13 << 5;
    QTest::newRow("spin fixed 3") << 8 << 3 << false << 208 << 13 << 3;
    QTest::newRow("resize keeps a fixed count") << 3 << 3 << true << 500 << 13 << 3;
    QTest::newRow("spin ignored at height 0") << 6 << 0 << false << 0 << 13 << 6;
    QTest::newRow("spin ignored at item height 0") << 6 << 2 << false << 208 << 0 << 6;
    QTest::newRow("resize ignored at item height 0") << 6 << 0 << true << 208 << 0 << 6;
    QTest::newRow("view below one row") << 0 << 0 << true << 10 << 13 << 127;
}

void TestColumns::columnCountRules() {
    QFETCH(int, start);
    QFETCH(int, setting);
    QFETCH(bool, resize);
    QFETCH(int, height);
    QFETCH(int, itemHeight);
    QFETCH(int, expected);
    SlotColumnLayout layout;
    layout.SetColumnCount(start);
    if (resize)
        layout.OnResize(setting, height, itemHeight);
    else
        layout.OnColumnsChanged(setting, height, itemHeight);
    QCOMPARE(layout.ColumnCount(), expected);
}

void TestColumns::columnWidthsAndScrollBar_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("clientHeight");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("paint");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("auto 8 columns") << 8 << 0 << 803 << 208 << 96 << 100 << false;
    QTest::newRow("fixed 8 of 16 rows fit") << 8 << 8 << 803 << 208 << 96 << 100 << false;
    QTest::newRow("fixed 7 of 16 rows scroll") << 7 << 7 << 700 << 208 << 96 << 100 << true;
    QTest::newRow("fixed 2 columns scroll") << 2 << 2 << 500 << 300 << 246 << 250 << true;
    QTest::newRow("fixed 9, 15.4 rows fit") << 9 << 9 << 900 << 200 << 96 << 100 << false;
    QTest::newRow("fixed 8, 15.4 rows scroll") << 8 << 8 << 800 << 200 << 96 << 100 << true;
    QTest::newRow("too narrow for the frame") << 9 << 0 << 30 << 208 << 0 << 3 << false;
    QTest::newRow("no count yet") << 0 << 0 << 800 << 208 << 0 << 0 << false;
}

void TestColumns::columnWidthsAndScrollBar() {
    QFETCH(int, count);
    QFETCH(int, setting);
    QFETCH(int, width);
    QFETCH(int, clientHeight);
    QFETCH(int, grid);
    QFETCH(int, paint);
    QFETCH(bool, scrollBar);
    SlotColumnLayout layout;
    layout.SetColumnCount(count);
    QCOMPARE(layout.GridColumnWidth(width), grid);
    QCOMPARE(layout.PaintColumnWidth(width), paint);
    QCOMPARE(layout.NeedsHorizontalScrollBar(setting, clientHeight, 13), scrollBar);
}

void TestColumns::slotViewFlowsInColumns() {
    QStandardItemModel model;
    for (int i = 0; i < 128; ++i) {
        auto* item = new QStandardItem(QString::asprintf("%03d Slot %d", i, i));
        item->setData(i % 16, roles::kColorIndex);
        model.appendRow(item);
    }
    QListView view;
    view.setModel(&model);
    SetUpItemView(view, ItemKind::Slot);
    view.resize(803, 212);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    SlotColumnLayout layout;
    layout.OnColumnsChanged(0, view.viewport()->height(), ItemPainter::kItemHeight);
    ApplySlotColumns(view, layout, 0);
    QCoreApplication::processEvents();
    const int rows = view.viewport()->height() / ItemPainter::kItemHeight;
    const int grid = layout.GridColumnWidth(view.width());
    QCOMPARE(view.gridSize(), QSize(grid, ItemPainter::kItemHeight));
    QCOMPARE(ItemDelegateOf(view)->ColumnWidth(), layout.PaintColumnWidth(view.width()));
    // Top to bottom, then the next column.
    QCOMPARE(view.visualRect(model.index(1, 0)).top(), ItemPainter::kItemHeight);
    QCOMPARE(view.visualRect(model.index(rows, 0)).left(), grid);
    QCOMPARE(view.visualRect(model.index(rows, 0)).top(), 0);
    QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    view.selectionModel()->select(model.index(20, 0), QItemSelectionModel::Select);
    model.item(21)->setData(static_cast<int>(DropMark::AmberBottom), roles::kDropMark);
    QVERIFY(
        view.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("slot_view.png")));

    // Two fixed columns cannot hold the items: a horizontal scroll bar.
    layout.OnColumnsChanged(2, view.height(), ItemPainter::kItemHeight);
    ApplySlotColumns(view, layout, 2);
    QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(view.gridSize().width(), view.width() / 2 - SlotColumnLayout::kFrame);
    QCOMPARE(view.selectionMode(), QAbstractItemView::ExtendedSelection);
}

QTEST_MAIN(TestColumns)
#include "test_views_columns.moc"
