// The main window's navigation: previous and next, the two last-selected jumps, select all
// and the focus keys, the three context menus with the key map, mouse and keys in the views.

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "mainwindow/MainControls.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

class TestMainWindowKeys : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void previousAndNext();
    void slotJumpAndListJump();
    void selectAllAndFocusKeys();
    void commandsWaitForAFile();
    void contextMenus_data();
    void contextMenus();
    void mouseAndKeysInViews();

  private:
    QTemporaryDir dir_;
    QString file_;
};

void TestMainWindowKeys::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid());
    file_ = WritePcg(dir_.filePath("keys.pcg"), fixtures::GeneratePcg({.seed = 5}));
}

void TestMainWindowKeys::previousAndNext() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* slotView = form->ComboSlotNr();
    form->ShowSlot(0, true);
    PressKey(slotView, Qt::Key_F7);
    QCOMPARE(form->CurrentSlot(), 0);
    PressKey(slotView, Qt::Key_F8);
    QCOMPARE(form->CurrentSlot(), 1);
    PressKey(slotView, Qt::Key_F10);
    QCOMPARE(form->CurrentSlot(), 2);
    PressKey(slotView, Qt::Key_F9);
    QCOMPARE(form->CurrentSlot(), 1);
    QCOMPARE(slotView->selectedItems().size(), 1);
    form->ShowSlot(127, true);
    PressKey(slotView, Qt::Key_F8);
    QCOMPARE(form->CurrentSlot(), 127);

    // Once the item at the item index is deselected, previous stops but next goes on.
    form->ShowSlot(50, true);
    slotView->SetSelected(50, false);
    PressKey(slotView, Qt::Key_F7);
    QCOMPARE(form->CurrentSlot(), 50);
    PressKey(slotView, Qt::Key_F8);
    QCOMPARE(form->CurrentSlot(), 51);

    // Set lists, from the set list view and from the comment field alike.
    PressKey(form->ComboListNr(), Qt::Key_F5);
    QCOMPARE(form->CurrentSetList(), 0);
    PressKey(form->ComboListNr(), Qt::Key_F6);
    QCOMPARE(form->CurrentSetList(), 1);
    PressKey(form->MemoComment(), Qt::Key_F6);
    QCOMPARE(form->CurrentSetList(), 2);
    PressKey(form->MemoComment(), Qt::Key_F5);
    QCOMPARE(form->CurrentSetList(), 1);
    QVERIFY(!form->ComboListNr()->IsSelected(2));
    form->ShowSetList(127, true, true);
    PressKey(form->ComboListNr(), Qt::Key_F6);
    QCOMPARE(form->CurrentSetList(), 127);
}

