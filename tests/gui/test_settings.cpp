#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QWidget>
#include <QtTest/QtTest>
#include <memory>

#include "settings/IniStore.h"
#include "settings/SettingsTable.h"
#include "support/ScriptedMessages.h"

using namespace velmar;

namespace {

const QString kMain = QStringLiteral("Software\\Velmar\\Main");

// A store over memory with the program's table registered.
struct Fixture {
    MemoryBackend* backend = new MemoryBackend;
    IniStore store{std::unique_ptr<IniBackend>(backend)};
    Fixture() { RegisterSettings(store); }
    void Put(const QString& name, const QString& value) {
        (void)backend->Write(kMain, name, value);
    }
    [[nodiscard]] QString Stored(const QString& name) const { return backend->Read(kMain, name); }
};

// A top-level window with the given object name.
std::unique_ptr<QWidget> Window(const QString& name) {
    auto window = std::make_unique<QWidget>();
    window->setObjectName(name);
    return window;
}

template <typename T>
T* Control(QWidget& window, const QString& name) {
    auto* control = new T(&window);
    control->setObjectName(name);
    return control;
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void tableRegistersTheFifteenSettingsInOrder();
    void loadReadsStoredTextsByType_data();
    void loadReadsStoredTextsByType();
    void realsUseTheUserLocale();
    void unconvertibleTextIsReportedAndTheDefaultKept();
    void keyPathFollowsTheKeyRule_data();
    void keyPathFollowsTheKeyRule();
    void valueNamesMatchWithoutRegardToCase();
    void iniGetOfAMissingNameShowsTheMessageAndKeepsTheOutput();
    void iniSetStoresTheOpenControlsContent();
    void storeAllWithTheDialogClosedWritesMemoryValues();
    void showAndStoreFollowTheControlKind();
    void showOfAMissingControlShowsItsMessage();
    void storeOfAnUnconvertibleControlTextWritesNothing();
};

void SettingsTest::tableRegistersTheFifteenSettingsInOrder() {
    struct Row {
        const char* name;
        IniType type;
        const char* defaultText;
        const char* control;
        const char* window;
    };
    const Row expected[] = {
        {"Filename", IniType::Text, "", "EditFileName", "FormMain"},
        {"LastSetList", IniType::Integer, "0", "", ""},
        {"LastSlot", IniType::Integer, "0", "", ""},
        {"Columns", IniType::Integer, "0", "EditNumCols", "FormMain"},
        {"SameName", IniType::Boolean, "1", "CheckSameName", "FormMain"},
        {"SimilarName", IniType::Boolean, "1", "CheckSimilarName", "FormMain"},
        {"SameComment", IniType::Boolean, "0", "CheckSameComment", "FormMain"},
        {"SimilarComment", IniType::Boolean, "0", "CheckSimilarComment", "FormMain"},
        {"SimilarPercentage", IniType::Integer, "50", "", ""},
        {"DonationPressed1.0.4", IniType::Boolean, "0", "", ""},
        {"AutoOpenFile", IniType::Boolean, "1", "CheckAutoOpen", "FormOptions"},
        {"AutoSave", IniType::Boolean, "0", "CheckAutoSave", "FormOptions"},
        {"DeleteDragSource", IniType::Boolean, "0", "CheckDeleteDragSource", "FormOptions"},
        {"ListWidth", IniType::Integer, "200", "", ""},
        {"SyncWidth", IniType::Integer, "200", "", ""},
    };
    Fixture f;
    const auto& entries = f.store.Entries();
    QCOMPARE(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TIniEntry& e = entries[i];
        QCOMPARE(e.valueName, QString::fromLatin1(expected[i].name));
        QCOMPARE(e.type, expected[i].type);
        QCOMPARE(e.defaultText, QString::fromLatin1(expected[i].defaultText));
        QCOMPARE(e.controlName, QString::fromLatin1(expected[i].control));
        QCOMPARE(e.windowName, QString::fromLatin1(expected[i].window));
        QCOMPARE(e.KeyPath(), kMain);
        QVERIFY(!e.value.isValid());  // unset until loaded
    }
    // First run: everything takes its default, and storing writes all 15 values.
    f.store.IniLoadAll();
    QCOMPARE(f.store.IniGetInt("ListWidth"), 200);
    QCOMPARE(f.store.IniGetBool("AutoOpenFile"), true);
    f.store.IniStoreAll();
    for (const Row& row : expected)
        QCOMPARE(f.Stored(row.name), QString::fromLatin1(row.defaultText));
}

void SettingsTest::loadReadsStoredTextsByType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QVariant>("expected");
    const int text = int(IniType::Text), integer = int(IniType::Integer),
              boolean = int(IniType::Boolean), colour = int(IniType::Colour);
    QTest::newRow("missing integer") << integer << "200" << false << "" << QVariant(200);
    QTest::newRow("blank integer") << integer << "200" << true << "   " << QVariant(200);
    QTest::newRow("integer") << integer << "200" << true << "-17" << QVariant(-17);
    QTest::newRow("integer empty default") << integer << "" << true << "" << QVariant(0);
    QTest::newRow("missing text") << text << "x.pcg" << false << "" << QVariant("x.pcg");
    QTest::newRow("blank text") << text << "x.pcg" << true << " \t " << QVariant("x.pcg");
    QTest::newRow("text kept untrimmed") << text << "" << true << " a.pcg " << QVariant(" a.pcg ");
    QTest::newRow("bool 1") << boolean << "0" << true << "1" << QVariant(true);
    QTest::newRow("bool 0") << boolean << "1" << true << "0" << QVariant(false);
    QTest::newRow("bool true is false") << boolean << "1" << true << "true" << QVariant(false);
    QTest::newRow("bool yes is false") << boolean << "1" << true << "yes" << QVariant(false);
    QTest::newRow("bool missing default") << boolean << "1" << false << "" << QVariant(true);
    QTest::newRow("bool blank default") << boolean << "1" << true << "  " << QVariant(true);
    QTest::newRow("colour") << colour << "0" << true << "179965" << QVariant(0x0002BEFD);
}

