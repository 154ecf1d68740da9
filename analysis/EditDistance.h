#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Fast comment similarity for the similar-slot finder. One comment (the pattern) is compared
// with many others, so its match masks are built once; each comparison then runs a
// bit-parallel edit distance (64 table rows per machine word) that only follows the cells which
// can still lead to a distance within the allowed bound, and gives up as soon as none can.
// The results are exactly those of the plain (n+1) x (m+1) table.
namespace velmar {

class BoundedEditDistance {
  public:
    explicit BoundedEditDistance(std::string_view pattern);

    [[nodiscard]] std::size_t PatternSize() const { return pattern_.size(); }
    // The edit distance (unit costs) between the pattern and `text` when it is at most
    // `maxDistance`; otherwise maxDistance + 1. A negative bound always gives maxDistance + 1.
    [[nodiscard]] int Distance(std::string_view text, int maxDistance) const;

  private:
    std::string pattern_;
    std::size_t blocks_ = 0;
    std::vector<std::uint64_t> peq_;  // 256 x blocks_: bit t of [c][b] set when row 64b+t is c
    // Work columns, reused between calls.
    mutable std::vector<std::uint64_t> pv_, mv_;
    mutable std::vector<int> score_;  // table value at the last row of each block
};

// Answers "TextSimilarity(comment, other) >= threshold" for one comment against many others,
// with the same rounding (halves to even) and the same rule for texts that are empty once
// blanks are removed (identical: 100).
class SimilarityTest {
  public:
    SimilarityTest(std::string_view comment, int threshold);

    [[nodiscard]] bool AtLeastThreshold(std::string_view other) const;
    [[nodiscard]] int Threshold() const { return threshold_; }

  private:
    // The largest distance that still reaches the threshold at this longer length, -1 if none.
    [[nodiscard]] int MaxDistance(std::size_t maxLen) const;

    int threshold_;
    std::string comment_;  // without blanks
    BoundedEditDistance distance_;
    mutable std::vector<int> maxDistance_;  // by longer length; -2 = not yet known
    mutable std::string other_;             // work buffer for the other text without blanks
};

}  // namespace velmar
