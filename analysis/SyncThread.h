#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "analysis/SimilarSlots.h"

class QTimer;

// One request of the similar-slot finder. The search runs on the user-interface thread (it
// reads the document, which only that thread touches) in short slices between window events,
// so the window stays usable while it runs. A newer request asks the older one to terminate:
// a terminated request compares nothing more and never reports, so only the newest request's
// hits reach the grid.
namespace velmar {

class Document;

class TSyncThread : public QObject {
    Q_OBJECT
  public:
    using DoneHandler = std::function<void(std::vector<SimilarHit> hits)>;

    // Starts at once: the first slice runs when the window next processes its events.
    TSyncThread(const Document& doc, int currentList, int currentSlot,
                const SimilarCriteria& criteria, DoneHandler done, QObject* parent = nullptr);
    ~TSyncThread() override;

    // Asks the request to stop before its next slot; it will not report.
    void Terminate();
    [[nodiscard]] bool Terminated() const { return terminated_; }
    [[nodiscard]] bool Finished() const { return finished_; }
    // The "Searching..." strip: while a search with similar comments runs.
    [[nodiscard]] bool ShowsSearchingPanel() const;

  private:
    // One slice of the search; reports the hits once it is done.
    void Execute();

    std::unique_ptr<SimilarSearch> search_;
    DoneHandler done_;
    QTimer* timer_ = nullptr;
    bool terminated_ = false;
    bool finished_ = false;
};

}  // namespace velmar
