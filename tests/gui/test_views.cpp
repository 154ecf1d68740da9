// Painting of the slot and set list view items, and the delegate that feeds the painter from
// the model.
#include <QDir>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

#include "document/Document.h"
#include "mainwindow/ItemPainter.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/ListItemDelegate.h"

using namespace velmar;

Q_DECLARE_METATYPE(velmar::DropMark)

namespace {

constexpr int kWidth = 220;
constexpr int kH = ItemPainter::kItemHeight;
const QColor kSentinel(255, 0, 255);

QImage Paint(const ItemLook& look, int width = kWidth) {
    QImage image(width, kH, QImage::Format_ARGB32);
    image.fill(kSentinel);
    QPainter painter(&image);
    ItemPainter::Paint(painter, look);
    return image;
}

ItemLook SlotLook(const QString& text = QStringLiteral("007 Piano")) {
    ItemLook look;
    look.kind = ItemKind::Slot;
    look.text = text;
    look.rect = QRect(0, 0, kWidth, kH);
    look.columnWidth = kWidth;
    return look;
}

QColor At(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (At(image, x, y) == colour) ++n;
    return n;
}

// Rightmost column holding a pixel other than the background.
int RightmostInk(const QImage& image, const QColor& background) {
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 1; y < image.height() - 1; ++y)
            if (At(image, x, y) != background) return x;
    return -1;
}

QColor SlotColour(int index) {
    return QColor::fromRgb(kSlotColors[index].rgb);
}

}  // namespace

class TestViews : public QObject {
    Q_OBJECT
  private slots:
    void backgroundAndTextColours_data();
    void backgroundAndTextColours();
    void markerShowsSlotColour_data();
    void markerShowsSlotColour();
    void dropLines_data();
    void dropLines();
    void dropMarkRules_data();
    void dropMarkRules();
    void fitTextKeepsLongestPrefix_data();
    void fitTextKeepsLongestPrefix();
    void shortenedTextStaysInColumn_data();
    void shortenedTextStaysInColumn();
    void setListItemsAreNeverShortenedOrMarked();
    void delegateReadsRoles();
    void highlightTextFollowsViewFocus();
    void rendersRowsToPng();
};

void TestViews::backgroundAndTextColours_data() {
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("plain") << false << false << false << item_colors::kBackground
                           << item_colors::kText;
    QTest::newRow("plain, focused view")
        << false << true << false << item_colors::kBackground << item_colors::kText;
    QTest::newRow("selected, focused")
        << true << true << false << item_colors::kAmber << item_colors::kTextFocused;
    QTest::newRow("selected, unfocused")
        << true << false << false << item_colors::kAmber << item_colors::kTextUnfocused;
    QTest::newRow("picked") << false << true << true << item_colors::kBackground
                            << item_colors::kPickedText;
    QTest::newRow("picked and selected")
        << true << true << true << item_colors::kAmber << item_colors::kPickedText;
}

void TestViews::backgroundAndTextColours() {
    QFETCH(bool, highlighted);
    QFETCH(bool, focus);
    QFETCH(bool, picked);
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    ItemLook look = SlotLook(QStringLiteral("000 MMMMMMMM"));
    look.highlighted = highlighted;
    look.viewHasFocus = focus;
    look.picked = picked;
    const QImage image = Paint(look);
    QCOMPARE(At(image, kWidth - 2, 4), background);
    const QRect textArea(0, 0, kWidth / 2, kH - 1);
    QVERIFY2(CountColour(image, textArea, text) > 5, "text pixels in the expected colour");
    // None of the other text colours shows up.
    for (const QColor& other :
         {item_colors::kText, item_colors::kTextUnfocused, item_colors::kPickedText}) {
        if (other != text) QCOMPARE(CountColour(image, textArea, other), 0);
    }
    QCOMPARE(CountColour(image, image.rect(), kSentinel), 0);
}

void TestViews::markerShowsSlotColour_data() {
    QTest::addColumn<int>("colourIndex");
    QTest::addColumn<bool>("highlighted");
    for (int index : {0, 2, 9, 15}) {
        QTest::addRow("colour %d", index) << index << false;
        QTest::addRow("colour %d selected", index) << index << true;
    }
}

