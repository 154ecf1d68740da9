// The main window's file commands: the three prompts about unsaved changes, Save As, a save
// that fails, the autosave copy, a failed open after a good one, and a picture of the window.

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "document/Document.h"
#include "mainwindow/MainControls.h"
#include "test_mainwindow_fixture.h"
#include "tests/gui/support/ScriptedMessages.h"

using namespace velmar;
using namespace velmar::testing;

namespace {

std::string SlotNameIn(const QString& path, int a, int s) {
    Document doc;
    const LoadResult result = doc.LoadFile(path.toStdString());
    return result.ok ? doc.GetSlotName(a, s) : std::string("<load failed>");
}

}  // namespace

class TestMainWindowFile : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void promptsAboutUnsavedChanges_data();
    void promptsAboutUnsavedChanges();
    void noPromptWithoutChanges();
    void saveAsChangesTitleAndNextTarget();
    void failedSaveKeepsWindowOpen();
    void autosaveWritesCopyAndKeepsFlag();
    void tabsInCommentAreReportedOnSave();
    void failedOpenKeepsDocumentShown();
    void failedFirstOpenLeavesNoDocument();
    void grabWindowWithDemoFile();

  private:
    // A window on a fresh copy of the fixture, with slot 4 of set list 0 renamed by typing.
    std::unique_ptr<TestFormMain> StartModified();

    QTemporaryDir fixtureDir_;
    QString fixture_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
};

void TestMainWindowFile::initTestCase() {
    UseTestLocations();
    QVERIFY(fixtureDir_.isValid());
    fixtures::PcgImage image = fixtures::GeneratePcg({.seed = 11});
    fixtures::PutSlotName(image, 0, 4, "Before");
    fixtures::FixChecksum(image);
    fixture_ = WritePcg(fixtureDir_.filePath("fixture.pcg"), image);
}

void TestMainWindowFile::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    file_ = dir_->filePath("live.pcg");
    QVERIFY(QFile::copy(fixture_, file_));
}

std::unique_ptr<TestFormMain> TestMainWindowFile::StartModified() {
    auto form = StartWindow({file_});
    form->ShowSetList(0, false, true);
    form->ShowSlot(4, true);
    form->EditSlotName()->setFocus();
    form->EditSlotName()->selectAll();
    QTest::keyClicks(form->EditSlotName(), "After");
    return form;
}

void TestMainWindowFile::promptsAboutUnsavedChanges_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("goesOn");  // the open dialog appears / the window closes
    for (const char* where : {"open", "exit", "close"}) {
        QTest::addRow("%s, Yes", where) << where << kAnswerYes << true << true;
        QTest::addRow("%s, No", where) << where << kAnswerNo << false << true;
        QTest::addRow("%s, Cancel", where) << where << kAnswerCancel << false << false;
    }
}

void TestMainWindowFile::promptsAboutUnsavedChanges() {
    QFETCH(QString, where);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, goesOn);
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedFileDialogs dialogs;
    auto form = StartModified();
    QVERIFY(form->Doc().FileModified());
    boxes.AnswerYesNoCancel(answer);
    if (where == "open") {
        if (goesOn) dialogs.Answer(std::nullopt);
        form->Button("ButtonOpen")->click();
        QCOMPARE(dialogs.ShownDialogs().size(), goesOn ? 1 : 0);
        if (goesOn) {
            const FileDialogRequest& request = dialogs.ShownDialogs().first().request;
            QCOMPARE(request.filter, QString("PCG files (*.pcg)|*.pcg|All files (*.*)|*.*"));
            QCOMPARE(request.defaultExtension, QString("pcg"));
            QCOMPARE(request.initialPath, file_);
        }
    } else if (where == "exit") {
        form->Button("ButtonExit")->click();
        QCOMPARE(form->isVisible(), !goesOn);
    } else {
        QCOMPARE(form->close(), goesOn);
    }
    // Exactly one question, with the text of its place.
    const QStringList asked = boxes.Texts(ScriptedMessages::Kind::YesNoCancel);
    const QString prefix = where == "open" ? "Save changes to " : "Save Changes to ";
    QCOMPARE(asked, QStringList{prefix + file_ + " ?"});
    QCOMPARE(boxes.Boxes().first().caption, QString("VELMAR"));
    QCOMPARE(SlotNameIn(file_, 0, 4), std::string(saved ? "After" : "Before"));
    if (where == "open") QCOMPARE(form->Doc().FileModified(), !saved);
    if (!goesOn) {
        // Cancel keeps the changes; a later close asks again.
        QVERIFY(form->Doc().FileModified());
        boxes.AnswerYesNoCancel(kAnswerNo);
        QVERIFY(form->close());
        QCOMPARE(boxes.Texts(ScriptedMessages::Kind::YesNoCancel).size(), 2);
    }
}

