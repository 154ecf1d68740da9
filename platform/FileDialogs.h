#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// The open and save file dialogs, behind a hook so that tests answer them with prepared paths.
namespace velmar {

struct FileDialogRequest {
    QString caption;
    // Pre-set file name (and the folder shown).
    QString initialPath;
    // Pairs of description and patterns separated by '|', patterns separated by ';':
    // "PCG files (*.pcg)|*.pcg|All files (*.*)|*.*".
    QString filter;
    // Appended (with a dot) to a typed name that has no extension, e.g. "pcg".
    QString defaultExtension;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen existing file; nullopt when the dialog was cancelled.
    [[nodiscard]] virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
    // The chosen target; the dialog asks before an existing file is overwritten.
    [[nodiscard]] virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;
};

// The dialogs in use: the real ones unless a test installed others.
[[nodiscard]] FileDialogs& Dialogs();
// Installs `dialogs` (not owned); nullptr goes back to the real dialogs. Returns the ones
// installed before, nullptr when those were the real ones.
FileDialogs* InstallFileDialogs(FileDialogs* dialogs);

// "A (*.a)|*.a|B|*.b;*.c" -> {"A (*.a)", "B (*.b *.c)"}: the name filters of a Qt dialog.
[[nodiscard]] QStringList NameFiltersFromPairs(const QString& filter);

}  // namespace velmar
