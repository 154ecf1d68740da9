// The similar-slot finder in the main window's right-hand panel: the grid lists the hits of
// the search in order with their marks and labels, the copies from the marks, opening a hit,
// the refresh check, the criteria boxes and their settings, and a newer request superseding an
// older one.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "analysis/AnalysisState.h"
#include "analysis/MarkPictures.h"
#include "analysis/SyncPanel.h"
#include "analysis/SyncThread.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

constexpr const char* kBoxes[] = {"CheckSameName", "CheckSimilarName", "CheckSameComment",
                                  "CheckSimilarComment", "CheckSameSound"};

QCheckBox* Box(TFormMain& form, const char* name) {
    return form.findChild<QCheckBox*>(QLatin1String(name));
}

// Switches the boxes to `on` (letters: N same name, n similar name, C same comment,
// c similar comment, S same sound) without starting searches.
void SetBoxes(TFormMain& form, const QString& on) {
    const QString letters = "NnCcS";
    for (int i = 0; i < 5; ++i) {
        QCheckBox* box = Box(form, kBoxes[i]);
        const QSignalBlocker block(box);
        box->setChecked(on.contains(letters[i]));
    }
}

// Lets the window run until the newest search has filled the grid.
void WaitForSearch(TSyncPanel& sync) {
    for (int i = 0; i < 100000 && sync.SyncThread() != nullptr; ++i)
        QCoreApplication::processEvents();
    QVERIFY(sync.SyncThread() == nullptr);
}

struct Row {
    QString name, comment, sound, label;
    bool operator==(const Row&) const = default;
};

QList<Row> GridRows(TSyncPanel& sync) {
    QAbstractItemModel* model = sync.GridSync()->model();
    QList<Row> rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        auto mark = [&](int c) {
            return model->index(r, c).data(TSyncPanel::kMarkNameRole).toString();
        };
        rows.append({mark(0), mark(1), mark(2), model->index(r, 3).data().toString()});
    }
    return rows;
}

// What the grid must show for the core's hits.
QList<Row> Expected(const std::vector<SimilarHit>& hits) {
    QList<Row> rows;
    for (const SimilarHit& h : hits)
        rows.append({MarkName(NameMark(h.nameState)), MarkName(CommentMark(h.commentState)),
                     MarkName(SoundMark(h.soundState)),
                     FromFileText(h.label).replace("\r\n", "\n")});
    return rows;
}

}  // namespace

namespace QTest {
template <>
char* toString(const Row& row) {
    return qstrdup(QString("%1 %2 %3 [%4]")
                       .arg(row.name, row.comment, row.sound, row.label)
                       .toLocal8Bit()
                       .constData());
}
}  // namespace QTest

class TestSync : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();
    void gridListsHitsInOrder_data();
    void gridListsHitsInOrder();
    void emptyNameOrNoBoxEmptiesGrid();
    void copiesFromTheMarks_data();
    void copiesFromTheMarks();
    void markClickAndDoubleClickByMouse();
    void doubleClickOpensHit();
    void newerRequestSupersedes();
    void refreshCheck();
    void boxesStartSearchesAndKeepSettings();
    void eightDistinctMarkPictures();

  private:
    std::unique_ptr<TestFormMain> Start(int list, int slot, const QString& boxes);

    QTemporaryDir dir_;
    QString file_;
    std::unique_ptr<MemorySettings> settings_;
};

void TestSync::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 5, .blank = true});
    for (int a : {0, 2, 5, 9}) fixtures::PutListName(image, a, "Named " + std::to_string(a));
    // The shown slot: set list 2, slot 7.
    fixtures::PutSlotName(image, 2, 7, "Pad 1");
    fixtures::PutSlotComment(image, 2, 7, "Soft pad, fade in");
    fixtures::PutSound(image, 2, 7, 1, 2, 17);
    fixtures::PutSlotName(image, 2, 0, "Pad 1");  // identical name, other sound
    fixtures::PutSlotName(image, 2, 30, "PAD-2");
    fixtures::PutSlotComment(image, 2, 30, "Soft pad, fade in");
    fixtures::PutSlotName(image, 2, 31, "Lead");
    fixtures::PutSlotComment(image, 2, 31, "Soft pad fade in!");  // similar comment only
    fixtures::PutSlotName(image, 0, 3, "pad");
    fixtures::PutSound(image, 0, 3, 1, 2, 17);  // same sound
    fixtures::PutSlotName(image, 5, 12, "Intro");
    fixtures::PutSound(image, 5, 12, 1, 2, 17);
    fixtures::PutSlotName(image, 9, 127, "Pad 1");
    fixtures::PutSlotComment(image, 9, 127, "Soft pad, fade in");
    fixtures::PutSound(image, 9, 127, 1, 2, 17);
    fixtures::PutSlotName(image, 4, 1, "Pad 1");  // set list 4 has no name: never searched
    fixtures::PutSlotName(image, 2, 8, "");
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("sync.pcg"), image);
}

