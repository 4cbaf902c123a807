#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exact/fit_table.h"
#include "exact/pattern_table.h"
#include "exact/point_table.h"
#include "exact/split_table.h"
#include "exact/suit_length_tables.h"
#include "text/number_text.h"
#include "ui/kit/bar_chart.h"

namespace ondiscale {

// One cell of a table: what the window shows, the number it sorts by (a
// text column keeps an order of its own: the splits from the most even,
// the groups from the balanced), and what the CSV file holds, with every
// digit.
struct SheetCell {
    std::string shown;
    double key = 0;
    std::string csv;
    bool number = true;
    std::string brief;  // a shorter name under a chart's bar, where one is needed
};

// One of the window's tables, made from an exact table: the window shows
// it and sorts it by any column, its chart draws one column of it against
// another, the CSV file gets it whole.
struct Sheet {
    std::vector<std::string> headings;     // "\n" where a heading breaks on screen
    std::vector<std::string> csvHeadings;  // the same on one line
    std::vector<std::vector<SheetCell>> rows;
    std::size_t nameColumn = 0;         // what names a bar of the chart
    std::size_t probabilityColumn = 1;  // its height
};

// A probability as people read it: a percentage with two decimals, more
// for a small one, so that its first two significant digits show:
// "67,83 %", "0,0036 %", "100,00 %"; "0 %" for an impossible case.
std::string percentShown(double probability, std::string_view decimalSeparator);

// Manque, Répartition, Probabilité, Combinaisons, % par combinaison: every
// missing number's splits, both ways together as teachers print them
// ("4-1"). When the opponents' places differ, the two ways of an uneven
// split differ too, and each has its own row ("Ouest 4 – Est 1", "4–1"
// under its bar). A split the places make impossible is left out.
Sheet splitSheet(const SplitTable& table, const NumberStyle& style);
inline constexpr std::size_t kMissingColumn = 0;

// Distribution, Probabilité, Probabilité cumulée, Mains, Groupe.
Sheet patternSheet(const std::vector<PatternRow>& patterns, const NumberStyle& style);

// "Régulières : 4333, 4432, 5332 ; semi-régulières : 5422, 6322 ; les
// autres sont irrégulières.", from the lists the groups are made of.
std::string patternGroupsText();

// Points, Probabilité, Au moins, and the hands (or the partnership's sets
// of 26 cards) that have them.
Sheet pointSheet(const PointTable& table, const NumberStyle& style);

// Cartes, Probabilité, Mains: a hand's longest or shortest suit.
Sheet suitLengthSheet(const std::vector<SuitLengthRow>& rows, const NumberStyle& style);

// Cartes du partenaire, Ensemble, Probabilité, Au moins, Mains.
Sheet fitSheet(const FitTable& table, const NumberStyle& style);

// A bar of a chart: its name, its height in percent and the percentage
// as the table shows it.
// The bars of the given rows of a sheet, in that order.
std::vector<ChartBar> barsOf(const Sheet& sheet, const std::vector<std::size_t>& rows);

// The rows whose cell in `column` sorts as `key`: a missing number's splits.
std::vector<std::size_t> rowsWhere(const Sheet& sheet, std::size_t column, double key);

// Every row, in the sheet's own order.
std::vector<std::size_t> allRows(const Sheet& sheet);

// The sheet as a table for French spreadsheets, as the journal writes its
// own: UTF-8 with its byte order mark, ";" between fields, a decimal comma,
// CR LF after each line; its headings, then the rows in the order given.
// Probabilities are written between 0 and 1 with every digit.
std::string sheetCsv(const Sheet& sheet, const std::vector<std::size_t>& order);

}  // namespace ondiscale
