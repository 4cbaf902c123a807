#include "formats/session_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "engine/dealer.h"
#include "fake_progress.h"
#include "hands.h"
#include "journal/journal_text.h"
#include "scripted_dialogue.h"
#include "simulation/frequency_run.h"
#include "simulation/survey_groups.h"
#include "simulation/survey_run.h"
#include "simulation/table_run.h"
#include "text_fuzz.h"

namespace ondiscale {
// Failures name the run rather than dump its bytes.
void PrintTo(const JournalEntry& entry,
             std::ostream* out) {  // NOLINT(readability-identifier-naming)
    *out << runTitle(entry) << " (" << entry.deals << " donnes)";
}
}  // namespace ondiscale

using namespace ondiscale;

namespace {

constexpr const char* kSaved = "2026-12-08T13:05:12Z";

SessionReading readBack(const std::vector<JournalEntry>& entries) {
    return readSessionFile(sessionFileText(entries, kSaved));
}

Figure figure(std::string name, std::optional<double> exact, std::int64_t hits,
              std::int64_t batches, std::int64_t dealsPerBatch) {
    Figure f;
    f.name = std::move(name);
    f.exact = exact;
    f.hits = hits;
    for (std::int64_t b = 1; b <= batches; ++b) {
        f.history.add(b, b * dealsPerBatch, hits * b / batches);
    }
    return f;
}

Deal wholeDeal() {
    using hands::handOf;
    return {handOf("AKQJ", "AKQ", "AKQ", "AKQ"), handOf("T987", "JT9", "JT9", "JT9"),
            handOf("65", "8765", "8765", "876"), handOf("432", "432", "432", "5432")};
}

// A question with a part of every kind: ranges for a hand and a
// partnership, shapes of the three kinds, cards held, alternatives.
Condition everyKindOfClause() {
    Condition question;
    Alternative known;
    known.bounds.hand(Seat::South).points = {12, 14};
    known.bounds.hand(Seat::South).suit(Suit::Spades) = {5, 13};
    known.cards[index(Seat::South)] = cardBit(cardOf(Suit::Spades, kAce)) |
                                      cardBit(cardOf(Suit::Hearts, kKing)) |
                                      cardBit(cardOf(Suit::Clubs, 2));
    known.shapes[index(Seat::North)].terms = {
        {ShapeTerm::Kind::Class, ShapeClass::Regular, {}},
        {ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, {4, 4, 3, 2}},
        {ShapeTerm::Kind::SuitOrder, ShapeClass::Regular, {5, 4, 2, 2}}};
    question.known.alternatives = {known};
    Alternative fit;
    fit.bounds.side(Side::NorthSouth).suit(Suit::Hearts) = {8, 13};
    fit.bounds.side(Side::NorthSouth).points = {25, 40};
    Alternative other;
    other.shapes[index(Seat::West)].terms = {{ShapeTerm::Kind::Class, ShapeClass::NoShortSuit, {}},
                                             {ShapeTerm::Kind::Class, ShapeClass::TwoSuited, {}}};
    other.cards[index(Seat::West)] = cardBit(cardOf(Suit::Diamonds, kQueen));
    question.asked.alternatives = {fit, other};
    return question;
}

// One run of each kind, every field away from its default somewhere.
std::vector<JournalEntry> everyKindOfRun() {
    JournalEntry frequency;
    frequency.condition = "5 ≤ ♠ ≤ 13, 12 ≤ points ≤ 14";
    frequency.batches = 3;
    frequency.deals = 300'000;
    frequency.knownDeals = 300'000;
    frequency.question = everyKindOfClause();
    frequency.figures.push_back(figure("Main précisée", 0.025, 7'512, 3, 100'000));
    Example south{"Main précisée"};
    south.deal[index(Seat::South)] = hands::handOf("AK973", "K4", "862", "754");
    frequency.examples = {south, south};

    JournalEntry survey;
    survey.kind = RunKind::Survey;
    survey.condition = "4432, 5332, … et « 6421 »";
    survey.batches = 1;
    survey.deals = 10'000;
    survey.knownDeals = 10'000;
    survey.figures.push_back(figure("4432", 0.2155, 2'170, 1, 10'000));
    survey.figures.push_back(figure("7xx", std::nullopt, 0, 1, 10'000));
    survey.figures.back().note = "aucune main ne peut avoir cette distribution";
    Example first{"4432"};
    first.deal = wholeDeal();
    first.wholeDeal = true;
    Example second{"5332"};
    second.deal[index(Seat::South)] = wholeDeal()[index(Seat::South)];
    survey.examples = {first, second};

    JournalEntry table;
    table.kind = RunKind::Table;
    table.condition = "Nord-Sud : 25 ≤ points ≤ 40";
    table.batches = 2;
    table.deals = 200'000;
    table.knownDeals = 61'000;  // deals that met the known part
    table.question = everyKindOfClause();
    table.figures.push_back(figure("Donne précisée", 0.31, 18'000, 2, 100'000));
    table.examples = {first, first};

    JournalEntry analysis;
    analysis.kind = RunKind::Analysis;
    analysis.condition = "Nord-Sud : 25 ≤ points ≤ 40";
    analysis.batches = 2;
    analysis.deals = 16;
    analysis.knownDeals = 16;
    analysis.figures.push_back(figure("3SA Sud : réussi", std::nullopt, 9, 2, 8));
    analysis.figures.push_back(figure("Par de Nord-Sud, personne vulnérable : 400", {}, 3, 2, 8));
    analysis.analysis.emplace();
    analysis.analysis->tricks[0][2][9] = 9;
    analysis.analysis->tricks[0][2][8] = 7;
    analysis.analysis->parScores = {{400, 3}, {-50, 13}};
    analysis.analysis->figureTricks = {2, -1};
    Example analysed{"Donne analysée"};
    analysed.deal = wholeDeal();
    analysed.wholeDeal = true;
    analysed.tricks.emplace();
    analysed.tricks->tricks[0] = {13, 0, 13, 0};
    analysed.tricks->tricks[4] = {0, 7, 0, 7};
    analysed.par = ParResult{-90, "EW 1C"};
    analysis.examples = {analysed};
    return {frequency, survey, table, analysis};
}

std::string replaced(const std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) {
        return text;
    }
    return text.substr(0, at) + std::string(to) + text.substr(at + from.size());
}

TEST(SessionFile, WholeRunsOfEveryKindComeBackEqual) {
    const std::vector<JournalEntry> written = everyKindOfRun();
    const std::string text = sessionFileText(written, kSaved);
    EXPECT_TRUE(text.starts_with(
        R"({"format":"ondiscale-session","version":2,"saved":"2026-12-08T13:05:12Z","runs":4,)"))
        << text.substr(0, 200);
    // Readable: cards, deals and shapes as a player writes them.
    for (const char* readable :
         {R"("cards":{"S":"A.K..2"})", R"("deal":"N:- - AK973.K4.862.754 -")",
          R"({"class":"regular"})", R"({"anyOrder":[4,4,3,2]})",
          R"("NS":{"hearts":[8,13],"points":[25,40]})", "\"condition\":\"5 ≤ ♠ ≤ 13"}) {
        EXPECT_NE(text.find(readable), std::string::npos) << readable;
    }
    const SessionReading read = readSessionFile(text);
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    ASSERT_EQ(read.entries->size(), written.size());
    for (std::size_t r = 0; r < written.size(); ++r) {
        EXPECT_EQ((*read.entries)[r], written[r]) << "run " << r + 1;
    }
}

// Each row a question alone on a frequency run.
struct QuestionRow {
    const char* name;
    Condition question;
};

class SessionFileQuestion : public testing::TestWithParam<QuestionRow> {};

TEST_P(SessionFileQuestion, ComesBackAsData) {
    std::vector<JournalEntry> entries = everyKindOfRun();
    entries.resize(1);
    entries[0].question = GetParam().question;
    const SessionReading read = readBack(entries);
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    ASSERT_EQ(read.entries->size(), 1U);
    EXPECT_EQ(read.entries->front().question, GetParam().question);
}

Condition withSouth(const std::function<void(Alternative&)>& change) {
    Condition question;
    change(question.asked.alternatives.front());
    return question;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SessionFileQuestion,
    testing::Values(
        QuestionRow{"nothing", Condition{}}, QuestionRow{"every kind", everyKindOfClause()},
        QuestionRow{"a void", withSouth([](Alternative& a) {
                        a.bounds.hand(Seat::South).suit(Suit::Clubs) = {0, 0};
                    })},
        QuestionRow{"all the points", withSouth([](Alternative& a) {
                        a.bounds.hand(Seat::East).points = {37, 37};
                    })},
        QuestionRow{"a partnership's every card", withSouth([](Alternative& a) {
                        a.bounds.side(Side::EastWest).suit(Suit::Spades) = {13, 13};
                        a.bounds.side(Side::EastWest).points = {0, 0};
                    })},
        QuestionRow{"thirteen cards held", withSouth([](Alternative& a) {
                        for (int rank = 2; rank <= kAce; ++rank) {
                            a.cards[index(Seat::North)] |= cardBit(cardOf(Suit::Hearts, rank));
                        }
                    })},
        QuestionRow{
            "every shape class", withSouth([](Alternative& a) {
                for (const ShapeClass c :
                     {ShapeClass::Regular, ShapeClass::SemiRegular, ShapeClass::OneSuited,
                      ShapeClass::TwoSuited, ShapeClass::ThreeSuited, ShapeClass::NoShortSuit}) {
                    a.shapes[index(Seat::East)].terms.push_back({ShapeTerm::Kind::Class, c, {}});
                }
            })},
        QuestionRow{"a long suit", withSouth([](Alternative& a) {
                        a.shapes[index(Seat::South)].terms = {
                            {ShapeTerm::Kind::SuitOrder, ShapeClass::Regular, {13, 0, 0, 0}},
                            {ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, {10, 3, 0, 0}}};
                    })},
        QuestionRow{"four alternatives, nothing known",
                    [] {
                        Condition q;
                        q.asked.alternatives.resize(kMostAlternatives);
                        for (std::size_t i = 0; i < kMostAlternatives; ++i) {
                            q.asked.alternatives[i].bounds.hands[i].points = {
                                static_cast<std::uint8_t>(10 + i), 37};
                        }
                        return q;
                    }()}),
    [](const testing::TestParamInfo<QuestionRow>& info) {
        std::string name;
        for (const char ch : std::string_view(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(ch)) != 0 ? ch : '_';
        }
        return name;
    });

// Runs as the program makes them: a frequency run with its last hits, a
// survey whose typed distribution holds what a keyboard or a paste can
// put in it, and a four-hand run with its last deals.
TEST(SessionFile, RunsOfTheProgramComeBackEqual) {
    ScriptedDialogue dialogue;
    FakeProgress progress;
    Dealer dealer;
    Journal journal;
    HandBounds bounds;
    bounds.suit(Suit::Spades) = {5, 5};
    bounds.points = {12, 14};
    dialogue.answers = {Answer::Yes, Answer::Yes, Answer::No};
    runFrequency(bounds, dealer, progress, dialogue, &journal);
    constexpr char kTyped[] = "33;\"4\"\t4\r\n\0\xFF\xC3 é ♠ \\n end";
    dialogue.inputs = {std::string(kTyped, sizeof kTyped - 1)};
    dialogue.answers = {Answer::No};
    runSurvey(kSurveyGroups[0], dealer, dialogue, &journal);
    TableBounds table;
    table.hand(Seat::North).points = {20, 37};
    TableRun run(table, dealer, progress);
    dialogue.answers = {Answer::No};
    runBatches(run, dialogue, &journal);
    ASSERT_EQ(journal.entries().size(), 3U);
    ASSERT_EQ(journal.entries()[0].examples.size(), 5U);
    ASSERT_GT(journal.entries()[2].examples.size(), 100U);

    const SessionReading read = readBack(journal.entries());
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    EXPECT_EQ(*read.entries, journal.entries());
}

TEST(SessionFile, ExactValuesComeBackBitForBit) {
    for (const double p :
         {0.0, 1.0, 0.1, 1.0 / 3, 0.02582369, 2.0 / 7e9, 5e-324, std::nextafter(1.0, 0.0)}) {
        std::vector<JournalEntry> entries = everyKindOfRun();
        entries[0].figures[0].exact = p;
        const SessionReading read = readBack(entries);
        ASSERT_TRUE(read.entries.has_value()) << read.damage;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*read.entries->front().figures[0].exact),
                  std::bit_cast<std::uint64_t>(p))
            << p;
    }
}

