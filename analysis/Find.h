#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Find in slot names, and on request in slot comments: in the set list shown (every match at
// once) or across all set lists (one match at a time, forward or backward, with the offer to
// start again from the other end). The functions decide; the windows ask and show.
namespace velmar {

class Document;

struct FindQuery {
    std::string text;       // the search text proper (file bytes)
    bool comments = false;  // comments are searched too
};

inline constexpr const char* kFindNotFound = "Not found!";  // in the set list shown
inline constexpr const char* kFindFromBeginning = "Search from Beginning?";  // Yes/No
inline constexpr const char* kFindFromEnd = "Search from End?";              // OK/Cancel

// What the find dialog leaves behind for Find Next and Find Previous. The dialog is kept for
// the whole run: its result changes only through OK, while the "all set lists" box counts
// however it was closed.
class FindState {
  public:
    void DialogClosed(bool accepted, std::string_view typed, bool searchComments, bool allLists);
    // Whether a confirmed search exists; an empty text searches nothing.
    [[nodiscard]] bool HasQuery() const { return confirmed_ && !query_.text.empty(); }
    [[nodiscard]] const FindQuery& Query() const { return query_; }
    [[nodiscard]] bool AllLists() const { return allLists_; }

  private:
    FindQuery query_;
    bool confirmed_ = false;
    bool allLists_ = false;
};

// Position of the first occurrence of `needle` in `haystack`, ignoring the case of A..Z only.
[[nodiscard]] std::optional<std::size_t> FindIgnoringAsciiCase(std::string_view haystack,
                                                               std::string_view needle);

enum class MatchField { None, Name, Comment };
struct SlotMatch {
    MatchField field = MatchField::None;
    // For a match in the comment: where the text starts there (bytes, which are also the
    // characters of the comment), and how many characters to highlight.
    std::size_t commentPos = 0;
    std::size_t length = 0;
};
// The name is tried first, then (with the comment flag) the comment.
[[nodiscard]] SlotMatch MatchSlot(const Document& doc, int list, int slot, const FindQuery& query);

struct FoundSlot {
    int slot = 0;
    SlotMatch match;
};
// Every matching slot of one set list, lowest slot first: the window selects them all and
// shows the first (highlighting the text in the comment when it was found there). Empty:
// reselect the previous row and show kFindNotFound.
[[nodiscard]] std::vector<FoundSlot> FindInSetList(const Document& doc, int list,
                                                   const FindQuery& query);

struct SlotAddress {
    int list = 0;
    int slot = 0;
    friend bool operator==(const SlotAddress&, const SlotAddress&) = default;
};
// The first match from (startList, startSlot) on, forward through the later set lists or
// backward through the earlier ones; every set list is searched, named or not. A start slot
// outside 0..127 gives no slot of the start list.
[[nodiscard]] std::optional<SlotAddress> FindAcrossLists(const Document& doc,
                                                         const FindQuery& query, int startList,
                                                         int startSlot, bool backward);
// Every match of the file in forward search order.
[[nodiscard]] std::vector<SlotAddress> FindAllAcrossLists(const Document& doc,
                                                          const FindQuery& query);
// The plain message after a pass across set lists found nothing: "\"text\" not found!".
[[nodiscard]] std::string NotFoundAcrossLists(const FindQuery& query);

// Find Next / Find Previous across set lists, as a sequence for the window:
//   1. first = FindAcrossLists(query, From(current list, current slot)...);
//   2. when nothing: show NotFoundAcrossLists, ask Question() (Yes/No forward, OK/Cancel
//      backward); on the positive answer FindAcrossLists from WrapStart(), and when that finds
//      nothing show NotFoundAcrossLists again.
struct AcrossStep {
    bool backward = false;
    [[nodiscard]] SlotAddress From(int currentList, int currentSlot) const {
        return {currentList, backward ? currentSlot - 1 : currentSlot + 1};
    }
    [[nodiscard]] SlotAddress WrapStart() const {
        return backward ? SlotAddress{127, 127} : SlotAddress{0, 0};
    }
    [[nodiscard]] const char* Question() const {
        return backward ? kFindFromEnd : kFindFromBeginning;
    }
};

// Find Next / Find Previous in the set list shown: the next selected slot after the focused
// row, wrapping round to the lowest one (backward: before it, wrapping to the highest). Nothing
// when no other slot is selected.
[[nodiscard]] std::optional<int> NextSelectedSlot(std::span<const bool> selected, int focused,
                                                  bool backward);

}  // namespace velmar
