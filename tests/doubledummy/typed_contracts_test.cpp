// Contracts pasted with an emoji suit sign or a no-break space read as
// the contracts they show.
#include <gtest/gtest.h>

#include "doubledummy/contract.h"

using namespace ondiscale;

namespace {

TEST(TypedContracts, EmojiSignsAndNoBreakSpacesAreNoFault) {
    struct Row {
        const char* typed;
        std::vector<Contract> contracts;
    };
    const Row rows[] = {
        {"3♠\uFE0F Nord", {{3, Strain::Spades, Seat::North}}},
        {"4♥\uFE0F\u00A0Sud, 3SA\u202FEst",
         {{4, Strain::Hearts, Seat::South}, {3, Strain::NoTrump, Seat::East}}},
        {"\u00A06♦\uFE0E Ouest\u00A0", {{6, Strain::Diamonds, Seat::West}}},
    };
    for (const Row& row : rows) {
        const ParsedContracts parsed = parseContracts(row.typed);
        EXPECT_EQ(parsed.error, "") << row.typed;
        EXPECT_EQ(parsed.contracts, row.contracts) << row.typed;
    }
}

}  // namespace
