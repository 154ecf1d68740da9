// The fast comment comparison against a plain full-table edit distance written here, on random
// near-duplicates and on whole generated files: states, hits and order must be identical.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "DocTestSupport.h"
#include "analysis/EditDistance.h"
#include "analysis/SimilarSlots.h"
#include "document/Document.h"
#include "editing/TextTools.h"

namespace velmar {
namespace {

int PlainDistance(const std::string& x, const std::string& y) {
    std::vector<std::vector<int>> d(x.size() + 1, std::vector<int>(y.size() + 1));
    for (std::size_t i = 0; i <= x.size(); ++i) d[i][0] = static_cast<int>(i);
    for (std::size_t j = 0; j <= y.size(); ++j) d[0][j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= x.size(); ++i)
        for (std::size_t j = 1; j <= y.size(); ++j)
            d[i][j] = std::min({d[i][j - 1] + 1, d[i - 1][j] + 1,
                                d[i - 1][j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1)});
    return d[x.size()][y.size()];
}

std::string NoBlanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

int PlainSimilarity(const std::string& a, const std::string& b) {
    const std::string x = NoBlanks(a);
    const std::string y = NoBlanks(b);
    const std::size_t longer = std::max(x.size(), y.size());
    if (longer == 0) return 100;
    // Rounded to nearest with halves to even: the default floating-point rounding mode.
    const double r = std::nearbyint(static_cast<double>(PlainDistance(x, y)) /
                                    static_cast<double>(longer) * 100.0);
    return std::max(0, 100 - static_cast<int>(r));
}

class RandomText {
  public:
    explicit RandomText(std::uint64_t seed) : rng_(seed) {}
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    // Small alphabets with blanks make near-duplicates and many equal distances.
    std::string Draw(int length, int alphabet) {
        std::string s;
        for (int i = 0; i < length; ++i)
            s.push_back(Below(6) == 0 ? ' ' : static_cast<char>('a' + Below(alphabet)));
        return s;
    }
    std::string Mutate(std::string s, int edits, int alphabet) {
        for (int e = 0; e < edits; ++e) {
            const int op = Below(3);
            const char c = static_cast<char>('a' + Below(alphabet));
            if (op == 0 && !s.empty())
                s.erase(static_cast<std::size_t>(Below(static_cast<int>(s.size()))), 1);
            else if (op == 1)
                s.insert(s.begin() + Below(static_cast<int>(s.size()) + 1), c);
            else if (!s.empty())
                s[static_cast<std::size_t>(Below(static_cast<int>(s.size())))] = c;
        }
        if (s.size() > 512) s.resize(512);
        return s;
    }
    std::pair<std::string, std::string> Pair() {
        const int alphabet = 1 + Below(4);
        const std::string a = Draw(Below(513), alphabet);
        const int kind = Below(3);
        if (kind == 0) return {a, Draw(Below(513), alphabet)};
        return {a, Mutate(a, Below(kind == 1 ? 8 : 120), alphabet)};
    }

  private:
    std::mt19937_64 rng_;
};

TEST(SimilarRandom, ThresholdTestEqualsTheFullTable) {
    RandomText random(20240611);
    int checked = 0;
    for (int i = 0; i < 3000; ++i) {
        const auto [a, b] = random.Pair();
        const int similarity = PlainSimilarity(a, b);
        ASSERT_EQ(TextSimilarity(a, b), similarity);
        // Right at the boundary, beside it, and one threshold anywhere.
        for (int threshold : {similarity - 1, similarity, similarity + 1, random.Below(101)}) {
            const SimilarityTest test(a, threshold);
            ASSERT_EQ(test.AtLeastThreshold(b), similarity >= threshold)
                << "similarity " << similarity << " threshold " << threshold << "\n"
                << a << "\n"
                << b;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 12000);
}

TEST(SimilarRandom, BoundedDistanceIsExactWithinTheBound) {
    RandomText random(7);
    for (int i = 0; i < 2000; ++i) {
        auto [a, b] = random.Pair();
        a = NoBlanks(a);
        b = NoBlanks(b);
        const int d = PlainDistance(a, b);
        const BoundedEditDistance bounded(a);
        for (int k : {d - 1, d, d + 1, random.Below(520) - 1}) {
            ASSERT_EQ(bounded.Distance(b, k), d <= k ? d : k + 1) << "k " << k << " d " << d << "\n"
                                                                  << a << "\n"
                                                                  << b;
        }
    }
}

void ExpectSameHits(const std::vector<SimilarHit>& fast, const std::vector<SimilarHit>& plain) {
    ASSERT_EQ(fast.size(), plain.size());
    for (std::size_t i = 0; i < fast.size(); ++i) {
        SCOPED_TRACE(plain[i].label);
        EXPECT_EQ(fast[i].list, plain[i].list);
        EXPECT_EQ(fast[i].slot, plain[i].slot);
        EXPECT_EQ(fast[i].nameState, plain[i].nameState);
        EXPECT_EQ(fast[i].commentState, plain[i].commentState);
        EXPECT_EQ(fast[i].soundState, plain[i].soundState);
        EXPECT_EQ(fast[i].label, plain[i].label);
    }
}

TEST(SimilarRandom, WholeGeneratedFilesGiveTheSameHits) {
    const SimilarCriteria all{true, true, true, true, true, 50};
    for (std::uint64_t seed : {3U, 11U}) {
        fixtures::PcgOptions options;
        options.seed = seed;
        fixtures::PcgImage image = fixtures::GeneratePcg(options);
        // Long near-duplicates of a few texts in four set lists, so that the threshold decides.
        RandomText random(seed);
        std::vector<std::string> bases;
        for (int i = 0; i < 4; ++i) bases.push_back(random.Draw(300 + random.Below(213), 8));
        for (int a = 0; a < 4; ++a) {
            fixtures::PutListName(image, a, "Long " + std::to_string(a));
            for (int s = 0; s < 128; ++s) {
                fixtures::PutSlotName(image, a, s, "Song " + std::to_string(s % 7));
                fixtures::PutSlotComment(
                    image, a, s,
                    random.Mutate(bases[static_cast<std::size_t>(random.Below(4))],
                                  random.Below(120), 8));
            }
        }
        Document doc;
        testing::LoadOrDie(doc, image);
        for (auto [list, slot] : std::vector<std::pair<int, int>>{{0, 5}, {3, 100}, {40, 3}}) {
            for (int threshold : {50, 70}) {
                SCOPED_TRACE(std::to_string(list) + "/" + std::to_string(slot) + " at " +
                             std::to_string(threshold));
                SimilarCriteria criteria = all;
                criteria.threshold = threshold;
                const std::vector<SimilarHit> plain =
                    FindSimilarSlots(doc, list, slot, criteria, CommentMethod::FullTable);
                ExpectSameHits(FindSimilarSlots(doc, list, slot, criteria, CommentMethod::Fast),
                               plain);
                if (list < 4) {
                    // The long comments put hits on both sides of the threshold.
                    const auto similar =
                        std::count_if(plain.begin(), plain.end(),
                                      [](const SimilarHit& h) { return h.commentState == 1; });
                    EXPECT_GT(similar, 0);
                    EXPECT_LT(similar, static_cast<long>(plain.size()));
                }
            }
        }
    }
}

}  // namespace
}  // namespace velmar
