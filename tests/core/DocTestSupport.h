#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

#include "document/Document.h"
#include "tools/fixtures/PcgFixture.h"

namespace velmar::testing {

// A scratch directory that lives as long as the test.
class ScratchDir {
public:
    ScratchDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("velmar-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    [[nodiscard]] std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A blank generated image (all names, comments and slot bytes zero) loaded into a document.
inline fixtures::PcgImage BlankImage(bool withDirectory = true) {
    fixtures::PcgOptions options;
    options.blank = true;
    options.withDirectory = withDirectory;
    return fixtures::GeneratePcg(options);
}

inline void LoadOrDie(Document& doc, const fixtures::PcgImage& image, const std::string& name = "t.pcg") {
    const LoadResult r = doc.LoadImage(image.bytes, name);
    if (!r.ok) throw std::runtime_error("fixture did not load: " + r.error);
}

}  // namespace velmar::testing
