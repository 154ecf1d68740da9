#include "analysis/SimilarSlots.h"

#include <optional>

#include "analysis/EditDistance.h"
#include "analysis/Reports.h"
#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {

std::string HitLabel(int currentList, int list, int slot, std::string_view name) {
    std::string label = list == currentList
                            ? "Slot " + ThreeDigits(slot)
                            : "List " + ThreeDigits(list) + " Slot " + ThreeDigits(slot);
    label += "\r\n";
    label += name;
    return label;
}

std::string RelabelHit(std::string_view label, std::string_view newName) {
    const std::size_t lineEnd = label.find("\r\n");
    std::string out(label.substr(0, lineEnd));
    out += "\r\n";
    out += newName;
    return out;
}

bool CopyToHit(Document& doc, int currentList, int currentSlot, SimilarHit& hit, int column) {
    switch (column) {
        case 0: {
            const std::string name = doc.GetSlotName(currentList, currentSlot);
            doc.SetSlotName(hit.list, hit.slot, name);
            // The label shows the name as the field holds it (cut to 24 bytes).
            hit.label = RelabelHit(hit.label, doc.GetSlotName(hit.list, hit.slot));
            hit.nameState = 2;
            return true;
        }
        case 1:
            (void)doc.SetSlotComment(hit.list, hit.slot,
                                     doc.GetSlotComment(currentList, currentSlot), true);
            hit.commentState = 2;
            return true;
        case 2:
            doc.CopySound(currentList, currentSlot, hit.list, hit.slot);
            hit.soundState = 2;
            return true;
        default:
            return false;
    }
}

SimilarSearch::SimilarSearch(const Document& doc, int currentList, int currentSlot,
                             SimilarCriteria criteria, CommentMethod method)
    : doc_(doc),
      currentList_(currentList),
      currentSlot_(currentSlot),
      criteria_(criteria),
      method_(method) {
    const bool anyBox = criteria.sameName || criteria.similarName || criteria.sameComment ||
                        criteria.similarComment || criteria.sameSound;
    name_ = doc.GetSlotName(currentList, currentSlot);
    if (!anyBox || name_.empty()) return;
    comment_ = doc.GetSlotComment(currentList, currentSlot);
    sound_ = doc.GetSoundText(currentList, currentSlot, false);
    if (method_ == CommentMethod::Fast)
        similarity_ = std::make_unique<SimilarityTest>(comment_, criteria.threshold);
    order_.push_back(currentList);
    for (int a = 0; a < kSetListCount; ++a)
        if (a != currentList) order_.push_back(a);
    active_ = true;
    done_ = false;
}

SimilarSearch::~SimilarSearch() = default;

int SimilarSearch::CurrentSearchList() const {
    return done_ ? -1 : order_[orderPos_];
}

void SimilarSearch::NextList() {
    slot_ = 0;
    // Other set lists take part only while they have a name; that is read when their turn comes.
    while (++orderPos_ < order_.size())
        if (!doc_.GetListName(order_[orderPos_]).empty()) return;
    done_ = true;
}

bool SimilarSearch::CommentSimilar(const std::string& comment) const {
    if (method_ == CommentMethod::FullTable)
        return TextSimilarity(comment, comment_) >= criteria_.threshold;
    return similarity_->AtLeastThreshold(comment);
}

void SimilarSearch::CompareSlot(int list, int slot) {
    if (list == currentList_ && slot == currentSlot_) return;
    const std::string name = doc_.GetSlotName(list, slot);
    if (name.empty()) return;
    const std::string comment = doc_.GetSlotComment(list, slot);
    const std::string sound = doc_.GetSoundText(list, slot, false);

    const bool sameName = name == name_;
    const bool sameComment = comment == comment_;
    const bool sameSound = sound == sound_;
    const bool similarName = IsSimilarName(name, name_);
    std::optional<bool> similarComment;  // the costly one: worked out once, only when needed
    const auto commentSimilar = [&] {
        if (!similarComment) similarComment = CommentSimilar(comment);
        return *similarComment;
    };

    const SimilarCriteria& c = criteria_;
    const bool hasComment = !comment_.empty();
    const bool hit =
        (c.sameName && sameName) || (c.sameComment && hasComment && sameComment) ||
        (c.sameSound && sameSound) || (c.similarName && similarName && (c.sameName || !sameName)) ||
        (c.similarComment && hasComment && (c.sameComment || !sameComment) && commentSimilar());
    if (!hit) return;

    SimilarHit h;
    h.list = list;
    h.slot = slot;
    h.nameState = sameName ? 2 : similarName ? 1 : 0;
    h.commentState = sameComment ? 2 : commentSimilar() ? 1 : 0;
    h.soundState = sameSound ? 2 : 0;
    h.label = HitLabel(currentList_, list, slot, name);
    hits_.push_back(std::move(h));
}

bool SimilarSearch::Step() {
    if (done_) return false;
    CompareSlot(order_[orderPos_], slot_);
    if (++slot_ >= kSlotCount) NextList();
    return !done_;
}

bool SimilarSearch::StepSetList() {
    if (done_) return false;
    const std::size_t list = orderPos_;
    while (!done_ && orderPos_ == list) Step();
    return !done_;
}

void SimilarSearch::RunToEnd() {
    while (Step()) {
    }
}

std::vector<SimilarHit> FindSimilarSlots(const Document& doc, int currentList, int currentSlot,
                                         const SimilarCriteria& criteria, CommentMethod method) {
    SimilarSearch search(doc, currentList, currentSlot, criteria, method);
    search.RunToEnd();
    return search.TakeHits();
}

}  // namespace velmar
