#include "simulation/lesson_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <functional>

#include "hands.h"

using namespace ondiscale;

namespace {

constexpr Seat N = Seat::North;
constexpr Seat E = Seat::East;
constexpr Seat S = Seat::South;
constexpr Seat W = Seat::West;
constexpr Vulnerability kNone = Vulnerability::None;
constexpr Vulnerability kNS = Vulnerability::NorthSouth;
constexpr Vulnerability kEW = Vulnerability::EastWest;
constexpr Vulnerability kAll = Vulnerability::Both;

int points(const Hand& hand) {
    int total = 0;
    for (const Card card : hand) {
        total += std::max(0, rankOf(card) - 10);
    }
    return total;
}

std::array<int, 4> sortedShape(const Hand& hand) {
    std::array<int, 4> lengths{};
    for (const Card card : hand) {
        ++lengths[index(suitOf(card))];
    }
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

bool regular(const Hand& hand) {
    const auto s = sortedShape(hand);
    return s == std::array{4, 3, 3, 3} || s == std::array{4, 4, 3, 2} ||
           s == std::array{5, 3, 3, 2};
}

void expectWholeDeal(const Deal& deal) {
    std::bitset<64> seen;
    for (const Hand& hand : deal) {
        for (const Card card : hand) {
            ASSERT_GE(card, kLowestCard);
            ASSERT_LE(card, kHighestCard);
            EXPECT_FALSE(seen[card]) << "card " << int(card) << " twice";
            seen.set(card);
        }
    }
    EXPECT_EQ(seen.count(), 52U);
}

// The teacher's question: South opens 1SA, 15 to 17 points and a regular
// hand, known; nothing asked.
Condition oneNoTrump() {
    Condition c;
    Alternative& known = c.known.alternatives.front();
    known.bounds.hand(S).points = {15, 17};
    known.shapes[index(S)].terms.push_back({ShapeTerm::Kind::Class, ShapeClass::Regular, {}});
    return c;
}

// A deal every hand of which is told apart: North all spades, East all
// hearts, South all diamonds, West all clubs.
Deal suitPerSeat() {
    return {hands::handOf("AKQJT98765432", "", "", ""), hands::handOf("", "AKQJT98765432", "", ""),
            hands::handOf("", "", "AKQJT98765432", ""), hands::handOf("", "", "", "AKQJT98765432")};
}

TEST(LessonSet, TheSixteenBoardRotationRepeatsFromBoardSeventeen) {
    // Dealer and vulnerability of each board as the laws print them.
    struct Row {
        int board;
        Seat dealer;
        Vulnerability vulnerable;
    };
    const Row rows[] = {{1, N, kNone},  {2, E, kNS},    {3, S, kEW},    {4, W, kAll},
                        {5, N, kNS},    {6, E, kEW},    {7, S, kAll},   {8, W, kNone},
                        {9, N, kEW},    {10, E, kAll},  {11, S, kNone}, {12, W, kNS},
                        {13, N, kAll},  {14, E, kNone}, {15, S, kNS},   {16, W, kEW},
                        {17, N, kNone}, {18, E, kNS},   {32, W, kEW},   {33, N, kNone}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.board);
        const BoardLabel label = boardLabel(LessonPlan{}, r.board);
        EXPECT_EQ(label.number, r.board);
        EXPECT_EQ(label.dealer, r.dealer);
        EXPECT_EQ(label.vulnerability, r.vulnerable);
    }
    LessonPlan fixed;
    fixed.rotation = false;
    fixed.dealer = S;
    fixed.vulnerability = kEW;
    for (const int board : {1, 2, 7, 64}) {
        EXPECT_EQ(boardLabel(fixed, board), (BoardLabel{board, S, kEW}));
    }
}

TEST(LessonSet, TheHandOfTheQuestionGoesWhereThePlanPutsIt) {
    struct Row {
        const char* name;
        Seat hand;
        HandPlace place;
        Seat placeSeat;
        Seat dealer;
        Seat landsAt;  // where the hand of the question ends up
    };
    const Row rows[] = {
        {"as asked, whoever deals", S, HandPlace::AsAsked, N, E, S},
        {"South to the dealer North", S, HandPlace::Dealer, N, N, N},
        {"South to the dealer East", S, HandPlace::Dealer, N, E, E},
        {"South to the dealer South", S, HandPlace::Dealer, N, S, S},
        {"South to the dealer West", S, HandPlace::Dealer, N, W, W},
        {"West to the dealer East", W, HandPlace::Dealer, N, E, E},
        {"North always at South", N, HandPlace::Seat, S, W, S},
        {"East always at North", E, HandPlace::Seat, N, S, N},
    };
    const Deal deal = suitPerSeat();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        LessonPlan plan;
        plan.hand = r.hand;
        plan.place = r.place;
        plan.placeSeat = r.placeSeat;
        const Deal out = turned(deal, quarterTurns(plan, r.dealer));
        EXPECT_EQ(out[index(r.landsAt)], deal[index(r.hand)]);
        // The partner turns with it, opposite.
        EXPECT_EQ(out[(index(r.landsAt) + 2) % 4], deal[(index(r.hand) + 2) % 4]);
        // And the left-hand opponent stays on its left.
        EXPECT_EQ(out[(index(r.landsAt) + 1) % 4], deal[(index(r.hand) + 1) % 4]);
    }
}

