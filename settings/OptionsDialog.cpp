#include "settings/OptionsDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QVBoxLayout>

#include "platform/DialogStyle.h"
#include "settings/CentreOnScreen.h"
#include "settings/IniStore.h"

namespace velmar {

namespace {

constexpr int kMinPercent = 50;
constexpr int kMaxPercent = 90;
const QColor kAmber(0xFD, 0xBE, 0x02);

// Buttons in Arial on amber, larger than the find dialog's.
const char* const kStyle =
    "QPushButton { background: #FDBE02; color: black; font-family: Arial; font-weight: bold;"
    " font-size: 19px; border: none; min-width: 90px; min-height: 30px; }";

// The threshold track bar with its tick marks in amber (the style would draw them in the
// dark outline colour, invisible on black).
class AmberTrackBar : public QSlider {
  public:
    AmberTrackBar() : QSlider(Qt::Horizontal) { setMinimumHeight(30); }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QSlider::paintEvent(event);
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect groove =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        const int span = groove.width() - handle.width();
        QPainter painter(this);
        painter.setPen(kAmber);
        for (int value = minimum(); value <= maximum(); value += tickInterval()) {
            const int x = groove.left() + handle.width() / 2 +
                          QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
            painter.drawLine(x, height() - 6, x, height() - 2);
        }
    }
};

QCheckBox* AddCheck(QVBoxLayout* layout, const char* name, const QString& caption,
                    const QString& hint) {
    auto* check = new QCheckBox(caption);
    check->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) check->setToolTip(hint);
    layout->addWidget(check);
    return check;
}

}  // namespace

TFormOptions::TFormOptions(IniStore& store, QWidget* parent) : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setStyleSheet(QString::fromLatin1(kAmberDialogStyle) + QString::fromLatin1(kStyle));
    setFixedSize(338, 180);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    layout->setSpacing(4);
    checkAutoOpen_ = AddCheck(layout, "CheckAutoOpen", QStringLiteral("Autoload last File"),
                              QStringLiteral("Load last opened file at startup"));
    checkAutoSave_ =
        AddCheck(layout, "CheckAutoSave", QStringLiteral("Autosave "),
                 QStringLiteral("Save current file every 3 Minutes in %TEMP% directory"));
    checkDeleteDragSource_ =
        AddCheck(layout, "CheckDeleteDragSource",
                 QStringLiteral("Clear Source Slot after Dragging to other List"), {});

    layout->addSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral("Min. % Value for Comment Similarity")));
    auto* trackRow = new QHBoxLayout;
    trackRow->addWidget(new QLabel(QStringLiteral("50")));
    trackSimilarPercentage_ = new AmberTrackBar;
    trackSimilarPercentage_->setObjectName(QStringLiteral("TrackSimilarPercentage"));
    trackSimilarPercentage_->setRange(kMinPercent, kMaxPercent);
    trackSimilarPercentage_->setSingleStep(1);
    trackSimilarPercentage_->setPageStep(5);
    trackSimilarPercentage_->setTickPosition(QSlider::TicksBelow);
    trackSimilarPercentage_->setTickInterval(5);
    QPalette amber = trackSimilarPercentage_->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::Button, QPalette::WindowText,
                                     QPalette::Text, QPalette::Mid, QPalette::Dark})
        amber.setColor(role, kAmber);
    amber.setColor(QPalette::Window, Qt::black);
    trackSimilarPercentage_->setPalette(amber);
    trackRow->addWidget(trackSimilarPercentage_, 1);
    trackRow->addWidget(new QLabel(QStringLiteral("90")));
    layout->addLayout(trackRow);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addSpacing(12);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TFormOptions::ButtonOKClick);
    // Escape, the close box and Cancel all reject: nothing is stored.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // FormCreate: the threshold comes from the value in memory.
    trackSimilarPercentage_->setValue(
        store_.IniGetInt(QStringLiteral("SimilarPercentage"), kMinPercent));
}

void TFormOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    store_.IniShowForm(objectName());
}

void TFormOptions::ButtonOKClick() {
    store_.IniStoreForm(objectName());
    store_.IniSetAndStore(QStringLiteral("SimilarPercentage"), trackSimilarPercentage_->value());
    emit SimilarThresholdChanged(
        store_.IniGetInt(QStringLiteral("SimilarPercentage"), trackSimilarPercentage_->value()));
    accept();
}

}  // namespace velmar