void SettingsTest::loadReadsStoredTextsByType() {
    QFETCH(int, type);
    QFETCH(QString, defaultText);
    QFETCH(bool, present);
    QFETCH(QString, stored);
    QFETCH(QVariant, expected);
    ScriptedMessages messages;
    MemoryBackend backend;
    TIniEntry entry{"Software\\Velmar", "Main", "Probe", IniType(type), {}, defaultText, {}, {}};
    if (present) (void)backend.Write(kMain, "probe", stored);
    QCOMPARE(entry.Load(backend), std::nullopt);
    QCOMPARE(entry.value, expected);
}

void SettingsTest::realsUseTheUserLocale() {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MemoryBackend backend;
    TIniEntry entry{"Software\\Velmar", "Main", "Ratio", IniType::Real, {}, "0", {}, {}};
    (void)backend.Write(kMain, "Ratio", "1234,5");
    QCOMPARE(entry.Load(backend), std::nullopt);
    QCOMPARE(entry.value.toDouble(), 1234.5);
    entry.value = 0.25;
    QCOMPARE(entry.Store(backend), std::nullopt);
    QCOMPARE(backend.Read(kMain, "Ratio"), QStringLiteral("0,25"));
    // Dates keep a four-digit year so that they read back in the right century.
    TIniEntry date{"Software\\Velmar",  "Main", "Day", IniType::Date,
                   QDate(2026, 12, 10), "",     {},    {}};
    QCOMPARE(date.Store(backend), std::nullopt);
    date.value.clear();
    QCOMPARE(date.Load(backend), std::nullopt);
    QCOMPARE(date.value.toDate(), QDate(2026, 12, 10));
    QLocale::setDefault(saved);
}

