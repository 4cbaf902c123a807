#include "formats/journal_file_v1.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "engine/dealer.h"
#include "fake_progress.h"
#include "hands.h"
#include "journal_file_v1_text.h"
#include "scripted_dialogue.h"
#include "simulation/frequency_run.h"
#include "simulation/survey_groups.h"
#include "simulation/survey_run.h"
#include "text_fuzz.h"

using namespace ondiscale;

namespace {

// Every field a reopened journal shows, compared one by one; the exact
// values bit for bit.
void expectSame(const std::vector<JournalEntry>& read, const std::vector<JournalEntry>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t r = 0; r < read.size(); ++r) {
        SCOPED_TRACE("run " + std::to_string(r + 1));
        const JournalEntry& a = read[r];
        const JournalEntry& b = written[r];
        EXPECT_EQ(a.kind, b.kind);
        EXPECT_EQ(a.condition, b.condition);
        EXPECT_EQ(a.batches, b.batches);
        EXPECT_EQ(a.deals, b.deals);
        ASSERT_EQ(a.figures.size(), b.figures.size());
        for (std::size_t f = 0; f < a.figures.size(); ++f) {
            const Figure& x = a.figures[f];
            const Figure& y = b.figures[f];
            EXPECT_EQ(x.name, y.name);
            EXPECT_EQ(x.note, y.note);
            ASSERT_EQ(x.exact.has_value(), y.exact.has_value()) << y.name;
            if (y.exact) {
                EXPECT_EQ(std::bit_cast<std::uint64_t>(*x.exact),
                          std::bit_cast<std::uint64_t>(*y.exact))
                    << *x.exact << " for " << *y.exact;
            }
            EXPECT_EQ(x.hits, y.hits);
            ASSERT_EQ(x.history.points().size(), y.history.points().size());
            for (std::size_t p = 0; p < x.history.points().size(); ++p) {
                const BatchHistory::Point& u = x.history.points()[p];
                const BatchHistory::Point& v = y.history.points()[p];
                EXPECT_EQ(std::tie(u.batch, u.deals, u.hits), std::tie(v.batch, v.deals, v.hits));
            }
        }
        ASSERT_EQ(a.examples.size(), b.examples.size());
        for (std::size_t e = 0; e < a.examples.size(); ++e) {
            EXPECT_EQ(a.examples[e].figure, b.examples[e].figure);
            EXPECT_EQ(a.examples[e].wholeDeal, b.examples[e].wholeDeal);
            EXPECT_EQ(a.examples[e].deal, b.examples[e].deal);
        }
    }
}

std::vector<JournalEntry> readBack(const std::vector<JournalEntry>& entries) {
    const JournalFileReading reading = readJournalFileV1(v1::journalFileText(entries));
    EXPECT_EQ(reading.damage, "");
    return reading.entries.value_or(std::vector<JournalEntry>{});
}

// A deal of all 52 cards, each hand written suit by suit.
Deal wholeDeal() {
    using hands::handOf;
    return {handOf("AKQJ", "AKQ", "AKQ", "AKQ"), handOf("T987", "JT9", "JT9", "JT9"),
            handOf("65", "8765", "8765", "876"), handOf("432", "432", "432", "5432")};
}

Figure figure(std::string name, std::optional<double> exact, std::int64_t hits) {
    Figure f;
    f.name = std::move(name);
    f.exact = exact;
    f.hits = hits;
    return f;
}

// Two runs: a frequency run of two batches with a hand of South's, and a
// survey of one batch, one figure without an exact value, and a whole deal.
std::vector<JournalEntry> smallJournal() {
    JournalEntry frequency;
    frequency.condition = "5 ≤ ♠ ≤ 5";
    frequency.batches = 2;
    frequency.deals = 200000;
    frequency.figures.push_back(figure("Main précisée", 0.025, 5210));
    frequency.figures[0].history.add(1, 100000, 2604);
    frequency.figures[0].history.add(2, 200000, 5210);
    Example south{"Main précisée"};
    south.deal[index(Seat::South)] = hands::handOf("AK973", "K4", "862", "754");
    frequency.examples.push_back(south);

    JournalEntry survey;
    survey.kind = RunKind::Survey;
    survey.condition = "4432";
    survey.batches = 1;
    survey.deals = 10000;
    survey.figures.push_back(figure("4432", 0.2155, 2170));
    survey.figures[0].history.add(1, 10000, 2170);
    survey.figures.push_back(figure("7xx", std::nullopt, 3));
    survey.figures[1].history.add(1, 10000, 3);
    Example whole{"4432"};
    whole.deal = wholeDeal();
    whole.wholeDeal = true;
    survey.examples.push_back(whole);
    return {frequency, survey};
}

