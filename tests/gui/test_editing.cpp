// The editing commands in the real window, reached by their buttons, keys and menu entries:
// move and sort, the slot and set list clipboards, renaming and the conversions, and the
// refusals without a file.

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include "document/Layout.h"
#include "editing/EditTypes.h"
#include "test_editing_support.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

class TestEditing : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void moveUpAndDownByButton();
    void sortSelectedPlacesAndRefreshPanel();
    void sortAllAfterQuestion();
    void copyAndPasteSlotsBetweenSetLists();
    void cutMovesBlankedSlotsToTheEnd();
    void insertNeedsEmptySlots();
    void nameAndCommentTextThroughSystemClipboard();
    void setListCopyPasteAndFallback();
    void setListCutAndClear();
    void shortSetListClipboardRefused();
    void renameSetListAndSlot();
    void conversions_data();
    void conversions();
    void refusalsWithoutFile_data();
    void refusalsWithoutFile();

  private:
    QTemporaryDir dir_;
    QTemporaryDir temp_;
    QString file_;
    QString SlotClipFile() const { return temp_.filePath("velmar_slot.tmp"); }
    QString ListClipFile() const { return temp_.filePath("velmar_list.tmp"); }
};

void TestEditing::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid() && temp_.isValid());
    UseTempFolder(temp_);
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 23});
    const char* names[] = {"b", "", "C", "a"};
    for (int i = 0; i < 4; ++i) fixtures::PutSlotName(image, 4, 10 * (i + 1), names[i]);
    const char* comments[] = {"comment of b", "", "comment of C", ""};
    for (int i = 0; i < 4; ++i) fixtures::PutSlotComment(image, 4, 10 * (i + 1), comments[i]);
    fixtures::PutListName(image, 126, "Named 126");
    fixtures::PutSlotName(image, 4, 126, "Not empty");
    fixtures::PutListName(image, 6, "Gig A");
    fixtures::PutListName(image, 7, "");
    fixtures::PutListName(image, 127, "");
    fixtures::PutSlotName(image, 8, 0, "Grand piano \xE4");
    fixtures::PutSlotName(image, 8, 1, "STRINGS and BRASS");
    fixtures::PutSlotName(image, 8, 2, "e-piano");
    for (int s = 120; s < 128; ++s) {
        fixtures::PutSlotName(image, 9, s, "");
        fixtures::PutSlotComment(image, 9, s, "");
    }
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("edit.pcg"), image);
}

void TestEditing::init() {
    QFile::remove(SlotClipFile());
    QFile::remove(ListClipFile());
}

void TestEditing::moveUpAndDownByButton() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    form->ShowSetList(2, false, true);
    TListView* view = form->ComboSlotNr();
    const QString s1 = SlotName(*form, 2, 1), s2 = SlotName(*form, 2, 2),
                  s3 = SlotName(*form, 2, 3);
    form->ShowSlot(2, true);
    view->SetSelected(3, true);
    QPushButton* up = form->Button("ButtonUp");
    QVERIFY(up->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(SlotName(*form, 2, 1), s2);
    QCOMPARE(SlotName(*form, 2, 2), s3);
    QCOMPARE(SlotName(*form, 2, 3), s1);
    QCOMPARE(ItemText(view, 1), "001 " + s2);
    QCOMPARE(ItemText(view, 3), "003 " + s1);
    QVERIFY(view->IsSelected(1) && view->IsSelected(2) && !view->IsSelected(3));
    QCOMPARE(form->CurrentSlot(), 2);  // the last one moved
    QVERIFY(form->Doc().FileModified());

    // And back down; with slot 127 among the selected, nothing moves.
    QTest::mouseClick(form->Button("ButtonDown"), Qt::LeftButton);
    QCOMPARE(SlotName(*form, 2, 2), s2);
    QCOMPARE(SlotName(*form, 2, 3), s3);
    QCOMPARE(form->CurrentSlot(), 2);
    const QString last = SlotName(*form, 2, 127);
    view->SetSelected(127, true);
    QTest::mouseClick(form->Button("ButtonDown"), Qt::LeftButton);
    QCOMPARE(SlotName(*form, 2, 127), last);
    QCOMPARE(SlotName(*form, 2, 3), s3);
    form->Doc().SetFileModified(false);
}

