// "Print Selected" into PDF files, read back with pdfinfo and pdftotext: the two questions and
// their Cancel, the page set-up, one job for all or a job per page group, merged variants,
// skipped repeats, slot 127 and blank names.

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "analysis/PrintPlan.h"
#include "mainwindow/MainControls.h"
#include "test_mainwindow_fixture.h"
#include "test_print_support.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

// Set list 0 "Gig Night"; the slots of the examples.
fixtures::PcgImage PrintFixture() {
    fixtures::PcgOptions options;
    options.blank = true;
    fixtures::PcgImage image = fixtures::GeneratePcg(options);
    fixtures::PutListName(image, 0, "Gig Night");
    const struct {
        int slot;
        const char* name;
        const char* comment;
        int font;
    } kSlots[] = {
        {3, "Song 1", "Verse Am F C G", 3}, {4, "Song 2", "Chorus F G Am\r\nOutro hold", 0},
        {6, "Intro", "Pad swell", 3},       {7, "Intro 2", "Pad swell", 3},
        {9, "   ", "SECRET NOTE", 3},       {127, "Finale", "Big ending", 4},
    };
    for (const auto& s : kSlots) {
        fixtures::PutSlotName(image, 0, s.slot, s.name);
        fixtures::PutSlotComment(image, 0, s.slot, s.comment);
        fixtures::PutFontSize(image, 0, s.slot, s.font);
    }
    fixtures::FixChecksum(image);
    return image;
}

}  // namespace

class TestPrint : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cancelPrintsNothing_data();
    void cancelPrintsNothing();
    void oneJobForAll_data();
    void oneJobForAll();
    void jobPerPageGroup_data();
    void jobPerPageGroup();
    void skipsIdenticalVariantAndShowsLastPrinted();
    void blankNamesOnlyPrintNothing();
    void unwritableFileIsReported();

  private:
    // A started window on the fixture with exactly `selection` selected in set list 0.
    std::unique_ptr<TestFormMain> WindowWithSelection(const QList<int>& selection);

    QTemporaryDir dir_;
    QString pcg_;
    QString out_;
};

void TestPrint::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    pcg_ = WritePcg(dir_.filePath("print.pcg"), PrintFixture());
}

void TestPrint::init() {
    out_ = dir_.filePath(QStringLiteral("out-%1").arg(QTest::currentDataTag()));
    QDir(out_).removeRecursively();
    QVERIFY(QDir().mkpath(out_));
}

std::unique_ptr<TestFormMain> TestPrint::WindowWithSelection(const QList<int>& selection) {
    auto form = StartWindow({pcg_});
    form->ShowSetList(0, true, true);
    form->ComboSlotNr()->clearSelection();
    for (int s : selection) form->ComboSlotNr()->SetSelected(s, true);
    return form;
}

void TestPrint::cancelPrintsNothing_data() {
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("dialogCancelled");
    QTest::newRow("first question") << QList<int>{kAnswerCancel} << false;
    QTest::newRow("second question") << QList<int>{kAnswerNo, kAnswerCancel} << false;
    QTest::newRow("set-up dialog") << QList<int>{kAnswerYes, kAnswerNo} << true;
}

void TestPrint::cancelPrintsNothing() {
    QFETCH(QList<int>, answers);
    QFETCH(bool, dialogCancelled);
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    for (int a : answers) boxes.AnswerYesNoCancel(a);
    if (dialogCancelled) setup.Answer(std::nullopt);
    auto form = WindowWithSelection({3, 4});
    form->ShowSlot(0, false);
    form->PrintClick();
    QCOMPARE(boxes.PendingAnswers(), 0);
    QCOMPARE(setup.requests.size(), dialogCancelled ? 1 : 0);
    QVERIFY(QDir(out_).isEmpty());
    QCOMPARE(form->CurrentSlot(), 0);  // no slot was shown for printing
}

void TestPrint::oneJobForAll_data() {
    QTest::addColumn<int>("merge");
    QTest::addColumn<QStringList>("pages");  // the text of each page
    QTest::newRow("merged") << kAnswerYes
                            << QStringList{"Song 1 Verse Am F C G Chorus F G Am Outro hold"};
    QTest::newRow("not merged") << kAnswerNo
                                << QStringList{"Song 1 Verse Am F C G",
                                               "Song 2 Chorus F G Am Outro hold"};
}

