#pragma once

// The column rules of the slot view: how many columns it has, how wide they are and whether
// it needs a horizontal scroll bar. Pure arithmetic; ApplySlotColumns (ListItemDelegate.h)
// puts the result on a QListView.
//
// The "Columns" setting / spin box value: 0 = automatic (enough columns for the items at the
// view's number of rows, no scroll bar), 1..9 = that many columns, scrolled horizontally when
// they cannot hold the items.
namespace velmar {

class SlotColumnLayout {
  public:
    // The automatic rule counts 127 items, not 128.
    static constexpr int kAutoItems = 127;
    // The frame of the view, taken off its height when the window is resized.
    static constexpr int kFrame = 4;

    // ceiling(127 / rows), rows = height / itemHeight (integer division). A view less than
    // one row high counts as one row (127 columns) instead of dividing by zero.
    [[nodiscard]] static int AutoColumnCount(int height, int itemHeight);

    // The window was resized (FormResize): setting 0 takes the automatic count from the view
    // height minus the frame; any other setting keeps the current count.
    void OnResize(int setting, int viewHeight, int itemHeight);
    // The spin box changed (EditNumColsChange): setting 0 takes the automatic count from the
    // full view height, any other value becomes the count. Nothing happens while the height
    // or item height is 0.
    void OnColumnsChanged(int setting, int viewHeight, int itemHeight);
    // Set the count directly (start-up: the count comes from the setting before showing).
    void SetColumnCount(int count) { count_ = count < 0 ? 0 : count; }
    [[nodiscard]] int ColumnCount() const { return count_; }

    // The list's column spacing: view width / count (integer) - 4; 0 when that is not > 0
    // (then leave the spacing as it was).
    [[nodiscard]] int GridColumnWidth(int viewWidth) const;
    // The width the item painter clips to and shortens texts against: trunc(width / count),
    // 0 while the count is 0.
    [[nodiscard]] int PaintColumnWidth(int viewWidth) const;
    // Setting 0: never. Otherwise a scroll bar when count < 127 / (clientHeight / itemHeight)
    // (floating point), i.e. when the fixed columns cannot hold the items.
    [[nodiscard]] bool NeedsHorizontalScrollBar(int setting, int clientHeight,
                                                int itemHeight) const;

  private:
    int count_ = 0;
};

}  // namespace velmar
