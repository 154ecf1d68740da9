// What a load and a save of a large PCG file cost, each beside the bare file I/O of the same
// bytes in the same run, so the figures say how much the program adds to the disk's time.
// Wall-clock times: file I/O is what is measured.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/Save.h"
#include "tools/fixtures/PcgFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kFileSize = std::size_t{40} << 20;

// One generated file for the whole run, removed at exit.
class BenchFiles {
  public:
    BenchFiles() {
        const char* dir = std::getenv("VELMAR_BENCH_DIR");
        dir_ = fs::path(dir != nullptr ? dir : fs::temp_directory_path().string()) /
               ("velmar-bench-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        image_ = velmar::fixtures::GeneratePcg({.seed = 40, .totalSize = kFileSize}).bytes;
        if (const auto error = velmar::fixtures::WriteBytes(Source(), image_)) {
            std::fprintf(stderr, "%s\n", error->c_str());
            std::exit(1);
        }
    }
    ~BenchFiles() {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    [[nodiscard]] std::string Source() const { return (dir_ / "source.pcg").string(); }
    [[nodiscard]] std::string Target() const { return (dir_ / "target.pcg").string(); }
    [[nodiscard]] const std::vector<std::uint8_t>& Image() const { return image_; }

  private:
    fs::path dir_;
    std::vector<std::uint8_t> image_;
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

void Processed(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Files().Image().size()));
}

// The floor of a load: the file's bytes read into memory in one block.
void BM_ReadBytesOnly(benchmark::State& state) {
    const std::string path = Files().Source();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(fs::file_size(path)));
        const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(bytes.data());
    }
    Processed(state);
}
BENCHMARK(BM_ReadBytesOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole load: read, chunk search, the 128 set list names.
void BM_LoadFile(benchmark::State& state) {
    const std::string path = Files().Source();
    for (auto _ : state) {
        velmar::Document doc;
        const velmar::LoadResult result = doc.LoadFile(path);
        if (!result.ok) state.SkipWithError(result.error.c_str());
        benchmark::DoNotOptimize(result.items.data());
    }
    Processed(state);
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The chunk search alone, on bytes already in memory.
void BM_FindChunks(benchmark::State& state) {
    const auto& image = Files().Image();
    for (auto _ : state) benchmark::DoNotOptimize(velmar::FindChunks(image));
    Processed(state);
}
BENCHMARK(BM_FindChunks)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of a save: the same bytes written in one block, without and with the flush to disk
// that the save's atomic replacement does.
void RawWrite(benchmark::State& state, bool flush) {
    const auto& image = Files().Image();
    const std::string path = Files().Target();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        const std::size_t wrote = std::fwrite(image.data(), 1, image.size(), f);
        if (flush) {
            std::fflush(f);
            fsync(fileno(f));
        }
        std::fclose(f);
        benchmark::DoNotOptimize(wrote);
    }
    Processed(state);
}
void BM_WriteBytesOnly(benchmark::State& state) {
    RawWrite(state, false);
}
void BM_WriteBytesAndFlush(benchmark::State& state) {
    RawWrite(state, true);
}
BENCHMARK(BM_WriteBytesOnly)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteBytesAndFlush)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole save: stray-tag check, checksum, temporary file, flush, rename.
void BM_SaveDocument(benchmark::State& state) {
    velmar::Document doc;
    if (const auto result = doc.LoadFile(Files().Source()); !result.ok) {
        state.SkipWithError(result.error.c_str());
        return;
    }
    const std::string path = Files().Target();
    for (auto _ : state) {
        const velmar::SaveResult result = velmar::SaveDocument(doc, path, false);
        if (!result.ok) state.SkipWithError(result.error.c_str());
    }
    Processed(state);
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two passes over the image that a save makes before writing.
const velmar::Document& Loaded() {
    static const velmar::Document doc = [] {
        velmar::Document d;
        if (!d.LoadImage(Files().Image(), Files().Source()).ok) std::exit(1);
        return d;
    }();
    return doc;
}
void BM_FindStrayChunkTag(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmar::FindStrayChunkTag(Loaded()));
    Processed(state);
}
void BM_ComputeChecksum(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Loaded().ComputeChecksum());
    Processed(state);
}
BENCHMARK(BM_FindStrayChunkTag)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ComputeChecksum)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
