#include "mainwindow/MainControls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextCursor>

#include "mainwindow/CommentFormatter.h"

namespace velmar {

TListView::TListView(QWidget* parent) : QListWidget(parent) {}

QString TListView::NameOf(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text().mid(4) : QString();
}

bool TListView::IsSelected(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->isSelected();
}

void TListView::SetSelected(int row, bool selected) {
    if (QListWidgetItem* it = item(row)) it->setSelected(selected);
}

void TListView::SetItemIndex(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

void TListView::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    emit MouseDown(event->button(), event->modifiers());
}

void TListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}

void TListView::keyReleaseEvent(QKeyEvent* event) {
    QListWidget::keyReleaseEvent(event);
    if (!event->isAutoRepeat()) emit KeyUp(event->key(), event->modifiers());
}

void TListView::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    emit FocusEntered();
}

void TListView::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    emit FocusLeft();
}

TCommentEdit::TCommentEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
}

void TCommentEdit::SetTypingFont(const QString& face, int points, int blankDelta) {
    face_ = face;
    points_ = points;
    blankDelta_ = blankDelta;
}

int TCommentEdit::Length() const {
    // Counted as stored: a line break takes CR and LF.
    const QString text = toPlainText();
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

void TCommentEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool textKey = !typed.isEmpty() && (typed.at(0).isPrint() || typed.at(0) == '\b' ||
                                              typed.at(0) == '\t' || typed.at(0) == '\r');
    if (textKey && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        event->key() != Qt::Key_Delete) {
        // Typed text (Backspace too) is refused once the comment is full.
        if (!AcceptsTypedCharacter(Length())) {
            event->accept();
            return;
        }
        const CommentFont font{face_, points_, blankDelta_, 0};
        if (const auto size = TypingPointSize(typed.at(0), textCursor().hasSelection(), font)) {
            QTextCharFormat format = currentCharFormat();
            format.setFontPointSize(*size);
            setCurrentCharFormat(format);
        }
    }
    QTextEdit::keyPressEvent(event);
}

void TCommentEdit::keyReleaseEvent(QKeyEvent* event) {
    QTextEdit::keyReleaseEvent(event);
    emit KeyUp(event);
}

void TCommentEdit::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    emit FocusLeft();
}

void TCommentEdit::insertFromMimeData(const QMimeData* source) {
    // A paste never lets the comment grow beyond what the slot can hold.
    if (!source || !source->hasText()) return;
    const int selected = static_cast<int>(textCursor().selectedText().size());
    const int room = kCommentMaxChars - Length() + selected;
    if (room <= 0) return;
    QString text = source->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    textCursor().insertText(text.left(room));
}

}  // namespace velmar
