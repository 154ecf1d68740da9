#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace velmar {

// The override cursor is a stack, so nested wait cursors restore each other correctly.
WaitCursor::WaitCursor() : active_(true) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    Release();
}

void WaitCursor::Release() {
    if (!active_) return;
    active_ = false;
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace velmar
