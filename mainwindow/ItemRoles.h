#pragma once

#include <Qt>

// Data roles through which the item models of the slot view and the set list view tell
// ListItemDelegate what to paint besides the item text (Qt::DisplayRole, "000 Name").
// A role the model leaves empty counts as false / absent.
namespace velmar::roles {

// int 0..15, index into kSlotColors (document/Document.h). Present only on slot items:
// it is what gives an item its colour marker and the 12-pixel text indent.
inline constexpr int kColorIndex = Qt::UserRole + 1;
// bool: pick mode is on and this slot of the shown set list is in the pick list.
inline constexpr int kPicked = Qt::UserRole + 2;
// bool: a slot drag is under way and this item is its source (painted highlighted).
inline constexpr int kDragSource = Qt::UserRole + 3;
// int, a velmar::DropMark value (mainwindow/ItemPainter.h): the drop-position line of this
// item while a drag is under way. Compute it with SlotDropMark / ListDropMark.
inline constexpr int kDropMark = Qt::UserRole + 4;
// int: the slot's display size code (0 S, 1 XS, 2 M, 3 L, 4 XL). Not painted in the views
// (every item has the same height); carried so that commands can read it from the item.
inline constexpr int kSizeCode = Qt::UserRole + 5;

}  // namespace velmar::roles
