// File commands of the main window: Open, Save, Save As, Exit, the close query with its
// prompt about unsaved changes, and the autosave timer.

#include <QLineEdit>
#include <QTextEdit>

#include "document/Save.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/FileDialogs.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "settings/IniStore.h"

namespace velmar {

namespace {

const char* const kPcgFilter = "PCG files (*.pcg)|*.pcg|All files (*.*)|*.*";

FileDialogRequest PcgDialog(const QString& caption, const QString& current) {
    return {caption, current, QString::fromLatin1(kPcgFilter), QStringLiteral("pcg")};
}

}  // namespace

void TFormMain::ButtonOpenClick() {
    if (!FileName().isEmpty() && doc_.FileModified()) {
        const int answer =
            AskYesNoCancel(QStringLiteral("Save changes to ") + FileName() + QStringLiteral(" ?"),
                           QString::fromLatin1(kAppCaption));
        if (answer == kAnswerCancel) return;
        // A failed save keeps the changes: no other file replaces them.
        if (answer == kAnswerYes && !SaveFile(false)) return;
    }
    const std::optional<QString> chosen =
        Dialogs().OpenFileName(PcgDialog(QStringLiteral("Open"), FileName()));
    if (!chosen) return;
    WaitCursor wait;
    editFileName_->setText(*chosen);
    if (!chosen->isEmpty() && OpenDocument()) ShowSetList(0, true, true);
}

bool TFormMain::SaveFile(bool autosave) {
    // Nothing to write before a file has been loaded.
    if (!HasDocument()) return false;
    WaitCursor wait;
    WriteEditorComment();
    const std::string name = FileName().toStdString();
    const std::string target = autosave ? AutosavePath(name) : name;
    const bool wasModified = doc_.FileModified();
    const SaveResult result = SaveDocument(doc_, target, autosave);
    if (!result.ok) {
        wait.Release();
        ShowError(QString::fromStdString(result.error));
        return false;
    }
    // The autosave copy is not the user's file: its changes are still unsaved.
    if (autosave) doc_.SetFileModified(wasModified);
    setWindowTitle(QStringLiteral("VELMAR - ") + FileName());
    return true;
}

void TFormMain::ButtonSaveClick() {
    SaveFile(false);
}

void TFormMain::ButtonSaveAsClick() {
    if (!HasDocument()) return;
    std::optional<QString> chosen;
    {
        WaitCursor wait;
        wait.Release();
        chosen = Dialogs().SaveFileName(PcgDialog(QStringLiteral("Save As"), FileName()));
    }
    if (!chosen) return;
    editFileName_->setText(*chosen);
    if (chosen->isEmpty()) return;
    documentName_ = *chosen;
    SaveFile(false);
}

void TFormMain::ButtonExitClick() {
    StopSimilarSearch();
    if (!FileName().isEmpty() && doc_.FileModified()) {
        const int answer =
            AskYesNoCancel(QStringLiteral("Save Changes to ") + FileName() + QStringLiteral(" ?"),
                           QString::fromLatin1(kAppCaption));
        if (answer == kAnswerCancel) return;
        if (answer == kAnswerYes && !SaveFile(false)) return;  // FileModified is still set
        // No: the changes are given up; the close query must not ask a second time.
        if (answer == kAnswerNo) doc_.SetFileModified(false);
    }
    close();
}

bool TFormMain::FormCloseQuery() {
    if (FileName().isEmpty() || !doc_.FileModified()) return true;
    const int answer =
        AskYesNoCancel(QStringLiteral("Save Changes to ") + FileName() + QStringLiteral(" ?"),
                       QString::fromLatin1(kAppCaption));
    if (answer == kAnswerCancel) return false;
    if (answer == kAnswerYes) return SaveFile(false);  // a failed save keeps the window open
    return true;
}

void TFormMain::TimerAutoSaveTimer() {
    if (doc_.FileLoaded() && Ini().IniGetBool(QStringLiteral("AutoSave"), false)) SaveFile(true);
}

}  // namespace velmar
