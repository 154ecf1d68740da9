#include "analysis/FormEditVelmar.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/Reports.h"
#include "platform/FileText.h"
#include "platform/SystemClipboard.h"
#include "settings/CentreOnScreen.h"

namespace velmar {

namespace {

const char* const kStyle =
    "QWidget#FormEditVelmar { background: black; }"
    "QPlainTextEdit { background: black; color: silver; font-family: 'Courier New';"
    " font-size: 10pt; border: 1px solid #3a3a3a; }"
    "QScrollBar:vertical { background: #101010; width: 14px; margin: 0; }"
    "QScrollBar:horizontal { background: #101010; height: 14px; margin: 0; }"
    "QScrollBar::handle { background: #4a4a4a; border: 1px solid #202020; }"
    "QScrollBar::handle:vertical { min-height: 24px; }"
    "QScrollBar::handle:horizontal { min-width: 24px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"
    "QPushButton { background: #FDBE02; color: black; font-family: Arial; font-weight: bold;"
    " font-size: 14px; border: none; min-width: 90px; min-height: 26px; }"
    "QPushButton:focus { border: 1px solid white; }"
    "QPushButton:pressed { background: #C89600; }";

}  // namespace

TFormEditVelmar::TFormEditVelmar(QWidget* owner, const std::string& report, int width)
    : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint), report_(FromFileText(report)) {
    setObjectName(QStringLiteral("FormEditVelmar"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QString::fromLatin1(kStyle));
    // The title bar stays empty; a blank keeps platforms from putting the program name there.
    setWindowTitle(QStringLiteral(" "));
    resize(width, kViewerHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    editFile_ = new QPlainTextEdit(this);
    editFile_->setObjectName(QStringLiteral("EditFile"));
    editFile_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editFile_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editFile_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editFile_->setTabChangesFocus(false);
    QString shown = report_;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    editFile_->setPlainText(shown);
    layout->addWidget(editFile_, 1);

    auto* buttons = new QHBoxLayout;
    buttonClipboard_ = new QPushButton(QStringLiteral("Clipboard"), this);
    buttonClipboard_->setObjectName(QStringLiteral("ButtonClipboard"));
    buttonSchliessen_ = new QPushButton(QStringLiteral("&Close"), this);
    buttonSchliessen_->setObjectName(QStringLiteral("ButtonSchliessen"));
    buttons->addWidget(buttonClipboard_);
    buttons->addStretch(1);
    buttons->addWidget(buttonSchliessen_);
    layout->addLayout(buttons);

    connect(buttonClipboard_, &QPushButton::clicked, this, &TFormEditVelmar::ButtonClipboardClick);
    connect(buttonSchliessen_, &QPushButton::clicked, this,
            &TFormEditVelmar::ButtonSchliessenClick);
}

void TFormEditVelmar::ButtonClipboardClick() {
    SystemClipboard().SetText(report_);
}

void TFormEditVelmar::ButtonSchliessenClick() {
    close();
}

TFormEditVelmar* ShowReport(QWidget* owner, const std::string& report, int width) {
    auto* viewer = new TFormEditVelmar(owner, report, width);
    CentreOnScreen(*viewer);
    viewer->show();
    return viewer;
}

}  // namespace velmar
