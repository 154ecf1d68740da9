#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <array>

class QLabel;

// The slot colour picker: a small tool window with sixteen named colour fields, one per entry
// of the slot colour table. It is created once, hidden, and only shown and hidden afterwards;
// a click on a field reports the field's colour index.
namespace velmar {

class TColorField;

class TFormColor : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 403;
    static constexpr int kClientHeight = 167;
    static constexpr int kFieldWidth = 95;
    static constexpr int kFieldHeight = 37;

    // `owner` is the main window; the picker stays a window of its own.
    explicit TFormColor(QWidget* owner);

    // The field with tag i (Panel01 .. Panel16 for i = 0 .. 15).
    [[nodiscard]] QWidget* Field(int tag) const;
    // Where the picker opens: below the "Color" button, kept on the screen. `buttonTopLeft` is
    // the button's position inside the button bar, taken as a screen position relative to the
    // main window's corner `windowOrigin`.
    [[nodiscard]] static QPoint Placement(QPoint windowOrigin, QPoint buttonTopLeft,
                                          int buttonHeight, QSize windowSize, QRect screen);
    // The button it opens below; set once by the main window.
    void SetAnchor(QWidget* button) { anchor_ = button; }

  signals:
    void ColorChosen(int tag);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Panel03Click(int tag);  // the click handler shared by all sixteen fields
    void FormShow();

    std::array<TColorField*, 16> fields_{};
    QLabel* color1_ = nullptr;  // 12 x 12 pictures kept outside the visible area
    QLabel* color2_ = nullptr;  // the marker picture of the slot items
    QWidget* anchor_ = nullptr;
};

}  // namespace velmar
