#include "analysis/AnalysisState.h"

#include <QCheckBox>
#include <QLineEdit>

#include "analysis/FormSearch.h"
#include "analysis/SyncPanel.h"
#include "mainwindow/FormMain.h"
#include "platform/FileText.h"

namespace velmar {

AnalysisState::AnalysisState(TFormMain& form)
    : form_(form),
      runDialog_([](QDialog& dialog) { return dialog.exec(); }),
      sync_(std::make_unique<TSyncPanel>(form)) {}

AnalysisState::~AnalysisState() = default;

TFormSearch& AnalysisState::FormSearch() {
    if (!formSearch_) formSearch_ = std::make_unique<TFormSearch>(&form_);
    return *formSearch_;
}

bool AnalysisState::RunFindDialog() {
    TFormSearch& dialog = FormSearch();
    const bool ok = runDialog_(dialog) == QDialog::Accepted;
    find_.DialogClosed(ok, ToFileText(dialog.EditSearchStr()->text()),
                       dialog.CheckSearchComment()->isChecked(),
                       dialog.CheckSearchAllLists()->isChecked());
    return ok;
}

// The main window's part: created at the end of its construction, deleted with it.
void TFormMain::AnalysisStateDeleter::operator()(AnalysisState* state) const {
    delete state;
}

AnalysisState& TFormMain::Analysis() {
    return *analysis_;
}

}  // namespace velmar
