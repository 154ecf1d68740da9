#pragma once

// Shows the hourglass cursor for a long operation and restores the cursor that was shown
// before, also when the operation leaves early.
namespace velmar {

class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Restores the previous cursor now (before a box the user must answer); idempotent.
    void Release();

  private:
    bool active_ = false;
};

}  // namespace velmar