// Texts of every kind, in each place a text goes: what is not UTF-8 too.
TEST(SessionFile, TextsComeBackByteForByte) {
    const std::vector<std::string> samples =
        awkwardTexts({R"(\u0041 \" {"octets":"41"})", "]}\n"}, 300);
    for (const std::string& text : samples) {
        std::vector<JournalEntry> entries = everyKindOfRun();
        entries[1].condition = text;
        entries[1].figures[1].name = text;
        entries[1].figures[1].note = text;
        entries[1].examples[1].figure = text;
        entries[3].examples[0].par->contracts = text;
        const SessionReading read = readBack(entries);
        ASSERT_TRUE(read.entries.has_value()) << read.damage;
        EXPECT_EQ(*read.entries, entries);
    }
}

// The chart's history is kept in the file at kStoredPoints, first and
// last batches included, so that a thousand long runs stay small.
TEST(SessionFile, ALongHistoryIsThinnedToItsEnds) {
    std::vector<JournalEntry> entries = everyKindOfRun();
    JournalEntry& run = entries[0];
    run.batches = 1'000'003;
    run.deals = run.batches * 100'000;
    run.knownDeals = run.deals;
    run.figures[0] = figure("Main précisée", 0.025, run.deals / 40, run.batches, 100'000);
    ASSERT_GT(run.figures[0].history.points().size(), 2000U);
    const std::string text = sessionFileText(entries, kSaved);
    EXPECT_LT(text.size(), 40'000U);
    const SessionReading read = readSessionFile(text);
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    const auto& points = read.entries->front().figures[0].history.points();
    EXPECT_LE(points.size(), kStoredPoints);
    EXPECT_GE(points.size(), kStoredPoints / 2);
    EXPECT_EQ(points.back(), run.figures[0].history.points().back()) << "where the run ended";
    EXPECT_LE(points.front().batch, run.batches / static_cast<std::int64_t>(kStoredPoints / 4))
        << "spread over the whole run";
}

// What the reader says of a damaged file, or "" where it reads it whole.
TEST(SessionFile, DamagedFiles) {
    struct Row {
        const char* damage;
        std::string from;
        std::string to;
        std::string verdict;
    };
    const std::vector<Row> rows{
        {"another program's JSON", R"("format":"ondiscale-session")", R"("format":"autre")",
         "ce n'est pas un journal de séance"},
        {"no version", R"("version":2,)", "", "ce n'est pas un journal de séance"},
        {"a list, not an object", R"({"format")", R"([{"format")",
         "ce n'est pas un journal de séance"},
        {"a number past 64 bits", R"("deals":300000,)", R"("deals":99999999999999999999999,)",
         "tirage 1 : le champ « deals » sort des valeurs possibles"},
        {"a negative count", R"("batches":3)", R"("batches":-3)",
         "tirage 1 : le champ « batches » sort des valeurs possibles"},
        {"more hits than deals", R"("hits":7512)", R"("hits":300001)",
         "tirage 1 : le champ « hits » sort des valeurs possibles"},
        {"more known deals than deals", R"("knownDeals":61000)", R"("knownDeals":200001)",
         "tirage 3 : le champ « knownDeals » sort des valeurs possibles"},
        {"not a number", R"("batches":3)", R"("batches":"3")",
         "tirage 1 : le champ « batches » n'est pas un nombre"},
        {"a missing count", R"("deals":300000,)", "", "tirage 1 : il manque le champ « deals »"},
        {"a lost run", R"("runs":4)", R"("runs":5)",
         "le champ « runs » annonce 5, le fichier en donne 4"},
        {"no run count", R"("runs":4,)", "", "le nombre de tirages manque"},
        {"a card twice", R"(432.432.432.5432")", R"(432.432.432.543A")",
         "tirage 2 : une donne est illisible"},
        {"twelve cards", R"(AK973.K4.862.754)", R"(AK973.K4.862.75)",
         "tirage 1 : une donne est illisible"},
        {"a lone hand not South's", R"(N:- - AK973.K4.862.754 -)", R"(N:AK973.K4.862.754 - - -)",
         "tirage 1 : une main seule n'est pas celle de Sud"},
        {"a card held twice", R"("cards":{"S":"A.K..2"})", R"("cards":{"S":"AA.K..2"})",
         "tirage 1 : les cartes \"AA.K..2\" ne tiennent pas dans une main"},
        {"a card that is none", R"("cards":{"S":"A.K..2"})", R"("cards":{"S":"A.K..1"})",
         "tirage 1 : les cartes \"A.K..1\" ne tiennent pas dans une main"},
        {"a range upside down", R"("points":[12,14])", R"("points":[14,12])",
         "tirage 1 : une fourchette de main est vide"},
        {"fourteen cards in a suit", R"("spades":[5,13])", R"("spades":[5,14])",
         "tirage 1 : le nombre 14 est hors des bornes"},
        {"a shape of twelve cards", R"("anyOrder":[4,4,3,2])", R"("anyOrder":[4,4,3,1])",
         "tirage 1 : une distribution n'a pas 13 cartes"},
        {"a shape class unknown", R"("class":"regular")", R"("class":"bizarre")",
         "tirage 1 : la classe de distribution \"bizarre\" est inconnue"},
        {"five alternatives", R"("asked":[{)", R"("asked":[{},{},{},{},{)",
         "tirage 1 : « asked » n'a pas d'une à quatre alternatives"},
        {"an exact value above 1", R"("exact":0.025)", R"("exact":1.5)",
         "tirage 1 : le champ « exact » sort des valeurs possibles"},
        {"an exact value not a number", R"("exact":0.025)", R"("exact":"0.025")",
         "tirage 1 : le champ « exact » n'est pas un nombre"},
        {"a text that is a number", R"("condition":"4432)", R"("condition":4432,"x":")",
         "tirage 2 : le champ « condition » n'a pas la forme attendue"},
        {"bad octets", R"("condition":"4432, 5332, … et « 6421 »")",
         R"("condition":{"octets":"4G"})", "tirage 2 : un texte est mal écrit"},
        {"points out of order", "[2,200000,", "[1,200000,",
         "tirage 1 : le champ « batch » sort des valeurs possibles"},
        {"a point past the run", "[3,300000,7512]", "[4,300000,7512]",
         "tirage 1 : le champ « batch » sort des valeurs possibles"},
        {"tricks of another size", R"("tricks":[13,0,13,0)", R"("tricks":[0,13,0)",
         "tirage 4 : le champ « tricks » n'a pas la forme attendue"},
        {"a par score past any contract", R"("score":-90)", R"("score":-9000)",
         "tirage 4 : le champ « score » sort des valeurs possibles"},
        {"a run that is a number", R"("entries":[)", R"("entries":[7,)",
         "tirage 1 : le champ « entries » n'a pas la forme attendue"},
        {"not UTF-8", "Main précisée",
         "Main pr\xE9"
         "cis\xE9"
         "e",
         "le texte est mal formé à l'octet "},
        {"text after the end", "]}\n", "]}\n]}", "du texte suit sa fin"},
        {"cut short", "]}\n", "]", "il s'arrête avant sa fin"},
        // What later versions may add, and what editors do.
        {"an unknown field", R"("batches":3)", R"("colour":{"red":[1,2]},"batches":3)", ""},
        {"an unknown field on the first line", R"("runs":4)", R"("runs":4,"by":"X")", ""},
        {"a byte order mark", R"({"format")", "\xEF\xBB\xBF{\"format\"", ""},
        {"line ends of another system", ",\n", ",\r\n", ""},
    };
    const std::string text = sessionFileText(everyKindOfRun(), kSaved);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.damage);
        const SessionReading reading = readSessionFile(replaced(text, row.from, row.to));
        if (row.verdict.ends_with(' ')) {
            EXPECT_TRUE(reading.damage.starts_with(row.verdict)) << reading.damage;
        } else {
            EXPECT_EQ(reading.damage, row.verdict);
        }
        EXPECT_FALSE(reading.newer);
        EXPECT_EQ(reading.entries.has_value(), row.verdict.empty());
        if (reading.entries) {
            EXPECT_EQ(*reading.entries, everyKindOfRun());
        }
    }
}

