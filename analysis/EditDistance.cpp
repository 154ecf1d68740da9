#include "analysis/EditDistance.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "editing/TextTools.h"

namespace velmar {

namespace {

constexpr int kWord = 64;
constexpr int kTrimEvery = 8;

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && defined(__ELF__)
#define VELMAR_POPCNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define VELMAR_POPCNT_CLONES
#endif

// The carries that link one 64-row block of a table column to the next: the carry of the
// addition and the bits shifted out of the horizontal differences. At the top of the table
// (and above a dropped block) the horizontal difference is +1.
struct BlockLink {
    std::uint64_t carry = 0;
    std::uint64_t ph = 1;
    std::uint64_t mh = 0;
};

// One block of one column in Myers' bit-parallel algorithm, wide form: pv/mv hold the vertical
// differences +1/-1 of the previous column and receive those of the new one. Returns the
// horizontal difference at the block's last row. Only the carry ties neighbouring blocks
// together, so the blocks of a column overlap in the processor.
inline int StepBlock(std::uint64_t& pv, std::uint64_t& mv, std::uint64_t eq, BlockLink& link) {
    const std::uint64_t xv = eq | mv;
    const std::uint64_t t = eq & pv;
    const std::uint64_t s1 = t + pv;
    const std::uint64_t sum = s1 + link.carry;
    link.carry = static_cast<std::uint64_t>(s1 < t) | static_cast<std::uint64_t>(sum < s1);
    const std::uint64_t xh = (sum ^ pv) | eq;
    const std::uint64_t ph = mv | ~(xh | pv);
    const std::uint64_t mh = pv & xh;
    const std::uint64_t phTop = ph >> 63;
    const std::uint64_t mhTop = mh >> 63;
    const std::uint64_t phShifted = (ph << 1) | link.ph;
    const std::uint64_t mhShifted = (mh << 1) | link.mh;
    link.ph = phTop;
    link.mh = mhTop;
    pv = mhShifted | ~(xv | phShifted);
    mv = phShifted & xv;
    return static_cast<int>(phTop) - static_cast<int>(mhTop);
}

}  // namespace

BoundedEditDistance::BoundedEditDistance(std::string_view pattern)
    : pattern_(pattern), blocks_((pattern.size() + kWord - 1) / kWord) {
    peq_.assign(256 * blocks_, 0);
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        const auto c = static_cast<unsigned char>(pattern_[i]);
        peq_[c * blocks_ + i / kWord] |= std::uint64_t{1} << (i % kWord);
    }
    pv_.resize(blocks_);
    mv_.resize(blocks_);
    score_.resize(blocks_);
}

