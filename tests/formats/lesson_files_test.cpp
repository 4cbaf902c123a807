// A lesson's boards written for other programs (PBN 2.1 in export format,
// BBO's LIN) and kept in the session file, each read back by a reader
// written here from the format's own rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dealer.h"
#include "formats/lin.h"
#include "formats/pbn_export.h"
#include "formats/session_file.h"

using namespace ondiscale;

namespace {

// Boards 5 to 12 of a lesson, dealer and vulnerability fixed or by
// rotation, the odd ones solved (made-up tables: the files carry what
// they are given).
std::vector<Example> someBoards(bool rotation) {
    Dealer dealer(Generator::seeded(2026));
    std::vector<Example> boards;
    for (int number = 5; number <= 12; ++number) {
        Example board;
        dealer.dealTable(board.deal);
        board.wholeDeal = true;
        board.board = rotation
                          ? BoardLabel{number, kSeats[static_cast<std::size_t>(number - 1) % 4],
                                       vulnerabilityOfBoard(number)}
                          : BoardLabel{number, Seat::South, Vulnerability::EastWest};
        if (number % 2 == 1) {
            TrickTable table;
            for (std::size_t s = 0; s < 5; ++s) {
                for (std::size_t d = 0; d < 4; ++d) {
                    table.tricks[s][d] = static_cast<std::uint8_t>((number + 3 * s + d) % 14);
                }
            }
            board.tricks = table;
            board.par = ParResult{number == 5 ? 0 : -620, number == 5 ? "" : "EW 4S"};
        }
        boards.push_back(board);
    }
    return boards;
}

std::set<Card> cardsOf(const Hand& hand) { return {hand.begin(), hand.end()}; }

// ---- A strict PBN 2.1 reader for the export format ----

struct PbnTag {
    std::string name;
    std::string value;              // unescaped, still Latin-1
    std::vector<std::string> data;  // a table's lines under it
};
using PbnGameTags = std::vector<PbnTag>;

// A tag line, [Name "value"]: a backslash escapes a quote or a
// backslash; before anything else (a table's column format, "\2R") it
// stands for itself.
std::optional<PbnTag> tagOf(const std::string& line) {
    std::size_t at = 1;
    while (at < line.size() &&
           (std::isalnum(static_cast<unsigned char>(line[at])) != 0 || line[at] == '_')) {
        ++at;
    }
    if (line.empty() || line[0] != '[' || at == 1 || line.compare(at, 2, " \"") != 0) {
        return std::nullopt;
    }
    PbnTag tag{line.substr(1, at - 1), {}, {}};
    for (at += 2; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] == '\\' && at + 1 < line.size() &&
            (line[at + 1] == '"' || line[at + 1] == '\\')) {
            ++at;
        }
        tag.value += line[at];
    }
    if (line.compare(at, std::string::npos, "\"]") != 0) {
        return std::nullopt;
    }
    return tag;
}

// A line of a trick table: "N NT 9", "W S 13".
bool isTableLine(const std::string& line) {
    std::istringstream in(line);
    std::string seat, strain, tricks;
    std::string more;
    in >> seat >> strain >> tricks;
    const bool number = !tricks.empty() && tricks.size() <= 2 &&
                        std::all_of(tricks.begin(), tricks.end(), ::isdigit) &&
                        std::stoi(tricks) <= 13 && (tricks.size() == 1 || tricks[0] == '1');
    return line.size() > 1 && line[1] == ' ' &&
           (seat == "N" || seat == "E" || seat == "S" || seat == "W") &&
           (strain == "NT" || strain == "S" || strain == "H" || strain == "D" || strain == "C") &&
           number && !(in >> more);
}