void TestViews::markerShowsSlotColour() {
    QFETCH(int, colourIndex);
    QFETCH(bool, highlighted);
    ItemLook look = SlotLook();
    look.highlighted = highlighted;
    look.marker = SlotColour(colourIndex);
    const QImage image = Paint(look);
    // Inside the square, left of where the text starts.
    QCOMPARE(At(image, 5, 5), SlotColour(colourIndex));
    QCOMPARE(At(image, 11, 11), SlotColour(colourIndex));
    // Its one-pixel black outline.
    QCOMPARE(At(image, 0, 5), QColor(Qt::black));
    QCOMPARE(At(image, 5, 0), QColor(Qt::black));
    // Without a marker (and without text) the same spot shows the background.
    look.marker.reset();
    look.text.clear();
    QCOMPARE(At(Paint(look), 5, 5), highlighted ? item_colors::kAmber : item_colors::kBackground);
}

void TestViews::dropLines_data() {
    QTest::addColumn<DropMark>("mark");
    QTest::addColumn<bool>("highlighted");
    QTest::addColumn<QColor>("top");
    QTest::addColumn<QColor>("bottom");
    QTest::addColumn<QColor>("middle");
    const QColor amber = item_colors::kAmber;
    const QColor black = item_colors::kBackground;
    QTest::newRow("none: black separator") << DropMark::None << false << black << black << black;
    QTest::newRow("none on a selected item") << DropMark::None << true << amber << black << amber;
    QTest::newRow("amber top") << DropMark::AmberTop << false << amber << black << black;
    QTest::newRow("amber bottom") << DropMark::AmberBottom << false << black << amber << black;
    QTest::newRow("target is source")
        << DropMark::BlackTopAndBottom << true << black << black << amber;
}

void TestViews::dropLines() {
    QFETCH(DropMark, mark);
    QFETCH(bool, highlighted);
    QFETCH(QColor, top);
    QFETCH(QColor, bottom);
    QFETCH(QColor, middle);
    ItemLook look = SlotLook(QString());  // no text: the rows hold only lines and background
    look.highlighted = highlighted;
    look.dropMark = mark;
    const QImage image = Paint(look);
    const QRect topRow(0, 0, kWidth, 1);
    const QRect bottomRow(0, kH - 1, kWidth, 1);
    QCOMPARE(CountColour(image, topRow, top), kWidth);
    QCOMPARE(CountColour(image, bottomRow, bottom), kWidth);
    QCOMPARE(CountColour(image, QRect(0, 1, kWidth, kH - 2), middle), kWidth * (kH - 2));
}

void TestViews::dropMarkRules_data() {
    QTest::addColumn<bool>("slotView");
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<DropMark>("expected");
    QTest::newRow("slot: no drag") << true << false << 5 << 2 << 5 << DropMark::None;
    QTest::newRow("slot: not the target") << true << true << 4 << 2 << 5 << DropMark::None;
    QTest::newRow("slot: after source") << true << true << 5 << 2 << 5 << DropMark::AmberBottom;
    QTest::newRow("slot: before source") << true << true << 1 << 2 << 1 << DropMark::AmberTop;
    QTest::newRow("slot: on source") << true << true << 2 << 2 << 2 << DropMark::BlackTopAndBottom;
    QTest::newRow("list: after source") << false << true << 9 << 3 << 9 << DropMark::AmberBottom;
    QTest::newRow("list: before source") << false << true << 0 << 3 << 0 << DropMark::AmberTop;
    QTest::newRow("list: on source") << false << true << 3 << 3 << 3 << DropMark::AmberTop;
    QTest::newRow("list: no drag") << false << false << 3 << 1 << 3 << DropMark::None;
}

void TestViews::dropMarkRules() {
    QFETCH(bool, slotView);
    QFETCH(bool, active);
    QFETCH(int, index);
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(DropMark, expected);
    const DropMark mark = slotView ? ItemPainter::SlotDropMark(active, index, source, target)
                                   : ItemPainter::ListDropMark(active, index, source, target);
    QCOMPARE(mark, expected);
}

void TestViews::fitTextKeepsLongestPrefix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxWidth");
    const QString name = QStringLiteral("012 Grand Piano Layer Strings");
    const QFontMetrics metrics(ItemPainter::ViewFont());
    const int full = metrics.horizontalAdvance(name);
    QTest::newRow("fits exactly") << name << full;
    QTest::newRow("one pixel short") << name << full - 1;
    QTest::newRow("half") << name << full / 2;
    QTest::newRow("first character only") << name << metrics.horizontalAdvance(name.left(1));
    QTest::newRow("nothing fits") << name << metrics.horizontalAdvance(name.left(1)) - 1;
    QTest::newRow("negative room") << name << -15;
}