void TestEditing::sortSelectedPlacesAndRefreshPanel() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->ShowSetList(4, false, true);
    TListView* view = form->ComboSlotNr();
    form->ShowSlot(10, true);  // shows "b" with its comment
    for (int s : {20, 30, 40}) view->SetSelected(s, true);
    const QString outside = SlotName(*form, 4, 15);
    boxes.AnswerOkCancel(true);
    form->CommandAction("MenuSortClick")->trigger();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::OkCancel),
             QStringList{"Sort all selected slots?"});
    const QStringList sorted{SlotName(*form, 4, 10), SlotName(*form, 4, 20), SlotName(*form, 4, 30),
                             SlotName(*form, 4, 40)};
    QCOMPARE(sorted, (QStringList{"C", "a", "b", ""}));
    QCOMPARE(SlotName(*form, 4, 15), outside);
    for (int s : {10, 20, 30, 40}) QVERIFY(view->IsSelected(s));
    // The panel shows what now stands at the shown place, not the slot that moved away.
    QCOMPARE(form->EditSlotName()->text(), "C");
    QCOMPARE(form->MemoComment()->toPlainText(), "comment of C");
    QCOMPARE(FromFileText(form->Doc().GetSlotComment(4, 30)), "comment of b");
    form->Doc().SetFileModified(false);
}

void TestEditing::sortAllAfterQuestion() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->ShowSetList(5, false, true);
    TListView* view = form->ComboSlotNr();
    view->clearSelection();
    boxes.AnswerYesNo(false);
    form->MenuSortClick();
    QVERIFY(!form->Doc().FileModified());
    boxes.AnswerYesNo(true);
    form->MenuSortClick();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::YesNo),
             (QStringList{"None selected. Sort all entries?", "None selected. Sort all entries?"}));
    // Named slots in plain byte order, the unnamed ones after them.
    for (int s = 1; s < 128; ++s) {
        const QByteArray prev = QByteArray(form->Doc().GetSlotName(5, s - 1).c_str()).trimmed();
        const QByteArray cur = QByteArray(form->Doc().GetSlotName(5, s).c_str()).trimmed();
        QVERIFY2(cur.isEmpty() || (!prev.isEmpty() && prev <= cur), cur.constData());
    }
    QVERIFY(view->selectedItems().isEmpty());
    QCOMPARE(view->ItemIndex(), 0);
    form->Doc().SetFileModified(false);
}

void TestEditing::copyAndPasteSlotsBetweenSetLists() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    form->ShowSetList(2, false, true);
    form->ShowSlot(3, true);
    view->SetSelected(10, true);
    view->SetSelected(11, true);
    const QStringList copied{SlotName(*form, 2, 3), SlotName(*form, 2, 10), SlotName(*form, 2, 11)};
    PressKey(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QFileInfo(SlotClipFile()).size(), 3 * 544);
    QVERIFY(!form->Doc().FileModified());

    // Into another set list: not enough room at 126, filled from 125 on.
    form->ShowSetList(3, false, true);
    form->ShowSlot(126, true);
    PressKey(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"Not enough space for pasting"});
    QVERIFY(!form->Doc().FileModified());
    form->ShowSlot(125, true);
    PressKey(view, Qt::Key_V, Qt::ControlModifier);
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(SlotName(*form, 3, 125 + k), copied[k]);
        QCOMPARE(ItemText(view, 125 + k), QString("%1 ").arg(125 + k) + copied[k]);
    }
    QCOMPARE(form->CurrentSlot(), 125);
    QCOMPARE(form->EditSlotName()->text(), copied[0]);
    QVERIFY(form->Doc().FileModified());
    form->Doc().SetFileModified(false);
}

