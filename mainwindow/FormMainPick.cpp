// Pick mode: "Pick" starts collecting slots, a left press in the slot view toggles the shown
// slot, "Done (n)" finishes, "Paste (n)" pastes the picks on every click, "Reset" ends it all.
// The pick list itself is the core's; the window mirrors its state in the three buttons and
// the pick colour of the shown set list's items.

#include <QListWidgetItem>
#include <QPushButton>

#include "editing/EditTypes.h"
#include "editing/EditingViews.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/MainControls.h"

namespace velmar {

void ShowPickState(TFormMain& form) {
    const PickList& pick = form.EditingState().pick;
    QPushButton* pickButton = form.Button(QStringLiteral("ButtonPick"));
    QPushButton* paste = form.Button(QStringLiteral("ButtonPickPaste"));
    QPushButton* reset = form.Button(QStringLiteral("ButtonReset"));
    pickButton->setText(QString::fromStdString(PickList::PickButtonCaption()));
    pickButton->setVisible(pick.PickButtonVisible());
    if (pick.PasteButtonVisible())
        paste->setText(QString::fromStdString(pick.PasteButtonCaption()));
    paste->setVisible(pick.PasteButtonVisible());
    paste->setEnabled(pick.PasteButtonVisible());
    reset->setVisible(pick.ResetButtonVisible());
    reset->setEnabled(pick.ResetButtonVisible());

    // The pick colour shows only while picking.
    TListView& view = *form.ComboSlotNr();
    const bool picking = pick.PickMode();
    for (int s = 0; s < view.count(); ++s) {
        const bool picked = picking && pick.IsPicked(form.CurrentSetList(), s);
        if (view.item(s)->data(roles::kPicked).toBool() != picked)
            view.item(s)->setData(roles::kPicked, picked);
    }
    view.viewport()->update();
}

void TogglePickedSlot(TFormMain& form) {
    if (!form.PickMode() || !form.Doc().HasImage()) return;
    form.EditingState().pick.Toggle(form.CurrentSetList(), form.CurrentSlot());
    ShowPickState(form);
}

void TFormMain::ButtonPickClick() {
    if (!HasDocument()) return;
    EditingState().pick.Start();
    ShowPickState(*this);
}

void TFormMain::ButtonPickPasteClick() {
    using Action = PickList::PasteButtonAction;
    const Action action = EditingState().pick.PressPasteButton();
    ShowPickState(*this);
    if (action == Action::Paste) MenuPasteClick();
}

void TFormMain::ButtonResetPickingClick() {
    EditingState().pick.Reset();
    ShowPickState(*this);
}

}  // namespace velmar
