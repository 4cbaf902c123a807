#include "journal/journal.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/hand_measures.h"
#include "exact_odds.h"
#include "fake_progress.h"
#include "journal/journal_text.h"
#include "scripted_dialogue.h"
#include "simulation/frequency_run.h"
#include "simulation/survey_run.h"

using namespace ondiscale;

namespace {

bool dealt(const Hand& hand) {
    const std::set<int> cards(hand.begin(), hand.end());
    return cards.size() == 13 && *cards.begin() >= 2 && *cards.rbegin() <= 53;
}

const Hand& south(const Example& example) { return example.deal[index(Seat::South)]; }

// The program's runs, each followed by one journal.
struct Session {
    ScriptedDialogue dialogue;
    FakeProgress progress;
    Dealer dealer;
    Journal journal;

    void frequency(const HandBounds& bounds, std::initializer_list<Answer> answers) {
        dialogue.answers = answers;
        runFrequency(bounds, dealer, progress, dialogue, &journal);
    }
    void survey(std::size_t group, const std::string& typed,
                std::initializer_list<Answer> answers) {
        dialogue.inputs = {typed};
        dialogue.answers = answers;
        runSurvey(kSurveyGroups[group], dealer, dialogue, &journal);
    }
};

TEST(Journal, FrequencyRunAfterOuiAndNon) {
    Session s;
    std::vector<std::size_t> told;
    s.journal.setListener([&](std::size_t entry) { told.push_back(entry); });
    std::vector<std::string> labelsBehindReports;
    s.dialogue.whileOpen = [&](const DialogueCall&) {
        labelsBehindReports.push_back(runLabel(s.journal.entries().back(), " "));
    };
    HandBounds bounds;
    bounds.suit(Suit::Spades) = {5, 5};
    bounds.points = {12, 14};
    s.frequency(bounds, {Answer::Yes, Answer::No});

    ASSERT_EQ(s.journal.entries().size(), 1U);
    const JournalEntry& e = s.journal.entries()[0];
    EXPECT_EQ(
        labelsBehindReports,
        (std::vector<std::string>{"Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14 — 100 000 donnes",
                                  "Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14 — 200 000 donnes"}));
    EXPECT_EQ(told, (std::vector<std::size_t>{0, 0, 0})) << "the start and each batch";
    EXPECT_EQ(e.batches, 2);
    EXPECT_EQ(e.deals, 200000);

    ASSERT_EQ(e.figures.size(), 1U);
    const Figure& f = e.figures[0];
    const FigureStats stats = statsOf(f, e);
    EXPECT_EQ(s.dialogue.reports().back().prompt,
              "Sud précisé: " + std::to_string(f.hits) + " soit " +
                  singleText(static_cast<float>(stats.estimate), ".") + "%")
        << "the journal's estimate is the report's";
    ASSERT_TRUE(stats.exact.has_value());
    EXPECT_EQ(singleText(static_cast<float>(*stats.exact), ","), "2,582369");
    EXPECT_TRUE(odds::agrees(f.hits, 200000, *f.exact));
    EXPECT_LT(stats.low, stats.estimate);
    EXPECT_GT(stats.high, stats.estimate);
    ASSERT_EQ(f.history.points().size(), 2U);
    EXPECT_EQ(f.history.points()[1].hits, f.hits);
    EXPECT_EQ(e.examples.size(), 5U);
}

TEST(Journal, SurveyAfterOuiAndNon) {
    Session s;
    s.survey(0, "6421", {Answer::Yes, Answer::No});

    ASSERT_EQ(s.journal.entries().size(), 1U);
    const JournalEntry& e = s.journal.entries()[0];
    EXPECT_EQ(runLabel(e, "."), "Distributions 4432, 5332, … et « 6421 » — 20.000 donnes");
    const std::vector<std::string> names{"4432", "5332", "5431", "5422", "4333", "6322", "6421"};
    ASSERT_EQ(e.figures.size(), names.size());

    // Each figure's count and estimate are the last report's line.
    std::string report;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Figure& f = e.figures[i];
        EXPECT_EQ(f.name, names[i]);
        ASSERT_TRUE(f.exact.has_value());
        EXPECT_DOUBLE_EQ(*f.exact, odds::patternProbabilities().at(names[i]));
        EXPECT_TRUE(odds::agrees(f.hits, 20000, *f.exact)) << f.name;
        report += (i > 0 ? "\r\n\r\n" : "") + std::to_string(i + 1) + ") Main de type " + f.name +
                  " = " + std::to_string(f.hits) + "  soit " +
                  singleText(static_cast<float>(statsOf(f, e).estimate), ".") + " %";
    }
    EXPECT_EQ(s.dialogue.reports().back().prompt, report);

