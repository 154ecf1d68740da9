#include "analysis/SyncPanel.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QListWidgetItem>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <algorithm>

#include "analysis/MarkPictures.h"
#include "analysis/SyncThread.h"
#include "document/Document.h"
#include "mainwindow/FormMain.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/MainControls.h"
#include "platform/FileText.h"

namespace velmar {

namespace {

constexpr int kRowHeight = 30;
constexpr int kButtonSize = 23;
constexpr int kMarkColumnWidth = 24;
constexpr int kMinLabelWidth = 60;
constexpr int kLabelMargin = 8;
constexpr int kLabelColumn = 3;

const char* const kCriteriaBoxes[] = {"CheckSameName", "CheckSimilarName", "CheckSameComment",
                                      "CheckSimilarComment", "CheckSameSound"};

const char* const kGridStyle =
    "QTableView#GridSync { background: black; color: silver; border: none;"
    " font-family: Verdana; font-weight: bold; font-size: 8pt;"
    " selection-background-color: #FDBE02; selection-color: black; }"
    "QLabel#PanelSearching { background: rgb(122, 122, 122); color: black;"
    " font-family: Verdana; font-size: 7pt; }";

QString LabelText(const std::string& label) {
    QString text = FromFileText(label);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

}  // namespace

// The grid's rows: one per hit, or one blank row when there is none.
class TSyncGridModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : std::max<int>(1, static_cast<int>(hits_.size()));
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 4; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
        const SimilarHit* hit = Hit(index.row());
        if (hit == nullptr) return {};
        const int column = index.column();
        if (column == kLabelColumn) {
            return role == Qt::DisplayRole ? QVariant(LabelText(hit->label)) : QVariant();
        }
        const Mark mark = MarkOf(*hit, column);
        if (role == Qt::DecorationRole) return MarkPicture(mark);
        if (role == TSyncPanel::kMarkNameRole) return QString::fromLatin1(MarkName(mark));
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void Reset(std::vector<SimilarHit> hits) {
        beginResetModel();
        hits_ = std::move(hits);
        endResetModel();
    }
    [[nodiscard]] const std::vector<SimilarHit>& Hits() const { return hits_; }
    [[nodiscard]] SimilarHit* Hit(int row) {
        return row >= 0 && row < static_cast<int>(hits_.size())
                   ? &hits_[static_cast<std::size_t>(row)]
                   : nullptr;
    }
    [[nodiscard]] const SimilarHit* Hit(int row) const {
        return const_cast<TSyncGridModel*>(this)->Hit(row);
    }
    void RowChanged(int row) { emit dataChanged(index(row, 0), index(row, kLabelColumn)); }

  private:
    static Mark MarkOf(const SimilarHit& hit, int column) {
        if (column == 0) return NameMark(hit.nameState);
        if (column == 1) return CommentMark(hit.commentState);
        return SoundMark(hit.soundState);
    }

    std::vector<SimilarHit> hits_;
};

namespace {

// Paints the marks as picture buttons of 23 x 23 px on the row's background.
class MarkButtonDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.column() == kLabelColumn) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, selected ? QColor(253, 190, 2) : QColor(Qt::black));
        const QPixmap picture = index.data(Qt::DecorationRole).value<QPixmap>();
        if (picture.isNull()) return;
        QRect button(0, 0, kButtonSize, kButtonSize);
        button.moveCenter(option.rect.center());
        painter->save();
        painter->fillRect(button, QColor(48, 48, 48));
        painter->setPen(QColor(110, 110, 110));
        painter->drawLine(button.topLeft(), button.topRight());
        painter->drawLine(button.topLeft(), button.bottomLeft());
        painter->setPen(QColor(12, 12, 12));
        painter->drawLine(button.bottomLeft(), button.bottomRight());
        painter->drawLine(button.topRight(), button.bottomRight());
        QRect target(QPoint(0, 0), picture.size());
        target.moveCenter(button.center());
        painter->drawPixmap(target, picture);
        painter->restore();
    }
};

}  // namespace

