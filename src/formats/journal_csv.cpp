#include "formats/journal_csv.h"

#include "journal/journal_text.h"
#include "text/number_text.h"
#include "text/readable_numbers.h"

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
            // Every digit of the doubles, for a spreadsheet to compute with.
            const auto percent = [](double value) { return fullText(value, kComma); };
            for (const std::string& field :
                 {wholeText(static_cast<std::int64_t>(run) + 1), csvField(runTitle(entry)),
                  csvField(figure.name), wholeText(countedDeals(entry)), wholeText(figure.hits),
                  percent(s.estimate), percent(s.margin), percent(s.low), percent(s.high),
                  s.exact ? percent(*s.exact)
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
