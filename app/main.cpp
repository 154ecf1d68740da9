// Program entry: the application titled "VELMAR", the main window with its creation steps
// (given the command-line arguments), then the message loop until the main window closes.

#include <QApplication>
#include <QStringList>

#include "mainwindow/FormMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELMAR"));
    QApplication::setApplicationDisplayName(QStringLiteral("VELMAR"));

    velmar::TFormMain formMain;
    formMain.FormCreate(QApplication::arguments().mid(1));
    formMain.show();
    return QApplication::exec();
}
