#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "analysis/SimilarSlots.h"

class QLabel;
class QTableView;

// The similar-slot finder in the main window's right-hand panel (DockSync): the grid of hits
// with a name, a comment and a sound mark each and the hit's label, the "Searching..." strip,
// and the five criteria boxes. A click on a mark copies that field of the shown slot to the
// hit; a double click on a label shows the hit.
namespace velmar {

class TFormMain;
class TSyncGridModel;
class TSyncThread;

class TSyncPanel : public QObject {
    Q_OBJECT
  public:
    // Model role of the mark columns: the picture's name ("NameYellow"), empty on a blank row.
    static constexpr int kMarkNameRole = Qt::UserRole + 1;

    // Puts the grid and the strip into the panel's grid area and wires the criteria boxes,
    // which the window has already built.
    explicit TSyncPanel(TFormMain& form);
    ~TSyncPanel() override;

    [[nodiscard]] QTableView* GridSync() const { return gridSync_; }
    [[nodiscard]] QLabel* PanelSearching() const { return panelSearching_; }
    // The hits the grid shows, in its row order.
    [[nodiscard]] const std::vector<SimilarHit>& Hits() const;

    // The criteria as the boxes and the options dialog's threshold say now.
    [[nodiscard]] SimilarCriteria Criteria() const;
    // A click on any of the five boxes: search again (nothing without a loaded file).
    void CheckSameNameClick();
    // Asks the running request (if any) to terminate and starts a new one for the shown slot.
    void RestartSimilarSearch();
    // Asks the running request to terminate; the grid keeps what it shows.
    void StopSimilarSearch();
    // The newest request, while it has not finished or been stopped; else null.
    [[nodiscard]] TSyncThread* SyncThread() const;
    // Whether the threshold changed since the last search while similar comments count.
    [[nodiscard]] bool ThresholdChanged() const;

    // A click on a mark: copies the shown slot's name (column 0), comment (1) or sound (2) to
    // the hit of that row; the mark turns green. The copies leave FileModified as it is.
    void GridSyncButtonClick(int column, int row);
    // A double click on a hit's label (column 3) shows that slot.
    void GridSyncDblClickCell(int row, int column);

    // The refresh check's memory: the name and comment texts at the last check.
    QString syncedName;
    QString syncedComment;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SearchDone(std::vector<SimilarHit> hits);
    void FillGrid(std::vector<SimilarHit> hits);
    void WidenForLabel(const std::string& label);
    // Marks 24 px wide; the label column as wide as the visible panel, at least the widest label.
    void FitColumns();

    TFormMain& form_;
    QTableView* gridSync_ = nullptr;
    QLabel* panelSearching_ = nullptr;
    TSyncGridModel* model_ = nullptr;
    QPointer<TSyncThread> syncThread_;
    int searchedThreshold_ = -1;
    int widestLabel_ = 0;  // pixels, the widest line of the grid's labels
};

}  // namespace velmar