void TestSync::init() {
    settings_ = std::make_unique<MemorySettings>();
}

void TestSync::cleanup() {
    settings_.reset();
}

std::unique_ptr<TestFormMain> TestSync::Start(int list, int slot, const QString& boxes) {
    auto form = StartWindow({file_});
    form->TimerSync()->stop();  // tests run the refresh check themselves
    SetBoxes(*form, boxes);
    form->ShowSetList(list, false, true);
    form->ShowSlot(slot, true);
    return form;
}

void TestSync::gridListsHitsInOrder_data() {
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("names same and similar")
        << "Nn" << 50
        << QStringList{"Slot 000\nPad 1", "Slot 030\nPAD-2", "List 000 Slot 003\npad",
                       "List 009 Slot 127\nPad 1"};
    QTest::newRow("similar names only: identical ones are no hits")
        << "n" << 50 << QStringList{"Slot 030\nPAD-2", "List 000 Slot 003\npad"};
    QTest::newRow("same sound") << "S" << 50
                                << QStringList{"List 000 Slot 003\npad", "List 005 Slot 012\nIntro",
                                               "List 009 Slot 127\nPad 1"};
    QTest::newRow("similar comments, threshold reached")
        << "c" << 80 << QStringList{"Slot 031\nLead"};
    QTest::newRow("similar comments, threshold above") << "c" << 90 << QStringList{};
}

void TestSync::gridListsHitsInOrder() {
    QFETCH(QString, boxes);
    QFETCH(int, threshold);
    QFETCH(QStringList, labels);
    auto form = Start(2, 7, boxes);
    form->SetSimilarThreshold(threshold);
    TSyncPanel& sync = form->Analysis().Sync();
    QCOMPARE(sync.Criteria().threshold, threshold);
    sync.RestartSimilarSearch();
    WaitForSearch(sync);

    const std::vector<SimilarHit> hits =
        FindSimilarSlots(form->Doc(), 2, 7, sync.Criteria(), CommentMethod::FullTable);
    QCOMPARE(GridRows(sync), labels.isEmpty() ? QList<Row>{Row{}} : Expected(hits));
    QStringList shown;
    for (const Row& row : GridRows(sync))
        if (!row.label.isEmpty()) shown << row.label;
    QCOMPARE(shown, labels);
    // The first hit is highlighted. The marks are 24 px wide; the labels fill the panel and
    // always fit their column.
    QTableView* grid = sync.GridSync();
    QCOMPARE(grid->selectionModel()->selectedRows().size(), labels.isEmpty() ? 0 : 1);
    for (int c = 0; c < 3; ++c) QCOMPARE(grid->columnWidth(c), 24);
    QVERIFY(grid->columnWidth(3) >= grid->viewport()->width() - 72);
    const QFontMetrics metrics(grid->font());
    for (const QString& label : labels)
        for (const QString& line : label.split('\n'))
            QVERIFY(metrics.horizontalAdvance(line) < grid->columnWidth(3));
}

void TestSync::emptyNameOrNoBoxEmptiesGrid() {
    auto form = Start(2, 7, "NnCcS");
    TSyncPanel& sync = form->Analysis().Sync();
    sync.RestartSimilarSearch();
    WaitForSearch(sync);
    QVERIFY(GridRows(sync).size() > 1);

    form->ShowSlot(8, true);  // no name
    sync.RestartSimilarSearch();
    WaitForSearch(sync);
    QCOMPARE(GridRows(sync), QList<Row>{Row{}});
    QVERIFY(sync.GridSync()->selectionModel()->selectedRows().isEmpty());

    form->ShowSlot(7, true);
    SetBoxes(*form, "");
    sync.RestartSimilarSearch();
    WaitForSearch(sync);
    QCOMPARE(GridRows(sync), QList<Row>{Row{}});
}

void TestSync::copiesFromTheMarks_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("mark");
    QTest::newRow("name") << 0 << "NameGreen";
    QTest::newRow("comment") << 1 << "CommentGreen";
    QTest::newRow("sound") << 2 << "NoteGreen";
}

