#include "analysis/FormSearch.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/DialogStyle.h"
#include "settings/CentreOnScreen.h"

namespace velmar {

namespace {

const char* const kStyle =
    "QLineEdit { background: #FDBE02; color: black; border: 1px solid #5a4400;"
    " font-family: Arial; font-weight: bold; font-size: 16px; padding: 2px; }"
    "QPushButton { background: #FDBE02; color: black; font-family: Arial; font-weight: bold;"
    " font-size: 16px; border: none; min-width: 90px; min-height: 28px; }";

}  // namespace

TFormSearch::TFormSearch(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSearch"));
    setWindowTitle(QStringLiteral("VELMAR"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(QString::fromLatin1(kAmberDialogStyle) + QString::fromLatin1(kStyle));
    setFixedWidth(360);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(6);
    auto* label = new QLabel(QStringLiteral("&Search for:"), this);
    editSearchStr_ = new QLineEdit(this);
    editSearchStr_->setObjectName(QStringLiteral("EditSearchStr"));
    label->setBuddy(editSearchStr_);
    checkSearchComment_ = new QCheckBox(QStringLiteral("Search &Comment too"), this);
    checkSearchComment_->setObjectName(QStringLiteral("CheckSearchComment"));
    checkSearchAllLists_ = new QCheckBox(QStringLiteral("Search &all Set Lists"), this);
    checkSearchAllLists_->setObjectName(QStringLiteral("CheckSearchAllLists"));
    layout->addWidget(label);
    layout->addWidget(editSearchStr_);
    layout->addWidget(checkSearchComment_);
    layout->addWidget(checkSearchAllLists_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttonOK_ = new QPushButton(QStringLiteral("OK"), this);
    buttonOK_->setObjectName(QStringLiteral("ButtonOK"));
    buttonOK_->setDefault(true);
    buttonCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    buttonCancel_->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addWidget(buttonOK_);
    buttons->addWidget(buttonCancel_);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    // Escape and the close box reject the dialog like Cancel does.
    connect(buttonOK_, &QPushButton::clicked, this, &TFormSearch::ButtonOKClick);
    connect(buttonCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSearch::FormShow() {
    editSearchStr_->setFocus(Qt::OtherFocusReason);
    editSearchStr_->selectAll();
}

void TFormSearch::ButtonOKClick() {
    accept();
}

void TFormSearch::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    adjustSize();
    CentreOnScreen(*this);
    FormShow();
}

}  // namespace velmar
