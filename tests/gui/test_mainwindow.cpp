// The main window: start-up and closing, the details panel, the modified flag, the size
// buttons and the column rules.

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTest>
#include <QTimer>

#include "document/Layout.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void startUpChoosesFile_data();
    void startUpChoosesFile();
    void aboutOnlyUntilDonated_data();
    void aboutOnlyUntilDonated();
    void firstStartRestoresListAndSlot_data();
    void firstStartRestoresListAndSlot();
    void closingStoresEverything();
    void detailsPanelShowsSlot_data();
    void detailsPanelShowsSlot();
    void fontCodeOutsideTableKeepsFont();
    void showingNeverModifiesTypingDoes();
    void typedTextIsStoredInCodePage();
    void commentLimitRefusesTyping();
    void sizeButtonsChangeSelectedSlots();
    void columnRules();

  private:
    QTemporaryDir dir_;
    QString file_;
};

void TestMainWindow::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 7});
    fixtures::PutSlotName(image, 12, 40, "Restore Me");
    fixtures::PutListName(image, 3, "Details");
    fixtures::PutSlotName(image, 3, 0, "Plain");
    fixtures::PutTranspose(image, 3, 0, 0);
    fixtures::PutFontSize(image, 3, 0, 0);
    fixtures::PutSlotName(image, 3, 1, "Medium Up");
    fixtures::PutTranspose(image, 3, 1, fixtures::TransposeRaw(3));
    fixtures::PutFontSize(image, 3, 1, 2);
    fixtures::PutSlotName(image, 3, 2, "Odd Size");
    fixtures::PutFontSize(image, 3, 2, 6);
    fixtures::PutTranspose(image, 3, 2, fixtures::TransposeRaw(-5));
    for (int slot : {3, 4, 5}) fixtures::PutTranspose(image, 3, slot, 0);
    fixtures::PutFontSize(image, 3, 3, 4);
    fixtures::PutFontSize(image, 3, 4, 1);
    fixtures::PutFontSize(image, 3, 5, 3);
    fixtures::PutSlotComment(image, 3, 0, "Count in 4\r\nIntro: pad only");
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("main.pcg"), image);
}

void TestMainWindow::startUpChoosesFile_data() {
    QTest::addColumn<bool>("withArgument");
    QTest::addColumn<QString>("argumentName");
    QTest::addColumn<QString>("autoOpen");
    QTest::addColumn<bool>("lastFileStored");
    QTest::addColumn<bool>("opened");
    QTest::newRow("argument while autoload is off") << true << "main.pcg"
                                                    << "0" << false << true;
    QTest::newRow("last file, autoload on") << false << ""
                                            << "1" << true << true;
    QTest::newRow("last file, autoload off") << false << ""
                                             << "0" << true << false;
    QTest::newRow("argument names no file") << true << "missing.pcg"
                                            << "1" << false << false;
}

void TestMainWindow::startUpChoosesFile() {
    QFETCH(bool, withArgument);
    QFETCH(QString, argumentName);
    QFETCH(QString, autoOpen);
    QFETCH(bool, lastFileStored);
    QFETCH(bool, opened);
    MemorySettings settings;
    ScriptedMessages boxes;  // a missing file is dropped without a box
    settings.Put("AutoOpenFile", autoOpen);
    if (lastFileStored) settings.Put("Filename", file_);
    QStringList args;
    if (withArgument) args << dir_.filePath(argumentName);

    auto form = StartWindow(args);
    QCOMPARE(form->aboutShown, 1);
    QCOMPARE(form->aboutOwner, nullptr);
    QCOMPARE(form->Doc().FileLoaded(), opened);
    QCOMPARE(form->ComboListNr()->count(), opened ? 128 : 0);
    QCOMPARE(form->windowTitle(), opened ? "VELMAR - " + file_ : QString("VELMAR 1.0.4"));
    QCOMPARE(form->Button("ButtonSave")->isEnabled(), opened);
    QCOMPARE(form->Button("ButtonXL")->isEnabled(), opened);
    QCOMPARE(form->ComboSlotNr()->isEnabled(), opened);
    QVERIFY(form->Button("ButtonOpen")->isEnabled());
    if (opened) QCOMPARE(settings.Stored("Filename"), file_);
    QVERIFY(boxes.Boxes().isEmpty());
}

