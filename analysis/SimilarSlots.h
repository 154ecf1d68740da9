#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The similar-slot finder: every other slot of the file whose name, comment or sound matches
// the shown slot by the criteria switched on, with marks telling for each field whether it is
// identical, similar or different. The search runs in small steps so that a window can keep
// processing events between them and drop a search that a newer request replaces.
namespace velmar {

class Document;
class SimilarityTest;

struct SimilarCriteria {
    bool sameName = true;
    bool similarName = true;
    bool sameComment = false;
    bool similarComment = false;
    bool sameSound = false;
    int threshold = 50;  // percent; a similarity equal to it counts
};

// How comments are compared: the fast bounded computation, or the plain full table (kept for
// the benchmark and the checks against it). Both give the same hits.
enum class CommentMethod { Fast, FullTable };

struct SimilarHit {
    int list = 0;
    int slot = 0;
    int nameState = 0;     // 2 identical, 1 similar, 0 neither
    int commentState = 0;  // 2 identical, 1 similarity at or above the threshold, 0 neither
    int soundState = 0;    // 2 same sound text, 0 otherwise
    std::string label;     // "Slot 012\r\nName" or "List 005 Slot 012\r\nName"
};

// "Slot 012" in the current set list, "List 005 Slot 012" elsewhere, then CR LF and the name.
[[nodiscard]] std::string HitLabel(int currentList, int list, int slot, std::string_view name);
// The label after the name was copied to the hit: same first line, the new name under it.
[[nodiscard]] std::string RelabelHit(std::string_view label, std::string_view newName);

// A click on a hit's mark (grid column 0 name, 1 comment, 2 sound) copies that field of the
// current slot to the hit through the document's accessors, turns the mark green and, for the
// name, puts the new name under the label's first line. Other columns do nothing (false).
// Like the accessors it leaves FileModified alone; the caller decides about it.
bool CopyToHit(Document& doc, int currentList, int currentSlot, SimilarHit& hit, int column);

class SimilarSearch {
  public:
    // The document must outlive the search. The current slot's name, comment and sound are
    // read here; the other slots when their step comes, so edits made between steps count.
    SimilarSearch(const Document& doc, int currentList, int currentSlot, SimilarCriteria criteria,
                  CommentMethod method = CommentMethod::Fast);
    ~SimilarSearch();
    SimilarSearch(const SimilarSearch&) = delete;
    SimilarSearch& operator=(const SimilarSearch&) = delete;

    // False when no criterion is on or the current slot has no name: nothing to search, the
    // grid ends empty.
    [[nodiscard]] bool Active() const { return active_; }
    // The "Searching..." strip: shown while a search with similar comments runs.
    [[nodiscard]] bool ShowsSearchingPanel() const { return active_ && criteria_.similarComment; }
    [[nodiscard]] bool Done() const { return done_; }

    // Compares the next slot (in the finder's order); returns false once the search is done.
    bool Step();
    // Compares the rest of the set list being searched; false once the search is done.
    bool StepSetList();
    void RunToEnd();

    // The set list being searched now, -1 when done.
    [[nodiscard]] int CurrentSearchList() const;
    [[nodiscard]] const std::vector<SimilarHit>& Hits() const { return hits_; }
    [[nodiscard]] std::vector<SimilarHit> TakeHits() { return std::move(hits_); }

  private:
    void NextList();
    void CompareSlot(int list, int slot);
    [[nodiscard]] bool CommentSimilar(const std::string& comment) const;

    const Document& doc_;
    int currentList_;
    int currentSlot_;
    SimilarCriteria criteria_;
    CommentMethod method_;
    bool active_ = false;
    bool done_ = true;
    std::string name_, comment_, sound_;
    std::unique_ptr<SimilarityTest> similarity_;
    std::vector<int> order_;  // the set lists in search order
    std::size_t orderPos_ = 0;
    int slot_ = 0;
    std::vector<SimilarHit> hits_;
};

// The whole search at once (command line, tests).
[[nodiscard]] std::vector<SimilarHit> FindSimilarSlots(const Document& doc, int currentList,
                                                       int currentSlot,
                                                       const SimilarCriteria& criteria,
                                                       CommentMethod method = CommentMethod::Fast);

}  // namespace velmar