void SettingsTest::unconvertibleTextIsReportedAndTheDefaultKept() {
    ScriptedMessages messages;
    Fixture f;
    f.Put("Columns", "abc");
    f.Put("ListWidth", "250");
    f.store.IniLoadAll();
    // The damaged value is reported, the others still load.
    QCOMPARE(messages.Texts(ScriptedMessages::Kind::Info),
             QStringList{QStringLiteral("'abc' is not a valid integer value")});
    QCOMPARE(f.store.IniGetInt("Columns", -1), 0);
    QCOMPARE(f.store.IniGetInt("ListWidth"), 250);
    QCOMPARE(f.store.IniGetInt("SyncWidth"), 200);

    // A value set by the program that is not of the entry's type is refused the same way.
    messages.ClearBoxes();
    QCOMPARE(f.store.IniSet("LastSlot", QStringLiteral("twelve")), 2);
    QCOMPARE(messages.Texts(ScriptedMessages::Kind::Info).size(), 1);
    QCOMPARE(f.Stored("LastSlot"), QString());
}

void SettingsTest::keyPathFollowsTheKeyRule_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("path");
    QTest::newRow("program") << "Software\\Velmar"
                             << "Main"
                             << "Software\\Velmar\\Main";
    QTest::newRow("window") << "Software\\Velmar"
                            << "Window"
                            << "Software\\Velmar\\Window";
    QTest::newRow("ini name") << "Tool.ini"
                              << "Main"
                              << "Software\\Pellax\\Tool\\Main";
    QTest::newRow("first dot cuts") << "My.Tool.ini"
                                    << "S"
                                    << "Software\\Pellax\\My\\S";
    QTest::newRow("software any case") << "SOFTWARE\\A.b"
                                       << "S"
                                       << "SOFTWARE\\A\\S";
    QTest::newRow("prefix only counts") << "SoftwareX"
                                        << "S"
                                        << "SoftwareX\\S";
    QTest::newRow("short key") << "Soft"
                               << "S"
                               << "Software\\Pellax\\Soft\\S";
}

void SettingsTest::keyPathFollowsTheKeyRule() {
    QFETCH(QString, key);
    QFETCH(QString, section);
    QFETCH(QString, path);
    QCOMPARE(IniKeyPath(key, section), path);
}

void SettingsTest::valueNamesMatchWithoutRegardToCase() {
    ScriptedMessages messages;
    Fixture f;
    f.Put("Filename", "C:\\live.pcg");
    f.store.IniLoad("FILENAME");
    for (const char* name : {"filename", "FILENAME", "FileName"}) {
        QCOMPARE(f.store.IniGetText(name), QStringLiteral("C:\\live.pcg"));
    }
    // Storing through another spelling writes the value under the entry's own name.
    QCOMPARE(f.store.IniSetAndStore("FileName", QStringLiteral("D:\\set.pcg")), 0);
    QCOMPARE(f.Stored("Filename"), QStringLiteral("D:\\set.pcg"));
    QCOMPARE(f.backend->WriteCount(), 3);  // Put, IniSet's Store, the Store once more
    QVERIFY(messages.Boxes().isEmpty());
    QCOMPARE(f.store.IniSet("NoSuchName", 1), -1);
}

void SettingsTest::iniGetOfAMissingNameShowsTheMessageAndKeepsTheOutput() {
    ScriptedMessages messages;
    Fixture f;
    QVariant out(42);
    QVERIFY(!f.store.IniGet("Colums", out));
    QCOMPARE(out, QVariant(42));
    QCOMPARE(messages.Boxes().size(), 1);
    QCOMPARE(messages.Boxes()[0].kind, ScriptedMessages::Kind::Info);
    QCOMPARE(messages.Boxes()[0].caption, QStringLiteral("VELMAR"));
    QCOMPARE(messages.Boxes()[0].text,
             QStringLiteral("Programmfehler (IniGet): Ini-Eintrag <Colums> nicht gefunden!"));
    // The operations by name stay silent when nothing matches.
    f.store.IniLoad("Colums");
    f.store.IniShow("Colums");
    f.store.IniShowForm("FormNone");
    f.store.IniStoreForm("FormNone");
    QCOMPARE(messages.Boxes().size(), 1);
}