TEST(LessonSet, TheHandOfTheQuestionIsTheFirstOneItNames) {
    struct Row {
        const char* name;
        std::function<void(Condition&)> set;
        Seat expected;
    };
    const Row rows[] = {
        {"nothing named", [](Condition&) {}, S},
        {"North's points asked",
         [](Condition& c) {
             c.asked.alternatives[0].bounds.hand(N).points = {12, 37};
         },
         N},
        {"East known, North asked",
         [](Condition& c) {
             c.known.alternatives[0].shapes[index(E)].terms.push_back(
                 {ShapeTerm::Kind::Class, ShapeClass::OneSuited, {}});
             c.asked.alternatives[0].bounds.hand(N).points = {12, 37};
         },
         E},
        {"West's cards known",
         [](Condition& c) {
             c.known.alternatives[0].cards[index(W)] = cardBit(cardOf(Suit::Spades, kAce));
         },
         W},
        {"East-West's fit asked",
         [](Condition& c) {
             c.asked.alternatives[0].bounds.side(Side::EastWest).suit(Suit::Hearts) = {8, 13};
         },
         W},
        {"South and North known: South",
         [](Condition& c) {
             c.known.alternatives[0].bounds.hand(N).points = {0, 10};
             c.known.alternatives[0].bounds.hand(S).points = {15, 17};
         },
         S},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Condition c;
        r.set(c);
        EXPECT_EQ(questionHand(c), r.expected);
    }
}