// Fails the test at the first rule broken; the games' tags otherwise.
std::vector<PbnGameTags> readStrictPbn(const std::string& bytes) {
    std::vector<PbnGameTags> games;
    // Character set: ISO 8859-1 printable characters, lines ending CR LF.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "CR without LF at " << i;
        } else if (b == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF without CR at " << i;
        } else {
            EXPECT_FALSE(b < 0x20 || b == 0x7F || (b >= 0x80 && b < 0xA0))
                << "byte " << int(b) << " at " << i << " is no printable Latin-1 character";
        }
    }
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) {
            break;
        }
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    EXPECT_GE(lines.size(), 3U);
    EXPECT_EQ(lines.at(0), "% PBN 2.1");
    EXPECT_EQ(lines.at(1), "% EXPORT");
    // A backslash escapes a quote or a backslash; before anything else
    // (a table's column format, "\2R") it stands for itself.
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        EXPECT_LE(line.size(), 255U) << "line " << i + 1;
        if (line.empty()) {
            EXPECT_TRUE(i + 1 < lines.size() && !lines[i + 1].empty()) << "one empty line";
            games.emplace_back();
            continue;
        }
        EXPECT_FALSE(games.empty()) << "a game starts after an empty line";
        if (games.empty()) {
            games.emplace_back();
        }
        if (std::optional<PbnTag> tag = tagOf(line)) {
            games.back().push_back(std::move(*tag));
            continue;
        }
        EXPECT_FALSE(games.back().empty()) << line;
        EXPECT_TRUE(isTableLine(line)) << "not a table line: " << line;
        if (!games.back().empty()) {
            games.back().back().data.push_back(line);
        }
    }
    for (const PbnGameTags& game : games) {
        const std::vector<std::string> mandatory{
            "Event",  "Site",       "Date", "Board",   "West",     "North",    "East",  "South",
            "Dealer", "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result"};
        EXPECT_GE(game.size(), mandatory.size());
        for (std::size_t t = 0; t < mandatory.size() && t < game.size(); ++t) {
            EXPECT_EQ(game[t].name, mandatory[t]) << "tag " << t + 1;
        }
    }
    return games;
}

const PbnTag* find(const PbnGameTags& game, const std::string& name) {
    for (const PbnTag& tag : game) {
        if (tag.name == name) {
            return &tag;
        }
    }
    return nullptr;
}

// The Deal tag: "D:hand hand hand hand" from seat D clockwise, each hand
// spades.hearts.diamonds.clubs with ranks high to low, 52 distinct cards.
std::optional<std::pair<char, Deal>> strictDeal(const std::string& value) {
    static const std::string kSeats = "NESW";
    static const std::string kRanks = "AKQJT98765432";
    if (value.size() < 2 || kSeats.find(value[0]) == std::string::npos || value[1] != ':') {
        ADD_FAILURE() << "Deal starts badly: " << value;
        return std::nullopt;
    }
    Deal deal{};
    std::bitset<64> seen;
    std::size_t seat = kSeats.find(value[0]);
    std::size_t at = 2;
    for (int h = 0; h < 4; ++h, seat = (seat + 1) % 4) {
        const std::size_t end = h < 3 ? value.find(' ', at) : value.size();
        if (end == std::string::npos) {
            ADD_FAILURE() << "fewer than four hands: " << value;
            return std::nullopt;
        }
        const std::string hand = value.substr(at, end - at);
        at = end + 1;
        std::size_t suit = 0;
        std::size_t held = 0;
        std::size_t lastRank = 0;
        for (const char ch : hand) {
            if (ch == '.') {
                ++suit;
                lastRank = 0;
                continue;
            }
            const std::size_t rank = kRanks.find(ch);
            if (rank == std::string::npos || suit > 3 || held == 13 || rank < lastRank) {
                ADD_FAILURE() << "bad hand " << hand;
                return std::nullopt;
            }
            lastRank = rank + 1;
            const Card card = cardOf(kSuits[suit], kAce - static_cast<int>(rank));
            if (seen[card]) {
                ADD_FAILURE() << "a card twice in " << value;
                return std::nullopt;
            }
            seen.set(card);
            deal[seat][held++] = card;
        }
        if (suit != 3 || held != 13) {
            ADD_FAILURE() << "a hand of " << held << " cards: " << hand;
            return std::nullopt;
        }
    }
    if (seen.count() != 52) {
        return std::nullopt;
    }
    return std::make_pair(value[0], deal);
}