void TestMainWindowKeys::slotJumpAndListJump() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* slotView = form->ComboSlotNr();
    form->ShowSlot(5, true);
    form->ShowSlot(9, true);
    PressKey(slotView, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(form->CurrentSlot(), 5);
    PressKey(slotView, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(form->CurrentSlot(), 9);
    form->Button("ButtonLast")->click();
    QCOMPARE(form->CurrentSlot(), 5);

    // Across set lists: slot 5 of list 2, then list 7 with its remembered slot 0, then a
    // click on slot 0 again.
    form = StartWindow({file_});
    slotView = form->ComboSlotNr();
    form->ShowSetList(2, false, true);
    form->ShowSlot(5, true);
    form->ShowSetList(7, true, true);
    form->ShowSlot(0, true);
    PressKey(slotView, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(form->CurrentSetList(), 2);
    QCOMPARE(form->CurrentSlot(), 5);
    QCOMPARE(form->EditSlotNr()->text(), QString("005"));

    // The set list jump alternates between the two set lists shown last.
    form->ShowSetList(20, true, true);
    form->ShowSetList(30, true, true);
    PressKey(form->ComboListNr(), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(form->CurrentSetList(), 20);
    PressKey(slotView, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(form->CurrentSetList(), 30);
}

void TestMainWindowKeys::selectAllAndFocusKeys() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* slotView = form->ComboSlotNr();
    form->ShowSlot(3, true);
    PressKey(form->ComboListNr(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(slotView->selectedItems().size(), 1);
    QCOMPARE(form->ComboListNr()->selectedItems().size(), 1);
    PressKey(slotView, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(slotView->selectedItems().size(), 128);
    QCOMPARE(form->CurrentSlot(), 3);

    PressKey(slotView, Qt::Key_F4);
    QVERIFY(form->MemoComment()->hasFocus());
    PressKey(form->MemoComment(), Qt::Key_F2);
    QVERIFY(form->EditSlotName()->hasFocus());
    PressKey(form->EditSlotName(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(form->EditSlotName()->selectedText(), form->EditSlotName()->text());
    // F2 in the set list view belongs to its own menu (renaming), not to the name field, even
    // while renaming is switched off.
    form->EnableCommand("MenuRenameListClick", false);
    PressKey(form->ComboListNr(), Qt::Key_F2);
    QVERIFY(!form->EditSlotName()->hasFocus());
}

void TestMainWindowKeys::commandsWaitForAFile() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedFileDialogs dialogs;  // any dialog would fail the test
    auto form = StartWindow({});
    QVERIFY(!form->Doc().HasImage());
    for (Qt::Key key : {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F8, Qt::Key_F12})
        PressKey(form->ComboSlotNr(), key);
    PressKey(form->ComboSlotNr(), Qt::Key_S, Qt::ControlModifier);
    PressKey(form->ComboSlotNr(), Qt::Key_B, Qt::ControlModifier);
    form->ButtonXLClick();
    form->ShowSetList(5, true, true);
    QCOMPARE(form->CurrentSetList(), 0);
    QCOMPARE(form->PressedSizeCode(), -1);
    QVERIFY(boxes.Boxes().isEmpty());
    QVERIFY(form->close());
}

void TestMainWindowKeys::contextMenus_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>(
        "entries");  // caption|key, "(hidden)" marks entries only for keys
    const QStringList shared{"Find|Ctrl+F",
                             "Find Previous|Shift+F3",
                             "Find Next|F3",
                             "Previous|F7",
                             "Next |F8",
                             "Last Selected|Ctrl+B",
                             "-",
                             "Sort|",
                             "Convert to Upper|",
                             "Convert to First Letter Upper|",
                             "Convert to Sound + Name|",
                             "-"};
    const QStringList hidden{"(hidden)Goto Previous Slot|F9", "(hidden)Next Slot|F10",
                             "(hidden)Open|Ctrl+O",           "(hidden)Save|Ctrl+S",
                             "(hidden)Save As|F12",           "(hidden)Goto Previous List|F5",
                             "(hidden)Goto Next List|F6",     "(hidden)(Last Selected)|Ctrl+G"};
    QTest::newRow("slot view and window")
        << 0
        << QStringList{"Clear|Ctrl+Y",
                       "Cut|Ctrl+X",
                       "Copy|Ctrl+C",
                       "Insert|Ctrl+T",
                       "Paste|Ctrl+V",
                       "Select All|Ctrl+A",
                       "-"} +
               shared +
               QStringList{"Print Selected|Ctrl+P", "-", "Focus on Name|F2",
                           "Focus on Comment|F4"} +
               hidden;
    QTest::newRow("set list view") << 1
                                   << QStringList{"Clear|Ctrl+Alt+Y",
                                                  "Cut|Ctrl+Alt+X",
                                                  "Copy|Ctrl+Alt+C",
                                                  "Insert|Ctrl+Alt+T",
                                                  "Paste|Ctrl+Alt+V",
                                                  "-",
                                                  "Rename|F2",
                                                  "-",
                                                  "Previous|F5",
                                                  "Next|F6",
                                                  "Compare Slots with same Name|",
                                                  "Generate List sorted by Slot Number|",
                                                  "Generate List sorted by Sound Number|",
                                                  "Generate List with Comments|"};
    QTest::newRow("comment field")
        << 2
        << QStringList{"Cut|Ctrl+X", "Copy|Ctrl+C", "Paste|Ctrl+V", "Select All|Ctrl+A", "-"} +
               shared + QStringList{"Focus on Name|F2"} + hidden;
}

void TestMainWindowKeys::contextMenus() {
    QFETCH(int, menu);
    QFETCH(QStringList, entries);
    MemorySettings settings;
    TestFormMain form;
    QMenu* popup = menu == 0   ? form.PopupSlots()
                   : menu == 1 ? form.PopupLists()
                               : form.PopupComment();
    QStringList actual;
    for (QAction* a : popup->actions()) {
        if (a->isSeparator()) {
            actual << "-";
            continue;
        }
        actual << QString(a->isVisible() ? "" : "(hidden)") + a->text() + "|" +
                      a->shortcut().toString(QKeySequence::PortableText);
    }
    QCOMPARE(actual, entries);
    const QAction* lower = form.CommandAction("mnuLowerClick", menu == 1 ? 0 : menu);
    QCOMPARE(lower->toolTip(), QString("Change all but first characters in a word to lower case"));
}

void TestMainWindowKeys::mouseAndKeysInViews() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* slotView = form->ComboSlotNr();
    auto clickSlot = [&](int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QRect rect = slotView->visualItemRect(slotView->item(row));
        QTest::mouseClick(slotView->viewport(), Qt::LeftButton, modifiers, rect.center());
    };
    clickSlot(10);
    QCOMPARE(form->CurrentSlot(), 10);
    QCOMPARE(form->EditSlotNr()->text(), QString("010"));
    clickSlot(12, Qt::ControlModifier);  // only the selection changes
    QCOMPARE(form->CurrentSlot(), 10);
    QCOMPARE(slotView->selectedItems().size(), 2);
    clickSlot(30);
    QCOMPARE(form->CurrentSlot(), 30);
    QCOMPARE(slotView->selectedItems().size(), 1);

    // A key moves the item index; its release shows that slot.
    PressKey(slotView, Qt::Key_Down);
    QCOMPARE(form->CurrentSlot(), 31);
    // Type-ahead: the beginning of an item text.
    slotView->setFocus();
    QTest::keyClicks(slotView, "077");
    QCOMPARE(form->CurrentSlot(), 77);

    // The set list view shows a clicked set list with its remembered slot.
    TListView* lists = form->ComboListNr();
    form->ShowSetList(9, false, true);
    form->ShowSlot(44, true);
    const QRect row3 = lists->visualItemRect(lists->item(3));
    QTest::mouseClick(lists->viewport(), Qt::LeftButton, Qt::NoModifier, row3.center());
    QCOMPARE(form->CurrentSetList(), 3);
    lists->scrollToItem(lists->item(9));
    const QRect row9 = lists->visualItemRect(lists->item(9));
    QTest::mouseClick(lists->viewport(), Qt::LeftButton, Qt::NoModifier, row9.center());
    QCOMPARE(form->CurrentSetList(), 9);
    QCOMPARE(form->CurrentSlot(), 44);
    PressKey(lists, Qt::Key_Up);
    QCOMPARE(form->CurrentSetList(), 8);
    QVERIFY(!form->Doc().FileModified());

    // Esc is the Exit button.
    ScriptedMessages boxes;
    form->EditSlotName()->setText("Changed");
    boxes.AnswerYesNoCancel(kAnswerCancel);
    PressKey(slotView, Qt::Key_Escape);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::YesNoCancel).size(), 1);
    QVERIFY(form->isVisible());
    boxes.AnswerYesNoCancel(kAnswerNo);
    QVERIFY(form->close());
}

QTEST_MAIN(TestMainWindowKeys)
#include "test_mainwindow_keys.moc"
