// The slot colour picker: its sixteen fields, where it opens, how it closes, and a choice with
// several slots selected, which colours them all without marking the file modified.

#include <QLabel>
#include <QPushButton>

#include "document/Document.h"
#include "mainwindow/FormColor.h"
#include "mainwindow/ItemRoles.h"
#include "test_editing_support.h"

using namespace velmar;
using namespace velmar::testing;

class TestColor : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void sixteenNamedFields();
    void placement_data();
    void placement();
    void choiceColoursSelectedSlots();
    void buttonTogglesAndClickIntoWindowCloses();

  private:
    QTemporaryDir dir_;
    QString file_;
};

void TestColor::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 41});
    for (int s : {4, 5, 9, 10}) fixtures::PutColor(image, 2, s, 0);
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("color.pcg"), image);
}

void TestColor::sixteenNamedFields() {
    MemorySettings settings;
    TestFormMain form;
    TFormColor* picker = form.FormColor();
    QVERIFY(picker != nullptr && !picker->isVisible());
    QCOMPARE(picker->windowTitle(), "Click on Color");
    QCOMPARE(picker->size(), QSize(403, 167));
    for (int tag = 0; tag < 16; ++tag) {
        auto* field = qobject_cast<QLabel*>(picker->Field(tag));
        QVERIFY(field != nullptr);
        QCOMPARE(field->objectName(), QString("Panel%1").arg(tag + 1, 2, 10, QChar('0')));
        QCOMPARE(field->text(), QString::fromLatin1(kSlotColors[tag].name));
        QCOMPARE(field->geometry(), QRect(4 + 100 * (tag % 4), 4 + 40 * (tag / 4), 95, 37));
        QCOMPARE(field->grab().toImage().pixelColor(2, 2), QColor::fromRgb(kSlotColors[tag].rgb));
    }
    QVERIFY(picker->findChild<QLabel*>("Color2") != nullptr);
}

void TestColor::placement_data() {
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QRect big(0, 0, 1920, 1080);
    // Button at (700, 5) in the bar, 34 high; the picker is 410 x 190 with its frame.
    QTest::newRow("below the button") << QPoint(0, 0) << big << QPoint(700, 61);
    QTest::newRow("follows the window") << QPoint(100, 50) << big << QPoint(800, 111);
    QTest::newRow("bottom edge on the screen's")
        << QPoint(0, 950) << big << QPoint(700, 1080 - 190);
    QTest::newRow("right edge on the screen's") << QPoint(1400, 0) << big << QPoint(1920 - 410, 61);
    QTest::newRow("second screen")
        << QPoint(1920, 0) << QRect(1920, 0, 1280, 1024) << QPoint(2620, 61);
}

void TestColor::placement() {
    QFETCH(QPoint, origin);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(TFormColor::Placement(origin, QPoint(700, 5), 34, QSize(410, 190), screen), expected);
}

void TestColor::choiceColoursSelectedSlots() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    form->ShowSetList(2, false, true);
    form->ShowSlot(4, true);
    view->SetSelected(5, true);
    view->SetSelected(9, true);
    form->Doc().SetFileModified(false);
    QPushButton* color = form->Button("ButtonColor");
    QVERIFY(color->isEnabled());
    QTest::mouseClick(color, Qt::LeftButton);
    TFormColor* picker = form->FormColor();
    QVERIFY(picker->isVisible());

    QTest::mouseClick(picker->Field(2), Qt::LeftButton);  // "Brick"
    for (int s : {4, 5, 9}) {
        QCOMPARE(form->Doc().GetSlotColorIndex(2, s), 2);
        QCOMPARE(view->item(s)->data(roles::kColorIndex).toInt(), 2);
    }
    QCOMPARE(form->Doc().GetSlotColorIndex(2, 10), 0);
    QVERIFY(!form->Doc().FileModified());
    QVERIFY(!picker->isVisible());
    const QImage button = color->grab().toImage();
    QCOMPARE(button.pixelColor(button.width() / 2, 3), QColor(0xB2, 0x3F, 0x3F));

    // With nothing selected only the button takes the colour.
    view->clearSelection();
    color->click();
    QTest::mouseClick(picker->Field(8), Qt::LeftButton);  // "Indigo"
    QCOMPARE(form->Doc().GetSlotColorIndex(2, 4), 2);
    QCOMPARE(color->grab().toImage().pixelColor(button.width() / 2, 3),
             QColor::fromRgb(kSlotColors[8].rgb));
    QVERIFY(!picker->isVisible());
    QVERIFY(!form->Doc().FileModified());
}

void TestColor::buttonTogglesAndClickIntoWindowCloses() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TFormColor* picker = form->FormColor();
    QPushButton* color = form->Button("ButtonColor");
    QTest::mouseClick(color, Qt::LeftButton);
    QVERIFY(picker->isVisible());
    QTest::mouseClick(color, Qt::LeftButton);
    QVERIFY(!picker->isVisible());

    color->click();
    QVERIFY(picker->isVisible());
    ClickRow(form->ComboSlotNr(), 6);
    QVERIFY(!picker->isVisible());

    color->click();
    form->FormActivate();
    QVERIFY(!picker->isVisible());
}

QTEST_MAIN(TestColor)
#include "test_color.moc"
