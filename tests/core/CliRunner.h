#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "DocTestSupport.h"

namespace velmar::testing {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs velmar-cli (its path comes from the test's environment, set by CTest) with `args` and
// captures both streams; stderr goes through a file in `dir`.
inline CliRun Cli(const std::string& args, const ScratchDir& dir) {
    const char* cli = std::getenv("VELMAR_CLI");
    if (cli == nullptr) throw std::runtime_error("VELMAR_CLI is not set");
    const std::string errFile = dir.File("stderr.txt");
    const std::string command = std::string(cli) + " " + args + " 2>" + errFile;
    CliRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot start " + command);
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::FILE* err = std::fopen(errFile.c_str(), "rb");
    while (err && (n = std::fread(buf, 1, sizeof buf, err)) > 0) run.err.append(buf, n);
    if (err) std::fclose(err);
    return run;
}

}  // namespace velmar::testing