void SettingsTest::iniSetStoresTheOpenControlsContent() {
    ScriptedMessages messages;
    Fixture f;
    auto main = Window("formmain");  // window names ignore case too
    Control<QLineEdit>(*main, "EditFileName")->setText("C:\\shown.pcg");
    QCOMPARE(f.store.IniSet("Filename", QStringLiteral("C:\\passed.pcg")), 0);
    QCOMPARE(f.Stored("Filename"), QStringLiteral("C:\\shown.pcg"));
    QCOMPARE(f.store.IniGetText("Filename"), QStringLiteral("C:\\shown.pcg"));
    main.reset();
    // Without the window the value passed is what is stored.
    f.store.IniSet("Filename", QStringLiteral("C:\\passed.pcg"));
    QCOMPARE(f.Stored("Filename"), QStringLiteral("C:\\passed.pcg"));
    QVERIFY(messages.Boxes().isEmpty());
}

void SettingsTest::storeAllWithTheDialogClosedWritesMemoryValues() {
    ScriptedMessages messages;
    Fixture f;
    f.Put("AutoSave", "1");
    f.Put("AutoOpenFile", "0");
    f.store.IniLoadAll();
    f.Put("AutoSave", "0");  // changed behind the store's back: memory wins at IniStoreAll
    f.store.IniStoreAll();
    QCOMPARE(f.Stored("AutoSave"), QStringLiteral("1"));
    QCOMPARE(f.Stored("AutoOpenFile"), QStringLiteral("0"));
    QCOMPARE(f.Stored("DeleteDragSource"), QStringLiteral("0"));

    // With the dialog open its boxes are what is stored.
    auto options = Window("FormOptions");
    Control<QCheckBox>(*options, "CheckAutoSave")->setChecked(false);
    Control<QCheckBox>(*options, "CheckAutoOpen")->setChecked(true);
    Control<QCheckBox>(*options, "CheckDeleteDragSource")->setChecked(true);
    f.store.IniStoreForm("FormOptions");
    QCOMPARE(f.Stored("AutoSave"), QStringLiteral("0"));
    QCOMPARE(f.Stored("AutoOpenFile"), QStringLiteral("1"));
    QCOMPARE(f.Stored("DeleteDragSource"), QStringLiteral("1"));
    QVERIFY(messages.Boxes().isEmpty());
}