    ASSERT_EQ(e.examples.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(e.examples[i].figure, names[i]);
        EXPECT_TRUE(dealt(south(e.examples[i])));
        EXPECT_EQ(shapeText(suitLengths(south(e.examples[i]))), names[i]);
    }
}

// The seventh line counts only what the six left, and nothing when the
// user typed one of them or cancelled.
TEST(Journal, SurveysSeventhLine) {
    struct Row {
        std::string typed;
        std::size_t figures;
        double exact;  // of line 7
    };
    const Row rows[] = {
        {"4333", 7, 0.0},
        {"4441", 7, odds::patternProbabilities().at("4441")},
        {"2344", 7, -1},  // no hand is written so: no exact value, and a word why
        {"", 6, -1},
    };
    for (const Row& r : rows) {
        Session s;
        s.survey(0, r.typed, {Answer::No});
        const JournalEntry& e = s.journal.entries().at(0);
        ASSERT_EQ(e.figures.size(), r.figures) << r.typed;
        for (const Example& ex : e.examples) {
            EXPECT_TRUE(dealt(south(ex))) << r.typed << ": no hand shown for " << ex.figure;
        }
        if (r.figures == 7) {
            const Figure& seventh = e.figures[6];
            EXPECT_EQ(seventh.name, r.typed);
            EXPECT_DOUBLE_EQ(seventh.exact.value_or(-1), r.exact) << r.typed;
            EXPECT_EQ(seventh.note,
                      r.exact >= 0 ? ""
                                   : "aucune main ne s'écrit ainsi : les longueurs vont de la plus "
                                     "longue à la plus courte, par exemple 4333")
                << r.typed;
            if (r.exact == 0.0) {
                EXPECT_EQ(seventh.hits, 0) << r.typed;
                EXPECT_EQ(statsOf(seventh, e).gap, 0.0) << r.typed;
            }
        }
    }
}

TEST(Journal, OneEntryPerRunInOrder) {
    Session s;
    s.frequency(HandBounds{}, {Answer::No});
    s.survey(2, "7510", {Answer::No});
    s.frequency(HandBounds{}, {Answer::No});

    const auto& entries = s.journal.entries();
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(runLabel(entries[0], " "), "Main précisée : toutes les mains — 100 000 donnes");
    EXPECT_EQ(runLabel(entries[1], " "), "Distributions 6511, 6520, … et « 7510 » — 10 000 donnes");
    EXPECT_EQ(entries[2].kind, RunKind::Frequency);
    EXPECT_EQ(entries[0].figures[0].exact, 1.0);
    EXPECT_EQ(entries[0].figures[0].hits, 100000);
}

// The run's title names every bound the user narrowed, and only those.
TEST(Journal, RunTitlesNameTheBoundsThatDifferFromTheDefaults) {
    const auto narrowed = [](Suit suit, Range range) {
        HandBounds b;
        b.suit(suit) = range;
        return b;
    };
    HandBounds twoSuits = narrowed(Suit::Diamonds, {2, 2});
    twoSuits.suit(Suit::Clubs) = {0, 1};
    HandBounds points;
    points.points = {0, 10};
    HandBounds spadesAndPoints = narrowed(Suit::Spades, {6, 13});
    spadesAndPoints.points = {20, 37};
    struct Row {
        HandBounds bounds;
        const char* text;
    };
    const Row rows[] = {
        {HandBounds{}, "toutes les mains"},
        {narrowed(Suit::Spades, {0, 5}), "0 ≤ ♠ ≤ 5"},
        {narrowed(Suit::Hearts, {4, 13}), "4 ≤ ♥ ≤ 13"},
        {twoSuits, "2 ≤ ♦ ≤ 2, 0 ≤ ♣ ≤ 1"},
        {points, "0 ≤ points ≤ 10"},
        {spadesAndPoints, "6 ≤ ♠ ≤ 13, 20 ≤ points ≤ 37"},
    };
    for (const Row& r : rows) {
        Session s;
        s.frequency(r.bounds, {Answer::No});
        EXPECT_EQ(s.journal.entries().at(0).condition, r.text);
    }
}