// A newer program's file is not damaged, whatever follows its first line;
// a newer program's run of another kind is passed over.
TEST(SessionFile, NewerFilesAndRunsOfUnknownKinds) {
    const std::string text = sessionFileText(everyKindOfRun(), kSaved);
    for (const char* version : {R"("version":3)", R"("version":18446744073709551616)"}) {
        const SessionReading newer =
            readSessionFile(replaced(replaced(text, R"("version":2)", version), "[", "[[[["));
        EXPECT_FALSE(newer.entries.has_value());
        EXPECT_TRUE(newer.newer) << version;
        EXPECT_EQ(newer.damage, "il vient d'une version plus récente du programme");
    }
    const SessionReading skipped = readSessionFile(replaced(
        replaced(text, R"("runs":4)", R"("runs":5)"), "\n{\"kind\":\"survey\"",
        "\n{\"kind\":\"hologram\",\"figures\":7,\"deal\":\"SA SA\"},\n{\"kind\":\"survey\""));
    ASSERT_TRUE(skipped.entries.has_value()) << skipped.damage;
    EXPECT_EQ(*skipped.entries, everyKindOfRun());
}

// A file cut anywhere but after its last bracket is never taken for whole.
TEST(SessionFile, EveryCutIsSeen) {
    const std::string text = sessionFileText(everyKindOfRun(), kSaved);
    for (std::size_t size = 0; size + 2 < text.size(); ++size) {
        const SessionReading reading = readSessionFile(text.substr(0, size));
        EXPECT_FALSE(reading.entries.has_value()) << "cut at " << size;
        EXPECT_FALSE(reading.damage.empty());
    }
}

