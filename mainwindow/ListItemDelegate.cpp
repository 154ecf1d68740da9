#include "mainwindow/ListItemDelegate.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QListView>
#include <QPainter>
#include <QScrollBar>

#include "document/Document.h"
#include "mainwindow/ItemRoles.h"
#include "mainwindow/SlotColumnLayout.h"

namespace velmar {

namespace {

// Repaints the view when it gains or loses the focus, so that the text colour of the
// highlighted items follows the focus at once.
class FocusRepainter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            if (auto* view = qobject_cast<QAbstractItemView*>(watched)) view->viewport()->update();
        }
        return QObject::eventFilter(watched, event);
    }
};

DropMark ToDropMark(const QVariant& value) {
    const int mark = value.toInt();
    if (mark < static_cast<int>(DropMark::None) ||
        mark > static_cast<int>(DropMark::BlackTopAndBottom))
        return DropMark::None;
    return static_cast<DropMark>(mark);
}

}  // namespace

ListItemDelegate::ListItemDelegate(ItemKind kind, QObject* parent)
    : QStyledItemDelegate(parent), kind_(kind) {}

ItemLook ListItemDelegate::LookFor(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    ItemLook look;
    look.kind = kind_;
    look.text = index.data(Qt::DisplayRole).toString();
    look.rect = option.rect;
    look.viewHasFocus = option.widget != nullptr && option.widget->hasFocus();
    look.highlighted = option.state.testFlag(QStyle::State_Selected);
    look.dropMark = ToDropMark(index.data(roles::kDropMark));
    if (kind_ == ItemKind::Slot) {
        look.highlighted = look.highlighted || index.data(roles::kDragSource).toBool();
        look.picked = index.data(roles::kPicked).toBool();
        const QVariant colorIndex = index.data(roles::kColorIndex);
        if (colorIndex.isValid()) {
            const int i = colorIndex.toInt() & 0x0F;  // the record holds 4 bits
            look.marker = QColor::fromRgb(kSlotColors[static_cast<std::size_t>(i)].rgb);
        }
        look.columnWidth = columnWidth_;
    }
    return look;
}

void ListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    if (!index.isValid() || index.row() < 0) return;
    ItemPainter::Paint(*painter, LookFor(option, index));
}

QSize ListItemDelegate::sizeHint(const QStyleOptionViewItem& /*option*/,
                                 const QModelIndex& index) const {
    if (kind_ == ItemKind::Slot && columnWidth_ > 0)
        return {columnWidth_, ItemPainter::kItemHeight};
    const QFontMetrics metrics(ItemPainter::ViewFont());
    return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4,
            ItemPainter::kItemHeight};
}

ListItemDelegate* SetUpItemView(QListView& view, ItemKind kind) {
    auto* delegate = new ListItemDelegate(kind, &view);
    view.setItemDelegate(delegate);
    view.setFont(ItemPainter::ViewFont());
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, item_colors::kBackground);
    palette.setColor(QPalette::Window, item_colors::kBackground);
    palette.setColor(QPalette::Text, item_colors::kText);
    view.setPalette(palette);
    view.setViewMode(QListView::ListMode);
    view.setMovement(QListView::Static);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setUniformItemSizes(true);
    view.setSpacing(0);
    view.setFlow(QListView::TopToBottom);
    // The drag of both views is the program's own (raw mouse events), not Qt's.
    view.setDragEnabled(false);
    view.setAcceptDrops(false);
    if (kind == ItemKind::Slot) {
        view.setWrapping(true);
        view.setResizeMode(QListView::Adjust);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        view.setWrapping(false);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    view.installEventFilter(new FocusRepainter(&view));
    return delegate;
}

ListItemDelegate* ItemDelegateOf(const QListView& view) {
    return qobject_cast<ListItemDelegate*>(view.itemDelegate());
}

void ApplySlotColumns(QListView& slotView, const SlotColumnLayout& layout, int setting) {
    if (layout.ColumnCount() == 0) return;
    const int width = slotView.width();
    const int grid = layout.GridColumnWidth(width);
    if (grid > 0) slotView.setGridSize(QSize(grid, ItemPainter::kItemHeight));
    if (ListItemDelegate* delegate = ItemDelegateOf(slotView))
        delegate->SetColumnWidth(layout.PaintColumnWidth(width));
    const bool scroll = layout.NeedsHorizontalScrollBar(setting, slotView.viewport()->height(),
                                                        ItemPainter::kItemHeight);
    slotView.setHorizontalScrollBarPolicy(scroll ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    slotView.viewport()->update();
}

void RepaintItem(QListView& view, int row) {
    if (view.model() == nullptr || row < 0 || row >= view.model()->rowCount()) return;
    view.viewport()->update(view.visualRect(view.model()->index(row, 0)));
}

}  // namespace velmar
