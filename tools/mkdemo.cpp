// Writes a generated KRONOS PCG file: the demo the program opens when started without a file,
// and the seeds of the fuzzer.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "tools/fixtures/PcgFixture.h"

namespace {

constexpr std::uint64_t kDemoSeed = 1962;
constexpr std::size_t kDemoSizeMb = 11;

int Usage() {
    std::fputs(
        "usage: velmar-mkdemo OUT [--seed N] [--size-mb N] [--no-sdb] [--variant NAME]\n"
        "  --size-mb 0: the smallest file that holds the set lists\n"
        "variants:",
        stderr);
    for (auto v : velmar::fixtures::AllVariants())
        std::fprintf(stderr, " %.*s", static_cast<int>(velmar::fixtures::VariantName(v).size()),
                     velmar::fixtures::VariantName(v).data());
    std::fputs("\n", stderr);
    return 2;
}

bool ParseNumber(std::string_view text, std::uint64_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    velmar::fixtures::PcgOptions options;
    options.seed = kDemoSeed;
    std::uint64_t sizeMb = kDemoSizeMb;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            if (!ParseNumber(argv[++i], options.seed)) return Usage();
        } else if (arg == "--size-mb" && hasValue) {
            if (!ParseNumber(argv[++i], sizeMb) || sizeMb > 1024) return Usage();
        } else if (arg == "--no-sdb") {
            options.withDirectory = false;
        } else if (arg == "--variant" && hasValue) {
            const auto variant = velmar::fixtures::VariantFromName(argv[++i]);
            if (!variant) return Usage();
            options.variant = *variant;
        } else if (!arg.starts_with("--") && out.empty()) {
            out = arg;
        } else {
            return Usage();
        }
    }
    if (out.empty()) return Usage();
    // 0 keeps the smallest file that holds the set lists (a little over 9 MB).
    options.totalSize = static_cast<std::size_t>(sizeMb) << 20;
    if (const auto error = velmar::fixtures::WritePcgFile(out, options)) {
        std::fprintf(stderr, "velmar-mkdemo: %s\n", error->c_str());
        return 1;
    }
    return 0;
}