void TestMainWindowFile::noPromptWithoutChanges() {
    MemorySettings settings;
    ScriptedMessages boxes;  // any question would fail the test
    ScriptedFileDialogs dialogs;
    auto form = StartWindow({file_});
    dialogs.Answer(std::nullopt);
    PressKey(form->ComboSlotNr(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialogs.ShownDialogs().size(), 1);
    QVERIFY(form->close());
    QVERIFY(boxes.Boxes().isEmpty());
}

void TestMainWindowFile::saveAsChangesTitleAndNextTarget() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedFileDialogs dialogs;
    auto form = StartModified();
    const QString renamed = dir_->filePath("renamed.pcg");
    dialogs.Answer(renamed);
    PressKey(form->ComboSlotNr(), Qt::Key_F12);
    QCOMPARE(dialogs.ShownDialogs().size(), 1);
    QVERIFY(dialogs.ShownDialogs().first().save);
    QCOMPARE(dialogs.ShownDialogs().first().request.initialPath, file_);
    QCOMPARE(form->windowTitle(), "VELMAR - " + renamed);
    QCOMPARE(SlotNameIn(renamed, 0, 4), std::string("After"));
    QCOMPARE(SlotNameIn(file_, 0, 4), std::string("Before"));
    QVERIFY(!form->Doc().FileModified());

    // The next save (Ctrl+S) goes to the new name; the old file stays as it was.
    form->EditSlotName()->setText("Third");
    PressKey(form->ComboSlotNr(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(SlotNameIn(renamed, 0, 4), std::string("Third"));
    QCOMPARE(SlotNameIn(file_, 0, 4), std::string("Before"));
    QVERIFY(form->close());
    QCOMPARE(settings.Stored("Filename"), renamed);
    QVERIFY(boxes.Boxes().isEmpty());
}

void TestMainWindowFile::failedSaveKeepsWindowOpen() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedFileDialogs dialogs;
    auto form = StartModified();
    const QString unwritable = dir_->filePath("no/such/folder/x.pcg");
    dialogs.Answer(unwritable);
    form->ButtonSaveAsClick();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error),
             QStringList{"Error 010: Cannot write file!"});
    QVERIFY(form->Doc().FileModified());
    QCOMPARE(form->windowTitle(), "VELMAR - " + file_);

    // Exit and the close box, answered Yes: the save fails again and nothing is lost.
    boxes.AnswerYesNoCancel(kAnswerYes);
    form->Button("ButtonExit")->click();
    QVERIFY(form->isVisible());
    QVERIFY(form->Doc().FileModified());
    boxes.AnswerYesNoCancel(kAnswerYes);
    QVERIFY(!form->close());
    QVERIFY(form->Doc().FileModified());
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error).size(), 3);
    boxes.AnswerYesNoCancel(kAnswerNo);
    QVERIFY(form->close());
}

void TestMainWindowFile::autosaveWritesCopyAndKeepsFlag() {
    MemorySettings settings;
    ScriptedMessages boxes;
    const QByteArray tempBefore = qgetenv("TEMP");
    qputenv("TEMP", dir_->path().toLocal8Bit());
    const QString copy = dir_->filePath("Velmar_Autosave_live.pcg");

    settings.Put("AutoSave", "0");
    auto form = StartModified();
    form->TimerAutoSaveTimer();
    QVERIFY(!QFile::exists(copy));

    settings.Put("AutoSave", "1");
    Ini().IniLoad("AutoSave");
    form->TimerAutoSaveTimer();
    QCOMPARE(SlotNameIn(copy, 0, 4), std::string("After"));
    QCOMPARE(SlotNameIn(file_, 0, 4), std::string("Before"));
    QVERIFY(form->Doc().FileModified());
    QCOMPARE(form->windowTitle(), "VELMAR - " + file_);
    boxes.AnswerYesNoCancel(kAnswerNo);  // the changes are still unsaved at exit
    QVERIFY(form->close());
    qputenv("TEMP", tempBefore);
}

