#include "mainwindow/ItemPainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace velmar {

QFont ItemPainter::ViewFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixelHeight);
    font.setBold(true);
    return font;
}

QString ItemPainter::FitText(const QString& text, const QFontMetrics& metrics, int maxWidth) {
    if (metrics.horizontalAdvance(text) <= maxWidth) return text;
    // Names are at most a few dozen characters, so measuring one prefix per removed
    // character is cheap and stays exact even where kerning makes widths uneven.
    for (qsizetype length = text.size() - 1; length > 0; --length) {
        const QString prefix = text.left(length);
        if (metrics.horizontalAdvance(prefix) <= maxWidth) return prefix;
    }
    return {};
}

DropMark ItemPainter::SlotDropMark(bool dragActive, int index, int dragSource, int dropTarget) {
    if (!dragActive || index != dropTarget) return DropMark::None;
    if (index == dragSource) return DropMark::BlackTopAndBottom;
    return index > dragSource ? DropMark::AmberBottom : DropMark::AmberTop;
}

DropMark ItemPainter::ListDropMark(bool dragActive, int index, int dragSourceRow,
                                   int dropTargetRow) {
    if (!dragActive || index != dropTargetRow) return DropMark::None;
    return index > dragSourceRow ? DropMark::AmberBottom : DropMark::AmberTop;
}

void ItemPainter::Paint(QPainter& painter, const ItemLook& look) {
    QRect rect = look.rect;
    const bool slot = look.kind == ItemKind::Slot;
    if (slot && look.columnWidth >= 0 && rect.width() > look.columnWidth)
        rect.setWidth(look.columnWidth);
    if (rect.isEmpty()) return;

    painter.save();
    // Everything stays inside the item: the marker square is 15 pixels high on 13-pixel rows,
    // and the next item must not be painted over when only this one is repainted.
    painter.setClipRect(rect, Qt::IntersectClip);

    const QColor background = look.highlighted ? item_colors::kAmber : item_colors::kBackground;
    QColor textColor = item_colors::kText;
    if (look.highlighted)
        textColor = look.viewHasFocus ? item_colors::kTextFocused : item_colors::kTextUnfocused;
    if (slot && look.picked) textColor = item_colors::kPickedText;

    painter.fillRect(rect, background);

    int indent = 0;
    if (slot && look.marker) {
        const QRect square(rect.left(), rect.top(), kMarkerSize, kMarkerSize);
        painter.fillRect(square, Qt::black);  // the one-pixel black outline
        painter.fillRect(square.adjusted(1, 1, -1, -1), *look.marker);
        indent = kMarkerIndent;
    }

    painter.setFont(ViewFont());
    const QFontMetrics metrics(painter.font());
    const QString text = slot && look.columnWidth >= 0
                             ? FitText(look.text, metrics, look.columnWidth - kTextReserve)
                             : look.text;
    if (!text.isEmpty()) {
        // Opaque text: its cell covers the right-hand part of the marker square.
        const QRect cell(rect.left() + indent, rect.top(), metrics.horizontalAdvance(text),
                         metrics.height());
        painter.fillRect(cell, background);
        painter.setPen(textColor);
        painter.drawText(cell.left(), rect.top() + metrics.ascent(), text);
    }

    const auto line = [&](int y, const QColor& color) {
        painter.fillRect(QRect(rect.left(), y, rect.width(), 1), color);
    };
    switch (look.dropMark) {
        case DropMark::None:
            line(rect.bottom(), item_colors::kBackground);
            break;
        case DropMark::AmberTop:
            line(rect.top(), item_colors::kAmber);
            break;
        case DropMark::AmberBottom:
            line(rect.bottom(), item_colors::kAmber);
            break;
        case DropMark::BlackTopAndBottom:
            line(rect.top(), item_colors::kBackground);
            line(rect.bottom(), item_colors::kBackground);
            break;
    }
    painter.restore();
}

}  // namespace velmar