void TestMainWindow::aboutOnlyUntilDonated_data() {
    QTest::addColumn<QString>("donated");
    QTest::addColumn<int>("shown");
    QTest::newRow("never donated") << "" << 1;
    QTest::newRow("donate pressed") << "1" << 0;
}

void TestMainWindow::aboutOnlyUntilDonated() {
    QFETCH(QString, donated);
    QFETCH(int, shown);
    MemorySettings settings;
    settings.Put("DonationPressed1.0.4", donated);
    TestFormMain form;
    form.FormCreate({});
    QCOMPARE(form.aboutShown, shown);
    QVERIFY(form.TimerFirstStart()->isActive());
    QCOMPARE(form.TimerFirstStart()->interval(), 100);
    QVERIFY(form.TimerAutoSave()->isActive());
    QCOMPARE(form.TimerAutoSave()->interval(), 180000);
    form.ButtonAboutClick();
    QCOMPARE(form.aboutShown, shown + 1);
    QCOMPARE(form.aboutOwner, &form);
}

void TestMainWindow::firstStartRestoresListAndSlot_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("shownList");
    QTest::addColumn<int>("shownSlot");
    QTest::newRow("last run ended on 12 / 40") << "12"
                                               << "40" << 12 << 40;
    QTest::newRow("nothing stored") << ""
                                    << "" << 0 << 0;
    QTest::newRow("values beyond the records") << "128"
                                               << "-1" << 0 << 0;
    QTest::newRow("slot beyond, list fine") << "127"
                                            << "999" << 127 << 0;
}

void TestMainWindow::firstStartRestoresListAndSlot() {
    QFETCH(QString, list);
    QFETCH(QString, slot);
    QFETCH(int, shownList);
    QFETCH(int, shownSlot);
    MemorySettings settings;
    settings.Put("LastSetList", list);
    settings.Put("LastSlot", slot);
    auto form = StartWindow({file_});
    QCOMPARE(form->CurrentSetList(), shownList);
    QCOMPARE(form->CurrentSlot(), shownSlot);
    QCOMPARE(form->ComboListNr()->currentRow(), shownList);
    QVERIFY(form->ComboListNr()->IsSelected(shownList));
    QCOMPARE(form->ComboSlotNr()->currentRow(), shownSlot);
    QCOMPARE(form->ComboSlotNr()->selectedItems().size(), 1);
    QCOMPARE(form->EditSlotNr()->text(), QString("%1").arg(shownSlot, 3, 10, QChar('0')));
    QCOMPARE(form->EditSlotName()->text(),
             FromFileText(form->Doc().GetSlotName(shownList, shownSlot)));
    if (shownList == 12) QCOMPARE(form->EditSlotName()->text(), QString("Restore Me"));
    QVERIFY(!form->Doc().FileModified());
}

void TestMainWindow::closingStoresEverything() {
    MemorySettings settings;
    {
        auto form = StartWindow({file_});
        form->ShowSetList(12, false, true);
        form->ShowSlot(40, true);
        form->setGeometry(30, 40, 1280, 700);
        QApplication::processEvents();
        QSplitter* splitter = form->Splitter();
        splitter->setSizes({260, splitter->width() - 440 - 2 * splitter->handleWidth(), 180});
        QVERIFY(form->close());
    }
    QCOMPARE(settings.Stored("LastSetList"), QString("12"));
    QCOMPARE(settings.Stored("LastSlot"), QString("40"));
    QCOMPARE(settings.Stored("Filename"), file_);
    QCOMPARE(settings.Stored("ListWidth"), QString("260"));
    QCOMPARE(settings.Stored("SyncWidth"), QString("180"));
    auto* backend = dynamic_cast<MemoryBackend*>(&settings.Store().Backend());
    QVERIFY(backend != nullptr);
    for (const char* name :
         {"Filename", "LastSetList", "LastSlot", "Columns", "SameName", "SimilarName",
          "SameComment", "SimilarComment", "SimilarPercentage", "DonationPressed1.0.4",
          "AutoOpenFile", "AutoSave", "DeleteDragSource", "ListWidth", "SyncWidth"})
        QVERIFY2(backend->Contains("Software\\Velmar\\Main", name), name);

    // The next start finds the window placement and the last place again.
    auto again = StartWindow({});
    QCOMPARE(again->CurrentSetList(), 12);
    QCOMPARE(again->CurrentSlot(), 40);
    QCOMPARE(again->Splitter()->sizes().value(0), 260);
    QCOMPARE(again->geometry(), QRect(30, 40, 1280, 700));
}

