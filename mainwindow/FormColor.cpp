#include "mainwindow/FormColor.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <functional>

#include "document/Document.h"

namespace velmar {

// One colour field: the colour's name in white on the colour.
class TColorField : public QLabel {
  public:
    TColorField(int tag, QWidget* parent) : QLabel(parent), tag_(tag) {}
    [[nodiscard]] int Tag() const { return tag_; }
    std::function<void(int)> clicked;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            clicked)
            clicked(tag_);
    }

  private:
    int tag_;
};

TFormColor::TFormColor(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(QStringLiteral("FormColor"));
    setWindowTitle(QStringLiteral("Click on Color"));
    setFixedSize(kClientWidth, kClientHeight);
    // The main window keeps the focus while the picker is open: its selection can still change.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    for (int tag = 0; tag < 16; ++tag) {
        auto* field = new TColorField(tag, this);
        field->setObjectName(QStringLiteral("Panel%1").arg(tag + 1, 2, 10, QLatin1Char('0')));
        field->setGeometry(4 + 100 * (tag % 4), 4 + 40 * (tag / 4), kFieldWidth, kFieldHeight);
        field->setAlignment(Qt::AlignCenter);
        const QColor color = QColor::fromRgb(kSlotColors[static_cast<std::size_t>(tag)].rgb);
        field->setText(QString::fromLatin1(kSlotColors[static_cast<std::size_t>(tag)].name));
        field->setStyleSheet(
            QStringLiteral("QLabel { background: %1; color: white; font-family: Verdana; "
                           "font-weight: bold; font-size: 11px; }")
                .arg(color.name()));
        field->setCursor(Qt::PointingHandCursor);
        field->clicked = [this](int t) { Panel03Click(t); };
        fields_[static_cast<std::size_t>(tag)] = field;
    }
    color1_ = new QLabel(this);
    color1_->setObjectName(QStringLiteral("Color1"));
    color2_ = new QLabel(this);
    color2_->setObjectName(QStringLiteral("Color2"));
    for (QLabel* picture : {color1_, color2_}) picture->setGeometry(-20, -20, 12, 12);
}

QWidget* TFormColor::Field(int tag) const {
    return tag >= 0 && tag < 16 ? fields_[static_cast<std::size_t>(tag)] : nullptr;
}

QPoint TFormColor::Placement(QPoint windowOrigin, QPoint buttonTopLeft, int buttonHeight,
                             QSize windowSize, QRect screen) {
    int top = windowOrigin.y() + buttonTopLeft.y() + buttonHeight + 22;
    int left = windowOrigin.x() + buttonTopLeft.x();
    const int bottomEdge = screen.y() + screen.height();
    const int rightEdge = screen.x() + screen.width();
    if (top + windowSize.height() > bottomEdge) top = bottomEdge - windowSize.height();
    if (left + windowSize.width() > rightEdge) left = rightEdge - windowSize.width();
    return {left, top};
}

void TFormColor::FormShow() {
    if (anchor_ == nullptr) return;
    QWidget* owner = anchor_->window();
    const QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    move(Placement(owner->frameGeometry().topLeft(), anchor_->pos(), anchor_->height(),
                   frameGeometry().size(), screen->geometry()));
}

void TFormColor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TFormColor::Panel03Click(int tag) {
    emit ColorChosen(tag);
}

}  // namespace velmar
