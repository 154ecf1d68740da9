// The similar-slot finder's whole search for one slot, all five criteria on, over a full file
// in which every slot is named and carries a comment of 300 to 512 bytes, many of them near
// copies of each other (the same song kept in many set lists). The plain full-table comment
// comparison and the fast one run on the same document in the same run.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "analysis/SimilarSlots.h"
#include "document/Document.h"
#include "tools/fixtures/PcgFixture.h"

namespace {

constexpr int kCurrentList = 10;
constexpr int kCurrentSlot = 20;

const char* const kWords[] = {
    "Intro",   "verse",   "chorus", "bridge",  "solo",    "outro",   "2x",      "4",      "bars",
    "count",   "in",      "key",    "change",  "+1",      "last",    "tempo",   "BPM",    "split",
    "at",      "C4",      "layer",  "strings", "pad",     "piano",   "left",    "hand",   "pedal",
    "sustain", "hold",    "fade",   "out",     "Schluss", "mit",     "Fermate", "Tonart", "nach",
    "Refrain", "Strophe", "leise",  "laut",    "Am",      "F",       "C",       "G",      "Dm",
    "Em",      "break",   "drums",  "bass",    "vocals",  "harmony", "stop",    "go",     "then",
};

class Generator {
  public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}
    int Below(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    std::string Text(std::size_t length) {
        std::string s;
        while (s.size() < length) {
            s += kWords[Below(static_cast<int>(std::size(kWords)))];
            s += Below(12) == 0 ? "\r\n" : " ";
        }
        s.resize(length);
        return s;
    }
    // A near copy: a few letters changed, dropped or added, the length kept in 300..512.
    std::string Edit(std::string s, int edits) {
        for (int e = 0; e < edits; ++e) {
            const auto at = static_cast<std::size_t>(Below(static_cast<int>(s.size())));
            const char c = static_cast<char>('a' + Below(26));
            switch (Below(3)) {
                case 0:
                    if (s.size() > 300) s.erase(at, 1);
                    break;
                case 1:
                    if (s.size() < 512) s.insert(at, 1, c);
                    break;
                default:
                    s[at] = c;
            }
        }
        return s;
    }

  private:
    std::mt19937_64 rng_;
};

const velmar::Document& BenchDocument() {
    static const velmar::Document doc = [] {
        namespace fx = velmar::fixtures;
        fx::PcgImage image = fx::GeneratePcg({.seed = 6});
        Generator gen(6);
        std::vector<std::string> songs;
        std::vector<std::string> names;
        for (int i = 0; i < 120; ++i) {
            songs.push_back(gen.Text(300 + static_cast<std::size_t>(gen.Below(213))));
            // Titles of two words, so names repeat per song and some agree in their letters.
            names.push_back(gen.Text(6 + static_cast<std::size_t>(gen.Below(10))) + " " +
                            std::to_string(i % 3));
        }
        for (int a = 0; a < 128; ++a) {
            fx::PutListName(image, a, "Gig " + std::to_string(a));
            for (int s = 0; s < 128; ++s) {
                const int song = gen.Below(static_cast<int>(songs.size()));
                // Now and then a song was renamed in one set list: then only its comment tells.
                const int title =
                    gen.Below(10) < 2 ? gen.Below(static_cast<int>(songs.size())) : song;
                fx::PutSlotName(image, a, s, names[static_cast<std::size_t>(title)]);
                // Six in ten comments are near copies of their song's, the rest new text.
                const std::string comment =
                    gen.Below(10) < 6
                        ? gen.Edit(songs[static_cast<std::size_t>(song)], gen.Below(40))
                        : gen.Text(300 + static_cast<std::size_t>(gen.Below(213)));
                fx::PutSlotComment(image, a, s, comment);
            }
        }
        // The searched slot holds a song whose near copies stand under other names too.
        fx::PutSlotName(image, kCurrentList, kCurrentSlot, names[0]);
        fx::PutSlotComment(image, kCurrentList, kCurrentSlot, songs[0]);
        fx::FixChecksum(image);
        velmar::Document d;
        if (!d.LoadImage(image.bytes, "bench.pcg").ok) std::abort();
        return d;
    }();
    return doc;
}

void BM_SimilarSearch(benchmark::State& state, velmar::CommentMethod method) {
    const velmar::Document& doc = BenchDocument();
    const velmar::SimilarCriteria all{true, true, true,
                                      true, true, static_cast<int>(state.range(0))};
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto result = velmar::FindSimilarSlots(doc, kCurrentList, kCurrentSlot, all, method);
        hits = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
}

}  // namespace

BENCHMARK_CAPTURE(BM_SimilarSearch, FullTable, velmar::CommentMethod::FullTable)
    ->Arg(50)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_SimilarSearch, Fast, velmar::CommentMethod::Fast)
    ->Arg(50)
    ->Arg(70)
    ->Arg(90)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