std::string replaced(const std::string& text, std::string_view from, std::string_view to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at == std::string::npos) {
        return text;
    }
    std::string out = text.substr(0, at);
    out += to;
    out += text.substr(at + from.size());
    return out;
}

// Three runs as the program makes them: a frequency run of three batches,
// a survey whose typed distribution holds what a keyboard or a paste can
// put in it, and a run whose exact value is not known.
TEST(JournalFileV1, RunsOfTheProgramComeBackAsTheyWere) {
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
    const std::string typed(kTyped, sizeof kTyped - 1);
    dialogue.inputs = {typed};
    dialogue.answers = {Answer::No};
    runSurvey(kSurveyGroups[0], dealer, dialogue, &journal);

    std::vector<JournalEntry> entries = journal.entries();
    ASSERT_EQ(entries.size(), 2U);
    ASSERT_EQ(entries[0].examples.size(), 5U);
    ASSERT_EQ(entries[0].figures[0].history.points().size(), 3U);
    ASSERT_EQ(entries[1].figures.back().name, typed);
    JournalEntry unknown = entries[0];
    unknown.figures[0].exact.reset();
    entries.push_back(unknown);

    const std::string text = v1::journalFileText(entries);
    EXPECT_TRUE(text.starts_with("ondiscale-journal 1\n"));
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.find('\xFF'), std::string::npos) << "the file stays UTF-8";
    expectSame(readBack(entries), entries);
}

TEST(JournalFileV1, ExactValuesComeBackBitForBit) {
    for (const double p :
         {0.0, 1.0, 0.1, 1.0 / 3, 0.02582369, 2.0 / 7e9, 5e-324, std::nextafter(1.0, 0.0)}) {
        std::vector<JournalEntry> entries = smallJournal();
        entries[0].figures[0].exact = p;
        expectSame(readBack(entries), entries);
    }
}

// Texts of every kind, in each place a text goes.
TEST(JournalFileV1, TextsComeBackByteForByte) {
    const std::vector<std::string> samples =
        awkwardTexts({R"(\x41 \t \0)", "end", "\nend\n", "4333\nrun\tkind=survey"}, 300);
    for (const std::string& text : samples) {
        std::vector<JournalEntry> entries = smallJournal();
        entries[1].condition = text;
        entries[1].figures[1].name = text;
        entries[1].examples[0].figure = text;
        expectSame(readBack(entries), entries);
    }
}

TEST(JournalFileV1, EmptyJournalAndLongHistory) {
    expectSame(readBack({}), {});

    std::vector<JournalEntry> entries = smallJournal();
    JournalEntry& run = entries[0];
    run.figures[0].history = {};
    run.batches = 1'000'000;
    run.deals = run.batches * 100'000;
    run.figures[0].hits = run.deals / 40;
    for (std::int64_t batch = 1; batch <= run.batches; ++batch) {
        run.figures[0].history.add(batch, batch * 100'000, batch * 2'500);
    }
    ASSERT_GT(run.figures[0].history.points().size(), 2000U);
    expectSame(readBack(entries), entries);
}

TEST(JournalFileV1, ReopenedJournalTakesNoNewRun) {
    Journal journal = Journal::reopened(smallJournal());
    ScriptedDialogue dialogue;
    FakeProgress progress;
    Dealer dealer;
    dialogue.answers = {Answer::No};
    runFrequency(HandBounds{}, dealer, progress, dialogue, &journal);
    expectSame(journal.entries(), smallJournal());
}

