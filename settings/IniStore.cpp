#include "settings/IniStore.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QButtonGroup>
#include <QColor>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <utility>

#include "platform/Messages.h"

namespace velmar {
namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// ---- Stored text form ----------------------------------------------------------------------

// The user's locale without group separators, so that a real reads back exactly.
QLocale UserLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// The user's short date format with a four-digit year: a two-digit year would read back in
// the wrong century.
QString DateFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), "yyyy");
    return format;
}

// The user's time format with seconds, without the time zone.
QString TimeFormat(const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

// The zero of a date-time value.
QDate ZeroDate() {
    return QDate(1899, 12, 30);
}

QString NotValid(const QString& text, const char* what) {
    return QStringLiteral("'%1' is not a valid %2").arg(text, QLatin1String(what));
}

std::optional<QVariant> Fail(QString* error, QString message) {
    if (error != nullptr) *error = std::move(message);
    return std::nullopt;
}

// A colour as $00BBGGRR from a number ("$" for hexadecimal) or a colour name; -1 otherwise.
int ColourFromText(const QString& raw) {
    const QString text = raw.trimmed();
    if (text.isEmpty()) return -1;
    bool ok = false;
    const int number =
        text.startsWith(QLatin1Char('$')) ? text.mid(1).toInt(&ok, 16) : text.toInt(&ok, 10);
    if (ok) return number;
    const QColor colour = QColor::fromString(text);
    if (!colour.isValid()) return -1;
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

// A value set by the program, brought to the entry's type.
std::optional<QVariant> Normalize(IniType type, const QVariant& value, QString* error) {
    if (!value.isValid() || type == IniType::Text) {
        return value.isValid() ? QVariant(value.toString()) : QVariant();
    }
    if (value.typeId() == QMetaType::QString) return FromStoredText(type, value.toString(), error);
    switch (type) {
        case IniType::Integer:
        case IniType::Colour:
            if (value.typeId() == QMetaType::Double) return QVariant(qRound(value.toDouble()));
            if (value.canConvert<int>()) return QVariant(value.toInt());
            break;
        case IniType::Real:
            if (value.canConvert<double>()) return QVariant(value.toDouble());
            break;
        case IniType::Boolean:
            if (value.canConvert<bool>()) return QVariant(value.toBool());
            break;
        case IniType::Date:
            if (value.canConvert<QDate>()) return QVariant(value.toDate());
            break;
        case IniType::Time:
            if (value.typeId() == QMetaType::QDateTime) return QVariant(value.toDateTime().time());
            if (value.canConvert<QTime>()) return QVariant(value.toTime());
            break;
        case IniType::Text:
            break;
    }
    return Fail(error, NotValid(value.toString(), "value for this setting"));
}

// ---- Controls ------------------------------------------------------------------------------

// First object of that name below `parent`, depth first in creation order.
QObject* FindInCreationOrder(const QObject* parent, const QString& name) {
    for (QObject* child : parent->children()) {
        if (SameName(child->objectName(), name)) return child;
        if (QObject* found = FindInCreationOrder(child, name)) return found;
    }
    return nullptr;
}

// The text of a control that has one; nullopt for the others.
std::optional<QString> ControlText(QObject* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) return edit->toPlainText();
    if (auto* edit = qobject_cast<QTextEdit*>(control)) return edit->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
    return std::nullopt;
}

int CheckedIndex(const QButtonGroup& group) {
    const QList<QAbstractButton*> buttons = group.buttons();
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) return static_cast<int>(i);
    }
    return -1;
}

void SelectIndex(QButtonGroup& group, int index) {
    const QList<QAbstractButton*> buttons = group.buttons();
    if (index >= 0 && index < buttons.size()) {
        buttons[index]->setChecked(true);
        return;
    }
    // No item selected: an exclusive group refuses to clear its checked button otherwise.
    const bool exclusive = group.exclusive();
    group.setExclusive(false);
    for (QAbstractButton* button : buttons) button->setChecked(false);
    group.setExclusive(exclusive);
}

