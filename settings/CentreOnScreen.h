#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace velmar {

// Centres a window on the screen that shows its parent (or the primary screen), not on the
// parent itself: the options dialog and the about window open in the middle of the screen.
inline void CentreOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace velmar
