#include "ui/tables/table_sheets.h"

#include <algorithm>
#include <initializer_list>
#include <numeric>

#include "formats/journal_csv.h"
#include "text/readable_numbers.h"
#include "text/text_fill.h"
#include "ui/kit/qt_text.h"
#include "ui/tables/tables_texts.h"

namespace ondiscale {
namespace {

namespace texts = tables_texts;

// The files are for French spreadsheets, whatever the user's locale.
constexpr std::string_view kComma = ",";

struct Heading {
    const char* shown;
    const char* csv = nullptr;  // the shown one on one line when absent
};

Sheet sheetWith(std::initializer_list<Heading> headings) {
    Sheet sheet;
    for (const Heading& h : headings) {
        sheet.headings.emplace_back(h.shown);
        std::string csv = h.csv != nullptr ? h.csv : h.shown;
        std::replace(csv.begin(), csv.end(), '\n', ' ');
        sheet.csvHeadings.push_back(std::move(csv));
    }
    return sheet;
}

SheetCell probabilityCell(double probability, const NumberStyle& style) {
    return {percentShown(probability, style.decimal), probability, fullText(probability, kComma),
            true};
}

SheetCell countCell(Count count, const NumberStyle& style) {
    return {groupedText(count, style.group), static_cast<double>(count), wholeText(count), true};
}

SheetCell wholeCell(int n) {
    return {std::to_string(n), static_cast<double>(n), std::to_string(n), true};
}

SheetCell textCell(const std::string& text, double key) {
    return {text, key, csvField(text), false};
}

// "3-2", as teachers print a split. A spreadsheet would read "3-2" as the
// 3rd of February: the file has an en dash instead.
SheetCell splitCell(int longer, int shorter, double key) {
    const std::string l = std::to_string(longer);
    const std::string s = std::to_string(shorter);
    return {l + '-' + s, key, l + "\u2013" + s, false};
}

std::string joined(const auto& items, std::string_view between) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty()) {
            text += between;
        }
        text += item;
    }
    return text;
}

const char* groupName(PatternGroup group) {
    switch (group) {
        case PatternGroup::Balanced:
            return texts::kBalanced;
        case PatternGroup::SemiBalanced:
            return texts::kSemiBalanced;
        case PatternGroup::Unbalanced:
            break;
    }
    return texts::kUnbalanced;
}

}  // namespace

std::string percentShown(double probability, std::string_view decimalSeparator) {
    if (probability == 0) {
        return std::string("0") + texts::kPercent;
    }
    const double percent = 100 * probability;
    return fixedText(percent, std::max(2, decimalsFor(percent)), decimalSeparator) +
           texts::kPercent;
}

Sheet splitSheet(const SplitTable& table, const NumberStyle& style) {
    Sheet sheet = sheetWith({{texts::kMissing},
                             {texts::kSplit},
                             {texts::kProbability},
                             {texts::kLayouts},
                             {texts::kPerLayout, texts::kPerLayoutCsv}});
    sheet.nameColumn = 1;
    sheet.probabilityColumn = 2;
    // With equal places both ways of a split are equally likely, and so is
    // each layout of either way.
    const bool bothWays = table.places.west == table.places.east;
    for (const SplitRow& row : table.rows) {
        for (const SplitWay& way : {row.westLonger, row.eastLonger}) {
            const auto key = static_cast<double>(sheet.rows.size());
            const bool whole = bothWays || row.even();
            const double probability = whole ? row.probability : way.probability;
            if (probability > 0) {
                SheetCell name = whole ? splitCell(row.longer, row.shorter, key)
                                       : textCell(fill(texts::kWay, {std::to_string(way.west),
                                                                     std::to_string(way.east)}),
                                                  key);
                if (!whole) {
                    name.brief = fill(texts::kWayBrief,
                                      {std::to_string(way.west), std::to_string(way.east)});
                }
                sheet.rows.push_back({wholeCell(row.missing), std::move(name),
                                      probabilityCell(probability, style),
                                      countCell(whole ? row.layouts : way.layouts, style),
                                      probabilityCell(way.layoutProbability, style)});
            }
            if (whole) {
                break;
            }
        }
    }
    return sheet;
}

