#include "editing/PickList.h"

#include <algorithm>

namespace velmar {

bool PickList::IsPicked(int list, int slot) const {
    return std::find(entries_.begin(), entries_.end(), PickEntry{list, slot}) != entries_.end();
}

void PickList::Start() {
    if (state_ != PickState::Off) return;
    // Every way back to Off empties the list, so picking always starts from nothing.
    entries_.clear();
    state_ = PickState::Picking;
}

bool PickList::Toggle(int list, int slot) {
    if (state_ != PickState::Picking) return false;
    const PickEntry entry{list, slot};
    const auto before = entries_.size();
    std::erase(entries_, entry);
    if (entries_.size() != before) return false;
    entries_.push_back(entry);
    return true;
}

PickList::PasteButtonAction PickList::PressPasteButton() {
    switch (state_) {
        case PickState::Picking:
            state_ = PickState::ReadyToPaste;
            return PasteButtonAction::Finished;
        case PickState::ReadyToPaste:
            return PasteButtonAction::Paste;
        case PickState::Off:
            break;
    }
    return PasteButtonAction::None;
}

void PickList::Reset() {
    state_ = PickState::Off;
    entries_.clear();
}

std::string PickList::PasteButtonCaption() const {
    const std::string count = "(" + std::to_string(entries_.size()) + ")";
    switch (state_) {
        case PickState::Picking:
            return "Done " + count;
        case PickState::ReadyToPaste:
            return "Paste " + count;
        case PickState::Off:
            break;
    }
    return {};
}

}  // namespace velmar