TEST(LessonPbn, EveryBoardComesBackThroughAStrictReader) {
    for (const bool rotation : {true, false}) {
        SCOPED_TRACE(rotation ? "rotation" : "fixed");
        const std::vector<Example> boards = someBoards(rotation);
        const std::string text =
            pbnExportText(boards, "Donnes pour une leçon : Sud : 15 ≤ points ≤ 17", "2026.12.09");
        const std::vector<PbnGameTags> games = readStrictPbn(text);
        ASSERT_EQ(games.size(), boards.size());
        const std::string seats = "NESW";
        const std::vector<std::string> vulnerable{"None", "NS", "EW", "All"};
        for (std::size_t g = 0; g < games.size(); ++g) {
            const Example& board = boards[g];
            SCOPED_TRACE(board.board->number);
            const PbnGameTags& game = games[g];
            EXPECT_EQ(find(game, "Event")->value,
                      "Donnes pour une le\xE7on : Sud : 15 <= points <= 17");
            EXPECT_EQ(find(game, "Date")->value, "2026.12.09");
            EXPECT_EQ(find(game, "Board")->value, std::to_string(board.board->number));
            for (const char* empty : {"Site", "West", "North", "East", "South", "Scoring",
                                      "Declarer", "Contract", "Result"}) {
                EXPECT_EQ(find(game, empty)->value, "") << empty;
            }
            const char dealer = seats[index(board.board->dealer)];
            EXPECT_EQ(find(game, "Dealer")->value, std::string(1, dealer));
            EXPECT_EQ(find(game, "Vulnerable")->value,
                      vulnerable[static_cast<std::size_t>(board.board->vulnerability)]);
            const auto deal = strictDeal(find(game, "Deal")->value);
            ASSERT_TRUE(deal);
            EXPECT_EQ(deal->first, dealer) << "the deal starts with the dealer's hand";
            for (const Seat seat : kSeats) {
                EXPECT_EQ(cardsOf(deal->second[index(seat)]), cardsOf(board.deal[index(seat)]));
            }
            const PbnTag* table = find(game, "OptimumResultTable");
            EXPECT_EQ(table != nullptr, board.tricks.has_value());
            if (table != nullptr) {
                EXPECT_EQ(table->value, "Declarer;Denomination\\2R;Result\\2R");
                ASSERT_EQ(table->data.size(), 20U);
                const std::vector<std::string> strains{"NT", "S", "H", "D", "C"};
                for (std::size_t d = 0; d < 4; ++d) {
                    for (std::size_t s = 0; s < 5; ++s) {
                        std::string expected(1, seats[d]);
                        expected += (strains[s].size() == 1 ? "  " : " ") + strains[s];
                        const int tricks = board.tricks->tricks[s][d];
                        expected += (tricks < 10 ? "  " : " ") + std::to_string(tricks);
                        EXPECT_EQ(table->data[5 * d + s], expected);
                    }
                }
                EXPECT_EQ(find(game, "OptimumScore")->value,
                          "NS " + std::to_string(board.par->northSouthScore));
                EXPECT_EQ(find(game, "ParContract")->value, board.par->contracts);
            }
        }
    }
}