// A run that knows something counts its figures among the deals that met
// what it knows, in the window's texts as in the CSV; one that knows
// nothing, among all its deals, even read from a file that kept no count
// of known deals.
TEST(Journal, FiguresCountAmongTheDealsKnown) {
    Journal journal;
    RunPlan plan;
    plan.kind = RunKind::Table;
    plan.condition = "Sachant que Sud a 15 à 17 points : Nord-Sud ont 25 points ou plus";
    plan.batchSize = 100'000;
    plan.figures.push_back({"Donne précisée", 0.42, {}});
    Condition question;
    question.known.alternatives.front().bounds.hand(Seat::South).points = {15, 17};
    plan.question = question;
    journal.runStarted(plan);
    journal.batchDealt({1, 100'000, {2'000}, 5'000}, {});
    journal.batchDealt({2, 200'000, {4'200}, 10'000}, {});
    const JournalEntry& e = journal.entries().at(0);
    EXPECT_EQ(e.question, question);
    EXPECT_EQ(e.knownDeals, 10'000);
    EXPECT_EQ(countedDeals(e), 10'000);
    EXPECT_EQ(runLabel(e, " "),
              "Donne précisée : Sachant que Sud a 15 à 17 points : Nord-Sud "
              "ont 25 points ou plus — 200 000 donnes");
    const FigureStats stats = statsOf(e.figures[0], e);
    EXPECT_DOUBLE_EQ(stats.estimate, 42.0);
    EXPECT_NEAR(*stats.gap, 0.0, 1e-9);
    const auto& points = e.figures[0].history.points();
    ASSERT_EQ(points.size(), 2U);
    EXPECT_EQ(points[0].deals, 5'000);
    EXPECT_EQ(points[1].deals, 10'000);
    EXPECT_EQ(figureTexts(e, {",", " "})[0].estimate, "42,00 %");

    JournalEntry plain = e;
    plain.question = askedOnly(TableBounds{});
    plain.knownDeals = 0;
    EXPECT_EQ(countedDeals(plain), 200'000);
    plain.question.reset();
    EXPECT_EQ(countedDeals(plain), 200'000);
}

}  // namespace

namespace {

// A long exact count made aside reaches its run when it ends: its value,
// or the reason it gave up; never a run of a session reopened from a file,
// which shows what was saved.
TEST(Journal, AnExactCountMadeAsideReachesItsRunOnly) {
    RunPlan plan;
    plan.kind = RunKind::Table;
    plan.condition = "Nord-Sud ont un fit de 8 cartes en majeure";
    plan.batchSize = 100'000;
    plan.figures.push_back(
        {"Donne précisée", std::nullopt, "la probabilité exacte est en cours de calcul"});
    Journal running;
    running.runStarted(plan);
    const Figure waiting = running.entries().at(0).figures.at(0);
    Journal reopened = Journal::reopened(running.entries());

    struct Row {
        const char* name;
        Journal* journal;
        std::size_t entry;
        std::optional<double> exact;
        std::string note;
        std::optional<double> shownExact;
        std::string shownNote;
    };
    const Row rows[] = {
        {"found", &running, 0, 0.4198, "", 0.4198, ""},
        {"given up", &running, 0, std::nullopt, "le calcul exact prendrait trop de temps",
         std::nullopt, "le calcul exact prendrait trop de temps"},
        {"for a run that is not there", &running, 1, 0.5, "", std::nullopt,
         "le calcul exact prendrait trop de temps"},
        {"to a reopened session", &reopened, 0, 0.4198, "", waiting.exact, waiting.note},
    };
    for (const Row& row : rows) {
        row.journal->exactFound(row.entry, 0, row.exact, row.note);
        const Figure& shown = row.journal->entries().at(0).figures.at(0);
        EXPECT_EQ(shown.exact, row.shownExact) << row.name;
        EXPECT_EQ(shown.note, row.shownNote) << row.name;
    }
}

}  // namespace