// The control's content as a value of `type`; nullopt (with `error` set when the text did not
// convert) when the control does not give that type.
std::optional<QVariant> ReadControl(QObject* control, IniType type, QString* error) {
    const std::optional<QString> text = ControlText(control);
    switch (type) {
        case IniType::Text:
            if (text) return QVariant(*text);
            break;
        case IniType::Integer:
            if (auto* spin = qobject_cast<QSpinBox*>(control)) return QVariant(spin->value());
            if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
                return QVariant(qRound(spin->value()));
            }
            if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
                return QVariant(slider->value());
            }
            if (auto* group = qobject_cast<QButtonGroup*>(control)) {
                return QVariant(CheckedIndex(*group));
            }
            if (text) return FromStoredText(type, *text, error);
            break;
        case IniType::Real:
            if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) return QVariant(spin->value());
            if (auto* spin = qobject_cast<QSpinBox*>(control))
                return QVariant(double(spin->value()));
            if (text) return FromStoredText(type, *text, error);
            break;
        case IniType::Boolean:
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                return QVariant(button->isChecked());
            }
            break;
        case IniType::Colour:
            if (text) return QVariant(ColourFromText(*text));
            break;
        case IniType::Date:
        case IniType::Time:
            if (auto* edit = qobject_cast<QDateTimeEdit*>(control)) {
                return type == IniType::Date ? QVariant(edit->date()) : QVariant(edit->time());
            }
            if (text) return FromStoredText(type, *text, error);
            break;
    }
    return std::nullopt;
}

void WriteControl(QObject* control, IniType type, const QVariant& value) {
    const QString text = value.isValid() ? ToStoredText(type, value) : QString();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
        edit->setPlainText(text);
    } else if (auto* edit = qobject_cast<QTextEdit*>(control)) {
        edit->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable()) {
            combo->setEditText(text);
        } else {
            combo->setCurrentIndex(
                combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        }
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        spin->setValue(value.toDouble());
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        spin->setValue(value.toInt());
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        slider->setValue(value.toInt());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setChecked(value.toBool());
    } else if (auto* group = qobject_cast<QButtonGroup*>(control)) {
        SelectIndex(*group, value.toInt());
    } else if (auto* edit = qobject_cast<QDateTimeEdit*>(control)) {
        if (type == IniType::Time) {
            edit->setTime(value.toTime());
        } else {
            edit->setDate(value.toDate());
        }
    }
}

}  // namespace

// ---- Key paths and conversions -------------------------------------------------------------

QString IniKeyPath(const QString& key, const QString& section) {
    const qsizetype dot = key.indexOf(QLatin1Char('.'));
    const QString cut = dot >= 0 ? key.left(dot) : key;
    if (key.left(8).toUpper() == QLatin1String("SOFTWARE")) {
        return cut + QLatin1Char('\\') + section;
    }
    return QStringLiteral("Software\\Pellax\\") + cut + QLatin1Char('\\') + section;
}

QString ToStoredText(IniType type, const QVariant& value) {
    const QLocale locale = UserLocale();
    switch (type) {
        case IniType::Text:
            return value.toString();
        case IniType::Integer:
        case IniType::Colour:
            if (value.typeId() == QMetaType::Double)
                return QString::number(qRound64(value.toDouble()));
            return QString::number(value.toLongLong());
        case IniType::Real:
            return locale.toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        case IniType::Boolean:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case IniType::Date:
            return locale.toString(value.toDate(), DateFormat(locale));
        case IniType::Time:
            return locale.toString(value.toTime(), TimeFormat(locale));
    }
    return value.toString();
}