// What the reader says of a damaged file, or "" where it reads it whole.
// The small journal's lines: 1 the format, 2 the runs, 3 the frequency
// run, 4 its figure, 5-6 its points, 7 its example, 8 South's hand, 9 the
// survey, 10-13 its figures and points, 14 its example, 15-18 the hands
// North to West, 19 the end.
TEST(JournalFileV1, DamagedFiles) {
    struct Row {
        const char* damage;
        std::string from;
        std::string to;
        std::string verdict;
    };
    const std::vector<Row> rows{
        {"another program's text", "ondiscale-journal 1", "Journal des tirages",
         "ce n'est pas un journal de séance"},
        {"no version", "ondiscale-journal 1", "ondiscale-journal",
         "ce n'est pas un journal de séance"},
        {"a newer version", "ondiscale-journal 1", "ondiscale-journal 2",
         "il vient d'une version plus récente du programme"},
        {"a version past 64 bits", "ondiscale-journal 1",
         "ondiscale-journal 99999999999999999999999",
         "il vient d'une version plus récente du programme"},
        {"a number past 64 bits", "deals=200000", "deals=99999999999999999999999",
         "ligne 3 : le champ « deals » sort des valeurs possibles"},
        {"a negative count", "hits=5210\tpoints", "hits=-5\tpoints",
         "ligne 4 : le champ « hits » sort des valeurs possibles"},
        {"more hits than deals", "hits=5210\tpoints", "hits=200001\tpoints",
         "ligne 4 : le champ « hits » sort des valeurs possibles"},
        {"not a number", "batches=2", "batches=2x",
         "ligne 3 : le champ « batches » n'est pas un nombre"},
        {"a missing count", "\tfigures=1", "", "ligne 3 : il manque le champ « figures »"},
        {"a lost figure", "figures=1", "figures=2",
         "ligne 3 : le champ « figures » annonce 2, le fichier en donne 1"},
        {"a lost point", "points=2", "points=3",
         "ligne 4 : le champ « points » annonce 3, le fichier en donne 2"},
        {"a lost run", "runs=2", "runs=3",
         "ligne 19 : le champ « runs » annonce 3, le fichier en donne 2"},
        {"a lost hand", "hand\tseat=W", "hnad\tseat=W",
         "ligne 14 : le champ « hands » annonce 4, le fichier en donne 3"},
        {"a card twice", "cards=S4 S3 S2", "cards=SA S3 S2",
         "ligne 18 : une carte apparaît deux fois"},
        {"twelve cards", "cards=S4 S3 S2 ", "cards=S3 S2 ",
         "ligne 18 : une main n'a pas 13 cartes"},
        {"fourteen cards", "C5 C4\n", "C5 C4 C2\n", "ligne 8 : une main n'a pas 13 cartes"},
        {"a card that is none", "cards=S4 ", "cards=S1 ", "ligne 18 : une carte est illisible"},
        {"a seat twice", "seat=W", "seat=E", "ligne 18 : une place apparaît deux fois"},
        {"a lone hand not South's", "hand\tseat=S\tcards=SA SK", "hand\tseat=N\tcards=SA SK",
         "ligne 8 : une main seule n'est pas celle de Sud"},
        {"an exact value above 1", "exact=0.025", "exact=1.5",
         "ligne 4 : le champ « exact » sort des valeurs possibles"},
        {"an exact value not a number", "exact=0.025", "exact=nan",
         "ligne 4 : le champ « exact » sort des valeurs possibles"},
        {"a bad escape", "condition=4432", "condition=44\\q32", "ligne 9 : un texte est mal écrit"},
        {"a field without a key", "\tdeals=200000", "\tdeals200000",
         "ligne 3 : un champ n'a pas la forme « clé=valeur »"},
        {"points out of order", "batch=2", "batch=1",
         "ligne 6 : le champ « batch » sort des valeurs possibles"},
        {"hits going back", "batch=2\tdeals=200000\thits=5210", "batch=2\tdeals=200000\thits=2000",
         "ligne 6 : le champ « hits » sort des valeurs possibles"},
        {"a point past the run", "batch=2", "batch=3",
         "ligne 6 : le champ « batch » sort des valeurs possibles"},
        {"a figure before any run", "run\tkind=frequency", "figure\thits=0",
         "ligne 3 : « figure » n'est pas à sa place"},
        {"no run count", "journal\truns=2", "", "ligne 3 : le nombre de tirages manque"},
        {"binary bytes in a line", "point\tbatch=1", std::string("\0\x01\xFF\x89PNG", 7),
         "ligne 5 : son début est illisible"},
        {"text after the end", "end\n", "end\nrun\tkind=survey\n", "du texte suit sa fin"},
        {"cut short", "end\n", "", "il s'arrête avant sa fin"},
        // What later versions may add, and what editors do to line ends.
        {"an unknown record", "example\thands=4", "note\ttext=x\nexample\thands=4", ""},
        {"an unknown field", "\tdeals=200000", "\tdeals=200000\tcolour=red", ""},
        {"a byte order mark", "ondiscale-journal", "\xEF\xBB\xBFondiscale-journal", ""},
        {"empty lines", "end\n", "\n\nend\n\n", ""},
        {"no last line break", "end\n", "end", ""},
    };
    const std::string text = v1::journalFileText(smallJournal());
    for (const Row& row : rows) {
        const JournalFileReading reading = readJournalFileV1(replaced(text, row.from, row.to));
        EXPECT_EQ(reading.damage, row.verdict) << row.damage;
        EXPECT_EQ(reading.entries.has_value(), row.verdict.empty()) << row.damage;
        if (reading.entries) {
            expectSame(*reading.entries, smallJournal());
        }
    }
}

