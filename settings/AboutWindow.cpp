#include "settings/AboutWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "platform/WebAddress.h"
#include "settings/CentreOnScreen.h"
#include "settings/IniStore.h"
#include "settings/ProjectLinks.h"

namespace velmar {

namespace {

const QColor kAmber(0xFD, 0xBE, 0x02);
constexpr int kTurnIntervalMs = 20;
constexpr int kTurnLimit = 179;
constexpr int kStartDelayMs = 2500;

const char* const kStyle =
    "QDialog { background: black; }"
    "QLabel { color: #FDBE02; font-family: Verdana; font-size: 11px; font-weight: bold; }"
    "QLabel[link=\"true\"] { text-decoration: underline; }"
    "QPushButton { background: #FDBE02; color: black; font-family: Arial; font-weight: bold;"
    " font-size: 19px; border: none; min-width: 110px; min-height: 34px; }"
    "QPushButton:focus { border: 1px solid white; }"
    "QPushButton:pressed { background: #C89600; }";

// A text label that opens its web address when clicked.
class LinkLabel : public QLabel {
  public:
    LinkLabel(const QString& caption, const char* address, const char* name)
        : QLabel(caption), address_(QString::fromLatin1(address)) {
        setObjectName(QString::fromLatin1(name));
        setProperty("link", true);
        setAlignment(Qt::AlignCenter);
        setFixedHeight(20);
        setCursor(Qt::PointingHandCursor);
        setToolTip(address_);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            OpenWebAddress(address_);
        event->accept();
    }