TEST(LessonPbn, TagValuesAreLatin1WithTheRestTransliterated) {
    struct Row {
        const char* utf8;
        const char* latin1;
    };
    const Row rows[] = {
        {"leçon à Noël", "le\xE7on \xE0 No\xEBl"},
        {"15 ≤ points ≤ 17", "15 <= points <= 17"},
        {"25 ≥ 20", "25 >= 20"},
        {"5 ≤ ♠ ≤ 5, ♥ ♦ ♣", "5 <= P <= 5, C K T"},
        {"♤♡♢♧", "PCKT"},
        {"cœur, Œuvre", "coeur, OEuvre"},
        {"« 6421 » — Nord–Sud", "\xAB 6421 \xBB - Nord-Sud"},
        {"4432, 5332, …", "4432, 5332, ..."},
        {"l’ouvreur “fort”", "l'ouvreur \"fort\""},
        {"10\u00a0000\u202f000", "10 000 000"},
        {"prix 5 €", "prix 5 ?"},
        {"tab\there\r\nline", "tab here  line"},
        {"bad \xFF byte, cut \xC3", "bad ? byte, cut ?"},
        {"overlong \xC0\xAF", "overlong ??"},
        {"C1 \u0085 control", "C1   control"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(pbnLatin1(r.utf8), r.latin1) << r.utf8;
    }
}

TEST(LessonPbn, ALongEventIsCutToTheLineLengthQuotesEscaped) {
    std::string event = "Sud \"fort\" \\ ";
    while (event.size() < 400) {
        event += "15 ≤ points ≤ 17 ; ";
    }
    const std::string text = pbnExportText(someBoards(true), event, "2026.12.09");
    const std::vector<PbnGameTags> games = readStrictPbn(text);
    ASSERT_FALSE(games.empty());
    const std::string& value = find(games[0], "Event")->value;
    EXPECT_TRUE(value.starts_with("Sud \"fort\" \\ 15 <= points <= 17")) << value;
    EXPECT_TRUE(value.ends_with("...")) << value;
}

// ---- LIN, read back as BBO's hand viewer reads it ----

struct LinBoard {
    int number = 0;
    char dealer = '?';
    Deal deal{};
    std::string vulnerable;
};

// One line a board: "key|value|" pairs, md the dealer's digit then the
// hands from South clockwise, each "S…H…D…C…".
std::vector<LinBoard> readLin(const std::string& text) {
    std::vector<LinBoard> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "lines end CR LF";
        if (end == std::string::npos) {
            break;
        }
        const std::string line = text.substr(at, end - at);
        at = end + 2;
        std::vector<std::string> fields;
        for (std::size_t from = 0; from < line.size();) {
            const std::size_t bar = line.find('|', from);
            EXPECT_NE(bar, std::string::npos) << line;
            if (bar == std::string::npos) {
                break;
            }
            fields.push_back(line.substr(from, bar - from));
            from = bar + 1;
        }
        EXPECT_EQ(fields.size() % 2, 0U) << line;
        std::map<std::string, std::string> pairs;
        std::vector<std::string> keys;
        for (std::size_t f = 0; f + 1 < fields.size(); f += 2) {
            keys.push_back(fields[f]);
            pairs[fields[f]] = fields[f + 1];
        }
        EXPECT_EQ(keys, (std::vector<std::string>{"qx", "md", "rh", "ah", "sv", "pg"})) << line;
        LinBoard board;
        EXPECT_TRUE(pairs["qx"].starts_with("o")) << line;
        board.number = std::stoi(pairs["qx"].substr(1));
        EXPECT_EQ(pairs["ah"], "Board " + std::to_string(board.number));
        board.vulnerable = pairs["sv"];
        const std::string& md = pairs["md"];
        board.dealer = md.empty() ? '?' : md[0];
        const std::array<Seat, 4> fromSouth{Seat::South, Seat::West, Seat::North, Seat::East};
        std::size_t hand = 0;
        std::size_t held = 0;
        std::size_t suit = 4;
        std::bitset<64> seen;
        for (std::size_t c = 1; c < md.size(); ++c) {
            const char ch = md[c];
            if (ch == ',') {
                EXPECT_EQ(held, 13U);
                ++hand;
                held = 0;
                suit = 4;
                continue;
            }
            const std::size_t s = std::string("SHDC").find(ch);
            if (s != std::string::npos) {
                suit = s;
                continue;
            }
            const std::size_t rank = std::string("23456789TJQKA").find(ch);
            EXPECT_NE(rank, std::string::npos) << md;
            EXPECT_LT(suit, 4U) << md;
            EXPECT_LT(hand, 4U) << md;
            if (rank == std::string::npos || suit > 3 || hand > 3 || held > 12) {
                break;
            }
            const Card card = cardOf(kSuits[suit], static_cast<int>(rank) + 2);
            EXPECT_FALSE(seen[card]);
            seen.set(card);
            board.deal[index(fromSouth[hand])][held++] = card;
        }
        EXPECT_EQ(hand, 3U);
        EXPECT_EQ(seen.count(), 52U);
        out.push_back(board);
    }
    return out;
}

TEST(LessonLin, EveryBoardComesBackWithItsNumberDealerAndVulnerability) {
    for (const bool rotation : {true, false}) {
        const std::vector<Example> boards = someBoards(rotation);
        const std::vector<LinBoard> read = readLin(linText(boards));
        ASSERT_EQ(read.size(), boards.size());
        for (std::size_t b = 0; b < boards.size(); ++b) {
            const BoardLabel& label = *boards[b].board;
            SCOPED_TRACE(label.number);
            EXPECT_EQ(read[b].number, label.number);
            // 1 South, 2 West, 3 North, 4 East.
            EXPECT_EQ(read[b].dealer, "3412"[index(label.dealer)]);
            EXPECT_EQ(read[b].vulnerable,
                      (std::array<const char*, 4>{
                          "0", "n", "e", "b"})[static_cast<std::size_t>(label.vulnerability)]);
            for (const Seat seat : kSeats) {
                EXPECT_EQ(cardsOf(read[b].deal[index(seat)]), cardsOf(boards[b].deal[index(seat)]));
            }
        }
    }
}