void TestEditing::cutMovesBlankedSlotsToTheEnd() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    form->ShowSetList(2, false, true);
    QStringList before;
    for (int s = 0; s < 128; ++s) before << SlotName(*form, 2, s);
    const int color3 = form->Doc().GetSlotColorIndex(2, 3);
    form->ShowSlot(3, true);
    view->SetSelected(5, true);
    PressKey(view, Qt::Key_Delete);  // the Delete key cuts without a question
    QVERIFY(boxes.Boxes().isEmpty());
    QStringList expected = before;
    expected.removeAt(5);
    expected.removeAt(3);
    expected << ""
             << "";
    for (int s = 0; s < 128; ++s) {
        QCOMPARE(SlotName(*form, 2, s), expected[s]);
        QCOMPARE(view->NameOf(s), expected[s]);
    }
    QCOMPARE(form->Doc().GetSlotColorIndex(2, 127), color3);  // the first cut ends last
    QCOMPARE(QFileInfo(SlotClipFile()).size(), 2 * 544);
    QCOMPARE(form->CurrentSlot(), 3);
    QCOMPARE(form->EditSlotName()->text(), expected[3]);
    QCOMPARE(view->selectedItems().size(), 1);

    // Ctrl+X likewise, and it is refused while picking.
    form->Button("ButtonPick")->click();
    PressKey(view, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"Not possible while Picking!"});
    QCOMPARE(SlotName(*form, 2, 3), expected[3]);
    form->Doc().SetFileModified(false);
}

void TestEditing::insertNeedsEmptySlots() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    // Without a clipboard file, Insert opens one empty slot at the focused place.
    form->ShowSetList(9, false, true);
    const QString at20 = SlotName(*form, 9, 20);
    form->ShowSlot(20, true);
    PressKey(view, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(SlotName(*form, 9, 20), QString());
    QCOMPARE(SlotName(*form, 9, 21), at20);
    QCOMPARE(ItemText(view, 21), "021 " + at20);

    // Three records need the last three slots empty.
    form->ShowSetList(2, false, true);
    form->ShowSlot(0, true);
    view->SetSelected(1, true);
    view->SetSelected(2, true);
    PressKey(view, Qt::Key_C, Qt::ControlModifier);
    form->ShowSetList(4, false, true);
    form->ShowSlot(0, true);
    PressKey(view, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"No space for insert (Last 3 Slots must be empty)!"});
    form->Doc().SetFileModified(false);
}