TSyncPanel::TSyncPanel(TFormMain& form) : form_(form) {
    QWidget* dock = form.DockSync();
    QWidget* area = dock->findChild<QWidget*>(QStringLiteral("GridArea"));
    if (area == nullptr) area = dock;

    model_ = new TSyncGridModel(area);
    gridSync_ = new QTableView(area);
    gridSync_->setObjectName(QStringLiteral("GridSync"));
    gridSync_->setStyleSheet(QString::fromLatin1(kGridStyle));
    gridSync_->setModel(model_);
    gridSync_->setItemDelegate(new MarkButtonDelegate(gridSync_));
    gridSync_->horizontalHeader()->hide();
    gridSync_->horizontalHeader()->setMinimumSectionSize(kMarkColumnWidth);
    gridSync_->verticalHeader()->hide();
    gridSync_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gridSync_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    gridSync_->setShowGrid(false);
    gridSync_->setWordWrap(true);
    gridSync_->setTextElideMode(Qt::ElideNone);
    gridSync_->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridSync_->setSelectionMode(QAbstractItemView::SingleSelection);
    gridSync_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridSync_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    gridSync_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    gridSync_->viewport()->installEventFilter(this);
    gridSync_->setToolTip(QStringLiteral("Double Click To Open Slot"));

    panelSearching_ = new QLabel(QStringLiteral("Searching..."), area);
    panelSearching_->setObjectName(QStringLiteral("PanelSearching"));
    panelSearching_->setStyleSheet(QString::fromLatin1(kGridStyle));
    panelSearching_->setFixedHeight(10);
    panelSearching_->setAlignment(Qt::AlignCenter);
    panelSearching_->hide();
    if (QLayout* layout = area->layout()) {
        layout->addWidget(gridSync_);
        layout->addWidget(panelSearching_);
    }
    FillGrid({});

    connect(gridSync_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() < kLabelColumn) GridSyncButtonClick(index.column(), index.row());
    });
    connect(gridSync_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        GridSyncDblClickCell(index.row(), index.column());
    });
    for (const char* name : kCriteriaBoxes) {
        if (auto* box = form.findChild<QCheckBox*>(QLatin1String(name)))
            connect(box, &QCheckBox::toggled, this, &TSyncPanel::CheckSameNameClick);
    }
    // The hidden pictures of the main window carry the marks too.
    for (int m = 0; m < kMarkCount; ++m) {
        const Mark mark = static_cast<Mark>(m);
        if (auto* picture = form.findChild<QLabel*>(QLatin1String(MarkName(mark))))
            picture->setPixmap(MarkPicture(mark));
    }
}

TSyncPanel::~TSyncPanel() {
    StopSimilarSearch();
}

const std::vector<SimilarHit>& TSyncPanel::Hits() const {
    return model_->Hits();
}

SimilarCriteria TSyncPanel::Criteria() const {
    auto on = [this](const char* name) {
        const auto* box = form_.findChild<QCheckBox*>(QLatin1String(name));
        return box != nullptr && box->isChecked();
    };
    SimilarCriteria criteria;
    criteria.sameName = on("CheckSameName");
    criteria.similarName = on("CheckSimilarName");
    criteria.sameComment = on("CheckSameComment");
    criteria.similarComment = on("CheckSimilarComment");
    criteria.sameSound = on("CheckSameSound");
    criteria.threshold = form_.SimilarThreshold();
    return criteria;
}

void TSyncPanel::CheckSameNameClick() {
    if (form_.Doc().FileLoaded()) RestartSimilarSearch();
}

void TSyncPanel::RestartSimilarSearch() {
    StopSimilarSearch();
    if (!form_.Doc().HasImage()) return;
    const SimilarCriteria criteria = Criteria();
    searchedThreshold_ = criteria.threshold;
    syncThread_ = new TSyncThread(
        form_.Doc(), form_.CurrentSetList(), form_.CurrentSlot(), criteria,
        [this](std::vector<SimilarHit> hits) { SearchDone(std::move(hits)); }, this);
    panelSearching_->setVisible(syncThread_->ShowsSearchingPanel());
}

