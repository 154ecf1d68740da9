#include "platform/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace velmar {
namespace {

class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<QString> OpenFileName(const FileDialogRequest& request) override {
        return Run(request, QFileDialog::AcceptOpen);
    }
    std::optional<QString> SaveFileName(const FileDialogRequest& request) override {
        return Run(request, QFileDialog::AcceptSave);
    }

  private:
    static std::optional<QString> Run(const FileDialogRequest& request,
                                      QFileDialog::AcceptMode mode) {
        QFileDialog dialog(QApplication::activeWindow(), request.caption);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        // Asking before an existing file is replaced is the dialog's default; keep it on.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        dialog.setNameFilters(NameFiltersFromPairs(request.filter));
        dialog.setDefaultSuffix(request.defaultExtension);
        if (!request.initialPath.isEmpty()) {
            const QFileInfo initial(QDir::fromNativeSeparators(request.initialPath));
            if (initial.dir().exists()) dialog.setDirectory(initial.dir());
            dialog.selectFile(initial.fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    }
};

FileDialogs* installed = nullptr;

}  // namespace

FileDialogs& Dialogs() {
    static QtFileDialogs real;
    return installed != nullptr ? *installed : real;
}

FileDialogs* InstallFileDialogs(FileDialogs* dialogs) {
    FileDialogs* previous = installed;
    installed = dialogs;
    return previous;
}

QStringList NameFiltersFromPairs(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) pattern = pattern.trimmed();
        const QString joined = patterns.join(QLatin1Char(' '));
        // Qt takes the patterns from the parentheses of the description; add them when the
        // description does not already show exactly these.
        if (description.endsWith(QLatin1Char('(') + joined + QLatin1Char(')'))) {
            result << description;
        } else {
            result << description + QStringLiteral(" (") + joined + QLatin1Char(')');
        }
    }
    return result;
}

}  // namespace velmar
