#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QtTest>
#include <functional>
#include <string>

#include "platform/FileDialogs.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/SystemClipboard.h"
#include "platform/WaitCursor.h"
#include "platform/WebAddress.h"
#include "support/ScriptedMessages.h"

using namespace velmar;

namespace {

// Waits (inside the modal loop that is about to start) for the first visible widget of type T,
// then hands it to `act`.
template <typename T>
void WhenShown(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act]() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<T*>(widget);
            if (found != nullptr && found->isVisible()) {
                timer->stop();
                timer->deleteLater();
                act(found);
                return;
            }
        }
    });
    timer->start();
}

enum class Action { Ok, Cancel, Yes, No, Escape, Close };

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool onTop = false;
    bool modal = false;
};

// Answers the next real message box with `action` and notes how it looked.
void AnswerRealBox(Action action, SeenBox* seen) {
    WhenShown<QMessageBox>([action, seen](QMessageBox* box) {
        seen->caption = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        seen->onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        seen->modal = box->isModal();
        switch (action) {
            case Action::Ok:
                box->button(QMessageBox::Ok)->click();
                break;
            case Action::Cancel:
                box->button(QMessageBox::Cancel)->click();
                break;
            case Action::Yes:
                box->button(QMessageBox::Yes)->click();
                break;
            case Action::No:
                box->button(QMessageBox::No)->click();
                break;
            case Action::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Action::Close:
                box->close();
                break;
        }
    });
}

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void realBoxesHaveTheirCaptionsButtonsAndAnswers_data();
    void realBoxesHaveTheirCaptionsButtonsAndAnswers();
    void yesNoBoxOffersAccessKeys();
    void scriptedMessagesAnswerInOrderAndRecord();
    void scriptedMessagesReportWhatTheScriptDidNotExpect();
    void fileTextConvertsThroughTheCodePage_data();
    void fileTextConvertsThroughTheCodePage();
    void nameFiltersComeFromDescriptionPatternPairs_data();
    void nameFiltersComeFromDescriptionPatternPairs();
    void saveDialogAddsTheDefaultExtension();
    void scriptedFileDialogsAndHooksStandInForTheSystem();
    void waitCursorRestoresThePreviousCursor();
};

using Kind = ScriptedMessages::Kind;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(Action)

void PlatformTest::realBoxesHaveTheirCaptionsButtonsAndAnswers_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("answer");  // bool answers as 1/0; -1 for boxes without one

    const int critical = QMessageBox::Critical;
    const int none = QMessageBox::NoIcon;
    const int ok = QMessageBox::Ok;
    const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const int yesNoCancel = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QTest::newRow("error") << Kind::Error << Action::Ok << "Error" << critical << ok << -1;
    QTest::newRow("info") << Kind::Info << Action::Ok << "VELMAR" << none << ok << -1;
    QTest::newRow("okcancel ok") << Kind::OkCancel << Action::Ok << "VELMAR" << none << okCancel
                                 << 1;
    QTest::newRow("okcancel cancel")
        << Kind::OkCancel << Action::Cancel << "VELMAR" << none << okCancel << 0;
    QTest::newRow("okcancel escape")
        << Kind::OkCancel << Action::Escape << "VELMAR" << none << okCancel << 0;
    QTest::newRow("yesno yes") << Kind::YesNo << Action::Yes << "VELMAR" << none << yesNo << 1;
    QTest::newRow("yesno no") << Kind::YesNo << Action::No << "VELMAR" << none << yesNo << 0;
    QTest::newRow("yesno escape") << Kind::YesNo << Action::Escape << "VELMAR" << none << yesNo
                                  << 0;
    QTest::newRow("yesnocancel yes")
        << Kind::YesNoCancel << Action::Yes << "VELMAR" << none << yesNoCancel << kAnswerYes;
    QTest::newRow("yesnocancel no")
        << Kind::YesNoCancel << Action::No << "VELMAR" << none << yesNoCancel << kAnswerNo;
    QTest::newRow("yesnocancel cancel")
        << Kind::YesNoCancel << Action::Cancel << "VELMAR" << none << yesNoCancel << kAnswerCancel;
    QTest::newRow("yesnocancel escape")
        << Kind::YesNoCancel << Action::Escape << "VELMAR" << none << yesNoCancel << kAnswerCancel;
    QTest::newRow("yesnocancel closed")
        << Kind::YesNoCancel << Action::Close << "VELMAR" << none << yesNoCancel << kAnswerCancel;
}