TEST(LessonLin, OneBoardAsBboWritesIt) {
    Example board;
    const auto hand = [](std::initializer_list<std::pair<Suit, const char*>> suits) {
        Hand h{};
        std::size_t n = 0;
        for (const auto& [suit, ranks] : suits) {
            for (const char* r = ranks; *r != '\0'; ++r) {
                h[n++] = cardOf(suit, static_cast<int>(std::string("23456789TJQKA").find(*r)) + 2);
            }
        }
        return h;
    };
    board.deal = {hand({{Suit::Spades, "JT9"},
                        {Suit::Hearts, "AKQ"},
                        {Suit::Diamonds, "J76"},
                        {Suit::Clubs, "AKQ2"}}),
                  hand({{Suit::Spades, "543"},
                        {Suit::Hearts, "32"},
                        {Suit::Diamonds, "Q5432"},
                        {Suit::Clubs, "984"}}),
                  hand({{Suit::Spades, "AKQ2"},
                        {Suit::Hearts, "J4"},
                        {Suit::Diamonds, "T98"},
                        {Suit::Clubs, "7653"}}),
                  hand({{Suit::Spades, "876"},
                        {Suit::Hearts, "T98765"},
                        {Suit::Diamonds, "AK"},
                        {Suit::Clubs, "JT"}})};
    board.board = BoardLabel{3, Seat::South, Vulnerability::EastWest};
    EXPECT_EQ(linText({board}),
              "qx|o3|md|1SAKQ2HJ4DT98C7653,S876HT98765DAKCJT,SJT9HAKQDJ76CAKQ2,"
              "S543H32DQ5432C984|rh||ah|Board 3|sv|e|pg||\r\n");
}

// ---- The session file ----

TEST(LessonSession, ALessonsBoardsComeBackFromTheSessionFile) {
    JournalEntry lesson;
    lesson.kind = RunKind::Lesson;
    lesson.condition = "Sud : 15 ≤ points ≤ 17";
    lesson.batches = 1;
    lesson.examples = someBoards(false);
    lesson.deals = static_cast<std::int64_t>(lesson.examples.size());
    const SessionReading read = readSessionFile(sessionFileText({lesson}, "2026-12-08T13:05:12Z"));
    ASSERT_TRUE(read.entries) << read.damage;
    ASSERT_EQ(read.entries->size(), 1U);
    const JournalEntry& back = read.entries->front();
    EXPECT_EQ(back.kind, RunKind::Lesson);
    EXPECT_EQ(back.condition, lesson.condition);
    EXPECT_EQ(back.deals, lesson.deals);
    ASSERT_EQ(back.examples.size(), lesson.examples.size());
    for (std::size_t b = 0; b < back.examples.size(); ++b) {
        const Example& was = lesson.examples[b];
        const Example& is = back.examples[b];
        SCOPED_TRACE(b);
        EXPECT_EQ(is.board, was.board);
        EXPECT_EQ(is.tricks, was.tricks);
        EXPECT_EQ(is.par.has_value(), was.par.has_value());
        if (is.par && was.par) {
            EXPECT_EQ(is.par->northSouthScore, was.par->northSouthScore);
            EXPECT_EQ(is.par->contracts, was.par->contracts);
        }
        for (const Seat seat : kSeats) {
            EXPECT_EQ(cardsOf(is.deal[index(seat)]), cardsOf(was.deal[index(seat)]));
        }
    }
}

TEST(LessonSession, ABoardWithABadDealerIsDamage) {
    JournalEntry lesson;
    lesson.kind = RunKind::Lesson;
    lesson.examples = someBoards(true);
    lesson.deals = 8;
    std::string text = sessionFileText({lesson}, "2026-12-08T13:05:12Z");
    const std::size_t at = text.find(R"("dealer":")");
    ASSERT_NE(at, std::string::npos);
    text[at + 10] = 'X';
    const SessionReading read = readSessionFile(text);
    EXPECT_FALSE(read.entries);
    EXPECT_NE(read.damage.find("« dealer »"), std::string::npos) << read.damage;
}

}  // namespace
