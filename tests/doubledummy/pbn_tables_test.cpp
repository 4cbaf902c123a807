// A solved deal's tags as PBN 2.1 writes them.
#include "doubledummy/pbn_tables.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

TEST(PbnTables, OptimumResultTableDeclarerByDeclarerEachStrainFromNoTrumpDown) {
    TrickTable table;
    const std::array<std::array<int, 4>, 5> tricks{{
        {0, 13, 1, 12},  // NT: North, East, South, West
        {13, 0, 12, 1},  // spades
        {2, 11, 3, 10},  // hearts
        {4, 9, 5, 8},    // diamonds
        {6, 7, 7, 6},    // clubs
    }};
    for (std::size_t s = 0; s < 5; ++s) {
        for (std::size_t h = 0; h < 4; ++h) {
            table.tricks[s][h] = static_cast<std::uint8_t>(tricks[s][h]);
        }
    }
    EXPECT_EQ(optimumResultTableText(table),
              "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\n"
              "N NT  0\nN  S 13\nN  H  2\nN  D  4\nN  C  6\n"
              "E NT 13\nE  S  0\nE  H 11\nE  D  9\nE  C  7\n"
              "S NT  1\nS  S 12\nS  H  3\nS  D  5\nS  C  7\n"
              "W NT 12\nW  S  1\nW  H 10\nW  D  8\nW  C  6\n");
}

TEST(PbnTables, ParAsOptimumScoreForNorthSouthAndParContract) {
    EXPECT_EQ(parTagsText({420, "NS 4S"}), "[OptimumScore \"NS 420\"]\n[ParContract \"NS 4S\"]\n");
    EXPECT_EQ(parTagsText({-500, "NS 5Dx-2"}),
              "[OptimumScore \"NS -500\"]\n[ParContract \"NS 5Dx-2\"]\n");
    EXPECT_EQ(parTagsText({0, ""}), "[OptimumScore \"NS 0\"]\n[ParContract \"\"]\n");
}

}  // namespace
