#include "formats/journal_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "journal/journal_text.h"
#include "sample_plans.h"
#include "simulation/survey_run.h"

using namespace ondiscale;

namespace {

using Row = std::vector<std::string>;

// Reads CSV as a spreadsheet does: ";" between fields, fields in double
// quotes may hold anything, a doubled quote stands for one, CR LF ends a row.
std::vector<Row> readCsv(std::string_view text) {
    std::vector<Row> rows(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ';') {
            rows.back().push_back(field);
            field.clear();
        } else if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            rows.back().push_back(field);
            field.clear();
            rows.emplace_back();
            ++i;
        } else {
            field += ch;
        }
    }
    EXPECT_TRUE(rows.back().empty() && field.empty()) << "the last row ends with CR LF";
    rows.pop_back();
    return rows;
}

double number(std::string text) {
    EXPECT_EQ(text.find('.'), std::string::npos) << text << ": a decimal comma";
    if (const auto comma = text.find(','); comma != std::string::npos) {
        text[comma] = '.';
    }
    return std::stod(text);
}

// A frequency run of two batches and a survey of one, with a seventh
// distribution typed as a spreadsheet would misread it.
Journal sampleJournal() {
    Journal journal;
    journal.runStarted(fiveSpadesPlan());
    journal.batchDealt({1, 100'000, {2600}}, {});
    journal.batchDealt({2, 200'000, {5180}}, {});
    Dealer dealer;
    journal.runStarted(SurveyRun(kSurveyGroups[0], "=1;\"x\"", dealer).plan());
    journal.batchDealt({1, 10'000, {2155, 1552, 1293, 1058, 1054, 564, 0}}, {});
    return journal;
}

TEST(JournalCsv, TheTextForFrenchSpreadsheets) {
    const std::string csv = journalCsv(sampleJournal().entries());
    const std::string header =
        "\xEF\xBB\xBFN°;Tirage;Figure;Donnes;Réussites;Estimation (%);Marge d'erreur à 95 % (%);"
        "Borne basse à 95 % (%);Borne haute à 95 % (%);Probabilité exacte (%);Écart (σ)\r\n";
    ASSERT_TRUE(csv.starts_with(header)) << csv.substr(0, 200);

    // 5180 hits in 200000 deals: 2,59 %, 0,22 standard deviations above
    // the exact 2,582369 %.
    const std::string frequencyLine =
        "1;Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14;Main précisée;200000;5180;2,59;";
    EXPECT_NE(csv.find("\r\n" + frequencyLine), std::string::npos) << csv;
    EXPECT_NE(csv.find(";2,582369;0,22\r\n"), std::string::npos) << csv;
    EXPECT_NE(
        csv.find(
            "\r\n2;\"Distributions 4432, 5332, … et « =1;\"\"x\"\" »\";4432;10000;2155;21,55;"),
        std::string::npos)
        << "the typed distribution in the run's title";
    EXPECT_NE(csv.find(";21,55118;"), std::string::npos);
    EXPECT_NE(csv.find(";\"'=1;\"\"x\"\"\";10000;0;0;"), std::string::npos)
        << "quoted, and not taken for a formula";
}

// Read back, every line gives the figure it was written from.
TEST(JournalCsv, RoundTrip) {
    const Journal journal = sampleJournal();
    const auto rows = readCsv(journalCsv(journal.entries()));
    ASSERT_EQ(rows.size(), 1U + 1U + 7U);
    std::size_t line = 1;
    for (std::size_t run = 0; run < journal.entries().size(); ++run) {
        const JournalEntry& e = journal.entries()[run];
        for (const Figure& f : e.figures) {
            const Row& row = rows.at(line++);
            ASSERT_EQ(row.size(), 11U);
            EXPECT_EQ(row[0], std::to_string(run + 1));
            EXPECT_EQ(row[1], runTitle(e));
            EXPECT_EQ(row[2], f.name.starts_with('=') ? "'" + f.name : f.name);
            EXPECT_EQ(std::stoll(row[3]), e.deals);
            EXPECT_EQ(std::stoll(row[4]), f.hits);
            const FigureStats s = statsOf(f, e);
            const double expected[] = {s.estimate, s.margin, s.low, s.high};
            for (std::size_t k = 0; k < 4; ++k) {
                EXPECT_NEAR(number(row[5 + k]), expected[k], 1e-6 * std::max(1.0, expected[k]))
                    << f.name << ", column " << 5 + k;
            }
            if (s.exact) {
                EXPECT_NEAR(number(row[9]), *s.exact, 1e-6 * std::max(1.0, *s.exact)) << f.name;
                EXPECT_NEAR(number(row[10]), s.gap.value(), 0.005) << f.name;
            } else {
                EXPECT_EQ(row[9],
                          "aucune main ne s'écrit ainsi : les longueurs vont de la plus longue à "
                          "la plus courte, par exemple 4333")
                    << "a typed text that no hand is written as";
                EXPECT_EQ(row[10], "");
            }
        }
    }
}

// Whatever the user typed as a distribution reads back as one field, and
// a spreadsheet takes none of it for a formula.
TEST(JournalCsv, TypedTextsStayOneField) {
    for (const std::string typed : {"-1+1", "+4432", "@A1"}) {
        Journal journal;
        Dealer dealer;
        journal.runStarted(SurveyRun(kSurveyGroups[0], typed, dealer).plan());
        EXPECT_EQ(readCsv(journalCsv(journal.entries()))[7][2], "'" + typed);
    }
    for (const std::string typed : {"44;32", "44\"32", "44\r\n32"}) {
        Journal journal;
        Dealer dealer;
        journal.runStarted(SurveyRun(kSurveyGroups[0], typed, dealer).plan());
        const auto rows = readCsv(journalCsv(journal.entries()));
        ASSERT_EQ(rows.size(), 8U) << typed;
        ASSERT_EQ(rows[7].size(), 11U) << typed;
        EXPECT_EQ(rows[7][2], typed);
    }
}

// An exact probability that was not computed is said so, never written 0.
TEST(JournalCsv, AnExactValueNotComputedIsSaidSo) {
    Journal journal;
    journal.runStarted({RunKind::Frequency, "…", 100'000, {{"Main précisée", std::nullopt, ""}}});
    journal.batchDealt({1, 100'000, {12}}, {});
    const auto rows = readCsv(journalCsv(journal.entries()));
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1][9], "non calculée");
    EXPECT_EQ(rows[1][10], "");
    EXPECT_EQ(rows[1][5], "0,012");
}

TEST(JournalCsv, AnEmptyJournalIsItsHeader) {
    const auto rows = readCsv(journalCsv({}));
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].size(), 11U);
}

// A question with something known: its row counts the deals that met what
// is known, so that hits over deals is its estimate.
TEST(JournalCsv, AQuestionWithSomethingKnownCountsItsKnownDeals) {
    JournalEntry entry;
    entry.kind = RunKind::Table;
    entry.condition = "Sachant que Sud a 15 à 17 points : Nord-Sud ont 25 points ou plus";
    entry.batches = 2;
    entry.deals = 200'000;
    entry.question = Condition{};
    entry.question->known.alternatives.front().bounds.hand(Seat::South).points = {15, 17};
    entry.knownDeals = 10'000;
    entry.figures.push_back({"Donne précisée", std::nullopt, {}, 4'200, {}});
    const std::vector<Row> rows = readCsv(journalCsv({entry}));
    ASSERT_GE(rows.size(), 2U);
    const Row& row = rows[1];
    ASSERT_EQ(row.size(), 11U);
    EXPECT_EQ(row[1],
              "Donne précisée : Sachant que Sud a 15 à 17 points : Nord-Sud ont 25 points "
              "ou plus");
    EXPECT_EQ(row[3], "10000");
    EXPECT_EQ(row[4], "4200");
    EXPECT_EQ(row[5], "42");
}

}  // namespace
