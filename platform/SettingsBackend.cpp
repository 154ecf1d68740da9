#include "platform/SettingsBackend.h"

#include <QDir>
#include <QMainWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <utility>

namespace velmar {
namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QSettingsBackend::QSettingsBackend(QString configRoot) : root_(std::move(configRoot)) {
#ifndef Q_OS_WIN
    if (root_.isEmpty()) {
        root_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
    if (root_.isEmpty()) root_ = QDir::homePath() + QStringLiteral("/.config");
#endif
}

QString QSettingsBackend::Location(const QString& keyPath) const {
#ifdef Q_OS_WIN
    if (root_.isEmpty()) return QStringLiteral("HKEY_CURRENT_USER\\") + keyPath;
#endif
    QStringList parts;
    for (const QString& part : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        // A key path never leaves the settings folder.
        if (part != QLatin1String(".") && part != QLatin1String("..")) parts << part;
    }
    if (!parts.isEmpty() && SameName(parts.first(), QStringLiteral("Software"))) {
        parts.removeFirst();
    }
    if (parts.isEmpty()) parts << QStringLiteral("Settings");
    return root_ + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QStringLiteral(".conf");
}

namespace {

// The registry only on Windows without a root; INI files everywhere else.
std::unique_ptr<QSettings> OpenSettings(const QString& location, bool native) {
#ifdef Q_OS_WIN
    if (native) return std::make_unique<QSettings>(location, QSettings::NativeFormat);
#else
    Q_UNUSED(native);
#endif
    return std::make_unique<QSettings>(location, QSettings::IniFormat);
}

// The stored spelling of a value name (value names ignore case, INI files do not).
QString StoredName(const QSettings& settings, const QString& name) {
    for (const QString& key : settings.childKeys()) {
        if (SameName(key, name)) return key;
    }
    return name;
}

}  // namespace

QString QSettingsBackend::Read(const QString& keyPath, const QString& name) {
    const auto settings = OpenSettings(Location(keyPath), root_.isEmpty());
    const QVariant value = settings->value(StoredName(*settings, name));
    // An INI value with commas reads as a list; it is one string to us.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(',');
    return value.toString();
}

std::optional<QString> QSettingsBackend::Write(const QString& keyPath, const QString& name,
                                               const QString& value) {
    const QString location = Location(keyPath);
    const auto settings = OpenSettings(location, root_.isEmpty());
    settings->setValue(StoredName(*settings, name), value);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        return QStringLiteral("Cannot write the setting %1 to %2")
            .arg(name, QDir::toNativeSeparators(location));
    }
    return std::nullopt;
}

namespace {
QString MemoryKey(const QString& keyPath, const QString& name) {
    return (keyPath + QLatin1Char('\\') + name).toLower();
}
}  // namespace

QString MemoryBackend::Read(const QString& keyPath, const QString& name) {
    return values_.value(MemoryKey(keyPath, name));
}

std::optional<QString> MemoryBackend::Write(const QString& keyPath, const QString& name,
                                            const QString& value) {
    values_.insert(MemoryKey(keyPath, name), value);
    ++writes_;
    return std::nullopt;
}

bool MemoryBackend::Contains(const QString& keyPath, const QString& name) const {
    return values_.contains(MemoryKey(keyPath, name));
}

// ---- Window placement ----------------------------------------------------------------------

namespace {
const QString kGeometryName = QStringLiteral("Geometry");
const QString kStateName = QStringLiteral("State");
}  // namespace

std::optional<QString> StoreWindowPlacement(IniBackend& backend, const QString& path,
                                            const QWidget& window) {
    if (auto error = backend.Write(path, kGeometryName,
                                   QString::fromLatin1(window.saveGeometry().toBase64()))) {
        return error;
    }
    if (const auto* main = qobject_cast<const QMainWindow*>(&window)) {
        return backend.Write(path, kStateName, QString::fromLatin1(main->saveState().toBase64()));
    }
    return std::nullopt;
}

bool RestoreWindowPlacement(IniBackend& backend, const QString& path, QWidget& window) {
    const auto geometry = QByteArray::fromBase64Encoding(
        backend.Read(path, kGeometryName).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!geometry || geometry.decoded.isEmpty() || !window.restoreGeometry(*geometry)) return false;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        const auto state = QByteArray::fromBase64Encoding(backend.Read(path, kStateName).toLatin1(),
                                                          QByteArray::AbortOnBase64DecodingErrors);
        if (state && !state.decoded.isEmpty()) main->restoreState(*state);
    }
    return true;
}

}  // namespace velmar
