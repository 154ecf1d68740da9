#pragma once

#include <QHash>
#include <QString>
#include <optional>

class QWidget;

// Where the program's settings live: string values under key paths such as
// "Software\Velmar\Main" ('\' separates the parts). On Windows that is the per-user registry,
// elsewhere one INI file per key path. Value names are matched without regard to case, as in
// the registry.
namespace velmar {

class IniBackend {
  public:
    virtual ~IniBackend() = default;
    // A missing value reads as the empty text.
    [[nodiscard]] virtual QString Read(const QString& keyPath, const QString& name) = 0;
    // Creates the key when it is missing. Returns the error text when writing failed.
    [[nodiscard]] virtual std::optional<QString> Write(const QString& keyPath, const QString& name,
                                                       const QString& value) = 0;
};

// The per-user store. On Windows without `configRoot`: HKEY_CURRENT_USER\<path> as REG_SZ
// values. Otherwise one INI file per key path below `configRoot` (default: the per-user
// generic config location), the leading "Software\" dropped:
// "Software\Velmar\Main" -> <configRoot>/Velmar/Main.conf.
class QSettingsBackend final : public IniBackend {
  public:
    explicit QSettingsBackend(QString configRoot = {});
    [[nodiscard]] QString Read(const QString& keyPath, const QString& name) override;
    [[nodiscard]] std::optional<QString> Write(const QString& keyPath, const QString& name,
                                               const QString& value) override;
    // The file (or registry path) that holds `keyPath`.
    [[nodiscard]] QString Location(const QString& keyPath) const;

  private:
    QString root_;
};

// Values in memory only, for tests.
class MemoryBackend final : public IniBackend {
  public:
    [[nodiscard]] QString Read(const QString& keyPath, const QString& name) override;
    [[nodiscard]] std::optional<QString> Write(const QString& keyPath, const QString& name,
                                               const QString& value) override;
    [[nodiscard]] bool Contains(const QString& keyPath, const QString& name) const;
    [[nodiscard]] int WriteCount() const { return writes_; }

  private:
    QHash<QString, QString> values_;  // lower-case "path\name" -> value
    int writes_ = 0;
};

// A window's position, size and maximised state (and a main window's docks and toolbars)
// under `keyPath`. Storing returns the error text when it could not be written; restoring
// returns false and leaves the window alone when nothing usable is stored.
std::optional<QString> StoreWindowPlacement(IniBackend& backend, const QString& keyPath,
                                            const QWidget& window);
bool RestoreWindowPlacement(IniBackend& backend, const QString& keyPath, QWidget& window);

}  // namespace velmar
