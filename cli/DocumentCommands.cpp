#include "cli/DocumentCommands.h"

#include <charconv>
#include <ostream>

#include "cli/Usage.h"
#include "document/Cp1252.h"
#include "document/Document.h"
#include "document/Save.h"

namespace velmar::cli {

namespace {

void JsonString(std::ostream& out, std::string_view fileText) {
    const std::string utf8 = Cp1252ToUtf8(fileText);
    out << '"';
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out << "\\\""; break;
            case '\\': out << "\\\\"; break;
            case '\n': out << "\\n"; break;
            case '\r': out << "\\r"; break;
            case '\t': out << "\\t"; break;
            default:
                if (u < 0x20) {
                    static const char* hex = "0123456789abcdef";
                    out << "\\u00" << hex[u >> 4] << hex[u & 15];
                } else {
                    out << c;
                }
        }
    }
    out << '"';
}

void ExportJson(const Document& doc, const std::string& name, std::ostream& out) {
    out << "{\"file\": ";
    JsonString(out, Utf8ToCp1252(name));
    out << ", \"setLists\": [";
    for (int a = 0; a < kSetListCount; ++a) {
        out << (a ? ",\n" : "\n") << "{\"index\": " << a << ", \"name\": ";
        JsonString(out, doc.GetListName(a));
        out << ", \"slots\": [";
        for (int s = 0; s < kSlotCount; ++s) {
            const int color = doc.GetSlotColorIndex(a, s);
            out << (s ? ",\n " : "\n ") << "{\"index\": " << s << ", \"name\": ";
            JsonString(out, doc.GetSlotName(a, s));
            out << ", \"comment\": ";
            JsonString(out, doc.GetSlotComment(a, s));
            out << ", \"sound\": ";
            JsonString(out, doc.GetSoundText(a, s, false));
            out << ", \"soundShort\": ";
            JsonString(out, doc.GetSoundText(a, s, true));
            out << ", \"transpose\": ";
            JsonString(out, doc.GetTransposeText(a, s));
            out << ", \"volume\": ";
            JsonString(out, doc.GetVolumeText(a, s));
            out << ", \"hold\": ";
            JsonString(out, doc.GetHoldText(a, s));
            out << ", \"colorIndex\": " << color << ", \"colorName\": ";
            JsonString(out, kSlotColors[static_cast<std::size_t>(color)].name);
            out << ", \"fontSize\": " << doc.GetSlotFontSize(a, s) << "}";
        }
        out << "]}";
    }
    out << "\n]}\n";
}

}  // namespace

bool LoadOrReport(Document& doc, const std::string& name, std::ostream& err) {
    const LoadResult loaded = doc.LoadFile(name);
    if (!loaded.ok) err << Cp1252ToUtf8(loaded.error) << '\n';
    return loaded.ok;
}

bool ParseIndex(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0 && value <= 127;
}

int RunDocumentCommand(const std::string& command, const std::vector<std::string>& args,
                       std::ostream& out, std::ostream& err) {
    Document doc;
    if (command == "lists" || command == "export" || command == "check") {
        if (args.size() != 1) return UsageError(err);
        if (!LoadOrReport(doc, args[0], err)) return 1;
        if (command == "lists") {
            for (const std::string& item : doc.ListItems()) out << Cp1252ToUtf8(item) << '\n';
        } else if (command == "export") {
            ExportJson(doc, args[0], out);
        } else {
            out << "SBK1 at " << doc.SbkPos() << '\n';
            if (doc.HasDirectory()) out << "SDB1 at " << doc.SdbPos() << '\n';
            else out << "SDB1 missing\n";
            out << "checksum stored " << int{doc.StoredChecksum()} << " computed "
                << int{doc.ComputeChecksum()} << '\n';
        }
        return 0;
    }
    if (command == "slots") {
        int list = 0;
        if (args.size() != 2 || !ParseIndex(args[1], list)) return UsageError(err);
        if (!LoadOrReport(doc, args[0], err)) return 1;
        for (int s = 0; s < kSlotCount; ++s)
            out << Cp1252ToUtf8(ItemText(s, doc.GetSlotName(list, s))) << '\n';
        return 0;
    }
    if (command == "resave") {
        if (args.size() != 2) return UsageError(err);
        if (!LoadOrReport(doc, args[0], err)) return 1;
        const SaveResult saved = SaveDocument(doc, args[1], false);
        if (!saved.ok) {
            err << Cp1252ToUtf8(saved.error) << '\n';
            return 1;
        }
        return 0;
    }
    return -1;
}

}  // namespace velmar::cli
