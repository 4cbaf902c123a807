#include "text/typed_text.h"

#include <gtest/gtest.h>

using namespace ondiscale;

namespace {

// What a paste or a phone's keyboard puts in a box, made plain.
TEST(TypedText, WhatLooksLikeASpaceOrLikeNothingIsMadePlain) {
    struct Row {
        const char* typed;
        const char* plain;
    };
    const Row rows[] = {
        {"3\u00A0", "3 "},                 // no-break space
        {"\u202F12\u2007", " 12 "},        // narrow no-break, figure space
        {"3♠\uFE0F Nord", "3♠ Nord"},      // the emoji selector
        {"4♥\uFE0E Sud", "4♥ Sud"},        // the text selector
        {"1\u200B3", "13"},                // zero-width space
        {"\uFEFF5", "5"},                  // byte order mark
        {"1\u200D\u200C\u20603", "13"},    // joiners
        {"é ♠ « 6421 »", "é ♠ « 6421 »"},  // the rest as typed
        {"\xC2", "\xC2"},                  // a cut character stays
        {"\xFF\xFE", "\xFF\xFE"},
        {"", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(plainTyped(row.typed), row.plain) << row.typed;
    }
}

}  // namespace
