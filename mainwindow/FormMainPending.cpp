// Hooks of the commands that the editing, search, printing, pick-mode, colour-picker and
// similar-slot subsystems bring. Their menu entries and buttons exist with caption, key and
// hint, but stay disabled (TFormMain::IsPending) until the subsystem replaces the body here
// with its command and calls EnableCommand for the handler. Until then each body is empty.

#include "mainwindow/FormMain.h"

namespace velmar {

// Slot clipboard.
void TFormMain::MenuClearClick() {}
void TFormMain::MenuCutClick() {}
void TFormMain::MenuCopyClick() {}
void TFormMain::MenuInsertClick() {}
void TFormMain::MenuPasteClick() {}
void TFormMain::MenuItem2Click() {}

// Set list clipboard.
void TFormMain::MenuClearListClick() {}
void TFormMain::MenuCutListClick() {}
void TFormMain::MenuCopyListClick() {}
void TFormMain::MenuInsertListClick() {}
void TFormMain::MenuPasteListClick() {}

// Reordering and sorting.
void TFormMain::MenuSortClick() {
    ButtonSortClick();
}
void TFormMain::ButtonSortClick() {}
void TFormMain::ButtonUpClick() {}
void TFormMain::ButtonDownClick() {}

// Renaming and conversion.
void TFormMain::MenuRenameListClick() {}
void TFormMain::ComboSlotNrDblClick() {}
void TFormMain::mnuUpperClick() {}
void TFormMain::mnuLowerClick() {}
void TFormMain::MenuSoundAndNameClick() {}

// Find.
void TFormMain::MenuFindClick() {}
void TFormMain::MenuFindPrevClick() {}
void TFormMain::MenuFindNextClick() {}

// Comparison and generated lists.
void TFormMain::MenuCompareClick() {}
void TFormMain::mnuListClick() {}
void TFormMain::mnuSortedListClick() {}
void TFormMain::MenuListCommentsClick() {}

// Printing.
void TFormMain::PrintClick() {}

// Pick mode.
void TFormMain::ButtonPickClick() {}
void TFormMain::ButtonPickPasteClick() {}
void TFormMain::ButtonResetPickingClick() {}

// Colour picker: the button, and hiding the picker whenever the main window is activated.
void TFormMain::ButtonColorClick() {}
void TFormMain::FormActivate() {}

// Similar-slot finder: the once-a-second refresh check.
void TFormMain::TimerSyncTimer() {}
void TFormMain::StopSimilarSearch() {}

}  // namespace velmar
