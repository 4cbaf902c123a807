// Numbers pasted with an invisible character read as the numbers they show.
#include <gtest/gtest.h>

#include "condition/bounds_check.h"
#include "condition/table_bounds_check.h"

using namespace ondiscale;

namespace {

TEST(TypedBoxes, ANoBreakSpaceOrAnInvisibleCharacterIsNoFault) {
    struct Row {
        const char* typed;
        std::optional<std::uint8_t> value;
    };
    const Row rows[] = {{"3\u00A0", 3}, {"\u00A012\u202F", 12},     {"1\u200B3", 13},
                        {"\uFEFF5", 5}, {"3\u00A03", std::nullopt}, {"\u00A0", std::nullopt}};
    for (const Row& row : rows) {
        EXPECT_EQ(boxValue(row.typed), row.value) << row.typed;
    }

    // The four-hand window's boxes: "3" and a no-break space is 3.
    TableTexts texts = textsOf(TableBounds{});
    texts[2][0].min = "3\u00A0";
    const TableBoundsCheck check = checkTableBounds(texts);
    ASSERT_TRUE(check.bounds.has_value()) << check.message;
    EXPECT_EQ(check.bounds->hand(Seat::South).suit(Suit::Spades).min, 3);
}

}  // namespace
