#pragma once

#include <QListWidget>
#include <QTextEdit>

// The two list views and the comment editor of the main window: the stock Qt widgets with the
// few events the window's handlers need (button presses after the view has moved its item
// index, key releases, focus changes) turned into signals.
namespace velmar {

class TListView : public QListWidget {
    Q_OBJECT
  public:
    explicit TListView(QWidget* parent = nullptr);

    // Item i's text without its number and blank ("000 ").
    [[nodiscard]] QString NameOf(int row) const;
    [[nodiscard]] bool IsSelected(int row) const;
    void SetSelected(int row, bool selected);
    // Moves the item index without touching the selection.
    void SetItemIndex(int row);
    [[nodiscard]] int ItemIndex() const { return currentRow(); }

  signals:
    // Sent after the view has handled the press (item index and selection already moved).
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void FocusEntered();
    void FocusLeft();
    void DoubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The comment editor: rich text with per-character sizes. Typed characters take the size of
// the shown slot's font (blanks one step apart); once 512 characters are held, typed text
// (Backspace included) is discarded while the Delete key still works.
class TCommentEdit : public QTextEdit {
    Q_OBJECT
  public:
    explicit TCommentEdit(QWidget* parent = nullptr);

    // The size of typed text: points for characters, points + blankDelta for blanks.
    void SetTypingFont(const QString& face, int points, int blankDelta);
    [[nodiscard]] int Length() const;

  signals:
    void FocusLeft();
    void KeyUp(QKeyEvent* event);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

  private:
    QString face_;
    int points_ = 21;
    int blankDelta_ = 0;
};

}  // namespace velmar
