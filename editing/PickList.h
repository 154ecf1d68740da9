#pragma once

#include <string>
#include <vector>

// Pick mode: slots collected across set lists, one click each, to be pasted together later.
// The list holds references (set list, slot), not copies; the paste reads the slots as they are
// then. Three buttons show the state; this class decides which ones and their captions, the
// window only mirrors it.
namespace velmar {

struct PickEntry {
    int list = 0;
    int slot = 0;
    friend bool operator==(const PickEntry&, const PickEntry&) = default;
};

enum class PickState {
    Off,           // "Pick" button visible, pick list empty
    Picking,       // clicks in the slot view toggle picks; "Done (n)" and "Reset" visible
    ReadyToPaste,  // "Paste (n)" pastes the picks on every click until "Reset"
};

class PickList {
  public:
    // The PickMode flag: true while clicks in the slot view toggle picks.
    [[nodiscard]] bool PickMode() const { return state_ == PickState::Picking; }
    [[nodiscard]] PickState State() const { return state_; }
    [[nodiscard]] const std::vector<PickEntry>& Entries() const { return entries_; }
    [[nodiscard]] int Count() const { return static_cast<int>(entries_.size()); }
    [[nodiscard]] bool Empty() const { return entries_.empty(); }
    [[nodiscard]] bool IsPicked(int list, int slot) const;

    // The "Pick" button: start picking with an empty list. Ignored unless the state is Off.
    void Start();
    // A left press on a slot while picking: removes the pair when it is picked, else appends
    // it. Returns true when it was added. Does nothing (false) unless picking.
    bool Toggle(int list, int slot);

    enum class PasteButtonAction {
        None,      // the button is not shown
        Finished,  // picking ended; nothing is copied
        Paste,     // run the slot Paste command (with the picks, or from the file when empty)
    };
    // The "Done (n)" / "Paste (n)" button. Picking: ends picking (ReadyToPaste) and answers
    // Finished. ReadyToPaste: answers Paste and keeps the state, so each click pastes again.
    PasteButtonAction PressPasteButton();

    // The "Reset" button, and the end of a paste or insert made while picking, and every paste
    // or insert of a set list: back to Off with an empty list.
    void Reset();

    // Buttons as the window shows them.
    [[nodiscard]] bool PickButtonVisible() const { return state_ == PickState::Off; }
    [[nodiscard]] bool PasteButtonVisible() const { return state_ != PickState::Off; }
    [[nodiscard]] bool ResetButtonVisible() const { return state_ != PickState::Off; }
    [[nodiscard]] static std::string PickButtonCaption() { return "Pick"; }
    // "Done (n)" while picking, "Paste (n)" when ready; empty while the button is hidden.
    [[nodiscard]] std::string PasteButtonCaption() const;

  private:
    PickState state_ = PickState::Off;
    std::vector<PickEntry> entries_;
};

}  // namespace velmar