// Random bytes, and a good file with random bytes overwritten: an answer
// every time, whole entries or a reason, and never a crash.
TEST(SessionFile, AnyBytesGetAnAnswer) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string good = sessionFileText(everyKindOfRun(), kSaved);
    for (int n = 0; n < 2000; ++n) {
        std::string text = good;
        if (n % 2 == 0) {
            text.assign(static_cast<std::size_t>(n), ' ');
            for (char& ch : text) {
                ch = static_cast<char>(byte(random));
            }
        } else {
            for (int k = 0; k < 1 + n % 5; ++k) {
                text[random() % text.size()] = static_cast<char>(byte(random));
            }
        }
        const SessionReading reading = readSessionFile(text);
        EXPECT_NE(reading.entries.has_value(), !reading.damage.empty() || reading.newer);
    }
}

// Past the limit the oldest runs lose their examples first, then, if need
// be, the oldest runs go: the file never passes what the reader takes, and
// what it keeps is what the newest runs were.
TEST(SessionFile, TooLargeASessionIsThinnedToFit) {
    std::vector<JournalEntry> entries;
    for (int n = 0; n < 10; ++n) {
        entries.push_back(everyKindOfRun()[2]);
        entries.back().condition = "run " + std::to_string(n);
        entries.back().examples.assign(50, entries.back().examples.front());
    }
    const auto whole = static_cast<std::int64_t>(sessionFileText(entries, kSaved).size());
    // Down to a file with room for its first line alone.
    for (std::int64_t most = whole; most >= 120; most -= whole / 37) {
        SCOPED_TRACE("at most " + std::to_string(most) + " bytes");
        const std::string text = sessionFileText(entries, kSaved, most);
        EXPECT_LE(static_cast<std::int64_t>(text.size()), most);
        const SessionReading read = readSessionFile(text);
        ASSERT_TRUE(read.entries.has_value()) << read.damage;
        const std::vector<JournalEntry>& kept = *read.entries;
        const std::size_t dropped = entries.size() - kept.size();
        bool examples = false;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            JournalEntry original = entries[dropped + i];
            examples = examples || !kept[i].examples.empty();
            if (!examples) {
                original.examples.clear();
            }
            EXPECT_EQ(kept[i], original) << "run " << dropped + i;
        }
        if (most == whole) {
            EXPECT_EQ(kept, entries);
        }
        if (most == whole - whole / 37) {
            EXPECT_EQ(kept.size(), entries.size()) << "examples go before runs";
        }
    }
}

