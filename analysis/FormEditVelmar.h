#pragma once

#include <QString>
#include <QWidget>
#include <string>

class QPlainTextEdit;
class QPushButton;

// The text viewer of the generated reports: a window on top of the others, not modal, several
// at once. The text may be edited there, but "Clipboard" copies the report as generated.
namespace velmar {

class TFormEditVelmar : public QWidget {
    Q_OBJECT
  public:
    // `report` is the generated text in file bytes with CR LF line ends. The window deletes
    // itself when closed.
    TFormEditVelmar(QWidget* owner, const std::string& report, int width);

    [[nodiscard]] QPlainTextEdit* EditFile() const { return editFile_; }
    [[nodiscard]] QPushButton* ButtonClipboard() const { return buttonClipboard_; }
    [[nodiscard]] QPushButton* ButtonSchliessen() const { return buttonSchliessen_; }
    // The report as generated, as the clipboard gets it (CR LF kept).
    [[nodiscard]] const QString& Report() const { return report_; }

    void ButtonClipboardClick();
    void ButtonSchliessenClick();

  private:
    QString report_;
    QPlainTextEdit* editFile_ = nullptr;
    QPushButton* buttonClipboard_ = nullptr;
    QPushButton* buttonSchliessen_ = nullptr;
};

// Opens a new viewer for `report` and shows it.
TFormEditVelmar* ShowReport(QWidget* owner, const std::string& report, int width);

}  // namespace velmar
