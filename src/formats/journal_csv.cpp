#include "formats/journal_csv.h"

#include "journal/journal_text.h"
#include "text/number_text.h"

namespace ondiscale {
namespace {

constexpr std::string_view kComma = ",";

}  // namespace

std::string csvField(std::string_view text) {
    std::string field;
    if (!text.empty() &&
        std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        field += '\'';
    }
    field += text;
    const bool quoted = field.find_first_of(";\"\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
        return field;
    }
    std::string out = "\"";
    for (const char ch : field) {
        out += ch;
        if (ch == '"') {
            out += '"';
        }
    }
    return out + '"';
}

std::string journalCsv(const std::vector<JournalEntry>& entries) {
    std::string csv = "\xEF\xBB\xBF";
    csv += journal_texts::kCsvHeader;
    csv += "\r\n";
    for (std::size_t run = 0; run < entries.size(); ++run) {
        const JournalEntry& entry = entries[run];
        for (const Figure& figure : entry.figures) {
            const FigureStats s = statsOf(figure, entry);
            for (const std::string& field :
                 {wholeText(static_cast<std::int64_t>(run) + 1), csvField(runTitle(entry)),
                  csvField(figure.name), wholeText(countedDeals(entry)), wholeText(figure.hits),
                  percentText(s.estimate, kComma), percentText(s.margin, kComma),
                  percentText(s.low, kComma), percentText(s.high, kComma),
                  s.exact ? percentText(*s.exact, kComma)
                          : (figure.note.empty() ? journal_texts::kNotComputed : figure.note),
                  s.gap ? gapText(*s.gap, kComma) : std::string()}) {
                csv += field;
                csv += ';';
            }
            csv.back() = '\r';
            csv += '\n';
        }
    }
    return csv;
}

}  // namespace ondiscale