void PlatformTest::realBoxesHaveTheirCaptionsButtonsAndAnswers() {
    QFETCH(Kind, kind);
    QFETCH(Action, action);
    QFETCH(QString, caption);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    QFETCH(int, answer);

    QCOMPARE_NE(&Messages(), nullptr);
    const QString text = QStringLiteral("Save changes to C:\\live.pcg ?");
    SeenBox seen;
    AnswerRealBox(action, &seen);
    int result = -1;
    switch (kind) {
        case Kind::Error:
            ShowError(text);
            break;
        case Kind::Info:
            ShowInfo(text);
            break;
        case Kind::OkCancel:
            result = AskOkCancel(text) ? 1 : 0;
            break;
        case Kind::YesNo:
            result = AskYesNo(text) ? 1 : 0;
            break;
        case Kind::YesNoCancel:
            result = AskYesNoCancel(text, QStringLiteral("VELMAR"));
            break;
    }
    QCOMPARE(seen.caption, caption);
    QCOMPARE(seen.text, text);
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(int(seen.buttons), buttons);
    QVERIFY(seen.onTop);
    QVERIFY(seen.modal);
    QCOMPARE(result, answer);
}

void PlatformTest::yesNoBoxOffersAccessKeys() {
    QString yes;
    QString no;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!AskYesNo(QStringLiteral("Sort?")));
    QCOMPARE(yes, QStringLiteral("&Yes"));
    QCOMPARE(no, QStringLiteral("&No"));
}

void PlatformTest::scriptedMessagesAnswerInOrderAndRecord() {
    MessageLayer* real = &Messages();
    {
        ScriptedMessages script;
        QCOMPARE(&Messages(), static_cast<MessageLayer*>(&script));
        script.AnswerYesNoCancel(kAnswerNo).AnswerOkCancel(true).AnswerYesNo(false);
        QCOMPARE(AskYesNoCancel(QStringLiteral("first"), QStringLiteral("VELMAR")), kAnswerNo);
        ShowError(QStringLiteral("Error 001"));
        QVERIFY(AskOkCancel(QStringLiteral("second")));
        QVERIFY(!AskYesNo(QStringLiteral("third")));
        ShowInfo(QStringLiteral("notice"));
        QCOMPARE(script.PendingAnswers(), 0);
        QCOMPARE(script.Boxes().size(), 5);
        QCOMPARE(script.Texts(Kind::Error), QStringList{QStringLiteral("Error 001")});
        QCOMPARE(script.Boxes()[1].caption, QStringLiteral("Error"));
        QCOMPARE(script.Boxes()[4].caption, QStringLiteral("VELMAR"));
        QCOMPARE(script.Texts(Kind::Info), QStringList{QStringLiteral("notice")});
    }
    QCOMPARE(&Messages(), real);
}

void PlatformTest::scriptedMessagesReportWhatTheScriptDidNotExpect() {
    QStringList failures;
    {
        ScriptedMessages script;
        script.RecordFailuresIn(&failures);
        // No answer prepared: the safe answer comes back at once instead of a blocking box.
        QCOMPARE(AskYesNoCancel(QStringLiteral("Save?"), QStringLiteral("VELMAR")), kAnswerCancel);
        QVERIFY(!AskOkCancel(QStringLiteral("Overwrite?")));
        QCOMPARE(failures.size(), 2);
        QVERIFY(failures[0].contains(QStringLiteral("Save?")));
        // An answer of the wrong kind is a failure too, and is used up.
        script.AnswerYesNo(true);
        QVERIFY(!AskOkCancel(QStringLiteral("Delete?")));
        QCOMPARE(failures.size(), 3);
        QCOMPARE(script.PendingAnswers(), 0);
        // An answer never asked for is reported when the script ends.
        script.AnswerOkCancel(true);
    }
    QCOMPARE(failures.size(), 4);
    QVERIFY(failures[3].contains(QStringLiteral("never asked for")));
}

