// The set list view's reports in the text viewer: the comparison of two selected set lists and
// the three generated lists, each in its own window on top, the text exactly the report, and
// "Clipboard" copying the report as generated.

#include <QCollator>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "analysis/Compare.h"
#include "analysis/FormEditVelmar.h"
#include "analysis/Reports.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

using Kind = ScriptedMessages::Kind;

QList<TFormEditVelmar*> Viewers() {
    QList<TFormEditVelmar*> viewers;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<TFormEditVelmar*>(w); viewer && viewer->isVisible())
            viewers << viewer;
    return viewers;
}

void SelectLists(TFormMain& form, const QList<int>& lists) {
    for (int a = 0; a < 128; ++a) form.ComboListNr()->SetSelected(a, lists.contains(a));
}

}  // namespace

class TestReports : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void viewerShowsReport_data();
    void viewerShowsReport();
    void soundOrderIgnoresCase();
    void compareRefusals_data();
    void compareRefusals();
    void severalViewersAtOnce();

  private:
    QTemporaryDir dir_;
    QString file_;
    std::unique_ptr<MemorySettings> settings_;
};

void TestReports::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 11, .blank = true});
    fixtures::PutListName(image, 1, "Gig A");
    fixtures::PutListName(image, 6, "Gig B");
    fixtures::PutSlotName(image, 1, 0, "Intro");
    fixtures::PutSlotComment(image, 1, 0, "x");
    fixtures::PutSound(image, 1, 0, 1, 0, 0);  // PRG INT-A 000
    fixtures::PutSlotName(image, 6, 4, "Intro");
    fixtures::PutSlotComment(image, 6, 4, "y");
    fixtures::PutSound(image, 6, 4, 1, 1, 0);  // PRG INT-B 000
    fixtures::PutSlotName(image, 1, 1, "Piano");
    fixtures::PutSlotName(image, 1, 2, "Piano");
    fixtures::PutSlotName(image, 1, 3, "Beta");
    fixtures::PutSlotName(image, 1, 4, "alpha");
    fixtures::PutSlotComment(image, 1, 4, "first line\r\nsecond line");
    fixtures::PutSlotName(image, 6, 9, "Only B");
    // Set lists 10 and 11 agree in names, comments and sounds.
    for (int a : {10, 11}) {
        fixtures::PutSlotName(image, a, 0, "Same");
        fixtures::PutSlotComment(image, a, 0, "same comment");
    }
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("reports.pcg"), image);
}

void TestReports::init() {
    settings_ = std::make_unique<MemorySettings>();
}

void TestReports::cleanup() {
    for (TFormEditVelmar* viewer : Viewers()) viewer->close();
    QApplication::processEvents();
    settings_.reset();
}

void TestReports::viewerShowsReport_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("width");
    QTest::newRow("compare") << "MenuCompareClick" << 700;
    QTest::newRow("by slot number") << "mnuListClick" << 483;
    QTest::newRow("by sound") << "mnuSortedListClick" << 483;
    QTest::newRow("with comments") << "MenuListCommentsClick" << 800;
}