void TestViews::fitTextKeepsLongestPrefix() {
    QFETCH(QString, text);
    QFETCH(int, maxWidth);
    const QFontMetrics metrics(ItemPainter::ViewFont());
    const QString fitted = ItemPainter::FitText(text, metrics, maxWidth);
    QVERIFY(text.startsWith(fitted));
    if (!fitted.isEmpty()) QVERIFY(metrics.horizontalAdvance(fitted) <= maxWidth);
    if (fitted.size() < text.size())
        QVERIFY(metrics.horizontalAdvance(text.left(fitted.size() + 1)) > maxWidth);
}

void TestViews::shortenedTextStaysInColumn_data() {
    QTest::addColumn<int>("columnWidth");
    QTest::addColumn<bool>("marker");
    for (int width : {60, 90, 140}) {
        QTest::addRow("column %d", width) << width << false;
        QTest::addRow("column %d with marker", width) << width << true;
    }
}

void TestViews::shortenedTextStaysInColumn() {
    QFETCH(int, columnWidth);
    QFETCH(bool, marker);
    ItemLook look = SlotLook(QStringLiteral("042 A Very Long Slot Name Indeed"));
    look.columnWidth = columnWidth;
    if (marker) look.marker = SlotColour(3);
    const QImage image = Paint(look);
    // The item ends at the column; right of it nothing is painted.
    QCOMPARE(CountColour(image, QRect(columnWidth, 0, kWidth - columnWidth, kH), kSentinel),
             (kWidth - columnWidth) * kH);
    const int indent = marker ? ItemPainter::kMarkerIndent : 0;
    const int textEnd = indent + columnWidth - ItemPainter::kTextReserve;
    QVERIFY2(RightmostInk(image.copy(0, 0, columnWidth, kH), item_colors::kBackground) < textEnd,
             "shortened text ends within column width - 15");
    // A column too narrow for the first character shows only the marker.
    look.columnWidth = ItemPainter::kTextReserve + 2;
    const QImage narrow = Paint(look);
    QCOMPARE(CountColour(narrow, QRect(0, 1, look.columnWidth, kH - 2), item_colors::kText), 0);
    // Column width 0 (no column count yet): nothing at all.
    look.columnWidth = 0;
    QCOMPARE(CountColour(Paint(look), QRect(0, 0, kWidth, kH), kSentinel), kWidth * kH);
}

void TestViews::setListItemsAreNeverShortenedOrMarked() {
    ItemLook look;
    look.kind = ItemKind::SetList;
    look.text = QStringLiteral("127 A Very Long Set List Name");
    look.rect = QRect(0, 0, kWidth, kH);
    look.columnWidth = 40;        // ignored by the set list view
    look.marker = SlotColour(2);  // likewise
    look.picked = true;           // likewise
    const QImage image = Paint(look);
    QCOMPARE(CountColour(image, image.rect(), SlotColour(2)), 0);
    QCOMPARE(CountColour(image, image.rect(), item_colors::kPickedText), 0);
    QVERIFY(RightmostInk(image, item_colors::kBackground) > 100);
    QCOMPARE(CountColour(image, image.rect(), kSentinel), 0);
}

