// The set list view's reports: the comparison of two set lists and the three generated lists
// of the set list shown, each in a new text viewer.

#include <array>

#include "analysis/Compare.h"
#include "analysis/FormEditVelmar.h"
#include "analysis/Reports.h"
#include "analysis/SoundCollation.h"
#include "document/Document.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"

namespace velmar {

void TFormMain::MenuCompareClick() {
    if (!HasDocument()) return;
    std::array<bool, kSetListCount> selected{};
    for (int a = 0; a < kSetListCount; ++a)
        selected[static_cast<std::size_t>(a)] = comboListNr_->IsSelected(a);
    const std::optional<ComparePair> pair = CompareSelection(selected);
    if (!pair) {
        ShowError(QString::fromLatin1(kCompareNeedsTwoLists));
        return;
    }
    std::optional<std::string> report;
    {
        WaitCursor wait;
        report = CompareSetLists(doc_, pair->a, pair->b);
    }
    if (!report) {
        ShowInfo(QString::fromLatin1(kNoDifferencesFound));
        return;
    }
    ShowReport(this, *report, kViewerCompareWidth);
}

void TFormMain::mnuListClick() {
    if (!HasDocument()) return;
    ShowReport(this, ListBySlotNumber(doc_, currentSetList_), kViewerDefaultWidth);
}

void TFormMain::mnuSortedListClick() {
    if (!HasDocument()) return;
    ShowReport(this, ListBySound(doc_, currentSetList_, LocaleKeyLess()), kViewerDefaultWidth);
}

void TFormMain::MenuListCommentsClick() {
    if (!HasDocument()) return;
    ShowReport(this, ListWithComments(doc_, currentSetList_), kViewerCommentsWidth);
}

}  // namespace velmar
