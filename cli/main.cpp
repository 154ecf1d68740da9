// velmar-cli: the set lists of a KRONOS PCG file for scripts, backups and diffs. Texts are
// printed as UTF-8; the file stores them in Windows-1252.
#include <iostream>
#include <string>
#include <vector>

#include "cli/AnalysisCommands.h"
#include "cli/DocumentCommands.h"
#include "cli/Usage.h"

namespace velmar::cli {

int UsageError(std::ostream& err) {
    err << "usage: velmar-cli COMMAND FILE [ARGS]\n"
           "  lists FILE             the 128 set lists, one a line (\"000 Name\")\n"
           "  slots FILE LIST        the 128 slots of set list LIST (0..127)\n"
           "  export FILE            every set list and slot as one JSON document\n"
           "  resave FILE OUT        load FILE and save it as OUT (checksum recomputed)\n"
           "  check FILE             where the set list chunks are, and the checksum\n"
        << AnalysisUsage();
    return 2;
}

}  // namespace velmar::cli

int main(int argc, char** argv) {
    using namespace velmar::cli;
    if (argc < 2) return UsageError(std::cerr);
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    std::ios::sync_with_stdio(false);
    int code = RunDocumentCommand(command, args, std::cout, std::cerr);
    if (code < 0) code = RunAnalysisCommand(command, args, std::cout, std::cerr);
    std::cout.flush();
    return code >= 0 ? code : UsageError(std::cerr);
}
