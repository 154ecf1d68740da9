#include "cli/AnalysisCommands.h"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "analysis/Compare.h"
#include "analysis/Find.h"
#include "analysis/Reports.h"
#include "analysis/SimilarSlots.h"
#include "cli/SoundOrder.h"
#include "cli/Usage.h"
#include "document/Cp1252.h"
#include "document/Document.h"

namespace velmar::cli {

namespace {

int Usage(std::ostream& err) {
    err << "usage: velmar-cli COMMAND FILE [ARGS]\n" << AnalysisUsage();
    return 2;
}

// Texts go out as UTF-8; the report line ends (CR LF) stay as they are.
void Print(std::ostream& out, std::string_view fileText) {
    out << Cp1252ToUtf8(fileText);
}

int Report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int list = 0;
    if (args.size() != 3 || !ParseIndex(args[1], list)) return Usage(err);
    const std::string& kind = args[2];
    if (kind != "by-number" && kind != "by-sound" && kind != "comments") return Usage(err);
    Document doc;
    if (!LoadOrReport(doc, args[0], err)) return 1;
    if (kind == "by-number")
        Print(out, ListBySlotNumber(doc, list));
    else if (kind == "by-sound")
        Print(out, ListBySound(doc, list, SoundOrder()));
    else
        Print(out, ListWithComments(doc, list));
    return 0;
}

int Compare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int a = 0;
    int b = 0;
    if (args.size() != 3 || !ParseIndex(args[1], a) || !ParseIndex(args[2], b) || a == b)
        return Usage(err);
    Document doc;
    if (!LoadOrReport(doc, args[0], err)) return 1;
    // As in the window, the lower-numbered set list is A.
    const auto report = CompareSetLists(doc, std::min(a, b), std::max(a, b));
    if (report)
        Print(out, *report);
    else
        out << kNoDifferencesFound << '\n';
    return 0;
}

int Find(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool comments = args.size() == 3 && args[2] == "--comments";
    if (args.size() != 2 && !comments) return Usage(err);
    Document doc;
    if (!LoadOrReport(doc, args[0], err)) return 1;
    const FindQuery query{Utf8ToCp1252(args[1]), comments};
    if (query.text.empty()) return 0;
    for (const SlotAddress& at : FindAllAcrossLists(doc, query)) {
        out << ThreeDigits(at.list) << ' ' << ThreeDigits(at.slot) << ' ';
        Print(out, doc.GetSlotName(at.list, at.slot));
        out << '\n';
    }
    return 0;
}

bool ParseThreshold(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0 && value <= 100;
}

int Similar(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int list = 0;
    int slot = 0;
    if (args.size() < 3 || !ParseIndex(args[1], list) || !ParseIndex(args[2], slot))
        return Usage(err);
    SimilarCriteria criteria{false, false, false, false, false, 50};
    for (std::size_t i = 3; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--same-name")
            criteria.sameName = true;
        else if (flag == "--similar-name")
            criteria.similarName = true;
        else if (flag == "--same-comment")
            criteria.sameComment = true;
        else if (flag == "--similar-comment")
            criteria.similarComment = true;
        else if (flag == "--same-sound")
            criteria.sameSound = true;
        else if (flag == "--threshold" && i + 1 < args.size() &&
                 ParseThreshold(args[i + 1], criteria.threshold))
            ++i;
        else
            return Usage(err);
    }
    Document doc;
    if (!LoadOrReport(doc, args[0], err)) return 1;
    for (const SimilarHit& hit : FindSimilarSlots(doc, list, slot, criteria)) {
        std::string label = hit.label;
        const std::size_t lineEnd = label.find("\r\n");
        if (lineEnd != std::string::npos) label.replace(lineEnd, 2, " | ");
        out << hit.nameState << ' ' << hit.commentState << ' ' << hit.soundState << ' ';
        Print(out, label);
        out << '\n';
    }
    return 0;
}

}  // namespace

const char* AnalysisUsage() {
    return "  report FILE LIST by-number|by-sound|comments\n"
           "                         a generated list of set list LIST (CR LF line ends)\n"
           "  compare FILE A B       the comparison of set lists A and B by slot name\n"
           "  find FILE TEXT [--comments]\n"
           "                         every slot whose name (or comment) holds TEXT\n"
           "  similar FILE LIST SLOT [--same-name] [--similar-name] [--same-comment]\n"
           "          [--similar-comment] [--same-sound] [--threshold N]\n"
           "                         the similar-slot finder's hits for that slot\n"
           "                         (threshold 0..100 percent, default 50)\n";
}

int RunAnalysisCommand(const std::string& command, const std::vector<std::string>& args,
                       std::ostream& out, std::ostream& err) {
    if (command == "report") return Report(args, out, err);
    if (command == "compare") return Compare(args, out, err);
    if (command == "find") return Find(args, out, err);
    if (command == "similar") return Similar(args, out, err);
    return -1;
}

}  // namespace velmar::cli