void TestSync::copiesFromTheMarks() {
    QFETCH(int, column);
    QFETCH(QString, mark);
    ScriptedMessages boxes;
    auto form = Start(2, 7, "n");
    TSyncPanel& sync = form->Analysis().Sync();
    sync.RestartSimilarSearch();
    WaitForSearch(sync);
    // Row 0: slot 30 of the set list shown, row 1: slot 3 of set list 0.
    QCOMPARE(GridRows(sync).size(), 2);
    Document& doc = form->Doc();
    const std::string before[3] = {doc.GetSlotName(0, 3), doc.GetSlotComment(0, 3),
                                   doc.GetSoundText(0, 3, false)};
    const Row untouched = GridRows(sync)[0];

    sync.GridSyncButtonClick(column, 1);
    const std::string after[3] = {doc.GetSlotName(0, 3), doc.GetSlotComment(0, 3),
                                  doc.GetSoundText(0, 3, false)};
    const std::string current[3] = {doc.GetSlotName(2, 7), doc.GetSlotComment(2, 7),
                                    doc.GetSoundText(2, 7, false)};
    for (int f = 0; f < 3; ++f) QCOMPARE(after[f], f == column ? current[f] : before[f]);
    QVERIFY(!doc.FileModified());
    const Row row = GridRows(sync)[1];
    QCOMPARE(QList<QString>({row.name, row.comment, row.sound})[column], mark);
    QCOMPARE(row.label,
             column == 0 ? QString("List 000 Slot 003\nPad 1") : QString("List 000 Slot 003\npad"));
    QCOMPARE(GridRows(sync)[0], untouched);

    // A copy into the set list shown: its slot view line follows.
    sync.GridSyncButtonClick(0, 0);
    QCOMPARE(form->ComboSlotNr()->item(30)->text(), QString("030 Pad 1"));
    QVERIFY(!doc.FileModified());
    QVERIFY(boxes.Boxes().isEmpty());
}