TEST(LessonSet, TheDirectTestReadsRangesShapesCardsAndAlternatives) {
    // South: ♠AKQ2 ♥J4 ♦T98 ♣7653 (10 points, 4432); North holds 13 cards
    // with ♥AKQ, the rest spread out.
    const Deal deal{
        hands::handOf("J9", "AKQ7", "AKQ", "AKQJ"), hands::handOf("T8765", "T98", "765", "T9"),
        hands::handOf("AKQ2", "J4", "T98", "7653"), hands::handOf("43", "6532", "J432", "842")};
    expectWholeDeal(deal);
    const auto shape = [](ShapeTerm::Kind kind, ShapeClass c, PerSuit<std::uint8_t> l = {}) {
        return ShapeTerm{kind, c, l};
    };
    struct Row {
        const char* name;
        std::function<void(Condition&)> set;
        bool meets;
    };
    const Row rows[] = {
        {"nothing asked", [](Condition&) {}, true},
        {"South 10 points",
         [](Condition& c) {
             c.asked.alternatives[0].bounds.hand(S).points = {10, 10};
         },
         true},
        {"South 11 points or more",
         [](Condition& c) {
             c.asked.alternatives[0].bounds.hand(S).points = {11, 37};
         },
         false},
        {"South régulière",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(S)].terms = {
                 shape(ShapeTerm::Kind::Class, ShapeClass::Regular)};
         },
         true},
        {"South semi-régulière",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(S)].terms = {
                 shape(ShapeTerm::Kind::Class, ShapeClass::SemiRegular)};
         },
         false},
        {"East unicolore? 5332 is not",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(E)].terms = {
                 shape(ShapeTerm::Kind::Class, ShapeClass::OneSuited)};
         },
         false},
        {"West sans singleton ni chicane",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(W)].terms = {
                 shape(ShapeTerm::Kind::Class, ShapeClass::NoShortSuit)};
         },
         true},
        {"South 4432 in any order",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(S)].terms = {
                 shape(ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, {4, 4, 3, 2})};
         },
         true},
        {"South 4=2=3=4 in suit order",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(S)].terms = {
                 shape(ShapeTerm::Kind::SuitOrder, ShapeClass::Regular, {4, 2, 3, 4})};
         },
         true},
        {"South 4=3=2=4 in suit order",
         [&](Condition& c) {
             c.asked.alternatives[0].shapes[index(S)].terms = {
                 shape(ShapeTerm::Kind::SuitOrder, ShapeClass::Regular, {4, 3, 2, 4})};
         },
         false},
        {"South holds ♠A and ♠K",
         [](Condition& c) {
             c.asked.alternatives[0].cards[index(S)] =
                 cardBit(cardOf(Suit::Spades, kAce)) | cardBit(cardOf(Suit::Spades, kKing));
         },
         true},
        {"South holds ♠A and ♥A",
         [](Condition& c) {
             c.asked.alternatives[0].cards[index(S)] =
                 cardBit(cardOf(Suit::Spades, kAce)) | cardBit(cardOf(Suit::Hearts, kAce));
         },
         false},
        {"known part missed",
         [](Condition& c) {
             c.known.alternatives[0].bounds.hand(N).points = {0, 20};
         },
         false},
        {"either of two alternatives: the second holds",
         [](Condition& c) {
             Alternative spades;
             spades.bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
             Alternative hearts;
             hearts.bounds.side(Side::NorthSouth).suit(Suit::Hearts) = {6, 13};
             c.asked.alternatives = {spades, hearts};
         },
         true},
        {"neither alternative",
         [](Condition& c) {
             Alternative spades;
             spades.bounds.side(Side::NorthSouth).suit(Suit::Spades) = {8, 13};
             Alternative hearts;
             hearts.bounds.side(Side::NorthSouth).suit(Suit::Hearts) = {8, 13};
             c.asked.alternatives = {spades, hearts};
         },
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Condition c;
        r.set(c);
        EXPECT_EQ(directQuestionTest(c)(deal), r.meets);
    }
}

// Sixteen boards from board 5 where the dealer opens 1SA: each board's
// number, dealer and vulnerability by the rotation, and the dealer's hand
// the one that meets the question.
TEST(LessonSet, TheDealerOpensOneNoTrumpOnEveryBoard) {
    LessonPlan plan;
    plan.firstBoard = 5;
    plan.hand = S;
    plan.place = HandPlace::Dealer;
    Dealer dealer(Generator::seeded(25));
    int told = 0;
    const LessonDealing dealing =
        dealLesson(plan, dealer, directQuestionTest(oneNoTrump()), {}, [&](int done, int total) {
            EXPECT_EQ(done, told + 1);
            EXPECT_EQ(total, 16);
            told = done;
        });
    EXPECT_TRUE(dealing.failure.empty());
    EXPECT_FALSE(dealing.stopped);
    ASSERT_EQ(dealing.boards.size(), 16U);
    EXPECT_EQ(told, 16);
    EXPECT_GT(dealing.dealt, 16);
    const std::array<Seat, 4> dealers{N, E, S, W};
    const std::array<Vulnerability, 16> vulnerable{
        kNone, kNS, kEW, kAll, kNS, kEW, kAll, kNone, kEW, kAll, kNone, kNS, kAll, kNone, kNS, kEW};
    for (std::size_t i = 0; i < dealing.boards.size(); ++i) {
        const Example& board = dealing.boards[i];
        const int number = 5 + static_cast<int>(i);
        SCOPED_TRACE(number);
        ASSERT_TRUE(board.board);
        EXPECT_EQ(board.board->number, number);
        EXPECT_EQ(board.board->dealer, dealers[static_cast<std::size_t>(number - 1) % 4]);
        EXPECT_EQ(board.board->vulnerability,
                  vulnerable[static_cast<std::size_t>(number - 1) % 16]);
        EXPECT_TRUE(board.wholeDeal);
        expectWholeDeal(board.deal);
        const Hand& opener = board.deal[index(board.board->dealer)];
        EXPECT_GE(points(opener), 15);
        EXPECT_LE(points(opener), 17);
        EXPECT_TRUE(regular(opener));
    }
}