void TestViews::delegateReadsRoles() {
    QStandardItemModel model;
    for (int i = 0; i < 4; ++i) {
        auto* item = new QStandardItem(QString::asprintf("%03d Slot", i));
        item->setData(i * 5, roles::kColorIndex);
        model.appendRow(item);
    }
    model.item(1)->setData(true, roles::kPicked);
    model.item(2)->setData(true, roles::kDragSource);
    model.item(3)->setData(static_cast<int>(DropMark::AmberBottom), roles::kDropMark);

    ListItemDelegate slotDelegate(ItemKind::Slot);
    slotDelegate.SetColumnWidth(90);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 13, 96, 13);
    const ItemLook plain = slotDelegate.LookFor(option, model.index(0, 0));
    QCOMPARE(plain.text, QStringLiteral("000 Slot"));
    QCOMPARE(plain.marker.value(), SlotColour(0));
    QCOMPARE(plain.columnWidth, 90);
    QVERIFY(!plain.highlighted && !plain.picked);
    QCOMPARE(plain.dropMark, DropMark::None);
    QVERIFY(slotDelegate.LookFor(option, model.index(1, 0)).picked);
    QCOMPARE(slotDelegate.LookFor(option, model.index(1, 0)).marker.value(), SlotColour(5));
    QVERIFY(slotDelegate.LookFor(option, model.index(2, 0)).highlighted);
    QCOMPARE(slotDelegate.LookFor(option, model.index(3, 0)).dropMark, DropMark::AmberBottom);
    option.state |= QStyle::State_Selected;
    QVERIFY(slotDelegate.LookFor(option, model.index(0, 0)).highlighted);

    // The set list view takes neither a drag-source highlight nor a pick colour nor a marker.
    ListItemDelegate listDelegate(ItemKind::SetList);
    option.state = QStyle::State_None;
    const ItemLook source = listDelegate.LookFor(option, model.index(2, 0));
    QVERIFY(!source.highlighted);
    QVERIFY(!listDelegate.LookFor(option, model.index(1, 0)).picked);
    QVERIFY(!source.marker.has_value());
    QCOMPARE(listDelegate.LookFor(option, model.index(3, 0)).dropMark, DropMark::AmberBottom);
}

void TestViews::highlightTextFollowsViewFocus() {
    QStandardItemModel model;
    for (int i = 0; i < 5; ++i)
        model.appendRow(new QStandardItem(QString::asprintf("%03d MMMMMM", i)));
    QListView view;
    view.setModel(&model);
    SetUpItemView(view, ItemKind::SetList);
    view.resize(200, 100);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.selectionModel()->select(model.index(1, 0), QItemSelectionModel::Select);
    const QRect item = view.visualRect(model.index(1, 0)).adjusted(0, 1, 0, -1);

    QApplication::setActiveWindow(&view);
    view.setFocus();
    QTRY_VERIFY(view.hasFocus());
    QImage focused = view.viewport()->grab().toImage();
    QVERIFY(CountColour(focused, item, item_colors::kTextFocused) > 5);
    QCOMPARE(CountColour(focused, item, item_colors::kTextUnfocused), 0);

    view.clearFocus();
    QTRY_VERIFY(!view.hasFocus());
    QImage unfocused = view.viewport()->grab().toImage();
    QVERIFY(CountColour(unfocused, item, item_colors::kTextUnfocused) > 5);
    QCOMPARE(CountColour(unfocused, item, item_colors::kTextFocused), 0);
}

void TestViews::rendersRowsToPng() {
    // A few slot rows in every state, side by side with set list rows, for a person to look at.
    const QStringList names{QStringLiteral("000 Grand Piano"), QStringLiteral("001 Strings Pad"),
                            QStringLiteral("002 A Rather Long Slot Name"),
                            QStringLiteral("003 Lead Synth"), QStringLiteral("004 Organ")};
    QImage image(2 * kWidth + 10, kH * names.size(), QImage::Format_ARGB32);
    image.fill(Qt::darkGray);
    QPainter painter(&image);
    for (int i = 0; i < names.size(); ++i) {
        ItemLook slot = SlotLook(names[i]);
        slot.rect = QRect(0, i * kH, kWidth, kH);
        slot.columnWidth = i == 2 ? 150 : kWidth;
        slot.marker = SlotColour(i * 3);
        slot.highlighted = i == 1 || i == 3;
        slot.viewHasFocus = i == 1;
        slot.picked = i == 3;
        slot.dropMark = i == 4 ? DropMark::AmberTop : DropMark::None;
        ItemPainter::Paint(painter, slot);
        ItemLook list;
        list.kind = ItemKind::SetList;
        list.text = QString::asprintf("%03d Set List %d", i, i);
        list.rect = QRect(kWidth + 10, i * kH, kWidth, kH);
        list.highlighted = i == 0;
        list.viewHasFocus = true;
        list.dropMark = i == 2 ? DropMark::AmberBottom : DropMark::None;
        ItemPainter::Paint(painter, list);
    }
    painter.end();
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("view_rows.png");
    QVERIFY(image.scaled(image.size() * 3).save(path));
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(At(image, 5, 5), SlotColour(0));
}

QTEST_MAIN(TestViews)
#include "test_views.moc"