void TestSync::markClickAndDoubleClickByMouse() {
    auto form = Start(2, 7, "n");
    TSyncPanel& sync = form->Analysis().Sync();
    sync.RestartSimilarSearch();
    WaitForSearch(sync);
    QTableView* grid = sync.GridSync();
    QAbstractItemModel* model = grid->model();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(model->index(1, 0)).center());
    QCOMPARE(form->Doc().GetSlotName(0, 3), std::string("Pad 1"));
    QCOMPARE(grid->selectionModel()->selectedRows().value(0).row(), 1);
    // A double click (press, release, double click) on a mark opens nothing; on the label it
    // opens the hit.
    auto doubleClick = [grid, model](int row, int column) {
        const QPoint at = grid->visualRect(model->index(row, column)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(0, 2);
    QCOMPARE(form->CurrentSetList(), 2);
    QCOMPARE(form->CurrentSlot(), 7);
    doubleClick(1, 3);
    QCOMPARE(form->CurrentSetList(), 0);
    QCOMPARE(form->CurrentSlot(), 3);
}

void TestSync::doubleClickOpensHit() {
    auto form = Start(2, 7, "Nn");
    TSyncPanel& sync = form->Analysis().Sync();
    sync.RestartSimilarSearch();
    WaitForSearch(sync);
    form->ComboSlotNr()->SetSelected(50, true);

    sync.GridSyncDblClickCell(1, 3);  // slot 30 of the set list shown
    QCOMPARE(form->CurrentSetList(), 2);
    QCOMPARE(form->CurrentSlot(), 30);
    QCOMPARE(form->ComboSlotNr()->selectedItems().size(), 1);

    sync.GridSyncDblClickCell(3, 3);  // set list 9, slot 127
    QCOMPARE(form->CurrentSetList(), 9);
    QCOMPARE(form->CurrentSlot(), 127);
    QVERIFY(form->ComboListNr()->IsSelected(9));
    QVERIFY(!form->ComboListNr()->IsSelected(2));

    sync.GridSyncDblClickCell(0, 1);  // not the label column
    sync.GridSyncDblClickCell(7, 3);  // no such row
    QCOMPARE(form->CurrentSetList(), 9);
    QCOMPARE(form->CurrentSlot(), 127);
}

void TestSync::newerRequestSupersedes() {
    auto form = Start(2, 7, "Nnc");
    TSyncPanel& sync = form->Analysis().Sync();
    sync.RestartSimilarSearch();
    QPointer<TSyncThread> older = sync.SyncThread();
    QVERIFY(older);
    // The search runs between window events, not inside the request.
    QVERIFY(!older->Finished());
    QVERIFY(sync.PanelSearching()->isVisibleTo(form->DockSync()));

    form->ShowSetList(5, false, true);
    form->ShowSlot(12, true);
    SetBoxes(*form, "S");
    sync.RestartSimilarSearch();
    QVERIFY(!older || older->Terminated());
    QVERIFY(sync.SyncThread() != older);
    WaitForSearch(sync);
    QVERIFY(!older || !older->Finished());
    QVERIFY(!sync.PanelSearching()->isVisibleTo(form->DockSync()));
    QCOMPARE(GridRows(sync), Expected(FindSimilarSlots(form->Doc(), 5, 12, sync.Criteria())));
    QCOMPARE(GridRows(sync).first().label, QString("List 000 Slot 003\npad"));

    // Stopping leaves the grid as it is.
    const QList<Row> rows = GridRows(sync);
    form->ShowSlot(0, true);
    sync.RestartSimilarSearch();
    form->StopSimilarSearch();
    QVERIFY(sync.SyncThread() == nullptr);
    for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
    QCOMPARE(GridRows(sync), rows);
}

void TestSync::refreshCheck() {
    auto form = Start(2, 7, "Nn");
    TSyncPanel& sync = form->Analysis().Sync();
    QVERIFY(form->DockSync()->width() > 1);

    form->TimerSyncTimer();  // a set list was shown: search
    QVERIFY(sync.SyncThread() != nullptr);
    WaitForSearch(sync);
    form->TimerSyncTimer();  // nothing changed
    QVERIFY(sync.SyncThread() == nullptr);

    // Typing a name searches again, with the typed name.
    form->EditSlotName()->setText("Unique");
    form->TimerSyncTimer();
    WaitForSearch(sync);
    QCOMPARE(GridRows(sync), QList<Row>{Row{}});
    QVERIFY(form->Doc().FileModified());  // the typing did that, not the finder
    form->Doc().SetFileModified(false);

    // The comment being typed is written into the slot before the search.
    SetBoxes(*form, "C");
    form->MemoComment()->setPlainText("Soft pad fade in!");
    form->TimerSyncTimer();
    WaitForSearch(sync);
    QCOMPARE(form->Doc().GetSlotComment(2, 7), std::string("Soft pad fade in!"));
    QCOMPARE(GridRows(sync).size(), 1);
    QCOMPARE(GridRows(sync)[0].label, QString("Slot 031\nLead"));

    // Another slot shown: search again. The threshold changed in the options: too.
    form->ShowSlot(30, true);
    form->TimerSyncTimer();
    QVERIFY(sync.SyncThread() != nullptr);
    WaitForSearch(sync);
    SetBoxes(*form, "c");
    form->SetSimilarThreshold(90);
    form->TimerSyncTimer();
    QVERIFY(sync.SyncThread() != nullptr);
    WaitForSearch(sync);
}

void TestSync::boxesStartSearchesAndKeepSettings() {
    settings_->Put("SameName", "0");
    settings_->Put("SimilarComment", "1");
    {
        TestFormMain form;
        form.FormCreate({});  // no file yet
        QVERIFY(!Box(form, "CheckSameName")->isChecked());
        QVERIFY(Box(form, "CheckSimilarName")->isChecked());
        QVERIFY(Box(form, "CheckSimilarComment")->isChecked());
        TSyncPanel& sync = form.Analysis().Sync();
        const QList<Row> before = GridRows(sync);
        Box(form, "CheckSameSound")->click();  // without a file: no search, grid unchanged
        QVERIFY(sync.SyncThread() == nullptr);
        QCOMPARE(GridRows(sync), before);
        Box(form, "CheckSameComment")->click();
        QVERIFY(form.close());
    }
    QCOMPARE(settings_->Stored("SameName"), QString("0"));
    QCOMPARE(settings_->Stored("SameComment"), QString("1"));
    QCOMPARE(settings_->Stored("SimilarComment"), QString("1"));

    auto form = Start(2, 7, "n");
    TSyncPanel& sync = form->Analysis().Sync();
    Box(*form, "CheckSameSound")->click();
    QVERIFY(sync.SyncThread() != nullptr);
    QVERIFY(sync.Criteria().sameSound);
    WaitForSearch(sync);
    QCOMPARE(GridRows(sync), Expected(FindSimilarSlots(form->Doc(), 2, 7, sync.Criteria())));
}

void TestSync::eightDistinctMarkPictures() {
    TestFormMain form;
    QList<QImage> images;
    for (int m = 0; m < kMarkCount; ++m) {
        // The main window's hidden pictures carry the same drawings as the grid.
        const auto* picture = form.findChild<QLabel*>(MarkName(static_cast<Mark>(m)));
        QVERIFY(picture != nullptr);
        const QImage image = picture->pixmap().toImage();
        QCOMPARE(image.size(), QSize(kMarkSize, kMarkSize));
        QCOMPARE(image, MarkPicture(static_cast<Mark>(m)).toImage());
        QVERIFY(!images.contains(image));
        images << image;
    }
}

QTEST_MAIN(TestSync)
#include "test_sync.moc"