// Turning deals to the dealer keeps them uniform among the deals that meet
// the question: with the ace of spades known in the opener's hand, its
// king is with the opener's left-hand opponent 13 times in 51.
TEST(LessonSet, TurnedBoardsStayUniform) {
    Condition c;
    c.known.alternatives[0].cards[index(S)] = cardBit(cardOf(Suit::Spades, kAce));
    LessonPlan plan;
    plan.boards = kMostLessonBoards;
    plan.place = HandPlace::Dealer;
    Dealer dealer(Generator::seeded(7));
    const DealTest test = directQuestionTest(c);
    int boards = 0;
    int kingOnTheLeft = 0;
    for (int set = 0; set < 40; ++set) {
        plan.firstBoard = 1 + set % 16;
        for (const Example& board : dealLesson(plan, dealer, test).boards) {
            const auto opener = index(board.board->dealer);
            const Hand& left = board.deal[(opener + 1) % 4];
            EXPECT_NE(std::find(board.deal[opener].begin(), board.deal[opener].end(),
                                cardOf(Suit::Spades, kAce)),
                      board.deal[opener].end());
            kingOnTheLeft +=
                static_cast<int>(std::count(left.begin(), left.end(), cardOf(Suit::Spades, kKing)));
            ++boards;
        }
    }
    ASSERT_EQ(boards, 40 * kMostLessonBoards);
    const double p = 13.0 / 51.0;
    const double sigma = std::sqrt(p * (1 - p) * boards);
    EXPECT_NEAR(kingOnTheLeft, p * boards, 5 * sigma);
}

TEST(LessonSet, ATooRareQuestionGivesUpWithAMessageAndAStopKeepsWhatWasDealt) {
    // Two hands cannot both hold the ace of spades.
    Condition never;
    never.known.alternatives[0].cards[index(S)] = cardBit(cardOf(Suit::Spades, kAce));
    never.asked.alternatives[0].cards[index(N)] = cardBit(cardOf(Suit::Spades, kAce));
    Dealer dealer(Generator::seeded(3));
    const LessonDealing rare =
        dealLesson(LessonPlan{}, dealer, directQuestionTest(never), {}, {}, 20'000);
    EXPECT_TRUE(rare.boards.empty());
    EXPECT_FALSE(rare.stopped);
    EXPECT_EQ(rare.dealt, 20'000);
    EXPECT_EQ(rare.failure,
              "Aucune des 20\u00a0000 donnes tirées ne remplit la condition : elle est trop rare "
              "pour une série de donnes. Élargissez-la, puis recommencez.");
    EXPECT_EQ(tooRareMessage(kMostDealsPerBoard),
              "Aucune des 10\u00a0000\u00a0000 donnes tirées ne remplit la condition : elle est "
              "trop rare pour une série de donnes. Élargissez-la, puis recommencez.");

    // A stop asked after the third board: three boards, no message.
    std::stop_source stop;
    const LessonDealing stopped = dealLesson(
        LessonPlan{}, dealer, [&](const Deal&) { return true; }, stop.get_token(),
        [&](int done, int) {
            if (done == 3) {
                stop.request_stop();
            }
        });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_TRUE(stopped.failure.empty());
    EXPECT_EQ(stopped.boards.size(), 3U);
    const LessonDealing none = dealLesson(
        LessonPlan{}, dealer, [](const Deal&) { return false; }, stop.get_token());
    EXPECT_TRUE(none.stopped);
    EXPECT_TRUE(none.failure.empty());
    EXPECT_TRUE(none.boards.empty());
}

TEST(LessonSet, ABoardDealtAgainKeepsItsNumberDealerAndVulnerability) {
    LessonPlan plan;
    plan.place = HandPlace::Dealer;
    Dealer dealer(Generator::seeded(11));
    const DealTest test = directQuestionTest(oneNoTrump());
    const BoardLabel label{7, S, kAll};
    const LessonDealing again = redealBoard(plan, label, dealer, test);
    ASSERT_EQ(again.boards.size(), 1U);
    const Example& board = again.boards.front();
    EXPECT_EQ(board.board, label);
    EXPECT_FALSE(board.tricks);
    const Hand& opener = board.deal[index(S)];
    EXPECT_GE(points(opener), 15);
    EXPECT_LE(points(opener), 17);
    EXPECT_TRUE(regular(opener));
}

}  // namespace
