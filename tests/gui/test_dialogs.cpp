// The options dialog's binding to the settings store and the about window's Donate button,
// links and logo.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "settings/AboutWindow.h"
#include "settings/IniStore.h"
#include "settings/OptionsDialog.h"
#include "settings/ProjectLinks.h"
#include "settings/SettingsTable.h"
#include "support/ScriptedMessages.h"

using namespace velmar;

namespace {

const QString kMain =
    IniKeyPath(QString::fromLatin1(kSettingsKey), QString::fromLatin1(kSettingsSection));

struct Store {
    MemoryBackend* backend = nullptr;
    std::unique_ptr<IniStore> store;
};

// A registered, loaded store over values in memory; `stored` holds registry texts.
Store MakeStore(const QList<QPair<QString, QVariant>>& stored) {
    auto backend = std::make_unique<MemoryBackend>();
    for (const auto& [name, value] : stored) {
        const IniType type =
            value.typeId() == QMetaType::Bool ? IniType::Boolean : IniType::Integer;
        (void)backend->Write(kMain, name, ToStoredText(type, value));
    }
    Store s;
    s.backend = backend.get();
    s.store = std::make_unique<IniStore>(std::move(backend));
    RegisterSettings(*s.store);
    s.store->IniLoadAll();
    return s;
}

std::optional<bool> StoredBool(MemoryBackend& backend, const char* name) {
    const QString text = backend.Read(kMain, QString::fromLatin1(name));
    if (text.isEmpty()) return std::nullopt;
    const std::optional<QVariant> value = FromStoredText(IniType::Boolean, text);
    if (!value) return std::nullopt;
    return value->toBool();
}

int StoredInt(MemoryBackend& backend, const char* name) {
    return FromStoredText(IniType::Integer, backend.Read(kMain, QString::fromLatin1(name)))
        .value_or(QVariant(-1))
        .toInt();
}

QPushButton* Button(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    if (button == nullptr) qFatal("no button %s", name);
    return button;
}

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
  private slots:
    void optionsControlsCarryBoundNames();
    void optionsShowStoredSettings_data();
    void optionsShowStoredSettings();
    void optionsOkStoresEverything_data();
    void optionsOkStoresEverything();
    void optionsCancelStoresNothing_data();
    void optionsCancelStoresNothing();
    void aboutDonateSetsSettingAndOpensPage();
    void aboutCloseStoresNothing_data();
    void aboutCloseStoresNothing();
    void aboutLinksOpenProjectPages();
    void aboutLogoTurnsAfterFirstTick();
    void aboutLogoSwings_data();
    void aboutLogoSwings();
    void rendersDialogsToPng();

  private:
    std::unique_ptr<ScriptedMessages> messages_;
};

