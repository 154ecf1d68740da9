#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The find dialog: the text to find and whether comments and all set lists are searched. The
// main window creates it on first use and keeps it, so text and boxes keep their last state.
// What a search uses changes only through OK (FindState, analysis/Find.h); the "all set lists"
// box counts however the dialog was closed.
namespace velmar {

class TFormSearch : public QDialog {
    Q_OBJECT
  public:
    explicit TFormSearch(QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* EditSearchStr() const { return editSearchStr_; }
    [[nodiscard]] QCheckBox* CheckSearchComment() const { return checkSearchComment_; }
    [[nodiscard]] QCheckBox* CheckSearchAllLists() const { return checkSearchAllLists_; }
    [[nodiscard]] QPushButton* ButtonOK() const { return buttonOK_; }
    [[nodiscard]] QPushButton* ButtonCancel() const { return buttonCancel_; }

    // Focus in the text with all of it selected.
    void FormShow();
    // Closes with OK.
    void ButtonOKClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* editSearchStr_ = nullptr;
    QCheckBox* checkSearchComment_ = nullptr;
    QCheckBox* checkSearchAllLists_ = nullptr;
    QPushButton* buttonOK_ = nullptr;
    QPushButton* buttonCancel_ = nullptr;
};

}  // namespace velmar
