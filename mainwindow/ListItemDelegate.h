#pragma once

#include <QStyledItemDelegate>

#include "mainwindow/ItemPainter.h"

class QListView;

// Paints the items of the slot view and the set list view through ItemPainter, from the
// model's Qt::DisplayRole text and the roles of mainwindow/ItemRoles.h. Highlighted means
// selected (QStyle::State_Selected) or the kDragSource role; focus means the view widget
// itself has the keyboard focus.
//
// Typical use by the main window:
//     SetUpItemView(*slotView, ItemKind::Slot);      // installs a ListItemDelegate
//     SetUpItemView(*listView, ItemKind::SetList);
//     ...on resize / spin change / show:
//     layout.OnResize(setting, slotView->height(), ItemPainter::kItemHeight);
//     ApplySlotColumns(*slotView, layout, setting);
namespace velmar {

class SlotColumnLayout;

class ListItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    explicit ListItemDelegate(ItemKind kind, QObject* parent = nullptr);

    [[nodiscard]] ItemKind Kind() const { return kind_; }
    // Slot view: trunc(view width / column count) (SlotColumnLayout::PaintColumnWidth).
    void SetColumnWidth(int width) { columnWidth_ = width; }
    [[nodiscard]] int ColumnWidth() const { return columnWidth_; }

    // Builds the ItemLook of one index the way paint() sees it (tests and single repaints).
    [[nodiscard]] ItemLook LookFor(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;

  private:
    ItemKind kind_;
    int columnWidth_ = -1;
};

// Makes a QListView one of the two views: black, the view font, fixed 13-pixel rows,
// extended selection, no editing, type-ahead search by the item text, double-buffered
// painting, a ListItemDelegate of the given kind, and a repaint of the selected items when
// the view gains or loses the focus. The slot view flows top to bottom and wraps into
// columns; the set list view is one column with a vertical scroll bar.
ListItemDelegate* SetUpItemView(QListView& view, ItemKind kind);

// The delegate installed by SetUpItemView, or nullptr.
[[nodiscard]] ListItemDelegate* ItemDelegateOf(const QListView& view);

// Puts the column rules on the slot view: column spacing, the delegate's paint width and the
// horizontal scroll bar (AdjustSlotColumns). Does nothing while the count is 0.
void ApplySlotColumns(QListView& slotView, const SlotColumnLayout& layout, int setting);

// Repaints one item at once (the drop line updates, a colour change).
void RepaintItem(QListView& view, int row);

}  // namespace velmar
