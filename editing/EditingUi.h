#pragma once

#include <QObject>
#include <QPointer>

#include "editing/EditTypes.h"

class QEvent;

// What the main window keeps for the editing commands, pick mode and the colour picker: the
// clipboard kind and the pick list (the core's EditState), the colour picker window, and the
// watcher that closes the picker when the user clicks into the main window.
namespace velmar {

class TFormColor;
class TFormMain;

class EditingUi : public QObject {
    Q_OBJECT
  public:
    explicit EditingUi(TFormMain& form);
    ~EditingUi() override;

    EditState state;
    // A child window of the main window, so it lives exactly as long as the window.
    QPointer<TFormColor> formColor;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TFormMain& form_;
};

}  // namespace velmar
