#include "mainwindow/SlotColumnLayout.h"

#include <cmath>

namespace velmar {

int SlotColumnLayout::AutoColumnCount(int height, int itemHeight) {
    int rows = itemHeight > 0 ? height / itemHeight : 0;
    if (rows < 1) rows = 1;  // a view less than a row high still gets a finite count
    return static_cast<int>(std::ceil(static_cast<double>(kAutoItems) / rows));
}

void SlotColumnLayout::OnResize(int setting, int viewHeight, int itemHeight) {
    if (itemHeight == 0) return;
    if (setting == 0) count_ = AutoColumnCount(viewHeight - kFrame, itemHeight);
}

void SlotColumnLayout::OnColumnsChanged(int setting, int viewHeight, int itemHeight) {
    if (itemHeight == 0 || viewHeight == 0) return;
    if (setting == 0)
        count_ = AutoColumnCount(viewHeight, itemHeight);
    else
        SetColumnCount(setting);
}

int SlotColumnLayout::GridColumnWidth(int viewWidth) const {
    if (count_ == 0) return 0;
    const int width = viewWidth / count_ - kFrame;
    return width > 0 ? width : 0;
}

int SlotColumnLayout::PaintColumnWidth(int viewWidth) const {
    if (count_ == 0) return 0;
    return static_cast<int>(static_cast<double>(viewWidth) / count_);
}

bool SlotColumnLayout::NeedsHorizontalScrollBar(int setting, int clientHeight,
                                                int itemHeight) const {
    if (setting == 0 || itemHeight == 0 || count_ == 0) return false;
    const double rows = static_cast<double>(clientHeight) / itemHeight;
    if (rows <= 0) return true;  // no room at all: the columns cannot hold anything
    return count_ < kAutoItems / rows;
}

}  // namespace velmar
