#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

#include "platform/SettingsBackend.h"

// The settings store: every setting is registered once with where it lives, its type, its
// default and optionally the control that shows it; afterwards the program reads and writes
// settings by value name only. Values are kept as strings under a key path such as
// "Software\Velmar\Main" (in the per-user registry on Windows, in per-user INI files
// elsewhere).
namespace velmar {

enum class IniType : int {
    Text = 1,
    Integer = 2,
    Real = 3,
    Boolean = 4,
    Colour = 5,
    Date = 6,
    Time = 7
};

// "Software\Velmar" + "Main" -> "Software\Velmar\Main"; a key not starting with "SOFTWARE"
// goes below "Software\Pellax\"; a key is cut at its first '.' ("Tool.ini" -> "Tool").
[[nodiscard]] QString IniKeyPath(const QString& key, const QString& section);

// Stored text form of a value and back. The conversion gives nullopt and the error text when
// the text is not of the type (letters in an integer).
[[nodiscard]] QString ToStoredText(IniType type, const QVariant& value);
[[nodiscard]] std::optional<QVariant> FromStoredText(IniType type, const QString& text,
                                                     QString* error = nullptr);

// One registered setting.
struct TIniEntry {
    QString key;
    QString section;
    QString valueName;
    IniType type = IniType::Text;
    QVariant value;  // invalid until the first Load or IniSet
    QString defaultText;
    QString windowName;   // may be empty
    QString controlName;  // may be empty

    [[nodiscard]] QString KeyPath() const { return IniKeyPath(key, section); }
    // Reads the stored text (the default when it is missing or blank) into `value`. On a
    // conversion error the value becomes the default and the error text is returned.
    std::optional<QString> Load(IniBackend& backend);
    // Puts the value into the bound control; the "not found" message text when there is none.
    std::optional<QString> Show() const;
    // Takes the value from the bound control when it exists now, then writes the stored text.
    // A control text that does not convert is returned as error and nothing is written.
    std::optional<QString> Store(IniBackend& backend);
    // The bound control if its window is open now (first match in creation order).
    [[nodiscard]] QObject* FindControl() const;
};

// The program's store. Value names and window names are compared without regard to case;
// operations on all entries visit them in registration order. Errors are shown through the
// message layer's plain box.
class IniStore {
  public:
    // Without a backend the per-user QSettingsBackend is used.
    explicit IniStore(std::unique_ptr<IniBackend> backend = nullptr);
    ~IniStore();
    IniStore(const IniStore&) = delete;
    IniStore& operator=(const IniStore&) = delete;

    void IniAdd(const QString& key, const QString& section, const QString& valueName,
                const QString& controlName, const QString& windowName, const QString& defaultText,
                IniType type);
    void IniAddBool(const QString& key, const QString& section, const QString& valueName,
                    const QString& controlName, const QString& windowName, bool defaultValue,
                    IniType type = IniType::Boolean);
    void IniAddInt(const QString& key, const QString& section, const QString& valueName,
                   const QString& controlName, const QString& windowName, int defaultValue,
                   IniType type = IniType::Integer);

    void IniLoadAll();
    void IniStoreAll();
    void IniLoad(const QString& valueName);
    void IniShow(const QString& valueName);
    void IniShowForm(const QString& windowName);
    void IniStoreForm(const QString& windowName);
    // Copies the value of the first entry with that name into `value`; shows
    // "Programmfehler (IniGet): ..." and leaves `value` unchanged when there is none.
    bool IniGet(const QString& valueName, QVariant& value) const;
    // Shorthands: the value converted, `fallback` when the entry is missing (after the message).
    [[nodiscard]] QVariant IniGet(const QString& valueName) const;
    [[nodiscard]] int IniGetInt(const QString& valueName, int fallback = 0) const;
    [[nodiscard]] bool IniGetBool(const QString& valueName, bool fallback = false) const;
    [[nodiscard]] QString IniGetText(const QString& valueName) const;
    // Sets and stores every entry with that name (a bound control that exists wins over
    // `value`); the index of the last one, or -1.
    int IniSet(const QString& valueName, const QVariant& value);
    // IniSet, then stores the last such entry once more. The index, or -1.
    int IniSetAndStore(const QString& valueName, const QVariant& value);

    [[nodiscard]] const std::vector<TIniEntry>& Entries() const { return entries_; }
    [[nodiscard]] IniBackend& Backend() { return *backend_; }

  private:
    void Report(const QStringList& errors) const;

    std::unique_ptr<IniBackend> backend_;
    std::vector<TIniEntry> entries_;
};

// The program-wide store (created on first use with the per-user backend).
[[nodiscard]] IniStore& Ini();
// Installs `store` (not owned) as the program-wide one; nullptr goes back to the default.
IniStore* InstallIniStore(IniStore* store);

// The main window's position, size and state live in the section "Window" of
// "Software\Velmar"; use with StoreWindowPlacement / RestoreWindowPlacement
// (platform/SettingsBackend.h) on Ini().Backend().
[[nodiscard]] QString WindowPlacementPath();

}  // namespace velmar