// The block bookkeeping counts bits; where the processor has an instruction for that, a second
// copy of this function uses it (chosen once at start-up).
VELMAR_POPCNT_CLONES
int BoundedEditDistance::Distance(std::string_view text, int maxDistance) const {
    const int k = maxDistance;
    const int n = static_cast<int>(pattern_.size());
    const int m = static_cast<int>(text.size());
    if (k < 0 || std::abs(n - m) > k) return k + 1;
    if (n == 0) return m;
    if (m == 0) return n;

    // Rows are the pattern (1..n, row 0 above them), columns the text. Block b holds rows
    // 64b+1 .. 64b+64; rows past n only pad the last block and never reach row n.
    // A cell (r, j) matters only while its value plus the least cost from it to the end,
    // |(n - r) - (m - j)|, is at most k; that sum never falls along a path, so once a cell fails
    // it, everything reached through it fails too. Within any run of rows the sum is smallest at
    // the row on the end cell's diagonal, so one cell decides for a whole block. Only the run
    // of blocks [first, last] that still holds such cells is computed; blocks entering the run
    // start from values that are real path costs, so no value is ever too low and every value
    // on an optimal path is exact.
    const int lastBlockIndex = static_cast<int>(blocks_) - 1;
    // Plain pointers keep the compiler from reloading members after every store.
    const std::size_t blocks = blocks_;
    const std::uint64_t* const peq = peq_.data();
    std::uint64_t* const pv = pv_.data();
    std::uint64_t* const mv = mv_.data();
    int* const score = score_.data();
    int first = 0;
    int last = 0;
    const auto rowValue = [&](int b, int r) {
        // Value at row r (64b .. 64b+64) of the current column. The last row and the row under
        // an active block come straight from the kept values; other rows count differences.
        const int bottom = kWord * b + kWord;
        if (r == bottom) return score[b];
        if (r == bottom - kWord + 1 && b > first)
            return score[b - 1] + static_cast<int>(pv[b] & 1) - static_cast<int>(mv[b] & 1);
        const int below = bottom - r;
        const std::uint64_t mask = ~std::uint64_t{0} << (kWord - below);
        return score[b] - std::popcount(pv[b] & mask) + std::popcount(mv[b] & mask);
    };
    int j = 0;
    const auto relevant = [&](int b) {
        const int diagonal = n - m + j;
        const int lo = b == 0 ? 0 : kWord * b + 1;
        const int hi = std::min(kWord * b + kWord, n);
        const int r = std::clamp(diagonal, lo, hi);
        return rowValue(b, r) + std::abs(diagonal - r) <= k;
    };
    const auto costToEnd = [&](int r, int col) { return std::abs((n - r) - (m - col)); };

    pv[0] = ~std::uint64_t{0};
    mv[0] = 0;
    score[0] = kWord;
    // Column 0 holds 0..n: take in every block whose cells can still matter.
    while (last < lastBlockIndex) {
        const int bottom = kWord * (last + 1);
        if (bottom + costToEnd(bottom, 0) > k) break;
        ++last;
        pv[last] = ~std::uint64_t{0};
        mv[last] = 0;
        score[last] = bottom + kWord;
    }

    int skipExtend = 0;
    for (j = 1; j <= m; ++j) {
        const std::uint64_t* eq = peq + static_cast<unsigned char>(text[j - 1]) * blocks;
        // Row 0 grows by one per column; above a dropped block that is a safe bound.
        BlockLink link;
        int hout = 0;
        for (int b = first; b <= last; ++b) {
            hout = StepBlock(pv[b], mv[b], eq[b], link);
            score[b] += hout;
        }
        // Cells below the run can matter when its last row did, in this column or the one
        // before (reached diagonally). The new block's previous column is taken as its top
        // neighbour's value growing by one per row: a real path cost. The sum tested moves by
        // at most 2 a column, so a wide margin spares the test for the next columns.
        if (skipExtend > 0) {
            --skipExtend;
        } else {
            while (last < lastBlockIndex) {
                const int bottom = kWord * (last + 1);
                const int now = score[last] + costToEnd(bottom, j);
                const int before = score[last] - hout + costToEnd(bottom, j - 1);
                if (now > k && before > k) {
                    skipExtend = (now - k - 1) / 2;
                    break;
                }
                ++last;
                pv[last] = ~std::uint64_t{0};
                mv[last] = 0;
                score[last] = score[last - 1] - hout + kWord;
                hout = StepBlock(pv[last], mv[last], eq[last], link);
                score[last] += hout;
            }
        }
        // Dropping blocks late only costs time, so the run is trimmed every few columns.
        if (j % kTrimEvery != 0 && j != m) continue;
        while (last >= first && !relevant(last)) {
            --last;
            skipExtend = 0;
        }
        while (first <= last && !relevant(first)) ++first;
        if (first > last) return k + 1;
    }
    if (last != lastBlockIndex) return k + 1;
    const int d = rowValue(lastBlockIndex, n);
    return d <= k ? d : k + 1;
}

SimilarityTest::SimilarityTest(std::string_view comment, int threshold)
    : threshold_(threshold), comment_(RemoveChar(comment, ' ')), distance_(comment_) {}

int SimilarityTest::MaxDistance(std::size_t maxLen) const {
    if (maxLen >= maxDistance_.size()) maxDistance_.resize(maxLen + 1, -2);
    int& cached = maxDistance_[maxLen];
    if (cached != -2) return cached;
    // The similarity never rises with the distance: find the last distance that reaches the
    // threshold by bisection, with the very rounding of the plain computation.
    const auto reaches = [&](std::size_t d) {
        return SimilarityFromDistance(d, maxLen) >= threshold_;
    };
    if (!reaches(0)) return cached = -1;
    std::size_t lo = 0;       // reaches
    std::size_t hi = maxLen;  // candidate
    if (reaches(hi)) return cached = static_cast<int>(hi);
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        (reaches(mid) ? lo : hi) = mid;
    }
    return cached = static_cast<int>(lo);
}

bool SimilarityTest::AtLeastThreshold(std::string_view other) const {
    // Drop the blanks without a branch per byte: every byte is written, only non-blanks advance.
    other_.resize(other.size());
    char* out = other_.data();
    for (char c : other) {
        *out = c;
        out += c != ' ';
    }
    other_.resize(static_cast<std::size_t>(out - other_.data()));
    const std::size_t n = comment_.size();
    const std::size_t m = other_.size();
    const std::size_t maxLen = std::max(n, m);
    if (maxLen == 0) return SimilarityFromDistance(0, 0) >= threshold_;
    const int k = MaxDistance(maxLen);
    if (k < 0) return false;
    // Any two texts are at most the longer length apart.
    if (static_cast<std::size_t>(k) >= maxLen) return true;
    return distance_.Distance(other_, k) <= k;
}

}  // namespace velmar
