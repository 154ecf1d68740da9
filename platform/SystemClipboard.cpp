#include "platform/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velmar {
namespace {

class QtClipboard final : public ClipboardText {
  public:
    QString Text() const override { return QGuiApplication::clipboard()->text(); }
    void SetText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
};

ClipboardText* installed = nullptr;

}  // namespace

ClipboardText& SystemClipboard() {
    static QtClipboard system;
    return installed != nullptr ? *installed : system;
}

ClipboardText* InstallClipboard(ClipboardText* clipboard) {
    ClipboardText* previous = installed;
    installed = clipboard;
    return previous;
}

}  // namespace velmar
