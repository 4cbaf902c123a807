#include "text/number_text.h"

#include <gtest/gtest.h>

using ondiscale::singleText;
using ondiscale::wholeText;

namespace {

TEST(NumberText, WholeNumbersArePlainDigits) {
    EXPECT_EQ(wholeText(0), "0");
    EXPECT_EQ(wholeText(100000), "100000");
    EXPECT_EQ(wholeText(2147483647), "2147483647");
    EXPECT_EQ(wholeText(21474800000), "21474800000");
}

TEST(NumberText, SingleValuesWithEitherSeparator) {
    struct Row {
        float value;
        const char* point;
        const char* comma;
    };
    const Row rows[] = {
        {0.0F, "0", "0"},
        {-0.0F, "0", "0"},
        {100.0F, "100", "100"},
        {21.55F, "21.55", "21,55"},
        {5.123F, "5.123", "5,123"},
        {0.01F, "0.01", "0,01"},  // one hit in 10,000 deals
        {static_cast<float>(1.0 / 3000), "0.0003333333", "0,0003333333"},  // 1 hit, 3 batches
        {static_cast<float>(1.0 / 11000), "0.00009090909", "0,00009090909"},
        {static_cast<float>(2.0 / 3), "0.6666667", "0,6666667"},
        {99.99999F, "99.99999", "99,99999"},
        {99.999999F, "100", "100"},  // rounds up at the seventh digit
        {1234567.0F, "1234567", "1234567"},
        {12345678.0F, "12345680", "12345680"},  // 7 significant digits, no exponent
        {-2.5F, "-2.5", "-2,5"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(singleText(row.value, "."), row.point) << row.value;
        EXPECT_EQ(singleText(row.value, ","), row.comma) << row.value;
    }
}

}  // namespace
