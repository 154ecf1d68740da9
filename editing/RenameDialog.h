#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The small modal prompt of the rename commands: a caption, a label, one edit line holding the
// current name, OK and Cancel. Tests install a hook that answers instead of the dialog.
namespace velmar {

// The edited text on OK, nothing on Cancel.
using NamePromptHook = std::function<std::optional<QString>(
    const QString& caption, const QString& label, const QString& text)>;

// Runs the prompt (or the installed hook).
[[nodiscard]] std::optional<QString> RunNamePrompt(QWidget* parent, const QString& caption,
                                                   const QString& label, const QString& text);

// Installs `hook` for every later prompt; an empty hook goes back to the dialog. Returns the
// hook installed before.
NamePromptHook InstallNamePromptHook(NamePromptHook hook);

}  // namespace velmar
