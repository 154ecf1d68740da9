// The "Color" button and the colour picker's choice. A colour is no edit of the set list's
// content: choosing one never sets the modified flag, though the next save writes it.

#include <QPushButton>

#include "document/Document.h"
#include "editing/EditingViews.h"
#include "mainwindow/FormColor.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"

namespace velmar {

void TFormMain::ButtonColorClick() {
    TFormColor* picker = FormColor();
    if (picker == nullptr) return;
    if (picker->isVisible())
        picker->hide();
    else
        picker->show();
}

void TFormMain::FormActivate() {
    if (TFormColor* picker = FormColor()) picker->hide();
}

void ChooseSlotColor(TFormMain& form, int tag) {
    if (form.Doc().HasImage()) {
        const SlotSelection selected = SelectedSlots(*form.ComboSlotNr());
        // Each write notifies the window, which repaints that slot's marker at once.
        for (int s = 0; s < kSlotCount; ++s)
            if (selected.test(static_cast<std::size_t>(s)))
                form.Doc().SetSlotColor(form.CurrentSetList(), s, tag);
    }
}

}  // namespace velmar