std::optional<QVariant> FromStoredText(IniType type, const QString& text, QString* error) {
    const QLocale locale = UserLocale();
    const QString trimmed = text.trimmed();
    bool ok = false;
    switch (type) {
        case IniType::Text:
            return QVariant(text);
        case IniType::Boolean:
            return QVariant(text == QLatin1String("1"));
        case IniType::Integer:
        case IniType::Colour: {
            if (trimmed.isEmpty()) return QVariant(0);
            const int number = trimmed.toInt(&ok, 10);
            if (!ok) return Fail(error, NotValid(text, "integer value"));
            return QVariant(number);
        }
        case IniType::Real: {
            if (trimmed.isEmpty()) return QVariant(0.0);
            const double number = locale.toDouble(trimmed, &ok);
            if (!ok) return Fail(error, NotValid(text, "floating point value"));
            return QVariant(number);
        }
        case IniType::Date: {
            if (trimmed.isEmpty()) return QVariant(ZeroDate());
            for (const QString& format :
                 {DateFormat(locale), locale.dateFormat(QLocale::ShortFormat),
                  locale.dateFormat(QLocale::LongFormat)}) {
                const QDate date = locale.toDate(trimmed, format);
                if (date.isValid()) return QVariant(date);
            }
            return Fail(error, NotValid(text, "date"));
        }
        case IniType::Time: {
            if (trimmed.isEmpty()) return QVariant(QTime(0, 0));
            for (const QString& format :
                 {TimeFormat(locale), locale.timeFormat(QLocale::ShortFormat)}) {
                const QTime time = locale.toTime(trimmed, format);
                if (time.isValid()) return QVariant(time);
            }
            return Fail(error, NotValid(text, "time"));
        }
    }
    return Fail(error, NotValid(text, "value"));
}

// ---- Entries -------------------------------------------------------------------------------

std::optional<QString> TIniEntry::Load(IniBackend& backend) {
    QString text = backend.Read(KeyPath(), valueName);
    if (text.trimmed().isEmpty()) text = defaultText;
    QString error;
    if (std::optional<QVariant> converted = FromStoredText(type, text, &error)) {
        value = *std::move(converted);
        return std::nullopt;
    }
    // A damaged stored value must not leave the setting unusable: fall back to the default.
    value = FromStoredText(type, defaultText).value_or(QVariant());
    return error;
}

QObject* TIniEntry::FindControl() const {
    if (windowName.isEmpty() || controlName.isEmpty()) return nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!SameName(window->objectName(), windowName)) continue;
        if (QObject* control = FindInCreationOrder(window, controlName)) return control;
    }
    return nullptr;
}

std::optional<QString> TIniEntry::Show() const {
    QObject* control = FindControl();
    if (control == nullptr) {
        return QStringLiteral("Programmfehler (IniEntry.Show): Ini-Eintrag [") + section +
               QStringLiteral("] -> ") + valueName + QStringLiteral("  nicht gefunden!");
    }
    WriteControl(control, type, value);
    return std::nullopt;
}

std::optional<QString> TIniEntry::Store(IniBackend& backend) {
    if (QObject* control = FindControl()) {
        QString error;
        if (std::optional<QVariant> read = ReadControl(control, type, &error)) {
            value = *std::move(read);
        } else if (!error.isEmpty()) {
            return error;
        }
    }
    return backend.Write(KeyPath(), valueName, ToStoredText(type, value));
}

// ---- Store ---------------------------------------------------------------------------------

IniStore::IniStore(std::unique_ptr<IniBackend> backend)
    : backend_(backend ? std::move(backend) : std::make_unique<QSettingsBackend>()) {}

IniStore::~IniStore() = default;

void IniStore::IniAdd(const QString& key, const QString& section, const QString& valueName,
                      const QString& controlName, const QString& windowName,
                      const QString& defaultText, IniType type) {
    entries_.push_back(
        TIniEntry{key, section, valueName, type, QVariant(), defaultText, windowName, controlName});
}

void IniStore::IniAddBool(const QString& key, const QString& section, const QString& valueName,
                          const QString& controlName, const QString& windowName, bool defaultValue,
                          IniType type) {
    IniAdd(key, section, valueName, controlName, windowName,
           defaultValue ? QStringLiteral("1") : QStringLiteral("0"), type);
}

void IniStore::IniAddInt(const QString& key, const QString& section, const QString& valueName,
                         const QString& controlName, const QString& windowName, int defaultValue,
                         IniType type) {
    IniAdd(key, section, valueName, controlName, windowName, QString::number(defaultValue), type);
}