void TestDialogs::optionsControlsCarryBoundNames() {
    Store s = MakeStore({});
    TFormOptions dialog(*s.store);
    QCOMPARE(dialog.objectName(), QStringLiteral("FormOptions"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
    // Every control the settings table binds to "FormOptions" exists under its name.
    int bound = 0;
    for (const TIniEntry& entry : s.store->Entries()) {
        if (entry.windowName.compare(QStringLiteral("FormOptions"), Qt::CaseInsensitive) != 0)
            continue;
        ++bound;
        QVERIFY2(dialog.findChild<QCheckBox*>(entry.controlName) != nullptr,
                 qPrintable(entry.controlName));
    }
    QCOMPARE(bound, 3);
    QCOMPARE(dialog.CheckAutoOpen()->text(), QStringLiteral("Autoload last File"));
    QCOMPARE(dialog.CheckAutoSave()->text(), QStringLiteral("Autosave "));
    QCOMPARE(dialog.CheckDeleteDragSource()->text(),
             QStringLiteral("Clear Source Slot after Dragging to other List"));
    QCOMPARE(dialog.CheckAutoSave()->toolTip(),
             QStringLiteral("Save current file every 3 Minutes in %TEMP% directory"));
    QCOMPARE(dialog.TrackSimilarPercentage()->minimum(), 50);
    QCOMPARE(dialog.TrackSimilarPercentage()->maximum(), 90);
    QVERIFY(Button(dialog, "ButtonOK")->isDefault());
}

void TestDialogs::optionsShowStoredSettings_data() {
    QTest::addColumn<bool>("autoOpen");
    QTest::addColumn<bool>("autoSave");
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<int>("percent");
    QTest::newRow("all on") << true << true << true << 77;
    QTest::newRow("all off") << false << false << false << 50;
    QTest::newRow("mixed") << false << true << false << 90;
}

void TestDialogs::optionsShowStoredSettings() {
    QFETCH(bool, autoOpen);
    QFETCH(bool, autoSave);
    QFETCH(bool, deleteSource);
    QFETCH(int, percent);
    Store s = MakeStore({{"AutoOpenFile", autoOpen},
                         {"AutoSave", autoSave},
                         {"DeleteDragSource", deleteSource},
                         {"SimilarPercentage", percent}});
    TFormOptions dialog(*s.store);
    // Opposite states before showing, so that only the store can set the right ones.
    dialog.CheckAutoOpen()->setChecked(!autoOpen);
    dialog.CheckAutoSave()->setChecked(!autoSave);
    dialog.CheckDeleteDragSource()->setChecked(!deleteSource);
    dialog.show();
    QCOMPARE(dialog.CheckAutoOpen()->isChecked(), autoOpen);
    QCOMPARE(dialog.CheckAutoSave()->isChecked(), autoSave);
    QCOMPARE(dialog.CheckDeleteDragSource()->isChecked(), deleteSource);
    QCOMPARE(dialog.TrackSimilarPercentage()->value(), percent);
}

void TestDialogs::optionsOkStoresEverything_data() {
    QTest::addColumn<bool>("start");
    QTest::addColumn<int>("percent");
    QTest::newRow("switch all on, 90") << false << 90;
    QTest::newRow("switch all off, 63") << true << 63;
}

void TestDialogs::optionsOkStoresEverything() {
    QFETCH(bool, start);
    QFETCH(int, percent);
    Store s = MakeStore({{"AutoOpenFile", start},
                         {"AutoSave", start},
                         {"DeleteDragSource", start},
                         {"SimilarPercentage", 70}});
    TFormOptions dialog(*s.store);
    QSignalSpy threshold(&dialog, &TFormOptions::SimilarThresholdChanged);
    dialog.show();
    dialog.CheckAutoOpen()->setChecked(!start);
    dialog.CheckAutoSave()->setChecked(!start);
    dialog.CheckDeleteDragSource()->setChecked(!start);
    dialog.TrackSimilarPercentage()->setValue(percent);
    QTest::mouseClick(Button(dialog, "ButtonOK"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    // Written through to the backing store at once, and in memory.
    QCOMPARE(StoredBool(*s.backend, "AutoOpenFile"), std::optional<bool>(!start));
    QCOMPARE(StoredBool(*s.backend, "AutoSave"), std::optional<bool>(!start));
    QCOMPARE(StoredBool(*s.backend, "DeleteDragSource"), std::optional<bool>(!start));
    QCOMPARE(StoredInt(*s.backend, "SimilarPercentage"), percent);
    QCOMPARE(s.store->IniGetBool(QStringLiteral("AutoSave")), !start);
    QCOMPARE(s.store->IniGetInt(QStringLiteral("SimilarPercentage")), percent);
    QCOMPARE(threshold.count(), 1);
    QCOMPARE(threshold.at(0).at(0).toInt(), percent);
}

void TestDialogs::optionsCancelStoresNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "cancel";
    QTest::newRow("Escape key") << "escape";
    QTest::newRow("close box") << "close";
}

void TestDialogs::optionsCancelStoresNothing() {
    QFETCH(QString, how);
    Store s = MakeStore({{"AutoOpenFile", true},
                         {"AutoSave", false},
                         {"DeleteDragSource", false},
                         {"SimilarPercentage", 55}});
    const int writesBefore = s.backend->WriteCount();
    {
        TFormOptions dialog(*s.store);
        QSignalSpy threshold(&dialog, &TFormOptions::SimilarThresholdChanged);
        dialog.show();
        dialog.CheckAutoOpen()->setChecked(false);
        dialog.CheckAutoSave()->setChecked(true);
        dialog.CheckDeleteDragSource()->setChecked(true);
        dialog.TrackSimilarPercentage()->setValue(88);
        if (how == "cancel")
            QTest::mouseClick(Button(dialog, "ButtonCancel"), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(threshold.count(), 0);
    }
    QCOMPARE(s.backend->WriteCount(), writesBefore);
    QCOMPARE(s.store->IniGetBool(QStringLiteral("AutoSave")), false);
    // Opening again shows the old states.
    TFormOptions again(*s.store);
    again.show();
    QVERIFY(again.CheckAutoOpen()->isChecked());
    QVERIFY(!again.CheckAutoSave()->isChecked());
    QVERIFY(!again.CheckDeleteDragSource()->isChecked());
    QCOMPARE(again.TrackSimilarPercentage()->value(), 55);
}

void TestDialogs::aboutDonateSetsSettingAndOpensPage() {
    RecordedWebAddresses web;
    Store s = MakeStore({});
    QCOMPARE(s.store->IniGetBool(QStringLiteral("DonationPressed1.0.4"), true), false);
    TFormAbout about(*s.store);
    about.show();
    QTest::mouseClick(Button(about, "JvImgBtn1"), Qt::LeftButton);
    QCOMPARE(StoredBool(*s.backend, "DonationPressed1.0.4"), std::optional<bool>(true));
    QVERIFY(s.store->IniGetBool(QStringLiteral("DonationPressed1.0.4")));
    QCOMPARE(web.Addresses(), QStringList{QString::fromLatin1(links::kDonation)});
    QVERIFY(!about.isVisible());
}

void TestDialogs::aboutCloseStoresNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("click on the logo") << "logo";
    QTest::newRow("click on a text") << "text";
}

void TestDialogs::aboutCloseStoresNothing() {
    QFETCH(QString, how);
    RecordedWebAddresses web;
    Store s = MakeStore({});
    const int writesBefore = s.backend->WriteCount();
    TFormAbout about(*s.store);
    about.show();
    QVERIFY(about.isVisible());
    if (how == "button")
        QTest::mouseClick(Button(about, "ButtonClose"), Qt::LeftButton);
    else if (how == "logo")
        QTest::mouseClick(about.Logo(), Qt::LeftButton);
    else
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("LabelWelcome")), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(s.backend->WriteCount(), writesBefore);
    QVERIFY(!s.store->IniGetBool(QStringLiteral("DonationPressed1.0.4"), true));
    QVERIFY(web.Addresses().isEmpty());
}

void TestDialogs::aboutLinksOpenProjectPages() {
    RecordedWebAddresses web;
    Store s = MakeStore({});
    TFormAbout about(*s.store);
    about.show();
    const QList<QPair<const char*, const char*>> links{
        {"LinkLatestVersion", links::kLatestVersion},
        {"LinkDiscussion", links::kDiscussion},
        {"LinkLibrarian", links::kLibrarian},
        {"LinkSoundPatches", links::kSoundPatches},
    };
    QStringList expected;
    for (const auto& [name, address] : links) {
        auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(label != nullptr, name);
        QCOMPARE(label->height(), 20);
        QTest::mouseClick(label, Qt::LeftButton);
        expected << QString::fromLatin1(address);
    }
    QCOMPARE(web.Addresses(), expected);
    QCOMPARE(QSet<QString>(expected.begin(), expected.end()).size(), 4);
    for (const QString& url : expected)
        QVERIFY(url.startsWith(QStringLiteral("https://velmar.example.org/")));
    QVERIFY(about.isVisible());  // a link opens the page, the window stays
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("LinkLatestVersion"))->text(),
             QStringLiteral("VELMAR Latest Version"));
}

