#include "editing/RenameDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velmar {

namespace {

NamePromptHook& Hook() {
    static NamePromptHook hook;
    return hook;
}

}  // namespace

std::optional<QString> RunNamePrompt(QWidget* parent, const QString& caption, const QString& label,
                                     const QString& text) {
    if (Hook()) return Hook()(caption, label, text);

    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("NamePrompt"));
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(label, &dialog);
    // No length limit here: a name that is too long is reported, not silently cut.
    auto* edit = new QLineEdit(text, &dialog);
    edit->setObjectName(QStringLiteral("EditName"));
    edit->setMinimumWidth(260);
    edit->selectAll();
    prompt->setBuddy(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(prompt);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return edit->text();
}

NamePromptHook InstallNamePromptHook(NamePromptHook hook) {
    NamePromptHook previous = std::move(Hook());
    Hook() = std::move(hook);
    return previous;
}

}  // namespace velmar