void PlatformTest::fileTextConvertsThroughTheCodePage_data() {
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bothWays");
    QTest::newRow("ascii") << QByteArray("Grand Piano") << QStringLiteral("Grand Piano") << true;
    QTest::newRow("accented") << QByteArray("Caf\xE9 M\xFCller") << QString::fromUtf8("Café Müller")
                              << true;
    QTest::newRow("euro and quotes")
        << QByteArray("\x80 \x93x\x94") << QString::fromUtf8("€ “x”") << true;
    QTest::newRow("outside the code page")
        << QByteArray("Pad ? ?") << QString::fromUtf8("Pad 日 \U0001F3B9") << false;
}

void PlatformTest::fileTextConvertsThroughTheCodePage() {
    QFETCH(QByteArray, fileBytes);
    QFETCH(QString, text);
    QFETCH(bool, bothWays);
    const std::string bytes = fileBytes.toStdString();
    if (bothWays) QCOMPARE(FromFileText(bytes), text);
    QCOMPARE(QByteArray::fromStdString(ToFileText(text)), fileBytes);
}

void PlatformTest::nameFiltersComeFromDescriptionPatternPairs_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("pcg") << "PCG files (*.pcg)|*.pcg|All files (*.*)|*.*"
                         << QStringList{"PCG files (*.pcg)", "All files (*.*)"};
    QTest::newRow("no patterns in description")
        << "Text|*.txt;*.lst" << QStringList{"Text (*.txt *.lst)"};
    QTest::newRow("odd tail ignored")
        << "PCG files (*.pcg)|*.pcg|Dangling" << QStringList{"PCG files (*.pcg)"};
    QTest::newRow("empty") << "" << QStringList{};
}

void PlatformTest::nameFiltersComeFromDescriptionPatternPairs() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(NameFiltersFromPairs(filter), expected);
}

void PlatformTest::saveDialogAddsTheDefaultExtension() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WhenShown<QFileDialog>([](QFileDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        name->setText(QStringLiteral("live"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const std::optional<QString> chosen = Dialogs().SaveFileName(
        {QStringLiteral("Save As"), QDir(dir.path()).filePath(QStringLiteral("old.pcg")),
         QStringLiteral("PCG files (*.pcg)|*.pcg|All files (*.*)|*.*"), QStringLiteral("pcg")});
    QVERIFY(chosen.has_value());
    QCOMPARE(QDir::fromNativeSeparators(*chosen),
             QDir(dir.path()).filePath(QStringLiteral("live.pcg")));
}

void PlatformTest::scriptedFileDialogsAndHooksStandInForTheSystem() {
    {
        ScriptedFileDialogs dialogs;
        dialogs.Answer(QStringLiteral("C:\\Music\\live.pcg")).Answer(std::nullopt);
        const FileDialogRequest request{QStringLiteral("Open"), QString(),
                                        QStringLiteral("PCG files (*.pcg)|*.pcg"),
                                        QStringLiteral("pcg")};
        QCOMPARE(Dialogs().OpenFileName(request), std::optional<QString>("C:\\Music\\live.pcg"));
        QCOMPARE(Dialogs().SaveFileName(request), std::nullopt);
        QCOMPARE(dialogs.ShownDialogs().size(), 2);
        QVERIFY(!dialogs.ShownDialogs()[0].save);
        QVERIFY(dialogs.ShownDialogs()[1].save);
        QCOMPARE(dialogs.ShownDialogs()[1].request.defaultExtension, QStringLiteral("pcg"));
    }
    {
        FakeClipboard clipboard;
        SystemClipboard().SetText(QStringLiteral("Grand Piano"));
        QCOMPARE(clipboard.Text(), QStringLiteral("Grand Piano"));
        QCOMPARE(SystemClipboard().Text(), QStringLiteral("Grand Piano"));
    }
    QVERIFY(dynamic_cast<FakeClipboard*>(&SystemClipboard()) == nullptr);
    {
        RecordedWebAddresses web;
        QVERIFY(OpenWebAddress(QStringLiteral("https://example.org/donate")));
        QCOMPARE(web.Addresses(), QStringList{QStringLiteral("https://example.org/donate")});
    }
}

void PlatformTest::waitCursorRestoresThePreviousCursor() {
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    {
        WaitCursor wait;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    {
        WaitCursor outer;
        {
            WaitCursor inner;
            inner.Release();
            inner.Release();  // a second release must not pop the outer cursor
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
}

QTEST_MAIN(PlatformTest)
#include "test_platform.moc"
