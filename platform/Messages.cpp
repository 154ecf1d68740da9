#include "platform/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace velmar {
namespace {

// Modal over the active window and kept on top, so that a box never hides behind the
// program's own windows.
class QtMessageLayer final : public MessageLayer {
  public:
    void ShowError(const QString& message) override {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok,
                        QApplication::activeWindow());
        Prepare(box);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
    }

    bool AskOkCancel(const QString& message) override {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppCaption), message,
                        QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
        Prepare(box);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == box.button(QMessageBox::Ok);
    }

    bool AskYesNo(const QString& message) override {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppCaption), message,
                        QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        Prepare(box);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Yes"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&No"));
        box.setEscapeButton(QMessageBox::No);
        box.exec();
        return box.clickedButton() == box.button(QMessageBox::Yes);
    }

    int AskYesNoCancel(const QString& message, const QString& caption) override {
        QMessageBox box(QMessageBox::NoIcon, caption, message,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                        QApplication::activeWindow());
        Prepare(box);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        // Anything but an explicit Yes or No (Escape, closing the box) means stop.
        if (box.clickedButton() == box.button(QMessageBox::Yes)) return kAnswerYes;
        if (box.clickedButton() == box.button(QMessageBox::No)) return kAnswerNo;
        return kAnswerCancel;
    }

    void ShowInfo(const QString& message) override {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kAppCaption), message,
                        QMessageBox::Ok, QApplication::activeWindow());
        Prepare(box);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
    }

  private:
    static void Prepare(QMessageBox& box) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        box.setTextFormat(Qt::PlainText);
    }
};

QtMessageLayer& RealLayer() {
    static QtMessageLayer layer;
    return layer;
}

MessageLayer* installed = nullptr;

}  // namespace

MessageLayer& Messages() {
    return installed != nullptr ? *installed : RealLayer();
}

MessageLayer* InstallMessageLayer(MessageLayer* layer) {
    MessageLayer* previous = installed;
    installed = layer;
    return previous;
}

void ShowError(const QString& message) {
    Messages().ShowError(message);
}
bool AskOkCancel(const QString& message) {
    return Messages().AskOkCancel(message);
}
bool AskYesNo(const QString& message) {
    return Messages().AskYesNo(message);
}
int AskYesNoCancel(const QString& message, const QString& caption) {
    return Messages().AskYesNoCancel(message, caption);
}
void ShowInfo(const QString& message) {
    Messages().ShowInfo(message);
}

}  // namespace velmar