void TestMainWindow::detailsPanelShowsSlot_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("transpose");
    QTest::addColumn<bool>("transposeRed");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("panelWidth");
    QTest::newRow("S, no transpose") << 0 << "T 0" << false << "ButtonS"
                                     << "Verdana" << 10 << 772;
    QTest::newRow("M, up 3") << 1 << "T +3" << true << "ButtonM"
                             << "Helvetica" << 13 << 675;
    QTest::newRow("XL") << 3 << "T 0" << false << "ButtonXL"
                        << "Arial" << 48 << 772;
    QTest::newRow("XS") << 4 << "T 0" << false << "ButtonXS"
                        << "Verdana" << 8 << 772;
    QTest::newRow("L") << 5 << "T 0" << false << "ButtonL"
                       << "Arial" << 22 << 772;
}

void TestMainWindow::detailsPanelShowsSlot() {
    QFETCH(int, slot);
    QFETCH(QString, transpose);
    QFETCH(bool, transposeRed);
    QFETCH(QString, pressed);
    QFETCH(QString, face);
    QFETCH(int, points);
    QFETCH(int, panelWidth);
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(3, false, true);
    form->ShowSlot(slot, true);

    const Document& doc = form->Doc();
    QCOMPARE(form->EditSlotNr()->text(), QString("%1").arg(slot, 3, 10, QChar('0')));
    QCOMPARE(form->EditSlotName()->text(), FromFileText(doc.GetSlotName(3, slot)));
    QCOMPARE(form->EditSound()->text(), FromFileText(doc.GetSoundText(3, slot, false)));
    QCOMPARE(form->EditVol()->text(), FromFileText(doc.GetVolumeText(3, slot)));
    QCOMPARE(form->EditSST()->text(), FromFileText(doc.GetHoldText(3, slot)));
    QCOMPARE(form->EditTranspose()->text(), transpose);
    const QColor background =
        form->EditTranspose()->palette().color(form->EditTranspose()->backgroundRole());
    QCOMPARE(background, transposeRed ? QColor(248, 80, 105) : QColor(253, 190, 2));
    QVERIFY(form->Button(pressed)->isChecked());
    QCOMPARE(form->PanelCommentBorder()->width(), panelWidth);
    QCOMPARE(form->CommentFontName(), face);
    QCOMPARE(form->CommentFontSize(), points);
    QCOMPARE(form->MemoComment()->toPlainText(),
             FromFileText(doc.GetSlotComment(3, slot)).replace("\r\n", "\n"));
    if (slot == 0)
        QCOMPARE(form->MemoComment()->toPlainText(), QString("Count in 4\nIntro: pad only"));
    const QColor marker = QColor::fromRgb(doc.GetSlotColor(3, slot));
    QVERIFY(form->Button("ButtonColor")->styleSheet().contains(marker.name()));
}

void TestMainWindow::fontCodeOutsideTableKeepsFont() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(3, false, true);
    form->ShowSlot(1, true);  // M
    form->ShowSlot(2, true);  // code 6
    QCOMPARE(form->PressedSizeCode(), 2);
    QCOMPARE(form->CommentFontName(), QString("Helvetica"));
    QCOMPARE(form->CommentFontSize(), 13);
    QCOMPARE(form->PanelCommentBorder()->width(), 772);
    QCOMPARE(form->EditTranspose()->text(), QString("T -5"));
    form->ShowSlot(0, true);  // back to S
    QCOMPARE(form->PressedSizeCode(), 0);
    QCOMPARE(form->PanelCommentBorder()->width(), 772);
}