  private:
    QString address_;
};

QLabel* CentredText(const QStringList& lines) {
    auto* label = new QLabel(lines.join(QLatin1Char('\n')));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

// ---- Logo ----------------------------------------------------------------------------------

AboutLogo::AboutLogo(QWidget* parent) : QWidget(parent), turnTimer_(new QTimer(this)) {
    setObjectName(QStringLiteral("Image"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    turnTimer_->setInterval(kTurnIntervalMs);
    connect(turnTimer_, &QTimer::timeout, this, &AboutLogo::Step);
}

void AboutLogo::StartTurning() {
    if (!turnTimer_->isActive()) turnTimer_->start();
}

bool AboutLogo::Turning() const {
    return turnTimer_->isActive();
}

void AboutLogo::Step() {
    // Swings back and forth through the upright position, never quite upside down.
    if (angle_ + direction_ > kTurnLimit || angle_ + direction_ < -kTurnLimit)
        direction_ = -direction_;
    angle_ += direction_;
    update();
}

void AboutLogo::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);

    // Drawn around the origin in a 240 x 130 box, scaled down when the widget is smaller.
    const double scale = std::min({1.0, width() / 250.0, height() / 140.0});
    painter.translate(rect().center());
    painter.rotate(angle_);
    painter.scale(scale, scale);

    // Waveform: a decaying sine over the keys.
    QPainterPath wave;
    constexpr int kSamples = 120;
    for (int i = 0; i <= kSamples; ++i) {
        const double x = -110.0 + 220.0 * i / kSamples;
        const double t = static_cast<double>(i) / kSamples;
        const double y = -38.0 - 22.0 * std::sin(t * 6.0 * M_PI) * (1.0 - 0.6 * t);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    painter.setPen(QPen(kAmber, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);

    // Keyboard: ten white keys outlined in amber, the black keys filled amber.
    constexpr double kKeyWidth = 22.0;
    constexpr double kLeft = -110.0;
    constexpr double kTop = -5.0;
    constexpr double kHeight = 62.0;
    painter.setPen(QPen(kAmber, 2.0));
    painter.drawRoundedRect(QRectF(kLeft, kTop, 10 * kKeyWidth, kHeight), 4, 4);
    for (int k = 1; k < 10; ++k)
        painter.drawLine(QPointF(kLeft + k * kKeyWidth, kTop),
                         QPointF(kLeft + k * kKeyWidth, kTop + kHeight));
    painter.setBrush(kAmber);
    painter.setPen(Qt::NoPen);
    // Black keys after white keys 0, 1, 3, 4, 5, 7, 8 (two and three, as on a keyboard).
    for (int k : {0, 1, 3, 4, 5, 7, 8})
        painter.drawRect(QRectF(kLeft + (k + 1) * kKeyWidth - 7.0, kTop, 14.0, kHeight * 0.6));
}

// ---- Window --------------------------------------------------------------------------------

TFormAbout::TFormAbout(IniStore& store, QWidget* parent)
    : QDialog(parent), store_(store), timer1_(new QTimer(this)) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(QString::fromLatin1(kStyle));
    setFixedSize(429, 573);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 12);
    layout->setSpacing(0);

    QLabel* welcome = CentredText({
        QString(),
        QStringLiteral("Welcome to VELMAR Version V1.0.4"),
        QString(),
        QStringLiteral("Shortcuts:"),
        QString(),
        QStringLiteral("Ctrl-O: File Open"),
        QStringLiteral("Ctrl-S: File Save "),
        QStringLiteral("F12: File Save As"),
        QString(),
        QStringLiteral("For more functions see context menus"),
        QString(),
        QStringLiteral("Multiple selection of Slots for sorting: Ctrl / Shift Click"),
        QStringLiteral("Double Click on Same/Similar List opens selected Slot"),
    });
    welcome->setObjectName(QStringLiteral("LabelWelcome"));
    welcome->setFixedHeight(180);
    layout->addWidget(welcome);

    logo_ = new AboutLogo;
    layout->addWidget(logo_, 1);

    QLabel* notice = CentredText({
        QString(),
        QStringLiteral("This program is not operated, sponsored or endorsed"),
        QStringLiteral("by Korg in any way!"),
        QString(),
        QStringLiteral("Links:"),
    });
    notice->setObjectName(QStringLiteral("LabelNotice"));
    layout->addWidget(notice);

    layout->addWidget(new LinkLabel(QStringLiteral("VELMAR Latest Version"), links::kLatestVersion,
                                    "LinkLatestVersion"));
    layout->addWidget(new LinkLabel(QStringLiteral("VELMAR Discussion in the User Forum"),
                                    links::kDiscussion, "LinkDiscussion"));
    layout->addWidget(new LinkLabel(QStringLiteral("Forum Thread about the Librarian"),
                                    links::kLibrarian, "LinkLibrarian"));
    layout->addWidget(
        new LinkLabel(QStringLiteral("Sound Patches"), links::kSoundPatches, "LinkSoundPatches"));

    QLabel* donation = CentredText({
        QString(),
        QStringLiteral("If you want VELMAR to get further developed, i encourage you to "),
        QStringLiteral("make a donation.This box will  no longer be displayed on startup after "),
        QStringLiteral("you pressed the Donate button (even if you didn't donate)."),
        QStringLiteral("The Donate button opens the donation page of a payment service"),
        QStringLiteral("with the recipient filled in."),
        QStringLiteral("Thank you !"),
    });
    donation->setObjectName(QStringLiteral("LabelDonation"));
    donation->setStyleSheet(QStringLiteral("font-size: 10px;"));
    layout->addWidget(donation);
    layout->addSpacing(10);

    auto* buttons = new QHBoxLayout;
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("ButtonClose"));
    auto* donate = new QPushButton(QStringLiteral("Donate"));
    donate->setObjectName(QStringLiteral("JvImgBtn1"));
    donate->setToolTip(QString::fromLatin1(links::kDonation));
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addSpacing(24);
    buttons->addWidget(donate);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &TFormAbout::CloseClick);
    connect(donate, &QPushButton::clicked, this, &TFormAbout::JvImgBtn1Click);

    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kStartDelayMs);
    connect(timer1_, &QTimer::timeout, this, &TFormAbout::Timer1Timer);
}

void TFormAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    timer1_->start();  // the logo stands still for the first 2.5 s
}

void TFormAbout::CloseClick() {
    reject();
}

void TFormAbout::JvImgBtn1Click() {
    // Stored at once: the start-up display ends for good even if the program is killed.
    store_.IniSetAndStore(QStringLiteral("DonationPressed1.0.4"), true);
    OpenWebAddress(QString::fromLatin1(links::kDonation));
    accept();
}

void TFormAbout::Timer1Timer() {
    logo_->StartTurning();
}

void TFormAbout::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        CloseClick();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

}  // namespace velmar
