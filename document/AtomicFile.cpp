#include "document/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "editing/TextTools.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace velmar {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBlock = 1 << 20;

// Unique within the process and across processes that run at the same time.
[[nodiscard]] fs::path TemporaryBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
#if defined(_WIN32)
    const long pid = static_cast<long>(_getpid());
#else
    const long pid = static_cast<long>(getpid());
#endif
    fs::path tmp = target;
    tmp += ".velmar-" + std::to_string(pid) + "-" + std::to_string(stamp) + "-" +
           std::to_string(counter++) + ".tmp";
    return tmp;
}

[[nodiscard]] bool FlushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

[[nodiscard]] std::FILE* OpenForWriting(const fs::path& path) {
#if defined(_WIN32)
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path,
                                               std::span<const std::uint8_t> bytes,
                                               const AtomicWriteOptions& options) {
    fs::path target = Utf8Path(path);
    std::error_code ec;
    if (options.followSymlink && fs::is_symlink(target, ec)) {
        const fs::path real = fs::weakly_canonical(target, ec);
        if (!ec) target = real;
    }
    const fs::path tmp = TemporaryBeside(target);
    std::FILE* f = OpenForWriting(tmp);
    if (f == nullptr) return "cannot create " + PathToUtf8(tmp) + ": " + std::strerror(errno);

    auto fail = [&](const std::string& what) -> std::optional<std::string> {
        const std::string why = what + ": " + std::strerror(errno);
        if (f != nullptr) std::fclose(f);
        std::error_code ignored;
        fs::remove(tmp, ignored);
        return why;
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t n = std::min(kBlock, bytes.size() - done);
        const std::size_t wrote = options.writer ? options.writer(f, bytes.data() + done, n)
                                                 : std::fwrite(bytes.data() + done, 1, n, f);
        if (wrote != n) return fail("write failed");
        done += n;
    }
    if (!FlushToDisk(f)) return fail("flush failed");
    const int closed = std::fclose(f);
    f = nullptr;
    if (closed != 0) return fail("close failed");

    // Keep the permissions of the file being replaced.
    const auto status = fs::status(target, ec);
    if (!ec && fs::exists(status)) fs::permissions(tmp, status.permissions(), ec);
    fs::rename(tmp, target, ec);
    if (ec) {
        const std::string why = "cannot replace " + PathToUtf8(target) + ": " + ec.message();
        fs::remove(tmp, ec);
        return why;
    }
    return std::nullopt;
}

}  // namespace velmar