void SettingsTest::showAndStoreFollowTheControlKind() {
    ScriptedMessages messages;
    MemoryBackend backend;
    auto window = Window("FormProbe");
    auto entry = [](IniType type, const char* control, QVariant value) {
        return TIniEntry{"Software\\Velmar", "Main", control,     type,
                         std::move(value),   "",     "FormProbe", control};
    };

    auto* edit = Control<QLineEdit>(*window, "EditText");
    auto* memo = Control<QPlainTextEdit>(*window, "MemoText");
    auto* choose = Control<QComboBox>(*window, "ComboChoose");
    choose->addItems({"Auto", "1", "2"});
    auto* editable = Control<QComboBox>(*window, "ComboEdit");
    editable->setEditable(true);
    auto* spin = Control<QSpinBox>(*window, "EditNumCols");
    spin->setRange(0, 16);
    auto* realSpin = Control<QDoubleSpinBox>(*window, "EditReal");
    auto* slider = Control<QSlider>(*window, "TrackPercent");
    slider->setRange(0, 100);
    auto* check = Control<QCheckBox>(*window, "CheckProbe");
    auto* radio = Control<QRadioButton>(*window, "RadioProbe");
    auto* group = new QButtonGroup(window.get());
    group->setObjectName("GroupProbe");
    for (int i = 0; i < 3; ++i) group->addButton(new QRadioButton(window.get()));

    // Show puts the value in, Store reads the user's change back out.
    struct Case {
        TIniEntry entry;
        std::function<bool()> shown;
        std::function<void()> change;
        QString stored;
    };
    std::vector<Case> cases;
    cases.push_back({entry(IniType::Text, "EditText", "a.pcg"),
                     [&] { return edit->text() == "a.pcg"; }, [&] { edit->setText("b.pcg"); },
                     "b.pcg"});
    cases.push_back({entry(IniType::Text, "MemoText", "x"),
                     [&] { return memo->toPlainText() == "x"; },
                     [&] { memo->setPlainText("y\nz"); }, "y\nz"});
    cases.push_back({entry(IniType::Integer, "ComboChoose", 2),
                     [&] { return choose->currentIndex() == 2; },
                     [&] { choose->setCurrentIndex(1); }, "1"});
    cases.push_back({entry(IniType::Text, "ComboChoose", "none"),
                     [&] { return choose->currentIndex() == -1; },
                     [&] { choose->setCurrentIndex(0); }, "Auto"});
    cases.push_back({entry(IniType::Text, "ComboEdit", "free"),
                     [&] { return editable->currentText() == "free"; },
                     [&] { editable->setEditText("typed"); }, "typed"});
    cases.push_back({entry(IniType::Integer, "EditNumCols", 4), [&] { return spin->value() == 4; },
                     [&] { spin->setValue(7); }, "7"});
    cases.push_back({entry(IniType::Integer, "EditReal", 3),
                     [&] { return realSpin->value() == 3.0; }, [&] { realSpin->setValue(2.6); },
                     "3"});
    cases.push_back({entry(IniType::Integer, "TrackPercent", 50),
                     [&] { return slider->value() == 50; }, [&] { slider->setValue(80); }, "80"});
    cases.push_back({entry(IniType::Boolean, "CheckProbe", true),
                     [&] { return check->isChecked(); }, [&] { check->setChecked(false); }, "0"});
    cases.push_back({entry(IniType::Boolean, "RadioProbe", true),
                     [&] { return radio->isChecked(); }, [&] { radio->setChecked(false); }, "0"});
    cases.push_back({entry(IniType::Integer, "GroupProbe", 1),
                     [&] { return group->buttons()[1]->isChecked(); },
                     [&] { group->buttons()[2]->setChecked(true); }, "2"});
    cases.push_back({entry(IniType::Colour, "EditText", 0x0002BEFD),
                     [&] { return edit->text() == "179965"; },
                     [&] { edit->setText("not a colour"); }, "-1"});
    cases.push_back({entry(IniType::Colour, "EditText", 0), [] { return true; },
                     [&] { edit->setText("#FDBE02"); }, QString::number(0x0002BEFD)});

    for (Case& c : cases) {
        const QByteArray where = c.entry.controlName.toLatin1() + " " + c.stored.toLatin1();
        QVERIFY2(c.entry.Show() == std::nullopt, where);
        QVERIFY2(c.shown(), where);
        c.change();
        QVERIFY2(c.entry.Store(backend) == std::nullopt, where);
        QCOMPARE(backend.Read(kMain, c.entry.valueName), c.stored);
    }
    QVERIFY(messages.Boxes().isEmpty());
}

void SettingsTest::showOfAMissingControlShowsItsMessage() {
    ScriptedMessages messages;
    Fixture f;
    f.store.IniLoadAll();
    auto main = Window("FormMain");
    Control<QSpinBox>(*main, "EditNumColumns");  // a near miss is no match
    f.store.IniShow("Columns");
    QCOMPARE(
        messages.Texts(ScriptedMessages::Kind::Info),
        QStringList{QStringLiteral(
            "Programmfehler (IniEntry.Show): Ini-Eintrag [Main] -> Columns  nicht gefunden!")});
}

void SettingsTest::storeOfAnUnconvertibleControlTextWritesNothing() {
    ScriptedMessages messages;
    Fixture f;
    f.store.IniAdd("Software\\Velmar", "Main", "Transpose", "EditTranspose", "FormProbe", "0",
                   IniType::Integer);
    f.store.IniLoadAll();
    auto window = Window("FormProbe");
    Control<QLineEdit>(*window, "EditTranspose")->setText("12a");
    f.store.IniStoreForm("FormProbe");
    QCOMPARE(messages.Texts(ScriptedMessages::Kind::Info),
             QStringList{QStringLiteral("'12a' is not a valid integer value")});
    QVERIFY(!f.backend->Contains(kMain, "Transpose"));
    QCOMPARE(f.store.IniGetInt("Transpose", -1), 0);
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