void TestEditing::nameAndCommentTextThroughSystemClipboard() {
    MemorySettings settings;
    ScriptedMessages boxes;
    FakeClipboard clipboard;
    auto form = StartWindow({file_});
    form->ShowSetList(4, false, true);
    form->ShowSlot(10, true);
    const QByteArray slotFile = ReadAll(SlotClipFile());

    // Copy in the name field takes its selected text only; the slot clipboard stays.
    QLineEdit* name = form->EditSlotName();
    name->setFocus();
    name->setSelection(0, 1);
    PressKey(name, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard.Text(), "b");
    QCOMPARE(ReadAll(SlotClipFile()), slotFile);

    // Paste into the name field writes the slot, cut to what fits.
    clipboard.SetText("Organ with a very long name indeed");
    name->setText("");
    PressKey(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name->text(), "Organ with a very long n");
    QCOMPARE(SlotName(*form, 4, 10), "Organ with a very long n");

    // The comment: TABs become blanks, and more than 512 characters are cut with a warning.
    TCommentEdit* memo = form->MemoComment();
    memo->setFocus();
    memo->setPlainText("x");
    memo->moveCursor(QTextCursor::End);
    clipboard.SetText("a\tb");
    PressKey(memo, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(memo->toPlainText(), "xa b");
    QVERIFY(boxes.Boxes().isEmpty());
    clipboard.SetText(QString(600, 'z'));
    PressKey(memo, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(memo->toPlainText().size(), 512);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error), QStringList{"Warning: Text truncated!"});

    // The comment's own Cut takes the selection to the clipboard.
    memo->selectAll();
    PressKey(memo, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(clipboard.Text().size(), 512);
    QVERIFY(memo->toPlainText().isEmpty());
    form->Doc().SetFileModified(false);
}

void TestEditing::setListCopyPasteAndFallback() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* lists = form->ComboListNr();
    TListView* slotView = form->ComboSlotNr();

    // Before any set list was copied, the set list view's Paste pastes slots.
    form->ShowSetList(2, false, true);
    form->ShowSlot(0, true);
    const QString slot0 = SlotName(*form, 2, 0);
    PressKey(slotView, Qt::Key_C, Qt::ControlModifier);
    form->ShowSetList(3, false, true);
    form->ShowSlot(50, true);
    PressKey(lists, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(SlotName(*form, 3, 50), slot0);

    form->ShowSetList(6, true, true);
    SelectOnly(lists, {6});
    PressKey(lists, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(QFileInfo(ListClipFile()).size(), 73284);
    QCOMPARE(form->EditingState().clipboardKind, ClipboardKind::SetList);

    // Onto an unnamed set list without a question; onto a named one after "Overwrite".
    form->ShowSetList(7, true, true);
    form->Button("ButtonPick")->click();
    PressKey(lists, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(boxes.Boxes().isEmpty());
    QCOMPARE(FromFileText(form->Doc().GetListName(7)), "Gig A");
    QCOMPARE(ItemText(lists, 7), "007 Gig A");
    QCOMPARE(SlotName(*form, 7, 64), SlotName(*form, 6, 64));
    QVERIFY(form->Button("ButtonPick")->isVisible());  // a set list paste ends pick mode
    form->ShowSetList(2, true, true);
    const QString name2 = FromFileText(form->Doc().GetListName(2));
    boxes.AnswerOkCancel(false);
    PressKey(lists, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(FromFileText(form->Doc().GetListName(2)), name2);

    // Insert needs a nameless set list 127; several selected set lists cannot be copied.
    form->ShowSetList(10, true, true);
    const QString name10 = FromFileText(form->Doc().GetListName(10));
    PressKey(lists, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(FromFileText(form->Doc().GetListName(10)), "Gig A");
    QCOMPARE(FromFileText(form->Doc().GetListName(11)), name10);
    QCOMPARE(ItemText(lists, 11), "011 " + name10);
    PressKey(lists, Qt::Key_T, Qt::ControlModifier | Qt::AltModifier);
    lists->SetSelected(12, true);
    PressKey(lists, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             (QStringList{"No space for insert (Set List 127 must be empty)!",
                          "Please select exactly 1 List!"}));
    form->Doc().SetFileModified(false);
}

void TestEditing::setListCutAndClear() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* lists = form->ComboListNr();
    form->ShowSetList(5, true, true);
    SelectOnly(lists, {5});
    const QString name6 = FromFileText(form->Doc().GetListName(6));
    const QString sound5 = FromFileText(form->Doc().GetSoundText(5, 0, true));
    boxes.AnswerOkCancel(true);
    PressKey(lists, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(FromFileText(form->Doc().GetListName(5)), name6);
    QCOMPARE(ItemText(lists, 5), "005 " + name6);
    QCOMPARE(form->CurrentSetList(), 5);
    QVERIFY(form->Doc().GetListName(127).empty());
    QVERIFY(form->Doc().GetSlotName(127, 0).empty());
    QCOMPARE(FromFileText(form->Doc().GetSoundText(127, 0, true)), sound5);

    // Clear of the shown set list: the panel drops the old name and comment.
    form->ShowSetList(4, false, true);
    form->ShowSlot(30, true);
    SelectOnly(lists, {4, 8});
    boxes.AnswerOkCancel(true);
    PressKey(lists, Qt::Key_Y, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::OkCancel),
             (QStringList{"Delete Set List?", "Initialize all Slots in selected Set Lists?"}));
    QCOMPARE(ItemText(lists, 4), "004");
    QCOMPARE(ItemText(lists, 8), "008");
    QVERIFY(form->Doc().GetSlotName(8, 1).empty());
    QVERIFY(form->EditSlotName()->text().isEmpty());
    QVERIFY(form->MemoComment()->toPlainText().isEmpty());
    form->Doc().SetFileModified(false);
}

void TestEditing::shortSetListClipboardRefused() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* lists = form->ComboListNr();
    form->ShowSetList(6, true, true);
    SelectOnly(lists, {6});
    PressKey(lists, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    // Another program run left a cut-off file: it must not paste a partial set list.
    QFile file(ListClipFile());
    QVERIFY(file.resize(73027));
    form->ShowSetList(7, true, true);
    const QString slot = SlotName(*form, 7, 127);
    PressKey(lists, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
    const QStringList errors = boxes.Texts(ScriptedMessages::Kind::Error);
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains("incomplete"), qPrintable(errors[0]));
    QVERIFY(form->Doc().GetListName(7).empty());
    QCOMPARE(SlotName(*form, 7, 127), slot);
    QVERIFY(!form->Doc().FileModified());
}

void TestEditing::renameSetListAndSlot() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedNamePrompt prompt;
    auto form = StartWindow({file_});
    TListView* lists = form->ComboListNr();
    form->ShowSetList(6, true, true);
    SelectOnly(lists, {6});
    const QString max = "123456789012345678901234";
    prompt.Answer(max + "5").Answer(max).Answer(std::nullopt);
    PressKey(lists, Qt::Key_F2);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"List name must not exceed 24 characters"});
    QCOMPARE(FromFileText(form->Doc().GetListName(6)), "Gig A");
    PressKey(lists, Qt::Key_F2);
    QCOMPARE(FromFileText(form->Doc().GetListName(6)), max);
    QCOMPARE(ItemText(lists, 6), "006 " + max);
    PressKey(lists, Qt::Key_F2);  // Cancel
    QCOMPARE(prompt.ShownPrompts().size(), 3);
    QCOMPARE(prompt.ShownPrompts()[0].caption, "Rename List");
    QCOMPARE(prompt.ShownPrompts()[0].label, "List Name: ");
    QCOMPARE(prompt.ShownPrompts()[0].text, "Gig A");
    QCOMPARE(prompt.ShownPrompts()[2].text, max);

    lists->SetSelected(7, true);
    PressKey(lists, Qt::Key_F2);
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error).last(), "Please select only 1 List!");

    // A double-click on a slot renames it; an empty name is accepted.
    TListView* slotView = form->ComboSlotNr();
    form->ShowSetList(4, false, true);
    slotView->scrollToItem(slotView->item(20));
    prompt.Answer("New Name").Answer("");
    QTest::mouseDClick(slotView->viewport(), Qt::LeftButton, Qt::NoModifier,
                       slotView->visualItemRect(slotView->item(20)).center());
    QCOMPARE(form->CurrentSlot(), 20);
    QCOMPARE(prompt.ShownPrompts()[3].caption, "Rename Slot");
    QCOMPARE(prompt.ShownPrompts()[3].label, "Slot Name: ");
    QCOMPARE(SlotName(*form, 4, 20), "New Name");
    QCOMPARE(ItemText(slotView, 20), "020 New Name");
    QCOMPARE(form->EditSlotName()->text(), "New Name");
    form->ComboSlotNrDblClick();
    QCOMPARE(SlotName(*form, 4, 20), QString());
    form->Doc().SetFileModified(false);
}

