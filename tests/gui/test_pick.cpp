// Pick mode in the real window: the three buttons and their captions through every transition,
// toggling slots by clicks, the pick colour, pasting the picks by button and by key.

#include <QPushButton>

#include "editing/EditTypes.h"
#include "mainwindow/ItemRoles.h"
#include "test_editing_support.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

class TestPick : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void transitionsAndCaptions();
    void pasteButtonPastesAgainUntilReset();
    void keyPasteWhilePickingEndsPickMode();
    void finishingWithoutPicksPastesFromFile();

  private:
    QTemporaryDir dir_;
    QTemporaryDir temp_;
    QString file_;
};

namespace {

// The visible pick buttons with their captions, in bar order.
QStringList VisibleButtons(TFormMain& form) {
    QStringList shown;
    for (const char* name : {"ButtonPick", "ButtonPickPaste", "ButtonReset"}) {
        QPushButton* b = form.Button(QLatin1String(name));
        if (b->isVisible()) shown << b->text() + (b->isEnabled() ? "" : " (disabled)");
    }
    return shown;
}

bool PickColoured(TFormMain& form, int row) {
    return form.ComboSlotNr()->item(row)->data(roles::kPicked).toBool();
}

}  // namespace

void TestPick::initTestCase() {
    UseTestLocations();
    QVERIFY(dir_.isValid() && temp_.isValid());
    UseTempFolder(temp_);
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 31});
    fixtures::PutSlotName(image, 1, 3, "Picked Three");
    fixtures::PutSlotName(image, 5, 9, "Picked Nine");
    fixtures::FixChecksum(image);
    file_ = WritePcg(dir_.filePath("pick.pcg"), image);
}

void TestPick::init() {
    QFile::remove(temp_.filePath("velmar_slot.tmp"));
}

void TestPick::transitionsAndCaptions() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    QCOMPARE(VisibleButtons(*form), QStringList{"Pick"});

    QTest::mouseClick(form->Button("ButtonPick"), Qt::LeftButton);
    QVERIFY(form->PickMode());
    QCOMPARE(VisibleButtons(*form), (QStringList{"Done (0)", "Reset"}));

    form->ShowSetList(1, false, true);
    ClickRow(view, 3);
    QCOMPARE(form->CurrentSlot(), 3);
    QCOMPARE(form->Button("ButtonPickPaste")->text(), "Done (1)");
    QVERIFY(PickColoured(*form, 3));
    ClickRow(view, 3);  // the same slot again: removed
    QCOMPARE(form->Button("ButtonPickPaste")->text(), "Done (0)");
    QVERIFY(!PickColoured(*form, 3));
    ClickRow(view, 3);
    // Ctrl+click toggles the shown slot, not the clicked one.
    ClickRow(view, 7, Qt::ControlModifier);
    QCOMPARE(form->CurrentSlot(), 3);
    QCOMPARE(form->Button("ButtonPickPaste")->text(), "Done (0)");
    ClickRow(view, 3);

    // Other set lists can be picked from; the colour follows the shown set list.
    form->ShowSetList(5, false, true);
    QVERIFY(!PickColoured(*form, 3));
    ClickRow(view, 9);
    QCOMPARE(form->Button("ButtonPickPaste")->text(), "Done (2)");
    form->ShowSetList(1, false, true);
    QVERIFY(PickColoured(*form, 3));
    const auto& entries = form->EditingState().pick.Entries();
    QCOMPARE(entries.size(), std::size_t{2});
    QCOMPARE(entries[0], (PickEntry{1, 3}));
    QCOMPARE(entries[1], (PickEntry{5, 9}));

    // Done: ready to paste, clicks no longer pick and the colour goes.
    QTest::mouseClick(form->Button("ButtonPickPaste"), Qt::LeftButton);
    QVERIFY(!form->PickMode());
    QCOMPARE(VisibleButtons(*form), (QStringList{"Paste (2)", "Reset"}));
    QVERIFY(!PickColoured(*form, 3));
    ClickRow(view, 20);
    QCOMPARE(form->EditingState().pick.Count(), 2);

    QTest::mouseClick(form->Button("ButtonReset"), Qt::LeftButton);
    QCOMPARE(VisibleButtons(*form), QStringList{"Pick"});
    QVERIFY(form->EditingState().pick.Empty());
    QVERIFY(!form->Doc().FileModified());
}

void TestPick::pasteButtonPastesAgainUntilReset() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    form->Button("ButtonPick")->click();
    form->ShowSetList(1, false, true);
    ClickRow(view, 3);
    form->ShowSetList(5, false, true);
    ClickRow(view, 9);
    form->Button("ButtonPickPaste")->click();

    form->ShowSetList(7, false, true);
    form->ShowSlot(20, true);
    form->Button("ButtonPickPaste")->click();
    QCOMPARE(SlotName(*form, 7, 20), "Picked Three");
    QCOMPARE(SlotName(*form, 7, 21), "Picked Nine");
    QCOMPARE(ItemText(view, 21), "021 Picked Nine");
    QCOMPARE(form->EditingState().clipboardKind, ClipboardKind::Slots);
    QCOMPARE(VisibleButtons(*form), (QStringList{"Paste (2)", "Reset"}));

    // Again at another place, and refused where there is no room.
    form->ShowSlot(100, true);
    form->Button("ButtonPickPaste")->click();
    QCOMPARE(SlotName(*form, 7, 101), "Picked Nine");
    form->ShowSlot(127, true);
    form->Button("ButtonPickPaste")->click();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"Not enough space for pasting"});
    QCOMPARE(VisibleButtons(*form), (QStringList{"Paste (2)", "Reset"}));
    form->Button("ButtonReset")->click();
    QCOMPARE(VisibleButtons(*form), QStringList{"Pick"});
    form->Doc().SetFileModified(false);
}

void TestPick::keyPasteWhilePickingEndsPickMode() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    QTest::mouseClick(form->Button("ButtonPick"), Qt::LeftButton);
    form->ShowSetList(1, false, true);
    ClickRow(view, 3);
    form->ShowSetList(6, false, true);
    const QString former40 = SlotName(*form, 6, 40);
    ClickRow(view, 40);  // picked, and the place to paste at
    PressKey(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(SlotName(*form, 6, 40), "Picked Three");
    // Every pick is read before anything is written: slot 40 arrives as it was picked.
    QCOMPARE(SlotName(*form, 6, 41), former40);
    QVERIFY(!form->PickMode());
    QCOMPARE(VisibleButtons(*form), QStringList{"Pick"});
    QVERIFY(!PickColoured(*form, 40));
    form->Doc().SetFileModified(false);
}

void TestPick::finishingWithoutPicksPastesFromFile() {
    MemorySettings settings;
    auto form = StartWindow({file_});
    TListView* view = form->ComboSlotNr();
    form->ShowSetList(1, false, true);
    form->ShowSlot(3, true);
    PressKey(view, Qt::Key_C, Qt::ControlModifier);
    form->Button("ButtonPick")->click();
    form->Button("ButtonPickPaste")->click();
    QCOMPARE(VisibleButtons(*form), (QStringList{"Paste (0)", "Reset"}));
    form->ShowSetList(2, false, true);
    form->ShowSlot(60, true);
    form->Button("ButtonPickPaste")->click();
    QCOMPARE(SlotName(*form, 2, 60), "Picked Three");
    form->Doc().SetFileModified(false);
}

QTEST_MAIN(TestPick)
#include "test_pick.moc"
