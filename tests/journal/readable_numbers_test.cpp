#include "text/readable_numbers.h"

#include <gtest/gtest.h>

#include <string>

#include "journal/journal_text.h"

using namespace ondiscale;

namespace {

// One figure after `deals` deals, as the journal's window shows it.
FigureTexts shown(std::int64_t hits, std::int64_t deals, std::optional<double> exact,
                  const std::string& note = {}, RunKind kind = RunKind::Survey) {
    JournalEntry entry;
    entry.kind = kind;
    entry.deals = deals;
    entry.figures.push_back({"f", exact, note, hits, {}});
    return figureTexts(entry, {",", " "}).front();
}

TEST(ReadableNumbers, EachFigureAsPeopleReadIt) {
    struct Row {
        std::int64_t hits, deals;
        std::optional<double> exact;
        const char *estimate, *interval, *exactText, *gap;
    };
    const Row rows[] = {
        // The interval is Wilson's own, not a symmetric margin around the estimate.
        {80, 10'000, 0.008, "0,80 %", "[0,64 ; 0,99] %", "0,80 %", "0"},
        {5180, 200'000, 0.02582369, "2,590 %", "[2,521 ; 2,661] %", "2,582 %", "0,2"},
        {2155, 10'000, 0.2155118, "21,55 %", "[20,76 ; 22,37] %", "21,55 %", "0"},
        // No hit: the interval still says how rare it may be.
        {0, 20'000, 0.0001, "0,0000 %", "[0,0000 ; 0,0192] %", "0,0100 %", "-1,4"},
        // Every deal a hit.
        {100'000, 100'000, 1.0, "100,0000 %", "[99,9962 ; 100,0000] %", "100,0000 %", "0"},
        {1, 300'000, std::nullopt, "0,00033 %", "[0,00006 ; 0,00189] %", "—", "—"},
        // Before any deal.
        {0, 0, 0.25, "—", "—", "25 %", "—"},
    };
    for (const Row& r : rows) {
        const FigureTexts t = shown(r.hits, r.deals, r.exact);
        EXPECT_EQ(t.estimate, r.estimate) << r.hits << " / " << r.deals;
        EXPECT_EQ(t.interval, r.interval) << r.hits << " / " << r.deals;
        EXPECT_EQ(t.exact, r.exactText) << r.hits << " / " << r.deals;
        EXPECT_EQ(t.gap, r.gap) << r.hits << " / " << r.deals;
    }
    // A survey's shape no hand is written as has no exact value; a run
    // whose count was not made says "—" and gives its reason elsewhere.
    EXPECT_EQ(shown(0, 10'000, std::nullopt, "pourquoi").exact, "aucune main");
    EXPECT_EQ(shown(0, 10'000, std::nullopt, "pourquoi", RunKind::Table).exact, "—");
    EXPECT_EQ(shown(1'234'567, 10'000'000, 0.12).hits, "1 234 567");
}

// A column keeps one number of decimals: the widest need of its rows.
TEST(ReadableNumbers, OneNumberOfDecimalsInAColumn) {
    JournalEntry entry;
    entry.deals = 10'000;
    entry.figures = {{"4432", 0.2155118, {}, 2155, {}}, {"7420", 0.0003, {}, 3, {}}};
    const auto texts = figureTexts(entry, {".", " "});
    EXPECT_EQ(texts[0].estimate, "21.550 %");
    EXPECT_EQ(texts[1].estimate, "0.030 %");
    EXPECT_EQ(texts[0].exact, "21.551 %");
}

TEST(ReadableNumbers, ThePieces) {
    struct Decimals {
        double width;
        int decimals;
    };
    for (const Decimals& d : std::initializer_list<Decimals>{
             {0.176, 2}, {0.0096, 4}, {12, 0}, {1, 1}, {0.99, 2}, {0, 0}, {-1, 0}}) {
        EXPECT_EQ(decimalsFor(d.width), d.decimals) << d.width;
    }
    EXPECT_EQ(fixedText(2.5824, 3, ","), "2,582");
    EXPECT_EQ(fixedText(-0.0004, 2, ","), "0,00") << "no minus sign on a zero";
    EXPECT_EQ(fixedText(99.996, 2, "."), "100.00");
    // Every digit for a file, and never an exponent, which would hide a
    // small probability from a spreadsheet.
    EXPECT_EQ(fullText(78.0 / 115, ","), "0,6782608695652174");
    EXPECT_EQ(fullText(4.0 / 635013559600, ","), "0,000000000006299078089796431");
    EXPECT_EQ(std::stod(fullText(1.0 / 3, ".")), 1.0 / 3) << "reads back as the same value";
    EXPECT_EQ(fullText(1, ","), "1");
    EXPECT_EQ(fullText(0, ","), "0");
    EXPECT_EQ(oneDecimalText(-1.34, ","), "-1,3");
    EXPECT_EQ(oneDecimalText(-0.04, ","), "0");
    for (const auto& [n, text] : std::initializer_list<std::pair<std::int64_t, const char*>>{
             {0, "0"},
             {950, "950"},
             {1000, "1 000"},
             {300'000, "300 000"},
             {-1234567, "-1 234 567"},
             {INT64_MIN, "-9 223 372 036 854 775 808"}}) {
        EXPECT_EQ(groupedText(n, " "), text) << n;
    }
}

}  // namespace
