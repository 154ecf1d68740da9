#pragma once

#include <QDialog>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// The about window "FormAbout": version, shortcuts, the turning logo, the project's links and
// the donation request. Shown modally from the "About" button and, at start-up, while
// "DonationPressed1.0.4" is false:
//     TFormAbout about(store, parentOrNull);
//     about.exec();
// "Donate" sets "DonationPressed1.0.4" through the store at once, opens the donation page
// (OpenWebAddress) and closes; "Close" or a click on the free area just closes.
namespace velmar {

class IniStore;

// The program's logo, drawn by QPainter: an amber keyboard under a waveform on black. Once
// turning is switched on it swings one degree every 20 ms between +179 and -179 degrees.
class AboutLogo : public QWidget {
    Q_OBJECT
  public:
    explicit AboutLogo(QWidget* parent = nullptr);

    void StartTurning();
    [[nodiscard]] bool Turning() const;
    [[nodiscard]] int Angle() const { return angle_; }
    // One 20 ms step of the swing (public so that tests step it without waiting).
    void Step();

    [[nodiscard]] QSize sizeHint() const override { return {260, 150}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QTimer* turnTimer_ = nullptr;
    int angle_ = 0;
    int direction_ = 1;
};

class TFormAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TFormAbout(IniStore& store, QWidget* parent = nullptr);

    [[nodiscard]] AboutLogo* Logo() const { return logo_; }
    // Timer1: 2500 ms, switches the logo's turning on at its first tick.
    [[nodiscard]] QTimer* Timer1() const { return timer1_; }

  public slots:
    void CloseClick();
    void JvImgBtn1Click();  // "Donate"
    void Timer1Timer();

  protected:
    void showEvent(QShowEvent* event) override;         // centres, starts Timer1
    void mousePressEvent(QMouseEvent* event) override;  // a click on the free area closes

  private:
    IniStore& store_;
    AboutLogo* logo_ = nullptr;
    QTimer* timer1_ = nullptr;
};

}  // namespace velmar
