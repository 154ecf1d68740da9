#include "analysis/SyncThread.h"

#include <QElapsedTimer>
#include <QTimer>

namespace velmar {

namespace {

// A slice ends after this long, so events wait at most about this long while a search runs.
constexpr qint64 kSliceMs = 8;

}  // namespace

TSyncThread::TSyncThread(const Document& doc, int currentList, int currentSlot,
                         const SimilarCriteria& criteria, DoneHandler done, QObject* parent)
    : QObject(parent),
      search_(std::make_unique<SimilarSearch>(doc, currentList, currentSlot, criteria)),
      done_(std::move(done)),
      timer_(new QTimer(this)) {
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &TSyncThread::Execute);
    timer_->start();
}

TSyncThread::~TSyncThread() = default;

void TSyncThread::Terminate() {
    terminated_ = true;
    timer_->stop();
}

bool TSyncThread::ShowsSearchingPanel() const {
    return !finished_ && !terminated_ && search_->ShowsSearchingPanel();
}

void TSyncThread::Execute() {
    if (terminated_ || finished_) return;
    QElapsedTimer slice;
    slice.start();
    while (search_->Step()) {
        if (slice.elapsed() >= kSliceMs) return;  // the timer brings the next slice
    }
    timer_->stop();
    finished_ = true;
    if (done_) done_(search_->TakeHits());
}

}  // namespace velmar