void TestDialogs::aboutLogoTurnsAfterFirstTick() {
    Store s = MakeStore({});
    TFormAbout about(*s.store);
    QCOMPARE(about.size(), QSize(429, 573));
    about.show();
    QVERIFY(about.Timer1()->isActive());
    QCOMPARE(about.Timer1()->interval(), 2500);
    QVERIFY(!about.Logo()->Turning());
    QCOMPARE(about.Logo()->Angle(), 0);
    about.Timer1Timer();  // what each 2.5 s tick of Timer1 runs
    QVERIFY(about.Logo()->Turning());
    // Later ticks change nothing.
    about.Logo()->Step();
    const int angle = about.Logo()->Angle();
    about.Timer1Timer();  // what each 2.5 s tick of Timer1 runs
    QVERIFY(about.Logo()->Turning());
    QCOMPARE(about.Logo()->Angle(), angle);
}

void TestDialogs::aboutLogoSwings_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("angle");
    // One degree per step: up to +179, back through upright to -179, and up again.
    QTest::newRow("first step") << 1 << 1;
    QTest::newRow("at +179") << 179 << 179;
    QTest::newRow("turned back") << 180 << 178;
    QTest::newRow("upright again") << 358 << 0;
    QTest::newRow("at -179") << 537 << -179;
    QTest::newRow("turning up") << 538 << -178;
    QTest::newRow("a whole swing") << 179 + 2 * 358 << 179;
}

void TestDialogs::aboutLogoSwings() {
    QFETCH(int, steps);
    QFETCH(int, angle);
    AboutLogo logo;
    int lowest = 0;
    int highest = 0;
    for (int i = 0; i < steps; ++i) {
        const int before = logo.Angle();
        logo.Step();
        QCOMPARE(std::abs(logo.Angle() - before), 1);
        lowest = std::min(lowest, logo.Angle());
        highest = std::max(highest, logo.Angle());
    }
    QCOMPARE(logo.Angle(), angle);
    QVERIFY(lowest >= -179 && highest <= 179);
}

void TestDialogs::rendersDialogsToPng() {
    Store s = MakeStore({{"AutoSave", true}, {"SimilarPercentage", 70}});
    TFormOptions options(*s.store);
    options.show();
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    const QDir dir(QCoreApplication::applicationDirPath());
    QVERIFY(options.grab().save(dir.filePath("options_dialog.png")));
    TFormAbout about(*s.store);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (int i = 0; i < 30; ++i) about.Logo()->Step();
    QVERIFY(about.grab().save(dir.filePath("about_window.png")));
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