// What the list of sessions shows, from the first bytes alone: a count a
// file of that size can hold, or none.
TEST(SessionFile, TheHeadSaysWhatTheListShows) {
    const std::string json = sessionFileText(everyKindOfRun(), kSaved);
    std::ifstream oldFile(ONDISCALE_TEST_DATA "/session-v1.journal", std::ios::binary);
    const std::string old((std::istreambuf_iterator<char>(oldFile)), {});
    ASSERT_FALSE(old.empty());
    const auto head = [](const std::string& text) { return text.substr(0, 256); };
    struct Row {
        const char* name;
        std::string head;
        std::int64_t bytes;
        bool session;
        bool newer;
        std::optional<std::int64_t> runs;
        std::string saved;
    };
    const std::vector<Row> rows{
        {"a session", head(json), 5000, true, false, 4, kSaved},
        {"one of the old format", head(old), 41'000, true, false, 4, ""},
        {"a count no file of its size holds",
         replaced(head(json), R"("runs":4)", R"("runs":9223372036854775807)"), 5000, true, false,
         std::nullopt, kSaved},
        {"a count past 64 bits", replaced(head(json), R"("runs":4)", R"("runs":1e300)"), 5000, true,
         false, std::nullopt, kSaved},
        {"an old one claiming the impossible",
         replaced(head(old), "runs=4", "runs=9223372036854775807"), 41'000, true, false,
         std::nullopt, ""},
        {"a newer one", replaced(head(json), R"("version":2)", R"("version":7)"), 5000, true, true,
         4, kSaved},
        {"a newer old one", "ondiscale-journal 2\njournal\truns=4\n", 5000, true, true,
         std::nullopt, ""},
        {"another program's", R"({"format":"autre","version":1,"runs":3,"entries":[)", 5000, false,
         false, 3, ""},
        {"a picture", std::string("\x89PNG\r\n\x1A\n", 8), 5000, false, false, std::nullopt, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const SessionHead read = readSessionHead(row.head, row.bytes);
        EXPECT_EQ(read.session, row.session);
        EXPECT_EQ(read.newer, row.newer);
        EXPECT_EQ(read.runs, row.runs);
        EXPECT_EQ(read.saved, row.saved);
    }
}

TEST(SessionFile, ReadingTellsItsProgressAndStopsWhenAsked) {
    std::vector<JournalEntry> entries = everyKindOfRun();
    const std::vector<JournalEntry> more = everyKindOfRun();
    entries.insert(entries.end(), more.begin(), more.end());
    const std::string text = sessionFileText(entries, kSaved);
    std::vector<std::int64_t> told;
    const SessionReading whole = readSessionFile(text, [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(total, 8);
        told.push_back(done);
        return true;
    });
    EXPECT_TRUE(whole.entries.has_value());
    EXPECT_EQ(told, (std::vector<std::int64_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    const SessionReading stopped =
        readSessionFile(text, [](std::int64_t done, std::int64_t) { return done < 3; });
    EXPECT_FALSE(stopped.entries.has_value());
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.damage, "");
}

// A session file the program wrote before JSON (a frequency run, a survey,
// a four-hand run and its analysis) opens, and comes back the same once
// written again.
TEST(SessionFile, FilesOfTheOldFormatStillOpen) {
    std::ifstream file(ONDISCALE_TEST_DATA "/session-v1.journal", std::ios::binary);
    const std::string old((std::istreambuf_iterator<char>(file)), {});
    const SessionReading read = readSessionFile(old);
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    const std::vector<JournalEntry>& entries = *read.entries;
    ASSERT_EQ(entries.size(), 4U);
    EXPECT_EQ(runTitle(entries[0]), "Main précisée : 5 ≤ ♠ ≤ 5, 12 ≤ points ≤ 14");
    EXPECT_EQ(entries[0].deals, 200'000);
    EXPECT_EQ(entries[0].knownDeals, 0) << "not in the old format";
    EXPECT_EQ(entries[0].examples.size(), 5U);
    EXPECT_EQ(runTitle(entries[1]), "Distributions 4432, 5332, … et « 6421 »");
    EXPECT_EQ(entries[2].kind, RunKind::Table);
    EXPECT_EQ(entries[3].kind, RunKind::Analysis);
    ASSERT_FALSE(entries[3].examples.empty());
    EXPECT_TRUE(entries[3].examples[0].tricks.has_value());
    EXPECT_EQ(entries[3].examples.size(), entries[2].examples.size());

    const SessionReading again = readBack(entries);
    ASSERT_TRUE(again.entries.has_value()) << again.damage;
    EXPECT_EQ(*again.entries, entries);
}

// The program's own session of 1,010 four-hand runs, each with its last
// 1,000 deals, once 270 MB: written and read back within the limit.
TEST(SessionFile, AThousandFourHandRunsWrittenAndReadBack) {
    Dealer dealer;
    JournalEntry run = everyKindOfRun()[2];
    run.examples.resize(TableRun::kForTheJournal);
    for (Example& example : run.examples) {
        example = {"Donne précisée", {}, true};
        dealer.dealTable(example.deal);
        for (Hand& hand : example.deal) {
            sortHand(hand);
        }
    }
    run.figures[0] = figure("Donne précisée", 0.31, 31'000, 100, 100'000);
    run.batches = 100;
    run.deals = 10'000'000;
    run.knownDeals = run.deals;
    const std::vector<JournalEntry> entries(1'010, run);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const std::string text = sessionFileText(entries, kSaved);
    const auto written = Clock::now();
    const SessionReading read = readSessionFile(text);
    const auto done = Clock::now();
    ASSERT_TRUE(read.entries.has_value()) << read.damage;
    ASSERT_EQ(read.entries->size(), entries.size());
    EXPECT_EQ(read.entries->front(), entries.front());
    EXPECT_TRUE(*read.entries == entries);
    EXPECT_LT(static_cast<std::int64_t>(text.size()), kMostSessionBytes);
    const auto ms = [](auto d) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
    };
    std::cout << "1,010 four-hand runs: " << text.size() / 1'000'000 << " MB, written in "
              << ms(written - start) << " ms, read in " << ms(done - written) << " ms\n";
}

}  // namespace
