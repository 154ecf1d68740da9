#pragma once

// Shared by the editing, pick and colour tests: a window on a generated file, the clipboard
// files in a temporary TEMP folder, and clicks and keys as a user gives them.

#include <QListWidgetItem>
#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>
#include <optional>

#include "editing/RenameDialog.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "test_mainwindow_fixture.h"

namespace velmar::testing {

// Points TEMP (and TMP) at `dir`, so the clipboard files never touch the user's.
inline void UseTempFolder(const QTemporaryDir& dir) {
    qputenv("TEMP", dir.path().toLocal8Bit());
    qputenv("TMP", dir.path().toLocal8Bit());
}

inline QString ItemText(const TListView* view, int row) {
    return view->item(row)->text();
}

inline QString SlotName(const TFormMain& form, int a, int s) {
    return FromFileText(form.Doc().GetSlotName(a, s));
}

inline void SelectOnly(TListView* view, std::initializer_list<int> rows) {
    view->clearSelection();
    for (int r : rows) view->SetSelected(r, true);
}

// A left click on a row, as the user gives it (the view moves its item index first).
inline void ClickRow(TListView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    view->scrollToItem(view->item(row));
    QApplication::processEvents();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualItemRect(view->item(row)).center());
}

// Answers every name prompt in turn from a script; a prompt without an answer fails the test.
class ScriptedNamePrompt {
  public:
    struct Shown {
        QString caption;
        QString label;
        QString text;
    };
    ScriptedNamePrompt() {
        previous_ = InstallNamePromptHook([this](const QString& caption, const QString& label,
                                                 const QString& text) -> std::optional<QString> {
            shown_.append({caption, label, text});
            if (answers_.isEmpty()) {
                QTest::qFail("unexpected name prompt", __FILE__, __LINE__);
                return std::nullopt;
            }
            return answers_.takeFirst();
        });
    }
    ~ScriptedNamePrompt() { InstallNamePromptHook(std::move(previous_)); }
    ScriptedNamePrompt(const ScriptedNamePrompt&) = delete;
    ScriptedNamePrompt& operator=(const ScriptedNamePrompt&) = delete;

    // nullopt answers Cancel.
    ScriptedNamePrompt& Answer(std::optional<QString> text) {
        answers_.append(std::move(text));
        return *this;
    }
    [[nodiscard]] const QList<Shown>& ShownPrompts() const { return shown_; }

  private:
    NamePromptHook previous_;
    QList<std::optional<QString>> answers_;
    QList<Shown> shown_;
};

}  // namespace velmar::testing
