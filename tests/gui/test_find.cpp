// Find in the main window: every match of the set list shown selected at once with the found
// comment text highlighted, stepping through the selection, the search across set lists with
// its wrap questions, and the find dialog's Cancel rule.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "analysis/AnalysisState.h"
#include "analysis/FormSearch.h"
#include "mainwindow/MainControls.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

using Kind = ScriptedMessages::Kind;

// How the find dialog is closed in one test step.
struct DialogInput {
    QString text;
    bool comments = false;
    bool allLists = false;
    bool ok = true;
};

// Answers the find dialog like a user: types, sets the boxes, presses OK or Cancel.
void AnswerFindDialog(TFormMain& form, const DialogInput& input, int* shown = nullptr) {
    form.Analysis().SetDialogRunner([input, shown](QDialog& dialog) {
        auto& search = static_cast<TFormSearch&>(dialog);
        if (shown) ++*shown;
        search.EditSearchStr()->setText(input.text);
        search.CheckSearchComment()->setChecked(input.comments);
        search.CheckSearchAllLists()->setChecked(input.allLists);
        (input.ok ? search.ButtonOK() : search.ButtonCancel())->click();
        return search.result();
    });
}

QList<int> SelectedSlots(const TFormMain& form) {
    QList<int> rows;
    for (int s = 0; s < 128; ++s)
        if (form.ComboSlotNr()->IsSelected(s)) rows << s;
    return rows;
}

}  // namespace

class TestFind : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void findInShownList_data();
    void findInShownList();
    void stepThroughSelection();
    void acrossListsWithWrap();
    void wrapRefusedOrFruitless();
    void cancelRule();

  private:
    std::unique_ptr<TestFormMain> Start(int list, int slot);

    QTemporaryDir dir_;
    QString file_;
};

void TestFind::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 3, .blank = true});
    // Set list 2: names that contain "pad" in any case of A..Z, and one with an umlaut.
    fixtures::PutSlotName(image, 2, 0, "Pad 0");
    fixtures::PutSlotName(image, 2, 3, "Pad 1");
    fixtures::PutSlotName(image, 2, 10, "SYNPAD");
    fixtures::PutSlotName(image, 2, 40, "pads");
    fixtures::PutSlotName(image, 2, 41,
                          "P\xC4"
                          "D");  // "PÄD": umlauts match only exactly
    fixtures::PutSlotName(image, 2, 50, "Strings");
    fixtures::PutSlotComment(image, 2, 50, "Count in 4\r\nthen the Bridge part");
    fixtures::PutSlotName(image, 2, 60, "Brass");
    fixtures::PutSlotComment(image, 2, 60, "no bridge here");
    // "Intro" across set lists: the last slot of 4, the first of 5, and 9 (unnamed lists too).
    fixtures::PutSlotName(image, 4, 127, "Intro A");
    fixtures::PutSlotName(image, 5, 0, "intro b");
    fixtures::PutSlotName(image, 9, 60, "Outro / INTRO");
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("find.pcg"), image);
}

std::unique_ptr<TestFormMain> TestFind::Start(int list, int slot) {
    auto form = StartWindow({file_});
    form->TimerSync()->stop();  // the finder is not under test here
    form->ShowSetList(list, false, true);
    form->ShowSlot(slot, true);
    return form;
}

void TestFind::findInShownList_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comments");
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("highlighted");
    QTest::addColumn<QStringList>("errors");

    QTest::newRow("names, A..Z case ignored")
        << "pad" << false << QList<int>{0, 3, 10, 40} << 0 << "" << QStringList{};
    QTest::newRow("umlaut matches exactly")
        << "\u00C4D" << false << QList<int>{41} << 41 << "" << QStringList{};
    QTest::newRow("comment behind a line break, highlighted")
        << "BRIDGE PART" << true << QList<int>{50} << 50 << "Bridge part" << QStringList{};
    QTest::newRow("comments only when asked")
        << "bridge" << false << QList<int>{7} << 7 << "" << QStringList{"Not found!"};
    QTest::newRow("name first, comments too")
        << "r" << true << QList<int>{50, 60} << 50 << "" << QStringList{};
}

void TestFind::findInShownList() {
    QFETCH(QString, text);
    QFETCH(bool, comments);
    QFETCH(QList<int>, selected);
    QFETCH(int, shown);
    QFETCH(QString, highlighted);
    QFETCH(QStringList, errors);
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = Start(2, 7);
    form->ComboSlotNr()->SetSelected(20, true);  // an earlier selection goes
    AnswerFindDialog(*form, {text, comments, false, true});

    form->MenuFindClick();
    QCOMPARE(SelectedSlots(*form), selected);
    QCOMPARE(form->CurrentSlot(), shown);
    QCOMPARE(form->MemoComment()->textCursor().selectedText(), highlighted);
    QCOMPARE(boxes.Texts(Kind::Error), errors);
    if (errors.isEmpty()) QCOMPARE(QApplication::focusWidget(), form->ComboSlotNr());
    QVERIFY(!form->Doc().FileModified());
}