void IniStore::Report(const QStringList& errors) const {
    if (!errors.isEmpty()) ShowInfo(errors.join(QLatin1Char('\n')));
}

void IniStore::IniLoadAll() {
    QStringList errors;
    for (TIniEntry& entry : entries_) {
        if (auto error = entry.Load(*backend_)) errors << *error;
    }
    Report(errors);
}

void IniStore::IniStoreAll() {
    QStringList errors;
    for (TIniEntry& entry : entries_) {
        if (auto error = entry.Store(*backend_)) errors << *error;
    }
    Report(errors);
}

void IniStore::IniLoad(const QString& valueName) {
    QStringList errors;
    for (TIniEntry& entry : entries_) {
        if (!SameName(entry.valueName, valueName)) continue;
        if (auto error = entry.Load(*backend_)) errors << *error;
    }
    Report(errors);
}

void IniStore::IniShow(const QString& valueName) {
    QStringList errors;
    for (const TIniEntry& entry : entries_) {
        if (!SameName(entry.valueName, valueName)) continue;
        if (auto error = entry.Show()) errors << *error;
    }
    Report(errors);
}

void IniStore::IniShowForm(const QString& windowName) {
    QStringList errors;
    for (const TIniEntry& entry : entries_) {
        if (entry.windowName.isEmpty() || !SameName(entry.windowName, windowName)) continue;
        if (auto error = entry.Show()) errors << *error;
    }
    Report(errors);
}

void IniStore::IniStoreForm(const QString& windowName) {
    QStringList errors;
    for (TIniEntry& entry : entries_) {
        if (entry.windowName.isEmpty() || !SameName(entry.windowName, windowName)) continue;
        if (auto error = entry.Store(*backend_)) errors << *error;
    }
    Report(errors);
}

bool IniStore::IniGet(const QString& valueName, QVariant& value) const {
    for (const TIniEntry& entry : entries_) {
        if (SameName(entry.valueName, valueName)) {
            value = entry.value;
            return true;
        }
    }
    ShowInfo(QStringLiteral("Programmfehler (IniGet): Ini-Eintrag <") + valueName +
             QStringLiteral("> nicht gefunden!"));
    return false;
}

QVariant IniStore::IniGet(const QString& valueName) const {
    QVariant value;
    IniGet(valueName, value);
    return value;
}

int IniStore::IniGetInt(const QString& valueName, int fallback) const {
    QVariant value(fallback);
    IniGet(valueName, value);
    return value.toInt();
}

bool IniStore::IniGetBool(const QString& valueName, bool fallback) const {
    QVariant value(fallback);
    IniGet(valueName, value);
    return value.toBool();
}

QString IniStore::IniGetText(const QString& valueName) const {
    return IniGet(valueName).toString();
}

int IniStore::IniSet(const QString& valueName, const QVariant& value) {
    int last = -1;
    QStringList errors;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        TIniEntry& entry = entries_[i];
        if (!SameName(entry.valueName, valueName)) continue;
        last = static_cast<int>(i);
        QString error;
        if (std::optional<QVariant> normalized = Normalize(entry.type, value, &error)) {
            entry.value = *std::move(normalized);
        } else {
            errors << error;
            continue;
        }
        if (auto storeError = entry.Store(*backend_)) errors << *storeError;
    }
    Report(errors);
    return last;
}

int IniStore::IniSetAndStore(const QString& valueName, const QVariant& value) {
    const int index = IniSet(valueName, value);
    if (index >= 0) {
        if (auto error = entries_[static_cast<std::size_t>(index)].Store(*backend_)) {
            Report({*error});
        }
    }
    return index;
}

namespace {
IniStore* installedStore = nullptr;
}  // namespace

IniStore& Ini() {
    if (installedStore != nullptr) return *installedStore;
    static IniStore store;
    return store;
}

IniStore* InstallIniStore(IniStore* store) {
    return std::exchange(installedStore, store);
}

QString WindowPlacementPath() {
    return IniKeyPath(QStringLiteral("Software\\Velmar"), QStringLiteral("Window"));
}

}  // namespace velmar