TEST(JournalFileV1, LineEndsOfAnotherSystem) {
    std::string text;
    for (const char ch : v1::journalFileText(smallJournal())) {
        text += ch == '\n' ? "\r\n" : std::string(1, ch);
    }
    const JournalFileReading reading = readJournalFileV1(text);
    ASSERT_TRUE(reading.entries.has_value()) << reading.damage;
    expectSame(*reading.entries, smallJournal());
}

// A newer program's run of another kind is passed over, with all its
// records, and the runs around it are read.
TEST(JournalFileV1, RunOfAnUnknownKindIsSkipped) {
    const std::string text = replaced(
        replaced(v1::journalFileText(smallJournal()), "runs=2", "runs=3"), "run\tkind=survey",
        "run\tkind=hologram\tfigures=1\tdeals=5\nfigure\tnew=1\npoint\tx=y\n"
        "hand\tseat=N\tcards=SA SA\nrun\tkind=survey");
    const JournalFileReading reading = readJournalFileV1(text);
    ASSERT_TRUE(reading.entries.has_value()) << reading.damage;
    expectSame(*reading.entries, smallJournal());
}

// A file cut anywhere but after its last word is never taken for whole.
TEST(JournalFileV1, EveryCutIsSeen) {
    const std::string text = v1::journalFileText(smallJournal());
    for (std::size_t size = 0; size + 1 < text.size(); ++size) {
        const JournalFileReading reading = readJournalFileV1(text.substr(0, size));
        EXPECT_FALSE(reading.entries.has_value()) << "cut at " << size;
        EXPECT_FALSE(reading.damage.empty());
    }
}

// Random bytes, and a good file with random bytes overwritten: an answer
// every time, whole entries or a reason, and never a crash.
TEST(JournalFileV1, AnyBytesGetAnAnswer) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string good = v1::journalFileText(smallJournal());
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
        const JournalFileReading reading = readJournalFileV1(text);
        EXPECT_NE(reading.entries.has_value(), !reading.damage.empty());
    }
}

TEST(JournalFileV1, RunsAnnouncedOnTheFirstLines) {
    const std::string text = v1::journalFileText(smallJournal());
    EXPECT_EQ(announcedRunsV1(text), 2);
    EXPECT_EQ(announcedRunsV1(text.substr(0, text.find("run\t"))), 2);
    EXPECT_EQ(announcedRunsV1("ondiscale-journal 1\njournal\truns=-1\n"), std::nullopt);
    EXPECT_EQ(announcedRunsV1("ondiscale-journal 2\njournal\truns=4\n"), std::nullopt);
    EXPECT_EQ(announcedRunsV1("\x89PNG\r\n"), std::nullopt);
    EXPECT_EQ(announcedRunsV1(""), std::nullopt);
}

}  // namespace