void TestEditing::conversions_data() {
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("question");  // empty: none asked
    QTest::addColumn<QStringList>("expected");
    const QString sound =
        "This command changes all selected slot names to \"Sound Number\" + \"Mame\". Part of "
        "Slot Name can get lost! Proceed?";
    QTest::newRow("upper") << "mnuUpperClick"
                           << "Rename all selected slots?"
                           << QStringList{"GRAND PIANO \u00E4", "STRINGS AND BRASS", "E-PIANO"};
    QTest::newRow("first letter upper")
        << "mnuLowerClick"
        << "Rename all selected slots?"
        << QStringList{"Grand Piano \u00E4", "Strings And Brass", "E-piano"};
    QTest::newRow("sound and name") << "MenuSoundAndNameClick" << sound << QStringList{};
}

void TestEditing::conversions() {
    QFETCH(QString, handler);
    QFETCH(QString, question);
    QFETCH(QStringList, expected);
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->ShowSetList(8, false, true);
    form->ShowSlot(1, true);
    TListView* slotView = form->ComboSlotNr();
    if (expected.isEmpty()) {
        for (int s = 0; s < 3; ++s)
            expected << (FromFileText(form->Doc().GetSoundText(8, s, true)) + " " +
                         SlotName(*form, 8, s))
                            .left(24);
    }
    for (int s : {0, 2}) slotView->SetSelected(s, true);
    QAction* entry = form->CommandAction(handler);
    QVERIFY(entry->isEnabled());
    boxes.AnswerOkCancel(false);
    entry->trigger();
    QCOMPARE(SlotName(*form, 8, 0), "Grand piano \u00E4");
    boxes.AnswerOkCancel(true);
    form->CommandAction(handler, 2)->trigger();  // the comment field's entry runs it too
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::OkCancel), (QStringList{question, question}));
    for (int s = 0; s < 3; ++s) {
        QCOMPARE(SlotName(*form, 8, s), expected[s]);
        QCOMPARE(slotView->NameOf(s), expected[s]);
    }
    QCOMPARE(form->EditSlotName()->text(), expected[1]);
    QVERIFY(form->Doc().FileModified());

    // One selected slot: the case conversions ask nothing.
    if (handler != "MenuSoundAndNameClick") {
        boxes.ClearBoxes();
        form->ShowSlot(1, true);
        entry->trigger();
        QVERIFY(boxes.Boxes().isEmpty());
    }
    form->Doc().SetFileModified(false);
}

