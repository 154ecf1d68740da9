// Program entry: the application titled "VELMAR", the main window with its creation steps
// (given the command-line arguments), then the message loop until the main window closes.

#include <QApplication>
#include <QStringList>

#include "mainwindow/FormMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No display name: on X11 Qt would append it to every title ("VELMAR - file — VELMAR").
    QApplication::setApplicationName(QStringLiteral("VELMAR"));

    velmar::TFormMain formMain;
    formMain.FormCreate(QApplication::arguments().mid(1));
    formMain.show();
    return QApplication::exec();
}