void TestFind::stepThroughSelection() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = Start(2, 7);
    AnswerFindDialog(*form, {"pad", false, false, true});
    form->MenuFindClick();
    QCOMPARE(form->CurrentSlot(), 0);

    // Forward round the selection, slot 0 included; backward from the lowest to the highest.
    QList<int> visited;
    for (int i = 0; i < 5; ++i) {
        form->MenuFindNextClick();
        visited << form->CurrentSlot();
    }
    QCOMPARE(visited, (QList<int>{3, 10, 40, 0, 3}));
    form->MenuFindPrevClick();
    form->MenuFindPrevClick();
    QCOMPARE(form->CurrentSlot(), 40);
    QCOMPARE(SelectedSlots(*form), (QList<int>{0, 3, 10, 40}));

    // Whatever selected the slots: the steps follow the selection of the view.
    for (int s : {0, 3, 10, 40}) form->ComboSlotNr()->SetSelected(s, false);
    form->ComboSlotNr()->SetSelected(90, true);
    form->ComboSlotNr()->SetSelected(5, true);
    form->MenuFindNextClick();
    QCOMPARE(form->CurrentSlot(), 90);
    form->MenuFindNextClick();
    QCOMPARE(form->CurrentSlot(), 5);
    // Alone in the selection: nothing to step to.
    form->ComboSlotNr()->SetSelected(90, false);
    form->MenuFindNextClick();
    QCOMPARE(form->CurrentSlot(), 5);
    QVERIFY(boxes.Boxes().isEmpty());
}

void TestFind::acrossListsWithWrap() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = Start(4, 100);
    AnswerFindDialog(*form, {"intro", false, true, true});

    auto at = [&form] { return QPair<int, int>(form->CurrentSetList(), form->CurrentSlot()); };
    form->MenuFindClick();  // runs Find Next from the slot after the focused one
    QCOMPARE(at(), qMakePair(4, 127));
    form->MenuFindNextClick();  // slot 127 of 4 continues with slot 0 of 5
    QCOMPARE(at(), qMakePair(5, 0));
    QCOMPARE(form->ComboSlotNr()->selectedItems().size(), 1);
    form->MenuFindPrevClick();  // and back from slot 0 to slot 127 of the set list before
    QCOMPARE(at(), qMakePair(4, 127));
    form->MenuFindNextClick();
    form->MenuFindNextClick();
    QCOMPARE(at(), qMakePair(9, 60));
    QVERIFY(boxes.Boxes().isEmpty());

    // Past the last match: the notice, then the offer to start from the beginning.
    boxes.AnswerYesNo(true);
    form->MenuFindNextClick();
    QCOMPARE(at(), qMakePair(4, 127));
    QCOMPARE(boxes.Texts(Kind::Info), QStringList{"\"intro\" not found!"});
    QCOMPARE(boxes.Texts(Kind::YesNo), QStringList{"Search from Beginning?"});

    // Before the first match backward: the offer to start from the end (OK / Cancel).
    boxes.ClearBoxes();
    boxes.AnswerOkCancel(true);
    form->MenuFindPrevClick();
    QCOMPARE(at(), qMakePair(9, 60));
    QCOMPARE(boxes.Texts(Kind::Info), QStringList{"\"intro\" not found!"});
    QCOMPARE(boxes.Texts(Kind::OkCancel), QStringList{"Search from End?"});
    QCOMPARE(boxes.PendingAnswers(), 0);
}

void TestFind::wrapRefusedOrFruitless() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = Start(9, 61);
    AnswerFindDialog(*form, {"intro", false, true, true});
    boxes.AnswerYesNo(false);
    form->MenuFindClick();  // nothing after 9 / 61; No keeps the slot shown
    QCOMPARE(form->CurrentSetList(), 9);
    QCOMPARE(form->CurrentSlot(), 61);
    QCOMPARE(boxes.Boxes().size(), 2);

    // A text found nowhere: the notice once for each pass.
    boxes.ClearBoxes();
    AnswerFindDialog(*form, {"nowhere", false, true, true});
    boxes.AnswerYesNo(true);
    form->MenuFindClick();
    QCOMPARE(boxes.Texts(Kind::Info),
             (QStringList{"\"nowhere\" not found!", "\"nowhere\" not found!"}));
    QCOMPARE(form->CurrentSetList(), 9);
    QCOMPARE(form->CurrentSlot(), 61);
}

void TestFind::cancelRule() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = Start(2, 7);
    int shown = 0;

    // Cancel before any OK does nothing.
    AnswerFindDialog(*form, {"pad", false, false, false}, &shown);
    form->MenuFindClick();
    QCOMPARE(shown, 1);
    QCOMPARE(SelectedSlots(*form), QList<int>{7});
    QCOMPARE(form->CurrentSlot(), 7);

    // After an OK, Cancel repeats the confirmed search, not the text typed since.
    AnswerFindDialog(*form, {"pads", false, false, true}, &shown);
    form->MenuFindClick();
    QCOMPARE(SelectedSlots(*form), QList<int>{40});
    form->ShowSlot(7, true);
    AnswerFindDialog(*form, {"brass", true, false, false}, &shown);
    form->MenuFindClick();
    QCOMPARE(SelectedSlots(*form), QList<int>{40});
    QCOMPARE(form->CurrentSlot(), 40);

    // The dialog is kept: the next run finds the text and boxes as they were left.
    TFormSearch& dialog = form->Analysis().FormSearch();
    QCOMPARE(dialog.EditSearchStr()->text(), QString("brass"));
    QVERIFY(dialog.CheckSearchComment()->isChecked());

    // The "all set lists" box counts even when the dialog is cancelled.
    form->ShowSetList(4, false, true);
    form->ShowSlot(0, true);
    AnswerFindDialog(*form, {"ignored", false, true, false}, &shown);
    boxes.AnswerYesNo(false);
    form->MenuFindClick();  // "pads" across set lists: none after 4 / 0
    QCOMPARE(boxes.Texts(Kind::Info), QStringList{"\"pads\" not found!"});
    QCOMPARE(shown, 4);
    QVERIFY(boxes.Texts(Kind::Error).isEmpty());
}

QTEST_MAIN(TestFind)
#include "test_find.moc"