void TestMainWindow::showingNeverModifiesTypingDoes() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    for (int list : {3, 12, 0}) {
        form->ShowSetList(list, true, true);
        for (int slot : {0, 1, 40, 127}) form->ShowSlot(slot, true);
    }
    QVERIFY(!form->Doc().FileModified());

    form->ShowSetList(3, false, true);
    form->ShowSlot(0, true);
    form->EditSlotName()->setFocus();
    form->EditSlotName()->selectAll();
    QTest::keyClicks(form->EditSlotName(), "Opener");
    QVERIFY(form->Doc().FileModified());
    QCOMPARE(form->Doc().GetSlotName(3, 0), std::string("Opener"));
    QCOMPARE(form->ComboSlotNr()->item(0)->text(), QString("000 Opener"));

    form->Doc().SetFileModified(false);
    form->MemoComment()->setFocus();
    form->MemoComment()->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->MemoComment(), " ok");
    QVERIFY(form->Doc().FileModified());
    // The comment reaches the image when the editor loses the focus.
    QCOMPARE(form->Doc().GetSlotComment(3, 0), std::string("Count in 4\r\nIntro: pad only"));
    form->ComboSlotNr()->setFocus();
    QApplication::processEvents();
    form->MemoCommentExit();
    QCOMPARE(form->Doc().GetSlotComment(3, 0), std::string("Count in 4\r\nIntro: pad only ok"));
}

void TestMainWindow::typedTextIsStoredInCodePage() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(3, false, true);
    form->ShowSlot(1, true);
    form->EditSlotName()->setText(QString::fromUtf8("Caf\u00e9 \u20ac \u03a9"));
    QCOMPARE(form->Doc().GetSlotName(3, 1), std::string("Caf\xe9 \x80 ?"));
    QCOMPARE(form->EditSlotName()->text(), QString::fromUtf8("Caf\u00e9 \u20ac ?"));
    QCOMPARE(form->ComboSlotNr()->item(1)->text(), QString::fromUtf8("001 Caf\u00e9 \u20ac ?"));
}

void TestMainWindow::commentLimitRefusesTyping() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(3, false, true);
    form->ShowSlot(3, true);
    TCommentEdit* memo = form->MemoComment();
    memo->setPlainText(QString(512, QChar('x')));
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_A);
    QTest::keyClick(memo, Qt::Key_Backspace);
    QCOMPARE(memo->toPlainText().size(), 512);
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClick(memo, Qt::Key_Delete);  // not typed text: still removes
    QCOMPARE(memo->toPlainText().size(), 511);
    QTest::keyClick(memo, Qt::Key_B);
    QCOMPARE(memo->toPlainText().size(), 512);
    QVERIFY(memo->toPlainText().startsWith('b'));
}

void TestMainWindow::sizeButtonsChangeSelectedSlots() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(3, false, true);
    form->ShowSlot(0, true);
    form->ComboSlotNr()->SetSelected(4, true);  // XS; slot 1 (M) stays unselected
    form->ButtonXLClick();
    const Document& doc = form->Doc();
    QCOMPARE(doc.GetSlotFontSize(3, 0), 4);
    QCOMPARE(doc.GetSlotFontSize(3, 4), 4);
    QCOMPARE(doc.GetSlotFontSize(3, 1), 2);
    QVERIFY(!doc.FileModified());
    QCOMPARE(form->PressedSizeCode(), 4);
    QCOMPARE(form->CommentFontSize(), 48);
    QVERIFY(form->ComboSlotNr()->IsSelected(4));  // the other selected slotView stay selected

    // The button ends pressed even when the slot at the item index was not selected.
    form->ComboSlotNr()->SetSelected(0, false);
    form->ComboSlotNr()->SetSelected(4, false);
    form->ComboSlotNr()->SetSelected(5, true);
    form->ButtonMClick();
    QCOMPARE(doc.GetSlotFontSize(3, 5), 2);
    QCOMPARE(doc.GetSlotFontSize(3, 0), 4);
    QCOMPARE(form->PressedSizeCode(), 2);
}

void TestMainWindow::columnRules() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(0, true, true);
    TListView* view = form->ComboSlotNr();
    const int rows = view->height() / 13;
    form->EditNumCols()->setValue(3);
    QCOMPARE(view->gridSize().width(), view->width() / 3 - 4);
    QCOMPARE(view->horizontalScrollBarPolicy(), 3 < 127.0 / (view->viewport()->height() / 13.0)
                                                    ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAlwaysOff);
    form->EditNumCols()->setValue(0);
    const int columns = (127 + rows - 1) / rows;
    QCOMPARE(view->gridSize().width(), view->width() / columns - 4);
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(view->viewport()->height() >= 16 * 13);
    QVERIFY(form->close());
    QCOMPARE(settings.Stored("Columns"), QString("0"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