void TSyncPanel::StopSimilarSearch() {
    if (syncThread_) {
        syncThread_->Terminate();
        syncThread_->deleteLater();
        syncThread_ = nullptr;
    }
    panelSearching_->hide();
}

TSyncThread* TSyncPanel::SyncThread() const {
    return syncThread_;
}

bool TSyncPanel::ThresholdChanged() const {
    return searchedThreshold_ != form_.SimilarThreshold() && Criteria().similarComment;
}

void TSyncPanel::SearchDone(std::vector<SimilarHit> hits) {
    panelSearching_->hide();
    // Only the newest request reports; the finished one goes when the window is idle again.
    if (syncThread_) syncThread_->deleteLater();
    syncThread_ = nullptr;
    FillGrid(std::move(hits));
}

void TSyncPanel::FillGrid(std::vector<SimilarHit> hits) {
    gridSync_->clearSelection();
    const bool any = !hits.empty();
    model_->Reset(std::move(hits));
    // The first hit is highlighted; an empty grid shows one blank row without highlight.
    if (any) gridSync_->selectRow(0);
    widestLabel_ = 0;
    for (const SimilarHit& hit : model_->Hits()) WidenForLabel(hit.label);
    FitColumns();
}

void TSyncPanel::WidenForLabel(const std::string& label) {
    const QFontMetrics metrics(gridSync_->font());
    for (const QString& line : LabelText(label).split(QLatin1Char('\n')))
        widestLabel_ = std::max(widestLabel_, metrics.horizontalAdvance(line));
}

void TSyncPanel::FitColumns() {
    for (int c = 0; c < kLabelColumn; ++c) gridSync_->setColumnWidth(c, kMarkColumnWidth);
    // The labels stand centred in the visible part of the panel; a panel too narrow for the
    // widest label scrolls sideways instead of cutting labels at both ends.
    const int visible = gridSync_->viewport()->width() - kLabelColumn * kMarkColumnWidth;
    gridSync_->setColumnWidth(kLabelColumn,
                              std::max({visible, widestLabel_ + kLabelMargin, kMinLabelWidth}));
}

bool TSyncPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == gridSync_->viewport() && event->type() == QEvent::Resize) FitColumns();
    return QObject::eventFilter(watched, event);
}

void TSyncPanel::GridSyncButtonClick(int column, int row) {
    SimilarHit* hit = model_->Hit(row);
    if (hit == nullptr || column < 0 || column >= kLabelColumn) return;
    Document& doc = form_.Doc();
    if (!doc.HasImage()) return;
    const int list = form_.CurrentSetList();
    const int slot = form_.CurrentSlot();
    switch (column) {
        case 0: {
            const std::string name = doc.GetSlotName(list, slot);
            doc.SetSlotName(hit->list, hit->slot, name);
            hit->label = RelabelHit(hit->label, name);
            WidenForLabel(hit->label);
            FitColumns();
            hit->nameState = 2;
            break;
        }
        case 1:
            // The comment as the editor shows it now, not as the last check stored it.
            form_.MemoCommentExit();
            (void)doc.SetSlotComment(hit->list, hit->slot, doc.GetSlotComment(list, slot), true);
            hit->commentState = 2;
            break;
        default:
            doc.CopySound(list, slot, hit->list, hit->slot);
            // The sound bytes carry the colour and size bits: the slot view's item follows.
            if (hit->list == list) {
                if (QListWidgetItem* item = form_.ComboSlotNr()->item(hit->slot)) {
                    item->setData(roles::kColorIndex, doc.GetSlotColorIndex(list, hit->slot));
                    item->setData(roles::kSizeCode, doc.GetSlotFontSize(list, hit->slot));
                }
            }
            hit->soundState = 2;
            break;
    }
    model_->RowChanged(row);
}

void TSyncPanel::GridSyncDblClickCell(int row, int column) {
    const SimilarHit* hit = model_->Hit(row);
    if (column != kLabelColumn || hit == nullptr || !form_.Doc().HasImage()) return;
    const int list = hit->list;
    const int slot = hit->slot;
    if (list != form_.CurrentSetList()) form_.ShowSetList(list, false, true);
    form_.ShowSlot(slot, true);
}

}  // namespace velmar