void TestReports::viewerShowsReport() {
    QFETCH(QString, command);
    QFETCH(int, width);
    ScriptedMessages boxes;
    FakeClipboard clipboard;
    auto form = StartWindow({file_});
    form->TimerSync()->stop();
    form->ShowSetList(1, true, true);
    SelectLists(*form, {6, 1});

    const Document& doc = form->Doc();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const KeyLess byCollation = [&collator](const std::string& a, const std::string& b) {
        return collator.compare(FromFileText(a), FromFileText(b)) < 0;
    };
    std::string expected;
    if (command == "MenuCompareClick") expected = CompareSetLists(doc, 1, 6).value();
    if (command == "mnuListClick") expected = ListBySlotNumber(doc, 1);
    if (command == "mnuSortedListClick") expected = ListBySound(doc, 1, byCollation);
    if (command == "MenuListCommentsClick") expected = ListWithComments(doc, 1);

    // The command runs from its menu entry of the set list view.
    QAction* action = form->CommandAction(command, 1);
    QVERIFY(action != nullptr && action->isEnabled());
    action->trigger();
    const QList<TFormEditVelmar*> viewers = Viewers();
    QCOMPARE(viewers.size(), 1);
    TFormEditVelmar* viewer = viewers.front();
    QVERIFY(boxes.Boxes().isEmpty());
    QCOMPARE(viewer->Report(), FromFileText(expected));
    QVERIFY(viewer->Report().endsWith("\r\n"));
    QCOMPARE(viewer->EditFile()->toPlainText(), FromFileText(expected).replace("\r\n", "\n"));
    QCOMPARE(viewer->width(), width);
    QCOMPARE(viewer->height(), 515);
    QVERIFY(viewer->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!viewer->isModal());
    QVERIFY(viewer->windowTitle().trimmed().isEmpty());

    // An edit in the viewer is not what the clipboard gets.
    viewer->EditFile()->setPlainText("edited");
    QTest::mouseClick(viewer->ButtonClipboard(), Qt::LeftButton);
    QCOMPARE(clipboard.Text(), FromFileText(expected));
    QTest::mouseClick(viewer->ButtonSchliessen(), Qt::LeftButton);
    QApplication::processEvents();
    QVERIFY(Viewers().isEmpty());
    QVERIFY(!form->Doc().FileModified());
}

void TestReports::soundOrderIgnoresCase() {
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->TimerSync()->stop();
    form->ShowSetList(1, true, true);
    form->mnuSortedListClick();
    const QList<TFormEditVelmar*> viewers = Viewers();
    QCOMPARE(viewers.size(), 1);
    const QStringList lines = viewers.front()->Report().split("\r\n");
    // Same sound for these: ordered by name with case ignored, "alpha" before "Beta"; the
    // slots with empty names come first, by number.
    const int alpha = lines.indexOf("004 CMB INT-A 000 alpha");
    const int beta = lines.indexOf("003 CMB INT-A 000 Beta");
    QVERIFY(alpha >= 0 && beta >= 0);
    QVERIFY(alpha < beta);
    QCOMPARE(lines.first(), QString("005 CMB INT-A 000 "));
    QCOMPARE(lines.size(), 129);  // 128 lines, each ending with CR LF
}

void TestReports::compareRefusals_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("info");
    QTest::newRow("one set list") << QList<int>{1} << kCompareNeedsTwoLists << "";
    QTest::newRow("three set lists") << QList<int>{1, 6, 10} << kCompareNeedsTwoLists << "";
    QTest::newRow("no differences") << QList<int>{11, 10} << "" << kNoDifferencesFound;
}

void TestReports::compareRefusals() {
    QFETCH(QList<int>, selected);
    QFETCH(QString, error);
    QFETCH(QString, info);
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->TimerSync()->stop();
    SelectLists(*form, selected);
    form->MenuCompareClick();
    QCOMPARE(boxes.Texts(Kind::Error), error.isEmpty() ? QStringList{} : QStringList{error});
    QCOMPARE(boxes.Texts(Kind::Info), info.isEmpty() ? QStringList{} : QStringList{info});
    QVERIFY(Viewers().isEmpty());
}

void TestReports::severalViewersAtOnce() {
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->TimerSync()->stop();
    form->ShowSetList(1, true, true);
    form->mnuListClick();
    form->mnuListClick();
    form->MenuListCommentsClick();
    QCOMPARE(Viewers().size(), 3);
    // The main window stays usable while they are open.
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    form->ShowSlot(4, true);
    QCOMPARE(form->CurrentSlot(), 4);
    QString comments;
    for (TFormEditVelmar* viewer : Viewers())
        if (viewer->width() == 800) comments = viewer->Report();
    QVERIFY(
        comments.contains("004 CMB INT-A 000 alpha                    first line second line\r\n"));
}

QTEST_MAIN(TestReports)
#include "test_reports.moc"
