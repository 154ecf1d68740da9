#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "analysis/Find.h"

// What the main window keeps for find, the reports and the similar-slot finder: the find
// dialog (created on first use, kept for the run) with the last confirmed search, and the
// similar-slot panel.
namespace velmar {

class TFormMain;
class TFormSearch;
class TSyncPanel;

class AnalysisState {
  public:
    // Runs a modal dialog and gives its result; tests replace it so that nothing blocks.
    using DialogRunner = std::function<int(QDialog&)>;

    explicit AnalysisState(TFormMain& form);
    ~AnalysisState();
    AnalysisState(const AnalysisState&) = delete;
    AnalysisState& operator=(const AnalysisState&) = delete;

    // The find dialog, created on first use.
    [[nodiscard]] TFormSearch& FormSearch();
    [[nodiscard]] bool HasFormSearch() const { return formSearch_ != nullptr; }
    [[nodiscard]] FindState& Find() { return find_; }
    // Shows the find dialog modally and takes its state; true when it was closed with OK.
    bool RunFindDialog();
    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    [[nodiscard]] TSyncPanel& Sync() { return *sync_; }

  private:
    TFormMain& form_;
    std::unique_ptr<TFormSearch> formSearch_;
    FindState find_;
    DialogRunner runDialog_;
    std::unique_ptr<TSyncPanel> sync_;
};

}  // namespace velmar