Sheet patternSheet(const std::vector<PatternRow>& patterns, const NumberStyle& style) {
    Sheet sheet = sheetWith({{texts::kPattern},
                             {texts::kProbability},
                             {texts::kCumulative},
                             {texts::kHands},
                             {texts::kGroup}});
    for (const PatternRow& p : patterns) {
        const auto key = static_cast<double>(sheet.rows.size());
        sheet.rows.push_back({textCell(p.text, key), probabilityCell(p.probability, style),
                              probabilityCell(p.cumulative, style), countCell(p.hands, style),
                              textCell(groupName(p.group), static_cast<double>(p.group))});
    }
    return sheet;
}

std::string patternGroupsText() {
    return fill(texts::kGroups,
                {joined(kBalancedPatterns, ", "), joined(kSemiBalancedPatterns, ", ")});
}

Sheet pointSheet(const PointTable& table, const NumberStyle& style) {
    Sheet sheet =
        sheetWith({{texts::kPoints},
                   {texts::kProbability},
                   {texts::kAtLeast},
                   {table.holder == PointHolder::Hand ? texts::kHands : texts::kSideHands}});
    for (const PointRow& row : table.rows) {
        sheet.rows.push_back({wholeCell(row.points), probabilityCell(row.probability, style),
                              probabilityCell(row.atLeast, style), countCell(row.hands, style)});
    }
    return sheet;
}

Sheet suitLengthSheet(const std::vector<SuitLengthRow>& rows, const NumberStyle& style) {
    Sheet sheet = sheetWith({{texts::kLength}, {texts::kProbability}, {texts::kHands}});
    for (const SuitLengthRow& row : rows) {
        sheet.rows.push_back({wholeCell(row.length), probabilityCell(row.probability, style),
                              countCell(row.hands, style)});
    }
    return sheet;
}

Sheet fitSheet(const FitTable& table, const NumberStyle& style) {
    Sheet sheet = sheetWith({{texts::kPartner, texts::kPartnerCsv},
                             {texts::kTogether},
                             {texts::kProbability},
                             {texts::kAtLeast},
                             {texts::kHands}});
    sheet.probabilityColumn = 2;
    for (const FitRow& row : table.rows) {
        sheet.rows.push_back({wholeCell(row.partner), wholeCell(row.together),
                              probabilityCell(row.probability, style),
                              probabilityCell(row.atLeast, style), countCell(row.hands, style)});
    }
    return sheet;
}

std::vector<ChartBar> barsOf(const Sheet& sheet, const std::vector<std::size_t>& rows) {
    std::vector<ChartBar> bars;
    for (const std::size_t r : rows) {
        const std::vector<SheetCell>& row = sheet.rows.at(r);
        const SheetCell& p = row.at(sheet.probabilityColumn);
        const SheetCell& name = row.at(sheet.nameColumn);
        bars.push_back({qtText(name.shown), 100 * p.key, qtText(p.shown), qtText(name.brief)});
    }
    return bars;
}

std::vector<std::size_t> rowsWhere(const Sheet& sheet, std::size_t column, double key) {
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
        if (sheet.rows[r].at(column).key == key) {
            rows.push_back(r);
        }
    }
    return rows;
}

std::vector<std::size_t> allRows(const Sheet& sheet) {
    std::vector<std::size_t> rows(sheet.rows.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    return rows;
}

std::string sheetCsv(const Sheet& sheet, const std::vector<std::size_t>& order) {
    std::string csv = "\xEF\xBB\xBF";
    std::vector<std::string> fields;
    for (const std::string& heading : sheet.csvHeadings) {
        fields.push_back(csvField(heading));
    }
    csv += joined(fields, ";") + "\r\n";
    for (const std::size_t r : order) {
        fields.clear();
        for (const SheetCell& cell : sheet.rows.at(r)) {
            fields.push_back(cell.csv);
        }
        csv += joined(fields, ";") + "\r\n";
    }
    return csv;
}

}  // namespace ondiscale
