#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <optional>

class QFontMetrics;
class QPainter;

// Paints one item of the slot view or of the set list view. No widget involved: give it any
// QPainter (a view's viewport, a QImage in tests) and a plain description of the item.
namespace velmar {

// The drop-position line of one item while a drag is under way.
enum class DropMark : int {
    None = 0,           // not the drop target: a black separator line along the bottom edge
    AmberTop,           // the target lies before the drag source: amber line along the top
    AmberBottom,        // the target lies after the drag source: amber line along the bottom
    BlackTopAndBottom,  // slot view, target == source: black lines along top and bottom
};

enum class ItemKind { Slot, SetList };

// The drawing colours of both views.
namespace item_colors {
inline const QColor kAmber{0xFD, 0xBE, 0x02};          // highlighted background, drop line
inline const QColor kTextFocused{0x00, 0x00, 0x00};    // highlighted text, view focused
inline const QColor kTextUnfocused{0x80, 0x80, 0x80};  // highlighted text, view unfocused
inline const QColor kBackground{0x00, 0x00, 0x00};     // plain background, separator
inline const QColor kText{0xC0, 0xC0, 0xC0};           // plain text
inline const QColor kPickedText{0x50, 0x7F, 0xFF};     // picked slot while pick mode is on
}  // namespace item_colors

// What one item shows.
struct ItemLook {
    ItemKind kind = ItemKind::Slot;
    QString text;  // "000 Name"
    QRect rect;    // the item rectangle in painter coordinates
    // Selected, or (slot view) the source item of a running slot drag.
    bool highlighted = false;
    bool viewHasFocus = false;
    // Slot view only: pick mode is on and the slot is in the pick list.
    bool picked = false;
    // Slot view only: the slot colour; an item with a marker gets the square and the indent.
    std::optional<QColor> marker;
    // Slot view only: trunc(view width / column count), 0 when the count is 0 (nothing is
    // painted then). Negative: no limit (the set list view never shortens its text).
    int columnWidth = -1;
    DropMark dropMark = DropMark::None;
};

class ItemPainter {
  public:
    static constexpr int kItemHeight = 13;       // both views, every size code
    static constexpr int kFontPixelHeight = 11;  // Verdana bold, character height
    static constexpr int kMarkerSize = 15;       // the colour square (overlaps the next item)
    static constexpr int kMarkerIndent = 12;     // text indent of items with a marker
    static constexpr int kTextReserve = 15;      // a slot text may use column width - 15

    // The font of both views: Verdana bold, 11 pixels high (a metric-compatible face
    // stands in where Verdana is not installed).
    [[nodiscard]] static QFont ViewFont();

    // Paints the item into the painter; leaves the painter's state as it found it.
    static void Paint(QPainter& painter, const ItemLook& look);

    // The longest prefix of text (shortened one character at a time from the end) whose
    // width is at most maxWidth; empty when not even the first character fits.
    [[nodiscard]] static QString FitText(const QString& text, const QFontMetrics& metrics,
                                         int maxWidth);

    // Drop marks of the two views. dragActive: a slot drag (slot view) or set list drag
    // (set list view) is under way.
    [[nodiscard]] static DropMark SlotDropMark(bool dragActive, int index, int dragSource,
                                               int dropTarget);
    [[nodiscard]] static DropMark ListDropMark(bool dragActive, int index, int dragSourceRow,
                                               int dropTargetRow);
};

}  // namespace velmar