void TestMainWindowFile::tabsInCommentAreReportedOnSave() {
    MemorySettings settings;
    ScriptedMessages boxes;
    auto form = StartWindow({file_});
    form->ShowSlot(2, true);
    form->MemoComment()->setPlainText("one\ttwo");
    form->ButtonSaveClick();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Info),
             QStringList{"Info: TABS have been deleted. KRONOS cannot handle them"});
    Document saved;
    QVERIFY(saved.LoadFile(file_.toStdString()).ok);
    QCOMPARE(saved.GetSlotComment(0, 2), std::string("one two"));
}

void TestMainWindowFile::failedOpenKeepsDocumentShown() {
    MemorySettings settings;
    ScriptedMessages boxes;
    ScriptedFileDialogs dialogs;
    const QString broken = dir_->filePath("broken.pcg");
    WritePcg(broken, fixtures::GeneratePcg({.seed = 3, .variant = fixtures::PcgVariant::NoSbk}));
    auto form = StartWindow({file_});
    form->ShowSetList(5, true, true);
    form->ShowSlot(7, true);
    dialogs.Answer(broken);
    form->ButtonOpenClick();
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error).size(), 1);
    QVERIFY(form->Doc().HasImage());
    QCOMPARE(form->FileName(), file_);
    QCOMPARE(form->windowTitle(), "VELMAR - " + file_);
    QCOMPARE(form->ComboListNr()->count(), 128);
    QCOMPARE(form->ComboSlotNr()->count(), 128);
    QCOMPARE(form->CurrentSetList(), 5);
    QCOMPARE(form->EditSlotNr()->text(), QString("007"));
    QVERIFY(form->Button("ButtonSave")->isEnabled());
    // The kept document is still the one saved, to its own file.
    form->EditSlotName()->setText("Kept");
    form->ButtonSaveClick();
    QCOMPARE(SlotNameIn(file_, 5, 7), std::string("Kept"));
    QVERIFY(form->close());
    QCOMPARE(settings.Stored("Filename"), file_);
}

void TestMainWindowFile::failedFirstOpenLeavesNoDocument() {
    MemorySettings settings;
    ScriptedMessages boxes;
    const QString broken = dir_->filePath("broken.pcg");
    WritePcg(broken, fixtures::GeneratePcg({.seed = 3, .variant = fixtures::PcgVariant::SbkTwice}));
    auto form = StartWindow({broken});
    QCOMPARE(boxes.Texts(ScriptedMessages::Kind::Error).size(), 1);
    QVERIFY(!form->Doc().HasImage());
    QVERIFY(form->FileName().isEmpty());
    QCOMPARE(form->windowTitle(), QString("VELMAR 1.0.4"));
    QCOMPARE(form->ComboListNr()->count(), 0);
    QVERIFY(!form->Button("ButtonSave")->isEnabled());
    QVERIFY(form->close());
    QCOMPARE(settings.Stored("Filename"), QString());
    QCOMPARE(settings.Stored("LastSetList"), QString("0"));
}

void TestMainWindowFile::grabWindowWithDemoFile() {
    MemorySettings settings;
    const QString demo = WritePcg(dir_->filePath("demo.pcg"), fixtures::GeneratePcg());
    auto form = StartWindow({demo});
    form->ShowSetList(0, true, true);
    form->ComboSlotNr()->setFocus();
    QApplication::processEvents();
    const QImage picture = form->grab().toImage();
    QCOMPARE(picture.size(), QSize(1280, 768));
    // The accent colour on the bar's buttons, the views on black.
    const QPoint exitButton = form->Button("ButtonExit")->geometry().center();
    QCOMPARE(QColor(picture.pixel(exitButton.x() - 30, exitButton.y())), QColor(253, 190, 2));
    const QString out = QCoreApplication::applicationDirPath() + "/mainwindow-demo.png";
    QVERIFY(picture.save(out));
    qInfo("window picture: %s", qPrintable(out));
}

QTEST_MAIN(TestMainWindowFile)
#include "test_mainwindow_file.moc"