void TestPrint::oneJobForAll() {
    QFETCH(int, merge);
    QFETCH(QStringList, pages);
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    boxes.AnswerYesNoCancel(kAnswerNo).AnswerYesNoCancel(merge);
    const QString pdf = out_ + "/gig.pdf";
    setup.Answer(PrintDestination{PrintDestination::Kind::PdfFile, pdf});
    auto form = WindowWithSelection({3, 4});
    form->PrintClick();

    // The two questions, in order, with the program's caption.
    QCOMPARE(boxes.Boxes().size(), 2);
    QCOMPARE(boxes.Boxes()[0].text, QString(kAskJobPerSlot));
    QCOMPARE(boxes.Boxes()[1].text, QString(kAskMergeSlots));
    QCOMPARE(boxes.Boxes()[1].caption, QString("VELMAR"));
    // The set-up dialog saw the landscape double postcard.
    QCOMPARE(setup.pageId, QPageSize::DoublePostcard);
    QCOMPARE(setup.sheet.toSize(), QSize(200, 148));
    QCOMPARE(setup.requests.size(), 1);
    QCOMPARE(setup.requests[0].documentName, QString("Gig Night"));
    QVERIFY(!setup.requests[0].jobPerPage);

    QCOMPARE(QDir(out_).entryList(QDir::Files), QStringList{"gig.pdf"});
    QCOMPARE(PdfInfo(pdf, "Title"), QString("Gig Night"));
    QCOMPARE(PdfInfo(pdf, "Pages").toInt(), pages.size());
    // 200 x 148 mm, lying on its long side.
    const QStringList size = PdfInfo(pdf, "Page size").split(' ');
    QVERIFY2(size.size() >= 3 && qAbs(size[0].toDouble() - 200 / 25.4 * 72) < 1 &&
                 qAbs(size[2].toDouble() - 148 / 25.4 * 72) < 1,
             qPrintable(size.join(' ')));
    for (int p = 0; p < pages.size(); ++p) QCOMPARE(PageText(pdf, p + 1), pages[p]);
    QCOMPARE(form->CurrentSlot(), 4);  // the last printed slot stays shown
}

void TestPrint::jobPerPageGroup_data() {
    QTest::addColumn<int>("merge");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("merged") << kAnswerYes << QStringList{"003 Song 1.pdf", "127 Finale.pdf"}
                            << QStringList{"Song 1 Verse Am F C G Chorus F G Am Outro hold",
                                           "Finale Big ending"};
    QTest::newRow("not merged") << kAnswerNo
                                << QStringList{"003 Song 1.pdf", "004 Song 2.pdf", "127 Finale.pdf"}
                                << QStringList{"Song 1 Verse Am F C G",
                                               "Song 2 Chorus F G Am Outro hold",
                                               "Finale Big ending"};
}

void TestPrint::jobPerPageGroup() {
    QFETCH(int, merge);
    QFETCH(QStringList, files);
    QFETCH(QStringList, texts);
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    boxes.AnswerYesNoCancel(kAnswerYes).AnswerYesNoCancel(merge);
    setup.Answer(PrintDestination{PrintDestination::Kind::PdfFolder, out_});
    auto form = WindowWithSelection({3, 4, 9, 127});
    form->PrintClick();

    QVERIFY(setup.requests.at(0).jobPerPage);
    QCOMPARE(QDir(out_).entryList(QDir::Files, QDir::Name), files);
    for (int i = 0; i < files.size(); ++i) {
        const QString pdf = out_ + "/" + files[i];
        QCOMPARE(PdfInfo(pdf, "Pages").toInt(), 1);
        QCOMPARE(PdfInfo(pdf, "Title"), files[i].chopped(4));  // the job title
        QCOMPARE(PageText(pdf, 1), texts[i]);
    }
    QCOMPARE(form->CurrentSlot(), 127);
}

void TestPrint::skipsIdenticalVariantAndShowsLastPrinted() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    boxes.AnswerYesNoCancel(kAnswerNo).AnswerYesNoCancel(kAnswerNo);
    const QString pdf = out_ + "/intro.pdf";
    setup.Answer(PrintDestination{PrintDestination::Kind::PdfFile, pdf});
    auto form = WindowWithSelection({6, 7, 9});
    form->ShowSlot(0, false);
    form->PrintClick();
    QCOMPARE(PdfInfo(pdf, "Pages").toInt(), 1);
    QCOMPARE(PageText(pdf, 1), QString("Intro Pad swell"));
    QCOMPARE(form->CurrentSlot(), 6);  // the repeat was neither printed nor shown
    // The selection is left as it was.
    for (int s : {6, 7, 9}) QVERIFY(form->ComboSlotNr()->IsSelected(s));
}

void TestPrint::blankNamesOnlyPrintNothing() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    boxes.AnswerYesNoCancel(kAnswerNo).AnswerYesNoCancel(kAnswerYes);
    auto form = WindowWithSelection({9, 10});
    form->PrintClick();
    QCOMPARE(setup.requests.size(), 0);
    QVERIFY(QDir(out_).isEmpty());
}

void TestPrint::unwritableFileIsReported() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedPrintSetup setup;
    boxes.AnswerYesNoCancel(kAnswerNo).AnswerYesNoCancel(kAnswerNo);
    const QString pdf = out_ + "/missing-folder/gig.pdf";
    setup.Answer(PrintDestination{PrintDestination::Kind::PdfFile, pdf});
    auto form = WindowWithSelection({3});
    form->PrintClick();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"Cannot create file " + QDir::toNativeSeparators(pdf)});
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_MAIN(TestPrint)
#include "test_print.moc"
