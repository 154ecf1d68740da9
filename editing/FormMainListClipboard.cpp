// The set list commands Clear, Cut, Copy, Insert and Paste of the set list view. Paste and
// Insert run the slot commands instead until Copy or Cut of a set list has filled the set list
// clipboard in this run.

#include "editing/EditingViews.h"
#include "editing/ListClipboard.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/WaitCursor.h"

namespace velmar {

namespace {

ListContext ListContextOf(const TFormMain& form) {
    const int focused = form.ComboListNr()->ItemIndex();
    return {form.CurrentSetList(), focused >= 0 ? focused : form.CurrentSetList(),
            SelectedLists(*form.ComboListNr())};
}

}  // namespace

void TFormMain::MenuClearListClick() {
    if (!Confirm(PlanClearLists(doc_).ask)) return;
    WaitCursor wait;
    ApplyListResult(*this, ClearLists(doc_, ListContextOf(*this)), true);
}

void TFormMain::MenuCutListClick() {
    const ListContext ctx = ListContextOf(*this);
    if (!Confirm(PlanCutList(doc_, ctx).ask)) return;
    ApplyListResult(*this, CutList(doc_, EditingState(), ctx));
}

void TFormMain::MenuCopyListClick() {
    ApplyListResult(*this, CopyList(doc_, EditingState(), ListContextOf(*this)));
}

void TFormMain::MenuPasteListClick() {
    const ListContext ctx = ListContextOf(*this);
    const ListPlan plan = PlanPasteList(doc_, EditingState(), ctx);
    if (plan.runSlotCommand) {
        MenuPasteClick();
        return;
    }
    if (!Confirm(plan.ask)) return;
    const ListCommandResult result = PasteList(doc_, EditingState(), ctx);
    ApplyListResult(*this, result);
    if (result.pickReset) ShowPickState(*this);
}

void TFormMain::MenuInsertListClick() {
    const ListContext ctx = ListContextOf(*this);
    const ListPlan plan = PlanInsertList(doc_, EditingState(), ctx);
    if (plan.runSlotCommand) {
        MenuInsertClick();
        return;
    }
    if (!Confirm(plan.ask)) return;
    const ListCommandResult result = InsertList(doc_, EditingState(), ctx);
    ApplyListResult(*this, result);
    if (result.pickReset) ShowPickState(*this);
}

}  // namespace velmar
