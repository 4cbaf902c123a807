#include "exact/split_table.h"

#include <algorithm>

#include "exact/binomials.h"

namespace ondiscale {
namespace {

// West's holdings of the `unseen` cards that hold exactly `west` of the
// `missing` ones, one layout at a time: the rest of his places are filled
// from the unseen cards of the other suits.
SplitWay splitWay(int unseen, int westPlaces, int missing, int west, Count holdings) {
    SplitWay way;
    way.west = west;
    way.east = missing - west;
    way.layouts = choose(missing, west);
    way.holdingsPerLayout = choose(unseen - missing, westPlaces - west);
    const Count all = checkedMul(way.layouts, way.holdingsPerLayout);
    way.probability = shareOf(all, holdings);
    way.layoutProbability = shareOf(way.holdingsPerLayout, holdings);
    return way;
}

}  // namespace

SplitTable splitTable(VacantPlaces places) {
    places.west = std::min<std::uint8_t>(places.west, 13);
    places.east = std::min<std::uint8_t>(places.east, 13);
    const int westPlaces = places.west;
    const int unseen = places.west + places.east;

    SplitTable table;
    table.places = places;
    table.holdings = choose(unseen, westPlaces);
    for (int missing = 1; missing <= std::min(13, unseen); ++missing) {
        for (int longer = (missing + 1) / 2; longer <= missing; ++longer) {
            SplitRow row;
            row.missing = missing;
            row.longer = longer;
            row.shorter = missing - longer;
            row.westLonger = splitWay(unseen, westPlaces, missing, longer, table.holdings);
            row.eastLonger = splitWay(unseen, westPlaces, missing, row.shorter, table.holdings);
            const int ways = row.even() ? 1 : 2;
            row.layouts = ways * row.westLonger.layouts;
            row.holdings = checkedMul(row.westLonger.layouts, row.westLonger.holdingsPerLayout);
            if (!row.even()) {
                row.holdings = checkedMulAdd(row.holdings, row.eastLonger.layouts,
                                             row.eastLonger.holdingsPerLayout);
            }
            row.probability = shareOf(row.holdings, table.holdings);
            table.rows.push_back(row);
        }
    }
    return table;
}

}  // namespace ondiscale
