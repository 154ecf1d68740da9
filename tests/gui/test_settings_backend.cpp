#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QtTest>
#include <memory>

#include "platform/SettingsBackend.h"
#include "settings/IniStore.h"
#include "settings/SettingsTable.h"
#include "support/ScriptedMessages.h"

using namespace velmar;

// The per-user backend against real files in a temporary folder (and the test-mode config
// location), never the user's own settings.
class SettingsBackendTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void valuesRoundTripThroughTheFile_data();
    void valuesRoundTripThroughTheFile();
    void keyPathsMapToFilesInsideTheRoot_data();
    void keyPathsMapToFilesInsideTheRoot();
    void defaultRootIsThePerUserConfigLocation();
    void storeSurvivesAProgramRestart();
    void windowPlacementRoundTrips();
};

void SettingsBackendTest::valuesRoundTripThroughTheFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("path") << "Filename"
                          << "C:\\Music\\Live Set, 2026.pcg";
    QTest::newRow("dots in name") << "DonationPressed1.0.4"
                                  << "1";
    QTest::newRow("empty") << "Filename"
                           << "";
    QTest::newRow("blanks kept") << "Filename"
                                 << "  x  ";
    QTest::newRow("accented") << "Filename" << QString::fromUtf8("/home/zoë/Müller.pcg");
    QTest::newRow("quote and equals") << "Filename"
                                      << "a=\"b\";c";
}

void SettingsBackendTest::valuesRoundTripThroughTheFile() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString path = QStringLiteral("Software\\Velmar\\Main");
    {
        QSettingsBackend writer(root.path());
        QCOMPARE(writer.Read(path, name), QString());  // missing reads as empty
        QCOMPARE(writer.Write(path, name, value), std::nullopt);
        QCOMPARE(writer.Write(path, "Other", "7"), std::nullopt);
    }
    QVERIFY(QFile::exists(root.filePath("Velmar/Main.conf")));
    QSettingsBackend reader(root.path());
    QCOMPARE(reader.Read(path, name), value);
    QCOMPARE(reader.Read(path, name.toUpper()), value);  // names ignore case, like the registry
    QCOMPARE(reader.Read(path, "other"), QStringLiteral("7"));
    // Writing another spelling replaces the value instead of adding a second one.
    QCOMPARE(reader.Write(path, name.toLower(), "new"), std::nullopt);
    QCOMPARE(QSettingsBackend(root.path()).Read(path, name), QStringLiteral("new"));
}

void SettingsBackendTest::keyPathsMapToFilesInsideTheRoot_data() {
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("file");
    QTest::newRow("program") << "Software\\Velmar\\Main"
                             << "Velmar/Main.conf";
    QTest::newRow("placement") << "Software\\Velmar\\Window"
                               << "Velmar/Window.conf";
    QTest::newRow("other key") << "Software\\Pellax\\Tool\\Main"
                               << "Pellax/Tool/Main.conf";
    QTest::newRow("no escape") << "Software\\..\\..\\x\\Main"
                               << "x/Main.conf";
}

void SettingsBackendTest::keyPathsMapToFilesInsideTheRoot() {
    QFETCH(QString, keyPath);
    QFETCH(QString, file);
    QTemporaryDir root;
    QSettingsBackend backend(root.path());
    QCOMPARE(backend.Location(keyPath), root.path() + QLatin1Char('/') + file);
    QCOMPARE(backend.Write(keyPath, "Probe", "1"), std::nullopt);
    QVERIFY(QFile::exists(root.filePath(file)));
}

void SettingsBackendTest::defaultRootIsThePerUserConfigLocation() {
#ifdef Q_OS_WIN
    QCOMPARE(QSettingsBackend().Location("Software\\Velmar\\Main"),
             QStringLiteral("HKEY_CURRENT_USER\\Software\\Velmar\\Main"));
#else
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(config.contains(QStringLiteral("qttest")));  // test mode keeps us out of ~/.config
    QCOMPARE(QSettingsBackend().Location("Software\\Velmar\\Main"),
             config + QStringLiteral("/Velmar/Main.conf"));
#endif
}

void SettingsBackendTest::storeSurvivesAProgramRestart() {
    ScriptedMessages messages;
    QTemporaryDir root;
    {
        IniStore first(std::make_unique<QSettingsBackend>(root.path()));
        RegisterSettings(first);
        first.IniLoadAll();
        first.IniSet("LastSetList", 12);
        first.IniSet("LastSlot", 40);
        first.IniSet("SameComment", true);
        first.IniStoreAll();
    }
    IniStore second(std::make_unique<QSettingsBackend>(root.path()));
    RegisterSettings(second);
    second.IniLoadAll();
    QCOMPARE(second.IniGetInt("LastSetList"), 12);
    QCOMPARE(second.IniGetInt("LastSlot"), 40);
    QCOMPARE(second.IniGetBool("SameComment"), true);
    QCOMPARE(second.IniGetInt("SimilarPercentage"), 50);
    QSettings file(root.filePath("Velmar/Main.conf"), QSettings::IniFormat);
    QCOMPARE(file.childKeys().size(), 15);
    QCOMPARE(file.value("SameComment").toString(), QStringLiteral("1"));
    QVERIFY(messages.Boxes().isEmpty());
}

void SettingsBackendTest::windowPlacementRoundTrips() {
    MemoryBackend backend;
    const QString path = WindowPlacementPath();
    QCOMPARE(path, QStringLiteral("Software\\Velmar\\Window"));
    QMainWindow empty;
    QVERIFY(!RestoreWindowPlacement(backend, path, empty));  // nothing stored yet

    QMainWindow first;
    first.setGeometry(40, 50, 900, 600);
    QCOMPARE(StoreWindowPlacement(backend, path, first), std::nullopt);
    QMainWindow second;
    QVERIFY(RestoreWindowPlacement(backend, path, second));
    QCOMPARE(second.geometry().size(), QSize(900, 600));

    (void)backend.Write(path, "Geometry", "not base64 !!");
    QMainWindow third;
    const QRect before = third.geometry();
    QVERIFY(!RestoreWindowPlacement(backend, path, third));
    QCOMPARE(third.geometry(), before);
}

QTEST_MAIN(SettingsBackendTest)
#include "test_settings_backend.moc"