void TestEditing::refusalsWithoutFile_data() {
    // The slot commands by the window's keys; the set list commands (whose view is disabled
    // without a file) by their menu entries.
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("listHandler");
    QTest::newRow("copy") << int(Qt::Key_C) << QString();
    QTest::newRow("cut") << int(Qt::Key_X) << QString();
    QTest::newRow("clear") << int(Qt::Key_Y) << QString();
    QTest::newRow("paste") << int(Qt::Key_V) << QString();
    QTest::newRow("insert") << int(Qt::Key_T) << QString();
    QTest::newRow("clear list") << 0 << "MenuClearListClick";
    QTest::newRow("cut list") << 0 << "MenuCutListClick";
    QTest::newRow("copy list") << 0 << "MenuCopyListClick";
    QTest::newRow("rename list") << 0 << "MenuRenameListClick";
}

void TestEditing::refusalsWithoutFile() {
    QFETCH(int, key);
    QFETCH(QString, listHandler);
    MemorySettings settings;
    ScriptedMessages boxes;
    // A slot clipboard file from an earlier run must not reach an absent document.
    QFile clip(SlotClipFile());
    QVERIFY(clip.open(QIODevice::WriteOnly));
    clip.write(QByteArray(544, 'x'));
    clip.close();
    auto form = StartWindow({});
    if (key != 0)
        PressKey(form.get(), Qt::Key(key), Qt::ControlModifier);
    else
        form->CommandAction(listHandler, 1)->trigger();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error), QStringList{"No file loaded!"});
    boxes.ClearBoxes();
    form->CommandAction("mnuUpperClick")->trigger();
    form->CommandAction("MenuSortClick")->trigger();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             (QStringList{"No file loaded!", "No file loaded!"}));
    QVERIFY(!form->Doc().FileModified());
}

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
