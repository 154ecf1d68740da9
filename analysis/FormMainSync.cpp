// The similar-slot finder's part of the main window: the once-a-second refresh check, stopping
// a running search, and setting up find, the reports and the finder when the window is built.

#include <QLineEdit>

#include "analysis/AnalysisState.h"
#include "analysis/SyncPanel.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/MainControls.h"

namespace velmar {

void TFormMain::RegisterAnalysis() {
    analysis_.reset(new AnalysisState(*this));
    for (const char* handler :
         {"MenuFindClick", "MenuFindPrevClick", "MenuFindNextClick", "MenuCompareClick",
          "mnuListClick", "mnuSortedListClick", "MenuListCommentsClick"})
        EnableCommand(QLatin1String(handler));
}

void TFormMain::TimerSyncTimer() {
    if (!doc_.FileLoaded() || !(dockSync_->width() > 1 || umlautCheck_)) return;
    TSyncPanel& sync = Analysis().Sync();
    const QString name = editSlotName_->text();
    const QString comment = memoComment_->toPlainText();
    const bool changed =
        syncedSlot_ != currentSlot_ ||
        (!sync.syncedName.isEmpty() && (sync.syncedName != name || sync.syncedComment != comment));
    if (changed) {
        // The comment being typed counts in the search.
        (void)doc_.SetSlotComment(currentSetList_, currentSlot_, EditorCommentBytes(), false);
    }
    if (changed || sync.ThresholdChanged()) sync.RestartSimilarSearch();
    syncedSlot_ = currentSlot_;
    sync.syncedName = name;
    sync.syncedComment = comment;
}

void TFormMain::StopSimilarSearch() {
    if (analysis_) Analysis().Sync().StopSimilarSearch();
}

}  // namespace velmar
